#pragma once
// The panel window's own commands: the TV closed and reopened, the panel shown, hidden and
// minimised, the program ended, the shape operations.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::commands {

// Closing and reopening the TV, showing and hiding the panel, ending the program.
void CloseTv(PanelContext& ctx, std::intptr_t lParam);
void ReopenTv(PanelContext& ctx, std::intptr_t lParam);
void ShowOrHidePanel(PanelContext& ctx, std::intptr_t lParam);
void MinimizePanel(PanelContext& ctx, std::intptr_t lParam);
void EndProgram(PanelContext& ctx, std::intptr_t lParam);

// A scan of any band runs: the panel's window commands wait for it.
bool ScanRuns(const ModeFlags& mode);

}  // namespace tv::commands
