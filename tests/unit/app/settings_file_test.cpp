#include "app/settings_file.h"

#include <gtest/gtest.h>

#include "app/key_table.h"
#include "fakes/fake_platform.h"

namespace tv {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  fakes::FakePlatform fake;
  std::string dir = fake.Install();
  IniFile settings{fake.profile, dir + "\\Settings.ini"};
};

TEST_F(SettingsFileTest, MissingKeysReadAsTheTableDefaultOrTheCallersOwn) {
  EXPECT_EQ(settings.Int(keys::kTvChannelAir), 8);
  EXPECT_EQ(settings.Int(keys::kTvChannelAir, 0), 0);
  EXPECT_EQ(settings.Text(keys::kAirNames, 21, keys::kNoNameListView), "*-88*-");
  EXPECT_EQ(settings.Int(keys::kRecordState, 3), 2);  // an indexed key: its section's default
}

TEST_F(SettingsFileTest, NumbersAndFlagsAreStoredAsTextTheWayPeersReadThem) {
  settings.Write(keys::kHue, -128);
  settings.Write(keys::kFmChannel, 875);
  settings.WriteFlag(keys::kUseFullScan, true);
  settings.WriteFlag(keys::kAirList, 21, false);
  settings.Write(keys::kFullScanList, 3, 55250000);

  const std::string file = fake.ReadFile(settings.Path());
  EXPECT_NE(file.find("HueValue=-128"), std::string::npos);
  EXPECT_NE(file.find("FMChannel=875"), std::string::npos);
  EXPECT_NE(file.find("UseFullScan=TRUE"), std::string::npos);
  EXPECT_NE(file.find("[CHANNELLISTAIR]"), std::string::npos);
  EXPECT_NE(file.find("21=FALSE"), std::string::npos);
  EXPECT_EQ(settings.Int(keys::kFullScanList, 3, 0), 55250000);
  EXPECT_EQ(settings.Int(keys::kHue), -128);
}

TEST_F(SettingsFileTest, FlagsCountOnlyWhenExactlyTrue) {
  settings.Write(keys::kAlwaysOnTop, "true");
  EXPECT_FALSE(settings.IsTrue(keys::kAlwaysOnTop));
  settings.Write(keys::kAlwaysOnTop, "TRUE ");  // trailing blanks are not part of a value
  EXPECT_TRUE(settings.IsTrue(keys::kAlwaysOnTop));
  settings.Write(keys::kCableList, 5, "True");
  EXPECT_FALSE(settings.IsTrue(keys::kCableList, 5));
  settings.Write(keys::kCableList, 5, "TRUE");
  EXPECT_TRUE(settings.IsTrue(keys::kCableList, 5));
}

TEST_F(SettingsFileTest, KeyNamesIgnoreCaseSoBothRecallSpellingsMeetInOneKey) {
  settings.Write(keys::kRecallCableWritten, 27);
  EXPECT_EQ(settings.Int(keys::kRecallCable), 27);
  settings.Write(keys::kRecallCable, 4);
  EXPECT_EQ(settings.Int(keys::kRecallCableWritten), 4);
  const std::string file = fake.ReadFile(settings.Path());
  EXPECT_EQ(file.find("recallcable=27"), std::string::npos);
  EXPECT_EQ(file.find("ecall", file.find("ecall") + 1), std::string::npos) << file;
}

TEST_F(SettingsFileTest, IntegersTakeTheLeadingNumberAndTextIsCutToCapacity) {
  settings.Write(keys::kFmChannel, "1017abc");
  EXPECT_EQ(settings.Int(keys::kFmChannel), 1017);
  settings.Write(keys::kFmChannel, "abc");
  EXPECT_EQ(settings.Int(keys::kFmChannel, 99), 0);

  settings.Write(keys::kFullScanNow, "12345");
  EXPECT_EQ(settings.Text(keys::kFullScanNow), "123");  // read in 4 bytes
  settings.Write(keys::kCaptureFile, std::string(300, 'x'));
  EXPECT_EQ(settings.Text(keys::kCaptureFile).size(), 259u);
}

TEST_F(SettingsFileTest, DeletingAKeyOrASectionLeavesTheRestAlone) {
  settings.Write(keys::kFmList, 1, "875");
  settings.Write(keys::kFmList, 2, "1017");
  settings.Write(keys::kFmCount, 2);
  settings.Write(keys::kInputSource, 5);

  settings.Delete(keys::kFmList, 1);
  EXPECT_EQ(settings.Text(keys::kFmList, 1), "");
  EXPECT_EQ(settings.Text(keys::kFmList, 2), "1017");

  settings.DeleteSection(keys::kFmList);
  EXPECT_EQ(settings.Int(keys::kFmCount), 0);
  EXPECT_EQ(settings.Int(keys::kInputSource), 5);
  EXPECT_EQ(fake.ReadFile(settings.Path()).find("CHANNELLISTFM"), std::string::npos);
}

TEST_F(SettingsFileTest, WinIniKeysLiveInTheUsersWinIni) {
  const WinIni winIni(fake.profile);
  winIni.Write(keys::kSoundCardName, "Onboard Audio");
  EXPECT_EQ(winIni.Text(keys::kSoundCardName), "Onboard Audio");
  EXPECT_EQ(winIni.Text(keys::kOsCountry, "1", 10), "1");
  EXPECT_NE(fakes::TempDir::ReadFile(fake.profile.WinIniPath()).find("SoundCard=Onboard Audio"),
            std::string::npos);
}

}  // namespace
}  // namespace tv
