#include "fakes/fake_platform.h"

#include <filesystem>

#include "app/key_table.h"
#include "app/settings_file.h"

namespace tv::fakes {

FakePlatform::FakePlatform() {
  std::filesystem::create_directories(profile.HostPath("C:\\windows\\"));
}

std::string FakePlatform::Install(const std::string& appDirectory) {
  std::filesystem::create_directories(profile.HostPath(appDirectory + "\\"));
  const WinIni winIni(profile);
  winIni.Write(keys::kAppDirectory, appDirectory);
  winIni.Write(keys::kPanelIniName, "Panel.ini");
  winIni.Write(keys::kSettingsIniName, "Settings.ini");
  return appDirectory;
}

std::string FakePlatform::ReadFile(const std::string& windowsPath) const {
  return TempDir::ReadFile(profile.HostPath(windowsPath));
}

void FakePlatform::WriteFile(const std::string& windowsPath, const std::string& bytes) const {
  TempDir::WriteFile(profile.HostPath(windowsPath), bytes);
}

}  // namespace tv::fakes
