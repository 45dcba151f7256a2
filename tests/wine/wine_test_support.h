#pragma once
// What the Wine test programs share: fresh folders under the prefix's temp folder, whole files
// read back, host paths as Windows sees them, and waiting while this thread's messages flow.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

namespace tv::winetest {

inline std::string FreshFolder(const char* stem) {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) +
                          "-" + std::to_string(++counter);
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

// Shared every way, as the writer may still hold the file open.
inline std::string ReadWholeFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// The test program's folder, with a trailing backslash.
inline std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return program.substr(0, program.find_last_of('\\') + 1);
}

// A path on the Linux host as a program in the prefix names it (Wine maps / to drive Z:).
inline std::string WindowsPath(std::string unixPath) {
  std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
  return "Z:" + unixPath;
}

// Lets this thread's windows receive what others post and send until `done` holds; false when
// it never held within the time.
inline bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 3000) {
  const DWORD end = GetTickCount() + timeoutMs;
  for (MSG msg; !done(); Sleep(5)) {
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  return true;
}

inline void Pump(DWORD ms) {
  WaitFor([] { return false; }, ms);
}

}  // namespace tv::winetest
