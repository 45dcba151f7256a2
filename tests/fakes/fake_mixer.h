#pragma once
// A scripted sound card (or several): destinations with their volume, bass and treble
// controls, source lines with or without a mute control, and a recording selector. Every
// value set is recorded; a test may also make a device fail to open or to report its
// capabilities, and may run code while a value is being set.

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
  bool capabilitiesReadable = true;
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
  static FakeSoundCard TypicalCard();

  std::uint32_t DeviceCount() override;
  bool Open(std::uint32_t device, WindowRef notify) override;
  std::optional<MixerCaps> Capabilities(std::uint32_t device) override;
  std::optional<MixerLine> LineOfType(MixerLineType type) override;
  std::optional<MixerLine> Destination(std::uint32_t index) override;
  std::optional<MixerLine> Source(std::uint32_t destination, std::uint32_t index) override;
  std::optional<MixerControl> ControlOfType(std::uint32_t lineId, MixerControlType type) override;
  std::optional<MixerControl> FirstControl(std::uint32_t lineId) override;
  std::vector<std::string> ItemNames(const MixerControl& control) override;
  std::vector<bool> ItemStates(const MixerControl& control) override;
  bool SetItemStates(const MixerControl& control, const std::vector<bool>& states) override;
  bool SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) override;

  // The last values set on a control, if any.
  std::optional<std::vector<std::uint32_t>> ValuesOf(std::uint32_t control) const;

  std::vector<FakeSoundCard> cards;
  std::optional<std::uint32_t> openDevice;
  std::vector<std::uint32_t> opened;  // every device opened, in order
  WindowRef notifyWindow;
  std::vector<SetValuesCall> sets;  // every SetValues, in order
  std::function<void(std::uint32_t control)> whileSetting;

 private:
  FakeSoundCard* Open();
  FakeDestination* DestinationOfList(std::uint32_t control);
  std::map<std::uint32_t, std::vector<std::uint32_t>> values_;
};

}  // namespace tv::fakes
