#pragma once
// The TV card as the media framework lists it among the video capture devices. The setup
// dialog and the TV settings page offer the names recorded in [DEVICE]; at start the panel
// checks that the device chosen then is still listed under the same name.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::settings {

// A device name as recorded and compared: at most 1023 bytes of ANSI text.
inline constexpr std::uint32_t kDeviceNameCapacity = 1024;

// Records every video capture device as [DEVICE] "n", n counting every device listed, also
// those whose names cannot be read (their keys are not written). Keys beyond the current
// count stay as they were.
void EnumerateCaptureDevices(PanelContext& ctx);

// 1 when the device [SelectDevice] "Index" is listed at that position under its recorded
// name (compared exactly), 0 when it is gone, renamed or there is nothing to ask.
int VerifySelectedDevice(PanelContext& ctx);

}  // namespace tv::settings
