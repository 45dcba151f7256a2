#pragma once
// Binding of the tuner library at start-up and the three questions the panel asks it:
// which position has a telephone code, what are the band limits of a position, and what is
// the default frequency of a channel. Results are used as the library gives them; a failure
// code simply travels on as a number, as the peers expect.

#include <cstdint>

#include "platform/message_boxes.h"
#include "platform/profile.h"
#include "platform/tuner_library.h"

namespace tv {

inline constexpr const char* kTunerLibraryFile = "QvTV.dll";

// Loads "QvTV.dll" and looks up its two entries. A missing file shows "QvTV.DLL Failed"
// (caption "Error"); any failure then releases the library and shows "invalid QvTV.DLL"
// (default caption). False means start-up ends with exit code 0.
bool BindTunerLibrary(TunerLibrary& library, MessageBoxes& boxes);

// QvGetContryInfo, asked once right after binding: the panel's CountryCount.
std::int32_t ReadCountryCount(TunerLibrary& library);

// Query 1. Without a match the fields are those of the last call, position CountryCount - 1
// (the setup dialog's list selection then uses CountryCount itself). With CountryCount of 0 or
// less the library is not asked: code -1, standard 0, position -1.
struct CountryMatch {
  bool found = false;
  std::int32_t position = -1;
  std::int32_t code = -1;
  std::int32_t standard = 0;
};
CountryMatch FindCountryPosition(TunerLibrary& library, std::int32_t countryCount,
                                 std::int32_t code);

struct BandLimits {
  std::int32_t lowest = 0;
  std::int32_t highest = 0;
};

// The two band questions of query 2, air then cable. code is passed to the library and
// receives what it returns, as the panel keeps using the code of the country it asks about.
struct CountryBands {
  BandLimits air;
  BandLimits cable;
};
CountryBands ReadCountryBands(TunerLibrary& library, std::int32_t position, std::int32_t& code);

// Query 2 in full: code and standard first (cable band, channel 0), then both bands.
struct CountryData {
  std::int32_t code = 0;
  std::int32_t standard = 0;
  CountryBands bands;
};
CountryData ReadCountryData(TunerLibrary& library, std::int32_t position, std::int32_t code);

// Query 3: default frequency in Hz of channel n of the stored country ([TOVIX] "CodePos" of
// the settings file) in the band the panel is on (airBand 1: air, anything else: cable).
std::int32_t ChannelFrequency(TunerLibrary& library, Profile& profile, const char* settingsIni,
                              std::int32_t airBand, std::int32_t channel);

// The tuning limits every country operation writes to [TOVIX] for a video standard, as text.
struct FrequencyLimits {
  const char* minFreq;
  const char* maxFreq;
  const char* range;
};
FrequencyLimits FrequencyLimitsFor(std::int32_t standard);

}  // namespace tv
