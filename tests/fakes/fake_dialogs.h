#pragma once
// Dialog controls that keep what the behaviour puts into them, driven by a test as a user would
// drive the real ones. Free of the rest of the fake platform, so that the Wine tests can hold
// the real controls against it.

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/dialog.h"

namespace tv::fakes {

// Controls keep what the behaviour puts into them; a new slider has the control's own range
// 0..100 and clamps positions to its range, as the real one does.
struct FakeControl {
  std::string text;
  std::vector<std::string> items;
  std::vector<std::intptr_t> itemData;
  bool enabled = true, shown = true, checked = false, rangeSet = false;
  int selection = -1, rangeMin = 0, rangeMax = 100, position = 0, redraws = 0;
};

struct FakeDialog : DialogControls {
  explicit FakeDialog(WindowRef window = WindowRef{0xD1A0}) : window_(window) {}
  WindowRef Window() override { return window_; }
  void SetTitle(const std::string& text) override { title = text; }
  // A single-line edit tells its dialog about text set from outside, as the real one does.
  void SetText(int control, const std::string& text) override {
    Control(control).text = text;
    if (notifyingEdits.count(control) != 0) Notify(control, kEnUpdate);
  }
  std::string Text(int control, std::uint32_t capacity) override {
    return capacity == 0 ? std::string() : Control(control).text.substr(0, capacity - 1);
  }
  int AddItem(int control, const std::string& text) override {
    InsertItem(control, -1, text);
    return ItemCount(control) - 1;
  }
  void InsertItem(int control, int index, const std::string& text) override;
  void DeleteItem(int control, int index) override;
  void ResetItems(int control) override {
    FakeControl& c = Control(control);
    c.items.clear();
    c.itemData.clear();
    c.selection = -1;
  }
  int ItemCount(int control) override { return static_cast<int>(Control(control).items.size()); }
  std::string ItemText(int control, int index) override {
    return Has(control, index) ? Control(control).items[static_cast<std::size_t>(index)] : "";
  }
  void SetItemData(int control, int index, std::intptr_t data) override {
    if (Has(control, index)) Control(control).itemData[static_cast<std::size_t>(index)] = data;
  }
  std::intptr_t ItemData(int control, int index) override {
    return Has(control, index) ? Control(control).itemData[static_cast<std::size_t>(index)] : -1;
  }
  int FindPrefix(int control, int after, const std::string& prefix) override;
  void Select(int control, int index) override {
    Control(control).selection = Has(control, index) ? index : -1;
  }
  int Selection(int control) override { return Control(control).selection; }
  void Redraw(int control) override { ++Control(control).redraws; }
  void Enable(int control, bool enabled) override { Control(control).enabled = enabled; }
  bool IsEnabled(int control) override { return Control(control).enabled; }
  void Show(int control, bool shown) override { Control(control).shown = shown; }
  bool IsShown(int control) override { return Control(control).shown; }
  void CheckRadio(int first, int last, int checked) override {
    for (int id = first; id <= last; ++id) Control(id).checked = id == checked;
  }
  void Check(int control, bool checked) override { Control(control).checked = checked; }
  bool IsChecked(int control) override { return Control(control).checked; }
  void SetSliderRange(int control, int min, int max) override {
    FakeControl& c = Control(control);
    std::tie(c.rangeSet, c.rangeMin, c.rangeMax) = std::tuple(true, min, max);
    SetSliderPos(control, c.position);
  }
  void SetSliderPos(int control, int position) override {
    Control(control).position =
        std::clamp(position, Control(control).rangeMin, Control(control).rangeMax);
  }
  int SliderPos(int control) override { return Control(control).position; }
  void Close(int closeResult) override { result = closeResult; }

  // Driving the dialog as its user would; nothing reaches a closed dialog.
  void Attach(DialogHandler& handler) { handler_ = &handler; }
  void Start() { handler_->OnInit(*this); }
  void Click(int control) { Notify(control, kBnClicked); }
  void Notify(int control, int notification, std::intptr_t lParam = 0) {
    if (handler_ != nullptr && !result) handler_->OnCommand(*this, control, notification, lParam);
  }
  // Selects an entry and sends the notification the list sends for it.
  void Choose(int control, int index, int notification = kCbnSelEndOk) {
    Select(control, index);
    Notify(control, notification);
  }
  // The thumb dragged to a position (clamped to the range), then the slider's scroll message.
  void Drag(int control, int position, int code = kSbThumbTrack) {
    SetSliderPos(control, position);
    if (handler_ != nullptr) handler_->OnScroll(*this, control, code);
  }
  void Activate() { handler_->OnNotify(*this, 0, kPsnSetActive); }
  void Destroy() { handler_->OnDestroy(*this); }
  FakeControl& Control(int id) { return controls_[id]; }
  std::string title;
  std::optional<int> result;  // set when closed
  std::set<int> notifyingEdits;

 private:
  bool Has(int control, int index) { return index >= 0 && index < ItemCount(control); }
  WindowRef window_;
  DialogHandler* handler_ = nullptr;
  std::map<int, FakeControl> controls_;
};

}  // namespace tv::fakes
