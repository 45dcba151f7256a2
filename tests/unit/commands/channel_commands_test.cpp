// Launching the video program for a source, stepping channels and FM frequencies, recall.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/commands/channel_bench.h"

namespace tv::commands {
namespace {

using testing::ChannelBench;
using testing::Join;
using Values = std::vector<std::intptr_t>;

TEST(SourceCommands, ALaunchScansABandNeverScannedAfterSixSeconds) {
  // airAlreadyScan null: missing, which reads empty here; a done full scan ends the command.
  // clang-format off
  const struct { const char *useFullScan, *scanDone, *airAlreadyScan; bool scans, endsEarly; } cases[] = {
      {"FALSE", "", "FALSE", true, false}, {"FALSE", "", "TRUE", false, false},
      {"FALSE", "", nullptr, false, false}, {"TRUE", "", "TRUE", true, false},
      {"TRUE", "TRUE", "FALSE", false, true}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    ChannelBench b;
    b.ctx.settings.Write(keys::kUseFullScan, c.useFullScan);
    b.ctx.settings.Write(keys::kFullScanDone, c.scanDone);
    if (c.airAlreadyScan) b.ctx.settings.Write(keys::kAirAlreadyScan, c.airAlreadyScan);
    b.Issue(cmd::kSourceAir);
    // Hidden; busy until the program acknowledges; the sleep; the scan posted; the LCD; focus.
    const auto& started = b.fake.shell.started;
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(Join(started[0].commandLine, started[0].showState, b.ctx.mode.videoBusy,
                   testing::JoinAll(b.fake.time.Sleeps()), b.h.Log(b.ctx.windows.panel),
                   b.LcdChannel(), b.fake.windows.focus == b.ctx.windows.panel),
              Join(b.h.dir + "\\screen.ex_", kSwHide, 1, c.scans ? "6000" : "",
                   c.scans ? testing::Msg(cmd::kScan) : "", 0, !c.endsEarly));
    b.Issue(cmd::kSourceCable);  // not acknowledged yet: neither stored nor launched
    EXPECT_EQ(Join(started.size(), b.Setting(keys::kInputSource)), "1 4");
  }
}

// ---- stepping -----------------------------------------------------------------------------

class ChannelSteps : public ::testing::Test, public ChannelBench {
 protected:
  ChannelSteps() {
    AddVideo();
    ctx.channels = {.minAirChannel = 2, .maxAirChannel = 10, .maxCableChannel = 99};
    ctx.mode.airBand = 1;
    for (int n : {3, 5, 9}) ctx.settings.Write(keys::kAirList, n, keys::kTrue);
  }
  void Step(cmd::Id id) {
    Issue(id);
    fake.time.Advance(1);
  }
  Values Tuned() const { return ToVideo(cmd::kVideoTuneChannel); }
};

TEST_F(ChannelSteps, AStepTunesTheNextListedChannelWrappingAtTheBandsEnds) {
  ctx.settings.Write(keys::kTvChannelAir, 5);
  Step(cmd::kChannelUp);
  // The stored channel and recall, the current channel and the LCD's.
  EXPECT_EQ(Join(Setting(keys::kTvChannelAir), Setting(keys::kRecallAir),
                 ctx.channels.currentChannel, LcdChannel()),
            "9 5 9 9");
  // Each step counts its own wraps: one wrap in a step does not shorten the next.
  Step(cmd::kChannelUp);
  Step(cmd::kChannelDown);
  Step(cmd::kChannelDown);
  // With nothing listed a step wraps twice and stops at the band's end.
  ctx.settings.DeleteSection(keys::kAirList);
  Step(cmd::kChannelUp);
  Step(cmd::kChannelDown);
  EXPECT_EQ(Tuned(), (Values{9, 3, 9, 5, 2, 10}));

  // Cable has its own list and keys; without the video program nothing moves.
  ctx.mode.airBand = 0;
  ctx.settings.Write(keys::kCableList, 60, keys::kTrue);
  ctx.settings.Write(keys::kTvChannelCable, 40);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Join(Setting(keys::kTvChannelCable), Setting(keys::kRecallCable)), "60 40");
  fake.messenger.RemoveWindow(video);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Setting(keys::kRecallCable), "40");
}

// A peer may store any number as the current channel; a step from far outside the band takes
// the band's first listed channel in its direction at once rather than walking there.
TEST_F(ChannelSteps, AStepFromFarOutsideTheBandStartsAtTheBandsEdge) {
  // Below the band, down wraps to its top; above it, up wraps to its bottom.
  // clang-format off
  const struct { const char* stored; cmd::Id step; int tuned; } cases[] = {
      {"-1554457092", cmd::kChannelUp, 3}, {"-2147483648", cmd::kChannelUp, 3},
      {"2147483647", cmd::kChannelDown, 9}, {"1445395396", cmd::kChannelDown, 9},
      {"-1554457092", cmd::kChannelDown, 9}, {"2147483647", cmd::kChannelUp, 3},
      {"1", cmd::kChannelUp, 3}, {"11", cmd::kChannelDown, 9}};
  // clang-format on
  for (const auto& c : cases) {
    ctx.settings.Write(keys::kTvChannelAir, c.stored);
    Step(c.step);
    EXPECT_EQ(Join(Setting(keys::kTvChannelAir), Setting(keys::kRecallAir)),
              Join(c.tuned, c.stored));
  }
}

TEST_F(ChannelSteps, FmStepsWrapInTheCountrysBandAndStartFromWhatThePeerStored) {
  ctx.mode.fmMode = 1;
  // Japan's band wraps 76.0 - 90.0, the common one 87.5 - 108.0; missing: the band's start.
  // clang-format off
  const struct { cmd::Id id; int country; const char* stored; } steps[] = {
      {cmd::kChannelUp, 81, "900"}, {cmd::kChannelDown, 49, "875"}, {cmd::kChannelUp, 49, nullptr},
      {cmd::kChannelDown, 81, nullptr}};
  // clang-format on
  std::string first, sent;
  for (const auto& s : steps) {
    ctx.settings.Write(keys::kCountryCode, s.country);
    h.SetOrDelete(keys::kFmChannel, s.stored);
    Issue(s.id);
    fake.time.Advance(400);
    if (first.empty()) first = Join(LcdFm(), Setting(keys::kFmChannel));
    sent += std::to_string(fake.messenger.Log().back().delivery == fakes::Delivery::Sent);
  }
  EXPECT_EQ(first, "760 900");
  EXPECT_EQ(ToVideo(cmd::kVideoTuneFm), (Values{760, 1080, 876, 900}));
  EXPECT_EQ(sent.substr(1, 2), "10");  // the common band's steps: sent, then posted
}

// ---- recall -------------------------------------------------------------------------------

TEST_F(ChannelSteps, RecallSwapsTheCurrentAndThePreviousChannel) {
  ctx.channels.currentChannel = 5;
  Issue(cmd::kRecall);  // nothing stored yet
  EXPECT_TRUE(fake.messenger.Log().empty());
  ctx.settings.Write(keys::kRecallAir, 12);
  Issue(cmd::kRecall);
  EXPECT_EQ(Join(LcdChannel(), Setting(keys::kTvChannelAir), Setting(keys::kTvChannel),
                 Setting(keys::kRecallAir)),
            "12 12 12 5");
  Issue(cmd::kRecall);
  // The cable key is written "recallCable": the same key as "recallcable".
  ctx.mode.airBand = 0;
  ctx.settings.Write(keys::kRecallCable, 30);
  Issue(cmd::kRecall);
  EXPECT_EQ(Join(Setting(keys::kRecallCable), Setting(keys::kTvChannelCable)), "5 30");
  // Nothing on FM or a video input.
  for (int* flag : {&ctx.mode.fmMode, &ctx.mode.videoInput}) {
    *flag = 1;
    Issue(cmd::kRecall);
    *flag = 0;
  }
  // The full-scan list swaps its indices instead.
  ctx.settings.Write(keys::kUseFullScan, keys::kTrue);
  ctx.settings.Write(keys::kFullScanRecall, 4);
  Issue(cmd::kRecall);
  EXPECT_EQ(Join(Setting(keys::kFullScanRecall), Setting(keys::kFullScanNow)), "1 4");
  EXPECT_EQ(Tuned(), (Values{12, 5, 30, 4}));
}

}  // namespace
}  // namespace tv::commands
