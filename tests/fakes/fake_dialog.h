#pragma once
// Dialogs without windows: controls that keep what the behaviour puts into them, a user who
// clicks and chooses through the behaviour's own entry points, and modal runs recorded with
// the template and owner they were started with.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace tv::fakes {

struct FakeControl {
  std::string text;
  std::vector<std::string> items;
  int selection = -1;
  bool enabled = true;
  bool shown = true;
  bool checked = false;
};

class FakeDialog : public DialogControls {
 public:
  explicit FakeDialog(WindowRef window = WindowRef{0xD1A0}) : window_(window) {}

  WindowRef Window() override { return window_; }
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
  void Show(int control, bool shown) override { Control(control).shown = shown; }
  bool IsShown(int control) override { return Control(control).shown; }
  void CheckRadio(int first, int last, int checked) override {
    for (int id = first; id <= last; ++id) Control(id).checked = id == checked;
  }
  bool IsChecked(int control) override { return Control(control).checked; }
  void Close(int closeResult) override {
    closed = true;
    result = closeResult;
  }

  // The user, through the handler the dialog runs with: a button click, and a choice in a
  // list that tells the behaviour its selection changed.
  void Attach(DialogHandler& handler) { handler_ = &handler; }
  void Click(int control) {
    if (handler_ != nullptr && !closed) handler_->OnCommand(*this, control, kBnClicked);
  }
  void Choose(int control, int index) {
    Select(control, index);
    if (handler_ != nullptr && !closed) handler_->OnCommand(*this, control, kCbnSelChange);
  }

  // Controls as the behaviour left them; one it never touched reads as a fresh control.
  FakeControl& Control(int id) { return controls_[id]; }
  bool closed = false;
  int result = -1;

 private:
  WindowRef window_;
  DialogHandler* handler_ = nullptr;
  std::map<int, FakeControl> controls_;
};

struct ModalRun {
  int templateId = 0;
  WindowRef owner;
  int result = -1;
};

class FakeDialogs : public Dialogs {
 public:
  // Starts the handler on a fresh dialog, lets the user act, and returns what the dialog
  // closed with; -1 when the user left it open (a real one would still be waiting).
  int RunModal(int templateId, WindowRef owner, DialogHandler& handler) override {
    last = std::make_unique<FakeDialog>();
    FakeDialog& dialog = *last;
    dialog.Attach(handler);
    handler.OnInit(dialog);
    if (user)
      user(dialog);
    else
      dialog.Click(kIdDialogOk);
    runs.push_back(ModalRun{templateId, owner, dialog.closed ? dialog.result : -1});
    return runs.back().result;
  }

  // What the user does while the dialog is up; unscripted, they press Enter (OK).
  std::function<void(FakeDialog&)> user;
  std::vector<ModalRun> runs;
  std::unique_ptr<FakeDialog> last;  // the most recent dialog, as it closed
};

}  // namespace tv::fakes
