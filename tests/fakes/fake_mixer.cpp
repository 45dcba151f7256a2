#include "fakes/fake_mixer.h"

namespace tv::fakes {
namespace {

// Line ids: destination d is (d + 1) << 16, its source s is that plus s + 1.
constexpr std::uint32_t kDestinationShift = 16;
constexpr std::uint32_t kSourceMask = 0xFFFF;

std::uint32_t DestinationLineId(std::uint32_t d) {
  return (d + 1) << kDestinationShift;
}

MixerLine DescribeDestination(const FakeDestination& dest, std::uint32_t d) {
  MixerLine line;
  line.lineId = DestinationLineId(d);
  line.destination = d;
  line.type = dest.type;
  line.channels = dest.channels;
  line.sources = static_cast<std::uint32_t>(dest.sources.size());
  line.shortName = dest.type == MixerLineType::Speakers ? "Speakers" : "Destination";
  return line;
}

}  // namespace

FakeSoundCard FakeMixer::TypicalCard() {
  FakeSoundCard card;
  card.productName = "Typical Sound Card";
  FakeDestination speakers;
  speakers.type = MixerLineType::Speakers;
  speakers.volumeControl = 1;
  speakers.bassControl = 2;
  speakers.trebleControl = 3;
  speakers.sources = {{"CD", 11}, {"Line", 12}, {"Mic", 13}};
  FakeDestination waveIn;
  waveIn.type = MixerLineType::WaveIn;
  waveIn.listControl = 20;
  waveIn.items = {"CD", "Line", "Mic", "Mix"};
  waveIn.itemStates = {false, false, true, false};
  card.destinations = {speakers, waveIn};
  return card;
}

FakeSoundCard* FakeMixer::Open() {
  if (!openDevice || *openDevice >= cards.size()) return nullptr;
  return &cards[*openDevice];
}

std::uint32_t FakeMixer::DeviceCount() {
  return static_cast<std::uint32_t>(cards.size());
}

bool FakeMixer::Open(std::uint32_t device, WindowRef notify) {
  openDevice.reset();
  if (device >= cards.size() || !cards[device].opens) return false;
  openDevice = device;
  opened.push_back(device);
  notifyWindow = notify;
  return true;
}

std::optional<MixerCaps> FakeMixer::Capabilities(std::uint32_t device) {
  if (device >= cards.size() || !cards[device].capabilitiesReadable) return std::nullopt;
  const FakeSoundCard& card = cards[device];
  return MixerCaps{card.productName, static_cast<std::uint32_t>(card.destinations.size())};
}

std::optional<MixerLine> FakeMixer::LineOfType(MixerLineType type) {
  FakeSoundCard* card = Open();
  if (card == nullptr || type == MixerLineType::Other) return std::nullopt;
  for (std::uint32_t d = 0; d < card->destinations.size(); ++d)
    if (card->destinations[d].type == type) return DescribeDestination(card->destinations[d], d);
  return std::nullopt;
}

std::optional<MixerLine> FakeMixer::Destination(std::uint32_t index) {
  FakeSoundCard* card = Open();
  if (card == nullptr || index >= card->destinations.size()) return std::nullopt;
  return DescribeDestination(card->destinations[index], index);
}

std::optional<MixerLine> FakeMixer::Source(std::uint32_t destination, std::uint32_t index) {
  FakeSoundCard* card = Open();
  if (card == nullptr || destination >= card->destinations.size()) return std::nullopt;
  const FakeDestination& dest = card->destinations[destination];
  if (index >= dest.sources.size()) return std::nullopt;
  MixerLine line;
  line.lineId = DestinationLineId(destination) + index + 1;
  line.destination = destination;
  line.channels = dest.channels;
  line.shortName = dest.sources[index].shortName;
  return line;
}

std::optional<MixerControl> FakeMixer::ControlOfType(std::uint32_t lineId, MixerControlType type) {
  FakeSoundCard* card = Open();
  if (card == nullptr) return std::nullopt;
  const std::uint32_t d = (lineId >> kDestinationShift) - 1;
  const std::uint32_t s = lineId & kSourceMask;
  if (d >= card->destinations.size()) return std::nullopt;
  const FakeDestination& dest = card->destinations[d];
  std::optional<std::uint32_t> id;
  if (s != 0) {
    if (s <= dest.sources.size() && type == MixerControlType::Mute)
      id = dest.sources[s - 1].muteControl;
  } else if (type == MixerControlType::Volume) {
    id = dest.volumeControl;
  } else if (type == MixerControlType::Bass) {
    id = dest.bassControl;
  } else if (type == MixerControlType::Treble) {
    id = dest.trebleControl;
  }
  if (!id) return std::nullopt;
  return MixerControl{*id, 0};
}

std::optional<MixerControl> FakeMixer::FirstControl(std::uint32_t lineId) {
  FakeSoundCard* card = Open();
  const std::uint32_t d = (lineId >> kDestinationShift) - 1;
  if (card == nullptr || (lineId & kSourceMask) != 0 || d >= card->destinations.size())
    return std::nullopt;
  const FakeDestination& dest = card->destinations[d];
  if (dest.listControl)
    return MixerControl{*dest.listControl, static_cast<std::uint32_t>(dest.items.size())};
  if (dest.volumeControl) return MixerControl{*dest.volumeControl, 0};
  return std::nullopt;
}

FakeDestination* FakeMixer::DestinationOfList(std::uint32_t control) {
  FakeSoundCard* card = Open();
  if (card == nullptr) return nullptr;
  for (FakeDestination& dest : card->destinations)
    if (dest.listControl == control) return &dest;
  return nullptr;
}

std::vector<std::string> FakeMixer::ItemNames(const MixerControl& control) {
  const FakeDestination* dest = DestinationOfList(control.id);
  return dest != nullptr ? dest->items : std::vector<std::string>{};
}

std::vector<bool> FakeMixer::ItemStates(const MixerControl& control) {
  const FakeDestination* dest = DestinationOfList(control.id);
  return dest != nullptr ? dest->itemStates : std::vector<bool>{};
}

bool FakeMixer::SetItemStates(const MixerControl& control, const std::vector<bool>& states) {
  FakeDestination* dest = DestinationOfList(control.id);
  if (dest == nullptr) return false;
  dest->itemStates = states;
  return true;
}

bool FakeMixer::SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) {
  std::vector<std::uint32_t> values(perChannel.begin(), perChannel.end());
  sets.push_back(SetValuesCall{controlId, values});
  values_[controlId] = values;
  if (whileSetting) whileSetting(controlId);
  return Open() != nullptr;
}

std::optional<std::vector<std::uint32_t>> FakeMixer::ValuesOf(std::uint32_t control) const {
  auto it = values_.find(control);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

}  // namespace tv::fakes
