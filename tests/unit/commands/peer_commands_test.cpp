// What the peer programs see of the panel: the commands they send it and the answers they get
// back during their own sends.

#include "commands/peer_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/companion_commands.h"
#include "commands/recording_commands.h"
#include "commands/video_window.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using fakes::Delivery;
using fakes::LoggedMessage;
using tv::testing::PanelHarness;

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

  PanelHarness h;
  PanelContext& ctx = h.ctx;
};

TEST(CommandTables, EachIdHasOneHandlerOnly) {
  std::set<std::uint16_t> seen;
  for (HandlerTable table :
       {WindowCommandHandlers(), PeerCommandHandlers(), ChannelCommandHandlers(),
        AdjustCommandHandlers(), RecordingCommandHandlers(), CompanionCommandHandlers()})
    for (const CommandHandler& handler : table)
      EXPECT_TRUE(seen.insert(handler.id).second) << handler.id;
}

TEST(PeerCommands, AcknowledgementsSetAndClearTheirFlagsFromTheLowWord) {
  // The recording state's 0 passes the recording gate.
  // clang-format off
  const struct { cmd::Id id; std::intptr_t lParam; int ModeFlags::*flag; int before, after; } cases[] = {
      {cmd::kPeerReady, 0, &ModeFlags::videoBusy, 1, 0},
      {cmd::kPeerSnapshotDone2, 0, &ModeFlags::snapshotBusy, 1, 0},
      {cmd::kPeerRecordingState, 0x30001, &ModeFlags::recording, 0, 1},
      {cmd::kPeerRecordingState, 0, &ModeFlags::recording, 1, 0},
      {cmd::kScheduleActive, 0x70001, &ModeFlags::scheduleActive, 0, 1},
      {cmd::kScheduleActive, 0x10000, &ModeFlags::scheduleActive, 1, 0},
      {cmd::kQueryRadio, 0xFFFF0000, &ModeFlags::peerAnswer, 1, 0}};
  // clang-format on
  for (const auto& c : cases) {
    PanelHarness fresh;
    fresh.ctx.mode.*c.flag = c.before;
    EXPECT_TRUE(OnCommand(fresh.ctx, c.id, c.lParam) && fresh.ctx.mode.*c.flag == c.after) << c.id;
  }
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
  // The answer comes back inside the send.
  EXPECT_EQ(h.Log(video) + h.Log(ctx.windows.panel),
            tv::testing::Msg(42227, 0, true) + tv::testing::Msg(42227, 0x50000, true));
  EXPECT_EQ(h.fake.messenger.Log().size(), 2u);
  h.fake.messenger.RemoveWindow(video);
  const WindowRef silentAgain = AddVideo(std::nullopt);
  EXPECT_EQ(QueryRadio(ctx), 0);  // still the last answer given

  h.fake.messenger.RemoveWindow(silentAgain);
  AddVideo(1);
  ctx.mode.recording = 1;  // 42227 is in neither pass set: the answer is lost
  EXPECT_EQ(QueryRadio(ctx), 0);
}

}  // namespace
}  // namespace tv::commands
