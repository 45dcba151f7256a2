#include "app/locations.h"

#include <gtest/gtest.h>

#include "app/key_table.h"
#include "app/settings_file.h"
#include "fakes/fake_platform.h"

namespace tv {
namespace {

TEST(Locations, BuildsBothPathsFromWinIniAndEntersTheInstallation) {
  fakes::FakePlatform fake;
  fake.Install("C:\\Program Files\\Tv", "Layout.ini", "Setting.ini");

  const Locations where = ResolveLocations(fake.profile, fake.files);

  EXPECT_EQ(where.appDirectory, "C:\\Program Files\\Tv");
  EXPECT_EQ(where.panelIni, "C:\\Program Files\\Tv\\Layout.ini");
  EXPECT_EQ(where.settingsIni, "C:\\Program Files\\Tv\\Setting.ini");
  EXPECT_EQ(fake.files.CurrentDirectory(), "C:\\Program Files\\Tv");
}

TEST(Locations, MissingNamesGivePathsEndingInABackslashAndReadsFallBack) {
  fakes::FakePlatform fake;
  const Locations empty = ResolveLocations(fake.profile, fake.files);
  EXPECT_EQ(empty.appDirectory, "");
  EXPECT_EQ(empty.panelIni, "\\");
  EXPECT_EQ(empty.settingsIni, "\\");

  // Only the settings name missing: that path is the folder itself; reads give defaults and
  // writes fail without creating anything.
  fake.Install("C:\\Tv", "Panel.ini", "");
  const Locations where = ResolveLocations(fake.profile, fake.files);
  EXPECT_EQ(where.settingsIni, "C:\\Tv\\");
  const IniFile settings(fake.profile, where.settingsIni);
  EXPECT_EQ(settings.Int(keys::kInputSource), 3);
  settings.Write(keys::kInputSource, 5);
  EXPECT_EQ(settings.Int(keys::kInputSource), 3);
}

TEST(Locations, LongNamesAreCutToTheBuffers) {
  fakes::FakePlatform fake;
  const std::string longDir = "C:\\" + std::string(300, 'd');
  const std::string longName(300, 'n');
  const WinIni winIni(fake.profile);
  winIni.Write(keys::kAppDirectory, longDir);
  winIni.Write(keys::kPanelIniName, longName);
  winIni.Write(keys::kSettingsIniName, "s.ini");

  const Locations where = ResolveLocations(fake.profile, fake.files);
  EXPECT_EQ(where.appDirectory.size(), 259u);
  EXPECT_EQ(where.panelIni.size(), 499u);
  EXPECT_EQ(where.panelIni.substr(0, 260), where.appDirectory + "\\");
  EXPECT_EQ(where.settingsIni, where.appDirectory + "\\s.ini");
}

}  // namespace
}  // namespace tv
