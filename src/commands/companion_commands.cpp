#include "commands/companion_commands.h"

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"
#include "panel/layout_tables.h"
#include "settings/audio_dialog.h"

namespace tv::commands {
namespace {

constexpr const char* kNoTeletextText = "Can't find Teletext, please check again!";
constexpr const char* kNoTeletextCaption = "error";
constexpr const char* kTeletextUnsupportedText = "This module don't support Teletext!";
constexpr const char* kTeletextUnsupportedCaption = "Error";
// The teletext viewer decodes from a capture of this size.
constexpr const char* kTeletextCaptureSize = "352x288";
constexpr std::uint32_t kWebAddressCapacity = 260;

// Every standard the tuner library names carries teletext on the simulated card; a negative
// code stands for none known.
bool TeletextSupported(int videoStandard) {
  return videoStandard >= 0;
}

void Preview(PanelContext& ctx, std::intptr_t) {
  const ModeFlags& m = ctx.mode;
  if (m.tvClosed == 1 || m.videoInput == 1 || m.fmMode == 1 || ScanRuns(m) || m.videoBusy != 0)
    return;
  ctx.mode.videoBusy = 1;
  const WindowRef video = FindVideoWindow(ctx);
  ctx.os.windows.SetFocus(video);
  ctx.mode.previewActive = 1;
  PostCommand(ctx.os.messenger, video, cmd::kVideoStartPreview, 0);
  // The preview answers keys in the video window; the post may have moved the focus.
  ctx.os.windows.SetFocus(video);
}

void Teletext(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.fmMode == 1) return;
  const std::string folder = WinIni(ctx.os.profile).Text(keys::kTeletextDir);
  if (folder.empty()) {
    ctx.os.messageBoxes.Show({}, kNoTeletextText, kNoTeletextCaption, kMbOk);
    return;
  }
  if (!TeletextSupported(ctx.settings.Int(keys::kVideoStandard))) {
    ctx.os.messageBoxes.Show({}, kTeletextUnsupportedText, kTeletextUnsupportedCaption, kMbOk);
    return;
  }
  ctx.settings.Write(keys::kCaptureStreamSize, kTeletextCaptureSize);
  SendCommand(ctx.os.messenger, FindVideoWindow(ctx), cmd::kVideoApplyCapture, 1);
  ctx.os.shell.StartProgram(folder + "\\Infopage.ex_", kSwShow);
}

void Schedule(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.tvClosed == 1 || ctx.mode.scheduleOpen == 1) return;
  // A program already running is started again; it brings its own window forward.
  ctx.mode.scheduleOpen = FindScheduleWindow(ctx) ? 1 : 0;
  ctx.os.shell.StartProgram(ProgramDirectory(ctx) + "\\Planner.exe", kSwShow);
}

void WebPage(PanelContext& ctx, std::intptr_t) {
  const int skin = ctx.panelIni.RawInt(panel::kPanelSection, panel::kPanelNowKey, 1);
  const std::string addressKey = std::to_string(skin) + "PANEL_HTTP";
  const std::string address =
      ctx.panelIni.RawText(panel::kPanelSection, addressKey.c_str(), "", kWebAddressCapacity);
  const std::optional<RegistryValue> path =
      ctx.os.shell.ReadMachineValue(kBrowserKey, kBrowserValue);
  if (!path) return;
  ctx.os.shell.StartProgram(BrowserFolder(path->bytes) + "\\iexplore.exe " + address, kSwShow);
  const WindowRef panel = ctx.os.messenger.Find(kPanelClass, kPanelTitle);
  ctx.os.windows.BringToForeground(panel);
  ctx.os.windows.SetFocus(panel);
}

void AudioSettings(PanelContext& ctx, std::intptr_t) {
  settings::OpenAudioDialog(ctx);
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kPreview, Preview}, {cmd::kTeletext, Teletext},           {cmd::kSchedule, Schedule},
    {cmd::kWebsite, WebPage}, {cmd::kAudioSettings, AudioSettings},
};

}  // namespace

std::string BrowserFolder(std::string_view storedBytes) {
  std::string_view text = storedBytes.substr(0, storedBytes.find('\0'));
  text = text.substr(0, text.find(';'));
  return std::string(text);
}

HandlerTable CompanionCommandHandlers() {
  return kHandlers;
}

}  // namespace tv::commands
