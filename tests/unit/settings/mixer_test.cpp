// The sound card's mixer against a scripted card: what the set-up publishes for the dialogs and
// the levels the card receives.

#include "settings/mixer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "base/settings_file.h"
#include "unit/panel/panel_harness.h"

namespace tv::settings {
namespace {

using fakes::FakeMixer;
using fakes::FakeSoundCard;
using Levels = std::vector<std::uint32_t>;

constexpr std::uint32_t kVolume = 1;

class MixerTest : public ::testing::Test {
 protected:
  MixerTest() { card.cards = {FakeMixer::TypicalCard()}; }

  FakeSoundCard& Card() { return card.cards[0]; }
  // Keys 0 .. n-1 of a section joined by ",", "-" for a missing one.
  std::string Keys(const keys::Section& section, int n) const {
    std::string s;
    for (int k = 0; k < n; ++k) s += (k ? "," : "") + ctx.settings.Text(section, k, "-");
    return s;
  }
  // The sound card's name, the input lines and their mute controls, the chosen line.
  std::string Published(int n) {
    return WinIni(h.fake.profile).Text(keys::kSoundCardName) + "|" + Keys(keys::kAudioLines, n) +
           "|" + Keys(keys::kAudioMuteControls, n) + "|" +
           std::to_string(ctx.settings.Int(keys::kAudioInput));
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  FakeMixer& card = h.fake.mixer;
};

TEST_F(MixerTest, SetUpPublishesEachMutableLineThenNoneAndTheRecordingSources) {
  h.fake.files.ChangeDirectory("C:\\");
  EXPECT_TRUE(SetUpMixer(ctx, 0));
  // The first run chooses None; a plain set-up changes nothing on the card.
  EXPECT_EQ(Published(5) + "|" + Keys(keys::kRecordSources, 4) + "|" + Keys(keys::kRecordState, 5) +
                "|" + std::to_string(card.sets.size()),
            "Typical Sound Card|CD,Line,Mic,None,-|11,12,13,0,-|3|CD,Line,Mic,Mix|0,0,1,0,-|0");
  EXPECT_EQ(card.notifyWindow, ctx.windows.panel);
  EXPECT_EQ(h.fake.files.CurrentDirectory(), ctx.where.appDirectory);
  ctx.settings.Write(keys::kAudioInput, 1);  // a stored choice survives the next set-up
  EXPECT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(ctx.settings.Int(keys::kAudioInput), 1);
}

// A device whose capabilities cannot be read is passed over even when it has speakers; a
// later set-up that fails (the device no longer opens) returns 0 and keeps the ready flag.
TEST_F(MixerTest, SetUpSkipsUnreadableDevicesAndAFailureKeepsTheReadyFlag) {
  FakeSoundCard unreadable = FakeMixer::TypicalCard();
  unreadable.productName = "Unreadable";
  unreadable.capabilitiesReadable = false;
  unreadable.destinations[0].sources = {{"Aux", 21}};
  card.cards.insert(card.cards.begin(), unreadable);
  EXPECT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(
      Published(4) + " " + std::to_string(ctx.mixer.device) + " " + std::to_string(ctx.mixer.ready),
      "Typical Sound Card|CD,Line,Mic,None|11,12,13,0|3 1 1");
  card.cards[1].opens = false;
  EXPECT_FALSE(SetUpMixer(ctx, 1));
  EXPECT_EQ(ctx.mixer.ready, 1);
}

TEST_F(MixerTest, ALineWithoutMuteIsLeftOutAndTheChoiceMapsBackThroughTheList) {
  Card().destinations[0].sources = {{"CD", 11}, {"Aux", std::nullopt}, {"Mic", 13}};
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(Published(3), "Typical Sound Card|CD,Mic,None|11,13,0|2");
  // Entry 1 is "Mic", the card's third source line, not the unmutable second one.
  ctx.settings.Write(keys::kAudioInput, 1);
  ASSERT_TRUE(SetUpMixer(ctx, 1));
  EXPECT_EQ(ctx.mixer.inputMuteControl, 13u);
  // Choosing "None" leaves no line to mute, even with a line remembered before.
  ctx.settings.Write(keys::kAudioInput, 2);
  ASSERT_TRUE(SetUpMixer(ctx, 1));
  card.sets.clear();
  SetInputMute(ctx, 1);
  EXPECT_TRUE(card.sets.empty());
}

TEST_F(MixerTest, VolumeLevelsFollowTheBalance) {
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_TRUE(SetBalance(ctx, 200));
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{0, 0})) << "no volume set yet: volume 0";
  EXPECT_TRUE(SetVolume(ctx, 100));
  // clang-format off
  const struct { int balance; Levels levels; } cases[] = {{128, {25400, 25600}}, {0, {25600, 0}}, {255, {0, 25600}}, {64, {25600, 12800}}};
  // clang-format on
  for (const auto& c : cases) {
    SetBalance(ctx, c.balance);
    EXPECT_EQ(card.ValuesOf(kVolume), c.levels) << c.balance;
  }
  SetVolume(ctx, 220);
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{56320, 28160}));
  int volume = 0, balance = 0;
  EXPECT_TRUE(GetCachedValue(ctx, kCachedVolume, volume));
  EXPECT_TRUE(GetCachedValue(ctx, kCachedBalance, balance));
  EXPECT_EQ(std::pair(volume, balance), std::pair(220, 64));
  Card().destinations[0].channels = 1;  // a one-channel line takes the left level only
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  SetBalance(ctx, 255);
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{0}));
}

}  // namespace
}  // namespace tv::settings
