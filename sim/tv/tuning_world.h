#pragma once
// The card's view of the country it is set up for: band limits, channel frequencies and what
// can be received at a frequency. Built for one operation from what the settings file and the
// tuner library say at that moment, then thrown away: the panel may change the country at any
// time.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/settings_file.h"
#include "platform/tuner_library.h"
#include "station_model.h"

namespace tv::sim {

struct ChannelRange {
  int low = 0;
  int high = -1;
  bool Empty() const { return high < low; }
  int Count() const { return Empty() ? 0 : high - low + 1; }
  bool Contains(int n) const { return n >= low && n <= high; }
};

enum class Quality { None, Weak, Clean };

struct Reception {
  Quality quality = Quality::None;
  std::string_view name;
};

// A station's video carrier, as a sweep meets it.
struct Carrier {
  std::int32_t freqHz = 0;
  Band band = Band::Air;
  int channel = 0;
  std::string_view name;
};

// Within this distance of a carrier the picture is clean, within kWeakHz it is noisy.
inline constexpr std::int32_t kCleanHz = 125000;
inline constexpr std::int32_t kWeakHz = 1500000;

Quality QualityAt(std::int64_t distanceHz);

class TuningWorld {
 public:
  // library may be null (no QvTV.dll): channels then sit on a plain 8 MHz raster.
  TuningWorld(TunerLibrary* library, IniFile settings);

  // The calling code of the country at [TOVIX] "CodePos"; "CountryCode" without a library.
  int CountryCode() const { return country_; }
  FmBand Fm() const { return FmBandFor(country_); }

  // [TOVIX] "Minair"/"Maxair" or "Min"/"Max"; limits that make no sense give the library's.
  ChannelRange Range(Band band) const;

  // The channel plan's carrier in Hz, or 0 when n is not a channel of the band.
  std::int32_t DefaultFrequencyHz(Band band, int channel) const;
  // The frequency saved for the channel ([CHANNELAIRFREQ]/[CHANNELCABLEFREQ]) or the default.
  std::int32_t TunedFrequencyHz(Band band, int channel) const;

  // What a channel shows when the tuner sits at tunedHz.
  Reception OnChannel(Band band, int channel, std::int64_t tunedHz) const;
  // What the tuner receives at a frequency: the nearest station of either band.
  Reception AtFrequency(std::int64_t hz, const std::vector<Carrier>& carriers) const;
  Reception AtFrequency(std::int64_t hz) const { return AtFrequency(hz, StationCarriers()); }
  // Every station of both bands, by frequency.
  std::vector<Carrier> StationCarriers() const;

 private:
  struct LibraryBand {
    bool ok = false;
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
  };
  LibraryBand AskBand(Band band) const;

  TunerLibrary* library_;
  IniFile settings_;
  int country_ = 0;
  int position_ = 0;
};

// The nearest carrier to hz, or null.
const Carrier* NearestCarrier(const std::vector<Carrier>& carriers, std::int64_t hz);

}  // namespace tv::sim
