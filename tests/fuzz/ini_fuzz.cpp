// Fuzz target for the portable INI layer: arbitrary bytes as a settings file, then reads of
// every kind with tiny and large buffers, and writes that must change only what they name.
//
// The input starts with the request (buffer size, section, key, value), the rest is the file.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/ini_file.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
  std::abort();
}

const std::string& FilePath() {
  static const std::string path = [] {
    std::string dir = (std::filesystem::temp_directory_path() / "ini_fuzz_XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) Fail("no temporary folder");
    return dir + "/fuzz.ini";
  }();
  return path;
}

constexpr int kGuard = 16;

// A read into a buffer of `size` that must stay inside it and terminate what it counts.
std::string Read(const char* section, const char* key, const char* def, std::uint32_t size) {
  std::vector<char> buffer(size + kGuard, '\x5A');
  const std::uint32_t n =
      tv::ini::GetString(section, key, def, buffer.data(), size, FilePath().c_str());
  if (std::count(buffer.begin() + size, buffer.end(), '\x5A') != kGuard)
    Fail("read wrote past the buffer");
  if (size == 0 && n != 0) Fail("count without a buffer");
  if (size != 0 && (n >= size || buffer[n] != '\0')) Fail("count or terminator wrong");
  return std::string(buffer.data(), n);
}

// Splits a list read into its names.
std::vector<std::string> Names(const std::string& list) {
  std::vector<std::string> names;
  for (std::size_t start = 0, end; start < list.size(); start = end + 1) {
    end = std::min(list.find('\0', start), list.size());
    names.push_back(list.substr(start, end - start));
  }
  return names;
}

const auto IsBlank = [](char c) { return (c >= 0x09 && c <= 0x0d) || c == 0x1a || c == ' '; };

std::string Clean(std::string s, const char* drop) {
  std::erase_if(s, [drop](char c) { return c == '\0' || std::strchr(drop, c) != nullptr; });
  return s;
}

bool SameAscii(const std::string& a, const std::string& b) {
  auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return fold(x) == fold(y); });
}

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

struct Entry {
  std::string section, key, value;
};

// Every key the list reads show, with its value, capped to keep each run quick.
std::vector<Entry> Snapshot(std::uint32_t bigSize) {
  std::vector<Entry> entries;
  std::vector<std::string> sections = Names(Read(nullptr, nullptr, "", bigSize));
  sections.push_back("");  // the keys above the first header
  for (const std::string& section : sections) {
    for (const std::string& key : Names(Read(section.c_str(), nullptr, "", bigSize))) {
      if (entries.size() >= 64) return entries;
      entries.push_back({section, key, Read(section.c_str(), key.c_str(), "\x01", bigSize)});
    }
  }
  return entries;
}

// Makes a change; every key it does not touch must read as before.
template <class Change, class Touched>
void ExpectOnlyTouched(std::uint32_t bigSize, const char* step, Change change, Touched touched) {
  const std::vector<Entry> before = Snapshot(bigSize);
  change();
  for (const Entry& e : before) {
    if (touched(e)) continue;
    const std::string now = Read(e.section.c_str(), e.key.c_str(), "\x01", bigSize);
    if (now != e.value) Fail(step, "[" + e.section + "] " + e.key + ": " + e.value + " -> " + now);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto tinySize = input.ConsumeIntegralInRange<std::uint32_t>(0, 40);
  std::string section = input.ConsumeRandomLengthString(24);
  std::string key = input.ConsumeRandomLengthString(24);
  std::string value = input.ConsumeRandomLengthString(40);
  const std::string file = input.ConsumeRemainingBytesAsString();
  const auto bigSize = static_cast<std::uint32_t>(file.size() * 2 + 256);
  const char* path = FilePath().c_str();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << file;

  // Reads of the raw file: nothing may crash or write outside the buffer.
  for (const std::uint32_t n : {0u, 1u, 2u, 3u, tinySize, bigSize}) {
    Read(nullptr, nullptr, "def", n);
    Read(section.c_str(), nullptr, "\"def\"", n);
    Read(section.c_str(), key.c_str(), "'d'", n);
  }
  for (const std::string& s : Names(Read(nullptr, nullptr, "", bigSize))) {
    for (const std::string& k : Names(Read(s.c_str(), nullptr, "", tinySize + 2))) {
      Read(s.c_str(), k.c_str(), nullptr, tinySize);
      tv::ini::GetInt(s.c_str(), k.c_str(), 7, path);
    }
  }
  tv::ini::GetInt(section.c_str(), key.c_str(), 7, path);
  tv::ini::GetInt(nullptr, nullptr, 7, path);

  // The first change puts the file in the platform's own form (NUL bytes, nameless headers
  // and blank lines go); from then on a write may change nothing but what it names.
  if (!tv::ini::WriteString("fuzz normal form", "k", "1", path) ||
      !tv::ini::WriteString("fuzz normal form", "k", "2", path))
    Fail("write refused");

  // Names that the file format can carry: one line each, no '=' in a key, and a key that
  // cannot be taken for a section header.
  section = Clean(section, "\r\n");
  key = Clean(key, "\r\n=");
  value = Clean(value, "\r\n");
  if (!Trim(key).empty() && Trim(key)[0] == '[') key = "k" + key;
  // A key of the nameless section is the file's first line: one that starts with a byte-order
  // mark would turn the whole file into Unicode text on the next read, as it does on Windows.
  const std::string lead = Trim(key).substr(0, 3);
  if (lead.rfind("\xff\xfe", 0) == 0 || lead.rfind("\xfe\xff", 0) == 0 || lead == "\xef\xbb\xbf")
    key = "k" + key;

  const char *s = section.c_str(), *k = key.c_str();
  const bool plainValue = !value.empty() && !IsBlank(value.front()) && !IsBlank(value.back()) &&
                          value.front() != '"' && value.front() != '\'';
  ExpectOnlyTouched(
      bigSize, "write changed another key",
      [&] {
        if (!tv::ini::WriteString(s, k, value.c_str(), path)) Fail("write refused");
        if (plainValue && Read(s, k, "", bigSize) != value)
          Fail("written value not read back", value);
      },
      [&](const Entry& e) {
        return SameAscii(e.section, Trim(section)) && SameAscii(e.key, Trim(key));
      });
  ExpectOnlyTouched(
      bigSize, "key deletion changed another key",
      [&] { tv::ini::WriteString(s, k, nullptr, path); },
      [&](const Entry& e) { return SameAscii(e.section, section) && SameAscii(e.key, key); });
  ExpectOnlyTouched(
      bigSize, "section deletion changed another section",
      [&] { tv::ini::WriteString(s, nullptr, nullptr, path); },
      [&](const Entry& e) { return SameAscii(e.section, section); });
  return 0;
}
