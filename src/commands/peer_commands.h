#pragma once
// What the peer programs send the panel: acknowledgements, reports and requests.

#include "app/panel_context.h"

namespace tv::commands {

// A peer asks the panel to end (ignored while a scan runs).
void PeerEndProgram(PanelContext& ctx, std::intptr_t lParam);

}  // namespace tv::commands
