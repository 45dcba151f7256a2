#pragma once
// The desktop's screen saver and power-saving phases: switched off while the panel runs (a
// picture must not blank) and given back exactly as they were when it ends.

#include <cstdint>

#include "platform/shell.h"

namespace tv {

// SystemParametersInfo actions of the three power features (get, set).
inline constexpr std::uint32_t kGetScreenSaveActive = 16, kSetScreenSaveActive = 17;
inline constexpr std::uint32_t kGetLowPowerActive = 83, kSetLowPowerActive = 85;
inline constexpr std::uint32_t kGetPowerOffActive = 84, kSetPowerOffActive = 86;

struct SavedPowerFlags {
  std::uint32_t screenSaver = 0;
  std::uint32_t lowPower = 0;
  std::uint32_t powerOff = 0;
};

// Saves the feature's state; when it was on (1), switches it off. True when nothing had to
// change or the change worked.
bool SwitchOffPowerFeature(Shell& shell, std::uint32_t getAction, std::uint32_t setAction,
                           std::uint32_t& saved);
// Writes the saved state back, also when it was 0.
void RestorePowerFeature(Shell& shell, std::uint32_t setAction, std::uint32_t saved);
// Power-off phase, low-power phase, then screen saver.
void SwitchOffPowerFeatures(Shell& shell, SavedPowerFlags& saved);
// Restores them in the same order (the window's end sequence calls this).
void RestorePowerFeatures(Shell& shell, const SavedPowerFlags& saved);

}  // namespace tv
