// The country table and channel plans QvTV.dll serves, checked against the published plans.
#include "tuner/channel_table.h"

#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "base/tuner_binding.h"

namespace tv::tuner {
namespace {

TEST(ChannelTable, CountryListKeepsItsFixedPositionsAndEveryChannelIsTunable) {
  const ChannelTable* t = BuiltInTable();
  ASSERT_NE(t, nullptr) << "the embedded tables do not parse";
  const auto& countries = t->countries;
  ASSERT_EQ(countries.size(), 244u);
  EXPECT_EQ(std::tie(countries[228].code, countries[228].name), std::tuple(1, "United States"));
  EXPECT_EQ(std::tie(countries[180].code, countries[180].name), std::tuple(7, "Russia"));
  for (std::size_t i = 0; i < countries.size(); ++i) {
    const Country& c = countries[i];
    // Strictly alphabetical ignoring case, so no name can slip in without moving the others.
    EXPECT_TRUE(i == 0 || strcasecmp(countries[i - 1].name.c_str(), c.name.c_str()) < 0) << c.name;
    // Every carrier lies inside the tuning limits of the country's standard.
    const FrequencyLimits limits = FrequencyLimitsFor(c.standard);
    for (const std::int32_t band : {kAirBand, kCableBand}) {
      for (const Channel& ch : t->BandPlan(c, band).channels) {
        EXPECT_TRUE(ch.freqHz >= std::stoi(limits.minFreq) &&
                    ch.freqHz <= std::stoi(limits.maxFreq))
            << c.name << " " << ch.name << " " << ch.freqHz;
      }
    }
  }
}

TEST(ChannelTable, AnswersAndFailureCodesLikeTheLibrary) {
  const ChannelTable* t = BuiltInTable();
  ASSERT_NE(t, nullptr);
  auto positionOf = [t](const std::string& name) {
    const auto& countries = t->countries;
    const auto it = std::find_if(countries.begin(), countries.end(),
                                 [&](const Country& c) { return c.name == name; });
    EXPECT_NE(it, countries.end()) << name;
    return static_cast<std::int32_t>(it - countries.begin());
  };
  const std::int32_t germany = positionOf("Germany");
  std::int32_t code = kAskByPosition, position = germany, standard = -9, high = -9, low = -9;
  auto ask = [&](std::int32_t band, std::int32_t channel) {
    return AnswerFreqInfo(*t, &code, &position, band, channel, &standard, &high, &low);
  };

  // By position: the country's code and the band's limits; channel 0 asks for no frequency.
  EXPECT_EQ(ask(kAirBand, 0), 0);
  EXPECT_EQ(std::tuple(code, standard, low, high), std::tuple(49, 4, 2, 69));
  // The code returned works as well; gaps and ends of a plan are not channels.
  for (const std::int32_t gap : {15, 70}) EXPECT_EQ(ask(kAirBand, gap), kChannelOutOfRange) << gap;
  // A code that is not the position's: the first country with that code answers.
  code = 1;
  EXPECT_EQ(ask(kAirBand, 2), 55250000);
  EXPECT_EQ(standard, 0);
  // A handful of published carriers, the odd ones among them.
  // clang-format off
  const struct { const char* country; std::int32_t band, channel, freqHz; } carriers[] = {
      {"United States", kAirBand, 2, 55250000},    {"United States", kCableBand, 95, 91250000},
      {"Japan", kAirBand, 1, 91250000},            {"Germany", kAirBand, 69, 855250000},
      {"France", kAirBand, 3, 60500000},           {"South Africa", kAirBand, 13, 247430000}};
  // clang-format on
  for (const auto& c : carriers) {
    code = kAskByPosition;
    position = positionOf(c.country);
    EXPECT_EQ(ask(c.band, c.channel), c.freqHz) << c.country << " " << c.band << " " << c.channel;
  }
  // Failures leave the outputs alone.
  standard = high = low = -9;
  // clang-format off
  const struct { std::int32_t code, position, band, result; } failures[] = {
      {9999, germany, kAirBand, kCodeUnknown},    {-2, germany, kAirBand, kCountryOutOfRange},
      {0, germany, kAirBand, kCountryOutOfRange}, {kAskByPosition, germany, 2, kOtherError},
      {kAskByPosition, -1, kAirBand, kCountryOutOfRange},
      {kAskByPosition, 244, kAirBand, kCountryOutOfRange}};
  // clang-format on
  for (const auto& f : failures) {
    code = f.code;
    position = f.position;
    EXPECT_EQ(ask(f.band, 5), f.result) << f.code << " at " << f.position;
    EXPECT_EQ(std::tuple(code, standard, low, high), std::tuple(f.code, -9, -9, -9));
  }
  EXPECT_EQ(AnswerFreqInfo(*t, nullptr, &position, kAirBand, 5, nullptr, nullptr, nullptr),
            kCountryOutOfRange);
}

}  // namespace
}  // namespace tv::tuner
