#pragma once
// One INI file read once and answered from memory, everything else passed on: for a burst of
// several hundred reads of a file nobody writes meanwhile (loading a skin's layout). Reading
// each key through the platform would open and check the file every time.
// With `skipUnchanged`, a write whose key already holds exactly that value is not passed on
// either: the file would be the same after it, and a burst of such writes (the band lists
// written again at every start) would otherwise cost the platform a file check each.

#include <map>
#include <memory>
#include <string>

#include "base/ini_file.h"
#include "platform/profile.h"

namespace tv {

class ProfileSnapshot : public Profile {
 public:
  ProfileSnapshot(Profile& base, std::string file, bool skipUnchanged = false);

  std::uint32_t ReadWinIni(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size) override;
  bool WriteWinIni(const char* section, const char* key, const char* value) override;
  std::uint32_t ReadString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) override;
  int ReadInt(const char* section, const char* key, int def, const char* file) override;
  // A write goes to the file and the snapshot is taken again.
  bool WriteString(const char* section, const char* key, const char* value,
                   const char* file) override;
  std::optional<std::string> ReadAll(const char* file) override;

 private:
  bool IsSnapshotted(const char* file) const;

  Profile& base_;
  std::string file_;
  std::unique_ptr<ini::Document> document_;
  bool skipUnchanged_;
  std::map<std::pair<std::string, std::string>, std::string> written_;  // since the snapshot
};

}  // namespace tv
