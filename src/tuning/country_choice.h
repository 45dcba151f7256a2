#pragma once
// The country group of the TV settings page: what it shows when the page starts, and the three
// country choices (automatic, chosen, picked from the list).

#include "app/panel_context.h"
#include "platform/dialog.h"

namespace tv::tuning {

// The stored code in its edit; the operating system's country is taken as the stored one when
// none was recorded. A country other than the operating system's checks "Select Country" and
// selects its name in the list (enabled); else "Auto Detect" with the list disabled.
void ShowCountryState(PanelContext& ctx, DialogControls& page);

// 1005 and 1006 clicked, or 1007's choice accepted.
void ChooseCountry(PanelContext& ctx, DialogControls& page, int control, int notification);

}  // namespace tv::tuning
