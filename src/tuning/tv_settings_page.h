#pragma once
// The TV settings page, the first page of the settings sheet: the channels of a band typed on
// its keypad, stepped, listed, added, deleted and named, the band and the capture device
// switched, the scan started and a channel fine-tuned. It tunes nothing itself: it writes the
// channel store and sends commands to the video window and to the panel.

#include <cstdint>
#include <string>

#include "app/panel_context.h"
#include "platform/dialog.h"
#include "tuning/channel_store.h"

namespace tv::tuning {

// 46103: the video program's video standard dialog has closed; the page may open it again.
void VideoStandardDialogClosed(PanelContext& ctx);

// The highest number the keypad takes: the full-scan list's size in full-scan mode, else the
// band's highest channel from the file (default 0), read again at every message.
int KeypadLimit(PanelContext& ctx);

class TvSettingsPage : public DialogHandler {
 public:
  explicit TvSettingsPage(PanelContext& ctx) : ctx_(ctx) {}
  // Captions always; everything else only while the video window program runs.
  void OnInit(DialogControls& dialog) override;
  // Nothing without the video window; during a scan or on a video input only Auto Scan.
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;
  // The fine-tuning slider: every position is shown and sent as it comes.
  void OnScroll(DialogControls& dialog, int control, int code) override;
  // Any notification (the sheet's activation among them) enables or disables the editing.
  void OnNotify(DialogControls& dialog, int control, int code) override;

 private:
  Band band() const { return CurrentBand(ctx_.mode); }
  void KeypadDigit(DialogControls& dialog, int digit);
  void KeypadEnter(DialogControls& dialog);
  void Step(DialogControls& dialog, int direction);
  void TuneTo(DialogControls& dialog, int channel);
  void ChannelChosen(DialogControls& dialog);
  void SwitchBand(DialogControls& dialog, Band to);
  void AddChannel(DialogControls& dialog);
  void DeleteChannel(DialogControls& dialog);
  void StoreName(DialogControls& dialog);
  void ChangeDevice(DialogControls& dialog);
  void FineTuneButton(DialogControls& dialog, int control);
  void ApplyEnableRule(DialogControls& dialog);
  void FillChannelList(DialogControls& dialog);
  void SelectByPrefix(DialogControls& dialog, int channel);
  void ShowName(DialogControls& dialog, int channel);
  void ShowBandLimits(DialogControls& dialog);
  void FineTuneDisplay(DialogControls& dialog);
  void RefillSideListIfOpen();

  PanelContext& ctx_;
};

}  // namespace tv::tuning
