#include "base/profile_snapshot.h"

#include <cctype>

namespace tv {
namespace {

// Windows paths name the same file whatever their letters' case.
bool SamePath(const std::string& a, const char* b) {
  if (b == nullptr || a.size() != std::char_traits<char>::length(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

ProfileSnapshot::ProfileSnapshot(Profile& base, std::string file)
    : base_(base), file_(std::move(file)) {
  const std::optional<std::string> bytes = base_.ReadAll(file_.c_str());
  document_ = std::make_unique<ini::Document>(bytes);
}

bool ProfileSnapshot::IsSnapshotted(const char* file) const {
  return SamePath(file_, file);
}

std::uint32_t ProfileSnapshot::ReadWinIni(const char* section, const char* key, const char* def,
                                          char* buffer, std::uint32_t size) {
  return base_.ReadWinIni(section, key, def, buffer, size);
}

bool ProfileSnapshot::WriteWinIni(const char* section, const char* key, const char* value) {
  return base_.WriteWinIni(section, key, value);
}

std::uint32_t ProfileSnapshot::ReadString(const char* section, const char* key, const char* def,
                                          char* buffer, std::uint32_t size, const char* file) {
  if (!IsSnapshotted(file)) return base_.ReadString(section, key, def, buffer, size, file);
  return document_->GetString(section, key, def, buffer, size);
}

int ProfileSnapshot::ReadInt(const char* section, const char* key, int def, const char* file) {
  if (!IsSnapshotted(file)) return base_.ReadInt(section, key, def, file);
  return document_->GetInt(section, key, def);
}

bool ProfileSnapshot::WriteString(const char* section, const char* key, const char* value,
                                  const char* file) {
  const bool written = base_.WriteString(section, key, value, file);
  if (IsSnapshotted(file))
    document_ = std::make_unique<ini::Document>(base_.ReadAll(file_.c_str()));
  return written;
}

std::optional<std::string> ProfileSnapshot::ReadAll(const char* file) {
  return base_.ReadAll(file);
}

}  // namespace tv
