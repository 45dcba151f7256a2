// Channel numbers and FM frequencies typed on the number buttons.

#include <gtest/gtest.h>

#include <vector>

#include "unit/commands/channel_bench.h"

namespace tv::commands {
namespace {

using testing::Join;
using testing::JoinAll;
using Values = std::vector<std::intptr_t>;

class DigitEntry : public ::testing::Test, public testing::ChannelBench {
 protected:
  DigitEntry() {
    AddVideo();
    ctx.mode.airBand = 1;
    ctx.channels.currentChannel = 4;
  }
  // What one typed sequence tuned at once, what after the entry's wait, and the partial numbers
  // shown, as "at once/after the wait/shown".
  std::string Typing(const std::vector<int>& digits) {
    fake.messenger.ClearLog();
    Type(digits);
    const Values atOnce = ToVideo(cmd::kVideoTuneChannel);
    fake.time.Advance(2000);
    return JoinAll(atOnce) + "/" + JoinAll(ToVideo(cmd::kVideoTuneChannel)) + "/" +
           JoinAll(ToVideo(cmd::kVideoPartialNumber));
  }
};

TEST_F(DigitEntry, TwoDigitBandsTuneAsSoonAsNoFurtherDigitFits) {
  ctx.settings.Write(keys::kMaxAir, 65);
  EXPECT_EQ(Typing({7}), "7/7/7");
  EXPECT_EQ(Join(Setting(keys::kTvChannelAir), Setting(keys::kRecallAir), LcdChannel()), "7 4 7");
  EXPECT_EQ(Typing({6, 5}), "65/65/6 65");
  EXPECT_EQ(Setting(keys::kRecallAir), "7");
  // 67 is beyond the band: the 7 is dropped. A lone 0 never tunes; the next digit continues it.
  // clang-format off
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{6, 7}, "6/6/6 6"}, {{5, 3}, "53/53/5 53"}, {{5}, "/5/5"}, {{0}, "//0"}, {{9}, "9/9/9"}};
  // clang-format on
  for (const auto& [digits, outcome] : cases) EXPECT_EQ(Typing(digits), outcome);
  EXPECT_FALSE(fake.time.IsRunning(panel::kTimerDigitEntry));
}

TEST_F(DigitEntry, BandsWithHundredsWaitForAThirdDigitOnlyWhileOneFits) {
  ctx.settings.Write(keys::kMaxAir, 125);
  EXPECT_EQ(Typing({1, 2, 5}), "125/125/1 12 125");
  EXPECT_EQ(Typing({1, 2, 6}), "12/12/1 12");  // 126 is beyond the band
  EXPECT_EQ(Typing({1, 3}), "13/13/1 13");
  // Each digit restarts the wait.
  Type({1});
  fake.time.Advance(1500);
  Type({2});
  fake.time.Advance(1999);
  EXPECT_EQ(ToVideo(cmd::kVideoTuneChannel).back(), 13);
  fake.time.Advance(1);
  EXPECT_EQ(ToVideo(cmd::kVideoTuneChannel).back(), 12);
  // On cable the cable band's top counts.
  ctx.mode.airBand = 0;
  ctx.settings.Write(keys::kMaxCable, 99);
  EXPECT_EQ(Typing({1, 2}), "12/12/1 12");
  EXPECT_EQ(Setting(keys::kTvChannelCable), "12");
}

TEST_F(DigitEntry, TheFullScanListWaitsAfterThreeDigitsAndRefusesIndicesBeyondIt) {
  ctx.settings.Write(keys::kUseFullScan, keys::kTrue);
  ctx.settings.Write(keys::kFullScanCount, 125);
  ctx.settings.Write(keys::kFullScanNow, 7);
  EXPECT_EQ(Typing({1, 2, 5}).substr(0, 5), "/125/");
  EXPECT_EQ(
      Join(Setting(keys::kFullScanNow), Setting(keys::kFullScanRecall), Setting(keys::kRecallAir)),
      "125 7 -");
  // The list shrank while the number was typed: the index is not taken.
  Type({1, 2});
  ctx.settings.Write(keys::kFullScanCount, 11);
  fake.time.Advance(2000);
  EXPECT_EQ(Join(JoinAll(ToVideo(cmd::kVideoTuneChannel)), Setting(keys::kFullScanNow)), "125 125");
}

// ---- FM frequencies -----------------------------------------------------------------------

class FmEntry : public DigitEntry {
 protected:
  FmEntry() { ctx.mode.fmMode = 1; }
  Values Tuned() const { return ToVideo(cmd::kVideoTuneFm); }
};

TEST_F(FmEntry, TheCommonBandRefusesDigitsThatCannotMakeOneOfItsFrequencies) {
  Type({1, 0, 8, 0});
  Type({8, 7, 4});  // 87.4 is below the band
  EXPECT_EQ(ctx.entry.fmDigits, 3);
  Type({5});
  Type({1, 0, 9});  // 109 and more are above it
  EXPECT_EQ(ctx.entry.fmDigits, 2);
  Type({5, 5});
  Type({1, 0, 8, 5, 0});        // 108.5 is refused, 108.0 is not
  Type({2, 3, 1, 3, 0, 0, 9});  // only 1, 8 or 9 lead, only 0 follows a leading 1
  EXPECT_EQ(Tuned(), (Values{1080, 875, 1055, 1080, 1009}));
}

TEST_F(FmEntry, CountryCode81TypesTheLowBand) {
  ctx.settings.Write(keys::kCountryCode, 81);
  Type({7, 6, 5});
  Type({6, 7, 5, 5, 6, 0});  // 6 cannot lead, 5 cannot follow 7
  Type({9, 1, 0, 1, 0});     // 90.0 is the top
  Type({8, 9});
  EXPECT_EQ(ctx.entry.fmDigits, 3);
  Type({9});
  EXPECT_EQ(Tuned(), (Values{765, 760, 900, 899}));
}

}  // namespace
}  // namespace tv::commands
