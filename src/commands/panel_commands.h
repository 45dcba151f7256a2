#pragma once
// The table from command id to handler.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::commands {

struct CommandHandler {
  std::uint16_t id;
  void (*run)(PanelContext& ctx, std::intptr_t lParam);
};

// The handler of an id, or null when the id has none (it then goes to the default procedure).
const CommandHandler* FindHandler(std::uint16_t id);

// Closing and reopening the TV, showing and hiding the panel, ending the program.
void CloseTv(PanelContext& ctx, std::intptr_t lParam);
void ReopenTv(PanelContext& ctx, std::intptr_t lParam);
void ShowOrHidePanel(PanelContext& ctx, std::intptr_t lParam);
void MinimizePanel(PanelContext& ctx, std::intptr_t lParam);
void EndProgram(PanelContext& ctx, std::intptr_t lParam);

// A scan of any band runs: the panel's window commands wait for it.
bool ScanRuns(const ModeFlags& mode);

}  // namespace tv::commands
