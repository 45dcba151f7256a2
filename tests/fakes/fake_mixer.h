#pragma once
// A scripted sound card (or several): destinations with their volume, bass and treble
// controls, source lines with or without a mute control, and a recording selector. Every
// value set is recorded; a test may also make a device fail to open, and may run code while a
// value is being set.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/mixer_device.h"

namespace tv::fakes {

struct FakeSourceLine {
  std::string shortName;
  std::optional<std::uint32_t> muteControl;
};

struct FakeDestination {
  MixerLineType type = MixerLineType::Other;
  std::uint32_t channels = 2;
  std::optional<std::uint32_t> volumeControl, bassControl, trebleControl;
  std::vector<FakeSourceLine> sources;
  // The line's first control when set: a list with these items (the recording selector).
  std::optional<std::uint32_t> listControl;
  std::vector<std::string> items;
  std::vector<bool> itemStates;
};

struct FakeSoundCard {
  std::string productName = "Sound Card";
  bool opens = true;
  std::vector<FakeDestination> destinations;
};

struct SetValuesCall {
  std::uint32_t control = 0;
  std::vector<std::uint32_t> values;
  friend bool operator==(const SetValuesCall&, const SetValuesCall&) = default;
};

class FakeMixer : public MixerDevice {
 public:
  // Speakers (two channels; volume 1, bass 2, treble 3; sources CD/11, Line/12, Mic/13) and a
  // wave-in destination whose selector 20 lists CD, Line, Mic, Mix with Mic selected.
  static FakeSoundCard TypicalCard() {
    const FakeDestination speakers{
        MixerLineType::Speakers, 2, 1, 2, 3, {{"CD", 11}, {"Line", 12}, {"Mic", 13}}, {}, {}, {}};
    const FakeDestination waveIn{
        MixerLineType::WaveIn,      2, {}, {}, {}, {}, 20, {"CD", "Line", "Mic", "Mix"},
        {false, false, true, false}};
    return FakeSoundCard{"Typical Sound Card", true, {speakers, waveIn}};
  }

  std::uint32_t DeviceCount() override { return static_cast<std::uint32_t>(cards.size()); }
  bool Open(std::uint32_t device, WindowRef notify) override {
    openDevice_.reset();
    if (device >= cards.size() || !cards[device].opens) return false;
    openDevice_ = device;
    opened.push_back(device);
    notifyWindow = notify;
    return true;
  }
  std::optional<MixerCaps> Capabilities(std::uint32_t device) override {
    if (device >= cards.size()) return std::nullopt;
    return MixerCaps{cards[device].productName,
                     static_cast<std::uint32_t>(cards[device].destinations.size())};
  }
  std::optional<MixerLine> LineOfType(MixerLineType type) override {
    FakeSoundCard* card = OpenCard();
    for (std::uint32_t d = 0; card != nullptr && d < card->destinations.size(); ++d)
      if (type != MixerLineType::Other && card->destinations[d].type == type) return Destination(d);
    return std::nullopt;
  }
  // Line ids: destination d is (d + 1) << 16, its source s is that plus s + 1.
  std::optional<MixerLine> Destination(std::uint32_t index) override {
    const FakeDestination* dest = DestinationAt(index);
    if (dest == nullptr) return std::nullopt;
    return MixerLine{(index + 1) << 16,
                     index,
                     dest->type,
                     dest->channels,
                     static_cast<std::uint32_t>(dest->sources.size()),
                     dest->type == MixerLineType::Speakers ? "Speakers" : "Destination"};
  }
  std::optional<MixerLine> Source(std::uint32_t destination, std::uint32_t index) override {
    const FakeDestination* dest = DestinationAt(destination);
    if (dest == nullptr || index >= dest->sources.size()) return std::nullopt;
    return MixerLine{
        ((destination + 1) << 16) + index + 1, destination, MixerLineType::Other, dest->channels, 0,
        dest->sources[index].shortName};
  }
  std::optional<MixerControl> ControlOfType(std::uint32_t lineId, MixerControlType type) override {
    const FakeDestination* dest = DestinationAt((lineId >> 16) - 1);
    const std::uint32_t s = lineId & 0xFFFF;
    if (dest == nullptr) return std::nullopt;
    std::optional<std::uint32_t> id;
    if (s != 0) {
      if (s <= dest->sources.size() && type == MixerControlType::Mute)
        id = dest->sources[s - 1].muteControl;
    } else if (type == MixerControlType::Volume) {
      id = dest->volumeControl;
    } else if (type == MixerControlType::Bass) {
      id = dest->bassControl;
    } else if (type == MixerControlType::Treble) {
      id = dest->trebleControl;
    }
    if (!id) return std::nullopt;
    return MixerControl{*id, 0};
  }
  std::optional<MixerControl> FirstControl(std::uint32_t lineId) override {
    const FakeDestination* dest = DestinationAt((lineId >> 16) - 1);
    if (dest == nullptr || (lineId & 0xFFFF) != 0) return std::nullopt;
    if (dest->listControl)
      return MixerControl{*dest->listControl, static_cast<std::uint32_t>(dest->items.size())};
    if (dest->volumeControl) return MixerControl{*dest->volumeControl, 0};
    return std::nullopt;
  }
  std::vector<std::string> ItemNames(const MixerControl& control) override {
    const FakeDestination* dest = DestinationOfList(control.id);
    return dest != nullptr ? dest->items : std::vector<std::string>{};
  }
  std::vector<bool> ItemStates(const MixerControl& control) override {
    const FakeDestination* dest = DestinationOfList(control.id);
    return dest != nullptr ? dest->itemStates : std::vector<bool>{};
  }
  bool SetItemStates(const MixerControl& control, const std::vector<bool>& states) override {
    FakeDestination* dest = DestinationOfList(control.id);
    if (dest != nullptr) dest->itemStates = states;
    return dest != nullptr;
  }
  bool SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) override {
    std::vector<std::uint32_t> values(perChannel.begin(), perChannel.end());
    sets.push_back(SetValuesCall{controlId, values});
    values_[controlId] = values;
    if (whileSetting) whileSetting(controlId);
    return OpenCard() != nullptr;
  }

  // The last values set on a control, if any.
  std::optional<std::vector<std::uint32_t>> ValuesOf(std::uint32_t control) const {
    const auto it = values_.find(control);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }

  std::vector<FakeSoundCard> cards;
  std::vector<std::uint32_t> opened;  // every device opened, in order
  WindowRef notifyWindow;
  std::vector<SetValuesCall> sets;  // every SetValues, in order
  std::function<void(std::uint32_t control)> whileSetting;

 private:
  FakeSoundCard* OpenCard() {
    if (!openDevice_ || *openDevice_ >= cards.size()) return nullptr;
    return &cards[*openDevice_];
  }
  FakeDestination* DestinationAt(std::uint32_t index) {
    FakeSoundCard* card = OpenCard();
    if (card == nullptr || index >= card->destinations.size()) return nullptr;
    return &card->destinations[index];
  }
  FakeDestination* DestinationOfList(std::uint32_t control) {
    FakeSoundCard* card = OpenCard();
    for (std::size_t d = 0; card != nullptr && d < card->destinations.size(); ++d)
      if (card->destinations[d].listControl == control) return &card->destinations[d];
    return nullptr;
  }
  std::optional<std::uint32_t> openDevice_;
  std::map<std::uint32_t, std::vector<std::uint32_t>> values_;
};

}  // namespace tv::fakes
