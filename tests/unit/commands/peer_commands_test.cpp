// What the peer programs see of the panel: the commands they send it, the answers they get
// back during their own sends, and what the panel then shows and stores.

#include "commands/peer_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
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
constexpr Delivery kSent = Delivery::Sent, kPosted = Delivery::Posted;

struct Msg {
  WindowRef to;
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
  Delivery delivery;
  friend bool operator==(const Msg&, const Msg&) = default;
};
void PrintTo(const Msg& m, std::ostream* os) {
  *os << fakes::Hex(m.to) << " " << m.message << "(" << m.wParam << ", " << m.lParam
      << (m.delivery == kSent ? ") sent" : ") posted");
}
std::vector<Msg> Msgs(const std::vector<LoggedMessage>& log) {
  std::vector<Msg> out;
  for (const LoggedMessage& m : log)
    out.push_back({m.to, m.message, m.wParam, m.lParam, m.delivery});
  return out;
}

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

  // What the LCD routine draws on the window, in a panel of the same mode, for comparison.
  std::vector<Copy> Drawn(const std::function<void(PanelContext&)>& draw) {
    PanelHarness reference;
    reference.ctx.mode = ctx.mode;
    reference.ctx.timeShift = ctx.timeShift;
    draw(reference.ctx);
    return reference.fake.graphics.WindowCopies();
  }
  std::vector<Copy> OnWindow() const { return h.fake.graphics.WindowCopies(); }
  std::vector<Msg> Log() const { return Msgs(h.fake.messenger.Log()); }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
};

TEST(CommandTables, EachIdHasOneHandlerOnly) {
  std::set<std::uint16_t> seen;
  for (HandlerTable table : {WindowCommandHandlers(), PeerCommandHandlers(),
                             ChannelCommandHandlers(), AdjustCommandHandlers()})
    for (const CommandHandler& handler : table)
      EXPECT_TRUE(seen.insert(handler.id).second) << handler.id;
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

TEST_F(PeerTest, APeerEndsThePanelByDestroyingItsWindowAndTheFilesPanelIsMarkedClosed) {
  ctx.ui.downOpen = 1;
  OnCommand(ctx, cmd::kPeerFilesPanelClosed, 0);
  EXPECT_EQ(ctx.ui.downOpen, 0);
  EXPECT_TRUE(h.fake.windows.events.empty());
  EXPECT_TRUE(OnWindow().empty());

  OnCommand(ctx, cmd::kPeerEndProgram, 0);
  EXPECT_TRUE(h.fake.windows.State(ctx.windows.panel).destroyed);
  EXPECT_TRUE(h.fake.messenger.Log().empty());  // the command itself tells nobody
}

// ---- query 42227 --------------------------------------------------------------------------

TEST_F(PeerTest, QueryRadioReadsTheAnswerSentDuringTheCallOrKeepsThePreviousOne) {
  EXPECT_EQ(QueryRadio(ctx), 1);  // no video window: the initial answer
  const WindowRef silent = AddVideo(std::nullopt);
  EXPECT_EQ(QueryRadio(ctx), 1);
  h.fake.messenger.RemoveWindow(silent);

  const WindowRef video = AddVideo(0x50000);  // high word ignored: the answer is 0
  h.fake.messenger.ClearLog();
  EXPECT_EQ(QueryRadio(ctx), 0);
  EXPECT_EQ(Log(), (std::vector<Msg>{{video, kWmCommand, cmd::kQueryRadio, 0, kSent},
                                     {ctx.windows.panel, kWmCommand, cmd::kQueryRadio, 0x50000,
                                      kSent}}));  // the answer came back inside the send
  h.fake.messenger.RemoveWindow(video);
  const WindowRef silentAgain = AddVideo(std::nullopt);
  EXPECT_EQ(QueryRadio(ctx), 0);  // still the last answer given

  h.fake.messenger.RemoveWindow(silentAgain);
  AddVideo(1);
  ctx.mode.recording = 1;  // 42227 is in neither pass set: the answer is lost
  EXPECT_EQ(QueryRadio(ctx), 0);
}

// ---- the schedule program's handshake -----------------------------------------------------

TEST_F(PeerTest, TheScheduleProgramAsksWhetherThePanelIsFree) {
  const WindowRef schedule = h.fake.messenger.AddWindow("PlannerMain", kScheduleTitle);
  OnCommand(ctx, cmd::kScheduleAsk, 0);
  EXPECT_EQ(Log(), (std::vector<Msg>{{schedule, cmd::kScheduleFreeAnswer, 1, 0, kSent}}));

  // A recording or a time shift closes the gate to the question itself; answered directly,
  // the panel is busy.
  for (int ModeFlags::*busy : {&ModeFlags::recording, &ModeFlags::timeShift}) {
    h.fake.messenger.ClearLog();
    ctx.mode.*busy = 1;
    OnCommand(ctx, cmd::kScheduleAsk, 0);
    EXPECT_TRUE(h.fake.messenger.Log().empty());
    AnswerScheduleProgram(ctx, 0);
    EXPECT_EQ(Log(), (std::vector<Msg>{{schedule, cmd::kScheduleFreeAnswer, 0, 0, kSent}}));
    ctx.mode.*busy = 0;
  }
}

TEST_F(PeerTest, TheScheduleProgramGetsTheVideoProgramsFreshAnswer) {
  const WindowRef schedule = h.fake.messenger.AddWindow("PlannerMain", kScheduleTitle);
  const WindowRef video = AddVideo(0);
  OnCommand(ctx, cmd::kScheduleAsk, 7);
  EXPECT_EQ(Log(), (std::vector<Msg>{{video, kWmCommand, cmd::kQueryRadio, 0, kSent},
                                     {ctx.windows.panel, kWmCommand, cmd::kQueryRadio, 0, kSent},
                                     {schedule, cmd::kSchedulePeerAnswer, 0, 0, kSent}}));

  // No video program: the reply carries the last answer.
  h.fake.messenger.RemoveWindow(video);
  h.fake.messenger.ClearLog();
  OnCommand(ctx, cmd::kScheduleAsk, -1);
  EXPECT_EQ(Log(), (std::vector<Msg>{{schedule, cmd::kSchedulePeerAnswer, 0, 0, kSent}}));

  // A window of another title gets no reply, but the query still runs.
  h.fake.messenger.RemoveWindow(schedule);
  h.fake.messenger.AddWindow("PlannerMain", "Another title");
  const WindowRef saysYes = AddVideo(1);
  h.fake.messenger.ClearLog();
  OnCommand(ctx, cmd::kScheduleAsk, 0);
  OnCommand(ctx, cmd::kScheduleAsk, 1);
  EXPECT_EQ(h.fake.messenger.CommandsTo(saysYes), std::vector<std::uint16_t>{cmd::kQueryRadio});
  EXPECT_EQ(Log().size(), 2u);
  EXPECT_EQ(ctx.mode.peerAnswer, 1);
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
  ctx.settings.Write(keys::kUseFullScan, "true");  // only the exact word switches it on
  OnCommand(ctx, cmd::kPeerTunedChannel, 22);
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelCable), "22");
  EXPECT_EQ(ctx.settings.Text(keys::kTvChannelAir), "65539");

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
  EXPECT_EQ(h.fake.messenger.CommandsTo(page), std::vector<std::uint16_t>{cmd::kTvPageScanEnded});

  // The page lists TV channels only: the radio's and a video input's scan ends leave it alone;
  // without a page the TV source's goes nowhere.
  h.fake.messenger.ClearLog();
  for (int* flag : {&ctx.mode.fmMode, &ctx.mode.videoInput}) {
    *flag = 1;
    ctx.mode.fmScan = 1;
    OnCommand(ctx, cmd::kPeerScanEnded, 0);
    EXPECT_EQ(ctx.mode.fmScan, 0);
    *flag = 0;
  }
  ctx.windows.tvPage = WindowRef{};
  OnCommand(ctx, cmd::kPeerScanEnded, 0);
  EXPECT_TRUE(h.fake.messenger.Log().empty());
}

// ---- recording and time-shift reports ---------------------------------------------------------

TEST_F(PeerTest, RecordingReportsDrawTimeAndSizeAndTheEndRearmsTheButton) {
  ctx.mode.recording = 1;
  OnCommand(ctx, cmd::kPeerRecordTime, 3723999);  // 1:02:03, the rest of a second dropped
  OnCommand(ctx, cmd::kPeerRecordSize, 0x1002A);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) {
              panel::DrawRecordTime(c, 3723);
              panel::DrawFileSize(c, 42);
            }));

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

  // The readout is a time of day: a position whole days later shows the same.
  OnCommand(ctx, cmd::kPeerPlaybackSeconds, 125 + 1000 * 86400);
  EXPECT_EQ(OnWindow(), Drawn([](PanelContext& c) { panel::DrawRecordTime(c, 125); }));
  h.fake.messenger.ClearLog();
  OnCommand(ctx, cmd::kPeerPlaybackSeconds, 125);
  EXPECT_EQ(Log(), (std::vector<Msg>{{ctx.windows.panel, kWmCommand, cmd::kTimeShiftPosition,
                                      125 / 6 - 1, kPosted}}));
  h.fake.messenger.DispatchPosted();
  EXPECT_EQ(ctx.ui.sliderX, barX + barW * 19 / 200);

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
  ctx.timeShift = TimeShiftClock{21, 7, 42, 100};
  OnCommand(ctx, cmd::kPeerAskTimeShiftStart, 0);
  EXPECT_EQ(Log(), (std::vector<Msg>{{player, kWmCommand, cmd::kPlaybackStartSecond, 42, kPosted},
                                     {player, kWmCommand, cmd::kPlaybackStartMinute, 7, kPosted},
                                     {player, kWmCommand, cmd::kPlaybackStartHour, 21, kPosted}}));
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
