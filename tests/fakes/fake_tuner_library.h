#pragma once
// A tuner library scripted by the test: whether it loads, which entries it has, its country
// count and countries. Calls are recorded in order, frequency questions with their arguments.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/tuner_library.h"

namespace tv::fakes {

struct FakeCountry {
  std::int32_t code = 0;
  std::int32_t standard = 0;
  std::int32_t airLowest = 0, airHighest = 0;
  std::int32_t cableLowest = 0, cableHighest = 0;
};

struct FreqInfoCall {
  std::int32_t code = 0;  // as passed in
  std::int32_t position = 0, band = 0, channel = 0, reserved1 = 0, reserved2 = 0;
  friend bool operator==(const FreqInfoCall&, const FreqInfoCall&) = default;
};

class FakeTunerLibrary : public TunerLibrary {
 public:
  bool present = true;
  bool hasFreqInfo = true;
  bool hasCountryInfo = true;
  std::int32_t countryCount = 0;  // the answer of GetContryInfo, whatever countries holds
  std::vector<FakeCountry> countries;

  bool Load(const char* fileName) override {
    events.push_back(std::string("load ") + fileName);
    return loaded_ = present;
  }
  bool Lookup(TunerEntry entry) override {
    const bool freq = entry == TunerEntry::FreqInfo;
    events.push_back(freq ? "lookup QvGetFreqInfo" : "lookup QvGetContryInfo");
    return loaded_ && (freq ? hasFreqInfo : hasCountryInfo);
  }
  void Release() override {
    events.push_back("release");
    loaded_ = false;
  }
  std::int32_t GetContryInfo() override { return countryCount; }
  std::int32_t GetFreqInfo(std::int32_t* code, std::int32_t* position, std::int32_t band,
                           std::int32_t channel, std::int32_t reserved1, std::int32_t* standard,
                           std::int32_t* highest, std::int32_t* lowest,
                           std::int32_t reserved2) override {
    calls.push_back(FreqInfoCall{*code, *position, band, channel, reserved1, reserved2});
    // Like a real library: out of range leaves the outputs alone.
    if (*position < 0 || *position >= static_cast<std::int32_t>(countries.size())) return -1001;
    const FakeCountry& c = countries[static_cast<std::size_t>(*position)];
    if (*code != -1 && *code != c.code) return -1002;
    *code = c.code;
    *standard = c.standard;
    *highest = band == 0 ? c.airHighest : c.cableHighest;
    *lowest = band == 0 ? c.airLowest : c.cableLowest;
    return 0;
  }

  std::vector<std::string> events;  // "load QvTV.dll", "lookup QvGetFreqInfo", "release", ...
  std::vector<FreqInfoCall> calls;

 private:
  bool loaded_ = false;
};

}  // namespace tv::fakes
