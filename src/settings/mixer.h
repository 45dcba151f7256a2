#pragma once
// The sound card's mixer as the panel uses it: volume (0..220 on the panel's scale), balance,
// bass and treble on the speakers line, the mute of the sound-card line chosen as the audio
// input, and the recording source. The set-up publishes what it finds in the settings file so
// that the dialogs can offer it.

#include "app/panel_context.h"

namespace tv::settings {

// mode 0 at window creation; 1 ("reselect") after the first-start setup and when the audio
// dialog closes: it also applies the chosen input line and recording source. False when there
// is no mixer or it cannot be opened.
bool SetUpMixer(PanelContext& ctx, int mode);
// The last entry of the published input lines: no sound-card line carries the TV sound.
inline constexpr const char* kNoInputLine = "None";

// Each returns whether the mixer is ready; false, with nothing changed, when it is not, when
// the card lacks the control, or while another of these is setting the card.
bool SetVolume(PanelContext& ctx, int volume);    // 0..255
bool SetBalance(PanelContext& ctx, int balance);  // 0 left .. 128 centre .. 255 right
bool SetBass(PanelContext& ctx, int bass);        // 0..255, as it is
bool SetTreble(PanelContext& ctx, int treble);    // 0..255, as it is

// 1 mutes, 0 unmutes the chosen input line. Works even before the set-up.
void SetInputMute(PanelContext& ctx, int mute);

// The value this program last set, by the audio dialog's codes; false (value unchanged) when
// the mixer is not ready or lacks the control, and for unknown codes (value -1).
inline constexpr int kCachedVolume = 100;
inline constexpr int kCachedBalance = 101;
inline constexpr int kCachedBass = 103;
inline constexpr int kCachedTreble = 104;
bool GetCachedValue(const PanelContext& ctx, int code, int& value);

}  // namespace tv::settings
