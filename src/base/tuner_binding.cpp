#include "base/tuner_binding.h"

#include "base/key_table.h"
#include "base/settings_file.h"

namespace tv {
namespace {

constexpr std::int32_t kAir = 0;
constexpr std::int32_t kCable = 1;
constexpr std::int32_t kByPosition = -1;

struct Answer {
  std::int32_t standard = 0;
  std::int32_t highest = 0;
  std::int32_t lowest = 0;
  std::int32_t result = 0;
};

Answer Ask(TunerLibrary& library, std::int32_t& code, std::int32_t position, std::int32_t band,
           std::int32_t channel) {
  Answer a;
  a.result = library.GetFreqInfo(&code, &position, band, channel, 0, &a.standard, &a.highest,
                                 &a.lowest, 0);
  return a;
}

}  // namespace

bool BindTunerLibrary(TunerLibrary& library, MessageBoxes& boxes) {
  bool bound = false;
  if (!library.Load(kTunerLibraryFile)) {
    boxes.Show(WindowRef{}, "QvTV.DLL Failed", "Error", kMbOk);
  } else {
    // The count entry is only looked for once the frequency entry is there.
    bound = library.Lookup(TunerEntry::FreqInfo) && library.Lookup(TunerEntry::CountryInfo);
  }
  if (!bound) {
    library.Release();
    boxes.Show(WindowRef{}, "invalid QvTV.DLL", nullptr, kMbOk);
  }
  return bound;
}

std::int32_t ReadCountryCount(TunerLibrary& library) {
  return library.GetContryInfo();
}

CountryMatch FindCountryPosition(TunerLibrary& library, std::int32_t countryCount,
                                 std::int32_t code) {
  CountryMatch match;
  for (std::int32_t p = 0; p < countryCount; ++p) {
    std::int32_t returned = kByPosition;
    const Answer a = Ask(library, returned, p, kCable, 0);
    match.position = p;
    match.code = returned;
    match.standard = a.standard;
    if (returned == code) {
      match.found = true;
      break;
    }
  }
  return match;
}

CountryBands ReadCountryBands(TunerLibrary& library, std::int32_t position, std::int32_t& code) {
  CountryBands bands;
  const Answer air = Ask(library, code, position, kAir, 0);
  bands.air = {air.lowest, air.highest};
  const Answer cable = Ask(library, code, position, kCable, 0);
  bands.cable = {cable.lowest, cable.highest};
  return bands;
}

CountryData ReadCountryData(TunerLibrary& library, std::int32_t position, std::int32_t code) {
  CountryData data;
  data.standard = Ask(library, code, position, kCable, 0).standard;
  data.code = code;
  data.bands = ReadCountryBands(library, position, code);
  return data;
}

std::int32_t ChannelFrequency(TunerLibrary& library, Profile& profile, const char* settingsIni,
                              std::int32_t airBand, std::int32_t channel) {
  const IniFile settings(profile, settingsIni);
  std::int32_t code = kByPosition;
  return Ask(library, code, settings.Int(keys::kCodePos), airBand == 1 ? kAir : kCable, channel)
      .result;
}

FrequencyLimits FrequencyLimitsFor(std::int32_t standard) {
  // 0-3, 9 and 10 tune the 6 MHz channels of the Americas and Japan.
  if (standard <= 3 || standard == 9 || standard == 10) {
    return {"55250000", "801250000", "5000000"};
  }
  return {"45000000", "863250000", "3000000"};
}

}  // namespace tv
