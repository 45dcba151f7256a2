#include "commands/recording_commands.h"

#include <algorithm>
#include <limits>

#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "panel/layout.h"
#include "panel/lcd.h"

namespace tv::commands {

void ShowRecordTime(PanelContext& ctx, std::int32_t elapsedMs) {
  panel::DrawRecordTime(ctx, elapsedMs / 1000);
}

void ShowRecordSize(PanelContext& ctx, int size) {
  panel::DrawFileSize(ctx, size);
}

void RecordingEnded(PanelContext& ctx) {
  ctx.mode.recordArmed = 1;
  panel::DrawFileSize(ctx, 0);
  panel::DrawRecordTime(ctx, 0);
}

void MoveTimeShiftMarker(PanelContext& ctx, std::int32_t position) {
  const int scale = ctx.timeShift.scale;
  if (scale <= 0) return;
  const panel::PanelLayout& l = ctx.layout;
  // A hostile position must not overflow: the marker is only ever drawn clamped to the bar.
  const long long x = l.Value(panel::Lcd::TIMESHIFTPOINTX) +
                      static_cast<long long>(l.Value(panel::Lcd::TIMESHIFTWIDTH)) *
                          std::max(position, std::int32_t{0}) / scale;
  ctx.ui.sliderX = static_cast<int>(std::min<long long>(x, std::numeric_limits<int>::max()));
}

void ShowPlaybackPosition(PanelContext& ctx, std::int32_t seconds) {
  // During time shift the readout is a time of day, which whole days do not change; dropping
  // them keeps its sum with the start time in range whatever the player reports.
  constexpr std::int32_t kSecondsPerDay = 86400;
  const bool timeOfDay = ctx.mode.timeShift == 1 && seconds > 0;
  panel::DrawRecordTime(ctx, timeOfDay ? seconds % kSecondsPerDay : seconds);
  PostCommand(ctx.os.messenger, ctx.windows.panel, cmd::kTimeShiftPosition, seconds / 6 - 1);
}

void TellPlayerTimeShiftStart(PanelContext& ctx) {
  const WindowRef player = FindPlaybackWindow(ctx);
  const TimeShiftClock& start = ctx.timeShift;
  PostCommand(ctx.os.messenger, player, cmd::kPlaybackStartSecond, start.startSecond);
  PostCommand(ctx.os.messenger, player, cmd::kPlaybackStartMinute, start.startMinute);
  PostCommand(ctx.os.messenger, player, cmd::kPlaybackStartHour, start.startHour);
}

}  // namespace tv::commands
