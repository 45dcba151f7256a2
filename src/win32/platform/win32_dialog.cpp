#include "win32/platform/win32_dialog.h"

#include "win32/platform/foreign_messages.h"

#include <commctrl.h>

#include <vector>

#include "win32/platform/win32_platform.h"

namespace tv::win32 {
namespace {

// List boxes and combo boxes take the same requests under different message numbers.
struct ListMessages {
  UINT add, insert, remove, reset, count, textLength, text, setData, data, find, select, selection;
};
constexpr ListMessages kComboMessages{
    CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT,  CB_GETLBTEXTLEN,
    CB_GETLBTEXT, CB_SETITEMDATA,  CB_GETITEMDATA,  CB_FINDSTRING,   CB_SETCURSEL, CB_GETCURSEL};
constexpr ListMessages kListMessages{
    LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT, LB_GETCOUNT,  LB_GETTEXTLEN,
    LB_GETTEXT,   LB_SETITEMDATA,  LB_GETITEMDATA,  LB_FINDSTRING,   LB_SETCURSEL, LB_GETCURSEL};

const ListMessages& MessagesFor(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  return lstrcmpiA(className, "ComboBox") == 0 ? kComboMessages : kListMessages;
}

// What a dialog keeps between messages: the behaviour it runs with and the controls object,
// which stays the same for the dialog's life so that other pages may hold on to it.
struct Session {
  DialogHandler* handler;
  Win32DialogControls controls;
};

// The creation callback gets no user data; one sheet runs at a time on the one GUI thread.
SheetCallback g_sheetCallback = nullptr;

// The system places the sheet at its owner before it grows to hold the pages: with the panel
// low on the screen the buttons would end up below it. Once the sheet has its size (the timer
// fires after its creation), it is moved back onto the desktop's work area.
void CALLBACK FitSheetOnScreen(HWND sheet, UINT, UINT_PTR timer, DWORD) {
  KillTimer(sheet, timer);
  RECT rect, work;
  if (!GetWindowRect(sheet, &rect) || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return;
  LONG x = rect.left, y = rect.top;
  if (rect.right > work.right) x -= rect.right - work.right;
  if (rect.bottom > work.bottom) y -= rect.bottom - work.bottom;
  x = x < work.left ? work.left : x;
  y = y < work.top ? work.top : y;
  if (x != rect.left || y != rect.top)
    SetWindowPos(sheet, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CALLBACK SheetCallbackThunk(HWND sheet, UINT message, LPARAM lParam) {
  if (message == PSCB_INITIALIZED) SetTimer(sheet, 1, 0, FitSheetOnScreen);
  return g_sheetCallback != nullptr
             ? g_sheetCallback(reinterpret_cast<void*>(lParam), static_cast<int>(message))
             : 0;
}

// The dialog manager's own WM_INITDIALOG comes first, before the dialog has a session; any
// later one (another process may post one) carries no address of ours. (It may come while the
// thread answers another process's send: a page created by a tab switched from outside.)
bool GenuineInit(HWND dialog) {
  return GetWindowLongPtrA(dialog, DWLP_USER) == 0;
}

// A page's WM_INITDIALOG carries its page record, whose lParam is the handler.
INT_PTR CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    if (!GenuineInit(page)) return FALSE;
    lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
  }
  return DialogProcedure(page, message, wParam, lParam);
}

void RegisterControlClasses() {
  INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
}

}  // namespace

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    if (!GenuineInit(dialog)) return FALSE;
    auto* session =
        new Session{reinterpret_cast<DialogHandler*>(lParam), Win32DialogControls(dialog)};
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(session));
    session->handler->OnInit(session->controls);
    return TRUE;
  }
  auto* session = reinterpret_cast<Session*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (session == nullptr) return FALSE;
  DialogHandler& handler = *session->handler;
  switch (message) {
    case WM_COMMAND:
      handler.OnCommand(session->controls, LOWORD(wParam), HIWORD(wParam), lParam);
      return TRUE;
    case WM_HSCROLL:
      // Scroll bars of the dialog itself come without a control.
      if (lParam != 0)
        handler.OnScroll(session->controls, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)),
                         LOWORD(wParam));
      return FALSE;
    case WM_NOTIFY: {
      // Only the dialog's own controls and, for a page, its sheet notify it.
      const NMHDR* header = OwnNotification(lParam, sizeof(NMHDR), nullptr, nullptr, dialog);
      if (header == nullptr) return FALSE;
      handler.OnNotify(session->controls, static_cast<int>(header->idFrom),
                       static_cast<int>(header->code));
      return FALSE;
    }
    case WM_DESTROY:
      handler.OnDestroy(session->controls);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      delete session;
      return FALSE;
    default:
      return FALSE;
  }
}

WindowRef Win32DialogControls::Window() {
  return FromHwnd(dialog_);
}

void Win32DialogControls::SetTitle(const std::string& text) {
  SetWindowTextA(dialog_, text.c_str());
}

void Win32DialogControls::SetText(int control, const std::string& text) {
  SetDlgItemTextA(dialog_, control, text.c_str());
}

std::string Win32DialogControls::Text(int control, std::uint32_t capacity) {
  if (capacity == 0) return {};
  std::vector<char> buffer(capacity, '\0');
  const UINT n = GetDlgItemTextA(dialog_, control, buffer.data(), static_cast<int>(capacity));
  return std::string(buffer.data(), n);
}

int Win32DialogControls::AddItem(int control, const std::string& text) {
  HWND item = GetDlgItem(dialog_, control);
  return static_cast<int>(
      SendMessageA(item, MessagesFor(item).add, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void Win32DialogControls::InsertItem(int control, int index, const std::string& text) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, MessagesFor(item).insert, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32DialogControls::DeleteItem(int control, int index) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, MessagesFor(item).remove, static_cast<WPARAM>(index), 0);
}

void Win32DialogControls::ResetItems(int control) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, MessagesFor(item).reset, 0, 0);
}

int Win32DialogControls::ItemCount(int control) {
  HWND item = GetDlgItem(dialog_, control);
  const LRESULT n = SendMessageA(item, MessagesFor(item).count, 0, 0);
  return n < 0 ? 0 : static_cast<int>(n);
}

std::string Win32DialogControls::ItemText(int control, int index) {
  HWND item = GetDlgItem(dialog_, control);
  const ListMessages& m = MessagesFor(item);
  const LRESULT length = SendMessageA(item, m.textLength, static_cast<WPARAM>(index), 0);
  if (index < 0 || length < 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT n = SendMessageA(item, m.text, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(buffer.data()));
  return n < 0 ? std::string() : std::string(buffer.data(), static_cast<std::size_t>(n));
}

void Win32DialogControls::SetItemData(int control, int index, std::intptr_t data) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, MessagesFor(item).setData, static_cast<WPARAM>(index),
               static_cast<LPARAM>(data));
}

std::intptr_t Win32DialogControls::ItemData(int control, int index) {
  HWND item = GetDlgItem(dialog_, control);
  return SendMessageA(item, MessagesFor(item).data, static_cast<WPARAM>(index), 0);
}

int Win32DialogControls::FindPrefix(int control, int after, const std::string& prefix) {
  HWND item = GetDlgItem(dialog_, control);
  const LRESULT found = SendMessageA(item, MessagesFor(item).find, static_cast<WPARAM>(after),
                                     reinterpret_cast<LPARAM>(prefix.c_str()));
  return found < 0 ? -1 : static_cast<int>(found);
}

void Win32DialogControls::Select(int control, int index) {
  HWND item = GetDlgItem(dialog_, control);
  // A list box keeps its selection for an index past its end, a combo box clears it; -1
  // clears both.
  if (index >= ItemCount(control)) index = -1;
  SendMessageA(item, MessagesFor(item).select, static_cast<WPARAM>(index), 0);
}

int Win32DialogControls::Selection(int control) {
  HWND item = GetDlgItem(dialog_, control);
  return static_cast<int>(SendMessageA(item, MessagesFor(item).selection, 0, 0));
}

void Win32DialogControls::Redraw(int control) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(item, nullptr, TRUE);
}

void Win32DialogControls::Enable(int control, bool enabled) {
  EnableWindow(GetDlgItem(dialog_, control), enabled ? TRUE : FALSE);
}

bool Win32DialogControls::IsEnabled(int control) {
  return IsWindowEnabled(GetDlgItem(dialog_, control)) != FALSE;
}

void Win32DialogControls::Show(int control, bool shown) {
  ShowWindow(GetDlgItem(dialog_, control), shown ? SW_SHOW : SW_HIDE);
}

bool Win32DialogControls::IsShown(int control) {
  // The control's own flag: the dialog itself may not be on the screen yet.
  return (GetWindowLongA(GetDlgItem(dialog_, control), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32DialogControls::CheckRadio(int first, int last, int checked) {
  CheckRadioButton(dialog_, first, last, checked);
}

void Win32DialogControls::Check(int control, bool checked) {
  CheckDlgButton(dialog_, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Win32DialogControls::IsChecked(int control) {
  return IsDlgButtonChecked(dialog_, control) == BST_CHECKED;
}

void Win32DialogControls::SetSliderRange(int control, int min, int max) {
  // The two-word TBM_SETRANGE cannot carry a negative minimum on every version.
  HWND slider = GetDlgItem(dialog_, control);
  SendMessageA(slider, TBM_SETRANGEMIN, FALSE, min);
  SendMessageA(slider, TBM_SETRANGEMAX, TRUE, max);
}

void Win32DialogControls::SetSliderPos(int control, int position) {
  SendDlgItemMessageA(dialog_, control, TBM_SETPOS, TRUE, position);
}

int Win32DialogControls::SliderPos(int control) {
  return static_cast<int>(SendDlgItemMessageA(dialog_, control, TBM_GETPOS, 0, 0));
}

void Win32DialogControls::Close(int result) {
  EndDialog(dialog_, result);
}

int Win32Dialogs::RunModal(int templateId, WindowRef owner, DialogHandler& handler) {
  RegisterControlClasses();
  return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                          ToHwnd(owner), DialogProcedure,
                                          reinterpret_cast<LPARAM>(&handler)));
}

int Win32Dialogs::RunPropertySheet(WindowRef owner, const SheetHeader& sheet) {
  RegisterControlClasses();
  HINSTANCE instance = GetModuleHandleA(nullptr);
  std::vector<PROPSHEETPAGEA> pages(sheet.pages.size());
  for (std::size_t i = 0; i < pages.size(); ++i) {
    PROPSHEETPAGEA& page = pages[i];
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE | PSP_USEICONID;  // icon id 0: no icon on the tab
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(sheet.pages[i].templateId);
    page.pszTitle = sheet.pages[i].title.c_str();
    page.pfnDlgProc = PageProcedure;
    page.lParam = reinterpret_cast<LPARAM>(sheet.pages[i].handler);
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  // The page records above are inline, and the thunk fits the sheet, whatever the flags say.
  header.dwFlags = sheet.flags | PSH_PROPSHEETPAGE | PSH_USECALLBACK;
  header.hwndParent = ToHwnd(owner);
  header.hInstance = instance;
  header.pszCaption = sheet.caption.c_str();
  header.nPages = static_cast<UINT>(pages.size());
  header.nStartPage = static_cast<UINT>(sheet.startPage);
  header.ppsp = pages.data();
  header.pfnCallback = SheetCallbackThunk;
  g_sheetCallback = sheet.callback;
  const INT_PTR result = PropertySheetA(&header);
  g_sheetCallback = nullptr;
  return static_cast<int>(result);
}

}  // namespace tv::win32
