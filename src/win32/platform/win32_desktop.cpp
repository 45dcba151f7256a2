// Window management, skin pictures and shell services of the real platform.
#include "win32/platform/win32_platform.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <utility>
#include <string_view>

#include "panel/bitmap_file.h"

namespace tv::win32 {

// ---- windows -------------------------------------------------------------------------------

void Win32WindowManager::Show(WindowRef window, int showState) {
  ShowWindow(ToHwnd(window), showState);
}

void Win32WindowManager::SetTopmost(WindowRef window, bool topmost) {
  SetWindowPos(ToHwnd(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowManager::Resize(WindowRef window, int width, int height) {
  SetWindowPos(ToHwnd(window), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
}

void Win32WindowManager::Move(WindowRef window, int x, int y, int width, int height, bool repaint) {
  MoveWindow(ToHwnd(window), x, y, width, height, repaint ? TRUE : FALSE);
}

ScreenRect Win32WindowManager::WindowRect(WindowRef window) {
  RECT r{};
  GetWindowRect(ToHwnd(window), &r);
  return ScreenRect{r.left, r.top, r.right, r.bottom};
}

Size Win32WindowManager::ScreenSize() {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32WindowManager::SetRegion(WindowRef window, const std::vector<Point>& polygon) {
  // Fewer than three corners enclose nothing, and the system makes an empty region of them,
  // which would hide the whole window and take all its input: that counts as failed.
  if (polygon.size() < 3) return false;
  std::vector<POINT> points;
  points.reserve(polygon.size());
  for (const Point& p : polygon) points.push_back(POINT{p.x, p.y});
  HRGN region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING);
  if (region == nullptr) return false;
  RECT box;
  if (GetRgnBox(region, &box) == NULLREGION) {  // three corners on one line, say
    DeleteObject(region);
    return false;
  }
  // The window owns the region from here on.
  SetWindowRgn(ToHwnd(window), region, TRUE);
  return true;
}

void Win32WindowManager::BringToForeground(WindowRef window) {
  SetForegroundWindow(ToHwnd(window));
}

void Win32WindowManager::SetFocus(WindowRef window) {
  ::SetFocus(ToHwnd(window));
}

void Win32WindowManager::Invalidate(WindowRef window) {
  InvalidateRect(ToHwnd(window), nullptr, FALSE);
}

void Win32WindowManager::UpdateNow(WindowRef window) {
  UpdateWindow(ToHwnd(window));
}

void Win32WindowManager::Destroy(WindowRef window) {
  DestroyWindow(ToHwnd(window));
}

void Win32WindowManager::CaptureMouse(WindowRef window) {
  SetCapture(ToHwnd(window));
}

void Win32WindowManager::ReleaseMouse() {
  ReleaseCapture();
}

void Win32WindowManager::SetCursor(Cursor cursor) {
  HCURSOR shape =
      LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(static_cast<int>(cursor)));
  if (shape == nullptr) shape = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  ::SetCursor(shape);
}

WindowRef Win32WindowManager::CreateList(ListWindow kind) {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&init);
  // A top-level list owned by the panel: it stays above the panel and notifies it. The file
  // list starts in icon view with its icons on the left, the channel list in small icons.
  const DWORD style = WS_POPUP | WS_VISIBLE | WS_BORDER | LVS_SHOWSELALWAYS |
                      (kind == ListWindow::Down ? LVS_ICON | LVS_ALIGNLEFT : LVS_SMALLICON);
  HWND list = CreateWindowExA(WS_EX_TOOLWINDOW, WC_LISTVIEWA, "", style, 0, 0, 10, 10, panel_,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  // The pointer over the lists is the panel's own.
  if (list != nullptr && panel_ != nullptr)
    SetClassLongPtrA(list, GCLP_HCURSOR, GetClassLongPtrA(panel_, GCLP_HCURSOR));
  return FromHwnd(list);
}

// ---- skin pictures ---------------------------------------------------------------------------

namespace {

// The system's loader may read past the end of a picture cut short instead of refusing it (and
// the fault ends the window's creation half-way): such a file is treated as missing.
bool CompletePicture(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char head[panel::kBitmapHeaderBytes];
  DWORD got = 0;
  LARGE_INTEGER size{};
  const bool read = ReadFile(file, head, sizeof head, &got, nullptr) != FALSE &&
                    GetFileSizeEx(file, &size) != FALSE;
  CloseHandle(file);
  return read && panel::IsCompleteBitmapFile(std::string_view(head, got),
                                             static_cast<std::uint64_t>(size.QuadPart));
}

}  // namespace

void Win32Graphics::LoadPictures(const std::string& normal, const std::string& hover,
                                 const std::string& pressed, const std::string& sprites) {
  const std::string* files[4] = {&normal, &hover, &pressed, &sprites};
  HBITMAP loaded[4] = {};
  for (int i = 0; i < 4; ++i) {
    if (files[i]->empty() || !CompletePicture(*files[i])) continue;
    loaded[i] =
        static_cast<HBITMAP>(LoadImageA(nullptr, files[i]->c_str(), IMAGE_BITMAP, 0, 0,
                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
  }
  ReleasePictures();
  HDC windowDc = GetDC(panel_);
  for (int i = 0; i < 4; ++i) {
    surfaces_[i] = CreateCompatibleDC(windowDc);
    bitmaps_[i] = loaded[i];
    original_[i] = bitmaps_[i] != nullptr ? SelectObject(surfaces_[i], bitmaps_[i]) : nullptr;
  }
  ReleaseDC(panel_, windowDc);
}

void Win32Graphics::ReleasePictures() {
  for (int i = 0; i < 4; ++i) {
    if (surfaces_[i] != nullptr) {
      if (original_[i] != nullptr) SelectObject(surfaces_[i], original_[i]);
      DeleteDC(surfaces_[i]);
    }
    if (bitmaps_[i] != nullptr) DeleteObject(bitmaps_[i]);
    surfaces_[i] = nullptr;
    bitmaps_[i] = nullptr;
    original_[i] = nullptr;
  }
}

void Win32Graphics::CopyToWindow(Surface from, Rect source, Point to) {
  HDC src = surfaces_[static_cast<int>(from)];
  if (src == nullptr) return;
  HDC dc = paintDc_ != nullptr ? paintDc_ : GetDC(panel_);
  BitBlt(dc, to.x, to.y, source.width, source.height, src, source.x, source.y, SRCCOPY);
  if (dc != paintDc_) ReleaseDC(panel_, dc);
}

void Win32Graphics::CopyToSurface(Surface from, Rect source, Surface into, Point to) {
  HDC src = surfaces_[static_cast<int>(from)];
  HDC dst = surfaces_[static_cast<int>(into)];
  if (src == nullptr || dst == nullptr) return;
  BitBlt(dst, to.x, to.y, source.width, source.height, src, source.x, source.y, SRCCOPY);
}

// ---- shell ---------------------------------------------------------------------------------

std::uint32_t Win32Shell::QuerySystemFlag(std::uint32_t getAction) {
  BOOL value = FALSE;
  SystemParametersInfoA(getAction, 0, &value, 0);
  return static_cast<std::uint32_t>(value);
}

bool Win32Shell::SetSystemFlag(std::uint32_t setAction, std::uint32_t value) {
  return SystemParametersInfoA(setAction, value, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE) !=
         FALSE;
}

bool Win32Shell::RegisterHotKey(WindowRef window, int id, std::uint32_t modifiers,
                                std::uint32_t virtualKey) {
  return ::RegisterHotKey(ToHwnd(window), id, modifiers, virtualKey) != FALSE;
}

void Win32Shell::LoadAcceleratorTable(int resourceId) {
  accelerators_ = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId));
}

void Win32Shell::StartProgram(const std::string& commandLine, int showState) {
  WinExec(commandLine.c_str(), static_cast<UINT>(showState));
}

std::optional<RegistryValue> Win32Shell::ReadMachineValue(const std::string& key,
                                                          const std::string& value) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
    return std::nullopt;
  RegistryValue result;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(handle, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string bytes(size, '\0');
    if (RegQueryValueExA(handle, value.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) == ERROR_SUCCESS) {
      bytes.resize(size < bytes.size() ? size : bytes.size());
      result = RegistryValue{true, type, std::move(bytes)};
    }
  }
  RegCloseKey(handle);
  return result;
}

bool Win32Shell::CreateTooltips(WindowRef window, const std::vector<Tooltip>& tools,
                                TooltipDelays delays) {
  InitCommonControls();
  tooltips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  if (tooltips_ == nullptr) return false;
  SetWindowPos(tooltips_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(tooltips_, TTM_ACTIVATE, TRUE, 0);
  SendMessageA(tooltips_, TTM_SETDELAYTIME, TTDT_INITIAL, delays.initialMs);
  SendMessageA(tooltips_, TTM_SETDELAYTIME, TTDT_AUTOPOP, delays.autoPopMs);
  SendMessageA(tooltips_, TTM_SETDELAYTIME, TTDT_RESHOW, delays.reshowMs);
  for (const Tooltip& tool : tools) {
    TOOLINFOA info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = ToHwnd(window);
    info.uId = static_cast<UINT_PTR>(tool.id);
    info.rect = RECT{tool.rect.x, tool.rect.y, tool.rect.x + tool.rect.width,
                     tool.rect.y + tool.rect.height};
    info.lpszText = const_cast<char*>(tool.text.c_str());
    SendMessageA(tooltips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }
  return true;
}

void Win32Shell::DestroyTooltips() {
  if (tooltips_ != nullptr) DestroyWindow(tooltips_);
  tooltips_ = nullptr;
}

bool Win32Shell::AddTrayIcon(WindowRef window, int iconId, std::uint32_t callbackMessage,
                             const std::string& tip) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = ToHwnd(window);
  data.uID = static_cast<UINT>(iconId);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage;
  data.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconId));
  // The tip field of the oldest notification structure holds 63 characters.
  std::strncpy(data.szTip, tip.c_str(), 63);
  data.szTip[63] = '\0';
  return Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void Win32Shell::RemoveTrayIcon(WindowRef window, int iconId) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof(data);
  data.hWnd = ToHwnd(window);
  data.uID = static_cast<UINT>(iconId);
  Shell_NotifyIconA(NIM_DELETE, &data);
}

void Win32Shell::ShowPopupMenu(WindowRef owner, int menu, const std::vector<MenuItemText>& items) {
  POINT cursor{};
  GetCursorPos(&cursor);
  HMENU loaded = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu));
  if (loaded == nullptr) return;
  HMENU popup = GetSubMenu(loaded, 0);
  if (popup != nullptr) {
    for (const MenuItemText& item : items)
      ModifyMenuA(popup, item.id, MF_BYCOMMAND | MF_STRING, item.id, item.text.c_str());
    TrackPopupMenu(popup, 0, cursor.x, cursor.y, 0, ToHwnd(owner), nullptr);
  }
  DestroyMenu(loaded);
}

std::optional<std::string> Win32Shell::BrowseForFolder(WindowRef owner, const std::string& title) {
  // The browser's tree is built from shell objects: the thread needs COM while it runs.
  const HRESULT com = CoInitialize(nullptr);
  char display[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = ToHwnd(owner);
  info.pidlRoot = nullptr;  // the desktop
  info.pszDisplayName = display;
  info.lpszTitle = title.c_str();
  info.ulFlags = 0;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
  char path[MAX_PATH] = {};
  const BOOL hasPath = chosen != nullptr && SHGetPathFromIDListA(chosen, path);
  if (chosen != nullptr) CoTaskMemFree(chosen);
  if (SUCCEEDED(com)) CoUninitialize();
  if (!hasPath) return std::nullopt;
  return std::string(path);
}

}  // namespace tv::win32
