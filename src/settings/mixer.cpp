#include "settings/mixer.h"

#include <array>
#include <optional>
#include <vector>

#include "base/key_table.h"
#include "base/settings_file.h"

namespace tv::settings {
namespace {

constexpr std::uint32_t kLevelPerStep = 256;  // volume 0..255 onto the mixer's 0..65535
constexpr int kBalanceCentre = 128;
constexpr int kBalanceFull = 255;
constexpr std::uint32_t kInputIndexCapacity = 4;  // three digits and the terminator

// Holds the busy counter for the duration of one set operation; the mixer's change
// notifications may bring us back here before the card call returns.
class BusyScope {
 public:
  explicit BusyScope(MixerState& mixer) : mixer_(mixer) { ++mixer_.busy; }
  ~BusyScope() { --mixer_.busy; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  MixerState& mixer_;
};

std::optional<std::uint32_t> ControlId(MixerDevice& device, std::uint32_t lineId,
                                       MixerControlType type) {
  if (auto control = device.ControlOfType(lineId, type)) return control->id;
  return std::nullopt;
}

// Opens the devices in turn until one has a speakers destination. The last device examined
// stays open either way.
struct FoundDevice {
  bool opened = false;
  std::uint32_t destinations = 0;
  std::optional<MixerLine> speakers;
};
FoundDevice FindSpeakersDevice(PanelContext& ctx, std::uint32_t deviceCount) {
  MixerDevice& device = ctx.os.mixer;
  FoundDevice found;
  for (std::uint32_t d = 0; d < deviceCount; ++d) {
    if (!device.Open(d, ctx.windows.panel)) return FoundDevice{};
    found.opened = true;
    ctx.mixer.device = d;
    found.destinations = 0;
    // A device whose capabilities cannot be read is passed over: it is not asked for lines.
    const auto caps = device.Capabilities(d);
    if (!caps) continue;
    WinIni(ctx.os.profile).Write(keys::kSoundCardName, caps->productName);
    found.destinations = caps->destinations;
    found.speakers = device.LineOfType(MixerLineType::Speakers);
    if (found.speakers) break;
  }
  return found;
}

// The source lines of the speakers destination that can be muted, published as the choice of
// input lines, and a last "None" entry. Returns the mute control of each entry but "None".
std::vector<std::uint32_t> PublishInputLines(PanelContext& ctx,
                                             const std::optional<MixerLine>& speakers) {
  MixerDevice& device = ctx.os.mixer;
  const IniFile& ini = ctx.settings;
  std::vector<std::uint32_t> muteControls;
  if (speakers) {
    for (std::uint32_t s = 0; s < speakers->sources; ++s) {
      const auto line = device.Source(speakers->destination, s);
      if (!line) continue;
      const auto mute = ControlId(device, line->lineId, MixerControlType::Mute);
      if (!mute) continue;
      const int k = static_cast<int>(muteControls.size());
      ini.Write(keys::kAudioLines, k, line->shortName);
      ini.Write(keys::kAudioMuteControls, k, DecimalText(*mute));
      muteControls.push_back(*mute);
    }
  }
  const int none = static_cast<int>(muteControls.size());
  ini.Write(keys::kAudioLines, none, kNoInputLine);
  ini.Write(keys::kAudioMuteControls, none, "0");
  if (ini.Int(keys::kAudioInput) == keys::kAudioInput.number) ini.Write(keys::kAudioInput, none);
  return muteControls;
}

// The stored choice counts the published entries, not the card's source lines: lines without a
// mute control are not in the list, so the entry is mapped back through it. "None" and indices
// beyond the list choose no line.
void ReselectInputLine(PanelContext& ctx, const std::vector<std::uint32_t>& muteControls) {
  const int index = ctx.settings.Int(keys::kAudioInput, 0);
  ctx.mixer.inputMuteControl =
      index >= 0 && static_cast<std::size_t>(index) < muteControls.size() ? muteControls[index] : 0;
}

// The recording source: the first control of the wave-in destination (or, on a card without
// one, of the last destination looked at), taken only when it is a list.
std::optional<MixerControl> FindRecordSelector(MixerDevice& device, std::uint32_t destinations) {
  std::optional<MixerLine> chosen;
  for (std::uint32_t i = 0; i < destinations; ++i) {
    auto line = device.Destination(i);
    if (!line) continue;
    chosen = line;
    if (line->type == MixerLineType::WaveIn) break;
  }
  if (!chosen) return std::nullopt;
  auto control = device.FirstControl(chosen->lineId);
  if (!control || control->items == 0) return std::nullopt;
  return control;
}

// Applies the stored states (reselect) and publishes names and states. Stored states stop at
// the first missing key; items from there on keep what the card has.
void SetUpRecordSelector(PanelContext& ctx, const MixerControl& selector, int mode) {
  MixerDevice& device = ctx.os.mixer;
  const IniFile& ini = ctx.settings;
  const std::vector<std::string> names = device.ItemNames(selector);
  std::vector<bool> states = device.ItemStates(selector);
  states.resize(selector.items, false);
  if (mode == 1) {
    for (std::size_t i = 0; i < states.size(); ++i) {
      const int stored = ini.Int(keys::kRecordState, static_cast<int>(i));
      if (stored == keys::kRecordState.number) break;
      states[i] = stored != 0;
    }
    device.SetItemStates(selector, states);
  }
  for (std::size_t i = 0; i < states.size(); ++i) {
    const int key = static_cast<int>(i);
    ini.Write(keys::kRecordSources, key, i < names.size() ? names[i] : std::string());
    ini.Write(keys::kRecordState, key, states[i] ? "1" : "0");
  }
}

// The same value on every channel of the speakers line.
bool SetToneControl(PanelContext& ctx, const std::optional<std::uint32_t>& control, int value,
                    std::uint8_t& cached) {
  MixerState& mixer = ctx.mixer;
  if (mixer.ready == 0 || !control || mixer.busy != 0) return false;
  const std::vector<std::uint32_t> levels(mixer.channels == 0 ? 1 : mixer.channels,
                                          static_cast<std::uint32_t>(value));
  {
    BusyScope busy(mixer);
    ctx.os.mixer.SetValues(*control, levels);
  }
  cached = static_cast<std::uint8_t>(value);
  return mixer.ready != 0;
}

}  // namespace

bool SetUpMixer(PanelContext& ctx, int mode) {
  MixerState& mixer = ctx.mixer;
  MixerDevice& device = ctx.os.mixer;
  ctx.os.files.ChangeDirectory(ctx.where.appDirectory);
  // A failed set-up returns 0 and leaves the ready flag as an earlier set-up left it.

  const std::uint32_t deviceCount = device.DeviceCount();
  if (deviceCount == 0) return false;
  const FoundDevice found = FindSpeakersDevice(ctx, deviceCount);
  if (!found.opened) return false;

  mixer.volumeControl.reset();
  mixer.bassControl.reset();
  mixer.trebleControl.reset();
  mixer.channels = 0;
  if (found.speakers) {
    const std::uint32_t line = found.speakers->lineId;
    mixer.volumeControl = ControlId(device, line, MixerControlType::Volume);
    mixer.bassControl = ControlId(device, line, MixerControlType::Bass);
    mixer.trebleControl = ControlId(device, line, MixerControlType::Treble);
    mixer.channels = found.speakers->channels;
  }
  const std::vector<std::uint32_t> muteControls = PublishInputLines(ctx, found.speakers);
  if (mode == 1) ReselectInputLine(ctx, muteControls);

  // Without a speakers destination there is no device to take a recording source from.
  if (found.speakers) {
    if (auto selector = FindRecordSelector(device, found.destinations))
      SetUpRecordSelector(ctx, *selector, mode);
  }
  mixer.ready = 1;
  return true;
}

bool SetVolume(PanelContext& ctx, int volume) {
  MixerState& mixer = ctx.mixer;
  if (mixer.ready == 0 || !mixer.volumeControl || mixer.busy != 0) return false;
  mixer.volume = static_cast<std::uint8_t>(volume);
  const std::uint32_t v = mixer.volume;
  const std::uint32_t b = mixer.balance;
  // Full level on the side the balance leans to; the other side falls off linearly.
  std::uint32_t left = v * kLevelPerStep;
  std::uint32_t right = v * kLevelPerStep;
  if (b >= kBalanceCentre)
    left = (kBalanceFull - b) * v * 2;
  else
    right = b * v * 2;
  std::vector<std::uint32_t> levels{left};
  if (mixer.channels >= 2) {
    levels.push_back(right);
    // Channels beyond the first two follow the volume without balance.
    levels.resize(mixer.channels, v * kLevelPerStep);
  }
  {
    BusyScope busy(mixer);
    ctx.os.mixer.SetValues(*mixer.volumeControl, levels);
  }
  return mixer.ready != 0;
}

bool SetBalance(PanelContext& ctx, int balance) {
  if (ctx.mixer.ready == 0) return false;
  ctx.mixer.balance = static_cast<std::uint8_t>(balance);
  return SetVolume(ctx, ctx.mixer.volume);
}

bool SetBass(PanelContext& ctx, int bass) {
  return SetToneControl(ctx, ctx.mixer.bassControl, bass, ctx.mixer.bass);
}

bool SetTreble(PanelContext& ctx, int treble) {
  return SetToneControl(ctx, ctx.mixer.trebleControl, treble, ctx.mixer.treble);
}

void SetInputMute(PanelContext& ctx, int mute) {
  MixerState& mixer = ctx.mixer;
  const std::string entry = ctx.settings.Text(keys::kAudioInput, "0", kInputIndexCapacity);
  const int stored = ctx.settings.RawInt(keys::kAudioMuteControls.name, entry.c_str(), 0);
  // "None" stores 0: the line remembered by the last reselect stays (and after "None" was
  // reselected that is no line at all).
  if (stored != 0) mixer.inputMuteControl = static_cast<std::uint32_t>(stored);
  if (mixer.inputMuteControl == 0) return;
  const std::array<std::uint32_t, 1> value{mute != 0 ? 1u : 0u};
  ctx.os.mixer.SetValues(mixer.inputMuteControl, value);
}

bool GetCachedValue(const PanelContext& ctx, int code, int& value) {
  const MixerState& mixer = ctx.mixer;
  if (mixer.ready == 0) return false;
  const auto cached = [&value](bool present, std::uint8_t v) {
    if (!present) return false;
    value = v;
    return true;
  };
  switch (code) {
    case kCachedVolume:
      return cached(mixer.volumeControl.has_value(), mixer.volume);
    case kCachedBalance:
      return cached(mixer.volumeControl.has_value(), mixer.balance);
    case kCachedBass:
      return cached(mixer.bassControl.has_value(), mixer.bass);
    case kCachedTreble:
      return cached(mixer.trebleControl.has_value(), mixer.treble);
    default:
      value = -1;
      return false;
  }
}

}  // namespace tv::settings
