#include "commands/video_window.h"

#include "base/key_table.h"
#include "base/settings_file.h"
#include "commands/command_ids.h"

namespace tv::commands {
namespace {

// The video program needs this long after its start before it can scan.
constexpr std::uint32_t kLaunchScanDelayMs = 6000;

}  // namespace

WindowRef FindVideoWindow(PanelContext& ctx) {
  ctx.windows.video = ctx.os.messenger.Find(kVideoClass, kVideoTitle);
  return ctx.windows.video;
}

WindowRef FindPlaybackWindow(PanelContext& ctx) {
  ctx.windows.playback = ctx.os.messenger.Find(kPlaybackClass, kPlaybackTitle);
  return ctx.windows.playback;
}

WindowRef FindScheduleWindow(PanelContext& ctx) {
  ctx.windows.schedule =
      ctx.os.messenger.Find(nullptr, ctx.layout.Text(panel::Caption::IDS_PLANNER_DIALOG).c_str());
  return ctx.windows.schedule;
}

std::string ProgramDirectory(PanelContext& ctx) {
  std::string directory = WinIni(ctx.os.profile).Text(keys::kAppDirectory);
  if (directory.empty()) directory = ctx.os.files.CurrentDirectory();
  return directory;
}

void StartVideoProgram(PanelContext& ctx, int showState) {
  ctx.mode.videoBusy = 1;
  ctx.os.shell.StartProgram(ProgramDirectory(ctx) + "\\screen.ex_", showState);
}

void ScanAfterLaunch(PanelContext& ctx) {
  ctx.os.clock.Sleep(kLaunchScanDelayMs);
  PostCommand(ctx.os.messenger, ctx.windows.panel, cmd::kScan, 0);
}

int QueryRadio(PanelContext& ctx) {
  SendCommand(ctx.os.messenger, FindVideoWindow(ctx), cmd::kQueryRadio, 0);
  return ctx.mode.peerAnswer;
}

void ReselectStoredSource(PanelContext& ctx) {
  const cmd::Id source = cmd::SourceCommandFor(ctx.settings.Int(keys::kInputSource));
  if (source != 0) PostCommand(ctx.os.messenger, ctx.windows.panel, source, 0);
}

}  // namespace tv::commands
