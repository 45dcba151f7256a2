#pragma once
// Modal dialogs from the program's templates. Each template has a dialog procedure of its own
// (src/win32/panel/*_dialog.cpp) that unpacks messages into calls on the DialogHandler the
// behaviour started the dialog with; the procedures register themselves by template id.

#include <windows.h>

#include "platform/dialog.h"

namespace tv::win32 {

class Win32DialogControls : public DialogControls {
 public:
  explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

  WindowRef Window() override;
  void SetText(int control, const std::string& text) override;
  std::string Text(int control, std::uint32_t capacity) override;
  void AddItem(int control, const std::string& text) override;
  int ItemCount(int control) override;
  std::string ItemText(int control, int index) override;
  void Select(int control, int index) override;
  int Selection(int control) override;
  void Enable(int control, bool enabled) override;
  bool IsEnabled(int control) override;
  void Show(int control, bool shown) override;
  bool IsShown(int control) override;
  void CheckRadio(int first, int last, int checked) override;
  bool IsChecked(int control) override;
  void Close(int result) override;

 private:
  HWND dialog_;
};

class Win32Dialogs : public Dialogs {
 public:
  // The dialog procedure of a template; returns true so that it can initialise a constant.
  static bool Register(int templateId, DLGPROC procedure);
  // The program's own module holds the templates. A template without a registered procedure
  // cannot be run (-1).
  int RunModal(int templateId, WindowRef owner, DialogHandler& handler) override;
};

// For dialog procedures: the handler the dialog runs with. It arrives with WM_INITDIALOG and
// is kept with the dialog; null before that.
DialogHandler* HandlerOf(HWND dialog, UINT message, LPARAM lParam);

}  // namespace tv::win32
