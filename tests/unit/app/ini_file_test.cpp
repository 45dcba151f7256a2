// The portable INI layer: what the program and its peers rely on from the profile calls.
// tests/wine/profile_conformance_test.cpp holds it to the real calls case by case, odd input
// included, and tests/fuzz/ini_fuzz.cpp feeds it arbitrary bytes. These tests pin the main
// rules natively, and what a comparison with the real calls cannot show: links, speed and
// leftover temporary files.

#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "fakes/temp_dir.h"

namespace tv::ini {
namespace {

using namespace std::string_literals;
using fakes::TempDir;

class IniFileTest : public ::testing::Test {
 protected:
  std::string Path() const { return (dir_.Path() / "settings.ini").string(); }
  void Put(const std::string& bytes) const { TempDir::WriteFile(Path(), bytes); }
  std::string File() const { return TempDir::ReadFile(Path()); }

  std::string Read(const char* section, const char* key, const char* def = "<def>",
                   std::uint32_t size = 260) const {
    std::string buffer(size, '\xCC');
    const std::uint32_t n = GetString(section, key, def, buffer.data(), size, Path().c_str());
    return buffer.substr(0, n);
  }
  // A list read: the returned count and every byte up to and including the final zero.
  std::pair<std::uint32_t, std::string> List(const char* section, std::uint32_t size) const {
    std::string buffer(size, '\xCC');
    const std::uint32_t n = GetString(section, nullptr, "", buffer.data(), size, Path().c_str());
    return {n, buffer.substr(0, n + 1)};
  }
  int Int(const char* section, const char* key, int def = -7) const {
    return GetInt(section, key, def, Path().c_str());
  }
  bool Write(const char* section, const char* key, const char* value) const {
    return WriteString(section, key, value, Path().c_str());
  }

  TempDir dir_;
};

TEST_F(IniFileTest, NamesAreTrimmedAndCompareWithoutCaseInAsciiOnly) {
  Put("  [ Sec A ]  trailing\n  Key1  =  v 1  \n[\xE9t\xE9]\nk=2\n");
  EXPECT_EQ(Read("Sec A", "Key1"), "v 1");
  EXPECT_EQ(Read(" sec a\t", "\tKEY1 "), "v 1");
  EXPECT_EQ(Read("\xE9t\xE9", "K"), "2");
  EXPECT_EQ(Read("\xC9T\xC9", "k"), "<def>");  // accented letters do not fold
  // Spelling of the file wins on replace; the reader's spelling of a new key is kept.
  EXPECT_TRUE(Write("SEC A", "KEY1", "x"));
  EXPECT_TRUE(Write("sec a", "NewKey", "y"));
  EXPECT_EQ(File(), "[Sec A]\r\nKey1=x\r\nNewKey=y\r\n[\xE9t\xE9]\r\nk=2\r\n");
}

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  EXPECT_EQ(Read("s", "k", "\"d\""), "d");
  EXPECT_EQ(Int("s", "k", 256), 256);
  EXPECT_EQ(List(nullptr, 20), std::make_pair(0u, "\0"s));
  EXPECT_TRUE(Write("s", nullptr, nullptr));
  EXPECT_TRUE(Write("s", "k", nullptr));
  EXPECT_FALSE(std::filesystem::exists(Path()));  // deleting nothing writes nothing
  EXPECT_TRUE(Write("s", "k", "v"));
  EXPECT_EQ(File(), "[s]\r\nk=v\r\n");
}

TEST_F(IniFileTest, WritesGoThroughASymbolicLinkAndLeaveNoTemporaryFiles) {
  const auto target = dir_.Path() / "real.ini";
  TempDir::WriteFile(target, "[s]\nk=1\n");
  std::filesystem::create_symlink(target, Path());
  EXPECT_TRUE(Write("s", "k", "2"));
  EXPECT_TRUE(std::filesystem::is_symlink(Path()));
  EXPECT_EQ(TempDir::ReadFile(target), "[s]\r\nk=2\r\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.Path())) ++entries;
  EXPECT_EQ(entries, 2);
}

TEST_F(IniFileTest, LargeFilesAreQuick) {
  std::string big;
  for (int section = 0; big.size() < 10'000'000; ++section) {
    big += "[section" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 100; ++key) {
      big += "key" + std::to_string(key) + "=value of some length " + std::to_string(key) + "\r\n";
    }
  }
  Put(big);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Read("section3000", "key99"), "value of some length 99");
  EXPECT_TRUE(Write("section0", "key0", "value of some length 0"));  // no change
  EXPECT_TRUE(Write("section3000", "key99", "new"));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(File().size(), big.size() - 20);
  EXPECT_EQ(Read("section3000", "key98"), "value of some length 98");
  // Generous for sanitizer builds; a plain build needs a fraction of this.
  EXPECT_LT(elapsed, std::chrono::seconds(8));
}

TEST_F(IniFileTest, FilesThatCannotBeWrittenStayUnchanged) {
  Put("[s]\nk=v\n");
  std::filesystem::permissions(Path(), std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
  EXPECT_EQ(Read("s", "k"), "v");
  EXPECT_FALSE(Write("s", "k", "w"));
  EXPECT_FALSE(Write("s", "k", "v"));  // refused before the change is even looked at
  EXPECT_FALSE(Write("s", nullptr, nullptr));
  EXPECT_EQ(File(), "[s]\nk=v\n");
  std::filesystem::permissions(Path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);

  // A folder in place of the file, or a missing folder: writes fail and create nothing.
  std::filesystem::create_directory(dir_.Path() / "folder.ini");
  for (const auto& path : {dir_.Path() / "folder.ini", dir_.Path() / "none" / "x.ini"})
    EXPECT_FALSE(WriteString("s", "k", "v", path.string().c_str()));
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "none"));
  // No temporary files are left behind by any of this.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.Path())) ++entries;
  EXPECT_EQ(entries, 2);
}

}  // namespace
}  // namespace tv::ini
