#include "base/settings_file.h"

#include <gtest/gtest.h>

#include "base/key_table.h"
#include "fakes/fake_platform.h"

namespace tv {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  fakes::FakePlatform fake;
  std::string dir = fake.Install();
  IniFile settings{fake.profile, dir + "\\Settings.ini"};
};

// Peers write these values too, so how they read back is part of the file's contract.
TEST_F(SettingsFileTest, FlagsCountOnlyWhenExactlyTrueAndNumbersTakeTheLeadingDigits) {
  for (const auto& [stored, flag] :
       {std::pair{"true", false}, {"True", false}, {"TRUE ", true}, {"TRUE", true}}) {
    settings.Write(keys::kCableList, 5, stored);
    EXPECT_EQ(settings.IsTrue(keys::kCableList, 5), flag) << stored;
  }
  settings.Write(keys::kFmChannel, "1017abc");
  EXPECT_EQ(settings.Int(keys::kFmChannel), 1017);
  settings.Write(keys::kFmChannel, "abc");
  EXPECT_EQ(settings.Int(keys::kFmChannel, 99), 0);
  settings.Write(keys::kFullScanNow, "12345");
  EXPECT_EQ(settings.Text(keys::kFullScanNow), "123");  // read in 4 bytes
  EXPECT_EQ(settings.Int(keys::kRecordState, 3), 2);    // an indexed key: its section's default
}

TEST_F(SettingsFileTest, KeyNamesIgnoreCaseSoBothRecallSpellingsMeetInOneKey) {
  settings.Write(keys::kRecallCableWritten, 27);
  EXPECT_EQ(settings.Int(keys::kRecallCable), 27);
  settings.Write(keys::kRecallCable, 4);
  EXPECT_EQ(settings.Int(keys::kRecallCableWritten), 4);
  const std::string file = fake.ReadFile(settings.Path());
  EXPECT_EQ(file.find("ecall", file.find("ecall") + 1), std::string::npos) << file;
}

}  // namespace
}  // namespace tv
