// mapi32.dll of the test prefix: a document sender that sends nothing. Each call appends
// "delimiter|paths|names" to C:\TvPanelTest\mail-log.txt and reports success.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) ULONG WINAPI
    MAPISendDocuments(ULONG_PTR, LPSTR delimiter, LPSTR paths, LPSTR names, ULONG) {
  if (FILE* f = std::fopen("C:\\TvPanelTest\\mail-log.txt", "ab")) {
    std::fprintf(f, "%s|%s|%s\n", delimiter ? delimiter : "", paths ? paths : "",
                 names ? names : "");
    std::fclose(f);
  }
  return 0;
}
