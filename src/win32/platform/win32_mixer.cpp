// The mixer seam on the winmm mixer calls.
#include <windows.h>

#include <mmsystem.h>

#include <cstring>

#include "win32/platform/win32_platform.h"

namespace tv::win32 {
namespace {

HMIXEROBJ AsObject(void* mixer) {
  return reinterpret_cast<HMIXEROBJ>(mixer);
}

constexpr DWORD kByHandle = MIXER_OBJECTF_HMIXER;

MixerLineType TypeOf(DWORD componentType) {
  switch (componentType) {
    case MIXERLINE_COMPONENTTYPE_DST_SPEAKERS:
      return MixerLineType::Speakers;
    case MIXERLINE_COMPONENTTYPE_DST_WAVEIN:
      return MixerLineType::WaveIn;
    default:
      return MixerLineType::Other;
  }
}

DWORD ControlTypeOf(MixerControlType type) {
  switch (type) {
    case MixerControlType::Volume:
      return MIXERCONTROL_CONTROLTYPE_VOLUME;
    case MixerControlType::Bass:
      return MIXERCONTROL_CONTROLTYPE_BASS;
    case MixerControlType::Treble:
      return MIXERCONTROL_CONTROLTYPE_TREBLE;
    case MixerControlType::Mute:
      return MIXERCONTROL_CONTROLTYPE_MUTE;
  }
  return 0;
}

MixerLine Describe(const MIXERLINEA& line) {
  MixerLine out;
  out.lineId = line.dwLineID;
  out.destination = line.dwDestination;
  out.type = TypeOf(line.dwComponentType);
  out.channels = line.cChannels;
  out.sources = line.cConnections;
  out.shortName.assign(line.szShortName, strnlen(line.szShortName, sizeof line.szShortName));
  return out;
}

std::optional<MIXERLINEA> LineInfo(void* mixer, MIXERLINEA line, DWORD how) {
  if (mixer == nullptr) return std::nullopt;
  line.cbStruct = sizeof line;
  if (mixerGetLineInfoA(AsObject(mixer), &line, kByHandle | how) != MMSYSERR_NOERROR)
    return std::nullopt;
  return line;
}

MixerControl Describe(const MIXERCONTROLA& control) {
  const bool list = (control.fdwControl & MIXERCONTROL_CONTROLF_MULTIPLE) != 0;
  return MixerControl{control.dwControlID, list ? control.cMultipleItems : 0};
}

// List controls are read and written as uniform: one value per item.
template <typename Detail>
bool ListDetails(void* mixer, const MixerControl& control, std::vector<Detail>& details, DWORD how,
                 bool set) {
  if (mixer == nullptr || control.items == 0) return false;
  details.resize(control.items);
  MIXERCONTROLDETAILS request{};
  request.cbStruct = sizeof request;
  request.dwControlID = control.id;
  request.cChannels = 1;
  request.cMultipleItems = control.items;
  request.cbDetails = sizeof(Detail);
  request.paDetails = details.data();
  const MMRESULT result = set ? mixerSetControlDetails(AsObject(mixer), &request, kByHandle | how)
                              : mixerGetControlDetailsA(AsObject(mixer), &request, kByHandle | how);
  return result == MMSYSERR_NOERROR;
}

}  // namespace

Win32Mixer::~Win32Mixer() {
  if (mixer_ != nullptr) mixerClose(reinterpret_cast<HMIXER>(mixer_));
}

std::uint32_t Win32Mixer::DeviceCount() {
  return mixerGetNumDevs();
}

bool Win32Mixer::Open(std::uint32_t device, WindowRef notify) {
  if (mixer_ != nullptr) {
    mixerClose(reinterpret_cast<HMIXER>(mixer_));
    mixer_ = nullptr;
  }
  HMIXER mixer = nullptr;
  const DWORD_PTR callback = reinterpret_cast<DWORD_PTR>(ToHwnd(notify));
  const DWORD how = notify ? CALLBACK_WINDOW : CALLBACK_NULL;
  if (mixerOpen(&mixer, device, callback, 0, how) != MMSYSERR_NOERROR) return false;
  mixer_ = mixer;
  return true;
}

std::optional<MixerCaps> Win32Mixer::Capabilities(std::uint32_t device) {
  MIXERCAPSA caps{};
  if (mixerGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR) return std::nullopt;
  return MixerCaps{std::string(caps.szPname, strnlen(caps.szPname, sizeof caps.szPname)),
                   caps.cDestinations};
}

std::optional<MixerLine> Win32Mixer::LineOfType(MixerLineType type) {
  MIXERLINEA line{};
  if (type == MixerLineType::Speakers)
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  else if (type == MixerLineType::WaveIn)
    line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_WAVEIN;
  else
    return std::nullopt;
  const auto found = LineInfo(mixer_, line, MIXER_GETLINEINFOF_COMPONENTTYPE);
  if (!found) return std::nullopt;
  return Describe(*found);
}

std::optional<MixerLine> Win32Mixer::Destination(std::uint32_t index) {
  MIXERLINEA line{};
  line.dwDestination = index;
  const auto found = LineInfo(mixer_, line, MIXER_GETLINEINFOF_DESTINATION);
  if (!found) return std::nullopt;
  return Describe(*found);
}

std::optional<MixerLine> Win32Mixer::Source(std::uint32_t destination, std::uint32_t index) {
  MIXERLINEA line{};
  line.dwDestination = destination;
  line.dwSource = index;
  const auto found = LineInfo(mixer_, line, MIXER_GETLINEINFOF_SOURCE);
  if (!found) return std::nullopt;
  return Describe(*found);
}

std::optional<MixerControl> Win32Mixer::ControlOfType(std::uint32_t lineId, MixerControlType type) {
  if (mixer_ == nullptr) return std::nullopt;
  MIXERCONTROLA control{};
  control.cbStruct = sizeof control;
  MIXERLINECONTROLSA request{};
  request.cbStruct = sizeof request;
  request.dwLineID = lineId;
  request.dwControlType = ControlTypeOf(type);
  request.cControls = 1;
  request.cbmxctrl = sizeof control;
  request.pamxctrl = &control;
  if (mixerGetLineControlsA(AsObject(mixer_), &request,
                            kByHandle | MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR)
    return std::nullopt;
  return Describe(control);
}

std::optional<MixerControl> Win32Mixer::FirstControl(std::uint32_t lineId) {
  MIXERLINEA line{};
  line.dwLineID = lineId;
  const auto found = LineInfo(mixer_, line, MIXER_GETLINEINFOF_LINEID);
  if (!found || found->cControls == 0) return std::nullopt;
  std::vector<MIXERCONTROLA> controls(found->cControls);
  for (MIXERCONTROLA& c : controls) c.cbStruct = sizeof c;
  MIXERLINECONTROLSA request{};
  request.cbStruct = sizeof request;
  request.dwLineID = lineId;
  request.cControls = found->cControls;
  request.cbmxctrl = sizeof(MIXERCONTROLA);
  request.pamxctrl = controls.data();
  if (mixerGetLineControlsA(AsObject(mixer_), &request, kByHandle | MIXER_GETLINECONTROLSF_ALL) !=
      MMSYSERR_NOERROR)
    return std::nullopt;
  return Describe(controls.front());
}

std::vector<std::string> Win32Mixer::ItemNames(const MixerControl& control) {
  std::vector<MIXERCONTROLDETAILS_LISTTEXTA> texts;
  if (!ListDetails(mixer_, control, texts, MIXER_GETCONTROLDETAILSF_LISTTEXT, false)) return {};
  std::vector<std::string> names;
  for (const auto& t : texts) names.emplace_back(t.szName, strnlen(t.szName, sizeof t.szName));
  return names;
}

std::vector<bool> Win32Mixer::ItemStates(const MixerControl& control) {
  std::vector<MIXERCONTROLDETAILS_BOOLEAN> values;
  if (!ListDetails(mixer_, control, values, MIXER_GETCONTROLDETAILSF_VALUE, false)) return {};
  std::vector<bool> states;
  for (const auto& v : values) states.push_back(v.fValue != 0);
  return states;
}

bool Win32Mixer::SetItemStates(const MixerControl& control, const std::vector<bool>& states) {
  std::vector<MIXERCONTROLDETAILS_BOOLEAN> values(control.items);
  for (std::size_t i = 0; i < values.size() && i < states.size(); ++i)
    values[i].fValue = states[i] ? 1 : 0;
  return ListDetails(mixer_, control, values, MIXER_SETCONTROLDETAILSF_VALUE, true);
}

bool Win32Mixer::SetValues(std::uint32_t controlId, std::span<const std::uint32_t> perChannel) {
  if (mixer_ == nullptr || perChannel.empty()) return false;
  std::vector<MIXERCONTROLDETAILS_UNSIGNED> values(perChannel.size());
  for (std::size_t i = 0; i < values.size(); ++i) values[i].dwValue = perChannel[i];
  MIXERCONTROLDETAILS request{};
  request.cbStruct = sizeof request;
  request.dwControlID = controlId;
  request.cChannels = static_cast<DWORD>(values.size());
  request.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
  request.paDetails = values.data();
  return mixerSetControlDetails(AsObject(mixer_), &request,
                                kByHandle | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
}

}  // namespace tv::win32
