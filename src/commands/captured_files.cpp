#include "commands/captured_files.h"

namespace tv::commands {

// Adds one item to the list from the name in "AddItem" (the browser owns the list).
void AddCapturedFile(PanelContext&) {}

void MarkFilesPanelClosed(PanelContext& ctx) {
  ctx.ui.downOpen = 0;
}

// Hides or shows both list windows and re-applies "AlwaysOnTop" (the browser owns them).
void HideOrShowSidePanels(PanelContext&, int) {}

}  // namespace tv::commands
