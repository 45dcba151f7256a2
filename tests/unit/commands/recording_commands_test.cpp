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

using tv::testing::Join;
using tv::testing::JoinAll;
using tv::testing::Msg;
using Strings = std::vector<std::string>;
constexpr std::uint64_t kMiB = 1ull << 20;
constexpr std::uint32_t kInputMute = 13;
const char* const kShiftFile = "C:\\Tv\\Shift\\TimeShift.mpg";

// A running panel with the card's window, a capture folder on a roomy disk and a sound card
// input that time shift mutes.
class RecordingPanel {
 public:
  RecordingPanel() {
    h.Live();
    video = h.AddVideoWindow();
    ctx.settings.Write(keys::kCaptureFile, "C:\\Tv\\Captures");
    ctx.settings.Write(keys::kTimeShiftFileRoot, kShiftFile);
    ctx.settings.Write(keys::kInputSource, 4);
    SetFree("C:\\Tv\\", 4096);
    SetFree("C:\\Tv\\Shift\\", 4096);
    ctx.mixer.inputMuteControl = kInputMute;
  }
  void SetFree(const std::string& path, std::uint64_t mib) {
    h.fake.files.freeBytes[path] = mib * kMiB;
  }
  std::string NoSpace() const {
    return "Disk Space is not enough !!!Can't start recording!!|Warning|" +
           fakes::Hex(ctx.windows.panel) + "|0;";
  }
  // recording, recordArmed, snapshotBusy, timeShift, videoBusy, then the input's mute value.
  std::string Mode() const {
    const ModeFlags& m = ctx.mode;
    const auto mute = h.fake.mixer.ValuesOf(kInputMute);
    return Join(m.recording, m.recordArmed, m.snapshotBusy, m.timeShift, m.videoBusy) +
           (mute ? " mute " + std::to_string((*mute)[0]) : "");
  }
  WindowRef AddSchedule() {
    return h.fake.messenger.AddWindow("Planner", "Schedule Recording Settings");
  }
  // Time shift running, acknowledged by the card, with its player open.
  WindowRef TimeShiftRunning() {
    h.Run(cmd::kTimeShift);
    h.Run(cmd::kPeerReady);
    const WindowRef player = h.fake.messenger.AddWindow(kPlaybackClass, kPlaybackTitle);
    h.fake.messenger.ClearLog();
    return player;
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

class RecordingTest : public ::testing::Test, public RecordingPanel {};

const std::string kStart = Msg(cmd::kVideoRecordState, 1, true) + Msg(cmd::kVideoRecordToggle);
const std::string kStop = Msg(cmd::kVideoRecordState, 0, true) + Msg(cmd::kVideoRecordToggle);

TEST_F(RecordingTest, DiskCheckWantsTheMinimumPlus100WholeMiBAtThePathCutAfterItsLastBackslash) {
  // clang-format off
  const struct { const char* minimum; std::uint64_t freeBytes; bool starts; } minima[] = {
      // Missing or empty: 500; 599.99 MiB truncates to 599.
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
  const std::string longName(300, 'a');
  const struct { std::string folder, asked; bool starts; } folders[] = {
      {"C:\\Tv\\Captures", "C:\\Tv\\", true}, {"C:\\Tv\\", "C:\\Tv\\", true},
      {"C:\\Nowhere\\Captures", "C:\\Nowhere\\", false},  // the query fails: 0 MiB
      {"", "", false}, {"Captures", "Captures", false}, {"D:", "D:", false},
      {"C:/Tv/Captures", "C:/Tv/Captures", false},  // only a backslash cuts
      {"\\\\server\\share\\x", "\\\\server\\share\\", false},
      {"C:\\Tv\\" + longName + "\\x", "C:\\Tv\\", true}};  // read as 259 characters at most
  // clang-format on
  for (const auto& c : folders) {
    ctx.settings.Write(keys::kCaptureFile, c.folder);
    EXPECT_EQ(EnoughDiskSpace(ctx, keys::kCaptureFile), c.starts) << c.folder;
    EXPECT_EQ(h.fake.files.spaceQueries.back(), c.asked) << c.folder;
  }
  for (const auto& c : minima) {
    h.SetOrDelete(keys::kDiskFreeSpace, c.minimum);
    h.fake.files.freeBytes["C:\\Tv\\"] = c.freeBytes;
    EXPECT_EQ(EnoughDiskSpace(ctx, keys::kCaptureFile), c.starts)
        << (c.minimum ? c.minimum : "(missing)") << " " << c.freeBytes;
  }
}

// ---- record ---------------------------------------------------------------------------------

TEST(RecordingCases, RecordStartsShowingTheCardOrWarnsOnThePanelAndChangesOnlyItsFlags) {
  for (const bool roomy : {true, false}) {
    RecordingPanel p;
    p.SetFree("C:\\Tv\\", roomy ? 600 : 599);
    p.ctx.mode.snapshotBusy = 0;
    p.h.Run(cmd::kRecord);
    EXPECT_EQ(p.h.Log(p.video) + p.h.Boxes() + p.Mode(),
              roomy ? kStart + "1 0 1 0 0" : p.NoSpace() + "0 1 1 0 0");
    EXPECT_TRUE(!roomy || p.h.fake.windows.State(p.video).lastShow == kSwShowNormal);
    EXPECT_EQ(p.h.fake.time.PeriodOf(panel::kTimerRecordArm), 3000u);
    EXPECT_EQ(p.h.fake.files.spaceQueries, Strings{"C:\\Tv\\"});
  }
}

TEST_F(RecordingTest, RecordIsDisarmedForThreeSecondsOrUntilTheCardEndsARecording) {
  h.Run(cmd::kRecord);
  h.fake.messenger.ClearLog();
  h.Run(cmd::kRecord);  // within 3000 ms: nothing reaches the card
  h.fake.time.Advance(2999);
  h.Run(cmd::kRecord);
  EXPECT_EQ(h.Log(video) + std::to_string(ctx.mode.recording), "1");
  h.fake.time.Advance(1);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerRecordArm));  // one-shot
  h.Run(cmd::kRecord);
  EXPECT_EQ(h.Log(video) + std::to_string(ctx.mode.recording), kStop + "0");
  // A stop starts no re-arm timer: the button waits for the card's 40312.
  h.fake.time.Advance(10000);
  h.fake.messenger.ClearLog();
  h.Run(cmd::kRecord);
  EXPECT_EQ(h.Log(video), "");
  h.Run(cmd::kPeerRecordingEnded);
  h.Run(cmd::kRecord);
  EXPECT_EQ(h.Log(video) + std::to_string(ctx.mode.recording), kStart + "1");
}

TEST(RecordingCases, TheScheduleProgramHearsOfAStopAndOfARefusedStartOnlyWhileActive) {
  // clang-format off
  const struct { int scheduleActive, recording; std::uint64_t freeMiB; bool told; } cases[] = {
      {1, 0, 599, true}, {1, 1, 0, true}, {1, 0, 4096, false}, {0, 0, 599, false},
      {0, 1, 4096, false}};
  // clang-format on
  for (const auto& c : cases) {
    RecordingPanel p;
    const WindowRef schedule = p.AddSchedule();
    p.ctx.mode.scheduleActive = c.scheduleActive;
    p.ctx.mode.recording = c.recording;
    p.ctx.mode.recordArmed = 1;
    p.SetFree("C:\\Tv\\", c.freeMiB);
    OnCommand(p.ctx, cmd::kRecord, 0);
    EXPECT_EQ(p.h.Log(schedule), c.told ? Msg(0, 0, false, cmd::kScheduleRecordRefused) : "")
        << c.scheduleActive << c.recording << " " << c.freeMiB;
  }
}

TEST_F(RecordingTest, RecordClosesTheChannelListFirstNeedsTheCardAndIsIgnoredWhileBusy) {
  ctx.ui.sideOpen = 1;
  h.Run(cmd::kRecord);
  EXPECT_TRUE(h.Log().starts_with(Msg(cmd::kToggleSidePart, 0, true) +
                                  Msg(cmd::kVideoRecordState, 1, true)));
  // Without the card the toggle stops silently, after the re-arm timer has started.
  h.fake.messenger.RemoveWindow(video);
  ctx.mode.recording = 0;
  ctx.mode.recordArmed = 1;
  h.fake.messenger.ClearLog();
  h.Run(cmd::kRecord);
  EXPECT_EQ(h.fake.messenger.Log().size(), 0u);
  EXPECT_EQ(Mode().substr(0, 3), "0 1");
  // Closed or scanning: nothing at all; on FM the card stays hidden.
  video = h.AddVideoWindow();
  ctx.ui.sideOpen = 0;
  h.fake.time.Stop(panel::kTimerRecordArm);
  for (int* flag : {&ctx.mode.tvClosed, &ctx.mode.airScan, &ctx.mode.cableScan, &ctx.mode.fmScan}) {
    *flag = 1;
    h.Run(cmd::kRecord);
    EXPECT_TRUE(h.fake.messenger.Log().empty() && !h.fake.time.IsRunning(panel::kTimerRecordArm));
    *flag = 0;
  }
  ctx.mode.fmMode = 1;
  h.Run(cmd::kRecord);
  EXPECT_EQ(h.fake.windows.State(video).lastShow, -1);
  EXPECT_EQ(ctx.mode.recording, 1);
}

// ---- time shift -----------------------------------------------------------------------------

TEST(RecordingCases, TimeShiftStartsOnlyOnTheTunerSources) {
  // Missing: its own default, 1.
  const std::pair<const char*, bool> cases[] = {{"1", false}, {"2", false},    {"3", true},
                                                {"4", true},  {"5", false},    {"0", false},
                                                {"6", false}, {nullptr, false}};
  for (const auto& [input, starts] : cases) {
    RecordingPanel p;
    p.h.SetOrDelete(keys::kInputSource, input);
    p.ctx.mode.timeShift = p.ctx.mode.videoBusy = 0;
    OnCommand(p.ctx, cmd::kTimeShift, 0);
    EXPECT_EQ(std::to_string(p.ctx.mode.timeShift) + p.h.Log(p.video),
              starts ? "1" + Msg(cmd::kVideoTimeShiftStart) : "0")
        << (input ? input : "(missing)");
  }
}

TEST_F(RecordingTest, TimeShiftStartDeletesTheOldFileBeforeTheCardStartsWriting) {
  h.fake.WriteFile(kShiftFile, "old");
  std::size_t messagesAtDelete = 99;
  h.fake.files.onRemove = [&] { messagesAtDelete = h.fake.messenger.Log().size(); };
  h.fake.time.SetLocalTime(2026, 1, 15, 23, 59, 30);
  ctx.mode.snapshotBusy = 0;
  h.Run(cmd::kTimeShift);
  // Deleted before any message; the start; the space asked at the file's folder; the flags and
  // the input muted; the start time and the slider; the bar's timer.
  const auto& t = ctx.timeShift;
  EXPECT_EQ(
      Join(JoinAll(h.fake.files.removed),
           std::filesystem::exists(h.fake.files.HostPath(kShiftFile)), messagesAtDelete,
           h.Log(video), JoinAll(h.fake.files.spaceQueries), Mode(), t.startHour, t.startMinute,
           t.startSecond, ctx.ui.sliderX, h.fake.time.PeriodOf(panel::kTimerTimeShiftBar)),
      Join(kShiftFile, 0, 0, Msg(cmd::kVideoTimeShiftStart), "C:\\Tv\\Shift\\", "0 1 1 1 1 mute 1",
           23, 59, 30, ctx.layout.Value(panel::Lcd::TIMESHIFTPOINTX), 1000));
}

TEST_F(RecordingTest, TimeShiftRefusedForSpaceWarnsButDoesNotTellTheScheduleProgram) {
  const WindowRef schedule = AddSchedule();
  ctx.mode.scheduleActive = 1;
  SetFree("C:\\Tv\\Shift\\", 100);
  h.Run(cmd::kTimeShift);
  EXPECT_EQ(h.Boxes() + h.Log(video) + h.Log(schedule) + Mode(), NoSpace() + "0 1 1 0 0");
  EXPECT_TRUE(h.fake.files.removed.empty());
}

TEST_F(RecordingTest, TimeShiftPressedAgainStopsThroughAPostedStopThatWaitsForTheCard) {
  h.Run(cmd::kTimeShift);
  h.fake.messenger.ClearLog();
  h.Run(cmd::kTimeShift);  // the card has not acknowledged the start: the stop is dropped
  EXPECT_EQ(h.Commands().back(), cmd::kStop);
  EXPECT_EQ(std::to_string(ctx.mode.timeShift) + h.Log(video), "1");
  h.Run(cmd::kPeerReady);
  h.Run(cmd::kTimeShift);
  EXPECT_EQ(std::to_string(ctx.mode.timeShift) + h.Log(video), "0" + Msg(cmd::kVideoTimeShiftStop));
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
  // Card, player and panel told before the delete; busy until the player acknowledges.
  EXPECT_EQ(Join(h.Log(video) + h.Log(player) + h.Log(ctx.windows.panel), messagesAtDelete,
                 deletedAtMs - before, h.fake.files.removed.back(), ctx.timeShift.deleteTempFlag,
                 Mode(), h.fake.time.IsRunning(panel::kTimerTimeShiftBar)),
            Join(Msg(cmd::kVideoTimeShiftStop) + Msg(cmd::kPlaybackStop, 0, true) +
                     Msg(cmd::kPeerRecordingEnded),
                 3, 2000, kShiftFile, 1, "0 1 1 0 1 mute 0", 0));
}

TEST(RecordingCases, DeleteTempFileDecidesWhetherTheStopDeletes) {
  // clang-format off
  const std::pair<const char*, bool> cases[] = {
      {nullptr, true}, {"", true}, {"TRUE", true}, {"FALSE", false}, {"true", false}, {"yes", false}};
  // clang-format on
  for (const auto& [value, deletes] : cases) {
    RecordingPanel p;
    p.h.SetOrDelete(keys::kDeleteTempFile, value);
    p.TimeShiftRunning();
    p.h.fake.files.removed.clear();
    const std::size_t sleeps = p.h.fake.time.Sleeps().size();
    OnCommand(p.ctx, cmd::kStop, 0);
    EXPECT_EQ(Join(p.h.fake.files.removed.size(), p.h.fake.time.Sleeps().size() - sleeps,
                   p.ctx.timeShift.deleteTempFlag),
              deletes ? "1 1 1" : "0 0 0")
        << (value ? value : "(missing)");
  }
}

TEST_F(RecordingTest, TimeShiftStopCopesWithMissingPeersAndAHeldFileAndIsIgnoredWhileBusy) {
  TimeShiftRunning();
  for (int* flag : {&ctx.mode.videoBusy, &ctx.mode.tvClosed}) {
    *flag = 1;
    h.Run(cmd::kStop);
    EXPECT_EQ(std::to_string(ctx.mode.timeShift) + h.Log(video), "1");
    *flag = 0;
  }
  h.fake.files.held.push_back(kShiftFile);
  h.fake.messenger.RemoveWindow(video);
  h.fake.messenger.RemoveWindow(ctx.os.messenger.Find(kPlaybackClass, kPlaybackTitle));
  OnCommand(ctx, cmd::kStop, 0);
  EXPECT_EQ(Mode().substr(6, 3), "0 0");  // no player to wait for
  EXPECT_EQ(h.fake.files.removed.size(), 2u);
}

// ---- the player's keys ------------------------------------------------------------------

TEST(RecordingCases, TransportKeysDriveThePlayerAndWaitForItsAcknowledgement) {
  // The bar timer's period afterwards; 1000: left as it was.
  // clang-format off
  const struct { std::uint16_t id, toPlayer; bool sent; std::uint32_t barTimerMs; } cases[] = {
      {cmd::kPlay, cmd::kPlaybackPlay, false, 1000}, {cmd::kForward, cmd::kPlaybackForward, false, 50},
      {cmd::kBack, cmd::kPlaybackRewind, true, 50}, {cmd::kPause, cmd::kPlaybackPause, false, 1000}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    RecordingPanel p;
    const WindowRef player = p.TimeShiftRunning();
    OnCommand(p.ctx, c.id, 0);
    OnCommand(p.ctx, c.id, 0);  // busy until 40113
    EXPECT_EQ(Join(p.h.Log(player), p.h.fake.time.PeriodOf(panel::kTimerTimeShiftBar),
                   p.ctx.mode.videoBusy),
              Join(Msg(c.toPlayer, 0, c.sent), c.barTimerMs, 1));
    p.h.Run(cmd::kPeerReady);
    p.h.fake.messenger.RemoveWindow(player);  // the player has gone: nothing, not busy
    OnCommand(p.ctx, c.id, 0);
    EXPECT_EQ(p.ctx.mode.videoBusy, 0);
  }
}

// ---- snapshots -------------------------------------------------------------------------------

TEST_F(RecordingTest, SnapshotWaitsForTheCardsReportsAndEachRefusalHolds) {
  h.Run(cmd::kSnapshot);  // busy from the start until the card reports
  h.Run(cmd::kPeerSnapshotDone);
  for (int* flag :
       {&ctx.mode.tvClosed, &ctx.mode.fmMode, &ctx.mode.airScan, &ctx.mode.cableScan,
        &ctx.mode.fmScan, &ctx.mode.recording, &ctx.mode.timeShift, &ctx.mode.snapshotBusy}) {
    *flag = 1;
    OnCommand(ctx, cmd::kSnapshot, 0);
    *flag = 0;
  }
  // Each command, then the snapshots the card was asked for so far. A record refused for space
  // leaves snapshots blocked until the card reports.
  SetFree("C:\\Tv\\", 1);
  // clang-format off
  const std::pair<cmd::Id, int> steps[] = {
      {cmd::kSnapshot, 1}, {cmd::kSnapshot, 1}, {cmd::kPeerSnapshotDone2, 1}, {cmd::kSnapshot, 2},
      {cmd::kPeerSnapshotDone, 2}, {cmd::kRecord, 2}, {cmd::kSnapshot, 2},
      {cmd::kPeerSnapshotDone, 2}, {cmd::kSnapshot, 3}};
  // clang-format on
  std::string counts, want;
  for (const auto& [id, snapshots] : steps) {
    h.Run(id);
    counts += std::to_string(h.fake.messenger.LogTo(video).size());
    want += std::to_string(snapshots);
  }
  EXPECT_EQ(counts, want);
  EXPECT_EQ(h.Log(video),
            Msg(cmd::kVideoSnapshot) + Msg(cmd::kVideoSnapshot) + Msg(cmd::kVideoSnapshot));
}

}  // namespace
}  // namespace tv::commands
