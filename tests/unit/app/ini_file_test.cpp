// The portable INI layer: what the program and its peers rely on from the profile calls.
// tests/wine/profile_conformance_test.cpp holds it to the real calls case by case; these tests
// pin the behaviour natively, including input no real settings file would contain.

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

TEST_F(IniFileTest, DefaultsAndCutting) {
  Put("[s]\nk=0123456789\nempty=\nbare\nq=\"quoted\"\nsq='single'\nhalf=\"open\n");
  EXPECT_EQ(Read("s", "missing"), "<def>");
  EXPECT_EQ(Read("missing", "k"), "<def>");
  EXPECT_EQ(Read("s", "empty"), "");
  EXPECT_EQ(Read("s", "bare"), "<def>");  // a line without '=' has no value
  EXPECT_EQ(Read("s", "missing", nullptr), "");
  EXPECT_EQ(Read("s", "missing", "def   "), "def");  // trailing spaces leave the default
  EXPECT_EQ(Read("s", "missing", "   "), " ");
  EXPECT_EQ(Read("s", "k", "", 5), "0123");
  EXPECT_EQ(Read("s", "k", "", 1), "");
  // Matching quotes come off values and defaults; one more character goes when the buffer
  // holds exactly the text and its closing quote.
  EXPECT_EQ(Read("s", "q"), "quoted");
  EXPECT_EQ(Read("s", "sq"), "single");
  EXPECT_EQ(Read("s", "half"), "\"open");
  EXPECT_EQ(Read("s", "q", "", 8), "quoted");
  EXPECT_EQ(Read("s", "q", "", 7), "quote");
  EXPECT_EQ(Read("s", "q", "", 6), "quote");
  EXPECT_EQ(Read("s", "missing", "'def'"), "def");

  char untouched[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(GetString("s", "k", "", untouched, 0, Path().c_str()), 0u);
  EXPECT_EQ(untouched[0], 'x');
  EXPECT_EQ(GetString("s", "k", "", untouched, 1, Path().c_str()), 0u);
  EXPECT_EQ(untouched[0], '\0');
  EXPECT_EQ(untouched[1], 'x');
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

TEST_F(IniFileTest, SectionAndKeyListsWithTheirCuttingRules) {
  Put("top=1\n[abc]\nk1=1\nkey2=2\nbare\n;c=3\n#h=4\n[de]\n[]\nx=1\n[fghij]\n");
  EXPECT_EQ(List(nullptr, 100), std::make_pair(13u, "abc\0de\0fghij\0\0"s));
  EXPECT_EQ(List("ABC", 100), std::make_pair(11u, "k1\0key2\0#h\0\0"s));
  EXPECT_EQ(List("", 100), std::make_pair(4u, "top\0\0"s));
  EXPECT_EQ(List(" abc", 100), std::make_pair(0u, "\0"s));  // list reads do not trim
  // Too small: the last name is cut, the count is size - 2 and the narrow buffer holds
  // only the counted characters and one zero.
  EXPECT_EQ(List(nullptr, 14), std::make_pair(12u, "abc\0de\0fghij\0"s));
  EXPECT_EQ(List(nullptr, 6), std::make_pair(4u, "abc\0\0"s));
  EXPECT_EQ(List(nullptr, 2), std::make_pair(0u, "\0"s));
  EXPECT_EQ(List("abc", 6), std::make_pair(4u, "k1\0k\0"s));
  EXPECT_EQ(List("abc", 5), std::make_pair(3u, "k1\0\0"s));
  // An empty list gives the default instead.
  EXPECT_EQ(Read("de", nullptr, "\"none\""), "none");
  EXPECT_EQ(Read("missing", nullptr, "none"), "none");
}

TEST_F(IniFileTest, Integers) {
  Put("[s]\na=12\nb=+12\nc=-12\nd=  12\ne=abc\nf=\ng=12abc\nh=0x1f\ni=4294967295\n"
      "j=\"42\"\nk=1 2\nl=--3\nm=0X1F\nn=000000000000000000000000000000000009\nbare\n");
  EXPECT_EQ(Int("s", "a"), 12);
  EXPECT_EQ(Int("s", "b"), 12);
  EXPECT_EQ(Int("s", "c"), -12);
  EXPECT_EQ(Int("s", "d"), 12);
  EXPECT_EQ(Int("s", "e"), 0);   // present but not a number
  EXPECT_EQ(Int("s", "f"), -7);  // empty counts as missing
  EXPECT_EQ(Int("s", "g"), 12);
  EXPECT_EQ(Int("s", "h"), 31);
  EXPECT_EQ(Int("s", "i"), -1);
  EXPECT_EQ(Int("s", "j"), 42);
  EXPECT_EQ(Int("s", "k"), 1);
  EXPECT_EQ(Int("s", "l"), 0);
  EXPECT_EQ(Int("s", "m"), 0);
  EXPECT_EQ(Int("s", "n"), 0);  // only the first 29 characters are read
  EXPECT_EQ(Int("s", "bare"), -7);
  EXPECT_EQ(Int("s", "missing", 500), 500);
  EXPECT_EQ(Int("nosection", "a", 2), 2);
}

TEST_F(IniFileTest, WritesPlaceNewKeysAndSectionsAndLeaveOthersAlone) {
  Put("; head\n[s]\nk=1\n;tail comment\n\n[t]\nx=1\n");
  EXPECT_TRUE(Write("s", "new", "2"));
  EXPECT_TRUE(Write("u", "y", "3"));
  EXPECT_TRUE(Write("t", "x", "  spaced  "));
  EXPECT_EQ(
      File(),
      "; head\r\n[s]\r\nk=1\r\n;tail comment\r\nnew=2\r\n[t]\r\nx=spaced  \r\n[u]\r\ny=3\r\n");
  EXPECT_EQ(Read("t", "x"), "spaced");
  EXPECT_EQ(Read(" t", "x"), "spaced");
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

TEST_F(IniFileTest, WritesThatChangeNothingLeaveTheFileByteForByte) {
  const std::string original = "; head\n\n[s]\n  k = v \nbare\n\n[t]\nx=1";
  Put(original);
  EXPECT_TRUE(Write("S", "K", "  v"));
  EXPECT_TRUE(Write("s", "missing", nullptr));
  EXPECT_TRUE(Write("missing", nullptr, nullptr));
  EXPECT_TRUE(Write(" s ", nullptr, nullptr));  // deletions compare names untrimmed
  EXPECT_TRUE(Write("s", " k ", nullptr));
  EXPECT_EQ(File(), original);
  EXPECT_TRUE(Write("s", "bare", "now"));
  EXPECT_EQ(File(), "; head\r\n[s]\r\nk=v\r\nbare=now\r\n[t]\r\nx=1\r\n");
}

TEST_F(IniFileTest, DeletesAndDuplicates) {
  Put("[S]\na=1\nA=2\n[s]\nb=3\na=9\n[t]\nk=1\n");
  EXPECT_EQ(Read("s", "a"), "1");      // first key of the first section
  EXPECT_EQ(Read("s", "b"), "<def>");  // the repeated section is not searched
  EXPECT_EQ(List(nullptr, 40).second, "S\0s\0t\0\0"s);
  EXPECT_TRUE(Write("s", "b", nullptr));  // deleting a key does search it
  EXPECT_TRUE(Write("s", "a", nullptr));
  EXPECT_EQ(File(), "[S]\r\nA=2\r\n[s]\r\na=9\r\n[t]\r\nk=1\r\n");
  EXPECT_TRUE(Write("S", nullptr, nullptr));  // only the first section of the name goes
  EXPECT_EQ(File(), "[s]\r\na=9\r\n[t]\r\nk=1\r\n");
  EXPECT_FALSE(Write(nullptr, "k", "v"));
}

TEST_F(IniFileTest, LineEndingsAndOddLines) {
  Put("pre=0\r[a]\rk1=1\r\rk2=2\r\n[x]y] junk\n=nameless\n= dropped\n[unterminated\nlast=end");
  EXPECT_EQ(Read("", "pre"), "0");
  EXPECT_EQ(Read("a", "k2"), "2");
  EXPECT_EQ(Read("x]y", ""), "nameless");
  EXPECT_EQ(Read("x]y", "last"), "end");
  EXPECT_EQ(Read("x]y", "[unterminated"), "<def>");
  EXPECT_TRUE(Write("x]y", "last", "changed"));
  EXPECT_EQ(
      File(),
      "pre=0\r\n[a]\r\nk1=1\r\nk2=2\r\n[x]y]\r\n=nameless\r\n[unterminated\r\nlast=changed\r\n");
}

TEST_F(IniFileTest, EncodingsFollowTheByteOrderMark) {
  Put("\xEF\xBB\xBF[s]\nk=\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\n");
  EXPECT_EQ(Read("s", "k"), "\xE9\x80?");  // narrowed to the ANSI code page
  EXPECT_TRUE(Write("s", "n", "\xE9"));
  EXPECT_EQ(File(), "\xEF\xBB\xBF[s]\r\nk=\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\r\nn=\xC3\xA9\r\n");

  Put("\xFF\xFE[\0s\0]\0\n\0k\0=\0v\0"s);
  EXPECT_EQ(Read("s", "k"), "v");
  EXPECT_TRUE(Write("s", "k", "w"));
  EXPECT_EQ(File(), "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0w\0\r\0\n\0"s);

  Put("[s]\nk=\xC3\xA9\x81\n");  // no mark: bytes are ANSI and survive a rewrite unchanged
  EXPECT_EQ(Read("s", "k"), "\xC3\xA9\x81");
  EXPECT_TRUE(Write("s", "n", "\x9D"));
  EXPECT_EQ(File(), "[s]\r\nk=\xC3\xA9\x81\r\nn=\x9D\r\n");
}

// --- Input no settings file should contain -----------------------------------------------------

TEST_F(IniFileTest, NulBytesEndNamesAndValuesButNotLines) {
  Put("[s]\nk1=a\0b\nk\0x=2\n[t\0u]\nk2=3\n"s);
  EXPECT_EQ(Read("s", "k1"), "a");
  EXPECT_EQ(Read("s", "k"), "2");
  EXPECT_EQ(Read("t", "k2"), "3");
  EXPECT_TRUE(Write("s", "k9", "9"));
  EXPECT_EQ(File(), "[s]\r\nk1=a\r\nk=2\r\nk9=9\r\n[t]\r\nk2=3\r\n");
}

TEST_F(IniFileTest, BinaryGarbageKeepsTheKeysItWasNotAskedToChange) {
  std::string garbage;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 50000; ++i) {
    seed = seed * 1664525u + 1013904223u;
    garbage += static_cast<char>(seed >> 24);
  }
  Put("[keep]\nA=1\nB=two\n" + garbage + "\n[keep2]\nC=3\n");
  EXPECT_TRUE(Write("new", "k", "v"));
  EXPECT_TRUE(Write("keep", "B", "changed"));
  EXPECT_EQ(Read("keep", "A"), "1");
  EXPECT_EQ(Read("keep", "B"), "changed");
  EXPECT_EQ(Read("keep2", "C"), "3");
  EXPECT_EQ(Read("new", "k"), "v");
}

TEST_F(IniFileTest, LongLinesAndLargeFiles) {
  const std::string longValue(100000, 'x');
  Put("[s]\nk=" + longValue + "\n[t]\nj=1\n");
  EXPECT_EQ(Read("s", "k", "", 100001), longValue);
  EXPECT_EQ(Read("s", "k", "", 10), "xxxxxxxxx");
  EXPECT_TRUE(Write("t", "j", "2"));
  EXPECT_EQ(File(), "[s]\r\nk=" + longValue + "\r\n[t]\r\nj=2\r\n");

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

  // A folder in place of the file, or a missing folder: the default exactly as given for a
  // key, unquoted for a key list, nothing for section names; writes fail.
  for (const auto& path : {dir_.Path() / "folder.ini", dir_.Path() / "none" / "x.ini"}) {
    if (path.filename() == "folder.ini") std::filesystem::create_directory(path);
    char buffer[20];
    EXPECT_EQ(GetString("s", "k", "\"d\"", buffer, 20, path.string().c_str()), 3u);
    EXPECT_STREQ(buffer, "\"d\"");
    EXPECT_EQ(GetString("s", nullptr, "\"d\"", buffer, 20, path.string().c_str()), 1u);
    EXPECT_STREQ(buffer, "d");
    EXPECT_EQ(GetString(nullptr, nullptr, "d", buffer, 20, path.string().c_str()), 0u);
    EXPECT_EQ(GetInt("s", "k", 9, path.string().c_str()), 9);
    EXPECT_FALSE(WriteString("s", "k", "v", path.string().c_str()));
  }
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "none"));
  // No temporary files are left behind by any of this.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.Path())) ++entries;
  EXPECT_EQ(entries, 2);
}

}  // namespace
}  // namespace tv::ini
