#pragma once
// What the video window program and its player report about a recording and a time shift:
// elapsed time, recorded size, the end of a recording, the playback position, and the start
// time the player asks for. The record and time-shift commands themselves join this room later.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::commands {

// 40311: elapsed milliseconds of the recording; the LCD shows whole seconds.
void ShowRecordTime(PanelContext& ctx, std::int32_t elapsedMs);
// 40201: the recorder's size figure, drawn as it comes.
void ShowRecordSize(PanelContext& ctx, int size);
// 40312: the record button may toggle again and the LCD's size and time go back to zero.
void RecordingEnded(PanelContext& ctx);
// 40301: the playback marker on the time-shift bar, in 6-second units.
void MoveTimeShiftMarker(PanelContext& ctx, std::int32_t position);
// 40315: the player's position in seconds; the marker follows through a self-posted 40301.
void ShowPlaybackPosition(PanelContext& ctx, std::int32_t seconds);
// 46101: the player asks when the time shift started.
void TellPlayerTimeShiftStart(PanelContext& ctx);

}  // namespace tv::commands
