// The portable INI layer. tests/wine/profile_conformance_test.cpp holds it to the real profile
// calls case by case, odd input included, and tests/fuzz/ini_fuzz.cpp feeds it arbitrary
// bytes. These tests pin what a comparison with the real calls cannot show: links, speed,
// refused writes and leftover temporary files.

#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "fakes/temp_dir.h"

namespace tv::ini {
namespace {

using fakes::TempDir;
namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return (dir_.Path() / "settings.ini").string(); }
  std::string Read(const char* section, const char* key) const {
    char buffer[260];
    return std::string(buffer, GetString(section, key, "", buffer, 260, Path().c_str()));
  }
  bool Write(const char* section, const char* key, const char* value) const {
    return WriteString(section, key, value, Path().c_str());
  }
  auto Entries() const { return std::distance(fs::directory_iterator(dir_.Path()), {}); }
  TempDir dir_;
};

TEST_F(IniFileTest, WritesGoThroughASymbolicLinkAndLeaveNoTemporaryFiles) {
  const auto target = dir_.Path() / "real.ini";
  TempDir::WriteFile(target, "[s]\nk=1\n");
  fs::create_symlink(target, Path());
  EXPECT_TRUE(Write("s", "k", "2"));
  EXPECT_TRUE(fs::is_symlink(Path()));
  EXPECT_EQ(TempDir::ReadFile(target), "[s]\r\nk=2\r\n");
  EXPECT_EQ(Entries(), 2);
}

TEST_F(IniFileTest, FilesThatCannotBeWrittenStayUnchangedAndNothingIsCreated) {
  TempDir::WriteFile(Path(), "[s]\nk=v\n");
  fs::permissions(Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(Read("s", "k"), "v");
  EXPECT_FALSE(Write("s", "k", "w"));
  EXPECT_FALSE(Write("s", "k", "v"));  // refused before the change is even looked at
  EXPECT_FALSE(Write("s", nullptr, nullptr));
  EXPECT_EQ(TempDir::ReadFile(Path()), "[s]\nk=v\n");
  fs::permissions(Path(), fs::perms::owner_write, fs::perm_options::add);

  // A folder in place of the file, or a missing folder: writes fail and create nothing.
  fs::create_directory(dir_.Path() / "folder.ini");
  for (const auto& path : {dir_.Path() / "folder.ini", dir_.Path() / "none" / "x.ini"})
    EXPECT_FALSE(WriteString("s", "k", "v", path.string().c_str()));
  EXPECT_FALSE(fs::exists(dir_.Path() / "none"));
  EXPECT_EQ(Entries(), 2);
}

TEST_F(IniFileTest, ALargeFileIsReadAndRewrittenWhole) {
  std::string big;
  for (int section = 0; big.size() < 10'000'000; ++section) {
    big += "[section" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 100; ++key)
      big += "key" + std::to_string(key) + "=value of some length " + std::to_string(key) + "\r\n";
  }
  TempDir::WriteFile(Path(), big);
  EXPECT_EQ(Read("section3000", "key99"), "value of some length 99");
  EXPECT_TRUE(Write("section0", "key0", "value of some length 0"));  // no change
  EXPECT_TRUE(Write("section3000", "key99", "new"));
  EXPECT_EQ(TempDir::ReadFile(Path()).size(), big.size() - 20);
  EXPECT_EQ(Read("section3000", "key98"), "value of some length 98");
}

}  // namespace
}  // namespace tv::ini
