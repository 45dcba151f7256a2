#pragma once
// The sound card's mixer: its devices, the lines of the open device and their controls, and
// setting a control. One device is open at a time and every line and control query acts on it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace tv {

// Only the two destinations the panel looks for are told apart.
enum class MixerLineType { Speakers, WaveIn, Other };
enum class MixerControlType { Volume, Bass, Treble, Mute };

struct MixerCaps {
  std::string productName;
  std::uint32_t destinations = 0;
};

struct MixerLine {
  std::uint32_t lineId = 0;
  std::uint32_t destination = 0;  // index of the destination line it belongs to (or is)
  MixerLineType type = MixerLineType::Other;
  std::uint32_t channels = 0;
  std::uint32_t sources = 0;  // source lines connected to a destination line
  std::string shortName;
};

struct MixerControl {
  std::uint32_t id = 0;
  std::uint32_t items = 0;  // entries of a list control (multiplexer, mixer); 0 for any other
};

class MixerDevice {
 public:
  virtual ~MixerDevice() = default;

  virtual std::uint32_t DeviceCount() = 0;
  // Opens device `device` (closing the one open before); its change notifications go to
  // `notify`. False when it cannot be opened.
  virtual bool Open(std::uint32_t device, WindowRef notify) = 0;
  virtual std::optional<MixerCaps> Capabilities(std::uint32_t device) = 0;

  // Lines of the open device. LineOfType looks a destination up by its kind (Speakers or
  // WaveIn only).
  virtual std::optional<MixerLine> LineOfType(MixerLineType type) = 0;
  virtual std::optional<MixerLine> Destination(std::uint32_t index) = 0;
  virtual std::optional<MixerLine> Source(std::uint32_t destination, std::uint32_t index) = 0;

  virtual std::optional<MixerControl> ControlOfType(std::uint32_t lineId,
                                                    MixerControlType type) = 0;
  // The line's first control, whatever its kind.
  virtual std::optional<MixerControl> FirstControl(std::uint32_t lineId) = 0;

  // A list control's item names and selection states, one per item.
  virtual std::vector<std::string> ItemNames(const MixerControl& control) = 0;
  virtual std::vector<bool> ItemStates(const MixerControl& control) = 0;
  virtual bool SetItemStates(const MixerControl& control, const std::vector<bool>& states) = 0;

  // Unsigned values, one per channel, first channel (left) first. A mute control takes 1 or 0.
  virtual bool SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) = 0;
};

}  // namespace tv
