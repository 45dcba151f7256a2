#pragma once
// The first-start dialog that asks for the TV card, the audio input and the country.

#include "app/panel_context.h"

namespace tv::tuning {

void RunCountrySetupDialog(PanelContext& ctx);

}  // namespace tv::tuning
