#include "commands/command_gate.h"

#include <algorithm>
#include <iterator>

#include "commands/command_ids.h"
#include "commands/command_table.h"

namespace tv::commands {
namespace {

constexpr cmd::Id kTimeShiftPass[] = {cmd::kPlay,       cmd::kStop,
                                      cmd::kPause,      cmd::kBack,
                                      cmd::kForward,    cmd::kTimeShiftPosition,
                                      cmd::kPeerReady,  cmd::kPeerPlaybackSeconds,
                                      cmd::kTimeShift,  cmd::kPeerAskTimeShiftStart,
                                      cmd::kVolumeUp,   cmd::kVolumeDown,
                                      cmd::kFullScreen, cmd::kPlus,
                                      cmd::kMinus};

constexpr cmd::Id kTransportOnly[] = {cmd::kPlay, cmd::kStop,    cmd::kPause,
                                      cmd::kBack, cmd::kForward, cmd::kTimeShiftPosition};

constexpr cmd::Id kRecordingPass[] = {cmd::kRecord,
                                      cmd::kPeerRecordingState,
                                      cmd::kPeerRecordTime,
                                      cmd::kPeerRecordSize,
                                      cmd::kPeerRecordingEnded,
                                      cmd::kPeerCapturedFile,
                                      cmd::kPeerSnapshotDone2,
                                      cmd::kVolumeUp,
                                      cmd::kVolumeDown,
                                      cmd::kFullScreen,
                                      cmd::kPlus,
                                      cmd::kMinus};

template <std::size_t N>
bool In(const cmd::Id (&set)[N], std::uint16_t id) {
  return std::find(std::begin(set), std::end(set), id) != std::end(set);
}

}  // namespace

GateVerdict Gate(const ModeFlags& mode, std::uint16_t id) {
  if (mode.timeShift == 1 && !In(kTimeShiftPass, id)) return GateVerdict::Drop;
  if (mode.timeShift == 0 && In(kTransportOnly, id)) return GateVerdict::Drop;
  if (mode.recording == 1 && !In(kRecordingPass, id)) return GateVerdict::Drop;
  return GateVerdict::Pass;
}

bool OnCommand(PanelContext& ctx, std::uint16_t id, std::intptr_t lParam) {
  if (Gate(ctx.mode, id) == GateVerdict::Drop) return true;
  const CommandHandler* handler = FindHandler(id);
  if (handler == nullptr) return false;
  handler->run(ctx, lParam);
  return true;
}

}  // namespace tv::commands
