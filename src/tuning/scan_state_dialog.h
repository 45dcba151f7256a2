#pragma once
// The fully-scan state dialog: shows the frequency the video window program sweeps now and
// whether it found a station there. The video window program finds it among the top-level
// dialogs by its two edits and sends it 47000 and 47001; it ends only by its stop button.

#include <cstdint>

#include "app/panel_context.h"
#include "platform/dialog.h"

namespace tv::tuning {

class ScanStateDialog : public DialogHandler {
 public:
  explicit ScanStateDialog(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  // Start and stop (Escape and the close box are stop too), and the peer's 47000 and 47001.
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  void Stop(DialogControls& dialog);
  PanelContext& ctx_;
};

// 47000 carries 10 kHz units as a 32-bit value; the Hz text needs 64 bits.
std::string ScanFrequencyText(std::intptr_t lParam);

}  // namespace tv::tuning
