#pragma once
// The program's start: power-saving features off, the installation located, the tuner library
// bound, the layout loaded, a running panel handed the saved source, and, once the window
// exists, its band, tick, first paint, input line and hot key.

#include <cstdint>

#include "app/panel_context.h"
#include "platform/tuner_library.h"

namespace tv {

// SystemParametersInfo actions of the three power features (get, set).
inline constexpr std::uint32_t kGetScreenSaveActive = 16, kSetScreenSaveActive = 17;
inline constexpr std::uint32_t kGetLowPowerActive = 83, kSetLowPowerActive = 85;
inline constexpr std::uint32_t kGetPowerOffActive = 84, kSetPowerOffActive = 86;

// Saves the feature's state; when it was on (1), switches it off. True when nothing had to
// change or the change worked.
bool SwitchOffPowerFeature(Shell& shell, std::uint32_t getAction, std::uint32_t setAction,
                           std::uint32_t& saved);
// Writes the saved state back, also when it was 0.
void RestorePowerFeature(Shell& shell, std::uint32_t setAction, std::uint32_t saved);
// Power-off phase, low-power phase, then screen saver; the saved flags go to ctx.power.
void SwitchOffPowerFeatures(PanelContext& ctx);
// Restores them in the same order (the window's end sequence calls this).
void RestorePowerFeatures(PanelContext& ctx);

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
