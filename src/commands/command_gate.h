#pragma once
// Every WM_COMMAND of the panel, whatever its origin (button, key, menu, peer, itself), passes
// one gate and is then dispatched by a table from id to handler.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::commands {

enum class GateVerdict { Pass, Drop };

// Time shift lets only its transport, seek and a few volume and view commands through; the
// transport commands are dropped without it; a recording lets only its own reports and the
// same volume and view commands through.
GateVerdict Gate(const ModeFlags& mode, std::uint16_t id);

// True when the command was consumed: dropped by the gate or handled. False: the id passed and
// has no handler, and goes to the default window procedure.
bool OnCommand(PanelContext& ctx, std::uint16_t id, std::intptr_t lParam);

}  // namespace tv::commands
