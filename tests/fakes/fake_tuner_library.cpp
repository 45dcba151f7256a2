#include "fakes/fake_tuner_library.h"

namespace tv::fakes {

bool FakeTunerLibrary::Load(const char* fileName) {
  events.push_back(std::string("load ") + fileName);
  loaded = present;
  return loaded;
}

bool FakeTunerLibrary::Lookup(TunerEntry entry) {
  const bool freq = entry == TunerEntry::FreqInfo;
  events.push_back(freq ? "lookup QvGetFreqInfo" : "lookup QvGetContryInfo");
  bool& bound = freq ? freqInfoBound : countryInfoBound;
  bound = loaded && (freq ? hasFreqInfo : hasCountryInfo);
  return bound;
}

void FakeTunerLibrary::Release() {
  events.push_back("release");
  loaded = freqInfoBound = countryInfoBound = false;
}

std::int32_t FakeTunerLibrary::GetContryInfo() {
  events.push_back("QvGetContryInfo");
  return countryCount;
}

std::int32_t FakeTunerLibrary::GetFreqInfo(std::int32_t* code, std::int32_t* position,
                                           std::int32_t band, std::int32_t channel,
                                           std::int32_t reserved1, std::int32_t* standard,
                                           std::int32_t* highest, std::int32_t* lowest,
                                           std::int32_t reserved2) {
  calls.push_back(FreqInfoCall{*code, *position, band, channel, reserved1, reserved2});
  // Like a real library: out of range leaves the outputs alone.
  if (*position < 0 || *position >= static_cast<std::int32_t>(countries.size())) return -1001;
  const FakeCountry& c = countries[static_cast<std::size_t>(*position)];
  if (*code != -1 && *code != c.code) return -1002;
  *code = c.code;
  *standard = c.standard;
  *highest = band == 0 ? c.airHighest : c.cableHighest;
  *lowest = band == 0 ? c.airLowest : c.cableLowest;
  return channel == 0 ? 0 : FrequencyOf(*position, band, channel);
}

}  // namespace tv::fakes
