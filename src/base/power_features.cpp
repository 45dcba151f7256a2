#include "base/power_features.h"

namespace tv {

bool SwitchOffPowerFeature(Shell& shell, std::uint32_t getAction, std::uint32_t setAction,
                           std::uint32_t& saved) {
  saved = shell.QuerySystemFlag(getAction);
  if (saved != 1) return true;
  return shell.SetSystemFlag(setAction, 0);
}

void RestorePowerFeature(Shell& shell, std::uint32_t setAction, std::uint32_t saved) {
  shell.SetSystemFlag(setAction, saved);
}

void SwitchOffPowerFeatures(Shell& shell, SavedPowerFlags& saved) {
  SwitchOffPowerFeature(shell, kGetPowerOffActive, kSetPowerOffActive, saved.powerOff);
  SwitchOffPowerFeature(shell, kGetLowPowerActive, kSetLowPowerActive, saved.lowPower);
  SwitchOffPowerFeature(shell, kGetScreenSaveActive, kSetScreenSaveActive, saved.screenSaver);
}

void RestorePowerFeatures(Shell& shell, const SavedPowerFlags& saved) {
  RestorePowerFeature(shell, kSetPowerOffActive, saved.powerOff);
  RestorePowerFeature(shell, kSetLowPowerActive, saved.lowPower);
  RestorePowerFeature(shell, kSetScreenSaveActive, saved.screenSaver);
}

}  // namespace tv
