#include "commands/command_gate.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/key_table.h"
#include "commands/command_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using tv::testing::PanelHarness;

// Every id that the gate lets through in a mode.
std::set<cmd::Id> Passing(const ModeFlags& mode) {
  std::set<cmd::Id> passing;
  for (int id = 0; id <= 0xFFFF; ++id)
    if (Gate(mode, static_cast<cmd::Id>(id)) == GateVerdict::Pass)
      passing.insert(static_cast<cmd::Id>(id));
  return passing;
}

const std::set<cmd::Id> kTransport{cmd::kPlay, cmd::kStop,    cmd::kPause,
                                   cmd::kBack, cmd::kForward, cmd::kTimeShiftPosition};
const std::set<cmd::Id> kVolumeAndView{cmd::kVolumeUp, cmd::kVolumeDown, cmd::kFullScreen,
                                       cmd::kPlus, cmd::kMinus};

TEST(CommandGate, TimeShiftAndRecordingEachLetOnlyTheirOwnSetThrough) {
  ModeFlags mode;
  // Idle: only the transport is dropped; it means nothing without time shift.
  std::set<cmd::Id> idle = Passing(mode);
  EXPECT_EQ(idle.size(), 0x10000u - kTransport.size());
  for (cmd::Id id : kTransport) EXPECT_EQ(idle.count(id), 0u) << id;

  mode.timeShift = 1;
  std::set<cmd::Id> timeShift = kTransport;
  timeShift.insert(kVolumeAndView.begin(), kVolumeAndView.end());
  timeShift.insert(
      {cmd::kPeerReady, cmd::kPeerPlaybackSeconds, cmd::kTimeShift, cmd::kPeerAskTimeShiftStart});
  EXPECT_EQ(Passing(mode), timeShift);  // 40114 is not among them

  mode.timeShift = 0;
  mode.recording = 1;
  std::set<cmd::Id> recording = kVolumeAndView;
  recording.insert({cmd::kRecord, cmd::kPeerRecordingState, cmd::kPeerRecordTime,
                    cmd::kPeerRecordSize, cmd::kPeerRecordingEnded, cmd::kPeerCapturedFile,
                    cmd::kPeerSnapshotDone2});
  EXPECT_EQ(Passing(mode), recording);

  // Both: only the ids of both sets.
  mode.timeShift = 1;
  EXPECT_EQ(Passing(mode), kVolumeAndView);
}

TEST(CommandGate, TheGateRunsBeforeTheHandlerAndIdsWithoutOneGoToTheDefaultProcedure) {
  PanelHarness h;
  EXPECT_FALSE(OnCommand(h.ctx, 12345, 0));
  h.ctx.mode.timeShift = 1;
  EXPECT_TRUE(OnCommand(h.ctx, 12345, 0));  // dropped: consumed, not passed on
  EXPECT_TRUE(OnCommand(h.ctx, cmd::kPeerRecordingState, 1));
  EXPECT_EQ(h.ctx.mode.recording, 0);
  h.ctx.mode.timeShift = 0;
  h.ctx.mode.recording = 1;
  h.ctx.mode.videoBusy = 1;
  EXPECT_TRUE(OnCommand(h.ctx, cmd::kPeerReady, 0));
  EXPECT_EQ(h.ctx.mode.videoBusy, 1);
  EXPECT_TRUE(OnCommand(h.ctx, cmd::kPeerRecordingState, 0));  // the peer ends the recording
  EXPECT_EQ(h.ctx.mode.recording, 0);
  EXPECT_TRUE(OnCommand(h.ctx, cmd::kPeerReady, 0));
  EXPECT_EQ(h.ctx.mode.videoBusy, 0);
}

TEST(WindowCommands, ClosingTheTvFoldsThePanelsHidesTheListsAndClosesTheVideoWindowOnce) {
  PanelHarness h;
  const WindowRef video = h.AddVideoWindow();
  h.ctx.ui.visible = h.ctx.ui.downOpen = h.ctx.ui.sideOpen = 1;
  h.ctx.windows.downList = h.fake.windows.CreateList(ListWindow::Down);
  h.ctx.windows.sideList = h.fake.windows.CreateList(ListWindow::Side);
  h.fake.windows.Show(h.ctx.windows.downList, kSwShow);
  h.fake.windows.Show(h.ctx.windows.sideList, kSwShow);
  OnCommand(h.ctx, cmd::kCloseTv, 0);
  EXPECT_EQ(h.ctx.mode.tvClosed, 1);
  EXPECT_EQ(h.ctx.ui.visible, 0);
  EXPECT_EQ(h.fake.windows.State(h.ctx.windows.panel).lastShow, kSwHide);
  // The side panel folds at once (sent); the files panel after the close (posted).
  const std::vector<fakes::LoggedMessage> toPanel = h.fake.messenger.LogTo(h.ctx.windows.panel);
  ASSERT_EQ(toPanel.size(), 2u);
  EXPECT_TRUE(toPanel[0].IsCommand(cmd::kToggleDownPart));
  EXPECT_EQ(toPanel[0].delivery, fakes::Delivery::Posted);
  EXPECT_TRUE(toPanel[1].IsCommand(cmd::kToggleSidePart));
  EXPECT_EQ(toPanel[1].delivery, fakes::Delivery::Sent);
  EXPECT_EQ(h.Commands(), std::vector<std::uint16_t>{cmd::kToggleSidePart});
  EXPECT_FALSE(h.fake.windows.State(h.ctx.windows.downList).visible);
  EXPECT_FALSE(h.fake.windows.State(h.ctx.windows.sideList).visible);
  ASSERT_EQ(h.fake.messenger.LogTo(video).size(), 1u);
  EXPECT_EQ(h.fake.messenger.LogTo(video)[0].message, kWmClose);
  EXPECT_EQ(h.fake.messenger.LogTo(video)[0].delivery, fakes::Delivery::Posted);

  h.fake.messenger.RemoveWindow(video);  // the video program ended
  OnCommand(h.ctx, cmd::kCloseTv, 0);
  EXPECT_EQ(h.fake.messenger.LogTo(video).size(), 1u);
}

TEST(WindowCommands, MinimisingTellsTheVideoWindowOrHidesItForTheRadio) {
  PanelHarness h;
  OnCommand(h.ctx, cmd::kMinimize, 0);  // no video window: the panel alone
  EXPECT_EQ(h.fake.windows.State(h.ctx.windows.panel).lastShow, kSwMinimize);
  EXPECT_TRUE(h.fake.messenger.Log().empty());

  const WindowRef video = h.AddVideoWindow();
  OnCommand(h.ctx, cmd::kMinimize, 0);
  EXPECT_EQ(h.fake.messenger.CommandsTo(video),
            std::vector<std::uint16_t>{cmd::kVideoPanelMinimized});
  EXPECT_EQ(h.fake.windows.State(video).lastShow, -1);

  h.ctx.mode.fmMode = 1;
  OnCommand(h.ctx, cmd::kMinimize, 0);
  EXPECT_EQ(h.fake.windows.State(video).lastShow, kSwHide);
  EXPECT_EQ(h.fake.messenger.CommandsTo(video).size(), 1u);
}

TEST(WindowCommands, WhileAScanRunsTheWindowCommandsWait) {
  PanelHarness h;
  h.AddVideoWindow();
  h.ctx.mode.cableScan = 1;
  h.ctx.ui.visible = 1;
  for (cmd::Id id : {cmd::kCloseTv, cmd::kReopenTv, cmd::kTrayShowHide, cmd::kMinimize,
                     cmd::kTrayClose, cmd::kPeerEndProgram})
    OnCommand(h.ctx, id, 0);
  EXPECT_EQ(h.ctx.mode.tvClosed, 0);
  EXPECT_TRUE(h.fake.windows.events.empty());
  EXPECT_TRUE(h.received.empty());
}

TEST(WindowCommands, ReopeningRepaintsAndWithoutAVideoWindowReselectsTheStoredSource) {
  const struct {
    const char* stored;
    std::vector<std::uint16_t> posted;
  } cases[] = {{"5", {cmd::kSourceFm}}, {"0", {}}, {"6", {}}, {nullptr, {cmd::kSourceCable}}};
  for (const auto& c : cases) {
    for (cmd::Id id : {cmd::kReopenTv, cmd::kPeerReselectSource}) {
      SCOPED_TRACE(std::string(c.stored ? c.stored : "none") + " " + std::to_string(id));
      PanelHarness h;
      if (c.stored != nullptr) h.ctx.settings.Write(keys::kInputSource, c.stored);
      OnCommand(h.ctx, id, 0);
      h.fake.messenger.DispatchPosted();
      EXPECT_EQ(h.Commands(), c.posted);
    }
  }
  // Repainted at once, the source following; with the video window running, nothing else.
  for (bool withVideo : {false, true}) {
    PanelHarness h;
    if (withVideo) h.AddVideoWindow();
    OnCommand(h.ctx, cmd::kReopenTv, 0);
    ASSERT_EQ(h.received.size(), 1u);
    EXPECT_EQ(h.received[0].message, kWmPaint);
    EXPECT_EQ(h.ctx.ui.visible, 1);
    EXPECT_TRUE(h.fake.windows.State(h.ctx.windows.panel).visible);
    h.fake.messenger.DispatchPosted();
    EXPECT_EQ(h.Commands().empty(), withVideo);
  }
}

TEST(WindowCommands, TheTrayToggleHidesAndShowsThePanelAndItsFileList) {
  PanelHarness h;
  h.AddVideoWindow();
  h.ctx.ui.visible = 1;
  h.ctx.windows.downList = h.fake.windows.CreateList(ListWindow::Down);
  h.ctx.ui.downOpen = 1;
  OnCommand(h.ctx, cmd::kTrayShowHide, 0);
  EXPECT_FALSE(h.fake.windows.State(h.ctx.windows.panel).visible);
  EXPECT_FALSE(h.fake.windows.State(h.ctx.windows.downList).visible);
  OnCommand(h.ctx, cmd::kTrayShowHide, 0);
  EXPECT_TRUE(h.fake.windows.State(h.ctx.windows.panel).visible);
  EXPECT_TRUE(h.fake.windows.State(h.ctx.windows.downList).visible);
  EXPECT_EQ(h.fake.windows.foreground, h.ctx.windows.panel);
  EXPECT_TRUE(h.Commands().empty());  // the video window runs: no source re-selected
}

TEST(WindowCommands, EndingTheProgramStoresThePictureAndClosesTheVideoWindow) {
  PanelHarness h;
  const WindowRef video = h.AddVideoWindow();
  h.ctx.picture = PictureValues{140, 70, -5, 60};
  OnCommand(h.ctx, cmd::kTrayClose, 0);
  EXPECT_EQ(h.ctx.settings.Int(keys::kBrightness), 140);
  EXPECT_EQ(h.ctx.settings.Text(keys::kHue), "-5");
  EXPECT_EQ(h.fake.messenger.LogTo(video)[0].message, kWmClose);
  EXPECT_EQ(h.received.back().message, kWmDestroy);
}

}  // namespace
}  // namespace tv::commands
