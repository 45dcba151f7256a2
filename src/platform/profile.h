#pragma once
// The five profile operations every INI read and write goes through. Arguments follow the
// platform's profile calls: a null section or key means "all of them" on reads and "delete"
// on writes; a null value deletes the key. Buffers are cut to size - 1 characters.

#include <cstdint>
#include <optional>
#include <string>

namespace tv {

class Profile {
 public:
  virtual ~Profile() = default;

  // win.ini
  virtual std::uint32_t ReadWinIni(const char* section, const char* key, const char* def,
                                   char* buffer, std::uint32_t size) = 0;
  virtual bool WriteWinIni(const char* section, const char* key, const char* value) = 0;

  // A named INI file (a full Windows path such as the SettingsIni buffer).
  virtual std::uint32_t ReadString(const char* section, const char* key, const char* def,
                                   char* buffer, std::uint32_t size, const char* file) = 0;
  virtual int ReadInt(const char* section, const char* key, int def, const char* file) = 0;
  virtual bool WriteString(const char* section, const char* key, const char* value,
                           const char* file) = 0;

  // The named file's bytes, for reading many keys of it at once; nullopt when it cannot be
  // read (missing, a folder, locked).
  virtual std::optional<std::string> ReadAll(const char* file) = 0;
};

}  // namespace tv
