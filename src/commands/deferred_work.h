#pragma once
// Work that the panel's timers and list notifications hand on to the command features: the
// channel and FM steps, the end of a typed channel number, the picture and tone adjustments,
// and what the two list windows ask for. The timer and notification plumbing is in place; each
// body belongs to the feature that owns that state.

#include "app/panel_context.h"

namespace tv::commands {

// Timer 118: the typed channel number is complete (nothing happens when none was typed).
void CompleteChannelEntry(PanelContext& ctx);
// Timers 121 (+1) and 120 (-1): one channel up or down in the active list.
void StepChannel(PanelContext& ctx, int direction);
// Timers 125 (+1) and 126 (-1): one FM frequency step.
void StepFm(PanelContext& ctx, int direction);

// Timer 122: leave the picture-adjust mode; the next "V" starts at the first picture value.
void EndVideoAdjust(PanelContext& ctx);
// Timers 124 (+1) and 123 (-1): step the selected picture value.
void VideoAdjustStep(PanelContext& ctx, int direction);
// Timer 129: leave the tone-adjust mode; the next "A" starts at the first tone value.
void EndAudioAdjust(PanelContext& ctx);
// Timers 130 (+1) and 131 (-1): step the selected tone value.
void AudioAdjustStep(PanelContext& ctx, int direction);

// The window's creation tells whether the sound card's mixer could be set up.
void NoteMixerReady(PanelContext& ctx, bool ready);

// The captured-files list: a click on a column header sorts by that column (captured_files.cpp).
void SortFileList(PanelContext& ctx, int column);
// The channel list: an activated item tunes to it (not while a video input is shown).
void TuneSideListChannel(PanelContext& ctx);
// The channel list: a right click on a selected item opens the channel-name dialog.
void OpenChannelNameDialog(PanelContext& ctx);

}  // namespace tv::commands
