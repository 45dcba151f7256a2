// The simulated card's world and workings in-process: which channels carry stations, what a
// tuner receives, what the scans write into a real settings file, the picture adjustments and
// the bitmap files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "bmp_file.h"
#include "picture_adjust.h"
#include "scanner.h"
#include "sim_tv_support.h"
#include "station_model.h"
#include "tuning_world.h"

namespace tv::sim {
namespace {

using test::BoundTuner;
using test::FreshFolder;
using test::WriteUnitedStates;

TEST(SimTvStations, AboutAThirdOfTheChannelsCarryANamedStationChosenTheSameWayEveryTime) {
  std::set<std::string_view> names;
  int present = 0, total = 0;
  for (const Band band : {Band::Air, Band::Cable}) {
    for (int n = 1; n <= 999; ++n) {
      const Station s = TvStation(1, band, n);
      EXPECT_EQ(s.present, !s.name.empty());
      EXPECT_EQ(TvStation(1, band, n).name, s.name);
      present += s.present ? 1 : 0;
      ++total;
      if (s.present) names.insert(s.name);
    }
  }
  EXPECT_NEAR(static_cast<double>(present) / total, 1.0 / 3.0, 0.05);
  EXPECT_GE(names.size(), 15u);

  // Another country, another world on the same channel numbers; air and cable differ too.
  int otherCountry = 0, otherBand = 0;
  for (int n = 2; n <= 69; ++n) {
    const bool here = TvStation(1, Band::Air, n).present;
    otherCountry += here != TvStation(49, Band::Air, n).present ? 1 : 0;
    otherBand += here != TvStation(1, Band::Cable, n).present ? 1 : 0;
  }
  EXPECT_GT(otherCountry, 5);
  EXPECT_GT(otherBand, 5);
}

TEST(SimTvStations, FmStationsSitOnTheCountrysBandOnly) {
  int present = 0, low = 0;
  for (int f = 875; f <= 1080; ++f) present += FmStation(49, f).present ? 1 : 0;
  EXPECT_NEAR(present / 206.0, 0.2, 0.08);
  for (const int outside : {874, 1081, 0, -5, 1017000})
    EXPECT_FALSE(FmStation(49, outside).present);
  for (int f = 760; f <= 874; ++f) low += FmStation(81, f).present ? 1 : 0;
  EXPECT_GT(low, 5) << "country 81's band starts at 76 MHz";
  for (int f = 901; f <= 1080; ++f) EXPECT_FALSE(FmStation(81, f).present) << f;
}

TEST(SimTvPicture, AdjustmentsChangeThePixelsTheWayTheirNamesSay) {
  const ColorMatrix neutral;
  for (const std::uint32_t p : {0x000000u, 0xFFFFFFu, 0x123456u, 0xFF0000u}) {
    EXPECT_EQ(neutral.Apply(p), p);
  }
  auto channel = [](std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };

  const std::uint32_t grey = 0x808080;
  EXPECT_GT(channel(ColorMatrix({.brightness = 220}).Apply(grey), 8), 200);
  EXPECT_LT(channel(ColorMatrix({.brightness = 30}).Apply(grey), 8), 40);
  // Without contrast everything is mid grey; more contrast spreads black and white apart.
  const std::uint32_t flat = ColorMatrix({.contrast = 0}).Apply(0xFFFFFF);
  EXPECT_NEAR(channel(flat, 16), 128, 2);
  EXPECT_LT(channel(ColorMatrix({.contrast = 127}).Apply(0x404040), 0), 0x40);
  // Without saturation red turns grey; hue turns it into another colour.
  const std::uint32_t red = 0xE01010;
  const std::uint32_t washed = ColorMatrix({.saturation = 0}).Apply(red);
  EXPECT_NEAR(channel(washed, 16), channel(washed, 8), 2);
  EXPECT_NEAR(channel(washed, 8), channel(washed, 0), 2);
  const std::uint32_t turned = ColorMatrix({.hue = 85}).Apply(red);
  EXPECT_LT(channel(turned, 16), channel(turned, 8) + channel(turned, 0));

  // The shown hue 0..255 is the signed value's byte.
  const std::pair<int, std::optional<int>> hues[] = {
      {0, 0}, {127, 127}, {128, -1}, {255, -128}, {256, std::nullopt}, {-1, std::nullopt}};
  for (const auto& [shown, hue] : hues) EXPECT_EQ(HueFromShown(shown), hue) << shown;
}

TEST(SimTvPicture, BitmapsAreTwentyFourBitBottomUpWithPaddedRows) {
  // 3 x 2: top row red, green, blue; bottom row white, black, grey.
  const std::vector<std::uint32_t> pixels = {0xFF0000, 0x00FF00, 0x0000FF,
                                             0xFFFFFF, 0x000000, 0x808080};
  const std::vector<std::uint8_t> bmp = EncodeBmp(pixels, 3, 2);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  auto u32 = [&](std::size_t at) {
    return bmp[at] | (bmp[at + 1] << 8) | (bmp[at + 2] << 16) | (bmp[at + 3] << 24);
  };
  EXPECT_EQ(bmp[0], 'B');
  EXPECT_EQ(bmp[1], 'M');
  EXPECT_EQ(u32(2), 78);
  EXPECT_EQ(u32(10), 54);
  EXPECT_EQ(u32(18), 3);
  EXPECT_EQ(u32(22), 2);
  EXPECT_EQ(bmp[28], 24);
  // The file starts with the bottom row, blue-green-red per pixel.
  EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 54, bmp.begin() + 63),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x80, 0x80}));
  EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 66, bmp.begin() + 75),
            (std::vector<std::uint8_t>{0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0}));
  EXPECT_TRUE(EncodeBmp(pixels, 4, 2).empty());
}

class SimTvWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    library = BoundTuner();
    ASSERT_NE(library, nullptr);
    path = FreshFolder("simtv-model") + "\\Settings.ini";
    settings = IniFile(profile, path);
    WriteUnitedStates(settings);
  }
  void TearDown() override { DeleteFileA(path.c_str()); }
  TuningWorld World() { return TuningWorld(library.get(), settings); }

  win32::Win32Profile profile;
  std::string path;
  IniFile settings{profile, ""};
  std::unique_ptr<TunerLibrary> library;
};

TEST_F(SimTvWorld, ChannelsTuneToThePlanOrTheSavedFrequencyAndReceiveWhatIsNearTheCarrier) {
  EXPECT_EQ(World().Range(Band::Air).low, 2);
  EXPECT_EQ(World().Range(Band::Air).high, 69);
  settings.Write(keys::kMaxAir, 5000000);
  EXPECT_EQ(World().Range(Band::Air).high, 69) << "nonsense limits give the library's";
  settings.Write(keys::kMinCable, 40);
  EXPECT_EQ(World().Range(Band::Cable).low, 40);

  EXPECT_EQ(World().DefaultFrequencyHz(Band::Air, 12), 205250000);
  EXPECT_EQ(World().DefaultFrequencyHz(Band::Air, 1), 0) << "the US air band has no channel 1";
  EXPECT_EQ(World().TunedFrequencyHz(Band::Air, 12), 205250000);
  settings.Write(keys::kAirFrequencies, 12, "205350000");
  EXPECT_EQ(World().TunedFrequencyHz(Band::Air, 12), 205350000);
  for (const char* bad : {"nono", "abc", "-5", ""}) {
    settings.Write(keys::kAirFrequencies, 12, bad);
    EXPECT_EQ(World().TunedFrequencyHz(Band::Air, 12), 205250000) << bad;
  }

  int station = 0, empty = 0;
  for (int n = 2; n <= 69; ++n) {
    const std::int64_t carrier = World().DefaultFrequencyHz(Band::Air, n);
    const bool present = TvStation(1, Band::Air, n).present;
    EXPECT_EQ(World().OnChannel(Band::Air, n, carrier).quality,
              present ? Quality::Clean : Quality::None);
    if (present) {
      ++station;
      EXPECT_EQ(World().OnChannel(Band::Air, n, carrier + 100000).quality, Quality::Clean);
      EXPECT_EQ(World().OnChannel(Band::Air, n, carrier - 1000000).quality, Quality::Weak);
      EXPECT_EQ(World().OnChannel(Band::Air, n, carrier + 3000000).quality, Quality::None);
      EXPECT_EQ(World().AtFrequency(carrier).name, TvStation(1, Band::Air, n).name);
    } else {
      ++empty;
    }
  }
  EXPECT_GT(station, 10);
  EXPECT_GT(empty, 20);
}

TEST_F(SimTvWorld, BandScansWriteEveryChannelAndAStopLeavesTheRestAsItWas) {
  Scanner scanner;
  scanner.Start(ScanKind::Air, World(), settings);
  EXPECT_EQ(scanner.Total(), 68);
  while (scanner.Running()) scanner.Advance(7);
  int found = 0;
  for (int n = 2; n <= 69; ++n) {
    const std::string value = settings.Text(keys::kAirList, n);
    const bool expected =
        World().OnChannel(Band::Air, n, World().TunedFrequencyHz(Band::Air, n)).quality !=
        Quality::None;
    EXPECT_EQ(value, expected ? "TRUE" : "FALSE") << n;
    found += expected ? 1 : 0;
  }
  EXPECT_EQ(scanner.Found(), found);
  EXPECT_EQ(settings.Text(keys::kAirList, 1, "missing"), "missing");
  EXPECT_EQ(settings.Text(keys::kAirList, 70, "missing"), "missing");

  for (int n = 1; n <= 125; ++n) settings.WriteFlag(keys::kCableList, n, true);
  scanner.Start(ScanKind::Cable, World(), settings);
  scanner.Advance(10);
  scanner.Stop();
  EXPECT_FALSE(scanner.Advance(5).has_value());
  for (int n = 11; n <= 125; ++n) EXPECT_EQ(settings.Text(keys::kCableList, n), "TRUE") << n;
  int falseSeen = 0;
  for (int n = 1; n <= 10; ++n) falseSeen += settings.IsTrue(keys::kCableList, n) ? 0 : 1;
  EXPECT_EQ(falseSeen, 10 - scanner.Found());
}

TEST_F(SimTvWorld, FmAndFullScansRewriteTheirListsDensely) {
  settings.Write(keys::kFmCount, 50);
  settings.Write(keys::kFmList, 7, "999");
  Scanner scanner;
  scanner.Start(ScanKind::Fm, World(), settings);
  while (scanner.Running()) scanner.Advance(20);
  const int fm = settings.Int(keys::kFmCount);
  EXPECT_EQ(fm, scanner.Found());
  EXPECT_GT(fm, 10);
  int previous = 0;
  for (int i = 1; i <= fm; ++i) {
    const int f = settings.Int(keys::kFmList, i);
    EXPECT_GT(f, previous);
    EXPECT_TRUE(FmStation(1, f).present) << f;
    previous = f;
  }
  EXPECT_EQ(settings.Text(keys::kFmList, fm + 1, "missing"), "missing");

  settings.Write(keys::kFullScanCount, 300);
  for (int i = 1; i <= 300; ++i) settings.Write(keys::kFullScanList, i, "1");
  settings.Write(keys::kFullScanNames, 3, "Old name");
  settings.Write(keys::kFullScanNow, 4);
  scanner.Start(ScanKind::Full, World(), settings);
  while (scanner.Running()) scanner.Advance(500);
  const int all = settings.Int(keys::kFullScanCount);
  EXPECT_EQ(all, scanner.Found());
  EXPECT_GT(all, 20);
  EXPECT_LE(all, 255);
  const std::vector<Carrier> carriers = World().StationCarriers();
  std::set<const Carrier*> seen;
  long long last = 0;
  for (int i = 1; i <= all; ++i) {
    const long long hz = std::atoll(settings.Text(keys::kFullScanList, i).c_str());
    EXPECT_GT(hz, last);
    EXPECT_EQ((hz - 55250000) % kFullScanStepHz, 0) << hz;
    const Carrier* c = NearestCarrier(carriers, hz);
    ASSERT_NE(c, nullptr);
    EXPECT_LE(std::llabs(hz - c->freqHz), kCleanHz);
    EXPECT_TRUE(seen.insert(c).second) << "one station, one entry: " << hz;
    last = hz;
  }
  EXPECT_EQ(settings.Text(keys::kFullScanList, all + 1, "missing"), "missing");
  EXPECT_EQ(settings.Text(keys::kFullScanNames, 3, "missing"), "missing");
  EXPECT_EQ(settings.Int(keys::kFullScanNow), 4) << "the rest of the section stays";

  settings.Write(keys::kMinFreq, "abc");
  EXPECT_EQ(FullScanLimits(settings).lowHz, 55250000) << "the video standard's limits";
  EXPECT_EQ(FullScanLimits(settings).highHz, 801250000);
}

}  // namespace
}  // namespace tv::sim
