// The channel store: its file format as the video window program shares it.

#include "tuning/channel_store.h"

#include <gtest/gtest.h>

#include <string>

#include "app/tuner_binding.h"
#include "fakes/fake_tuner_library.h"
#include "unit/panel/panel_harness.h"

namespace tv::tuning {
namespace {

class ChannelStore : public ::testing::Test {
 protected:
  // "-" stands for a missing key.
  std::string At(const keys::Section& section, int key) const {
    return ini.Text(section, key, "-");
  }
  std::string At(const keys::Key& key) const { return ini.Text(key, "-", 40); }
  std::string Keys(const keys::Section& section, int from, int to) const {
    std::string text;
    for (int n = from; n <= to; ++n) text += At(section, n) + " ";
    return text;
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  IniFile& ini = ctx.settings;
};

TEST_F(ChannelStore, UnscannedBandsStartAgainWithEveryChannelAndChannel8) {
  ini.Write(keys::kMinAir, 2);
  ini.Write(keys::kMaxAir, 4);
  ini.Write(keys::kMaxCable, 1);
  ini.Write(keys::kCableList, 1, keys::kFalse);
  RefreshBandLimits(ctx);
  ResetUnscannedBandLists(ctx);  // a fresh file: no "ALREADYSCAN" in either list
  EXPECT_EQ(Keys(keys::kAirList, 1, 5), "- TRUE TRUE TRUE - ");
  EXPECT_EQ(Keys(keys::kCableList, 0, 2), "TRUE TRUE - ");
  for (const keys::Key* key : {&keys::kAirAlreadyScan, &keys::kCableAlreadyScan})
    EXPECT_EQ(At(*key), "FALSE");
  EXPECT_EQ(At(keys::kTvChannelAir) + At(keys::kTvChannelCable), "88");

  // A band that was scanned keeps its list.
  ini.Write(keys::kAirAlreadyScan, keys::kTrue);
  SetInList(ini, Band::Air, 3, false);
  ResetUnscannedBandLists(ctx);
  EXPECT_EQ(At(keys::kAirList, 3), "FALSE");

  // Limits never set up (0 and 0) mark channel 0; upside-down limits mark nothing.
  ctx.channels = {};
  ini.DeleteSection(keys::kAirList);
  ResetBandList(ctx, Band::Air);
  EXPECT_EQ(Keys(keys::kAirList, 0, 1), "TRUE - ");
  ctx.channels.minCableChannel = 9;
  ctx.channels.maxCableChannel = 4;
  ini.DeleteSection(keys::kCableList);
  ResetBandList(ctx, Band::Cable);
  EXPECT_EQ(Keys(keys::kCableList, 0, 10), "- - - - - - - - - - - ");
}

TEST_F(ChannelStore, MembershipIsTheExactTextTrueAndLeavingKeepsTheKey) {
  ini.Write(keys::kAirList, 7, "true");
  ini.Write(keys::kAirList, 8, keys::kTrue);
  EXPECT_FALSE(InList(ini, Band::Air, 7));
  EXPECT_TRUE(InList(ini, Band::Air, 8));
  EXPECT_FALSE(InList(ini, Band::Cable, 8));
  SetInList(ini, Band::Air, 21, false);
  EXPECT_NE(h.Settings().find("21=FALSE"), std::string::npos);
}

TEST_F(ChannelStore, TheFmListAddsOnlyNewFrequenciesAndClosesItsGaps) {
  for (const char* f : {"875", "1017", "990"}) EXPECT_TRUE(AddFmEntry(ini, f));
  const std::string before = h.Settings();
  EXPECT_FALSE(AddFmEntry(ini, "1017"));  // under key 3 already
  EXPECT_FALSE(AddFmEntry(ini, ""));      // the missing key 0 reads empty
  EXPECT_EQ(h.Settings(), before);
  ini.Write(keys::kFmList, 4, "1000");  // a stray key just past the count counts too
  EXPECT_FALSE(AddFmEntry(ini, "1000"));

  EXPECT_TRUE(RemoveFmEntry(ini, "875"));
  EXPECT_FALSE(RemoveFmEntry(ini, "875"));
  EXPECT_TRUE(RemoveFmEntry(ini, "990"));  // the last one
  EXPECT_EQ(FmCount(ini), 1);
  EXPECT_EQ(Keys(keys::kFmList, 1, 3), "1017 - - ");
}

TEST_F(ChannelStore, FullScanCompactionMovesValuesAndNamesTogether) {
  ini.Write(keys::kFullScanCount, 5);
  for (int i = 1; i <= 5; ++i) ini.Write(keys::kFullScanList, i, 55250000 + i);
  for (int i = 1; i <= 4; ++i) ini.Write(keys::kFullScanNames, i, "N" + std::to_string(i));
  CompactFullScanList(ini, 3);
  EXPECT_EQ(At(keys::kFullScanCount), "4");
  EXPECT_EQ(Keys(keys::kFullScanList, 1, 5), "55250001 55250002 55250004 55250005 - ");
  EXPECT_EQ(Keys(keys::kFullScanNames, 1, 5), "N1 N2 N4  - ");  // 5 had no name: now empty
  CompactFullScanList(ini, 4);
  EXPECT_EQ(At(keys::kFullScanCount), "3");
  EXPECT_EQ(Keys(keys::kFullScanNames, 3, 4), "N4 - ");
}

TEST_F(ChannelStore, EachReaderTakesItsOwnSentinelForNoName) {
  ini.Write(keys::kAirNames, 5, keys::kNoNameListView);
  ini.Write(keys::kCableNames, 5, "");
  const keys::Section& air = NameSection(Band::Air);
  const keys::Section& cable = NameSection(Band::Cable);
  EXPECT_EQ(ChannelName(ini, air, 5, NameReader::ChannelListView), std::nullopt);
  EXPECT_EQ(ChannelName(ini, air, 5, NameReader::TvSettingsPage), "*-88*-");
  EXPECT_EQ(ChannelName(ini, air, 6, NameReader::NameDialog), std::nullopt);
  EXPECT_EQ(ChannelName(ini, cable, 5, NameReader::ChannelListView), "");
  EXPECT_EQ(ChannelName(ini, cable, 5, NameReader::TvSettingsPage), std::nullopt);
  ini.Write(keys::kFmNames, 1017, "Classic");
  EXPECT_EQ(ChannelName(ini, keys::kFmNames, "1017", NameReader::FullScanPage), "Classic");

  // The recall command's "recallCable" is the key everybody else reads as "recallcable".
  ini.Write(RecallKeyOfRecallCommand(Band::Cable), 44);
  EXPECT_EQ(ini.Int(RecallKey(Band::Cable)), 44);
}

TEST_F(ChannelStore, AStoredFrequencyGivesTheFineTuningOffsetAndSliderPosition) {
  fakes::FakeTunerLibrary tuner;
  tuner.countryCount = 1;
  tuner.countries = {{.code = 1, .airLowest = 2, .airHighest = 69}};
  ctx.tuner = &tuner;
  const int standard = ChannelFrequency(tuner, h.fake.profile, ctx.where.settingsIni.c_str(), 1, 7);
  ini.Write(keys::kAirFrequencies, 6, keys::kNoFrequency);
  ini.Write(keys::kAirFrequencies, 7, standard + 100000);
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 6), std::nullopt);
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Cable, 7), std::nullopt);
  EXPECT_EQ(FineTuneOffsetHz(ctx, Band::Air, 6), 0);
  EXPECT_EQ(FineTuneOffsetHz(ctx, Band::Air, 7), 100000);
  EXPECT_EQ(FineTuneSliderPosition(100000), 510);
  EXPECT_EQ(FineTuneSliderPosition(-19999), 499);  // the remainder is dropped
}

}  // namespace
}  // namespace tv::tuning
