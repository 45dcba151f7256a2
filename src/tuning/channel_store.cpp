#include "tuning/channel_store.h"

#include <cstdint>
#include <cstdlib>

#include "base/profile_snapshot.h"
#include "base/tuner_binding.h"

namespace tv::tuning {
namespace {

constexpr int kChannelAfterReset = 8;
constexpr int kSliderMiddle = 500;
constexpr int kSliderStepHz = 10000;

// |value| without overflow at the lowest 64-bit value.
std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

bool IsAir(Band band) {
  return band == Band::Air;
}

}  // namespace

Band CurrentBand(const ModeFlags& mode) {
  return mode.airBand == 1 ? Band::Air : Band::Cable;
}

const keys::Section& ListSection(Band band) {
  return IsAir(band) ? keys::kAirList : keys::kCableList;
}

const keys::Key& AlreadyScanKey(Band band) {
  return IsAir(band) ? keys::kAirAlreadyScan : keys::kCableAlreadyScan;
}

const keys::Key& ChannelKey(Band band) {
  return IsAir(band) ? keys::kTvChannelAir : keys::kTvChannelCable;
}

const keys::Key& RecallKey(Band band) {
  return IsAir(band) ? keys::kRecallAir : keys::kRecallCable;
}

const keys::Key& RecallKeyOfRecallCommand(Band band) {
  return IsAir(band) ? keys::kRecallAir : keys::kRecallCableWritten;
}

ChannelRange BandRange(const ChannelState& channels, Band band) {
  if (IsAir(band)) return {channels.minAirChannel, channels.maxAirChannel};
  return {channels.minCableChannel, channels.maxCableChannel};
}

bool InList(const IniFile& ini, Band band, int channel) {
  return ini.IsTrue(ListSection(band), channel);
}

void SetInList(const IniFile& ini, Band band, int channel, bool member) {
  ini.WriteFlag(ListSection(band), channel, member);
}

void ResetBandList(PanelContext& ctx, Band band) {
  // Written again at every start of a never-scanned band: only what differs reaches the file.
  ProfileSnapshot burst(ctx.settings.Source(), ctx.settings.Path(), /*skipUnchanged=*/true);
  const IniFile ini(burst, ctx.settings.Path());
  ini.WriteFlag(AlreadyScanKey(band), false);
  ini.Write(ChannelKey(band), kChannelAfterReset);
  const ChannelRange range = BandRange(ctx.channels, band);
  for (int n = range.lowest; n <= range.highest; ++n) SetInList(ini, band, n, true);
}

void ResetUnscannedBandLists(PanelContext& ctx) {
  for (Band band : {Band::Air, Band::Cable})
    if (ctx.settings.Text(AlreadyScanKey(band)) == keys::kFalse) ResetBandList(ctx, band);
}

void RefreshBandLimits(PanelContext& ctx) {
  const IniFile& ini = ctx.settings;
  ctx.channels.maxCableChannel = ini.Int(keys::kMaxCable, 0);
  ctx.channels.maxAirChannel = ini.Int(keys::kMaxAir, 0);
  ctx.channels.minCableChannel = ini.Int(keys::kMinCable, 0);
  ctx.channels.minAirChannel = ini.Int(keys::kMinAir, 0);
}

int FmCount(const IniFile& ini) {
  return ini.Int(keys::kFmCount);
}

bool AddFmEntry(const IniFile& ini, const std::string& value) {
  const int count = FmCount(ini) + 1;
  // Key 0 and the key after the last are looked at too; a missing key reads as empty, so an
  // empty frequency is never added.
  for (int i = 0; i <= count; ++i)
    if (ini.Text(keys::kFmList, i) == value) return false;
  ini.Write(keys::kFmList, count, value);
  ini.Write(keys::kFmCount, count);
  return true;
}

bool RemoveFmEntry(const IniFile& ini, const std::string& value) {
  const int count = FmCount(ini);
  int found = 0;
  for (int i = 1; i <= count && found == 0; ++i)
    if (ini.Text(keys::kFmList, i) == value) found = i;
  if (found == 0) return false;
  for (int i = found + 1; i <= count; ++i)
    ini.Write(keys::kFmList, i - 1, ini.Text(keys::kFmList, i));
  ini.Delete(keys::kFmList, count);
  ini.Write(keys::kFmCount, count - 1);
  return true;
}

const char* NameSentinel(NameReader reader) {
  switch (reader) {
    case NameReader::ChannelListView:
      return keys::kNoNameListView;
    case NameReader::NameDialog:
      return keys::kNoNameDialog;
    case NameReader::FullScanPage:
      return keys::kNoNameFullScan;
    case NameReader::TvSettingsPage:
      break;
  }
  return "";
}

const keys::Section& NameSection(Band band) {
  return IsAir(band) ? keys::kAirNames : keys::kCableNames;
}

std::optional<std::string> ChannelName(const IniFile& ini, const keys::Section& names,
                                       std::string_view key, NameReader reader) {
  const char* sentinel = NameSentinel(reader);
  const std::string keyText(key);
  std::string name = ini.RawText(names.name, keyText.c_str(), sentinel, names.capacity);
  if (name == sentinel) return std::nullopt;
  return name;
}

std::optional<std::string> ChannelName(const IniFile& ini, const keys::Section& names, int key,
                                       NameReader reader) {
  return ChannelName(ini, names, DecimalText(key), reader);
}

std::optional<std::int64_t> StoredFrequencyHz(const IniFile& ini, Band band, int channel) {
  const keys::Section& section = IsAir(band) ? keys::kAirFrequencies : keys::kCableFrequencies;
  const std::string text = ini.Text(section, channel);
  if (text == keys::kNoFrequency) return std::nullopt;
  // strtoll stops at the largest value on overflow, and reads no digits as 0.
  return std::strtoll(text.c_str(), nullptr, 10);
}

std::int64_t FineTuneOffsetHz(PanelContext& ctx, Band band, int channel) {
  const std::optional<std::int64_t> stored = StoredFrequencyHz(ctx.settings, band, channel);
  if (!stored || ctx.tuner == nullptr) return 0;
  const std::int64_t standard = ChannelFrequency(
      *ctx.tuner, ctx.os.profile, ctx.where.settingsIni.c_str(), IsAir(band) ? 1 : 0, channel);
  // A stored value near the 64-bit ends minus an error code must not wrap round.
  if (standard < 0 && *stored > INT64_MAX + standard) return INT64_MAX;
  if (standard > 0 && *stored < INT64_MIN + standard) return INT64_MIN;
  return *stored - standard;
}

int FineTuneSliderPosition(std::int64_t offsetHz) {
  const std::uint64_t steps = Magnitude(offsetHz) / std::uint64_t{kSliderStepHz};
  if (steps >= std::uint64_t{kSliderMiddle}) return offsetHz > 0 ? 2 * kSliderMiddle : 0;
  const int shift = static_cast<int>(steps);
  return offsetHz > 0 ? kSliderMiddle + shift : kSliderMiddle - shift;
}

std::string FineTuneOffsetText(std::int64_t offsetHz) {
  if (offsetHz == 0) return "0";
  std::string text(1, offsetHz < 0 ? '-' : '+');
  text.append(std::to_string(Magnitude(offsetHz)));
  return text;
}

bool FullScanMode(const IniFile& ini) {
  return ini.IsTrue(keys::kUseFullScan);
}

int FullScanCount(const IniFile& ini, int def) {
  return ini.Int(keys::kFullScanCount, def);
}

int FullScanFrequencyHz(const IniFile& ini, int index) {
  return ini.Int(keys::kFullScanList, index, 0);
}

void CompactFullScanList(const IniFile& ini, int removedIndex) {
  const int count = FullScanCount(ini);
  for (int i = removedIndex + 1; i <= count; ++i) {
    ini.Write(keys::kFullScanList, i - 1, ini.Text(keys::kFullScanList, i, ""));
    const std::optional<std::string> name =
        ChannelName(ini, keys::kFullScanNames, i, NameReader::FullScanPage);
    ini.Write(keys::kFullScanNames, i - 1, name.value_or(""));
  }
  ini.Delete(keys::kFullScanList, count);
  ini.Delete(keys::kFullScanNames, count);
  ini.Write(keys::kFullScanCount, count - 1);
}

}  // namespace tv::tuning
