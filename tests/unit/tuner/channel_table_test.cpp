// The country table and channel plans QvTV.dll serves, checked against the published plans.
#include "tuner/channel_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "app/tuner_binding.h"

namespace tv::tuner {
namespace {

const ChannelTable& Table() {
  const ChannelTable* table = BuiltInTable();
  if (table == nullptr) {
    ADD_FAILURE() << "the embedded tables do not parse";
    static const ChannelTable empty;
    return empty;
  }
  return *table;
}

std::int32_t PositionOf(const std::string& name) {
  const auto& countries = Table().countries;
  const auto it = std::find_if(countries.begin(), countries.end(),
                               [&](const Country& c) { return c.name == name; });
  EXPECT_NE(it, countries.end()) << name;
  return static_cast<std::int32_t>(it - countries.begin());
}

// What the DLL answers for a channel of a country, by position as the panel asks.
std::int32_t Frequency(const std::string& country, std::int32_t band, std::int32_t channel) {
  std::int32_t code = kAskByPosition, position = PositionOf(country);
  std::int32_t standard = 0, highest = 0, lowest = 0;
  return AnswerFreqInfo(Table(), &code, &position, band, channel, &standard, &highest, &lowest);
}

// A lettered channel: the number the table gave it.
std::int32_t Numbered(const std::string& country, std::int32_t band, const std::string& name) {
  const ChannelTable& t = Table();
  const Plan& plan = t.BandPlan(t.countries[static_cast<std::size_t>(PositionOf(country))], band);
  for (const Channel& c : plan.channels) {
    if (c.name == name) return c.number;
  }
  ADD_FAILURE() << plan.id << " has no channel " << name;
  return 0;
}

std::int32_t Hz(const char* text) {
  return std::stoi(text);
}

TEST(ChannelTable, CountryListMatchesTheSetupDialogsFixedPositions) {
  const auto& countries = Table().countries;
  ASSERT_EQ(countries.size(), 244u);
  EXPECT_EQ(countries[228].code, 1);
  EXPECT_EQ(countries[228].name, "United States");
  EXPECT_EQ(countries[180].code, 7);
  EXPECT_EQ(countries[180].name, "Russia");

  // Alphabetical, unique, and names a Windows list box and an INI value can carry.
  std::set<std::string> seen;
  for (std::size_t i = 0; i < countries.size(); ++i) {
    const std::string& name = countries[i].name;
    EXPECT_TRUE(seen.insert(name).second) << name;
    for (const char c : name) EXPECT_TRUE(c >= 0x20 && c < 0x7f && c != '|') << name;
    if (i > 0) {
      std::string a = countries[i - 1].name, b = name;
      for (auto* s : {&a, &b}) {
        for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      }
      EXPECT_LT(a, b) << "position " << i;
    }
    EXPECT_GT(countries[i].code, 0) << name;
    EXPECT_LE(countries[i].standard, 12) << name;
  }
}

TEST(ChannelTable, EveryPlanIsUsedAndHasRealCarriers) {
  const ChannelTable& t = Table();
  std::set<std::size_t> used;
  for (const Country& c : t.countries) used.insert({c.airPlan, c.cablePlan});
  // Plans whose own numbering does not follow frequency (documented in plans.txt).
  const std::set<std::string> unordered = {"us-cable", "jp-cable", "au-air"};

  for (std::size_t i = 0; i < t.plans.size(); ++i) {
    const Plan& plan = t.plans[i];
    EXPECT_TRUE(used.count(i)) << plan.id << " is used by no country";
    EXPECT_LE(plan.Lowest(), plan.Highest()) << plan.id;
    EXPECT_LE(plan.Highest(), 999) << plan.id;
    std::vector<Channel> byNumber = plan.channels;
    std::sort(byNumber.begin(), byNumber.end(),
              [](const Channel& a, const Channel& b) { return a.number < b.number; });
    for (std::size_t k = 0; k < byNumber.size(); ++k) {
      EXPECT_GE(byNumber[k].freqHz, 40000000) << plan.id << " " << byNumber[k].name;
      EXPECT_LE(byNumber[k].freqHz, 900000000) << plan.id << " " << byNumber[k].name;
      if (k > 0 && !unordered.count(plan.id)) {
        EXPECT_GT(byNumber[k].freqHz, byNumber[k - 1].freqHz) << plan.id << " " << byNumber[k].name;
      }
    }
  }
}

TEST(ChannelTable, EveryChannelLiesInsideTheTuningLimitsOfItsCountrysStandard) {
  const ChannelTable& t = Table();
  for (const Country& c : t.countries) {
    const FrequencyLimits limits = FrequencyLimitsFor(c.standard);
    for (const std::int32_t band : {kAirBand, kCableBand}) {
      for (const Channel& ch : t.BandPlan(c, band).channels) {
        EXPECT_GE(ch.freqHz, Hz(limits.minFreq)) << c.name << " " << ch.name;
        EXPECT_LE(ch.freqHz, Hz(limits.maxFreq)) << c.name << " " << ch.name;
      }
    }
  }
}

TEST(ChannelTable, PublishedCarriers) {
  struct Spot {
    const char* country;
    std::int32_t band;
    std::int32_t channel;
    std::int32_t freqHz;
  };
  const Spot spots[] = {
      {"United States", kAirBand, 2, 55250000},
      {"United States", kAirBand, 7, 175250000},
      {"United States", kAirBand, 14, 471250000},
      {"United States", kAirBand, 69, 801250000},
      {"United States", kCableBand, 1, 73250000},
      {"United States", kCableBand, 14, 121250000},
      {"United States", kCableBand, 95, 91250000},
      {"United States", kCableBand, 125, 799250000},
      {"Japan", kAirBand, 1, 91250000},
      {"Japan", kAirBand, 4, 171250000},
      {"Japan", kAirBand, 13, 471250000},
      {"Japan", kCableBand, 13, 109250000},
      {"Japan", kCableBand, 63, 463250000},
      {"Germany", kAirBand, 2, 48250000},
      {"Germany", kAirBand, 5, 175250000},
      {"Germany", kAirBand, 21, 471250000},
      {"Germany", kAirBand, 69, 855250000},
      {"United Kingdom", kAirBand, 21, 471250000},
      {"United Kingdom", kAirBand, 68, 847250000},
      {"France", kAirBand, 2, 55750000},
      {"France", kAirBand, 3, 60500000},
      {"France", kAirBand, 5, 176000000},
      {"France", kAirBand, 10, 216000000},
      {"Italy", kAirBand, 1, 53750000},
      {"Italy", kAirBand, 10, 224250000},
      {"Ireland", kAirBand, 2, 53750000},
      {"Ireland", kAirBand, 9, 215250000},
      {"Russia", kAirBand, 1, 49750000},
      {"Russia", kAirBand, 6, 175250000},
      {"China", kAirBand, 6, 168250000},
      {"China", kAirBand, 25, 607250000},
      {"Australia", kAirBand, 2, 64250000},
      {"Australia", kAirBand, 28, 527250000},
      {"New Zealand", kAirBand, 1, 45250000},
      {"New Zealand", kAirBand, 4, 175250000},
      {"South Africa", kAirBand, 13, 247430000},
      {"Argentina", kAirBand, 21, 513250000},
      {"Senegal", kAirBand, 4, 175250000},
  };
  for (const Spot& s : spots) {
    EXPECT_EQ(Frequency(s.country, s.band, s.channel), s.freqHz)
        << s.country << " band " << s.band << " channel " << s.channel;
  }

  // Lettered channels, found by the plan's own name.
  EXPECT_EQ(Frequency("Germany", kCableBand, Numbered("Germany", kCableBand, "S21")), 303250000);
  EXPECT_EQ(Frequency("Germany", kCableBand, Numbered("Germany", kCableBand, "S1")), 105250000);
  EXPECT_EQ(Frequency("Germany", kCableBand, Numbered("Germany", kCableBand, "E5")), 175250000);
  EXPECT_EQ(Frequency("Russia", kCableBand, Numbered("Russia", kCableBand, "SK11")), 231250000);
  EXPECT_EQ(Frequency("China", kCableBand, Numbered("China", kCableBand, "Z8")), 224250000);
  EXPECT_EQ(Frequency("Australia", kAirBand, Numbered("Australia", kAirBand, "0")), 46250000);
  EXPECT_EQ(Frequency("Australia", kAirBand, Numbered("Australia", kAirBand, "9A")), 203250000);
}

TEST(ChannelTable, AnswersLikeTheLibrary) {
  const ChannelTable& t = Table();
  const std::int32_t germany = PositionOf("Germany");
  std::int32_t code = kAskByPosition, position = germany, standard = -9, highest = -9, lowest = -9;

  // By position: the country's code and the band's limits; channel 0 asks for no frequency.
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 0, &standard, &highest, &lowest), 0);
  EXPECT_EQ(code, 49);
  EXPECT_EQ(standard, 4);
  EXPECT_EQ(lowest, 2);
  EXPECT_EQ(highest, 69);
  // The code returned before works as well, and gaps of a plan are not channels.
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 15, &standard, &highest, &lowest),
            kChannelOutOfRange);
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 70, &standard, &highest, &lowest),
            kChannelOutOfRange);
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kCableBand, 1, &standard, &highest, &lowest),
            48250000);
  EXPECT_EQ(lowest, 1);
  EXPECT_EQ(highest, 101);

  // A code that is not the position's: the first country with that code answers.
  code = 1;
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 2, &standard, &highest, &lowest),
            55250000);
  EXPECT_EQ(standard, 0);

  // Failures leave the outputs alone.
  standard = highest = lowest = -9;
  code = 9999;
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 0, &standard, &highest, &lowest),
            kCodeUnknown);
  EXPECT_EQ(code, 9999);
  for (const std::int32_t bad : {-2, 0}) {
    code = bad;
    EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 0, &standard, &highest, &lowest),
              kCountryOutOfRange);
  }
  for (const std::int32_t bad : {-1, 244}) {
    code = kAskByPosition;
    position = bad;
    EXPECT_EQ(AnswerFreqInfo(t, &code, &position, kAirBand, 0, &standard, &highest, &lowest),
              kCountryOutOfRange);
  }
  EXPECT_EQ(standard, -9);
  EXPECT_EQ(highest, -9);
  position = germany;
  EXPECT_EQ(AnswerFreqInfo(t, &code, &position, 2, 5, &standard, &highest, &lowest), kOtherError);
  EXPECT_EQ(AnswerFreqInfo(t, nullptr, &position, kAirBand, 5, nullptr, nullptr, nullptr),
            kCountryOutOfRange);
}

TEST(ChannelTable, MalformedTextIsRejectedWithItsLine) {
  const std::string plans = "plan p\n# number name MHz\n  2  E2  48.25\n  3  E3  55.2\n";
  const std::string countries = "# comment\n\nLand | 49 | 4 | p | p\r\n";
  ChannelTable table;
  std::string error;
  ASSERT_TRUE(ParseChannelTable(countries, plans, table, error)) << error;
  EXPECT_EQ(table.plans[0].Find(3)->freqHz, 55200000);  // exact, no floating point
  EXPECT_EQ(table.countries[0].name, "Land");

  const struct {
    const char* countries;
    const char* plans;
    const char* error;
  } bad[] = {
      {"Land | 49 | 4 | p | q\n", "plan p\n 2 E2 48.25\n", "countries.txt line 1: unknown plan"},
      {"Land | 49 | 4 | p\n", "plan p\n 2 E2 48.25\n", "countries.txt line 1: want 5 fields"},
      {"Land | 1 | 4 | p | p\n", " 2 E2 48.25\n", "plans.txt line 1: channel before any plan"},
      {"Land | 1 | 4 | p | p\n", "plan p\n 2 E2 48.25\n 2 E3 55.25\n",
       "plans.txt line 3: channel number twice in a plan"},
      {"Land | 1 | 4 | p | p\n", "plan p\n 2 E2 48,25\n", "plans.txt line 2: bad frequency"},
  };
  for (const auto& b : bad) {
    EXPECT_FALSE(ParseChannelTable(b.countries, b.plans, table, error)) << b.error;
    EXPECT_EQ(error, b.error);
  }
}

}  // namespace
}  // namespace tv::tuner
