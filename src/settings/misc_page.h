#pragma once
// The misc settings page: the time-shift file (where it lives, whether it is deleted after use,
// its hidden size and bit rate), pictures per snapshot, always-on-top for the panel and the video
// window, and the multi-channel preview's time and mosaic. It only takes input while the video
// program runs.

#include <string>

#include "app/panel_context.h"
#include "platform/dialog.h"
#include "settings/settings_dialog_ids.h"

namespace tv::settings {

// The time-shift file in a chosen folder: a drive root already ends in a backslash.
std::string TimeShiftFileIn(const std::string& folder);

// "SnapShotNumber" as the list's index: the value's leading number - 1 ("" counts as "1").
int SnapshotIndex(const std::string& stored);

class MiscPage : public DialogHandler {
 public:
  explicit MiscPage(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  PanelContext& ctx_;
};

}  // namespace tv::settings
