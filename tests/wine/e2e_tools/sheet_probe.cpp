// sheet_probe: reads a running property sheet from outside for the end-to-end tests, where
// the sheet's tab texts and a slider's thumb live in another process's memory.
//   sheet_probe tabs TITLE        the tab texts, one a line
//   sheet_probe frame TITLE       "contexthelp 0|1 apply 0|1" (the title bar's help button, a
//                                 visible Apply button)
//   sheet_probe place TITLE       "sysmenu 0|1 offset DX DY": whether the window has a system
//                                 menu, and how far its centre lies from the work area's
//   sheet_probe thumb TITLE ID    "x y left right": screen centre of the thumb of slider ID on
//                                 the page shown, and the screen x range its channel spans
//   sheet_probe pos TITLE ID      the slider's position
//   sheet_probe at TITLE ID       "x y": screen centre of control ID of the window or its page
//   sheet_probe tab TITLE N       "x y": screen centre of tab N (from 0)
//   sheet_probe topmost TITLE     "1" when the top-level window titled TITLE (any program's,
//                                 not only a sheet) is in the topmost band, else "0"
// Exits 1 when the sheet or the control is not there.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstddef>
#include <string>

namespace {

// Sends a message whose lParam points at `data`, copied into the window's process (after `aim`
// has pointed what it must at that copy) and back. Gives the answer, -1 without the memory.
template <typename T>
LRESULT SendRemote(HWND window, UINT message, WPARAM wParam, T& data,
                   void (*aim)(T&, char*) = nullptr) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  const HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return -1;
  auto* at =
      static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof data, MEM_COMMIT, PAGE_READWRITE));
  LRESULT answer = -1;
  if (at != nullptr) {
    if (aim != nullptr) aim(data, at);
    WriteProcessMemory(process, at, &data, sizeof data, nullptr);
    answer = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(at));
    ReadProcessMemory(process, at, &data, sizeof data, nullptr);
    VirtualFreeEx(process, at, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return answer;
}

int PrintCentre(HWND window, const RECT& rect) {
  POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  if (window != nullptr) ClientToScreen(window, &centre);
  std::printf("%ld %ld\n", centre.x, centre.y);
  return 0;
}

// The tab texts, or with an index the centre of that tab.
int Tabs(HWND sheet, int index = -1) {
  const auto tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  if (tabs == nullptr) return 1;
  if (RECT rect{}; index >= 0)
    return SendRemote(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), rect) > 0
               ? PrintCentre(tabs, rect)
               : 1;
  struct Item {
    TCITEMA item;
    char text[256];
  };
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    Item tab{};
    tab.item.mask = TCIF_TEXT;
    tab.item.cchTextMax = 255;
    if (SendRemote(
            tabs, TCM_GETITEMA, static_cast<WPARAM>(i), tab,
            +[](Item& t, char* at) { t.item.pszText = at + offsetof(Item, text); }) == -1)
      return 1;
    std::printf("%s\n", tab.text);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: sheet_probe tabs|frame|place|topmost|thumb|pos|at|tab TITLE [ID|N]\n");
    return 2;
  }
  const HWND sheet = FindWindowA(nullptr, argv[2]);
  if (sheet == nullptr) return 1;
  const std::string what = argv[1];
  const LONG exStyle = GetWindowLongA(sheet, GWL_EXSTYLE);
  if (what == "tabs") return Tabs(sheet);
  if (what == "topmost") return std::printf("%d\n", (exStyle & WS_EX_TOPMOST) ? 1 : 0) < 0;
  if (const HWND apply = GetDlgItem(sheet, 0x3021); what == "frame")
    return std::printf("contexthelp %d apply %d\n", (exStyle & WS_EX_CONTEXTHELP) ? 1 : 0,
                       apply != nullptr && IsWindowVisible(apply) ? 1 : 0) < 0;
  if (RECT rect, work; what == "place") {
    if (!GetWindowRect(sheet, &rect) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
      return 1;
    return std::printf("sysmenu %d offset %ld %ld\n",
                       (GetWindowLongA(sheet, GWL_STYLE) & WS_SYSMENU) ? 1 : 0,
                       (rect.left + rect.right - work.left - work.right) / 2,
                       (rect.top + rect.bottom - work.top - work.bottom) / 2) < 0;
  }
  if (argc < 4) return 2;
  if (what == "tab") return Tabs(sheet, std::atoi(argv[3]));
  // A control of the window itself, or of the page a sheet shows.
  HWND control = GetDlgItem(sheet, std::atoi(argv[3]));
  if (const auto page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
      control == nullptr && page != nullptr)
    control = GetDlgItem(page, std::atoi(argv[3]));
  if (control == nullptr) return 1;
  if (RECT thumb{}, channel{}; what == "thumb") {
    if (SendRemote(control, TBM_GETTHUMBRECT, 0, thumb) == -1) return 1;
    SendRemote(control, TBM_GETCHANNELRECT, 0, channel);
    POINT points[3] = {{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2},
                       {channel.left, 0},
                       {channel.right, 0}};
    MapWindowPoints(control, nullptr, points, 3);
    return std::printf("%ld %ld %ld %ld\n", points[0].x, points[0].y, points[1].x, points[2].x) < 0;
  }
  if (RECT rect; what == "at")
    return GetWindowRect(control, &rect) ? PrintCentre(nullptr, rect) : 1;
  return std::printf("%ld\n", static_cast<long>(SendMessageA(control, TBM_GETPOS, 0, 0))) < 0;
}
