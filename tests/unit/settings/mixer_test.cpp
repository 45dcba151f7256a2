// The sound card's mixer against a scripted card: what the set-up publishes for the dialogs,
// the levels the card receives, and a machine without any mixer.

#include "settings/mixer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/key_table.h"
#include "app/settings_file.h"
#include "unit/panel/panel_harness.h"

namespace tv::settings {
namespace {

using fakes::FakeMixer;
using fakes::FakeSoundCard;
using fakes::SetValuesCall;
using Levels = std::vector<std::uint32_t>;

constexpr std::uint32_t kVolume = 1, kBass = 2, kTreble = 3;

using Texts = std::vector<std::string>;

class MixerTest : public ::testing::Test {
 protected:
  MixerTest() { card.cards = {FakeMixer::TypicalCard()}; }

  FakeSoundCard& Card(std::size_t n = 0) { return card.cards[n]; }
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

// ---- set-up: what the dialogs find in the settings file --------------------------------

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

TEST_F(MixerTest, TheFirstDeviceWithSpeakersIsUsedAndEveryDeviceLookedAtIsNamed) {
  FakeSoundCard recorder = FakeMixer::TypicalCard();
  recorder.productName = "Capture Only";
  recorder.destinations.erase(recorder.destinations.begin());
  FakeSoundCard other = FakeMixer::TypicalCard();
  other.productName = "Never Reached";
  card.cards = {recorder, FakeMixer::TypicalCard(), other};

  EXPECT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(card.opened, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_EQ(SoundCardName(), "Typical Sound Card");
  EXPECT_TRUE(SetVolume(ctx, 10));
  EXPECT_EQ(card.ValuesOf(kVolume), (Levels{2540, 2560}));

  // An open failure on the way ends the set-up at once.
  card.cards[1].opens = false;
  card.opened.clear();
  EXPECT_FALSE(SetUpMixer(ctx, 0));
  EXPECT_EQ(card.opened, (std::vector<std::uint32_t>{0}));
}

TEST_F(MixerTest, DevicesWithoutSpeakersStillSucceedWithNoControlsAndNoRecordingSources) {
  FakeSoundCard recorder = FakeMixer::TypicalCard();
  recorder.destinations.erase(recorder.destinations.begin());
  card.cards = {recorder, recorder};
  EXPECT_TRUE(SetUpMixer(ctx, 1));
  EXPECT_EQ(card.opened, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_EQ(Keys(keys::kAudioLines, 1), Texts{"None"});
  EXPECT_EQ(Keys(keys::kAudioMuteControls, 1), Texts{"0"});
  EXPECT_EQ(ctx.settings.Int(keys::kAudioInput), 0);
  EXPECT_EQ(Keys(keys::kRecordSources, 1), Texts{"-"});
  EXPECT_FALSE(SetVolume(ctx, 100));
  EXPECT_FALSE(SetBass(ctx, 100));
  EXPECT_TRUE(card.sets.empty());
}

TEST_F(MixerTest, AnOpenFailureOrNoDeviceMeansNoMixerAndNothingPublished) {
  card.cards.clear();
  EXPECT_FALSE(SetUpMixer(ctx, 1));
  EXPECT_EQ(Keys(keys::kAudioLines, 1), Texts{"-"});
  EXPECT_EQ(Keys(keys::kAudioMuteControls, 1), Texts{"-"});
  EXPECT_EQ(ctx.settings.Int(keys::kAudioInput), 500);
  EXPECT_EQ(Keys(keys::kRecordSources, 1), Texts{"-"});
  EXPECT_EQ(SoundCardName(), "");

  EXPECT_FALSE(SetVolume(ctx, 100) || SetBalance(ctx, 10) || SetBass(ctx, 10) ||
               SetTreble(ctx, 10));
  int value = 7;
  EXPECT_FALSE(GetCachedValue(ctx, kCachedVolume, value));
  EXPECT_EQ(value, 7);
  SetInputMute(ctx, 0);
  EXPECT_TRUE(card.sets.empty());

  // A card that will not open: the same, and an earlier success no longer counts.
  card.cards = {FakeMixer::TypicalCard()};
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  card.cards[0].opens = false;
  EXPECT_FALSE(SetUpMixer(ctx, 0));
  EXPECT_FALSE(SetVolume(ctx, 100));
  EXPECT_TRUE(card.sets.empty());
}

// ---- the recording selector --------------------------------------------------------------

TEST_F(MixerTest, ReselectAppliesStoredRecordStatesUpToTheFirstMissingOne) {
  ctx.settings.Write(keys::kRecordState, 0, "1");
  ctx.settings.Write(keys::kRecordState, 1, "1");
  ctx.settings.Write(keys::kRecordState, 3, "1");  // after the gap: not read

  ASSERT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(Card().destinations[1].itemStates, (std::vector<bool>{false, false, true, false}))
      << "only a reselect applies stored states";
  EXPECT_EQ(Keys(keys::kRecordState, 1), Texts{"0"});

  ctx.settings.DeleteSection(keys::kRecordState);
  ctx.settings.Write(keys::kRecordState, 0, "1");
  ctx.settings.Write(keys::kRecordState, 1, "1");
  ASSERT_TRUE(SetUpMixer(ctx, 1));
  EXPECT_EQ(Card().destinations[1].itemStates, (std::vector<bool>{true, true, true, false}));
  EXPECT_EQ(Keys(keys::kRecordState, 4), (Texts{"1", "1", "1", "0"}));
}

TEST_F(MixerTest, TheSelectorIsTheWaveInLinesFirstControlOnlyWhenThatIsAList) {
  // No wave-in destination: the last destination looked at is taken.
  Card().destinations[1].type = MixerLineType::Other;
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  EXPECT_EQ(Keys(keys::kRecordSources, 4)[3], "Mix");

  // A first control that is no list publishes nothing.
  ctx.settings.DeleteSection(keys::kRecordSources);
  Card().destinations[1].listControl.reset();
  Card().destinations[1].volumeControl = 21;
  ASSERT_TRUE(SetUpMixer(ctx, 1));
  EXPECT_EQ(Keys(keys::kRecordSources, 1), Texts{"-"});
}

// ---- levels on the card --------------------------------------------------------------------

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

TEST_F(MixerTest, BassAndTrebleGoOnEveryChannelUnscaledAndAreCached) {
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  int value = -5;
  EXPECT_TRUE(GetCachedValue(ctx, kCachedBass, value));
  EXPECT_EQ(value, 0) << "nothing set yet";
  EXPECT_TRUE(GetCachedValue(ctx, kCachedBalance, value));
  EXPECT_EQ(value, 128);

  EXPECT_TRUE(SetBass(ctx, 200));
  EXPECT_TRUE(SetTreble(ctx, 7));
  EXPECT_EQ(card.ValuesOf(kBass), (Levels{200, 200}));
  EXPECT_EQ(card.ValuesOf(kTreble), (Levels{7, 7}));
  EXPECT_TRUE(GetCachedValue(ctx, kCachedBass, value));
  EXPECT_EQ(value, 200);
  EXPECT_TRUE(GetCachedValue(ctx, kCachedTreble, value));
  EXPECT_EQ(value, 7);

  value = 3;
  EXPECT_FALSE(GetCachedValue(ctx, 102, value));
  EXPECT_EQ(value, -1) << "unknown codes answer -1";
}

TEST_F(MixerTest, AMissingControlMakesOnlyItsOwnOperationANoOp) {
  Card().destinations[0].trebleControl.reset();
  Card().destinations[0].volumeControl.reset();
  ASSERT_TRUE(SetUpMixer(ctx, 0));

  EXPECT_FALSE(SetTreble(ctx, 50));
  EXPECT_FALSE(SetVolume(ctx, 50));
  EXPECT_FALSE(SetBalance(ctx, 50));
  EXPECT_TRUE(SetBass(ctx, 50));
  EXPECT_EQ(card.sets, (std::vector<SetValuesCall>{{kBass, {50, 50}}}));

  int value = 9;
  EXPECT_FALSE(GetCachedValue(ctx, kCachedTreble, value));
  EXPECT_FALSE(GetCachedValue(ctx, kCachedVolume, value));
  EXPECT_FALSE(GetCachedValue(ctx, kCachedBalance, value));
  EXPECT_EQ(value, 9);
}

TEST_F(MixerTest, ASetOperationIsRefusedWhileAnotherIsSettingTheCard) {
  ASSERT_TRUE(SetUpMixer(ctx, 0));
  std::vector<bool> inner;
  bool entered = false;
  card.whileSetting = [&](std::uint32_t control) {
    if (control != kVolume || entered) return;
    entered = true;
    inner.push_back(SetVolume(ctx, 5));
    inner.push_back(SetBass(ctx, 5));
    inner.push_back(SetTreble(ctx, 5));
  };
  EXPECT_TRUE(SetVolume(ctx, 100));
  EXPECT_EQ(inner, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(card.sets, (std::vector<SetValuesCall>{{kVolume, {25400, 25600}}}));

  // Once it returned, the next operation runs.
  card.whileSetting = nullptr;
  EXPECT_TRUE(SetBass(ctx, 5));
}

// ---- the input line's mute -------------------------------------------------------------

TEST_F(MixerTest, InputMuteActsOnTheStoredLineEvenBeforeTheSetUp) {
  ctx.settings.Write(keys::kAudioInput, 1);
  ctx.settings.Write(keys::kAudioMuteControls, 1, "12");
  SetInputMute(ctx, 1);
  SetInputMute(ctx, 0);
  EXPECT_EQ(card.sets, (std::vector<SetValuesCall>{{12, {1}}, {12, {0}}}));

  // A line without a stored control keeps the line remembered last.
  card.sets.clear();
  ctx.settings.Write(keys::kAudioInput, 4);
  SetInputMute(ctx, 1);
  EXPECT_EQ(card.sets, (std::vector<SetValuesCall>{{12, {1}}}));

  // With nothing stored and nothing remembered there is nothing to mute.
  PanelContext fresh(h.fake.platform, ctx.where);
  card.sets.clear();
  SetInputMute(fresh, 1);
  EXPECT_TRUE(card.sets.empty());
}

}  // namespace
}  // namespace tv::settings
