#include "commands/recording_commands.h"

#include <algorithm>
#include <limits>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"
#include "panel/layout.h"
#include "panel/lcd.h"
#include "panel/panel_timers.h"
#include "settings/mixer.h"

namespace tv::commands {
namespace {

constexpr std::uint32_t kRecordArmMs = 3000;
constexpr std::uint32_t kTimeShiftTickMs = 1000;
constexpr std::uint32_t kEarlyTickMs = 50;
// The player lets go of the time-shift file only a while after it was told to stop.
constexpr std::uint32_t kPlayerReleaseMs = 2000;
constexpr long long kHeadroomMiB = 100;
constexpr const char* kNoSpaceText = "Disk Space is not enough !!!Can't start recording!!";
constexpr const char* kNoSpaceCaption = "Warning";

void CloseSideListFirst(PanelContext& ctx) {
  if (ctx.ui.sideOpen == 1)
    SendCommand(ctx.os.messenger, ctx.windows.panel, cmd::kToggleSidePart, 0);
}

// The schedule program keeps its own record of what the panel records; it hears of a stop and
// of a start that could not happen.
void TellScheduleProgram(PanelContext& ctx) {
  if (ctx.mode.scheduleActive != 0)
    ctx.os.messenger.Post(FindScheduleWindow(ctx), cmd::kScheduleRecordRefused, 0, 0);
}

void WarnNoDiskSpace(PanelContext& ctx) {
  ctx.os.messageBoxes.Show(ctx.windows.panel, kNoSpaceText, kNoSpaceCaption, kMbOk);
}

void Record(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.tvClosed == 1 || ScanRuns(ctx.mode)) return;
  if (ctx.mode.recording == 0) {
    ctx.mode.snapshotBusy = 1;
    const WindowRef video = FindVideoWindow(ctx);
    if (video && ctx.mode.fmMode == 0) ctx.os.windows.Show(video, kSwShowNormal);
    ctx.os.timers.Start(panel::kTimerRecordArm, kRecordArmMs);
    if (!EnoughDiskSpace(ctx, keys::kCaptureFile)) {
      TellScheduleProgram(ctx);
      WarnNoDiskSpace(ctx);
      return;
    }
  }
  CloseSideListFirst(ctx);
  if (ctx.mode.recording == 1) TellScheduleProgram(ctx);
  const WindowRef video = FindVideoWindow(ctx);
  if (!video || ctx.mode.recordArmed != 1) return;
  ctx.mode.recording = 1 - ctx.mode.recording;
  ctx.mode.recordArmed = 0;
  panel::DrawRecordIndicator(ctx, ctx.mode.recording);
  // 4101 must have been taken before 2008 asks the program to act on it.
  SendCommand(ctx.os.messenger, video, cmd::kVideoRecordState, ctx.mode.recording);
  PostCommand(ctx.os.messenger, video, cmd::kVideoRecordToggle, 0);
}

void TimeShiftOnOff(PanelContext& ctx, std::intptr_t) {
  // Only the tuner feeds the time-shift recorder; this reader's default is composite.
  const int input = ctx.settings.Int(keys::kInputSource, 1);
  if ((input != 3 && input != 4) || ctx.mode.tvClosed == 1) return;
  if (ctx.mode.timeShift == 1) {
    PostCommand(ctx.os.messenger, ctx.windows.panel, cmd::kStop, 0);
    return;
  }
  ctx.mode.snapshotBusy = 1;
  if (!EnoughDiskSpace(ctx, keys::kTimeShiftFileRoot)) {
    WarnNoDiskSpace(ctx);
    return;
  }
  CloseSideListFirst(ctx);
  ctx.mode.videoBusy = 1;
  ctx.mode.timeShift = 1;
  settings::SetInputMute(ctx, 1);
  const LocalTime now = ctx.os.clock.Now();
  ctx.timeShift.startHour = now.hour;
  ctx.timeShift.startMinute = now.minute;
  ctx.timeShift.startSecond = now.second;
  // A file left from an earlier run would be played from its old start.
  ctx.os.files.RemoveFile(ctx.settings.Text(keys::kTimeShiftFileRoot));
  if (const WindowRef video = FindVideoWindow(ctx)) {
    PostCommand(ctx.os.messenger, video, cmd::kVideoTimeShiftStart, 0);
    panel::DrawTransportButtons(ctx, 1, 1);
  }
  ctx.ui.sliderX = ctx.layout.Value(panel::Lcd::TIMESHIFTPOINTX);
  ctx.os.timers.Start(panel::kTimerTimeShiftBar, kTimeShiftTickMs);
}

void TimeShiftStop(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.videoBusy == 1 || ctx.mode.tvClosed == 1) return;
  ctx.mode.timeShift = 0;
  ctx.os.timers.Stop(panel::kTimerTimeShiftBar);
  PostCommand(ctx.os.messenger, ctx.windows.panel, cmd::kPeerRecordingEnded, 0);
  panel::DrawTimeShiftBar(ctx, 0, ctx.timeShift.scale, 1);
  settings::SetInputMute(ctx, 0);
  if (const WindowRef video = FindVideoWindow(ctx)) {
    PostCommand(ctx.os.messenger, video, cmd::kVideoTimeShiftStop, 0);
    panel::DrawTransportButtons(ctx, 0, 0);
  }
  if (const WindowRef player = FindPlaybackWindow(ctx)) {
    ctx.mode.videoBusy = 1;
    SendCommand(ctx.os.messenger, player, cmd::kPlaybackStop, 0);
  }
  const std::string keep = ctx.settings.Text(keys::kDeleteTempFile);
  if (!keep.empty() && keep != keys::kTrue) {
    ctx.timeShift.deleteTempFlag = 0;
    return;
  }
  ctx.timeShift.deleteTempFlag = 1;
  ctx.os.clock.Sleep(kPlayerReleaseMs);
  ctx.os.files.RemoveFile(ctx.settings.Text(keys::kTimeShiftFileRoot));
}

// The player's keys: what each tells the player, whether the panel waits for it, whether the
// bar is redrawn early, and the transport symbol it leaves lit.
struct Transport {
  cmd::Id id;
  cmd::Id toPlayer;
  bool sent;
  bool earlyTick;
  int playing;
};
constexpr Transport kTransports[] = {
    {cmd::kPlay, cmd::kPlaybackPlay, false, false, 1},
    {cmd::kForward, cmd::kPlaybackForward, false, true, 1},
    {cmd::kBack, cmd::kPlaybackRewind, true, true, 1},
    {cmd::kPause, cmd::kPlaybackPause, false, false, 0},
};

void RunTransport(PanelContext& ctx, cmd::Id id) {
  if (ctx.mode.videoBusy == 1 || ctx.mode.tvClosed == 1) return;
  const WindowRef player = FindPlaybackWindow(ctx);
  if (!player) return;
  const Transport& t = *std::find_if(std::begin(kTransports), std::end(kTransports),
                                     [id](const Transport& row) { return row.id == id; });
  ctx.mode.videoBusy = 1;
  if (t.sent)
    SendCommand(ctx.os.messenger, player, t.toPlayer, 0);
  else
    PostCommand(ctx.os.messenger, player, t.toPlayer, 0);
  if (t.earlyTick) ctx.os.timers.Start(panel::kTimerTimeShiftBar, kEarlyTickMs);
  panel::DrawTransportButtons(ctx, t.playing, 1);
}

template <cmd::Id kId>
void TransportCommand(PanelContext& ctx, std::intptr_t) {
  RunTransport(ctx, kId);
}

void Snapshot(PanelContext& ctx, std::intptr_t) {
  const ModeFlags& m = ctx.mode;
  if (m.tvClosed == 1 || m.fmMode == 1 || ScanRuns(m) || m.recording == 1 || m.timeShift == 1 ||
      m.snapshotBusy == 1)
    return;
  ctx.mode.snapshotBusy = 1;
  PostCommand(ctx.os.messenger, FindVideoWindow(ctx), cmd::kVideoSnapshot, 0);
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kRecord, Record},
    {cmd::kTimeShift, TimeShiftOnOff},
    {cmd::kStop, TimeShiftStop},
    {cmd::kPlay, TransportCommand<cmd::kPlay>},
    {cmd::kForward, TransportCommand<cmd::kForward>},
    {cmd::kBack, TransportCommand<cmd::kBack>},
    {cmd::kPause, TransportCommand<cmd::kPause>},
    {cmd::kSnapshot, Snapshot},
};

}  // namespace

std::string SpaceQueryPath(std::string_view folderText) {
  const std::size_t cut = folderText.rfind('\\');
  return std::string(cut == std::string_view::npos ? folderText : folderText.substr(0, cut + 1));
}

bool EnoughDiskSpace(PanelContext& ctx, const keys::Key& folderKey) {
  // 64-bit throughout: a minimum near the top of the int range plus the headroom must not wrap.
  const long long minimumMiB = ctx.settings.Int(keys::kDiskFreeSpace);
  const std::string folder = ctx.settings.Text(folderKey, folderKey.text, keys::kTextCapacity);
  const std::uint64_t freeBytes = ctx.os.files.FreeBytesAt(SpaceQueryPath(folder)).value_or(0);
  const auto freeMiB = static_cast<long long>(freeBytes >> 20);
  return freeMiB >= minimumMiB + kHeadroomMiB;
}

HandlerTable RecordingCommandHandlers() {
  return kHandlers;
}

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
