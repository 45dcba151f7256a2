// Launching the video program for a source, stepping channels and FM frequencies, recall.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/commands/channel_bench.h"

namespace tv::commands {
namespace {

using testing::ChannelBench;
using Ids = std::vector<std::uint16_t>;
using Values = std::vector<std::intptr_t>;

TEST(SourceCommands, ALaunchScansABandNeverScannedAfterSixSeconds) {
  struct Case {
    const char* useFullScan;
    const char* scanDone;
    const char* airAlreadyScan;  // null: missing, which reads empty here
    bool scans, endsEarly;
  };
  const Case cases[] = {
      {"FALSE", "", "FALSE", true, false},    {"FALSE", "", "TRUE", false, false},
      {"FALSE", "", nullptr, false, false},   {"TRUE", "", "TRUE", true, false},
      {"TRUE", "TRUE", "FALSE", false, true},  // a done full scan ends the command there
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    ChannelBench b;
    b.ctx.settings.Write(keys::kUseFullScan, c.useFullScan);
    b.ctx.settings.Write(keys::kFullScanDone, c.scanDone);
    if (c.airAlreadyScan) b.ctx.settings.Write(keys::kAirAlreadyScan, c.airAlreadyScan);
    b.Issue(cmd::kSourceAir);
    ASSERT_EQ(b.fake.shell.started.size(), 1u);
    EXPECT_EQ(b.fake.shell.started[0].commandLine + " " +
                  std::to_string(b.fake.shell.started[0].showState),
              b.h.dir + "\\screen.ex_ " + std::to_string(kSwHide));
    EXPECT_EQ(b.ctx.mode.videoBusy, 1);  // until the program acknowledges
    EXPECT_EQ(b.fake.time.Sleeps(),
              c.scans ? std::vector<std::uint32_t>{6000} : std::vector<std::uint32_t>{});
    EXPECT_EQ(b.PostedToPanel(), c.scans ? Ids{cmd::kScan} : Ids{});
    EXPECT_EQ(b.LcdChannel(), 0);
    EXPECT_EQ(b.fake.windows.focus == b.ctx.windows.panel, !c.endsEarly);
    // Not acknowledged yet: another source is neither stored nor launched.
    b.Issue(cmd::kSourceCable);
    EXPECT_EQ(b.Setting(keys::kInputSource), "4");
    EXPECT_EQ(b.fake.shell.started.size(), 1u);
  }
}

// ---- stepping -----------------------------------------------------------------------------

class ChannelSteps : public ::testing::Test, public ChannelBench {
 protected:
  ChannelSteps() {
    AddVideo();
    ctx.channels = {.minAirChannel = 2, .maxAirChannel = 10, .maxCableChannel = 99};
    ctx.mode.airBand = 1;
  }
  void Mark(std::initializer_list<int> channels) {
    for (int n : channels) ctx.settings.Write(keys::kAirList, n, keys::kTrue);
  }
  void Step(cmd::Id id) {
    Issue(id);
    fake.time.Advance(1);
  }
  Values Tuned() const { return ToVideo(cmd::kVideoTuneChannel); }
};

TEST_F(ChannelSteps, AStepTunesTheNextListedChannelWrappingAtTheBandsEnds) {
  Mark({3, 5, 9});
  ctx.settings.Write(keys::kTvChannelAir, 5);
  Step(cmd::kChannelUp);
  // The stored channel and recall, the current channel and the LCD's.
  EXPECT_EQ(Setting(keys::kTvChannelAir) + " " + Setting(keys::kRecallAir) + " " +
                std::to_string(ctx.channels.currentChannel) + " " + std::to_string(LcdChannel()),
            "9 5 9 9");
  // Each step counts its own wraps: one wrap in a step does not shorten the next.
  Step(cmd::kChannelUp);
  Step(cmd::kChannelDown);
  Step(cmd::kChannelDown);
  EXPECT_EQ(Tuned(), (Values{9, 3, 9, 5}));

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
  EXPECT_EQ(Setting(keys::kTvChannelCable) + " " + Setting(keys::kRecallCable), "60 40");
  fake.messenger.RemoveWindow(video);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Setting(keys::kRecallCable), "40");
}

// A peer may store any number as the current channel; a step from far outside the band takes
// the band's first listed channel in its direction at once rather than walking there.
TEST_F(ChannelSteps, AStepFromFarOutsideTheBandStartsAtTheBandsEdge) {
  Mark({3, 5, 9});
  struct Case {
    const char* stored;
    cmd::Id step;
    int tuned;
  };
  const Case cases[] = {
      {"-1554457092", cmd::kChannelUp, 3},
      {"-2147483648", cmd::kChannelUp, 3},
      {"2147483647", cmd::kChannelDown, 9},
      {"1445395396", cmd::kChannelDown, 9},
      {"-1554457092", cmd::kChannelDown, 9},  // below the band, down wraps to its top
      {"2147483647", cmd::kChannelUp, 3},     // above it, up wraps to its bottom
      {"1", cmd::kChannelUp, 3},
      {"11", cmd::kChannelDown, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    ctx.settings.Write(keys::kTvChannelAir, c.stored);
    Step(c.step);
    EXPECT_EQ(Setting(keys::kTvChannelAir), std::to_string(c.tuned));
    EXPECT_EQ(Setting(keys::kRecallAir), c.stored);
  }
}

TEST_F(ChannelSteps, FmStepsWrapInTheCountrysBandAndStartFromWhatThePeerStored) {
  ctx.mode.fmMode = 1;
  auto fmStep = [this](cmd::Id id, int country, const char* stored) {
    ctx.settings.Write(keys::kCountryCode, country);
    if (stored)
      ctx.settings.Write(keys::kFmChannel, stored);
    else
      ctx.settings.Delete(keys::kFmChannel);
    Issue(id);
    fake.time.Advance(400);
  };
  fmStep(cmd::kChannelUp, 81, "900");
  EXPECT_EQ(LcdFm(), 760);
  EXPECT_EQ(Setting(keys::kFmChannel), "900");
  fmStep(cmd::kChannelDown, 49, "875");
  EXPECT_EQ(fake.messenger.Log().back().delivery, fakes::Delivery::Sent);
  fmStep(cmd::kChannelUp, 49, nullptr);
  EXPECT_EQ(fake.messenger.Log().back().delivery, fakes::Delivery::Posted);
  fmStep(cmd::kChannelDown, 81, nullptr);
  EXPECT_EQ(ToVideo(cmd::kVideoTuneFm), (Values{760, 1080, 876, 900}));
}

// ---- recall -------------------------------------------------------------------------------

TEST_F(ChannelSteps, RecallSwapsTheCurrentAndThePreviousChannel) {
  ctx.channels.currentChannel = 5;
  Issue(cmd::kRecall);  // nothing stored yet
  EXPECT_TRUE(fake.messenger.Log().empty());

  ctx.settings.Write(keys::kRecallAir, 12);
  Issue(cmd::kRecall);
  EXPECT_EQ(std::to_string(LcdChannel()) + " " + Setting(keys::kTvChannelAir) + " " +
                Setting(keys::kTvChannel) + " " + Setting(keys::kRecallAir),
            "12 12 12 5");
  Issue(cmd::kRecall);
  EXPECT_EQ(Tuned(), (Values{12, 5}));

  // The cable key is written "recallCable": the same key as "recallcable".
  ctx.mode.airBand = 0;
  ctx.settings.Write(keys::kRecallCable, 30);
  Issue(cmd::kRecall);
  EXPECT_EQ(Setting(keys::kRecallCable) + " " + Setting(keys::kTvChannelCable), "5 30");

  ctx.mode.fmMode = 1;
  Issue(cmd::kRecall);
  ctx.mode.fmMode = 0;
  ctx.mode.videoInput = 1;
  Issue(cmd::kRecall);
  ctx.mode.videoInput = 0;

  // The full-scan list swaps its indices instead.
  ctx.settings.Write(keys::kUseFullScan, keys::kTrue);
  ctx.settings.Write(keys::kFullScanRecall, 4);
  Issue(cmd::kRecall);
  EXPECT_EQ(Setting(keys::kFullScanRecall) + " " + Setting(keys::kFullScanNow), "1 4");
  EXPECT_EQ(Tuned(), (Values{12, 5, 30, 4}));
}

}  // namespace
}  // namespace tv::commands
