#pragma once
// The simulated world on the air: which channel of which country carries a station, and its
// name. A fixed hash of (country code, band, channel) decides, so every scan of the same
// country finds the same stations. About a third of the TV channels and a fifth of the FM
// steps (100 kHz) carry a station.

#include <cstdint>
#include <string_view>

namespace tv::sim {

enum class Band { Air = 0, Cable = 1, Fm = 2 };

struct Station {
  bool present = false;
  std::string_view name;  // empty when no station
};

std::uint32_t StationHash(int countryCode, Band band, int number);

// A TV station on channel n of the air or cable band.
Station TvStation(int countryCode, Band band, int channel);

// An FM station at fm100kHz (1017 is 101.7 MHz).
Station FmStation(int countryCode, int fm100kHz);

// The FM band in 100 kHz units: 76.0-90.0 MHz for country code 81, 87.5-108.0 MHz elsewhere.
struct FmBand {
  int low = 875;
  int high = 1080;
  bool Contains(int fm100kHz) const { return fm100kHz >= low && fm100kHz <= high; }
  friend bool operator==(const FmBand&, const FmBand&) = default;
};
FmBand FmBandFor(int countryCode);

}  // namespace tv::sim
