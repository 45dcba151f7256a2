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

// "median M ms (quartiles Q1-Q3, range MIN-MAX)" of the starts that showed a window.
void Report(const char* exe, std::vector<double> values, int runs) {
  std::erase_if(values, [](double v) { return v < 0; });
  std::sort(values.begin(), values.end());
  if (values.empty()) {
    std::printf("%s: no window in %d starts\n", exe, runs);
    return;
  }
  const auto at = [&](double q) {
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))] * 1000;
  };
  std::printf("%s: median %.1f ms (quartiles %.1f-%.1f, range %.1f-%.1f) over %zu of %d starts\n",
              exe, at(0.5), at(0.25), at(0.75), at(0), at(1), values.size(), runs);
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
  Report(argv[2], first, runs);
  Report(argv[5], second, runs);
  std::printf("ratio: %.2f\n", b > 0 ? a / b : 0.0);
  return a > 0 && b > 0 ? 0 : 1;
}
