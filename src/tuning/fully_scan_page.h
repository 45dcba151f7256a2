#pragma once
// The fully scan page, the sheet's second page: switches full-scan mode on and off, starts a
// full scan, and lets the user tune, name, correct, add and remove entries of the full-scan list
// by hand. The list is the video window program's; the page reads it again at every fill.

#include <cstdint>
#include <string>

#include "app/panel_context.h"
#include "platform/dialog.h"

namespace tv::tuning {

// What a frequency button shows after a step of stepHz (negative: down) from the edit's text,
// given the "MinFreq" and "MaxFreq" texts. Up and down clamp differently: up from below the
// lowest shows the lowest unchanged, down from above the highest shows the highest unchanged.
std::string SteppedFrequencyText(const std::string& edit, std::int64_t stepHz,
                                 const std::string& minText, const std::string& maxText);

class FullyScanPage : public DialogHandler {
 public:
  explicit FullyScanPage(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  // Nothing while a band scan runs or without the video window program.
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  void Fill(DialogControls& dialog);
  void SelectFirst(DialogControls& dialog);
  void CheckBox(DialogControls& dialog);
  void Scan(DialogControls& dialog);
  void Refill(DialogControls& dialog);
  void Chosen(DialogControls& dialog);
  void Step(DialogControls& dialog, std::int64_t stepHz);
  void Store(DialogControls& dialog);
  void Remove(DialogControls& dialog);
  void ClearEntry(DialogControls& dialog);

  PanelContext& ctx_;
  int count_ = 0;  // "ALLCH" as of the last fill
};

}  // namespace tv::tuning
