#pragma once
// Shared by the simulated card's tests: a settings file set up for a country, and the tuner
// library next to the test program.
#include <windows.h>

#include <memory>
#include <string>

#include "app/settings_file.h"
#include "app/tuner_binding.h"
#include "platform/tuner_library.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv::sim::test {

using winetest::FileExists;
using winetest::FreshFolder;
using winetest::ReadWholeFile;

// The United States as the panel's country setup writes it (QvTV.dll position 228): air
// channels 2-69, cable 1-125.
inline void WriteUnitedStates(const IniFile& settings) {
  settings.Write(keys::kCountryCode, 1);
  settings.Write(keys::kCodePos, 228);
  settings.Write(keys::kMinAir, 2);
  settings.Write(keys::kMaxAir, 69);
  settings.Write(keys::kMinCable, 1);
  settings.Write(keys::kMaxCable, 125);
  settings.Write(keys::kMinFreq, "55250000");
  settings.Write(keys::kMaxFreq, "801250000");
  settings.Write(keys::kVideoStandard, 1);
}

// QvTV.dll from the test program's folder, bound as the card binds it.
inline std::unique_ptr<TunerLibrary> BoundTuner() {
  std::unique_ptr<TunerLibrary> library = MakeSystemTunerLibrary();
  if (!library->Load(kTunerLibraryFile) || !library->Lookup(TunerEntry::FreqInfo) ||
      !library->Lookup(TunerEntry::CountryInfo)) {
    return nullptr;
  }
  return library;
}

}  // namespace tv::sim::test
