#include "commands/peer_commands.h"

#include "base/key_table.h"
#include "commands/captured_files.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/panel_commands.h"
#include "commands/recording_commands.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "settings/audio_dialog.h"
#include "settings/record_page.h"
#include "tuning/side_list.h"
#include "tuning/tv_settings_page.h"

namespace tv::commands {
namespace {

void SnapshotDone(PanelContext& ctx, std::intptr_t) {
  ctx.mode.snapshotBusy = 0;
}

// The video program tuned by itself (its own keys, a preview ending on a channel).
void ChannelChanged(PanelContext& ctx, std::intptr_t lParam) {
  const int value = LowWord(lParam);
  if (ctx.mode.fmMode == 1) {
    ctx.channels.fm100kHz = value;
    panel::DrawFmFrequency(ctx, value, 4);
  } else if (ctx.mode.videoInput == 0) {
    ctx.channels.currentChannel = value;
    panel::DrawChannelNumber(ctx, value);
  }
}

void ScanEnded(PanelContext& ctx, std::intptr_t) {
  ctx.mode.airScan = 0;
  ctx.mode.cableScan = 0;
  ctx.mode.fmScan = 0;
  ctx.mode.videoBusy = 0;
  if (ctx.mode.fmMode == 0 && ctx.mode.videoInput == 0 && ctx.windows.tvPage)
    SendCommand(ctx.os.messenger, ctx.windows.tvPage, cmd::kTvPageScanEnded, 0);
  if (ctx.ui.sideOpen == 1 && ctx.windows.sideList) tuning::FillSideList(ctx);
}

void PeerReady(PanelContext& ctx, std::intptr_t) {
  ctx.mode.videoBusy = 0;
}

// The peer can always end the panel's recording state: 40114 passes the recording gate.
void RecordingState(PanelContext& ctx, std::intptr_t lParam) {
  ctx.mode.recording = LowWord(lParam);
}

void PreviewEnded(PanelContext& ctx, std::intptr_t) {
  ctx.mode.previewActive = 0;
}

void ScheduleClosed(PanelContext& ctx, std::intptr_t) {
  ctx.mode.scheduleOpen = 0;
}

void CapturedFile(PanelContext& ctx, std::intptr_t) {
  AddCapturedFile(ctx);
}

void FilesPanelClosed(PanelContext& ctx, std::intptr_t) {
  MarkFilesPanelClosed(ctx);
}

void RecordSize(PanelContext& ctx, std::intptr_t lParam) {
  ShowRecordSize(ctx, LowWord(lParam));
}

void TimeShiftPosition(PanelContext& ctx, std::intptr_t lParam) {
  MoveTimeShiftMarker(ctx, FullValue(lParam));
}

void RecordTime(PanelContext& ctx, std::intptr_t lParam) {
  ShowRecordTime(ctx, FullValue(lParam));
}

void RecordEnded(PanelContext& ctx, std::intptr_t) {
  RecordingEnded(ctx);
}

void PlaybackSeconds(PanelContext& ctx, std::intptr_t lParam) {
  ShowPlaybackPosition(ctx, FullValue(lParam));
}

void SidePanels(PanelContext& ctx, std::intptr_t lParam) {
  HideOrShowSidePanels(ctx, LowWord(lParam));
}

void ScheduleActive(PanelContext& ctx, std::intptr_t lParam) {
  ctx.mode.scheduleActive = LowWord(lParam);
}

// A peer tuned a TV channel: the band's stored channel follows it, except in full-scan mode,
// where the current channel is an index into the full-scan list and not a channel number.
void TunedChannel(PanelContext& ctx, std::intptr_t lParam) {
  const std::int32_t channel = FullValue(lParam);
  panel::DrawChannelNumber(ctx, channel);
  if (ctx.settings.IsTrue(keys::kUseFullScan)) return;
  ctx.settings.Write(ctx.mode.airBand == 1 ? keys::kTvChannelAir : keys::kTvChannelCable, channel);
}

void AudioAnswer(PanelContext& ctx, std::intptr_t lParam) {
  settings::NoteSoundModes(ctx, LowWord(lParam));
}

// Arrives while QueryRadio's send is still running.
void RadioAnswer(PanelContext& ctx, std::intptr_t lParam) {
  ctx.mode.peerAnswer = LowWord(lParam);
}

void PeerReselectSource(PanelContext& ctx, std::intptr_t) {
  ReselectStoredSource(ctx);
}

void AskTimeShiftStart(PanelContext& ctx, std::intptr_t) {
  TellPlayerTimeShiftStart(ctx);
}

void AudioDone(PanelContext& ctx, std::intptr_t) {
  settings::ChipAudioClosed(ctx);
}

void TvPageDone(PanelContext& ctx, std::intptr_t) {
  tuning::VideoStandardDialogClosed(ctx);
}

void RecordPageAnswer1(PanelContext& ctx, std::intptr_t lParam) {
  settings::NoteMpeg4Encoder(ctx, LowWord(lParam));
}

void RecordPageAnswer2(PanelContext& ctx, std::intptr_t lParam) {
  settings::NoteOtherEncoder(ctx, LowWord(lParam));
}

// 51222 (the sound card's volume) belongs to the volume commands' table.
constexpr CommandHandler kHandlers[] = {
    {cmd::kPeerEndProgram, PeerEndProgram},
    {cmd::kPeerSnapshotDone, SnapshotDone},
    {cmd::kPeerChannelChanged, ChannelChanged},
    {cmd::kPeerScanEnded, ScanEnded},
    {cmd::kPeerReady, PeerReady},
    {cmd::kPeerRecordingState, RecordingState},
    {cmd::kPeerPreviewEnded, PreviewEnded},
    {cmd::kPeerScheduleClosed, ScheduleClosed},
    {cmd::kPeerCapturedFile, CapturedFile},
    {cmd::kPeerFilesPanelClosed, FilesPanelClosed},
    {cmd::kPeerRecordSize, RecordSize},
    {cmd::kTimeShiftPosition, TimeShiftPosition},
    {cmd::kPeerRecordTime, RecordTime},
    {cmd::kPeerRecordingEnded, RecordEnded},
    {cmd::kPeerSnapshotDone2, SnapshotDone},
    {cmd::kPeerPlaybackSeconds, PlaybackSeconds},
    {cmd::kPeerSidePanels, SidePanels},
    {cmd::kScheduleAsk, AnswerScheduleProgram},
    {cmd::kScheduleActive, ScheduleActive},
    {cmd::kPeerTunedChannel, TunedChannel},
    {cmd::kPeerAudioAnswer, AudioAnswer},
    {cmd::kQueryRadio, RadioAnswer},
    {cmd::kPeerReselectSource, PeerReselectSource},
    {cmd::kPeerAskTimeShiftStart, AskTimeShiftStart},
    {cmd::kPeerAudioDone, AudioDone},
    {cmd::kPeerTvPageDone, TvPageDone},
    {cmd::kPeerRecordPageAnswer1, RecordPageAnswer1},
    {cmd::kPeerRecordPageAnswer2, RecordPageAnswer2},
};

}  // namespace

void PeerEndProgram(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  ctx.os.windows.Destroy(ctx.windows.panel);
}

void AnswerScheduleProgram(PanelContext& ctx, std::intptr_t lParam) {
  const WindowRef schedule = FindScheduleWindow(ctx);
  if (lParam == 0) {
    const bool free = ctx.mode.recording == 0 && ctx.mode.timeShift == 0;
    ctx.os.messenger.Send(schedule, cmd::kScheduleFreeAnswer, free ? 1 : 0, 0);
    return;
  }
  const int answer = QueryRadio(ctx);
  ctx.os.messenger.Send(schedule, cmd::kSchedulePeerAnswer, static_cast<std::uintptr_t>(answer), 0);
}

HandlerTable PeerCommandHandlers() {
  return kHandlers;
}

}  // namespace tv::commands
