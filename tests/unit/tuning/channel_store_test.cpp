// The channel store's file format, which the video window program reads and writes too: the
// whole settings file is compared after each operation.

#include "tuning/channel_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "unit/panel/panel_harness.h"

namespace tv::tuning {
namespace {

struct FileCase {
  const char* what;
  const char* before;
  std::function<void(PanelContext&)> change;
  const char* after;
};

void RunFileCases(std::initializer_list<FileCase> cases) {
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.what);
    testing::PanelHarness h;
    h.fake.WriteFile(h.ctx.where.settingsIni, c.before);
    c.change(h.ctx);
    EXPECT_EQ(h.Settings(), c.after);
  }
}

TEST(ChannelStoreFile, FmListStaysDenseInTheOrderOfAdding) {
  const auto add = [](const char* f) {
    return [f](PanelContext& ctx) { AddFmEntry(ctx.settings, f); };
  };
  const auto remove = [](const char* f) {
    return [f](PanelContext& ctx) { RemoveFmEntry(ctx.settings, f); };
  };
  // clang-format off
  RunFileCases({
      {"the first entry", "", add("875"), "[CHANNELLISTFM]\r\n1=875\r\nFM=1\r\n"},
      {"appended after the last", "[CHANNELLISTFM]\r\nFM=2\r\n1=875\r\n2=1017\r\n", add("900"), "[CHANNELLISTFM]\r\nFM=3\r\n1=875\r\n2=1017\r\n3=900\r\n"},
      {"already listed: nothing", "[CHANNELLISTFM]\r\nFM=3\r\n1=875\r\n2=1017\r\n3=900\r\n", add("1017"), "[CHANNELLISTFM]\r\nFM=3\r\n1=875\r\n2=1017\r\n3=900\r\n"},
      // Key 0 and the key after the last count as the list when looking for a duplicate.
      {"found under key 0", "[CHANNELLISTFM]\r\nFM=1\r\n0=900\r\n1=875\r\n", add("900"), "[CHANNELLISTFM]\r\nFM=1\r\n0=900\r\n1=875\r\n"},
      {"found one past the count", "[CHANNELLISTFM]\r\nFM=1\r\n1=875\r\n2=900\r\n", add("900"), "[CHANNELLISTFM]\r\nFM=1\r\n1=875\r\n2=900\r\n"},
      // A gap (key 2 missing) is where a new entry goes: the count decides, not the keys.
      {"a gap is filled by the count", "[CHANNELLISTFM]\r\nFM=1\r\n1=875\r\n3=980\r\n", add("1017"), "[CHANNELLISTFM]\r\nFM=2\r\n1=875\r\n3=980\r\n2=1017\r\n"},
      {"removing closes the gap", "[CHANNELLISTFM]\r\nFM=4\r\n1=875\r\n2=900\r\n3=1017\r\n4=1050\r\n", remove("900"), "[CHANNELLISTFM]\r\nFM=3\r\n1=875\r\n2=1017\r\n3=1050\r\n"},
      {"removing the last", "[CHANNELLISTFM]\r\nFM=2\r\n1=875\r\n2=900\r\n", remove("900"), "[CHANNELLISTFM]\r\nFM=1\r\n1=875\r\n"},
      {"removing what is not listed", "[CHANNELLISTFM]\r\nFM=1\r\n1=875\r\n", remove("900"), "[CHANNELLISTFM]\r\nFM=1\r\n1=875\r\n"},
  });
  // clang-format on
}

TEST(ChannelStoreFile, FullScanCompactionMovesNamesWithTheirEntries) {
  const auto compact = [](int k) {
    return [k](PanelContext& ctx) { CompactFullScanList(ctx.settings, k); };
  };
  // clang-format off
  RunFileCases({
      {"entry 3 of 5", "[FREQCHLIST]\r\nALLCH=5\r\n1=55250000\r\n2=61250000\r\n3=67250000\r\n4=77250000\r\n5=83250000\r\n[FREQCHLISTNAME]\r\n1=One\r\n3=Three\r\n4=Four\r\n5=Five\r\n",
        compact(3), "[FREQCHLIST]\r\nALLCH=4\r\n1=55250000\r\n2=61250000\r\n3=77250000\r\n4=83250000\r\n[FREQCHLISTNAME]\r\n1=One\r\n3=Four\r\n4=Five\r\n"},
      // A missing name moves as an empty one, so no later entry takes a stale name.
      {"a nameless entry moves as an empty name", "[FREQCHLIST]\r\nALLCH=3\r\n1=55250000\r\n2=61250000\r\n3=67250000\r\n[FREQCHLISTNAME]\r\n1=One\r\n2=Two\r\n",
        compact(1), "[FREQCHLIST]\r\nALLCH=2\r\n1=61250000\r\n2=67250000\r\n[FREQCHLISTNAME]\r\n1=Two\r\n2=\r\n"},
      {"the last entry", "[FREQCHLIST]\r\nALLCH=2\r\n1=55250000\r\n2=61250000\r\n", compact(2), "[FREQCHLIST]\r\nALLCH=1\r\n1=55250000\r\n"},
  });
  // clang-format on
}

TEST(ChannelStoreFile, ABandListResetListsEveryChannelOfTheBand) {
  const auto limits = [](int minAir, int maxAir, int minCable, int maxCable) {
    return [=](PanelContext& ctx) {
      ctx.channels.minAirChannel = minAir;
      ctx.channels.maxAirChannel = maxAir;
      ctx.channels.minCableChannel = minCable;
      ctx.channels.maxCableChannel = maxCable;
      ResetUnscannedBandLists(ctx);
    };
  };
  // clang-format off
  RunFileCases({
      {"both bands never scanned", "",
        limits(2, 4, 1, 2), "[CHANNELLISTAIR]\r\nALREADYSCAN=FALSE\r\n2=TRUE\r\n3=TRUE\r\n4=TRUE\r\n[TVTuner]\r\nTVChannelAir=8\r\nTVChannelCable=8\r\n[CHANNELLIST]\r\nALREADYSCAN=FALSE\r\n1=TRUE\r\n2=TRUE\r\n"},
      // A scanned band keeps its list; an unscanned one loses what it had unlisted.
      {"air scanned, cable not", "[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n2=FALSE\r\n3=TRUE\r\n[CHANNELLIST]\r\nALREADYSCAN=FALSE\r\n1=FALSE\r\n",
        limits(2, 4, 1, 2), "[CHANNELLISTAIR]\r\nALREADYSCAN=TRUE\r\n2=FALSE\r\n3=TRUE\r\n[CHANNELLIST]\r\nALREADYSCAN=FALSE\r\n1=TRUE\r\n2=TRUE\r\n[TVTuner]\r\nTVChannelCable=8\r\n"},
      // Only the exact "FALSE" (or no key) resets; upside-down limits list nothing.
      {"\"true\" is not \"FALSE\"", "[CHANNELLISTAIR]\r\nALREADYSCAN=true\r\n",
        limits(5, 5, 1, 0), "[CHANNELLISTAIR]\r\nALREADYSCAN=true\r\n[CHANNELLIST]\r\nALREADYSCAN=FALSE\r\n[TVTuner]\r\nTVChannelCable=8\r\n"},
  });
  // clang-format on
}

TEST(ChannelStoreFile, StoredFrequenciesAndTheFineTuneSlider) {
  testing::PanelHarness h;
  h.fake.WriteFile(h.ctx.where.settingsIni,
                   "[CHANNELAIRFREQ]\r\n5=77260000\r\n6=nono\r\n7=abc\r\n"
                   "[CHANNELCABLEFREQ]\r\n5=-1\r\n");
  const IniFile& ini = h.ctx.settings;
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 5), 77260000);
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 6), std::nullopt);  // "nono": not stored
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Air, 8), std::nullopt);  // no key
  EXPECT_EQ(StoredFrequencyHz(ini, Band::Cable, 5), -1);
  // clang-format off
  const struct { int offsetHz, position; } slider[] = {
      {0, 500}, {9999, 500}, {10000, 501}, {-10000, 499}, {-19999, 499}, {5000000, 1000}, {-5000000, 0}, {123456, 512}};
  // clang-format on
  for (const auto& s : slider)
    EXPECT_EQ(FineTuneSliderPosition(s.offsetHz), s.position) << s.offsetHz;
}

}  // namespace
}  // namespace tv::tuning
