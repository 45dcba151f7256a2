#pragma once
// The capture device chosen at setup must still be there under its stored name.

#include "app/panel_context.h"

namespace tv::settings {

// 1 when the chosen device is present, 0 when it is gone or renamed.
int VerifySelectedDevice(PanelContext& ctx);

}  // namespace tv::settings
