#pragma once
// The country table and channel plans of QvTV.dll, read from the two text files of this
// folder (countries.txt, plans.txt), and the library's answer to QvGetFreqInfo. The DLL and
// the native tests share this code and the same embedded text, so the tests check exactly
// what the DLL serves.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tuner {

// Results QvGetFreqInfo gives instead of a frequency.
inline constexpr std::int32_t kCountryOutOfRange = -1001;  // code or position argument
inline constexpr std::int32_t kCodeUnknown = -1002;
inline constexpr std::int32_t kChannelOutOfRange = -1003;
inline constexpr std::int32_t kOtherError = -4000;

inline constexpr std::int32_t kAirBand = 0;
inline constexpr std::int32_t kCableBand = 1;
inline constexpr std::int32_t kAskByPosition =
    -1;  // the country code argument that means "by position"

struct Channel {
  std::int32_t number = 0;
  std::string name;         // the plan's own name: "E5", "S21", "C13", "5A"
  std::int32_t freqHz = 0;  // video carrier
};

struct Plan {
  std::string id;
  std::vector<Channel> channels;  // in the order of the file

  std::int32_t Lowest() const;
  std::int32_t Highest() const;
  const Channel* Find(std::int32_t number) const;
};

struct Country {
  std::string name;
  std::int32_t code = 0;
  std::int32_t standard = 0;
  std::size_t airPlan = 0;  // index into ChannelTable::plans
  std::size_t cablePlan = 0;
};

struct ChannelTable {
  std::vector<Plan> plans;
  std::vector<Country> countries;  // in position order

  const Plan& BandPlan(const Country& country, std::int32_t band) const {
    return plans[band == kAirBand ? country.airPlan : country.cablePlan];
  }
};

// Reads both files. On a malformed line returns false and says which file and line.
bool ParseChannelTable(std::string_view countriesText, std::string_view plansText,
                       ChannelTable& table, std::string& error);

// The table built from the text embedded at build time; null if that text does not parse
// (the tests make sure it does).
const ChannelTable* BuiltInTable();

// QvGetFreqInfo against a table. *code -1 asks by position; any other code must be a code of
// the table (when it is not the code of the given position, the first country with that code
// answers). On success the country's code, standard and the band's highest and lowest channel
// are stored; the result is the channel's carrier in Hz, or 0 for channel 0 (country data
// only). Errors leave the outputs as they were, except -1003, which still reports the band.
std::int32_t AnswerFreqInfo(const ChannelTable& table, std::int32_t* code,
                            const std::int32_t* position, std::int32_t band, std::int32_t channel,
                            std::int32_t* standard, std::int32_t* highest, std::int32_t* lowest);

}  // namespace tv::tuner
