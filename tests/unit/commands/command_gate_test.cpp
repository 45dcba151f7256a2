#include "commands/command_gate.h"

#include <gtest/gtest.h>

#include "app/key_table.h"
#include "commands/command_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using tv::testing::PanelHarness;

TEST(CommandGate, TimeShiftAndRecordingEachLetOnlyTheirOwnSetThrough) {
  ModeFlags mode;
  // Transport commands mean nothing without time shift.
  for (cmd::Id id :
       {cmd::kPlay, cmd::kStop, cmd::kPause, cmd::kBack, cmd::kForward, cmd::kTimeShiftPosition})
    EXPECT_EQ(Gate(mode, id), GateVerdict::Drop) << id;
  EXPECT_EQ(Gate(mode, cmd::kChannelUp), GateVerdict::Pass);
  EXPECT_EQ(Gate(mode, 12345), GateVerdict::Pass);

  mode.timeShift = 1;
  EXPECT_EQ(Gate(mode, cmd::kPlay), GateVerdict::Pass);
  EXPECT_EQ(Gate(mode, cmd::kPeerPlaybackSeconds), GateVerdict::Pass);
  EXPECT_EQ(Gate(mode, cmd::kChannelUp), GateVerdict::Drop);
  EXPECT_EQ(Gate(mode, cmd::kPeerRecordingState), GateVerdict::Drop);  // 40114 too

  mode.timeShift = 0;
  mode.recording = 1;
  EXPECT_EQ(Gate(mode, cmd::kPeerRecordingState), GateVerdict::Pass);
  EXPECT_EQ(Gate(mode, cmd::kRecord), GateVerdict::Pass);
  EXPECT_EQ(Gate(mode, cmd::kMute), GateVerdict::Drop);
  EXPECT_EQ(Gate(mode, cmd::kPeerReady), GateVerdict::Drop);

  // Both: only the ids of both sets.
  mode.timeShift = 1;
  int passed = 0;
  for (int id = 0; id <= 0xFFFF; ++id)
    if (Gate(mode, static_cast<std::uint16_t>(id)) == GateVerdict::Pass) ++passed;
  EXPECT_EQ(passed, 5);
  for (cmd::Id id : {cmd::kVolumeUp, cmd::kVolumeDown, cmd::kFullScreen, cmd::kPlus, cmd::kMinus})
    EXPECT_EQ(Gate(mode, id), GateVerdict::Pass) << id;
}

TEST(CommandGate, IdsWithoutAHandlerGoToTheDefaultProcedureUnlessDropped) {
  PanelHarness h;
  EXPECT_FALSE(OnCommand(h.ctx, 12345, 0));
  h.ctx.mode.timeShift = 1;
  EXPECT_TRUE(OnCommand(h.ctx, 12345, 0));  // dropped: consumed, not passed on
  h.ctx.mode.timeShift = 0;
  h.ctx.mode.videoBusy = 1;
  EXPECT_TRUE(OnCommand(h.ctx, cmd::kPeerReady, 0));
  EXPECT_EQ(h.ctx.mode.videoBusy, 0);
}

TEST(WindowCommands, ClosingTheTvTwiceClosesTheVideoWindowOnlyWhileItExists) {
  PanelHarness h;
  const WindowRef video = h.AddVideoWindow();
  h.ctx.ui.visible = 1;
  OnCommand(h.ctx, cmd::kCloseTv, 0);
  EXPECT_EQ(h.ctx.mode.tvClosed, 1);
  EXPECT_EQ(h.ctx.ui.visible, 0);
  EXPECT_EQ(h.fake.windows.State(h.ctx.windows.panel).lastShow, kSwHide);
  ASSERT_EQ(h.fake.messenger.LogTo(video).size(), 1u);
  EXPECT_EQ(h.fake.messenger.LogTo(video)[0].message, kWmClose);

  h.fake.messenger.RemoveWindow(video);  // the video program ended
  OnCommand(h.ctx, cmd::kCloseTv, 0);
  EXPECT_EQ(h.fake.messenger.LogTo(video).size(), 1u);
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

TEST(WindowCommands, ReopeningWithoutAVideoWindowReselectsTheStoredSource) {
  const struct {
    const char* stored;
    std::vector<std::uint16_t> posted;
  } cases[] = {{"5", {cmd::kSourceFm}}, {"0", {}}, {"6", {}}, {nullptr, {cmd::kSourceCable}}};
  for (const auto& c : cases) {
    PanelHarness h;
    if (c.stored != nullptr) h.ctx.settings.Write(keys::kInputSource, c.stored);
    OnCommand(h.ctx, cmd::kReopenTv, 0);
    ASSERT_FALSE(h.received.empty());
    EXPECT_EQ(h.received.back().message, kWmPaint);  // repainted at once; the source follows
    h.fake.messenger.DispatchPosted();
    EXPECT_EQ(h.Commands(), c.posted);
    EXPECT_EQ(h.ctx.ui.visible, 1);

    // The peer's own request to re-select follows the same table.
    PanelHarness peer;
    if (c.stored != nullptr) peer.ctx.settings.Write(keys::kInputSource, c.stored);
    OnCommand(peer.ctx, cmd::kPeerReselectSource, 0);
    peer.fake.messenger.DispatchPosted();
    EXPECT_EQ(peer.Commands(), c.posted);
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

  h.ctx.mode.fmMode = 1;
  OnCommand(h.ctx, cmd::kMinimize, 0);
  EXPECT_EQ(h.fake.windows.State(video).lastShow, kSwHide);
  EXPECT_EQ(h.fake.windows.State(h.ctx.windows.panel).lastShow, kSwMinimize);
}

}  // namespace
}  // namespace tv::commands
