#pragma once
// "tvremote get / set / delete": one key or section of an INI file, through the same profile
// calls the panel uses. The words "settings", "panel" and "win.ini" name the files the panel
// itself finds through win.ini [AP].

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/locations.h"
#include "arguments.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace tv::remote {

struct IniTarget {
  bool winIni = false;
  std::string path;  // the INI file when not win.ini
};

enum class IniWord { None, Settings, Panel, WinIni };

inline IniWord WordOf(std::string_view file) {
  if (SameName(file, "settings")) return IniWord::Settings;
  if (SameName(file, "panel")) return IniWord::Panel;
  if (SameName(file, "win.ini")) return IniWord::WinIni;
  return IniWord::None;
}

// The file a word names, located as the panel locates it; nothing for a plain path.
inline std::optional<IniTarget> TargetForWord(IniWord word, Profile& profile, FileSystem& files) {
  switch (word) {
    case IniWord::WinIni:
      return IniTarget{true, {}};
    case IniWord::Settings:
      return IniTarget{false, ResolveLocations(profile, files).settingsIni};
    case IniWord::Panel:
      return IniTarget{false, ResolveLocations(profile, files).panelIni};
    case IniWord::None:
      break;
  }
  return std::nullopt;
}

// Long enough for any value the panel or its peers store.
inline constexpr std::uint32_t kValueCapacity = 4096;

inline std::string ReadWithDefault(Profile& profile, const IniTarget& target,
                                   const std::string& section, const std::string& key,
                                   const char* def) {
  std::vector<char> buffer(kValueCapacity, '\0');
  const std::uint32_t n =
      target.winIni
          ? profile.ReadWinIni(section.c_str(), key.c_str(), def, buffer.data(), kValueCapacity)
          : profile.ReadString(section.c_str(), key.c_str(), def, buffer.data(), kValueCapacity,
                               target.path.c_str());
  return std::string(buffer.data(), n < kValueCapacity ? n : kValueCapacity - 1);
}

// The value, or nothing when the key is missing. An empty value is a value: a key is missing
// only when two reads with different defaults both return their default.
inline std::optional<std::string> ReadIniValue(Profile& profile, const IniTarget& target,
                                               const std::string& section, const std::string& key) {
  static constexpr const char* kFirst = "\x01";
  static constexpr const char* kSecond = "\x02";
  std::string value = ReadWithDefault(profile, target, section, key, kFirst);
  if (value == kFirst && ReadWithDefault(profile, target, section, key, kSecond) == kSecond)
    return std::nullopt;
  return value;
}

inline bool WriteIniValue(Profile& profile, const IniTarget& target, const std::string& section,
                          const std::string& key, const std::string& value) {
  return target.winIni ? profile.WriteWinIni(section.c_str(), key.c_str(), value.c_str())
                       : profile.WriteString(section.c_str(), key.c_str(), value.c_str(),
                                             target.path.c_str());
}

// Deletes the key, or the whole section when no key is given.
inline bool DeleteIniValue(Profile& profile, const IniTarget& target, const std::string& section,
                           const std::optional<std::string>& key) {
  const char* keyName = key ? key->c_str() : nullptr;
  return target.winIni
             ? profile.WriteWinIni(section.c_str(), keyName, nullptr)
             : profile.WriteString(section.c_str(), keyName, nullptr, target.path.c_str());
}

}  // namespace tv::remote
