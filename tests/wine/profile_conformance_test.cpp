// The portable INI layer against the platform's profile calls: every case starts two copies
// of one file, runs the same operations on both, and after each requires the same result, the
// same buffer bytes (with guard bytes past the end) and the same file bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/ini_file.h"

namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

enum class Call { kGetString, kGetInt, kWriteString };
struct Op {
  Call call;
  const char *section, *key, *text;  // text: the default of a read, the value of a write
  std::uint32_t size;
  int intDefault;
};
using Ops = std::vector<Op>;
constexpr const char* N = nullptr;

Op R(const char* s, const char* k, const char* def = "d", std::uint32_t size = 20) {
  return {Call::kGetString, s, k, def, size, 0};
}
Op L(const char* s, std::uint32_t size = 40, const char* def = "d") {  // a list of names
  return R(s, N, def, size);
}
Op I(const char* s, const char* k, int def) {
  return {Call::kGetInt, s, k, N, 0, def};
}
Op W(const char* s, const char* k, const char* value) {
  return {Call::kWriteString, s, k, value, 0, 0};
}

// Reads of single-character keys of one section, as text or (with intDefault) as numbers.
Ops ReadEach(const char* s, std::string_view keys, std::optional<int> intDefault = {}) {
  static char names[256][2];
  Ops ops;
  for (char c : keys) {
    char* k = names[static_cast<unsigned char>(c)];
    k[0] = c;
    ops.push_back(intDefault ? I(s, k, *intDefault) : R(s, k));
  }
  return ops;
}

// Every buffer size from `from` to `to` for one read: where the cutting rules live.
Ops Sizes(const char* s, const char* k, const char* def, std::uint32_t from, std::uint32_t to) {
  Ops ops;
  for (std::uint32_t n = from; n <= to; ++n) ops.push_back(R(s, k, def, n));
  return ops;
}

Ops operator+(Ops a, const Ops& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What the path holds at the start: `bytes` in a file, nothing in an existing or a missing
// folder, a folder, a read-only file, a file another handle keeps from being written, or
// `bytes` in win.ini, which the platform reads with its own calls.
enum class Start { kFile, kNoFile, kNoFolder, kDirectory, kReadOnly, kLocked, kWinIni };
struct Case {
  const char* name;
  std::string bytes;
  Ops ops;
  Start start = Start::kFile;
};

// Deterministic bytes over the whole range, with line breaks, brackets and '=' mixed in.
std::string Garbage(std::size_t length, std::uint32_t seed) {
  std::string s;
  for (std::size_t i = 0; i < length; ++i) {
    seed = seed * 1664525u + 1013904223u;
    s += (seed >> 24) % 4 == 0 ? "[]=\r\n; \t\"'"[(seed >> 8) % 10] : static_cast<char>(seed >> 24);
  }
  return s;
}

std::string BigFile() {  // 200 sections of 100 keys
  std::string s;
  for (int i = 0; i < 200; ++i) {
    s += "[section" + std::to_string(i) + "]\r\n";
    for (int k = 0; k < 100; ++k)
      s += "key" + std::to_string(k) + "=value " + std::to_string(i * 100 + k) + "\r\n";
  }
  return s;
}

std::vector<Case> Cases() {
  // Narrow arguments pass on as counted strings of at most 32767 characters; Wine writes
  // garbage for a longer value, so the written value stays below that.
  static std::string longValue;
  while (longValue.size() < 32760) longValue += static_cast<char>('0' + longValue.size() % 10);
  const std::string basic = "[Sec A]\r\nkey1=v1\r\nkey2=\r\nbare\r\n;note=x\r\n[sec b]\r\nk=1\r\n";
  const char* const miss = "missing";
  // clang-format off
  return {
    {"TrimsNamesAndValues", "  [ Sec A ]  trailing\n  key1  =  v1  \n\tkey2\t=\tv 2\t\n",
     {R("Sec A", "key1"), R(" Sec A ", " key1 "), R("sec a", "KEY2"), L("Sec A"), L(" Sec A "),
     L(N)}},
    {"CaseFoldsOnlyAscii", "[\xE9t\xE9]\r\n\xC9key=1\r\nMixedCase=2\r\n",
     {R("\xC9T\xC9", "\xC9key"), R("\xE9T\xE9", "\xE9KEY"), R("\xE9T\xE9", "\xC9KEY"),
     R("\xE9t\xE9", "mixedcase"), W("\xE9T\xE9", "MIXEDCASE", "3"), W("\xC9t\xC9", "new", "4")}},
    {"WhitespaceClasses", "[s]\n\x0Bk0b\x0B=\x0Bv\x0B\n\x0C"
     "k0c\x0C=\x0Cv\x0C\n\x1Ak1a\x1A=\x1Av\x1A\n"
     "\xA0ka0\xA0=\xA0v\xA0\n\x85k85\x85=\x85v\x85\n\x1Ck1c\x1C=\x1Cv\x1C\n\x01k01\x01=v\n",
     {L("s", 100), R("s", "k0b"), R("s", "k1a"), R("s", "ka0"), R("s", "\xA0ka0\xA0"),
     R("s", "\x1Ck1c\x1C"), R("\x0Bs\x0C", "\x1Ak0c"), W("s", "new", "\x1C\xA0\x0B x\x0B\xA0"),
     R("s", "new")}},
    {"WrittenNamesKeepTrailingBlanks", "[other]\r\nk=1\r\n",
     {W("  sp sec  ", "  sp key  ", "  sp val  "), R("sp sec", "sp key"), R("  sp sec  ", N),
     R("sp sec", N), W("sp sec", "sp key", "sp val"), W("\tsp sec", "sp key\t", "\tv\t")}},
    {"KeyWithoutEqualsAndEmptyValue", basic, {R("Sec A", "bare"), R("Sec A", "key2"),
     I("Sec A", "key2", 7), I("Sec A", "bare", 7), L("Sec A"), W("Sec A", "bare", "now"),
     L("Sec A")}},
    {"CommentLines", "; header\r\n#k=1\r\n[s]\r\n;c=2\r\n#h=3\r\nk=4\r\n;[x]\r\n", {R("s", ";c"),
     L("s"), L(""), L(N), W("s", "k", "5"), W("s", ";c", "6")}},
    {"CrOnlyAndMixedLineEnds", "[a]\rk1=1\r\rk2=2\r\n[b]\n\rk3=3\n\nk4=4\r", {L(N), L("a"),
     R("b", "k4"), W("b", "k3", "x")}},
    {"BlankLinesAndLfKeptUntilAChange", "; head\n\n[s]\n  k = v \n\n\n[t]\nx=1", {W("s", "k", "v"),
     W("S", "K", "  v"), W("s", miss, N), W(miss, N, N), R("t", "x"), W("t", "x", "2")}},
    {"KeysBeforeTheFirstSection", "pre=1\r\nbare\r\n=noname\r\n[s]\r\nk=2\r\n", {R("", "pre"),
     R("  ", "pre"), R("", N), R("", ""), W("", "pre", "3"), W(" ", "added", "4"), W("", N, N),
     R(N, N)}},
    {"EmptySectionHeader", "[]\r\nemp=1\r\n[s]\r\nk=2\r\n[]\r\nlate=3\r\n", {L(N), R("", "emp"),
     R("", "late"), R("s", "late"), W("s", "k", "9"), R("s", "late")}},
    {"BracketOddities",
     "[unterminated\nu=1\n[x]y]\nxy=1\n[ a ] [b]\nab=1\n[q] ; note\nq=1\n[\nz=1\n", {L(N, 60),
     R("x]y", "xy"), R("x", "xy"), R("a ] [b", "ab"), R("q", "q"), L(""), W("[x]", "k", "v"),
     R("[x]", "k"), W("q", "q", "2")}},
    {"NamelessKeyLines", "[q]\r\n=\r\n= v\r\nk=1\r\n=again\r\n", {R("q", ""), R("q", N),
     R("q", N, N), R("q", " "), W("q", "   ", "v"), W("q", "z", "1")}},
    {"DuplicateKeys", "[s]\r\nk=first\r\nK=second\r\nk=third\r\n", {R("s", "k"), L("s"),
     W("s", "K", "new"), W("s", "k", N), R("s", "k"), W("s", "k", N), R("s", "k")}},
    {"DuplicateSections", "[S]\r\na=1\r\n[s]\r\nb=2\r\na=9\r\n[t]\r\nA=x\r\n", {R("s", "b"),
     R("s", "a"), L("s"), L(N), W("s", "b", "new"), W("S", "b", N), W("S", "b", N), W("s", N, N),
     R("s", "b")}},
    {"Quotes", "[s]\na=\"quoted\"\nb='single'\nc=\"mixed'\nd=\"\ne=\"\"\nf=\"  sp  \"\ng=\"a\"b\"\n"
     "h='\ni=''\nj= \"lead\"\n", ReadEach("s", "abcdefghij") + Ops{W("s", "w", "\"kept\""),
     R("s", "w")}},
    {"QuotedValueAtEveryBufferSize", "[s]\r\na=\"abcdef\"\r\nb=abcdef\r\nc=\"a\"\r\nd=\"\"\r\n",
     Sizes("s", "a", "d", 0, 9) + Sizes("s", "b", "d", 5, 8) + Sizes("s", "c", "d", 1, 4)
     + Sizes("s", "d", "d", 1, 3)},
    {"Defaults", basic, Ops{R("Sec A", miss, "\"def\""), R("Sec A", miss, "'def'  "),
     R("Sec A", miss, "def   "), R("Sec A", miss, "   "), R("Sec A", miss, "d\t\t"),
     R("Sec A", miss, N), R("no such", miss, "x"), R("no such", N, "x"), R("no such", N, N)}
     + Sizes("Sec A", miss, "\"abcdef\"", 0, 9) + Sizes("Sec A", "k", "abcdefgh", 0, 4)},
    {"CutToSizeMinusOne", "[s]\r\nk=0123456789\r\n", Sizes("s", "k", "d", 0, 13)},
    {"SectionNamesAtEveryBufferSize", "[abc]\r\nk1=1\r\n[de]\r\n[fghij]\r\nx=1\r\n",
     Sizes(N, N, "d", 0, 17) + Sizes(N, "ignored", N, 13, 14)},
    {"KeyNamesAtEveryBufferSize", "[abc]\r\nk1=1\r\nkey2=2\r\nnovalue\r\n;c=1\r\nk3=3\r\n[de]\r\n",
     Sizes("abc", N, "d", 0, 15) + Sizes("ABC", N, N, 11, 12)
     + Sizes("de", N, "\"long default\"", 3, 5) + Sizes("zz", N, N, 1, 3)},
    {"Integers", "[s]\na=12\nb=+12\nc=-12\nd=  12\ne=abc\nf=\ng=12abc\nn=1 2\no=--3\np=+-3\n"
     "t='  5'\nu=-\nv=+\nw=\" \"\nx\nm=\x01\x02 5\n", ReadEach("s", "abcdefgnoptuvwxmz", 77)
     + Ops{I("none", "a", -5)}},
    {"IntegerPrefixesAndWrapping",
     "[s]\na=0x1f\nb=0b101\nc=0o17\nd=0X1F\ne=-0x10\nf=0x\ng=0xg\nh=010\n"
     "i=4294967295\nj=4294967297\nk=-2147483649\nl=99999999999999999999\nm=0x7fffffff0\n",
     ReadEach("s", "abcdefghijklm", 7)},
    {"IntegerReadCutAt29Characters", "[s]\nq=000000000000000000000000000000000009\n"
     "r=00000000000000000000000000009\ns=\"0000000000000000000000000009\"\n",
     ReadEach("s", "qrs", 7)},
    {"IntegerOfListReads", "[12]\r\n34=5\r\n", {I(N, N, 7), I(N, "34", 7), I("12", N, 7),
     I("none", N, 7)}},
    {"NewKeyGoesAfterTheLastLineOfItsSection",
     "[s]\r\nk=1\r\n;trailing comment\r\n\r\n[t]\r\nx=1\r\n", {W("s", "new", "2"),
     W("t", "new", "3"), W("n1", "a", "1"), W("N1", "c", "3")}},
    {"DeletesOnAMissingFileCreateNothing", "", {W("s", N, N), W("s", "k", N), R("s", "k"), R(N, N),
     R("s", N, "\"d\""), I("s", "k", 3)}, Start::kNoFile},
    {"DeleteKey", "[s]\r\nk=1\r\nbare\r\nm=2\r\n[t]\r\nk=3\r\n", {W("s", " k ", N), W("S", "K", N),
     W("s", "bare", N), W("s", miss, N), W(miss, "k", N), R("t", "k")}},
    {"DeleteSection", "[s]\r\nk=1\r\n[t]\r\nk=2\r\n[u]\r\nk=3\r\n", {W(" t ", N, N), W("T", N, N),
     W("t", N, N), W("s", N, "ignored"), R(N, N)}},
    // Wine crashes on a null section and key with a value, so that form is not compared.
    {"WriteOddValues", "[s]\r\nk=1\r\n", {W("s", "k", "   "), W("s", "k", ""), W("s", "k", "\"q\""),
     W("s", "k", "'q'"), W("s", "", "empty name"), W("s", "  ", "again"), W("s", "t", "trail  "),
     R("s", "t"), W("s", "t", "trail"), W(N, "k", "v"), W(N, N, N)}},
    {"WriteNamesThatLookLikeSyntax", "[s]\r\n", {W("s", "k\nx", "v\ny"), W("s", "ke=y", "v=w"),
     W("[x]", "k", "v"), W("s", ";c", "v"), W("s", "[k", "v]"), L("s", 60), L(N, 60), R("s", "ke"),
     W("s\r\n[t", "k", "v"), L(N, 60)}},
    {"BuildAFileStepByStep", "", {W("quarn", "AlwaysOnTop", "FALSE"),
     W("TVTuner", "FMChannel", "875"), W("quarn", "UseFullScan", "TRUE"),
     W("AudioDevice", "0", "Line"), W("AudioDevice", "1", "None"), W("AudioDevice", N, N),
     W("AudioDevice", "0", "CD"), W("quarn", "AlwaysOnTop", N), L(N, 100), L("quarn", 100),
     I("tvtuner", "fmchannel", 0)}, Start::kNoFile},
    {"HighBytesRoundTrip", "[s]\r\nk=\x80\x81\x8D\x8F\x90\x9D\xFF\xE9\r\n[\x8A]\r\nx=1\r\n",
     {R("s", "k"), R("\x9A", "x"), W("s", "k2", "\xFF\x80"), R("s", "k2")}},
    {"Utf8WithBom", "\xEF\xBB\xBF[s]\nk=\xC3\xA9\xE2\x82\xAC\xE4\xB8\xAD\xC3\n[\xC3\xA9]\nx=1\n"
     "f=\xC4\x80\xC5\x81\xEF\xBC\xA1\xF0\x9F\x98\x80x\n", {R("s", "k"), R("\xE9", "x"),
     R("\xE9", "f"), R(N, N), W("s", "n", "\xE9\x80"), R("s", "n")}},
    {"Utf8MalformedSequences",
     "\xEF\xBB\xBF[s]\na=\xE4\xB8x\nb=\xFFx\nc=\xC0\xAFx\nd=\xED\xA0\x80x\ng=\xF4\x90\x80\x80x\n"
     "h=\xE4x\ni=\xF0\x9F\x98x\nj=\x80\x80x\nk=\xE0\x80\x80x\nl=\xF0\x80\x80\x80x\nz=\xE4\xB8",
     ReadEach("s", "abcdghijklz") + Ops{W("s", "new", "1")}},
    {"Utf8WithoutBomIsAnsi", "[s]\nk=\xC3\xA9\n", {R("s", "k"), W("s", "n", "\xE9")}},
    {"Utf16LittleEndian", "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0\xE9\0=\0\xAC\x20\r\0\n\0"s,
     {R("s", "k"), R("s", "\xE9"), R("s", N), W("s", "n", "x"), W("s", "k", "\xE9\x80")}},
    {"Utf16BigEndian", "\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n"s, {R("s", "k"),
     W("s", "n", "x")}},
    {"Utf16WithoutBomIsAnsi", "[\0s\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0"s, {R("s", "k"), R(N, N),
     W("s", "n", "x")}},
    {"PartialBom", "\xEF\xBB", {R("", N), W("s", "n", "x")}},
    {"NulBytes", "[s]\nk1=a\0b\nk\0x=2\n[t\0u]\nk2=3\n\0\0\0\nk5=5\nv=x \0y\n=a\n\0\n=b\n"s,
     {R("s", "k1"), R("s", "k"), R("s", N), R(N, N), R("t", "k5"), R("t", "v"), W("s", "k9", "9"),
     R("t", "v")}},
    {"BinaryGarbage", Garbage(4000, 1) + "\r\n[tail]\r\nkeep=me\r\n", {L(N, 200), R("tail", "keep"),
     W("tail", "new", "1"), R("tail", "keep"), L(N, 200)}},
    {"LongLine", "[s]\nk=" + std::string(100000, 'x') + "\n[t]\nj=1\n", {R("s", "k", "d", 200000),
     R("s", "k", "d", 50), R("t", "j"), W("t", "j", "2")}},
    {"LongKeyName", "[s]\nk" + std::string(70000, 'y') + "=1\nz=2\n", {R("s", "z"), R("s", N),
     L("s", 80000), W("s", "z", "3")}},
    {"LongValueWritten", "[s]\r\n", {W("s", "k", longValue.c_str()), R("s", "k", "d", 40000),
     R("s", "k", "d", 32760), I("s", "k", 5)}},
    {"BigFile", BigFile(), {R("section150", "key50", "d", 40), L("section199"),
     W("section0", "key0", "changed"), W("section199", "new", "1"),
     R("section100", "key99", "d", 40)}},
    {"KeyListDefaultKeepsTrailingSpaces", "[empty]\r\n[s]\r\nk=1\r\n", {L("none", 40, "def  "),
     L("empty", 40, "def  "), L("none", 40, "\"d\"  "), L("none", 40, "'d  '"),
     L("none", 40, "   "), R("none", "k", "def  ", 40), L("empty", 4, "def  ")}},
    {"MissingFolder", "", {R("s", "k", "\"def\"  "), R("s", N, "\"def\""), R("s", N, "de  "),
     R(N, N, "\"def\""), I("s", "k", 5), W("s", "k", "v"), W("s", N, N)}, Start::kNoFolder},
    {"PathIsADirectory", "", {R("s", "k", "\"d\""), R("s", N, "\"d\""), R(N, N, "\"d\""),
     R("s", N, "'d' "), R("s", "k", "d "), I("s", "k", 5), W("s", "k", "v"), W("s", N, N),
     W("s", "k", N)}, Start::kDirectory},
    {"ReadOnlyFile", "[s]\nk=v\n", {R("s", "k"), W("s", "k", "w"), W("s", "k", "v"),
     W("s", miss, N), W("s2", N, N), R("s", "k")}, Start::kReadOnly},
    {"LockedFile", "[s]\nk=v\n", {R("s", "k"), W("s", "k", "w"), W("s", "k", "v"), W("s", N, N),
     R("s", "k")}, Start::kLocked},
    {"WinIniReadsAndWrites",
     "[mail]\r\nmapi=1\r\n[AP]\r\n907APDirectory=C:\\TV\r\nOmrSettingIniFile=set.ini\r\n",
     {R("AP", "907APDirectory", "", 260), R("ap", "omrsettinginifile", "", 260),
     R("AP", "OmrPanelIniFile", "", 260), W("AudioDevice", "SoundCard", "Mixer \"1\""),
     R("AudioDevice", "SoundCard", "", 260), W("AP", "OmrPanelIniFile", "panel.ini"),
     R("AP", "OmrPanelIniFile", "", 260), W("AP", N, N), R("AP", "907APDirectory", "none", 260),
     I("AP", "907APDirectory", 500)}, Start::kWinIni},
  };
  // clang-format on
}

// Equal bytes; where they differ both are shown escaped from a little before the difference.
::testing::AssertionResult Same(const std::string& real, const std::string& port) {
  if (real == port) return ::testing::AssertionSuccess();
  const auto at = std::mismatch(real.begin(), real.end(), port.begin(), port.end()).first;
  const auto from = static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, at - real.begin() - 40));
  auto escape = [from](const std::string& bytes) {
    std::string out;
    for (unsigned char c : std::string_view(bytes).substr(std::min(from, bytes.size()), 400)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, c >= 32 && c < 127 && c != '\\' ? "%c" : "\\x%02X", c);
      out += hex;
    }
    return out;
  };
  return ::testing::AssertionFailure()
         << "from byte " << from << " of " << real.size() << " and " << port.size()
         << "\nreal: " << escape(real) << "\nport: " << escape(port);
}

// The file's bytes, or a word for what is there instead.
std::string Contents(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "<directory>";
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<no file>";
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One side of the comparison: the calls themselves, or the portable layer on a copy.
long long Perform(const Op& op, bool real, bool winIni, const fs::path& path, char* buffer) {
  const std::string f = path.string();
  const char *s = op.section, *k = op.key, *t = op.text;
  if (op.call == Call::kGetString)
    return !real    ? tv::ini::GetString(s, k, t, buffer, op.size, f.c_str())
           : winIni ? GetProfileStringA(s, k, t, buffer, op.size)
                    : GetPrivateProfileStringA(s, k, t, buffer, op.size, f.c_str());
  if (op.call == Call::kGetInt)
    return !real    ? tv::ini::GetInt(s, k, op.intDefault, f.c_str())
           : winIni ? static_cast<int>(GetProfileIntA(s, k, op.intDefault))
                    : static_cast<int>(GetPrivateProfileIntA(s, k, op.intDefault, f.c_str()));
  return !real    ? tv::ini::WriteString(s, k, t, f.c_str())
         : winIni ? WriteProfileStringA(s, k, t) != 0
                  : WritePrivateProfileStringA(s, k, t, f.c_str()) != 0;
}

class ProfileConformance : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    char buffer[MAX_PATH] = {};
    GetWindowsDirectoryA(buffer, MAX_PATH);
    winIni_ = fs::path(buffer) / "win.ini";
    GetTempPathA(MAX_PATH, buffer);
    // A fresh folder per case: the platform keeps recently used files in a cache keyed by name.
    root_ = fs::path(buffer) / ("tvpanel-profile-" + std::to_string(GetCurrentProcessId())) /
            GetParam().name;
  }
  void TearDown() override {
    for (const char* side : {"real", "port"})
      SetFileAttributesA((root_ / side / "settings.ini").string().c_str(), FILE_ATTRIBUTE_NORMAL);
    for (HANDLE h : locks_) CloseHandle(h);
    if (savedWinIni_) WriteBytes(winIni_, *savedWinIni_);
    std::error_code ec;
    fs::remove_all(root_, ec);
  }

  fs::path Prepare(const Case& c, const char* side, bool real) {
    const fs::path file = root_ / side / "settings.ini";
    fs::create_directories(root_ / side);
    if (c.start == Start::kNoFolder) return root_ / side / "no such folder" / "settings.ini";
    if (c.start == Start::kWinIni && real) {
      savedWinIni_ = Contents(winIni_);
      WriteBytes(winIni_, c.bytes);
      return winIni_;
    }
    if (c.start == Start::kDirectory) fs::create_directories(file);
    if (c.start == Start::kNoFile || c.start == Start::kDirectory) return file;
    WriteBytes(file, c.bytes);
    if (c.start == Start::kReadOnly)
      SetFileAttributesA(file.string().c_str(), FILE_ATTRIBUTE_READONLY);
    if (c.start == Start::kLocked)
      locks_.push_back(CreateFileA(file.string().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file;
  }

  fs::path root_, winIni_;
  std::vector<HANDLE> locks_;
  std::optional<std::string> savedWinIni_;
};

TEST_P(ProfileConformance, SameResultsAndSameFile) {
  const Case& c = GetParam();
  const fs::path real = Prepare(c, "real", true), port = Prepare(c, "port", false);
  const bool winIni = c.start == Start::kWinIni;
  // Wine run by the super-user opens read-only files for writing anyway; the platform (and
  // Wine for anyone else) refuses. Then the portable layer is held to the refusal alone.
  const HANDLE writable = c.start != Start::kReadOnly
                              ? INVALID_HANDLE_VALUE
                              : CreateFileA(real.string().c_str(), GENERIC_WRITE, 0, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const bool refuseWritesOnly = writable != INVALID_HANDLE_VALUE && CloseHandle(writable);
  ASSERT_TRUE(Same(Contents(real), Contents(port)));

  for (std::size_t i = 0; i < c.ops.size(); ++i) {
    const Op& op = c.ops[i];
    SCOPED_TRACE("operation " + std::to_string(i));
    // The whole buffer and 8 guard bytes past it.
    std::string a(op.call == Call::kGetString ? op.size + 8 : 0, '\xCC'), b = a;
    if (refuseWritesOnly && op.call == Call::kWriteString) {
      const std::string before = Contents(port);
      EXPECT_EQ(Perform(op, false, winIni, port, nullptr), 0);
      EXPECT_TRUE(Same(before, Contents(port)));
      continue;
    }
    EXPECT_EQ(Perform(op, true, winIni, real, a.data()),
              Perform(op, false, winIni, port, b.data()));
    EXPECT_TRUE(Same(a, b));
    ASSERT_TRUE(Same(Contents(real), Contents(port)));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileConformance, ::testing::ValuesIn(Cases()),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
