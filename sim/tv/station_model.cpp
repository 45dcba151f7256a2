#include "station_model.h"

#include <array>

namespace tv::sim {
namespace {

// Invented names, ours alone.
constexpr std::array<std::string_view, 24> kTvNames = {
    "Riverside 4",      "Northgate One",     "Harbour Vision",    "Kestrel TV",
    "Valley Broadcast", "Citylight",         "Bluefield Net",     "Summit Channel",
    "Oakline TV",       "Coastal Eight",     "Lantern News",      "Granite Sports",
    "Amber Kids",       "Orchard Movies",    "Beacon Weather",    "Crescent Music",
    "Silverlake Drama", "Foxglove Family",   "Tidewater Classic", "Heron Nature",
    "Maplewood Local",  "Starling Shopping", "Quayside Comedy",   "Ridgeback Travel"};

constexpr std::array<std::string_view, 16> kFmNames = {
    "Radio Larkspur", "Driftwood FM",     "Cobalt Radio",    "Thistle Jazz",
    "Quarry Rock",    "Willow Talk",      "Saffron Classic", "Breakwater Country",
    "Juniper Hits",   "Lighthouse Radio", "Moorland Folk",   "Sandpiper News",
    "Tin Roof Blues", "Aurora Dance",     "Fernhill Oldies", "Marsh Road Radio"};

// The country whose FM band runs from 76.0 to 90.0 MHz.
constexpr int kLowFmBandCountry = 81;
constexpr int kTvOneIn = 3;
constexpr int kFmOneIn = 5;

std::uint32_t Fnv(std::uint32_t h, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    h ^= (value >> (8 * i)) & 0xFFu;
    h *= 16777619u;
  }
  return h;
}

}  // namespace

std::uint32_t StationHash(int countryCode, Band band, int number) {
  std::uint32_t h = 2166136261u;
  h = Fnv(h, static_cast<std::uint32_t>(countryCode));
  h = Fnv(h, static_cast<std::uint32_t>(band));
  h = Fnv(h, static_cast<std::uint32_t>(number));
  // Final avalanche, so that neighbouring channels decide independently.
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

Station TvStation(int countryCode, Band band, int channel) {
  const std::uint32_t h = StationHash(countryCode, band, channel);
  if (h % kTvOneIn != 0) return {};
  return {true, kTvNames[(h / kTvOneIn) % kTvNames.size()]};
}

Station FmStation(int countryCode, int fm100kHz) {
  if (!FmBandFor(countryCode).Contains(fm100kHz)) return {};
  const std::uint32_t h = StationHash(countryCode, Band::Fm, fm100kHz);
  if (h % kFmOneIn != 0) return {};
  return {true, kFmNames[(h / kFmOneIn) % kFmNames.size()]};
}

FmBand FmBandFor(int countryCode) {
  if (countryCode == kLowFmBandCountry) return {760, 900};
  return {875, 1080};
}

}  // namespace tv::sim
