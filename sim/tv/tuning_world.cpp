#include "tuning_world.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "base/key_table.h"

namespace tv::sim {
namespace {

constexpr std::int32_t kAskByPosition = -1;
constexpr int kHighestChannel = 9999;
constexpr int kMostChannels = 1000;
// Without a library: channel n at 45 MHz + n * 8 MHz.
constexpr std::int32_t kRasterBaseHz = 45000000;
constexpr std::int32_t kRasterStepHz = 8000000;

bool Sensible(ChannelRange r) {
  return r.low >= 0 && r.high <= kHighestChannel && !r.Empty() && r.Count() <= kMostChannels;
}

std::int32_t LibraryBandOf(Band band) {
  return band == Band::Air ? 0 : 1;
}

}  // namespace

Quality QualityAt(std::int64_t distanceHz) {
  const std::int64_t d = std::llabs(distanceHz);
  if (d <= kCleanHz) return Quality::Clean;
  if (d <= kWeakHz) return Quality::Weak;
  return Quality::None;
}

TuningWorld::TuningWorld(TunerLibrary* library, IniFile settings)
    : library_(library), settings_(std::move(settings)) {
  country_ = settings_.Int(keys::kCountryCode);
  position_ = settings_.Int(keys::kCodePos);
  // The panel's country choices move only the list position ("CountryCode" keeps what the
  // first start stored): the country on the air is the one at that position.
  if (library_ == nullptr) return;
  std::int32_t code = kAskByPosition;
  std::int32_t position = position_;
  std::int32_t standard = 0, highest = 0, lowest = 0;
  if (library_->GetFreqInfo(&code, &position, LibraryBandOf(Band::Cable), 0, 0, &standard, &highest,
                            &lowest, 0) >= 0 &&
      code > 0)
    country_ = code;
}

TuningWorld::LibraryBand TuningWorld::AskBand(Band band) const {
  LibraryBand answer;
  if (library_ == nullptr) return answer;
  std::int32_t code = kAskByPosition;
  std::int32_t position = position_;
  std::int32_t standard = 0;
  const std::int32_t result = library_->GetFreqInfo(&code, &position, LibraryBandOf(band), 0, 0,
                                                    &standard, &answer.highest, &answer.lowest, 0);
  answer.ok = result >= 0;
  return answer;
}

ChannelRange TuningWorld::Range(Band band) const {
  const bool air = band == Band::Air;
  const ChannelRange stored{settings_.Int(air ? keys::kMinAir : keys::kMinCable),
                            settings_.Int(air ? keys::kMaxAir : keys::kMaxCable)};
  if (Sensible(stored)) return stored;
  const LibraryBand fromLibrary = AskBand(band);
  const ChannelRange asked{fromLibrary.lowest, fromLibrary.highest};
  if (fromLibrary.ok && Sensible(asked)) return asked;
  return {};
}

std::int32_t TuningWorld::DefaultFrequencyHz(Band band, int channel) const {
  if (band == Band::Fm || channel < 0 || channel > kHighestChannel) return 0;
  if (library_ == nullptr) return kRasterBaseHz + channel * kRasterStepHz;
  std::int32_t code = kAskByPosition;
  std::int32_t position = position_;
  std::int32_t standard = 0, highest = 0, lowest = 0;
  const std::int32_t hz = library_->GetFreqInfo(&code, &position, LibraryBandOf(band), channel, 0,
                                                &standard, &highest, &lowest, 0);
  return hz > 0 ? hz : 0;
}

std::int32_t TuningWorld::TunedFrequencyHz(Band band, int channel) const {
  const keys::Section& section =
      band == Band::Air ? keys::kAirFrequencies : keys::kCableFrequencies;
  const std::string stored = settings_.Text(section, channel);
  if (stored != keys::kNoFrequency) {
    const long long hz = std::atoll(stored.c_str());
    if (hz > 0 && hz <= INT32_MAX) return static_cast<std::int32_t>(hz);
  }
  return DefaultFrequencyHz(band, channel);
}

Reception TuningWorld::OnChannel(Band band, int channel, std::int64_t tunedHz) const {
  const Station station = TvStation(country_, band, channel);
  const std::int32_t carrier = DefaultFrequencyHz(band, channel);
  if (!station.present || carrier <= 0) return {};
  const Quality q = QualityAt(tunedHz - carrier);
  if (q == Quality::None) return {};
  return {q, station.name};
}

std::vector<Carrier> TuningWorld::StationCarriers() const {
  std::vector<Carrier> carriers;
  for (const Band band : {Band::Air, Band::Cable}) {
    const ChannelRange range = Range(band);
    for (int n = range.low; n <= range.high; ++n) {
      const Station station = TvStation(country_, band, n);
      if (!station.present) continue;
      const std::int32_t hz = DefaultFrequencyHz(band, n);
      if (hz > 0) carriers.push_back({hz, band, n, station.name});
    }
  }
  // Air first where both bands carry a station on the same frequency.
  std::stable_sort(carriers.begin(), carriers.end(),
                   [](const Carrier& a, const Carrier& b) { return a.freqHz < b.freqHz; });
  return carriers;
}

const Carrier* NearestCarrier(const std::vector<Carrier>& carriers, std::int64_t hz) {
  if (carriers.empty()) return nullptr;
  auto it = std::lower_bound(carriers.begin(), carriers.end(), hz,
                             [](const Carrier& c, std::int64_t f) { return c.freqHz < f; });
  const Carrier* best = nullptr;
  if (it != carriers.end()) best = &*it;
  if (it != carriers.begin()) {
    const Carrier* below = &*(it - 1);
    // Among carriers on the same frequency the first one (air) stands.
    while (below != &carriers.front() && (below - 1)->freqHz == below->freqHz) --below;
    if (best == nullptr || hz - below->freqHz <= best->freqHz - hz) best = below;
  }
  return best;
}

Reception TuningWorld::AtFrequency(std::int64_t hz, const std::vector<Carrier>& carriers) const {
  const Carrier* nearest = NearestCarrier(carriers, hz);
  if (nearest == nullptr) return {};
  const Quality q = QualityAt(hz - nearest->freqHz);
  if (q == Quality::None) return {};
  return {q, nearest->name};
}

}  // namespace tv::sim
