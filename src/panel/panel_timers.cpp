#include "panel/panel_timers.h"

#include "commands/deferred_work.h"
#include "panel/lcd.h"

namespace tv::panel {
namespace {

constexpr std::uint32_t kAutoRepeatMs = 150;
constexpr std::uint32_t kAdjustTimeoutMs = 2000;
constexpr std::uint32_t kTimeShiftBarMs = 1000;

// Held volume and channel buttons repeat their own command until released.
void RepeatHeldButton(PanelContext& ctx) {
  if (!ctx.ui.buttonHeld) return;
  const int index = ctx.ui.hoverIndex;
  if (index >= 0 && index < kButtonCount)
    SendCommand(ctx.os.messenger, ctx.windows.panel, ctx.layout.buttons[index].command, 0);
  ctx.os.timers.Start(kTimerAutoRepeat, kAutoRepeatMs);
}

// The bar's scale follows the recorded length, so the knob keeps a useful resolution
// however long the recording grows.
void RedrawTimeShiftBar(PanelContext& ctx) {
  const int length = TimeShiftLength(ctx);
  ctx.timeShift.scale = TimeShiftScale(length);
  DrawTimeShiftBar(ctx, length, ctx.timeShift.scale, 1);
  DrawTimeShiftBar(ctx, length, ctx.timeShift.scale, 0);
  ctx.os.timers.Start(kTimerTimeShiftBar, kTimeShiftBarMs);
}

}  // namespace

void OnTimer(PanelContext& ctx, std::uint32_t id) {
  if (id == kPanelTick) {
    DrawClock(ctx);
    return;
  }
  // Every other timer is one-shot.
  ctx.os.timers.Stop(id);
  switch (id) {
    case kTimerAutoRepeat:
      RepeatHeldButton(ctx);
      break;
    case kTimerDigitEntry:
      commands::CompleteChannelEntry(ctx);
      break;
    case kTimerChannelDown:
      commands::StepChannel(ctx, -1);
      break;
    case kTimerChannelUp:
      commands::StepChannel(ctx, +1);
      break;
    case kTimerFmUp:
      commands::StepFm(ctx, +1);
      break;
    case kTimerFmDown:
      commands::StepFm(ctx, -1);
      break;
    case kTimerVideoAdjustEnd:
      commands::EndVideoAdjust(ctx);
      break;
    // A step keeps the adjust mode alive for another two seconds.
    case kTimerVideoAdjustDown:
      ctx.os.timers.Start(kTimerVideoAdjustEnd, kAdjustTimeoutMs);
      commands::VideoAdjustStep(ctx, -1);
      break;
    case kTimerVideoAdjustUp:
      ctx.os.timers.Start(kTimerVideoAdjustEnd, kAdjustTimeoutMs);
      commands::VideoAdjustStep(ctx, +1);
      break;
    case kTimerAudioAdjustEnd:
      commands::EndAudioAdjust(ctx);
      break;
    case kTimerAudioAdjustUp:
      ctx.os.timers.Start(kTimerAudioAdjustEnd, kAdjustTimeoutMs);
      commands::AudioAdjustStep(ctx, +1);
      break;
    case kTimerAudioAdjustDown:
      ctx.os.timers.Start(kTimerAudioAdjustEnd, kAdjustTimeoutMs);
      commands::AudioAdjustStep(ctx, -1);
      break;
    case kTimerTimeShiftBar:
      RedrawTimeShiftBar(ctx);
      break;
    case kTimerSeekThrottle:
      ctx.ui.seekThrottle = false;
      break;
    case kTimerRecordArm:
      ctx.mode.recordArmed = 1;
      break;
    default:
      break;
  }
}

int TimeShiftLength(PanelContext& ctx) {
  const LocalTime now = ctx.os.clock.Now();
  const TimeShiftClock& start = ctx.timeShift;
  // Only the time of day was kept at the start: an earlier hour means midnight has passed.
  const int hour = now.hour < start.startHour ? now.hour + 24 : now.hour;
  const int seconds = (hour - start.startHour) * 3600 + (now.minute - start.startMinute) * 60 +
                      (now.second - start.startSecond);
  return seconds / 6;
}

int TimeShiftScale(int t) {
  struct Row {
    int above;
    int scale;
  };
  // The rows are tried in order and the last one that holds wins, so the table reads as the
  // thresholds a growing recording passes.
  constexpr Row kRows[] = {{50, 200},       {100, 300},     {200, 600},      {300, 1200},
                           {600, 2400},     {1200, 4800},   {2400, 9600},    {4800, 19200},
                           {9600, 38400},   {19200, 76800}, {38400, 153600}, {76800, 307200},
                           {153600, 614400}};
  int scale = 100;
  for (const Row& row : kRows)
    if (t > row.above) scale = row.scale;
  return scale;
}

}  // namespace tv::panel
