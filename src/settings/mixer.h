#pragma once
// The sound card's mixer as the panel uses it: volume (0..220 on the panel's scale), balance,
// bass, treble, and the mute of the chosen input line.

#include "app/panel_context.h"

namespace tv::settings {

// mode 0 at window creation, 1 after the first-start setup; false when no mixer is usable.
bool SetUpMixer(PanelContext& ctx, int mode);
void SetVolume(PanelContext& ctx, int volume);
void SetInputMute(PanelContext& ctx, int mute);

}  // namespace tv::settings
