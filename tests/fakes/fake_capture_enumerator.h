#pragma once
// Video capture devices as a test plugs them in: names in the enumerator's order, or a device
// whose name cannot be read.

#include <optional>
#include <string>
#include <vector>

#include "platform/capture_enumerator.h"

namespace tv::fakes {

class FakeCaptureEnumerator : public CaptureEnumerator {
 public:
  // Like the platform: an empty category is reported as such, with no names.
  VideoInputDevices ListVideoInputDevices() override {
    if (names_.empty()) return {CaptureListing::NoDevices, {}};
    return {CaptureListing::Listed, names_};
  }

  void Plug(std::string name) { names_.emplace_back(std::move(name)); }
  void PlugNameless() { names_.emplace_back(std::nullopt); }

 private:
  std::vector<std::optional<std::string>> names_;
};

}  // namespace tv::fakes
