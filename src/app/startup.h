#pragma once
// The program's start: power-saving features off, the installation located, the tuner library
// bound, the layout loaded, a running panel handed the saved source, and, once the window
// exists, its band, tick, first paint, input line and hot key.

#include <cstdint>

#include "app/panel_context.h"
#include "platform/tuner_library.h"

namespace tv {

// The accelerator table in the program's resources.
inline constexpr int kPanelAccelerators = 109;

enum class StartDecision { CreateWindow, ExitNow };

// Everything before the window exists. ExitNow means the program returns 0: the tuner
// library is missing or incomplete, or another panel runs and was handed the saved source.
StartDecision StartUpBeforeWindow(PanelContext& ctx, TunerLibrary& tuner);

// Where the closed panel opens: centred, 40 pixels above the bottom of the screen.
Rect InitialWindowRect(PanelContext& ctx);

// After the window was created (its creation sequence has run): topmost band, the 333 ms tick,
// the first paint, the chosen input line unmuted and the Ctrl+Alt+F4 hot key.
void StartUpAfterWindow(PanelContext& ctx);

}  // namespace tv
