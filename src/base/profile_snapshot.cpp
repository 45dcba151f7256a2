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

std::string Lower(const char* text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

ProfileSnapshot::ProfileSnapshot(Profile& base, std::string file, bool skipUnchanged)
    : base_(base), file_(std::move(file)), skipUnchanged_(skipUnchanged) {
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
  if (!skipUnchanged_ || !IsSnapshotted(file) || section == nullptr || key == nullptr ||
      value == nullptr) {
    const bool written = base_.WriteString(section, key, value, file);
    if (IsSnapshotted(file))
      document_ = std::make_unique<ini::Document>(base_.ReadAll(file_.c_str()));
    return written;
  }
  const auto name = std::make_pair(Lower(section), Lower(key));
  const auto known = written_.find(name);
  std::string current;
  if (known != written_.end()) {
    current = known->second;
  } else {
    // One character more than the value: a longer value does not compare equal by its start.
    std::string buffer(std::char_traits<char>::length(value) + 2, '\0');
    const std::uint32_t got = document_->GetString(section, key, "\x01", buffer.data(),
                                                   static_cast<std::uint32_t>(buffer.size()));
    current.assign(buffer.data(), got);
  }
  if (current == value) return true;
  if (!base_.WriteString(section, key, value, file)) return false;
  written_[name] = value;
  return true;
}

std::optional<std::string> ProfileSnapshot::ReadAll(const char* file) {
  return base_.ReadAll(file);
}

}  // namespace tv
