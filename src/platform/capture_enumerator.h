#pragma once
// The media framework's list of video capture devices: the system device enumerator asked for
// its video input category. The panel knows its TV card only by the name it is listed under.

#include <optional>
#include <string>
#include <vector>

namespace tv {

enum class CaptureListing {
  Listed,        // the category has at least one device
  NoEnumerator,  // the system device enumerator could not be created
  NoDevices,     // the category is empty (or could not be enumerated)
};

struct VideoInputDevices {
  CaptureListing listing = CaptureListing::NoDevices;
  // One entry per device, in the enumerator's order; nullopt when the device's friendly name
  // could not be read. Names are in the ANSI code page.
  std::vector<std::optional<std::string>> names;
};

class CaptureEnumerator {
 public:
  virtual ~CaptureEnumerator() = default;
  // One full walk: the component runtime is started and ended around it.
  virtual VideoInputDevices ListVideoInputDevices() = 0;
};

}  // namespace tv
