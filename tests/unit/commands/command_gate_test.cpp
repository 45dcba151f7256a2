#include "commands/command_gate.h"

#include <gtest/gtest.h>

#include <set>

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
  h.ctx.mode.recording = 0;
  EXPECT_TRUE(OnCommand(h.ctx, cmd::kPeerReady, 0));
  EXPECT_EQ(h.ctx.mode.videoBusy, 0);
}

}  // namespace
}  // namespace tv::commands
