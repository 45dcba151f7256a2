// file_opener: what the test prefix registers as the program that opens .bmp and .mpg files.
// It appends its command line to opener-log.txt beside itself and ends; nothing is shown.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string log = self;
  log = log.substr(0, log.find_last_of('\\') + 1) + "opener-log.txt";
  if (FILE* f = std::fopen(log.c_str(), "ab")) {
    std::fprintf(f, "%s\n", commandLine);
    std::fclose(f);
  }
  return 0;
}
