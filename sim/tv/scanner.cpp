#include "scanner.h"

#include <cstdlib>
#include <string>

#include "base/key_table.h"
#include "base/tuner_binding.h"

namespace tv::sim {
namespace {

constexpr std::int64_t kLowestSweepHz = 1000000;
constexpr std::int64_t kHighestSweepHz = 2000000000;

}  // namespace

SweepLimits FullScanLimits(const IniFile& settings) {
  const SweepLimits stored{settings.Int(keys::kMinFreq), settings.Int(keys::kMaxFreq)};
  if (stored.lowHz >= kLowestSweepHz && stored.highHz <= kHighestSweepHz &&
      stored.lowHz <= stored.highHz) {
    return stored;
  }
  const FrequencyLimits byStandard = FrequencyLimitsFor(settings.Int(keys::kVideoStandard));
  return {std::atoll(byStandard.minFreq), std::atoll(byStandard.maxFreq)};
}

void Scanner::Start(ScanKind kind, const TuningWorld& world, const IniFile& settings) {
  kind_ = kind;
  world_.emplace(world);
  settings_.emplace(settings);
  carriers_.clear();
  lastFound_ = nullptr;
  done_ = 0;
  found_ = 0;
  switch (kind) {
    case ScanKind::Air:
    case ScanKind::Cable:
      range_ = world.Range(kind == ScanKind::Air ? Band::Air : Band::Cable);
      total_ = range_.Count();
      break;
    case ScanKind::Fm: {
      const FmBand fm = world.Fm();
      range_ = {fm.low, fm.high};
      total_ = range_.Count();
      settings.DeleteSection(keys::kFmList);
      settings.Write(keys::kFmCount, 0);
      break;
    }
    case ScanKind::Full: {
      const SweepLimits limits = FullScanLimits(settings);
      sweepLowHz_ = limits.lowHz;
      total_ = static_cast<int>((limits.highHz - limits.lowHz) / kFullScanStepHz + 1);
      carriers_ = world.StationCarriers();
      const int old = settings.Int(keys::kFullScanCount);
      for (int i = 1; i <= old && i <= kMostFullScanEntries; ++i) {
        settings.Delete(keys::kFullScanList, i);
      }
      settings.DeleteSection(keys::kFullScanNames);
      settings.Write(keys::kFullScanCount, 0);
      break;
    }
  }
  running_ = true;
}

ScanStep Scanner::Step(int index) {
  const TuningWorld& world = *world_;
  const IniFile& settings = *settings_;
  ScanStep step;
  switch (kind_) {
    case ScanKind::Air:
    case ScanKind::Cable: {
      const Band band = kind_ == ScanKind::Air ? Band::Air : Band::Cable;
      step.number = range_.low + index;
      step.freqHz = world.TunedFrequencyHz(band, step.number);
      step.reception = world.OnChannel(band, step.number, step.freqHz);
      step.found = step.reception.quality != Quality::None;
      settings.WriteFlag(band == Band::Air ? keys::kAirList : keys::kCableList, step.number,
                         step.found);
      break;
    }
    case ScanKind::Fm: {
      step.number = range_.low + index;
      step.freqHz = static_cast<std::int64_t>(step.number) * 100000;
      const Station station = FmStation(world.CountryCode(), step.number);
      step.found = station.present;
      if (station.present) step.reception = {Quality::Clean, station.name};
      if (step.found) {
        settings.Write(keys::kFmList, found_ + 1, step.number);
        settings.Write(keys::kFmCount, found_ + 1);
      }
      break;
    }
    case ScanKind::Full: {
      step.number = index;
      step.freqHz = sweepLowHz_ + static_cast<std::int64_t>(index) * kFullScanStepHz;
      const Carrier* nearest = NearestCarrier(carriers_, step.freqHz);
      step.reception = world.AtFrequency(step.freqHz, carriers_);
      // A carrier between two steps is clean on both: it is one station, found once.
      step.found = step.reception.quality == Quality::Clean && nearest != lastFound_ &&
                   found_ < kMostFullScanEntries;
      if (step.found) {
        lastFound_ = nearest;
        settings.Write(keys::kFullScanList, found_ + 1, DecimalText(step.freqHz));
        settings.Write(keys::kFullScanCount, found_ + 1);
      }
      break;
    }
  }
  if (step.found) ++found_;
  return step;
}

std::optional<ScanStep> Scanner::Advance(int steps) {
  std::optional<ScanStep> last;
  if (!running_) return last;
  for (int i = 0; i < (steps < 1 ? 1 : steps) && done_ < total_; ++i) {
    last = Step(done_);
    ++done_;
  }
  if (done_ >= total_) running_ = false;
  return last;
}

}  // namespace tv::sim
