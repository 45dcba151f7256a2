#pragma once
// Video capture devices as a test plugs them in: names in the enumerator's order, a device
// whose name cannot be read, or a machine without the system device enumerator.

#include <optional>
#include <string>
#include <vector>

#include "platform/capture_enumerator.h"

namespace tv::fakes {

class FakeCaptureEnumerator : public CaptureEnumerator {
 public:
  // Like the platform: an empty category is reported as such, with no names.
  VideoInputDevices ListVideoInputDevices() override {
    ++walks;
    if (!enumeratorAvailable) return {CaptureListing::NoEnumerator, {}};
    if (names.empty()) return {CaptureListing::NoDevices, {}};
    return {CaptureListing::Listed, names};
  }

  void Plug(std::string name) { names.emplace_back(std::move(name)); }
  void PlugNameless() { names.emplace_back(std::nullopt); }

  bool enumeratorAvailable = true;
  std::vector<std::optional<std::string>> names;
  int walks = 0;
};

}  // namespace tv::fakes
