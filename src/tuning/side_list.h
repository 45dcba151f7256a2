#pragma once
// The channel list beside the panel (the SideList): the entry points other rooms call.

#include "app/panel_context.h"

namespace tv::tuning {

// Refills the SideList from the current list of the channel store. Callers other than the
// opening of the channel list panel call it only while that panel is open and the list exists.
void FillSideList(PanelContext& ctx);

}  // namespace tv::tuning
