// Binding the tuner library at start-up and the panel's three questions to it.
#include "app/tuner_binding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "fakes/fake_tuner_library.h"

namespace tv {
namespace {

using fakes::FakeCountry;
using fakes::FakeTunerLibrary;
using Events = std::vector<std::string>;
using Calls = std::vector<fakes::FreqInfoCall>;

TEST(TunerBinding, BindsBothEntriesWithoutAWord) {
  FakeTunerLibrary library;
  fakes::FakeMessageBoxes boxes;
  EXPECT_TRUE(BindTunerLibrary(library, boxes));
  EXPECT_EQ(library.events,
            (Events{"load QvTV.dll", "lookup QvGetFreqInfo", "lookup QvGetContryInfo"}));
  EXPECT_TRUE(boxes.Shown().empty());

  library.countryCount = 244;
  EXPECT_EQ(ReadCountryCount(library), 244);
}

TEST(TunerBinding, MissingOrIncompleteLibraryIsReleasedAndReported) {
  struct Case {
    const char* what;
    bool present, hasFreqInfo, hasCountryInfo;
    Events events;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"no file",
       false,
       true,
       true,
       {"load QvTV.dll", "release"},
       {"QvTV.DLL Failed", "invalid QvTV.DLL"}},
      {"only the count",
       true,
       false,
       true,
       {"load QvTV.dll", "lookup QvGetFreqInfo", "release"},
       {"invalid QvTV.DLL"}},
      {"only the frequencies",
       true,
       true,
       false,
       {"load QvTV.dll", "lookup QvGetFreqInfo", "lookup QvGetContryInfo", "release"},
       {"invalid QvTV.DLL"}},
  };
  for (const Case& c : cases) {
    FakeTunerLibrary library;
    library.present = c.present;
    library.hasFreqInfo = c.hasFreqInfo;
    library.hasCountryInfo = c.hasCountryInfo;
    fakes::FakeMessageBoxes boxes;
    EXPECT_FALSE(BindTunerLibrary(library, boxes)) << c.what;
    EXPECT_EQ(library.events, c.events) << c.what;
    ASSERT_EQ(boxes.Texts(), c.texts) << c.what;
    // Owner-less OK boxes; only the load failure names its caption.
    for (const auto& box : boxes.Shown()) {
      EXPECT_FALSE(box.owner);
      EXPECT_EQ(box.style, kMbOk);
      if (box.text == "QvTV.DLL Failed") {
        EXPECT_EQ(box.caption, "Error");
      } else {
        EXPECT_EQ(box.caption, std::nullopt);
      }
    }
  }
}

class TunerQueries : public ::testing::Test {
 protected:
  TunerQueries() {
    // code, standard, air lowest and highest, cable lowest and highest
    library.countries = {
        {49, 4, 2, 69, 1, 101}, {1, 0, 2, 69, 1, 125}, {81, 1, 1, 62, 1, 63}, {1, 0, 2, 13, 1, 99}};
    library.countryCount = 4;
  }
  FakeTunerLibrary library;
};

TEST_F(TunerQueries, PositionOfACodeStopsAtTheFirstMatch) {
  const CountryMatch match = FindCountryPosition(library, 4, 1);
  EXPECT_TRUE(match.found);
  EXPECT_EQ(match.position, 1);
  EXPECT_EQ(match.code, 1);
  EXPECT_EQ(match.standard, 0);
  // code, position, band, channel and the two reserved arguments, as passed
  EXPECT_EQ(library.calls, (Calls{{-1, 0, 1, 0, 0, 0}, {-1, 1, 1, 0, 0, 0}}));
}

TEST_F(TunerQueries, NoMatchLeavesTheLastCountryAndANonPositiveCountAsksNothing) {
  const CountryMatch none = FindCountryPosition(library, 4, 33);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.position, 3);
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.standard, 0);
  EXPECT_EQ(library.calls.size(), 4u);

  // The count the library gave bounds the search, whatever else it knows.
  EXPECT_FALSE(FindCountryPosition(library, 2, 81).found);

  library.calls.clear();
  for (const std::int32_t count : {0, -3}) {
    const CountryMatch nothing = FindCountryPosition(library, count, 49);
    EXPECT_FALSE(nothing.found);
    EXPECT_EQ(nothing.position, -1);
    EXPECT_EQ(nothing.code, -1);
  }
  EXPECT_TRUE(library.calls.empty());
}

TEST_F(TunerQueries, CountryDataAsksCableThenAirThenCableWithTheReturnedCode) {
  const CountryData data = ReadCountryData(library, 2, -1);
  EXPECT_EQ(data.code, 81);
  EXPECT_EQ(data.standard, 1);
  EXPECT_EQ(data.bands.air.lowest, 1);
  EXPECT_EQ(data.bands.air.highest, 62);
  EXPECT_EQ(data.bands.cable.lowest, 1);
  EXPECT_EQ(data.bands.cable.highest, 63);
  EXPECT_EQ(library.calls, (Calls{{-1, 2, 1, 0, 0, 0}, {81, 2, 0, 0, 0, 0}, {81, 2, 1, 0, 0, 0}}));

  // After a position search only the two band questions are asked, with the found code.
  library.calls.clear();
  const CountryMatch match = FindCountryPosition(library, 4, 81);
  std::int32_t code = match.code;
  const CountryBands bands2 = ReadCountryBands(library, match.position, code);
  EXPECT_EQ(bands2.air.highest, 62);
  EXPECT_EQ(bands2.cable.highest, 63);
  ASSERT_EQ(library.calls.size(), 5u);
  EXPECT_EQ(library.calls[3], (fakes::FreqInfoCall{81, 2, 0, 0, 0, 0}));
  EXPECT_EQ(library.calls[4], (fakes::FreqInfoCall{81, 2, 1, 0, 0, 0}));
}

TEST_F(TunerQueries, ChannelFrequencyUsesTheStoredPositionAndTheCurrentBand) {
  fakes::FakePlatform fake;
  const std::string settings = fake.Install() + "\\Settings.ini";

  // No position stored yet: the first country.
  EXPECT_EQ(ChannelFrequency(library, fake.profile, settings.c_str(), 1, 5),
            FakeTunerLibrary::FrequencyOf(0, 0, 5));

  fake.profile.WriteString("TOVIX", "CodePos", "3", settings.c_str());
  EXPECT_EQ(ChannelFrequency(library, fake.profile, settings.c_str(), 1, 7),
            FakeTunerLibrary::FrequencyOf(3, 0, 7));
  for (const std::int32_t airBand : {0, 2, -1}) {
    EXPECT_EQ(ChannelFrequency(library, fake.profile, settings.c_str(), airBand, 95),
              FakeTunerLibrary::FrequencyOf(3, 1, 95));
  }
  const auto& last = library.calls.back();
  EXPECT_EQ(last.code, -1);
  EXPECT_EQ(last.position, 3);

  // A failure code comes back as the frequency, untouched.
  fake.profile.WriteString("TOVIX", "CodePos", "9", settings.c_str());
  EXPECT_EQ(ChannelFrequency(library, fake.profile, settings.c_str(), 1, 7), -1001);
}

TEST(TunerFrequencyLimits, SixMegahertzStandardsTuneTheAmericanRange) {
  for (const std::int32_t s : {-5, 0, 1, 2, 3, 9, 10}) {
    const FrequencyLimits l = FrequencyLimitsFor(s);
    EXPECT_STREQ(l.minFreq, "55250000") << s;
    EXPECT_STREQ(l.maxFreq, "801250000") << s;
    EXPECT_STREQ(l.range, "5000000") << s;
  }
  for (const std::int32_t s : {4, 5, 6, 7, 8, 11, 12, 100}) {
    const FrequencyLimits l = FrequencyLimitsFor(s);
    EXPECT_STREQ(l.minFreq, "45000000") << s;
    EXPECT_STREQ(l.maxFreq, "863250000") << s;
    EXPECT_STREQ(l.range, "3000000") << s;
  }
}

}  // namespace
}  // namespace tv
