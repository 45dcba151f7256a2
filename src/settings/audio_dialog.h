#pragma once
// The audio settings dialog as the video window program reaches it: answers that arrive while
// the dialog waits on a send, and the end of the card's own chip audio settings.

#include "app/panel_context.h"

namespace tv::settings {

// 42225: the sound modes the video program supports (a bit mask).
void NoteSoundModes(PanelContext& ctx, int mask);
// 46102: the card's chip audio settings have closed.
void ChipAudioClosed(PanelContext& ctx);

}  // namespace tv::settings
