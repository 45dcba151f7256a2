#pragma once
// The captured-files browser as the video window program reaches it: a new file, the panel
// marked closed, and the side panels hidden or shown. The browser itself joins this room later.

#include "app/panel_context.h"

namespace tv::commands {

// 40124: a new snapshot or recording; its name is in [quarn] "AddItem".
void AddCapturedFile(PanelContext& ctx);
// 40125: the captured-files panel counts as closed; its window is left as it is.
void MarkFilesPanelClosed(PanelContext& ctx);
// 40326: 1 hides the side panels, any other value shows them again; topmost is re-applied.
void HideOrShowSidePanels(PanelContext& ctx, int value);

}  // namespace tv::commands
