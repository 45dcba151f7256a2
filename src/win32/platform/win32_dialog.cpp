#include "win32/platform/win32_dialog.h"

#include <map>
#include <vector>

#include "win32/platform/win32_platform.h"

namespace tv::win32 {
namespace {

std::map<int, DLGPROC>& Procedures() {
  static std::map<int, DLGPROC> procedures;
  return procedures;
}

// List boxes and combo boxes take the same requests under different message numbers.
struct ListMessages {
  UINT add, count, textLength, text, select, selection;
};
constexpr ListMessages kComboMessages{CB_ADDSTRING, CB_GETCOUNT,  CB_GETLBTEXTLEN,
                                      CB_GETLBTEXT, CB_SETCURSEL, CB_GETCURSEL};
constexpr ListMessages kListMessages{LB_ADDSTRING, LB_GETCOUNT,  LB_GETTEXTLEN,
                                     LB_GETTEXT,   LB_SETCURSEL, LB_GETCURSEL};

const ListMessages& MessagesFor(HWND control) {
  char className[16] = {};
  GetClassNameA(control, className, sizeof className);
  return lstrcmpiA(className, "ComboBox") == 0 ? kComboMessages : kListMessages;
}

}  // namespace

WindowRef Win32DialogControls::Window() {
  return FromHwnd(dialog_);
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

void Win32DialogControls::AddItem(int control, const std::string& text) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, MessagesFor(item).add, 0, reinterpret_cast<LPARAM>(text.c_str()));
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

void Win32DialogControls::Select(int control, int index) {
  HWND item = GetDlgItem(dialog_, control);
  SendMessageA(item, MessagesFor(item).select, static_cast<WPARAM>(index), 0);
}

int Win32DialogControls::Selection(int control) {
  HWND item = GetDlgItem(dialog_, control);
  return static_cast<int>(SendMessageA(item, MessagesFor(item).selection, 0, 0));
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

bool Win32DialogControls::IsChecked(int control) {
  return IsDlgButtonChecked(dialog_, control) == BST_CHECKED;
}

void Win32DialogControls::Close(int result) {
  EndDialog(dialog_, result);
}

bool Win32Dialogs::Register(int templateId, DLGPROC procedure) {
  Procedures()[templateId] = procedure;
  return true;
}

int Win32Dialogs::RunModal(int templateId, WindowRef owner, DialogHandler& handler) {
  const auto found = Procedures().find(templateId);
  if (found == Procedures().end()) return -1;
  return static_cast<int>(DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId),
                                          ToHwnd(owner), found->second,
                                          reinterpret_cast<LPARAM>(&handler)));
}

DialogHandler* HandlerOf(HWND dialog, UINT message, LPARAM lParam) {
  // The handler comes with the dialog manager's own WM_INITDIALOG, once, from this thread; a
  // later one, or one from another process, carries no handler.
  if (message == WM_INITDIALOG && !InSendMessage() && GetWindowLongPtrA(dialog, DWLP_USER) == 0)
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  return reinterpret_cast<DialogHandler*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

}  // namespace tv::win32
