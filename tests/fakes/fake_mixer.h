#pragma once
// A scripted sound card: destinations with their volume, bass and treble controls, source
// lines with or without a mute control, and a recording selector.

#include <cstdint>
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
  // When not empty, the line's first control is a list of these items: the recording selector.
  std::vector<std::string> items;
  std::vector<bool> itemStates;
};

struct FakeSoundCard {
  std::string productName;
  std::vector<FakeDestination> destinations;
};

class FakeMixer : public MixerDevice {
 public:
  // Speakers (two channels; volume 1, bass 2, treble 3; sources CD/11, Line/12, Mic/13) and a
  // wave-in destination whose selector lists CD, Line, Mic, Mix with Mic selected.
  static FakeSoundCard TypicalCard() {
    const FakeDestination speakers{
        MixerLineType::Speakers, 2, 1, 2, 3, {{"CD", 11}, {"Line", 12}, {"Mic", 13}}, {}, {}};
    const FakeDestination waveIn{
        MixerLineType::WaveIn,      2, {}, {}, {}, {}, {"CD", "Line", "Mic", "Mix"},
        {false, false, true, false}};
    return FakeSoundCard{"Typical Sound Card", {speakers, waveIn}};
  }

  std::uint32_t DeviceCount() override { return static_cast<std::uint32_t>(cards.size()); }
  bool Open(std::uint32_t device, WindowRef notify) override {
    card_ = device < cards.size() ? &cards[device] : nullptr;
    notifyWindow = notify;
    return card_ != nullptr;
  }
  std::optional<MixerCaps> Capabilities(std::uint32_t device) override {
    return MixerCaps{cards[device].productName,
                     static_cast<std::uint32_t>(cards[device].destinations.size())};
  }
  std::optional<MixerLine> LineOfType(MixerLineType type) override {
    for (std::uint32_t d = 0; d < card_->destinations.size(); ++d)
      if (card_->destinations[d].type == type) return Destination(d);
    return std::nullopt;
  }
  // Line ids: destination d is (d + 1) << 16, its source s is that plus s + 1.
  std::optional<MixerLine> Destination(std::uint32_t index) override {
    const FakeDestination& dest = card_->destinations.at(index);
    return MixerLine{(index + 1) << 16,
                     index,
                     dest.type,
                     dest.channels,
                     static_cast<std::uint32_t>(dest.sources.size()),
                     "Destination"};
  }
  std::optional<MixerLine> Source(std::uint32_t destination, std::uint32_t index) override {
    const FakeDestination& dest = card_->destinations.at(destination);
    return MixerLine{
        ((destination + 1) << 16) + index + 1, destination, MixerLineType::Other, dest.channels, 0,
        dest.sources.at(index).shortName};
  }
  std::optional<MixerControl> ControlOfType(std::uint32_t lineId, MixerControlType type) override {
    const FakeDestination& dest = card_->destinations.at((lineId >> 16) - 1);
    const std::uint32_t s = lineId & 0xFFFF;
    std::optional<std::uint32_t> id;
    if (s != 0)
      id = type == MixerControlType::Mute ? dest.sources.at(s - 1).muteControl : std::nullopt;
    else if (type == MixerControlType::Volume)
      id = dest.volumeControl;
    else if (type == MixerControlType::Bass)
      id = dest.bassControl;
    else if (type == MixerControlType::Treble)
      id = dest.trebleControl;
    if (!id) return std::nullopt;
    return MixerControl{*id, 0};
  }
  // The selector's control id is its line id.
  std::optional<MixerControl> FirstControl(std::uint32_t lineId) override {
    const FakeDestination& dest = card_->destinations.at((lineId >> 16) - 1);
    if (dest.items.empty()) return std::nullopt;
    return MixerControl{lineId, static_cast<std::uint32_t>(dest.items.size())};
  }
  std::vector<std::string> ItemNames(const MixerControl& control) override {
    return Selector(control).items;
  }
  std::vector<bool> ItemStates(const MixerControl& control) override {
    return Selector(control).itemStates;
  }
  bool SetItemStates(const MixerControl& control, const std::vector<bool>& states) override {
    Selector(control).itemStates = states;
    return true;
  }
  bool SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) override {
    sets.push_back(controlId);
    values_[controlId].assign(perChannel.begin(), perChannel.end());
    return card_ != nullptr;
  }

  // The last values set on a control, if any.
  std::optional<std::vector<std::uint32_t>> ValuesOf(std::uint32_t control) const {
    const auto it = values_.find(control);
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }

  std::vector<FakeSoundCard> cards;
  WindowRef notifyWindow;
  std::vector<std::uint32_t> sets;  // the control of every SetValues, in order

 private:
  FakeDestination& Selector(const MixerControl& control) {
    return card_->destinations.at((control.id >> 16) - 1);
  }
  FakeSoundCard* card_ = nullptr;
  std::map<std::uint32_t, std::vector<std::uint32_t>> values_;
};

}  // namespace tv::fakes
