// Recording, time shift, the player's keys and snapshots, as the video window program, its
// player, the schedule program and the disk see them.

#include "commands/recording_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using fakes::Delivery;
using tv::testing::PanelHarness;

constexpr std::uint64_t kMiB = 1ull << 20;
constexpr Delivery kSent = Delivery::Sent, kPosted = Delivery::Posted;
constexpr const char* kNoSpace = "Disk Space is not enough !!!Can't start recording!!";
constexpr std::uint32_t kInputMute = 13;

using Msgs = std::vector<std::string>;
// One message as "wParam lParam", prefixed "message:" when not a command, marked when sent.
std::string M(std::uintptr_t w, std::intptr_t l = 0, Delivery d = kPosted,
              std::uint32_t message = kWmCommand) {
  return (message == kWmCommand ? "" : std::to_string(message) + ":") + std::to_string(w) + " " +
         std::to_string(l) + (d == kSent ? " sent" : "");
}

// A running panel with the card's window, a capture folder on a roomy disk and a sound card
// input that time shift mutes.
class RecordingPanel {
 public:
  RecordingPanel() {
    h.onCommand = [this](std::uint16_t id, std::intptr_t lParam) { OnCommand(ctx, id, lParam); };
    h.fake.time.onTimer = [this](std::uint32_t id) { panel::OnTimer(ctx, id); };
    h.fake.time.onIdle = [this] { h.fake.messenger.DispatchPosted(); };
    video = h.AddVideoWindow();
    ctx.settings.Write(keys::kCaptureFile, "C:\\Tv\\Captures");
    ctx.settings.Write(keys::kTimeShiftFileRoot, "C:\\Tv\\Shift\\TimeShift.mpg");
    ctx.settings.Write(keys::kInputSource, 4);
    SetFree("C:\\Tv\\", 4096);
    SetFree("C:\\Tv\\Shift\\", 4096);
    ctx.mixer.inputMuteControl = kInputMute;
  }

  void SetFree(const std::string& path, std::uint64_t mib) {
    h.fake.files.freeBytes[path] = mib * kMiB;
  }
  void Do(std::uint16_t id, std::intptr_t lParam = 0) {
    OnCommand(ctx, id, lParam);
    h.fake.messenger.DispatchPosted();
  }
  Msgs To(WindowRef window) const {
    Msgs out;
    for (const auto& m : h.fake.messenger.LogTo(window))
      out.push_back(M(m.wParam, m.lParam, m.delivery, m.message));
    return out;
  }
  // Each box as "owner|text|caption|style".
  Msgs Boxes() const {
    Msgs out;
    for (const auto& b : h.fake.messageBoxes.Shown())
      out.push_back(fakes::Hex(b.owner) + "|" + b.text + "|" + b.caption.value_or("-") + "|" +
                    std::to_string(b.style));
    return out;
  }
  Msgs NoSpace() const { return {fakes::Hex(ctx.windows.panel) + "|" + kNoSpace + "|Warning|0"}; }
  // recording, recordArmed, snapshotBusy, timeShift, videoBusy.
  std::string Mode() const {
    const ModeFlags& m = ctx.mode;
    return std::to_string(m.recording) + std::to_string(m.recordArmed) +
           std::to_string(m.snapshotBusy) + std::to_string(m.timeShift) +
           std::to_string(m.videoBusy);
  }
  void ClearLogs() { h.fake.messenger.ClearLog(); }
  std::optional<std::uint32_t> InputMute() const {
    const auto values = h.fake.mixer.ValuesOf(kInputMute);
    return values ? std::optional((*values)[0]) : std::nullopt;
  }
  WindowRef AddPlayer() { return h.fake.messenger.AddWindow(kPlaybackClass, kPlaybackTitle); }
  WindowRef AddSchedule() {
    return h.fake.messenger.AddWindow("Planner", "Schedule Recording Settings");
  }
  // Time shift running, acknowledged by the card, with its player open.
  WindowRef TimeShiftRunning() {
    Do(cmd::kTimeShift);
    Do(cmd::kPeerReady);
    const WindowRef player = AddPlayer();
    ClearLogs();
    return player;
  }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

class RecordingTest : public ::testing::Test, public RecordingPanel {};

// ---- the free-space check ---------------------------------------------------------------------

TEST_F(RecordingTest, DiskCheckComparesWholeMiBAgainstTheMinimumPlus100In64Bits) {
  const struct {
    const char* minimum;  // "DiskFreeSpace"; null: missing
    std::uint64_t freeBytes;
    bool starts;
    // clang-format off
  } cases[] = {
      // Missing: 500; 599.99 MiB truncates to 599. Empty means 500 too.
      {nullptr, 600 * kMiB, true}, {nullptr, 600 * kMiB - 1, false}, {"", 550 * kMiB, false},
      {"", 600 * kMiB, true}, {"0", 99 * kMiB, false}, {"0", 100 * kMiB, true},
      // Not a number reads as 0, a number's leading digits as that number.
      {"abc", 100 * kMiB, true}, {"abc", 99 * kMiB, false}, {"12abc", 112 * kMiB, true},
      {"12abc", 111 * kMiB, false},
      // A minimum below zero passes even an empty disk.
      {"-50", 50 * kMiB, true}, {"-50", 49 * kMiB, false}, {"-200", 0, true},
      // No wrap at the int limit; 20480 MiB are beyond 32 bits of bytes.
      {"2147483647", 2147483746ull * kMiB, false}, {"2147483647", 2147483747ull * kMiB, true},
      {"20380", 5ull << 32, true}, {"20381", 5ull << 32, false}};
  // clang-format on
  for (const auto& c : cases) {
    if (c.minimum)
      ctx.settings.Write(keys::kDiskFreeSpace, c.minimum);
    else
      ctx.settings.Delete(keys::kDiskFreeSpace);
    h.fake.files.freeBytes["C:\\Tv\\"] = c.freeBytes;
    EXPECT_EQ(EnoughDiskSpace(ctx, keys::kCaptureFile), c.starts)
        << (c.minimum ? c.minimum : "(missing)") << " " << c.freeBytes;
  }
}

TEST_F(RecordingTest, DiskCheckAsksAboutThePathCutAfterItsLastBackslashAndAFailedQueryIsAFullDisk) {
  const std::string longName(300, 'a');
  const struct {
    std::string folder;
    std::string asked;
    bool starts;
  } cases[] = {
      {"C:\\Tv\\Captures", "C:\\Tv\\", true},
      {"C:\\Tv\\", "C:\\Tv\\", true},
      {"C:\\Nowhere\\Captures", "C:\\Nowhere\\", false},  // the query fails: 0 MiB
      {"", "", false},
      {"Captures", "Captures", false},
      {"D:", "D:", false},
      {"C:/Tv/Captures", "C:/Tv/Captures", false},  // only a backslash cuts
      {"\\\\server\\share\\x", "\\\\server\\share\\", false},
      // Read with room for 259 characters: the cut sees only those.
      {"C:\\Tv\\" + longName + "\\x", "C:\\Tv\\", true},
  };
  for (const auto& c : cases) {
    ctx.settings.Write(keys::kCaptureFile, c.folder);
    EXPECT_EQ(EnoughDiskSpace(ctx, keys::kCaptureFile), c.starts) << c.folder;
    EXPECT_EQ(h.fake.files.spaceQueries.back(), c.asked) << c.folder;
  }
}

// ---- record ---------------------------------------------------------------------------------

TEST(RecordingCases, RecordStartsShowingTheCardOrWarnsOnThePanelAndChangesOnlyItsFlags) {
  for (const bool roomy : {true, false}) {
    RecordingPanel p;
    p.SetFree("C:\\Tv\\", roomy ? 600 : 599);
    p.ctx.mode.snapshotBusy = 0;
    p.Do(cmd::kRecord);
    const Msgs started{M(cmd::kVideoRecordState, 1, kSent), M(cmd::kVideoRecordToggle)};
    EXPECT_EQ(p.To(p.video), roomy ? started : Msgs{});
    EXPECT_EQ(p.Boxes(), roomy ? Msgs{} : p.NoSpace());
    EXPECT_EQ(p.Mode(), roomy ? "10100" : "01100");
    EXPECT_TRUE(!roomy || p.h.fake.windows.State(p.video).lastShow == kSwShowNormal);
    EXPECT_EQ(p.h.fake.time.PeriodOf(panel::kTimerRecordArm), 3000u);
    EXPECT_EQ(p.h.fake.files.spaceQueries, Msgs{"C:\\Tv\\"});
  }
}

TEST_F(RecordingTest, RecordIsDisarmedForThreeSecondsOrUntilTheCardEndsARecording) {
  Do(cmd::kRecord);
  ClearLogs();
  Do(cmd::kRecord);  // within 3000 ms: nothing reaches the card
  h.fake.time.Advance(2999);
  Do(cmd::kRecord);
  EXPECT_TRUE(To(video).empty());
  EXPECT_EQ(ctx.mode.recording, 1);
  h.fake.time.Advance(1);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerRecordArm));  // one-shot
  Do(cmd::kRecord);
  EXPECT_EQ(To(video), (Msgs{M(cmd::kVideoRecordState, 0, kSent), M(cmd::kVideoRecordToggle)}));
  EXPECT_EQ(ctx.mode.recording, 0);
  // A stop starts no re-arm timer: the button waits for the card's 40312.
  h.fake.time.Advance(10000);
  ClearLogs();
  Do(cmd::kRecord);
  EXPECT_TRUE(To(video).empty());
  Do(cmd::kPeerRecordingEnded);
  Do(cmd::kRecord);
  EXPECT_EQ(To(video).size(), 2u);
  EXPECT_EQ(ctx.mode.recording, 1);
}

TEST(RecordingCases, TheScheduleProgramHearsOfAStopAndOfARefusedStartOnlyWhileActive) {
  const struct {
    int scheduleActive;
    int recording;
    std::uint64_t freeMiB;
    bool told;
  } cases[] = {
      {1, 0, 599, true},  {1, 1, 0, true},     {1, 0, 4096, false},
      {0, 0, 599, false}, {0, 1, 4096, false},
  };
  for (const auto& c : cases) {
    RecordingPanel p;
    const WindowRef schedule = p.AddSchedule();
    p.ctx.mode.scheduleActive = c.scheduleActive;
    p.ctx.mode.recording = c.recording;
    p.ctx.mode.recordArmed = 1;
    p.SetFree("C:\\Tv\\", c.freeMiB);
    p.ClearLogs();
    OnCommand(p.ctx, cmd::kRecord, 0);
    EXPECT_EQ(p.To(schedule), c.told ? Msgs{M(0, 0, kPosted, cmd::kScheduleRecordRefused)} : Msgs{})
        << c.scheduleActive << c.recording << " " << c.freeMiB;
    p.h.fake.messenger.RemoveWindow(schedule);
  }
}

TEST_F(RecordingTest, RecordClosesTheChannelListFirstAndNeedsTheCard) {
  ctx.ui.sideOpen = 1;
  Do(cmd::kRecord);
  Msgs first;
  for (const auto& m : h.fake.messenger.Log())
    if (first.size() < 2) first.push_back(M(m.wParam, m.lParam, m.delivery, m.message));
  EXPECT_EQ(first, (Msgs{M(cmd::kToggleSidePart, 0, kSent), M(cmd::kVideoRecordState, 1, kSent)}));

  // Without the card the toggle stops silently, after the re-arm timer has started.
  h.fake.messenger.RemoveWindow(video);
  ctx.mode.recording = 0;
  ctx.mode.recordArmed = 1;
  ClearLogs();
  Do(cmd::kRecord);
  EXPECT_TRUE(h.fake.messenger.Log().empty());
  EXPECT_EQ(Mode().substr(0, 2), "01");
}

TEST_F(RecordingTest, RecordIsIgnoredWhileTheTvIsClosedOrAScanRunsAndKeepsTheCardHiddenOnFm) {
  for (int* flag : {&ctx.mode.tvClosed, &ctx.mode.airScan, &ctx.mode.cableScan, &ctx.mode.fmScan}) {
    *flag = 1;
    Do(cmd::kRecord);
    EXPECT_TRUE(h.fake.messenger.Log().empty());
    EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerRecordArm));
    *flag = 0;
  }
  ctx.mode.fmMode = 1;
  Do(cmd::kRecord);
  EXPECT_EQ(h.fake.windows.State(video).lastShow, -1);
  EXPECT_EQ(ctx.mode.recording, 1);
}

// ---- time shift -----------------------------------------------------------------------------

TEST(RecordingCases, TimeShiftStartsOnlyOnTheTunerSources) {
  const struct {
    std::optional<int> input;
    bool starts;
  } cases[] = {{1, false}, {2, false}, {3, true},  {4, true},
               {5, false}, {0, false}, {6, false}, {std::nullopt, false}};  // its own default: 1
  for (const auto& c : cases) {
    RecordingPanel p;
    if (c.input)
      p.ctx.settings.Write(keys::kInputSource, *c.input);
    else
      p.ctx.settings.Delete(keys::kInputSource);
    p.ctx.mode.timeShift = 0;
    p.ctx.mode.videoBusy = 0;
    p.ClearLogs();
    OnCommand(p.ctx, cmd::kTimeShift, 0);
    EXPECT_EQ(p.ctx.mode.timeShift, c.starts ? 1 : 0) << c.input.value_or(-1);
    EXPECT_EQ(p.To(p.video).size(), c.starts ? 1u : 0u) << c.input.value_or(-1);
  }
}

TEST_F(RecordingTest, TimeShiftStartDeletesTheOldFileBeforeTheCardStartsWriting) {
  h.fake.WriteFile("C:\\Tv\\Shift\\TimeShift.mpg", "old");
  std::size_t messagesAtDelete = 99;
  h.fake.files.onRemove = [&] { messagesAtDelete = h.fake.messenger.Log().size(); };
  h.fake.time.SetLocalTime(2026, 1, 15, 23, 59, 30);
  ctx.mode.snapshotBusy = 0;
  Do(cmd::kTimeShift);
  EXPECT_EQ(h.fake.files.removed, Msgs{"C:\\Tv\\Shift\\TimeShift.mpg"});
  EXPECT_FALSE(std::filesystem::exists(h.fake.files.HostPath("C:\\Tv\\Shift\\TimeShift.mpg")));
  EXPECT_EQ(messagesAtDelete, 0u);
  EXPECT_EQ(To(video), Msgs{M(cmd::kVideoTimeShiftStart)});
  EXPECT_EQ(h.fake.files.spaceQueries, Msgs{"C:\\Tv\\Shift\\"});
  EXPECT_EQ(Mode(), "01111");
  EXPECT_EQ(InputMute(), 1u);
  const auto& t = ctx.timeShift;
  EXPECT_EQ((std::vector<int>{t.startHour, t.startMinute, t.startSecond, ctx.ui.sliderX}),
            (std::vector<int>{23, 59, 30, ctx.layout.Value(panel::Lcd::TIMESHIFTPOINTX)}));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerTimeShiftBar), 1000u);
}

TEST_F(RecordingTest, TimeShiftRefusedForSpaceWarnsButDoesNotTellTheScheduleProgram) {
  const WindowRef schedule = AddSchedule();
  ctx.mode.scheduleActive = 1;
  SetFree("C:\\Tv\\Shift\\", 100);
  Do(cmd::kTimeShift);
  EXPECT_EQ(Boxes(), NoSpace());
  EXPECT_EQ(To(video).size() + To(schedule).size() + h.fake.files.removed.size(), 0u);
  EXPECT_EQ(Mode(), "01100");
  EXPECT_FALSE(InputMute().has_value());
}

TEST_F(RecordingTest, TimeShiftPressedAgainStopsThroughAPostedStopThatWaitsForTheCard) {
  Do(cmd::kTimeShift);
  ClearLogs();
  Do(cmd::kTimeShift);  // the card has not acknowledged the start: the stop is dropped
  EXPECT_EQ(h.Commands().back(), cmd::kStop);
  EXPECT_EQ(ctx.mode.timeShift, 1);
  EXPECT_TRUE(To(video).empty());
  Do(cmd::kPeerReady);
  Do(cmd::kTimeShift);
  EXPECT_EQ(ctx.mode.timeShift, 0);
  EXPECT_EQ(To(video), Msgs{M(cmd::kVideoTimeShiftStop)});
}

TEST_F(RecordingTest, TimeShiftStopTellsCardAndPlayerThenDeletesTheFileTwoSecondsLater) {
  const WindowRef player = TimeShiftRunning();
  std::uint32_t deletedAtMs = 0;
  std::size_t messagesAtDelete = 0;
  h.fake.files.onRemove = [&] {
    deletedAtMs = h.fake.time.TickMs();
    messagesAtDelete = h.fake.messenger.Log().size();
  };
  const std::uint32_t before = h.fake.time.TickMs();
  OnCommand(ctx, cmd::kStop, 0);
  EXPECT_EQ(To(video), Msgs{M(cmd::kVideoTimeShiftStop)});
  EXPECT_EQ(To(player), Msgs{M(cmd::kPlaybackStop, 0, kSent)});
  EXPECT_EQ(To(ctx.windows.panel), Msgs{M(cmd::kPeerRecordingEnded)});
  EXPECT_EQ(messagesAtDelete, 3u);
  EXPECT_EQ(deletedAtMs - before, 2000u);
  EXPECT_EQ(h.fake.files.removed.back(), "C:\\Tv\\Shift\\TimeShift.mpg");
  EXPECT_EQ(ctx.timeShift.deleteTempFlag, 1);
  EXPECT_EQ(Mode(), "01101");  // busy until the player acknowledges
  EXPECT_EQ(InputMute(), 0u);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerTimeShiftBar));
}

TEST(RecordingCases, DeleteTempFileDecidesWhetherTheStopDeletes) {
  const struct {
    std::optional<const char*> value;
    bool deletes;
  } cases[] = {{std::nullopt, true}, {"", true},      {"TRUE", true},
               {"FALSE", false},     {"true", false}, {"yes", false}};
  for (const auto& c : cases) {
    RecordingPanel p;
    if (c.value)
      p.ctx.settings.Write(keys::kDeleteTempFile, *c.value);
    else
      p.ctx.settings.Delete(keys::kDeleteTempFile);
    p.TimeShiftRunning();
    p.h.fake.files.removed.clear();
    const std::size_t sleeps = p.h.fake.time.Sleeps().size();
    OnCommand(p.ctx, cmd::kStop, 0);
    EXPECT_EQ(p.h.fake.files.removed.size(), c.deletes ? 1u : 0u) << c.value.value_or("(missing)");
    EXPECT_EQ(p.h.fake.time.Sleeps().size() - sleeps, c.deletes ? 1u : 0u);
    EXPECT_EQ(p.ctx.timeShift.deleteTempFlag, c.deletes ? 1 : 0);
  }
}

TEST_F(RecordingTest, TimeShiftStopCopesWithAMissingOrHeldFileAndVanishedPeers) {
  TimeShiftRunning();
  h.fake.files.held.push_back("C:\\Tv\\Shift\\TimeShift.mpg");
  h.fake.messenger.RemoveWindow(video);
  h.fake.messenger.RemoveWindow(ctx.os.messenger.Find(kPlaybackClass, kPlaybackTitle));
  OnCommand(ctx, cmd::kStop, 0);
  EXPECT_EQ(ctx.mode.timeShift, 0);
  EXPECT_EQ(ctx.mode.videoBusy, 0);  // no player to wait for
  EXPECT_EQ(h.fake.files.removed.size(), 2u);
}

TEST_F(RecordingTest, TimeShiftStopIsIgnoredWhileBusyOrClosed) {
  TimeShiftRunning();
  for (int* flag : {&ctx.mode.videoBusy, &ctx.mode.tvClosed}) {
    *flag = 1;
    Do(cmd::kStop);
    EXPECT_EQ(ctx.mode.timeShift, 1);
    EXPECT_TRUE(To(video).empty());
    *flag = 0;
  }
}

// ---- the player's keys ------------------------------------------------------------------

TEST(RecordingCases, TransportKeysDriveThePlayerAndWaitForItsAcknowledgement) {
  const struct {
    std::uint16_t id;
    std::uint16_t toPlayer;
    Delivery delivery;
    std::uint32_t barTimerMs;  // 1000: left as it was
  } cases[] = {
      {cmd::kPlay, cmd::kPlaybackPlay, kPosted, 1000},
      {cmd::kForward, cmd::kPlaybackForward, kPosted, 50},
      {cmd::kBack, cmd::kPlaybackRewind, kSent, 50},
      {cmd::kPause, cmd::kPlaybackPause, kPosted, 1000},
  };
  for (const auto& c : cases) {
    RecordingPanel p;
    const WindowRef player = p.TimeShiftRunning();
    OnCommand(p.ctx, c.id, 0);
    EXPECT_EQ(p.To(player), Msgs{M(c.toPlayer, 0, c.delivery)}) << c.id;
    EXPECT_EQ(p.h.fake.time.PeriodOf(panel::kTimerTimeShiftBar), c.barTimerMs) << c.id;
    EXPECT_EQ(p.ctx.mode.videoBusy, 1);
    p.ClearLogs();
    OnCommand(p.ctx, c.id, 0);  // busy until 40113
    EXPECT_TRUE(p.To(player).empty()) << c.id;
    p.Do(cmd::kPeerReady);
    p.h.fake.messenger.RemoveWindow(player);  // the player has gone: nothing, not busy
    OnCommand(p.ctx, c.id, 0);
    EXPECT_EQ(p.ctx.mode.videoBusy, 0) << c.id;
    p.ctx.mode.timeShift = 0;  // without time shift the gate drops them
    EXPECT_EQ(Gate(p.ctx.mode, c.id), GateVerdict::Drop);
  }
}

// ---- snapshots -------------------------------------------------------------------------------

TEST_F(RecordingTest, SnapshotWaitsForTheCardsReportsAndEachRefusalHolds) {
  Do(cmd::kSnapshot);
  EXPECT_TRUE(To(video).empty());  // busy from the start until the card reports
  Do(cmd::kPeerSnapshotDone);
  int* const refusals[] = {&ctx.mode.tvClosed,  &ctx.mode.fmMode,      &ctx.mode.airScan,
                           &ctx.mode.cableScan, &ctx.mode.fmScan,      &ctx.mode.recording,
                           &ctx.mode.timeShift, &ctx.mode.snapshotBusy};
  for (int* flag : refusals) {
    *flag = 1;
    OnCommand(ctx, cmd::kSnapshot, 0);
    *flag = 0;
  }
  EXPECT_TRUE(To(video).empty());
  Do(cmd::kSnapshot);
  EXPECT_EQ(To(video), Msgs{M(cmd::kVideoSnapshot)});
  Do(cmd::kSnapshot);
  EXPECT_EQ(To(video).size(), 1u);
  Do(cmd::kPeerSnapshotDone2);
  Do(cmd::kSnapshot);
  EXPECT_EQ(To(video).size(), 2u);
  // A start refused for space leaves snapshots blocked until the card reports.
  Do(cmd::kPeerSnapshotDone);
  SetFree("C:\\Tv\\", 1);
  Do(cmd::kRecord);
  Do(cmd::kSnapshot);
  EXPECT_EQ(To(video).size(), 2u);
  Do(cmd::kPeerSnapshotDone);
  Do(cmd::kSnapshot);
  EXPECT_EQ(To(video).size(), 3u);
}

}  // namespace
}  // namespace tv::commands
