#pragma once
// Dialogs without windows: controls that keep what the behaviour puts into them, and a user
// who clicks through the behaviour's own entry point. A modal run is answered with OK.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace tv::fakes {

struct FakeControl {
  std::string text;
  std::vector<std::string> items;
  int selection = -1;
  bool enabled = true;
  bool checked = false;
};

class FakeDialog : public DialogControls {
 public:
  WindowRef Window() override { return WindowRef{0xD1A0}; }
  void SetText(int control, const std::string& text) override { Control(control).text = text; }
  std::string Text(int control, std::uint32_t capacity) override {
    return capacity == 0 ? std::string() : Control(control).text.substr(0, capacity - 1);
  }
  void AddItem(int control, const std::string& text) override {
    Control(control).items.push_back(text);
  }
  int ItemCount(int control) override { return static_cast<int>(Control(control).items.size()); }
  std::string ItemText(int control, int index) override {
    return index >= 0 && index < ItemCount(control)
               ? Control(control).items[static_cast<std::size_t>(index)]
               : std::string();
  }
  void Select(int control, int index) override {
    Control(control).selection = index >= 0 && index < ItemCount(control) ? index : -1;
  }
  int Selection(int control) override { return Control(control).selection; }
  void Enable(int control, bool enabled) override { Control(control).enabled = enabled; }
  bool IsEnabled(int control) override { return Control(control).enabled; }
  void Show(int, bool) override {}
  bool IsShown(int) override { return true; }
  void CheckRadio(int first, int last, int checked) override {
    for (int id = first; id <= last; ++id) Control(id).checked = id == checked;
  }
  bool IsChecked(int control) override { return Control(control).checked; }
  void Close(int closeResult) override {
    closed = true;
    result = closeResult;
  }

  // The user clicks a button of the dialog run by handler.
  void Attach(DialogHandler& handler) { handler_ = &handler; }
  void Click(int control) {
    if (handler_ != nullptr && !closed) handler_->OnCommand(*this, control, kBnClicked);
  }

  // Controls as the behaviour left them; one it never touched reads as a fresh control.
  FakeControl& Control(int id) { return controls_[id]; }
  bool closed = false;
  int result = -1;

 private:
  DialogHandler* handler_ = nullptr;
  std::map<int, FakeControl> controls_;
};

class FakeDialogs : public Dialogs {
 public:
  // Starts the handler on a fresh dialog where the user presses Enter (OK); returns what the
  // dialog closed with, -1 when it stayed open.
  int RunModal(int, WindowRef, DialogHandler& handler) override {
    FakeDialog dialog;
    dialog.Attach(handler);
    handler.OnInit(dialog);
    dialog.Click(kIdDialogOk);
    return dialog.closed ? dialog.result : -1;
  }
};

}  // namespace tv::fakes
