#include "fakes/fake_dialog.h"

namespace tv::fakes {

void FakeDialog::SetText(int control, const std::string& text) {
  controls_[control].text = text;
}

std::string FakeDialog::Text(int control, std::uint32_t capacity) {
  const std::string& text = controls_[control].text;
  return capacity == 0 ? std::string() : text.substr(0, capacity - 1);
}

void FakeDialog::AddItem(int control, const std::string& text) {
  controls_[control].items.push_back(text);
}

int FakeDialog::ItemCount(int control) {
  return static_cast<int>(controls_[control].items.size());
}

std::string FakeDialog::ItemText(int control, int index) {
  const FakeControl& c = controls_[control];
  if (index < 0 || index >= static_cast<int>(c.items.size())) return {};
  return c.items[static_cast<std::size_t>(index)];
}

void FakeDialog::Select(int control, int index) {
  FakeControl& c = controls_[control];
  c.selection = index >= 0 && index < static_cast<int>(c.items.size()) ? index : -1;
}

int FakeDialog::Selection(int control) {
  return controls_[control].selection;
}

void FakeDialog::Enable(int control, bool enabled) {
  controls_[control].enabled = enabled;
}

bool FakeDialog::IsEnabled(int control) {
  return controls_[control].enabled;
}

void FakeDialog::Show(int control, bool shown) {
  controls_[control].shown = shown;
}

bool FakeDialog::IsShown(int control) {
  return controls_[control].shown;
}

void FakeDialog::CheckRadio(int first, int last, int checked) {
  for (int id = first; id <= last; ++id) controls_[id].checked = id == checked;
}

bool FakeDialog::IsChecked(int control) {
  return controls_[control].checked;
}

void FakeDialog::Close(int closeResult) {
  closed = true;
  result = closeResult;
}

void FakeDialog::Click(int control) {
  if (handler_ != nullptr && !closed) handler_->OnCommand(*this, control, kBnClicked);
}

void FakeDialog::Choose(int control, int index) {
  Select(control, index);
  if (handler_ != nullptr && !closed) handler_->OnCommand(*this, control, kCbnSelChange);
}

int FakeDialogs::RunModal(int templateId, WindowRef owner, DialogHandler& handler) {
  last = std::make_unique<FakeDialog>();
  FakeDialog& dialog = *last;
  dialog.Attach(handler);
  handler.OnInit(dialog);
  if (user)
    user(dialog);
  else
    dialog.Click(kIdDialogOk);
  const int result = dialog.closed ? dialog.result : -1;
  runs.push_back(ModalRun{templateId, owner, result});
  return result;
}

}  // namespace tv::fakes
