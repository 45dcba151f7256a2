// hold_file PATH SECONDS MODE: another process in the way of the panel's settings file, for the
// end-to-end tests. MODE:
//   shared     holds the file open for reading and writing, sharing both, as an editor or a
//              backup tool does;
//   exclusive  holds it open sharing nothing, so that every write of the panel fails meanwhile;
//   rewrite    writes keys of its own through the profile calls again and again, each call a
//              rewrite of the whole file, as the video window program does;
//   replace    replaces the whole file again and again with a copy of itself (written beside it,
//              then moved over it), as an editor or a synchronising tool saves.
// Prints how many rewrites it made. Exits 0, or 1 when the file cannot be opened.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: hold_file PATH SECONDS shared|exclusive|rewrite|replace\n");
    return 2;
  }
  const char* path = argv[1];
  const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(argv[2]) * 1000);
  const std::string mode = argv[3];
  if (mode == "shared" || mode == "exclusive") {
    const DWORD share =
        mode == "shared" ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : 0;
    HANDLE f = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return 1;
    std::printf("holding\n");
    std::fflush(stdout);
    while (GetTickCount() < until) Sleep(50);
    CloseHandle(f);
    return 0;
  }
  long rewrites = 0, refused = 0;
  const std::string copy = std::string(path) + ".new";
  while (GetTickCount() < until) {
    if (mode == "replace") {
      // A file caught while the panel rewrites it, or held by it, is tried again.
      std::vector<char> bytes;
      HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      char chunk[65536];
      DWORD got = 0;
      while (f != INVALID_HANDLE_VALUE && ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got)
        bytes.insert(bytes.end(), chunk, chunk + got);
      if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
      f = CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                      nullptr);
      if (f == INVALID_HANDLE_VALUE) return 1;
      DWORD put = 0;
      WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
      CloseHandle(f);
      if (bytes.empty() || !MoveFileExA(copy.c_str(), path, MOVEFILE_REPLACE_EXISTING)) {
        ++refused;
        Sleep(1);
        continue;
      }
      ++rewrites;
    } else if (!WritePrivateProfileStringA("HoldFile", "Rewrites",
                                           std::to_string(++rewrites).c_str(), path)) {
      return 1;
    }
  }
  DeleteFileA(copy.c_str());
  std::printf("%ld rewrites, %ld tried again\n", rewrites, refused);
  return rewrites > 0 ? 0 : 1;
}
