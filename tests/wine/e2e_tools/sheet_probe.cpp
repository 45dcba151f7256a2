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
#include <cstring>

namespace {

// Memory in the sheet's process for messages whose lParam points at a structure.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, SIZE_T size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_ != nullptr)
      address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_ != nullptr) CloseHandle(process_);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  bool Ok() const { return address_ != nullptr; }
  char* At(SIZE_T offset) const { return static_cast<char*>(address_) + offset; }
  void Write(SIZE_T offset, const void* data, SIZE_T n) const {
    WriteProcessMemory(process_, At(offset), data, n, nullptr);
  }
  void Read(SIZE_T offset, void* data, SIZE_T n) const {
    ReadProcessMemory(process_, At(offset), data, n, nullptr);
  }

 private:
  SIZE_T size_;
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

int Tabs(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  if (tabs == nullptr) return 1;
  const int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
  RemoteBuffer remote(sheet, sizeof(TCITEMA) + 256);
  if (!remote.Ok()) return 1;
  for (int i = 0; i < count; ++i) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = remote.At(sizeof item);
    item.cchTextMax = 255;
    remote.Write(0, &item, sizeof item);
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(remote.At(0)));
    char text[256] = {};
    remote.Read(sizeof item, text, sizeof text - 1);
    std::printf("%s\n", text);
  }
  return 0;
}

int Frame(HWND sheet) {
  const bool help = (GetWindowLongA(sheet, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0;
  HWND apply = GetDlgItem(sheet, 0x3021);
  std::printf("contexthelp %d apply %d\n", help ? 1 : 0,
              apply != nullptr && IsWindowVisible(apply) ? 1 : 0);
  return 0;
}

int Place(HWND window) {
  RECT rect, work;
  if (!GetWindowRect(window, &rect) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
    return 1;
  const bool sysmenu = (GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU) != 0;
  std::printf("sysmenu %d offset %ld %ld\n", sysmenu ? 1 : 0,
              (rect.left + rect.right - work.left - work.right) / 2,
              (rect.top + rect.bottom - work.top - work.bottom) / 2);
  return 0;
}

// A control of a dialog itself, or of the page a sheet shows.
HWND ControlOf(HWND window, int id) {
  if (HWND own = GetDlgItem(window, id); own != nullptr) return own;
  HWND page = reinterpret_cast<HWND>(SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
  return page == nullptr ? nullptr : GetDlgItem(page, id);
}

int PrintCentre(HWND window, RECT rect) {
  POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  if (window != nullptr) ClientToScreen(window, &centre);
  std::printf("%ld %ld\n", centre.x, centre.y);
  return 0;
}

int Tab(HWND sheet, int index) {
  HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  RemoteBuffer remote(sheet, sizeof(RECT));
  if (tabs == nullptr || !remote.Ok()) return 1;
  if (SendMessageA(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(remote.At(0))) == 0)
    return 1;
  RECT rect;
  remote.Read(0, &rect, sizeof rect);
  return PrintCentre(tabs, rect);
}

int Thumb(HWND slider) {
  RemoteBuffer remote(slider, 2 * sizeof(RECT));
  if (!remote.Ok()) return 1;
  SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(remote.At(0)));
  SendMessageA(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(remote.At(sizeof(RECT))));
  RECT rects[2];
  remote.Read(0, rects, sizeof rects);
  POINT centre{(rects[0].left + rects[0].right) / 2, (rects[0].top + rects[0].bottom) / 2};
  POINT ends[2] = {{rects[1].left, 0}, {rects[1].right, 0}};
  ClientToScreen(slider, &centre);
  ClientToScreen(slider, &ends[0]);
  ClientToScreen(slider, &ends[1]);
  std::printf("%ld %ld %ld %ld\n", centre.x, centre.y, ends[0].x, ends[1].x);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr,
                 "usage: sheet_probe tabs|frame|place|topmost|thumb|pos|at|tab TITLE [ID|N]\n");
    return 2;
  }
  HWND sheet = FindWindowA(nullptr, argv[2]);
  if (sheet == nullptr) return 1;
  if (std::strcmp(argv[1], "tabs") == 0) return Tabs(sheet);
  if (std::strcmp(argv[1], "frame") == 0) return Frame(sheet);
  if (std::strcmp(argv[1], "place") == 0) return Place(sheet);
  if (std::strcmp(argv[1], "topmost") == 0) {
    std::printf("%d\n", (GetWindowLongA(sheet, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0 ? 1 : 0);
    return 0;
  }
  if (argc < 4) return 2;
  if (std::strcmp(argv[1], "tab") == 0) return Tab(sheet, std::atoi(argv[3]));
  HWND control = ControlOf(sheet, std::atoi(argv[3]));
  if (control == nullptr) return 1;
  if (std::strcmp(argv[1], "thumb") == 0) return Thumb(control);
  if (std::strcmp(argv[1], "at") == 0) {
    RECT rect;
    GetWindowRect(control, &rect);
    return PrintCentre(nullptr, rect);
  }
  std::printf("%ld\n", static_cast<long>(SendMessageA(control, TBM_GETPOS, 0, 0)));
  return 0;
}
