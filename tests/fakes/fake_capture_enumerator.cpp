#include "fakes/fake_capture_enumerator.h"

namespace tv::fakes {

VideoInputDevices FakeCaptureEnumerator::ListVideoInputDevices() {
  ++walks;
  if (!enumeratorAvailable) return {CaptureListing::NoEnumerator, {}};
  if (names.empty()) return {CaptureListing::NoDevices, {}};
  return {CaptureListing::Listed, names};
}

}  // namespace tv::fakes
