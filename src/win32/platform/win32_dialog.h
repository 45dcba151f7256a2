#pragma once
// Modal dialogs and the property sheet from the program's templates. One dialog procedure
// serves every template and every page: it unpacks the messages into calls on the
// DialogHandler the behaviour started the dialog with.

#include <windows.h>

#include "platform/dialog.h"

namespace tv::win32 {

class Win32DialogControls : public DialogControls {
 public:
  explicit Win32DialogControls(HWND dialog) : dialog_(dialog) {}

  WindowRef Window() override;
  void SetTitle(const std::string& text) override;
  void SetText(int control, const std::string& text) override;
  std::string Text(int control, std::uint32_t capacity) override;
  int AddItem(int control, const std::string& text) override;
  void InsertItem(int control, int index, const std::string& text) override;
  void DeleteItem(int control, int index) override;
  void ResetItems(int control) override;
  int ItemCount(int control) override;
  std::string ItemText(int control, int index) override;
  void SetItemData(int control, int index, std::intptr_t data) override;
  std::intptr_t ItemData(int control, int index) override;
  int FindPrefix(int control, int after, const std::string& prefix) override;
  void Select(int control, int index) override;
  int Selection(int control) override;
  void Redraw(int control) override;
  void Enable(int control, bool enabled) override;
  bool IsEnabled(int control) override;
  void Show(int control, bool shown) override;
  bool IsShown(int control) override;
  void CheckRadio(int first, int last, int checked) override;
  void Check(int control, bool checked) override;
  bool IsChecked(int control) override;
  void SetSliderRange(int control, int min, int max) override;
  void SetSliderPos(int control, int position) override;
  int SliderPos(int control) override;
  void Close(int result) override;

 private:
  HWND dialog_;
};

class Win32Dialogs : public Dialogs {
 public:
  // The program's own module holds the templates.
  int RunModal(int templateId, WindowRef owner, DialogHandler& handler) override;
  int RunPropertySheet(WindowRef owner, const SheetHeader& sheet) override;
};

// The one procedure of every dialog and page; public for the platform's own tests.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tv::win32
