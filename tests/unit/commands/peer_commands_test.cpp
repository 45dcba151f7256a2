// What the peer programs see of the panel: the commands they send it, the answers they get
// back during their own sends, and what the panel then shows and stores.

#include "commands/peer_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using fakes::Copy;
using fakes::Delivery;
using fakes::LoggedMessage;
using tv::testing::PanelHarness;

constexpr const char* kScheduleTitle = "Schedule Recording Settings";

// A panel whose window procedure runs the gate and the handlers, as the real one does, so that
// a peer's send back during the panel's own send is handled before that send returns.
class PeerTest : public ::testing::Test {
 protected:
  PeerTest() {
    h.onCommand = [this](std::uint16_t id, std::intptr_t lParam) { OnCommand(ctx, id, lParam); };
  }

  // A video window program that answers query 42227 with `answer` (nothing when empty).
  WindowRef AddVideo(std::optional<std::intptr_t> answer) {
    return h.fake.messenger.AddWindow(
        kVideoClass, kVideoTitle,
        [this, answer](std::uint32_t message, std::uintptr_t wParam, std::intptr_t) {
          if (message == kWmCommand && (wParam & 0xFFFF) == cmd::kQueryRadio && answer)
            SendCommand(h.fake.messenger, ctx.windows.panel, cmd::kQueryRadio, *answer);
          return std::intptr_t{0};
        });
  }

  WindowRef AddSchedule(const char* title = kScheduleTitle) {
    return h.fake.messenger.AddWindow("PlannerMain", title);
  }

  // What the LCD routine draws on the window, in a panel of the same mode, for comparison.
  std::vector<Copy> Drawn(const std::function<void(PanelContext&)>& draw) {
    PanelHarness reference;
    reference.ctx.mode = ctx.mode;
    reference.ctx.timeShift = ctx.timeShift;
    draw(reference.ctx);
    return reference.fake.graphics.WindowCopies();
  }
  std::vector<Copy> OnWindow() const { return h.fake.graphics.WindowCopies(); }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
};

// ---- every command a peer may send --------------------------------------------------------

TEST_F(PeerTest, EveryPeerCommandIsTakenByThePanelAndNoneReachesTheDefaultProcedure) {
  const cmd::Id peerIds[] = {
      cmd::kPeerEndProgram,
      cmd::kPeerSnapshotDone,
      cmd::kPeerChannelChanged,
      cmd::kPeerScanEnded,
      cmd::kPeerReady,
      cmd::kPeerRecordingState,
      cmd::kPeerPreviewEnded,
      cmd::kPeerScheduleClosed,
      cmd::kPeerCapturedFile,
      cmd::kPeerFilesPanelClosed,
      cmd::kPeerRecordSize,
      cmd::kTimeShiftPosition,
      cmd::kPeerRecordTime,
      cmd::kPeerRecordingEnded,
      cmd::kPeerSnapshotDone2,
      cmd::kPeerPlaybackSeconds,
      cmd::kPeerSidePanels,
      cmd::kScheduleAsk,
      cmd::kScheduleActive,
      cmd::kPeerTunedChannel,
      cmd::kPeerAudioAnswer,
      cmd::kQueryRadio,
      cmd::kPeerReselectSource,
      cmd::kPeerAskTimeShiftStart,
      cmd::kPeerAudioDone,
      cmd::kPeerTvPageDone,
      cmd::kPeerRecordPageAnswer1,
      cmd::kPeerRecordPageAnswer2,
  };
  // Each id is handled by exactly one room, and the peer table holds each of them.
  for (cmd::Id id : peerIds) {
    SCOPED_TRACE(id);
    int tables = 0;
    for (HandlerTable table : {WindowCommandHandlers(), PeerCommandHandlers(),
                               ChannelCommandHandlers(), AdjustCommandHandlers()})
      for (const CommandHandler& handler : table) tables += handler.id == id ? 1 : 0;
    EXPECT_EQ(tables, 1);
    bool inPeerTable = false;
    for (const CommandHandler& handler : PeerCommandHandlers()) inPeerTable |= handler.id == id;
    EXPECT_TRUE(inPeerTable);
  }
  // With time shift running the transport reports pass too; everything is consumed.
  ctx.mode.timeShift = 1;
  for (cmd::Id id : {cmd::kTimeShiftPosition, cmd::kPeerPlaybackSeconds})
    EXPECT_TRUE(OnCommand(ctx, id, 0)) << id;
  ctx.mode.timeShift = 0;
  for (cmd::Id id : peerIds) EXPECT_TRUE(OnCommand(ctx, id, 0)) << id;
  // The sound card's volume report belongs to the volume commands, not to this table.
  for (const CommandHandler& handler : PeerCommandHandlers())
    EXPECT_NE(handler.id, cmd::kPeerSoundCardVolume);
}

TEST_F(PeerTest, AcknowledgementsClearTheirFlagsFromTheLowWord) {
  const struct {
    cmd::Id id;
    std::intptr_t lParam;
    int ModeFlags::*flag;
    int before;
    int after;
  } cases[] = {
      {cmd::kPeerReady, 0, &ModeFlags::videoBusy, 1, 0},
      {cmd::kPeerSnapshotDone, 0, &ModeFlags::snapshotBusy, 1, 0},
      {cmd::kPeerSnapshotDone2, 0, &ModeFlags::snapshotBusy, 1, 0},
      {cmd::kPeerPreviewEnded, 0, &ModeFlags::previewActive, 1, 0},
      {cmd::kPeerScheduleClosed, 0, &ModeFlags::scheduleOpen, 1, 0},
      {cmd::kPeerRecordingState, 0x30001, &ModeFlags::recording, 0, 1},
      {cmd::kPeerRecordingState, 0, &ModeFlags::recording, 1, 0},  // passes the recording gate
      {cmd::kScheduleActive, 0x70001, &ModeFlags::scheduleActive, 0, 1},
      {cmd::kScheduleActive, 0x10000, &ModeFlags::scheduleActive, 1, 0},
      {cmd::kQueryRadio, 0xFFFF0000, &ModeFlags::peerAnswer, 1, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    PanelHarness fresh;
    fresh.ctx.mode.*c.flag = c.before;
    EXPECT_TRUE(OnCommand(fresh.ctx, c.id, c.lParam));
    EXPECT_EQ(fresh.ctx.mode.*c.flag, c.after);
  }
}

TEST_F(PeerTest, APeerEndsThePanelByDestroyingItsWindow) {
  OnCommand(ctx, cmd::kPeerEndProgram, 0);
  EXPECT_TRUE(h.fake.windows.State(ctx.windows.panel).destroyed);
  EXPECT_TRUE(h.fake.messenger.Log().empty());  // the command itself tells nobody
}

// ---- query 42227 --------------------------------------------------------------------------

TEST_F(PeerTest, QueryRadioReadsTheAnswerThePeerSentDuringTheCall) {
  const WindowRef video = AddVideo(0x50000);  // high word ignored: the answer is 0
  EXPECT_EQ(QueryRadio(ctx), 0);
  EXPECT_EQ(ctx.mode.peerAnswer, 0);
  const std::vector<LoggedMessage> log = h.fake.messenger.Log();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].to, video);
  EXPECT_TRUE(log[0].IsCommand(cmd::kQueryRadio));
  EXPECT_EQ(log[0].lParam, 0);
  EXPECT_EQ(log[0].delivery, Delivery::Sent);
  EXPECT_EQ(log[1].to, ctx.windows.panel);  // the answer came back inside the send
  EXPECT_EQ(log[1].delivery, Delivery::Sent);

  h.fake.messenger.RemoveWindow(video);
  AddVideo(1);
  EXPECT_EQ(QueryRadio(ctx), 1);
}

TEST_F(PeerTest, QueryRadioWithoutAnAnswerKeepsThePreviousOne) {
  EXPECT_EQ(QueryRadio(ctx), 1);  // no video window: the initial answer
  const WindowRef silent = AddVideo(std::nullopt);
  EXPECT_EQ(QueryRadio(ctx), 1);
  EXPECT_EQ(h.fake.messenger.CommandsTo(silent), std::vector<std::uint16_t>{cmd::kQueryRadio});

  h.fake.messenger.RemoveWindow(silent);
  const WindowRef saysNo = AddVideo(0);
  EXPECT_EQ(QueryRadio(ctx), 0);
  h.fake.messenger.RemoveWindow(saysNo);
  AddVideo(std::nullopt);
  EXPECT_EQ(QueryRadio(ctx), 0);  // still the last answer given
}

TEST_F(PeerTest, AnAnswerThatArrivesWhileTheGateIsClosedIsLost) {
  AddVideo(0);
  ctx.mode.recording = 1;  // 42227 is in neither pass set
  EXPECT_EQ(QueryRadio(ctx), 1);
}

// ---- the schedule program's handshake -----------------------------------------------------

TEST_F(PeerTest, TheScheduleProgramAsksWhetherThePanelIsFree) {
  const WindowRef schedule = AddSchedule();
  OnCommand(ctx, cmd::kScheduleAsk, 0);
  ASSERT_EQ(h.fake.messenger.LogTo(schedule).size(), 1u);
  const LoggedMessage reply = h.fake.messenger.LogTo(schedule)[0];
  EXPECT_EQ(reply.message, cmd::kScheduleFreeAnswer);
  EXPECT_EQ(reply.wParam, 1u);
  EXPECT_EQ(reply.lParam, 0);
  EXPECT_EQ(reply.delivery, Delivery::Sent);

  // A recording or a time shift closes the gate to the question itself; answered directly,
  // the panel is busy.
  for (int ModeFlags::*busy : {&ModeFlags::recording, &ModeFlags::timeShift}) {
    h.fake.messenger.ClearLog();
    ctx.mode.*busy = 1;
    OnCommand(ctx, cmd::kScheduleAsk, 0);
    EXPECT_TRUE(h.fake.messenger.Log().empty());
    AnswerScheduleProgram(ctx, 0);
    ASSERT_EQ(h.fake.messenger.LogTo(schedule).size(), 1u);
    EXPECT_EQ(h.fake.messenger.LogTo(schedule)[0].wParam, 0u);
    ctx.mode.*busy = 0;
  }
}

TEST_F(PeerTest, TheScheduleProgramGetsTheVideoProgramsFreshAnswer) {
  const WindowRef schedule = AddSchedule();
  const WindowRef video = AddVideo(0);
  OnCommand(ctx, cmd::kScheduleAsk, 7);
  const std::vector<LoggedMessage> log = h.fake.messenger.Log();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].to, video);  // query first, reply after the answer came back
  EXPECT_EQ(log[1].to, ctx.windows.panel);
  EXPECT_EQ(log[2].to, schedule);
  EXPECT_EQ(log[2].message, cmd::kSchedulePeerAnswer);
  EXPECT_EQ(log[2].wParam, 0u);
  EXPECT_EQ(log[2].lParam, 0);
  EXPECT_EQ(log[2].delivery, Delivery::Sent);

  // No video program: the reply carries the last answer.
  h.fake.messenger.RemoveWindow(video);
  h.fake.messenger.ClearLog();
  OnCommand(ctx, cmd::kScheduleAsk, -1);
  ASSERT_EQ(h.fake.messenger.LogTo(schedule).size(), 1u);
  EXPECT_EQ(h.fake.messenger.LogTo(schedule)[0].wParam, 0u);
}

TEST_F(PeerTest, AMissingScheduleWindowGetsNoReplyButTheQueryStillRuns) {
  const WindowRef video = AddVideo(0);
  h.fake.messenger.AddWindow("PlannerMain", "Another title");
  OnCommand(ctx, cmd::kScheduleAsk, 0);
  OnCommand(ctx, cmd::kScheduleAsk, 1);
  for (const LoggedMessage& m : h.fake.messenger.Log())
    EXPECT_TRUE(m.to == video || m.to == ctx.windows.panel);
  EXPECT_EQ(ctx.mode.peerAnswer, 0);
}

TEST(ScheduleWindow, IsFoundByTheTitleOfTheLayoutFile) {
  PanelHarness h("[Panel]\r\nIDS_PLANNER_DIALOG=Planner\r\n");
  const WindowRef planner = h.fake.messenger.AddWindow("AnyClass", "Planner");
  h.fake.messenger.AddWindow("AnyClass", kScheduleTitle);
  OnCommand(h.ctx, cmd::kScheduleAsk, 0);
  ASSERT_EQ(h.fake.messenger.Log().size(), 1u);
  EXPECT_EQ(h.fake.messenger.Log()[0].to, planner);
}

// ---- channels the peer tuned ----------------------------------------------------------------

TEST_F(PeerTest, AChannelChangedByThePeerIsShownForTheCurrentSource) {
  ctx.mode.airBand = 1;
  OnCommand(ctx, cmd::kPeerChannelChanged, 0x10025);  // value: the low word, 37
  EXPECT_EQ(ctx.channels.currentChannel, 37);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawChannelNumber(c, 37); }));
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelAir, "unset", 10), "unset");

  h.fake.graphics.ClearCopies();
  ctx.mode.fmMode = 1;
  OnCommand(ctx, cmd::kPeerChannelChanged, 1017);
  EXPECT_EQ(ctx.channels.fm100kHz, 1017);
  EXPECT_EQ(ctx.channels.currentChannel, 37);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawFmFrequency(c, 1017, 4); }));

  // A video input has neither channel nor frequency.
  h.fake.graphics.ClearCopies();
  ctx.mode.fmMode = 0;
  ctx.mode.videoInput = 1;
  OnCommand(ctx, cmd::kPeerChannelChanged, 12);
  EXPECT_EQ(ctx.channels.currentChannel, 37);
  EXPECT_TRUE(OnWindow().empty());
}

TEST_F(PeerTest, ATunedChannelIsStoredForTheBandUnlessTheFullScanListIsInUse) {
  ctx.mode.airBand = 1;
  OnCommand(ctx, cmd::kPeerTunedChannel, 0x10003);  // the whole lParam: 65539
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelAir), "65539");
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawChannelNumber(c, 65539); }));

  ctx.mode.airBand = 0;
  OnCommand(ctx, cmd::kPeerTunedChannel, 21);
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelCable), "21");
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelAir), "65539");

  // Only the exact word switches full-scan mode on.
  ctx.settings.Write(keys::kUseFullScan, "true");
  OnCommand(ctx, cmd::kPeerTunedChannel, 22);
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelCable), "22");

  ctx.settings.Write(keys::kUseFullScan, "TRUE");
  h.fake.graphics.ClearCopies();
  OnCommand(ctx, cmd::kPeerTunedChannel, 5);
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelCable), "22");
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawChannelNumber(c, 5); }));
}

TEST_F(PeerTest, TheEndOfAScanClearsTheScanAndRefreshesTheTvSettingsPage) {
  const WindowRef page = h.fake.messenger.AddWindow("#32770", "TV");
  ctx.windows.tvPage = page;
  ctx.mode.airScan = ctx.mode.cableScan = ctx.mode.fmScan = ctx.mode.videoBusy = 1;
  OnCommand(ctx, cmd::kPeerScanEnded, 0);
  EXPECT_EQ(ctx.mode.airScan + ctx.mode.cableScan + ctx.mode.fmScan + ctx.mode.videoBusy, 0);
  ASSERT_EQ(h.fake.messenger.LogTo(page).size(), 1u);
  EXPECT_TRUE(h.fake.messenger.LogTo(page)[0].IsCommand(cmd::kTvPageScanEnded));
  EXPECT_EQ(h.fake.messenger.LogTo(page)[0].lParam, 0);

  // The page lists TV channels only; the radio's scan end leaves it alone.
  h.fake.messenger.ClearLog();
  ctx.mode.fmMode = 1;
  ctx.mode.fmScan = 1;
  OnCommand(ctx, cmd::kPeerScanEnded, 0);
  EXPECT_EQ(ctx.mode.fmScan, 0);
  EXPECT_TRUE(h.fake.messenger.Log().empty());

  // A video input's scan end likewise; without a page the TV source's goes nowhere.
  ctx.mode.fmMode = 0;
  ctx.mode.videoInput = 1;
  OnCommand(ctx, cmd::kPeerScanEnded, 0);
  EXPECT_TRUE(h.fake.messenger.Log().empty());
  ctx.mode.videoInput = 0;
  ctx.windows.tvPage = WindowRef{};
  OnCommand(ctx, cmd::kPeerScanEnded, 0);
  EXPECT_TRUE(h.fake.messenger.Log().empty());
}

// ---- recording and time-shift reports ---------------------------------------------------------

TEST_F(PeerTest, RecordingReportsDrawTimeAndSizeAndTheEndRearmsTheButton) {
  ctx.mode.recording = 1;
  OnCommand(ctx, cmd::kPeerRecordTime, 3723999);  // 1:02:03, the rest of a second dropped
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawRecordTime(c, 3723); }));

  h.fake.graphics.ClearCopies();
  OnCommand(ctx, cmd::kPeerRecordSize, 0x1002A);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawFileSize(c, 42); }));

  h.fake.graphics.ClearCopies();
  ctx.mode.recordArmed = 0;
  OnCommand(ctx, cmd::kPeerRecordingEnded, 0);
  EXPECT_EQ(ctx.mode.recordArmed, 1);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) {
              panel::DrawFileSize(c, 0);
              panel::DrawRecordTime(c, 0);
            }));
}

TEST_F(PeerTest, ThePlayersPositionMovesTheMarkerThroughASelfPostedCommand) {
  const int barX = ctx.layout.Value(panel::Lcd::TIMESHIFTPOINTX);
  const int barW = ctx.layout.Value(panel::Lcd::TIMESHIFTWIDTH);
  ctx.mode.timeShift = 1;
  ctx.timeShift = TimeShiftClock{23, 59, 50, 200};

  OnCommand(ctx, cmd::kPeerPlaybackSeconds, 125);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawRecordTime(c, 125); }));
  const std::vector<LoggedMessage> toPanel = h.fake.messenger.LogTo(ctx.windows.panel);
  ASSERT_EQ(toPanel.size(), 1u);
  EXPECT_TRUE(toPanel[0].IsCommand(cmd::kTimeShiftPosition));
  EXPECT_EQ(toPanel[0].lParam, 125 / 6 - 1);
  EXPECT_EQ(toPanel[0].delivery, Delivery::Posted);
  h.fake.messenger.DispatchPosted();
  EXPECT_EQ(ctx.ui.sliderX, barX + barW * 19 / 200);

  // The readout is a time of day: a position whole days later shows the same.
  h.fake.graphics.ClearCopies();
  OnCommand(ctx, cmd::kPeerPlaybackSeconds, 125 + 1000 * 86400);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawRecordTime(c, 125); }));
  h.fake.messenger.DispatchPosted();

  // Before the first 6 seconds the position is -1, which counts as the start of the bar.
  OnCommand(ctx, cmd::kPeerPlaybackSeconds, 3);
  h.fake.messenger.DispatchPosted();
  EXPECT_EQ(ctx.ui.sliderX, barX);

  // A position far past the scale does not wrap round to the left.
  OnCommand(ctx, cmd::kTimeShiftPosition, 0x7FFFFFFF);
  EXPECT_GT(ctx.ui.sliderX, barX + barW);

  // Without time shift the marker is not the peer's to move.
  ctx.mode.timeShift = 0;
  OnCommand(ctx, cmd::kTimeShiftPosition, 50);
  EXPECT_GT(ctx.ui.sliderX, barX + barW);
}

TEST_F(PeerTest, ThePlayerIsToldWhenTheTimeShiftStarted) {
  OnCommand(ctx, cmd::kPeerAskTimeShiftStart, 0);  // no player: nothing to tell
  EXPECT_TRUE(h.fake.messenger.Log().empty());

  const WindowRef player = h.fake.messenger.AddWindow(kPlaybackClass, kPlaybackTitle);
  ctx.mode.timeShift = 1;
  ctx.timeShift.startHour = 21;
  ctx.timeShift.startMinute = 7;
  ctx.timeShift.startSecond = 42;
  OnCommand(ctx, cmd::kPeerAskTimeShiftStart, 0);
  const std::vector<LoggedMessage> log = h.fake.messenger.LogTo(player);
  ASSERT_EQ(log.size(), 3u);
  const std::pair<cmd::Id, std::intptr_t> expected[] = {{cmd::kPlaybackStartSecond, 42},
                                                        {cmd::kPlaybackStartMinute, 7},
                                                        {cmd::kPlaybackStartHour, 21}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(log[i].IsCommand(expected[i].first));
    EXPECT_EQ(log[i].lParam, expected[i].second);
    EXPECT_EQ(log[i].delivery, Delivery::Posted);
  }
}

TEST_F(PeerTest, TheFilesPanelIsMarkedClosedWithoutTouchingAWindow) {
  ctx.ui.downOpen = 1;
  OnCommand(ctx, cmd::kPeerFilesPanelClosed, 0);
  EXPECT_EQ(ctx.ui.downOpen, 0);
  EXPECT_TRUE(h.fake.windows.events.empty());
  EXPECT_TRUE(OnWindow().empty());
}

// A peer that sends nonsense: every command the peers may send, with extreme arguments, in
// every mode of the gate. The sanitizer builds watch for overflows.
TEST(HostilePeer, ExtremeArgumentsInEveryModeAreTakenWithoutHarm) {
  const std::intptr_t extremes[] = {0,
                                    1,
                                    -1,
                                    0xFFFF,
                                    0x10000,
                                    0x7FFFFFFF,
                                    -0x7FFFFFFF - 1,
                                    static_cast<std::intptr_t>(0xFFFFFFFFu)};
  for (int mode = 0; mode < 4; ++mode) {
    PanelHarness h;
    h.onCommand = [&h](std::uint16_t id, std::intptr_t lParam) { OnCommand(h.ctx, id, lParam); };
    h.ctx.timeShift = TimeShiftClock{23, 59, 59, 100};  // a time shift begun just before midnight
    h.ctx.ui.sliderX = h.ctx.layout.Value(panel::Lcd::TIMESHIFTPOINTX);
    h.AddVideoWindow();
    h.fake.messenger.AddWindow(kPlaybackClass, kPlaybackTitle);
    for (const CommandHandler& handler : PeerCommandHandlers()) {
      if (handler.id == cmd::kPeerEndProgram) continue;
      for (std::intptr_t lParam : extremes) {
        h.ctx.mode.timeShift = mode & 1;
        h.ctx.mode.recording = (mode >> 1) & 1;
        OnCommand(h.ctx, handler.id, lParam);
        h.fake.messenger.DispatchPosted();
        // Whatever the position, the marker never leaves the bar to the left.
        EXPECT_GE(h.ctx.ui.sliderX, h.ctx.layout.Value(panel::Lcd::TIMESHIFTPOINTX));
      }
    }
  }
}

}  // namespace
}  // namespace tv::commands
