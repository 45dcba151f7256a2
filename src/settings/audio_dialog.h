#pragma once
// The audio settings dialog: balance, bass, treble and volume of the sound card, live on the
// mixer while the sliders move and stored when it closes; the card's sound modes, the
// sound-card input line and the recording source (controls the template keeps hidden, handled
// all the same); the card's own chip audio settings. Also what the video window program tells
// it: answers that arrive while the dialog waits on a send, and the end of the chip audio
// settings.

#include <cstdint>

#include "app/panel_context.h"
#include "platform/dialog.h"

namespace tv::settings {

inline constexpr int kAudioDialogTemplate = 1263;

// 40123: runs the dialog modally, owned by the panel.
void OpenAudioDialog(PanelContext& ctx);

// 42225: the sound modes the video program supports (a bit mask).
void NoteSoundModes(PanelContext& ctx, int mask);
// 46102: the card's chip audio settings have closed.
void ChipAudioClosed(PanelContext& ctx);

// Nothing reaches the settings file before Close (or the chip audio button); the sound modes
// are stored by Enter alone.
class AudioDialog : public DialogHandler {
 public:
  explicit AudioDialog(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  // Clicks only: Close, Default, Enter, chip audio and the three sound-mode check boxes.
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;
  // Every message of one of the four sliders applies its position to the mixer.
  void OnScroll(DialogControls& dialog, int control, int code) override;

 private:
  void ShowModes(DialogControls& dialog);
  void FillLines(DialogControls& dialog);
  void ShowSliders(DialogControls& dialog);
  void RestoreDefaults(DialogControls& dialog);
  void StoreSliders(DialogControls& dialog);
  void StoreRecordSource(DialogControls& dialog);
  void StoreInputLine(DialogControls& dialog);
  void EnterSoundMode(DialogControls& dialog);
  void OpenChipAudio(DialogControls& dialog);

  PanelContext& ctx_;
};

}  // namespace tv::settings
