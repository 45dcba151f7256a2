#pragma once
// Recording, time shift, its transport and snapshots. The video window program does the work;
// the panel decides when a start may happen, checks the free disk space first, toggles its own
// state and tells the peer. Also what the program and its player report back: elapsed time,
// recorded size, the end of a recording, the playback position and the start time the player
// asks for.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/panel_context.h"
#include "commands/command_table.h"

namespace tv::commands {

// The path whose volume the space check asks about: the text cut after its last backslash,
// keeping it; text without a backslash is used whole.
std::string SpaceQueryPath(std::string_view folderText);

// Free space of the volume of the folder key ("CaptureFile" or "TimeShiftFileRoot") against
// [quarn] "DiskFreeSpace" (MiB; empty means 500) plus 100 MiB of headroom. A failed query
// counts as no space. True when a start may go ahead.
bool EnoughDiskSpace(PanelContext& ctx, const keys::Key& folderKey);

// 40016, 40038, 40032, the transport (40017, 40029, 40030, 40031) and 40040.
HandlerTable RecordingCommandHandlers();

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
