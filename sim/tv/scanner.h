#pragma once
// The four scans of the card. Each steps through its band and writes what it finds into the
// channel store of the settings file as it goes, so a scan stopped early leaves a consistent
// store:
//   air, cable  [CHANNELLISTAIR] / [CHANNELLIST]: "TRUE" or "FALSE" under every channel number
//               of the band (channels past a stop keep their old value);
//   FM          [CHANNELLISTFM]: emptied, then "FM" = N and "1".."N" dense, in 100 kHz units;
//   full        [FREQCHLIST]: the old entries and [FREQCHLISTNAME] removed, then "ALLCH" = N
//               and "1".."N" in Hz (at most 255), from "MinFreq" to "MaxFreq" in 250 kHz steps.
// The scanner does not keep time; its owner calls Advance as often as it likes.

#include <cstdint>
#include <optional>
#include <vector>

#include "base/settings_file.h"
#include "tuning_world.h"

namespace tv::sim {

enum class ScanKind { Air, Cable, Fm, Full };

inline constexpr std::int32_t kFullScanStepHz = 250000;
inline constexpr int kMostFullScanEntries = 255;

// One place the scan looked at.
struct ScanStep {
  int number = 0;           // channel (air, cable), 100 kHz units (FM), sweep step (full)
  std::int64_t freqHz = 0;  // the frequency tuned for it
  Reception reception;      // what the picture shows there
  bool found = false;       // written to the store as a station
};

class Scanner {
 public:
  // Clears what the scan replaces and positions it at its first step. The world is the one of
  // this moment: the scan keeps its country and band until it ends.
  void Start(ScanKind kind, const TuningWorld& world, const IniFile& settings);
  // Performs up to `steps` more steps (at least one), writing each result; the last one.
  std::optional<ScanStep> Advance(int steps);
  void Stop() { running_ = false; }

  bool Running() const { return running_; }
  ScanKind Kind() const { return kind_; }
  int Done() const { return done_; }
  int Total() const { return total_; }
  int Found() const { return found_; }

 private:
  ScanStep Step(int index);

  ScanKind kind_ = ScanKind::Air;
  bool running_ = false;
  std::optional<TuningWorld> world_;
  std::optional<IniFile> settings_;
  std::vector<Carrier> carriers_;  // full scan
  ChannelRange range_;             // air, cable, FM
  std::int64_t sweepLowHz_ = 0;    // full scan
  const Carrier* lastFound_ = nullptr;
  int total_ = 0;
  int done_ = 0;
  int found_ = 0;
};

// The full scan's frequency limits: [TOVIX] "MinFreq"/"MaxFreq", or the limits of the stored
// video standard when they make no sense.
struct SweepLimits {
  std::int64_t lowHz = 0;
  std::int64_t highHz = 0;
};
SweepLimits FullScanLimits(const IniFile& settings);

}  // namespace tv::sim
