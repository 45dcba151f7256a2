// The channel store: its file format as the video window program shares it.

#include "tuning/channel_store.h"

#include <gtest/gtest.h>

#include <string>

#include "app/key_table.h"
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

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  IniFile& ini = ctx.settings;
};

TEST_F(ChannelStore, UnscannedBandsStartAgainWithEveryChannelAndChannel8) {
  ini.Write(keys::kMinAir, 2);
  ini.Write(keys::kMaxAir, 5);
  ini.Write(keys::kMinCable, 1);
  ini.Write(keys::kMaxCable, 3);
  ini.Write(keys::kTvChannelAir, 4);
  ini.Write(keys::kCableList, 2, keys::kFalse);
  RefreshBandLimits(ctx);
  EXPECT_EQ(ctx.channels.minAirChannel, 2);
  EXPECT_EQ(ctx.channels.maxAirChannel, 5);
  EXPECT_EQ(ctx.channels.minCableChannel, 1);
  EXPECT_EQ(ctx.channels.maxCableChannel, 3);

  // A fresh file: neither band has "ALREADYSCAN".
  ResetUnscannedBandLists(ctx);
  EXPECT_EQ(At(keys::kAirAlreadyScan), "FALSE");
  EXPECT_EQ(At(keys::kCableAlreadyScan), "FALSE");
  EXPECT_EQ(At(keys::kTvChannelAir), "8");
  EXPECT_EQ(At(keys::kTvChannelCable), "8");
  for (int n = 0; n <= 6; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(At(keys::kAirList, n), n >= 2 && n <= 5 ? "TRUE" : "-");
    EXPECT_EQ(At(keys::kCableList, n), n >= 1 && n <= 3 ? "TRUE" : "-");
  }

  // Once a band was scanned its list survives the next start.
  ini.Write(keys::kAirAlreadyScan, keys::kTrue);
  SetInList(ini, Band::Air, 3, false);
  ini.Write(keys::kTvChannelAir, 5);
  ResetUnscannedBandLists(ctx);
  EXPECT_EQ(At(keys::kAirList, 3), "FALSE");
  EXPECT_EQ(At(keys::kTvChannelAir), "5");
}

TEST_F(ChannelStore, ABandListResetUsesTheLimitsItIsGivenEvenWhenNeverSetUp) {
  // Limits 0 and 0: the one channel 0.
  ResetBandList(ctx, Band::Air);
  EXPECT_EQ(At(keys::kAirList, 0), "TRUE");
  EXPECT_EQ(At(keys::kAirList, 1), "-");
  EXPECT_EQ(At(keys::kAirAlreadyScan), "FALSE");

  // Upside-down limits mark nothing but still reset the flag and the channel.
  ini.Write(keys::kCableAlreadyScan, keys::kTrue);
  ctx.channels.minCableChannel = 9;
  ctx.channels.maxCableChannel = 4;
  ResetBandList(ctx, Band::Cable);
  EXPECT_EQ(At(keys::kCableAlreadyScan), "FALSE");
  EXPECT_EQ(At(keys::kTvChannelCable), "8");
  for (int n = 0; n <= 10; ++n) EXPECT_EQ(At(keys::kCableList, n), "-") << n;
}

TEST_F(ChannelStore, MembershipIsTheExactTextTrueAndLeavingKeepsTheKey) {
  ini.Write(keys::kAirList, 7, "true");
  ini.Write(keys::kAirList, 8, keys::kTrue);
  EXPECT_FALSE(InList(ini, Band::Air, 7));
  EXPECT_TRUE(InList(ini, Band::Air, 8));
  EXPECT_FALSE(InList(ini, Band::Cable, 8));  // the other band's list

  SetInList(ini, Band::Air, 21, true);
  SetInList(ini, Band::Air, 21, false);
  EXPECT_EQ(At(keys::kAirList, 21), "FALSE");
  EXPECT_NE(h.Settings().find("21=FALSE"), std::string::npos);
}

TEST_F(ChannelStore, FmListAddsOnlyNewFrequenciesAndClosesItsGapsOnRemoval) {
  for (const char* f : {"875", "1017", "990"}) EXPECT_TRUE(AddFmEntry(ini, f));
  EXPECT_EQ(FmCount(ini), 3);
  const std::string before = h.Settings();
  EXPECT_FALSE(AddFmEntry(ini, "1017"));  // under key 3 already
  EXPECT_FALSE(AddFmEntry(ini, ""));      // the missing key 0 reads empty
  EXPECT_EQ(h.Settings(), before);

  // A stray entry just past the count also counts as present.
  ini.Write(keys::kFmList, 4, "1000");
  EXPECT_FALSE(AddFmEntry(ini, "1000"));

  EXPECT_TRUE(AddFmEntry(ini, "1045"));  // overwrites the stray key 4
  EXPECT_TRUE(RemoveFmEntry(ini, "1017"));
  EXPECT_EQ(FmCount(ini), 3);
  EXPECT_EQ(At(keys::kFmList, 1), "875");
  EXPECT_EQ(At(keys::kFmList, 2), "990");
  EXPECT_EQ(At(keys::kFmList, 3), "1045");
  EXPECT_EQ(At(keys::kFmList, 4), "-");

  EXPECT_FALSE(RemoveFmEntry(ini, "1017"));
  EXPECT_TRUE(RemoveFmEntry(ini, "1045"));  // the last one
  EXPECT_EQ(FmCount(ini), 2);
  EXPECT_EQ(At(keys::kFmList, 3), "-");
}

TEST_F(ChannelStore, FullScanCompactionMovesValuesAndNamesTogether) {
  ini.Write(keys::kFullScanCount, 5);
  for (int i = 1; i <= 5; ++i) ini.Write(keys::kFullScanList, i, 55250000 + i);
  ini.Write(keys::kFullScanNames, 1, "One");
  ini.Write(keys::kFullScanNames, 3, "Three");
  ini.Write(keys::kFullScanNames, 4, "Four");
  // Entry 5 has no name.

  CompactFullScanList(ini, 3);
  EXPECT_EQ(At(keys::kFullScanCount), "4");
  EXPECT_EQ(At(keys::kFullScanList, 1), "55250001");
  EXPECT_EQ(At(keys::kFullScanList, 2), "55250002");
  EXPECT_EQ(At(keys::kFullScanList, 3), "55250004");
  EXPECT_EQ(At(keys::kFullScanList, 4), "55250005");
  EXPECT_EQ(At(keys::kFullScanList, 5), "-");
  EXPECT_EQ(At(keys::kFullScanNames, 1), "One");
  EXPECT_EQ(At(keys::kFullScanNames, 3), "Four");
  EXPECT_EQ(At(keys::kFullScanNames, 4), "");  // a missing name moves as an empty one
  EXPECT_EQ(At(keys::kFullScanNames, 5), "-");
  EXPECT_EQ(FullScanFrequencyHz(ini, 3), 55250004);

  CompactFullScanList(ini, 4);  // the last entry: nothing moves
  EXPECT_EQ(At(keys::kFullScanCount), "3");
  EXPECT_EQ(At(keys::kFullScanList, 4), "-");
  EXPECT_EQ(At(keys::kFullScanNames, 3), "Four");
}

TEST_F(ChannelStore, EachReaderTakesItsOwnSentinelForNoName) {
  ini.Write(keys::kAirNames, 5, keys::kNoNameListView);
  ini.Write(keys::kCableNames, 5, "");
  EXPECT_EQ(ChannelName(ini, NameSection(Band::Air), 5, NameReader::ChannelListView), std::nullopt);
  EXPECT_EQ(ChannelName(ini, NameSection(Band::Air), 5, NameReader::TvSettingsPage), "*-88*-");
  EXPECT_EQ(ChannelName(ini, NameSection(Band::Air), 5, NameReader::NameDialog), "*-88*-");
  EXPECT_EQ(ChannelName(ini, NameSection(Band::Air), 6, NameReader::NameDialog), std::nullopt);
  // An empty name exists for every reader but the one whose sentinel is empty.
  EXPECT_EQ(ChannelName(ini, NameSection(Band::Cable), 5, NameReader::ChannelListView), "");
  EXPECT_EQ(ChannelName(ini, NameSection(Band::Cable), 5, NameReader::TvSettingsPage),
            std::nullopt);
  // FM names are found by the frequency text as the list stores it.
  ini.Write(keys::kFmNames, 1017, "Classic");
  EXPECT_EQ(ChannelName(ini, keys::kFmNames, "1017", NameReader::ChannelListView), "Classic");
  ini.Write(keys::kFullScanNames, 2, keys::kNoNameFullScan);
  EXPECT_EQ(ChannelName(ini, keys::kFullScanNames, 2, NameReader::FullScanPage), std::nullopt);
}

TEST_F(ChannelStore, RecallCableWrittenWithItsCapitalIsTheKeyThatIsRead) {
  ini.Write(RecallKeyOfRecallCommand(Band::Cable), 44);
  EXPECT_EQ(ini.Int(RecallKey(Band::Cable)), 44);
  ini.Write(RecallKey(Band::Cable), 45);
  EXPECT_EQ(ini.Int(RecallKeyOfRecallCommand(Band::Cable)), 45);
  EXPECT_EQ(ini.Int(RecallKey(Band::Air)), 0);
}

TEST_F(ChannelStore, StoredFrequenciesGiveTheFineTuningOffsetAndSliderPosition) {
  fakes::FakeTunerLibrary tuner;
  tuner.countryCount = 1;
  tuner.countries = {{.code = 1, .airLowest = 2, .airHighest = 69}};
  ctx.tuner = &tuner;
  ini.Write(keys::kCodePos, 0);
  const int standard = ChannelFrequency(tuner, h.fake.profile, ctx.where.settingsIni.c_str(), 1, 7);

  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 7), std::nullopt);
  EXPECT_EQ(FineTuneOffsetHz(ctx, Band::Air, 7), 0);
  ini.Write(keys::kAirFrequencies, 7, keys::kNoFrequency);
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 7), std::nullopt);

  ini.Write(keys::kAirFrequencies, 7, standard + 100000);
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 7), standard + 100000);
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Cable, 7), std::nullopt);
  EXPECT_EQ(FineTuneOffsetHz(ctx, Band::Air, 7), 100000);
  EXPECT_EQ(FineTuneSliderPosition(100000), 510);
  EXPECT_EQ(FineTuneSliderPosition(-100000), 490);
  EXPECT_EQ(FineTuneSliderPosition(-19999), 499);  // the remainder is dropped
  EXPECT_EQ(FineTuneSliderPosition(5000000), 1000);
}

}  // namespace
}  // namespace tv::tuning
