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

using Texts = std::vector<std::string>;

class MixerTest : public ::testing::Test {
 protected:
  MixerTest() { card.cards = {FakeMixer::TypicalCard()}; }

  FakeSoundCard& Card() { return card.cards[0]; }
  // Keys 0 .. n-1 of a section, "-" for a missing one.
  Texts Keys(const keys::Section& section, int n) const {
    Texts texts;
    for (int k = 0; k < n; ++k) texts.push_back(ctx.settings.Text(section, k, "-"));
    return texts;
  }
  std::string SoundCardName() { return WinIni(h.fake.profile).Text(keys::kSoundCardName); }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  FakeMixer& card = h.fake.mixer;
};

// ---- set-up: what the dialogs find in the settings file -----------------------------------

TEST_F(MixerTest, SetUpPublishesEachMutableLineThenNoneAndTheRecordingSources) {
  h.fake.files.ChangeDirectory("C:\\");
  EXPECT_TRUE(SetUpMixer(ctx, 0));

  EXPECT_EQ(SoundCardName(), "Typical Sound Card");
  EXPECT_EQ(card.notifyWindow, ctx.windows.panel);
  EXPECT_EQ(h.fake.files.CurrentDirectory(), ctx.where.appDirectory);
  EXPECT_EQ(Keys(keys::kAudioLines, 5), (Texts{"CD", "Line", "Mic", "None", "-"}));
  EXPECT_EQ(Keys(keys::kAudioMuteControls, 5), (Texts{"11", "12", "13", "0", "-"}));
  EXPECT_EQ(ctx.settings.Int(keys::kAudioInput), 3) << "the first run chooses None";
  EXPECT_EQ(Keys(keys::kRecordSources, 4), (Texts{"CD", "Line", "Mic", "Mix"}));
  EXPECT_EQ(Keys(keys::kRecordState, 5), (Texts{"0", "0", "1", "0", "-"}));
  EXPECT_TRUE(card.sets.empty()) << "a plain set-up changes nothing on the card";

  // A stored choice survives the next set-up.
  ctx.settings.Write(keys::kAudioInput, 1);
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
  EXPECT_EQ(SoundCardName(), "Typical Sound Card");
  EXPECT_EQ(ctx.mixer.device, 1u);
  EXPECT_EQ(Keys(keys::kAudioLines, 4), (Texts{"CD", "Line", "Mic", "None"}));
  EXPECT_EQ(ctx.mixer.ready, 1);

  card.cards[1].opens = false;
  EXPECT_FALSE(SetUpMixer(ctx, 1));
  EXPECT_EQ(ctx.mixer.ready, 1);
}

TEST_F(MixerTest, ALineWithoutMuteIsLeftOutAndTheChoiceMapsBackThroughTheList) {
  Card().destinations[0].sources = {{"CD", 11}, {"Aux", std::nullopt}, {"Mic", 13}};
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(Keys(keys::kAudioLines, 3), (Texts{"CD", "Mic", "None"}));
  EXPECT_EQ(Keys(keys::kAudioMuteControls, 3), (Texts{"11", "13", "0"}));
  EXPECT_EQ(ctx.settings.Int(keys::kAudioInput), 2);

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

// ---- levels on the card -------------------------------------------------------------------

TEST_F(MixerTest, VolumeLevelsFollowTheBalance) {
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_TRUE(SetBalance(ctx, 200));
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{0, 0})) << "no volume set yet: volume 0";

  EXPECT_TRUE(SetVolume(ctx, 100));
  const struct {
    int balance;
    Levels levels;
  } cases[] = {{128, {25400, 25600}}, {0, {25600, 0}}, {255, {0, 25600}}, {64, {25600, 12800}}};
  for (const auto& c : cases) {
    SetBalance(ctx, c.balance);
    EXPECT_EQ(card.ValuesOf(kVolume), c.levels) << c.balance;
  }
  SetVolume(ctx, 220);
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{56320, 28160}));

  int value = 0;
  EXPECT_TRUE(GetCachedValue(ctx, kCachedVolume, value));
  EXPECT_EQ(value, 220);
  EXPECT_TRUE(GetCachedValue(ctx, kCachedBalance, value));
  EXPECT_EQ(value, 64);

  // A one-channel line takes the left level only.
  Card().destinations[0].channels = 1;
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  SetBalance(ctx, 255);
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{0}));
}

}  // namespace
}  // namespace tv::settings
