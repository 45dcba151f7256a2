#pragma once
// Shared by the simulated card's tests: fresh folders under the prefix's temp folder, a
// settings file set up for a country, and the tuner library next to the test program.
#include <windows.h>

#include <memory>
#include <string>

#include "app/settings_file.h"
#include "app/tuner_binding.h"
#include "platform/tuner_library.h"
#include "win32/platform/win32_platform.h"

namespace tv::sim::test {

inline std::string FreshFolder(const char* stem) {
  static int counter = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + stem + "-" + std::to_string(GetCurrentProcessId()) +
                          "-" + std::to_string(++counter);
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

inline std::string ReadWholeFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

inline bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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
