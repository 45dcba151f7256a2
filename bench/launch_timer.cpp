// Times programs from process start to their window being visible, alternating between them
// so both see the same machine, and prints the median of each and their ratio.
//   launch_timer RUNS EXE1 CLASS1 TITLE1 EXE2 CLASS2 TITLE2
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: -1 when the window never appeared.
double TimeOne(const char* exe, const char* className, const char* title) {
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string commandLine = std::string("\"") + exe + "\"";
  QueryPerformanceCounter(&start);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return -1;
  double elapsed = -1;
  for (;;) {
    HWND window = FindWindowA(className, title);
    QueryPerformanceCounter(&now);
    if (window != nullptr && IsWindowVisible(window)) {
      elapsed = Seconds(start, now, frequency);
      PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    }
    if (Seconds(start, now, frequency) > 30) break;
    Sleep(1);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 8) {
    std::fprintf(stderr, "usage: launch_timer RUNS EXE1 CLASS1 TITLE1 EXE2 CLASS2 TITLE2\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  std::vector<double> first, second;
  TimeOne(argv[2], argv[3], argv[4]);  // warm the caches of both once
  TimeOne(argv[5], argv[6], argv[7]);
  for (int i = 0; i < runs; ++i) {
    first.push_back(TimeOne(argv[2], argv[3], argv[4]));
    second.push_back(TimeOne(argv[5], argv[6], argv[7]));
  }
  const double a = Median(first), b = Median(second);
  std::printf("%s: median %.1f ms over %d starts\n", argv[2], a * 1000, runs);
  std::printf("%s: median %.1f ms over %d starts\n", argv[5], b * 1000, runs);
  std::printf("ratio: %.2f\n", b > 0 ? a / b : 0.0);
  return a > 0 && b > 0 ? 0 : 1;
}
