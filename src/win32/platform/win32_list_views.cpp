// The list windows' contents and the capture folder's files through the real list-view control,
// image lists, file calls, the shell, the common save dialog and the mail library.
#include "win32/platform/win32_platform.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace tv::win32 {
namespace {

WPARAM ImageListKind(ImageSet set) {
  return set == ImageSet::Normal ? LVSIL_NORMAL : LVSIL_SMALL;
}

HIMAGELIST ImagesOf(WindowRef list, ImageSet set) {
  return reinterpret_cast<HIMAGELIST>(
      SendMessageA(ToHwnd(list), LVM_GETIMAGELIST, ImageListKind(set), 0));
}

int AddBitmap(HIMAGELIST images, HBITMAP picture) {
  if (images == nullptr || picture == nullptr) return -1;
  const int index = ImageList_Add(images, picture, nullptr);
  DeleteObject(picture);
  return index;
}

int CALLBACK CompareParams(LPARAM a, LPARAM b, LPARAM compare) {
  return (*reinterpret_cast<const ListViews::Compare*>(compare))(a, b);
}

}  // namespace

void Win32ListViews::AddColumn(WindowRef list, int column, const std::string& title, int widthPx) {
  LVCOLUMNA c{};
  c.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  c.fmt = LVCFMT_LEFT;
  c.cx = widthPx;
  c.pszText = const_cast<char*>(title.c_str());
  c.iSubItem = column;
  SendMessageA(ToHwnd(list), LVM_INSERTCOLUMNA, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(&c));
}

void Win32ListViews::NewImageList(WindowRef list, ImageSet set, Size imageSize, int initial,
                                  int grow) {
  HIMAGELIST images =
      ImageList_Create(imageSize.width, imageSize.height, ILC_COLORDDB, initial, grow);
  const LRESULT old = SendMessageA(ToHwnd(list), LVM_SETIMAGELIST, ImageListKind(set),
                                   reinterpret_cast<LPARAM>(images));
  if (old != 0) ImageList_Destroy(reinterpret_cast<HIMAGELIST>(old));
}

int Win32ListViews::AddPictureFile(WindowRef list, ImageSet set, const std::string& path) {
  HIMAGELIST images = ImagesOf(list, set);
  int width = 0, height = 0;
  if (images == nullptr || !ImageList_GetIconSize(images, &width, &height)) return -1;
  auto* picture = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, width,
                                                  height, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  return AddBitmap(images, picture);
}

int Win32ListViews::AddBlankImage(WindowRef list, ImageSet set) {
  HIMAGELIST images = ImagesOf(list, set);
  int width = 0, height = 0;
  if (images == nullptr || !ImageList_GetIconSize(images, &width, &height)) return -1;
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, picture);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return AddBitmap(images, picture);
}

int Win32ListViews::AddIcon(WindowRef list, ImageSet set, int iconResource) {
  HIMAGELIST images = ImagesOf(list, set);
  int width = 0, height = 0;
  if (images == nullptr || !ImageList_GetIconSize(images, &width, &height)) return -1;
  auto* icon = static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResource), IMAGE_ICON, width, height, 0));
  if (icon == nullptr) return -1;
  const int index = ImageList_AddIcon(images, icon);
  DestroyIcon(icon);
  return index;
}

void Win32ListViews::RemoveAllImages(WindowRef list, ImageSet set) {
  HIMAGELIST images = ImagesOf(list, set);
  if (images != nullptr) ImageList_Remove(images, -1);
}

int Win32ListViews::InsertItem(WindowRef list, const ListItem& item) {
  LVITEMA it{};
  it.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
  it.iItem = item.position;
  it.pszText = const_cast<char*>(item.text.c_str());
  it.iImage = item.image;
  it.lParam = item.param;
  it.stateMask = LVIS_SELECTED;
  return static_cast<int>(
      SendMessageA(ToHwnd(list), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

void Win32ListViews::SetSubItem(WindowRef list, int item, int column, const std::string& text) {
  LVITEMA it{};
  it.iSubItem = column;
  it.pszText = const_cast<char*>(text.c_str());
  SendMessageA(ToHwnd(list), LVM_SETITEMTEXTA, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(&it));
}

void Win32ListViews::DeleteAllItems(WindowRef list) {
  SendMessageA(ToHwnd(list), LVM_DELETEALLITEMS, 0, 0);
}

int Win32ListViews::ItemCount(WindowRef list) {
  return static_cast<int>(SendMessageA(ToHwnd(list), LVM_GETITEMCOUNT, 0, 0));
}

std::string Win32ListViews::ItemText(WindowRef list, int item, int column, std::uint32_t capacity) {
  if (capacity == 0 || item < 0) return {};
  std::vector<char> buffer(capacity, '\0');
  LVITEMA it{};
  it.iSubItem = column;
  it.pszText = buffer.data();
  it.cchTextMax = static_cast<int>(capacity);
  SendMessageA(ToHwnd(list), LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(&it));
  return std::string(buffer.data());
}

std::vector<int> Win32ListViews::SelectedItems(WindowRef list) {
  std::vector<int> found;
  int item = -1;
  while ((item = static_cast<int>(SendMessageA(ToHwnd(list), LVM_GETNEXTITEM,
                                               static_cast<WPARAM>(item), LVNI_SELECTED))) >= 0)
    found.push_back(item);
  return found;
}

int Win32ListViews::SelectionMark(WindowRef list) {
  return static_cast<int>(SendMessageA(ToHwnd(list), LVM_GETSELECTIONMARK, 0, 0));
}

void Win32ListViews::Sort(WindowRef list, const Compare& compare) {
  SendMessageA(ToHwnd(list), LVM_SORTITEMS, reinterpret_cast<WPARAM>(&compare),
               reinterpret_cast<LPARAM>(CompareParams));
}

void Win32ListViews::Arrange(WindowRef list) {
  SendMessageA(ToHwnd(list), LVM_ARRANGE, LVA_DEFAULT, 0);
}

void Win32ListViews::SetViewMode(WindowRef list, ListViewMode mode) {
  DWORD type = LVS_ICON;
  if (mode == ListViewMode::List) type = LVS_LIST;
  if (mode == ListViewMode::Report) type = LVS_REPORT;
  if (mode == ListViewMode::SmallIcon) type = LVS_SMALLICON;
  HWND window = ToHwnd(list);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  SetWindowLongPtrA(window, GWL_STYLE, (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | type);
}

void Win32ListViews::HoldRedraw(WindowRef list, bool hold) {
  HWND window = ToHwnd(list);
  SendMessageA(window, WM_SETREDRAW, hold ? FALSE : TRUE, 0);
  if (!hold) InvalidateRect(window, nullptr, TRUE);
}

// ---- files and the shell ---------------------------------------------------------------------

std::vector<FoundFile> Win32FileOperations::FindFiles(const std::string& pattern) {
  std::vector<FoundFile> found;
  WIN32_FIND_DATAA data{};
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    FILETIME local{};
    SYSTEMTIME t{};
    FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
    FileTimeToSystemTime(&local, &t);
    found.push_back(FoundFile{
        data.cFileName, (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow,
        FileStamp{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond}});
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

bool Win32FileOperations::Copy(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool Win32FileOperations::Delete(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

void Win32FileOperations::OpenWithShell(const std::string& path) {
  ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

std::optional<std::string> Win32FileOperations::AskSaveName(const SaveRequest& request) {
  // "name\0pattern\0\0"
  std::string filter = request.filterName + '\0' + request.filterPattern + '\0' + '\0';
  std::vector<char> file(request.capacity == 0 ? 1 : request.capacity, '\0');
  request.initialName.copy(file.data(), file.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = ToHwnd(request.owner);
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = request.title.c_str();
  ofn.Flags = OFN_PATHMUSTEXIST;
  // The common dialog library is loaded at first use, not at start: with the printing
  // libraries it pulls in, it costs every start several milliseconds under Wine.
  using SaveDialog = BOOL(WINAPI*)(OPENFILENAMEA*);
  static const auto ask = reinterpret_cast<SaveDialog>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("comdlg32.dll"), "GetSaveFileNameA")));
  if (ask == nullptr || !ask(&ofn)) return std::nullopt;
  return std::string(file.data());
}

std::string Win32FileOperations::SystemDirectory() {
  char dir[MAX_PATH] = {};
  const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir, n < MAX_PATH ? n : 0);
}

bool Win32FileOperations::SendDocuments(const std::string& library, const std::string& delimiter,
                                        const std::string& paths, const std::string& names) {
  using SendDocumentsFunction = ULONG(WINAPI*)(ULONG_PTR, LPSTR, LPSTR, LPSTR, ULONG);
  HMODULE mail = LoadLibraryA(library.c_str());
  if (mail == nullptr) return false;
  auto send = reinterpret_cast<SendDocumentsFunction>(
      reinterpret_cast<void*>(GetProcAddress(mail, "MAPISendDocuments")));
  if (send != nullptr) {
    std::string d = delimiter, p = paths, n = names;
    send(0, d.data(), p.data(), n.data(), 0);
  }
  FreeLibrary(mail);
  return send != nullptr;
}

}  // namespace tv::win32
