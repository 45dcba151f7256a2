#pragma once
// Typed access to one INI file through the profile seam. Every read goes to the file at the
// moment of use and every write reaches it at once: the video window program shares the file
// and nothing here may hold a value it could change.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/key_table.h"
#include "platform/profile.h"

namespace tv {

class IniFile {
 public:
  IniFile(Profile& profile, std::string path) : profile_(&profile), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  Profile& Source() const { return *profile_; }

  // Named keys of the key table, with the table's default or an explicit one.
  std::string Text(const keys::Key& key) const;
  std::string Text(const keys::Key& key, const char* def, std::uint32_t capacity) const;
  int Int(const keys::Key& key) const;
  int Int(const keys::Key& key, int def) const;
  // Flags count as set only when the value is exactly "TRUE".
  bool IsTrue(const keys::Key& key) const;

  void Write(const keys::Key& key, std::string_view value) const;
  void Write(const keys::Key& key, int value) const;
  void WriteFlag(const keys::Key& key, bool value) const;
  void Delete(const keys::Key& key) const;

  // Indexed sections: keys "0", "1", ... or channel numbers, in decimal without leading zeros.
  std::string Text(const keys::Section& section, int index) const;
  std::string Text(const keys::Section& section, int index, const char* def,
                   std::uint32_t capacity = keys::kTextCapacity) const;
  int Int(const keys::Section& section, int index) const;
  int Int(const keys::Section& section, int index, int def) const;
  bool IsTrue(const keys::Section& section, int index) const;
  void Write(const keys::Section& section, int index, std::string_view value) const;
  void Write(const keys::Section& section, int index, int value) const;
  void WriteFlag(const keys::Section& section, int index, bool value) const;
  void Delete(const keys::Section& section, int index) const;
  void DeleteSection(const keys::Section& section) const;

  // Files whose key names are built at run time (the layout file): raw access.
  std::string RawText(const char* section, const char* key, const char* def,
                      std::uint32_t capacity) const;
  int RawInt(const char* section, const char* key, int def) const;
  void RawWrite(const char* section, const char* key, const char* value) const;

 private:
  Profile* profile_;
  std::string path_;
};

// win.ini through the same profile seam.
class WinIni {
 public:
  explicit WinIni(Profile& profile) : profile_(profile) {}
  std::string Text(const keys::Key& key) const;
  std::string Text(const keys::Key& key, const char* def, std::uint32_t capacity) const;
  void Write(const keys::Key& key, std::string_view value) const;

 private:
  Profile& profile_;
};

// Decimal text without leading zeros, "-" for negative values: how every number is stored.
std::string DecimalText(long long value);

}  // namespace tv
