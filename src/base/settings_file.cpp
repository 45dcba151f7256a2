#include "base/settings_file.h"

#include <vector>

namespace tv {
namespace {

std::string ReadProfileText(Profile& profile, const char* section, const char* key, const char* def,
                            std::uint32_t capacity, const char* path) {
  if (capacity == 0) return {};
  std::vector<char> buffer(capacity, '\0');
  const std::uint32_t n = profile.ReadString(section, key, def, buffer.data(), capacity, path);
  return std::string(buffer.data(), n < capacity ? n : capacity - 1);
}

std::string IndexName(int index) {
  return DecimalText(index);
}

}  // namespace

std::string DecimalText(long long value) {
  return std::to_string(value);
}

std::string IniFile::Text(const keys::Key& key) const {
  return Text(key, key.text, key.capacity);
}

std::string IniFile::Text(const keys::Key& key, const char* def, std::uint32_t capacity) const {
  return RawText(key.section, key.name, def, capacity);
}

int IniFile::Int(const keys::Key& key) const {
  return Int(key, key.number);
}

int IniFile::Int(const keys::Key& key, int def) const {
  return RawInt(key.section, key.name, def);
}

bool IniFile::IsTrue(const keys::Key& key) const {
  return Text(key, key.text, key.capacity) == keys::kTrue;
}

void IniFile::Write(const keys::Key& key, std::string_view value) const {
  const std::string text(value);
  RawWrite(key.section, key.name, text.c_str());
}

void IniFile::Write(const keys::Key& key, int value) const {
  Write(key, DecimalText(value));
}

void IniFile::WriteFlag(const keys::Key& key, bool value) const {
  Write(key, value ? keys::kTrue : keys::kFalse);
}

void IniFile::Delete(const keys::Key& key) const {
  RawWrite(key.section, key.name, nullptr);
}

std::string IniFile::Text(const keys::Section& section, int index) const {
  return Text(section, index, section.text, section.capacity);
}

std::string IniFile::Text(const keys::Section& section, int index, const char* def,
                          std::uint32_t capacity) const {
  return RawText(section.name, IndexName(index).c_str(), def, capacity);
}

int IniFile::Int(const keys::Section& section, int index) const {
  return Int(section, index, section.number);
}

int IniFile::Int(const keys::Section& section, int index, int def) const {
  return RawInt(section.name, IndexName(index).c_str(), def);
}

bool IniFile::IsTrue(const keys::Section& section, int index) const {
  return Text(section, index) == keys::kTrue;
}

void IniFile::Write(const keys::Section& section, int index, std::string_view value) const {
  const std::string text(value);
  RawWrite(section.name, IndexName(index).c_str(), text.c_str());
}

void IniFile::Write(const keys::Section& section, int index, int value) const {
  Write(section, index, DecimalText(value));
}

void IniFile::WriteFlag(const keys::Section& section, int index, bool value) const {
  Write(section, index, value ? keys::kTrue : keys::kFalse);
}

void IniFile::Delete(const keys::Section& section, int index) const {
  RawWrite(section.name, IndexName(index).c_str(), nullptr);
}

void IniFile::DeleteSection(const keys::Section& section) const {
  RawWrite(section.name, nullptr, nullptr);
}

std::string IniFile::RawText(const char* section, const char* key, const char* def,
                             std::uint32_t capacity) const {
  return ReadProfileText(*profile_, section, key, def, capacity, path_.c_str());
}

int IniFile::RawInt(const char* section, const char* key, int def) const {
  return profile_->ReadInt(section, key, def, path_.c_str());
}

void IniFile::RawWrite(const char* section, const char* key, const char* value) const {
  profile_->WriteString(section, key, value, path_.c_str());
}

std::string WinIni::Text(const keys::Key& key) const {
  return Text(key, key.text, key.capacity);
}

std::string WinIni::Text(const keys::Key& key, const char* def, std::uint32_t capacity) const {
  if (capacity == 0) return {};
  std::vector<char> buffer(capacity, '\0');
  const std::uint32_t n = profile_.ReadWinIni(key.section, key.name, def, buffer.data(), capacity);
  return std::string(buffer.data(), n < capacity ? n : capacity - 1);
}

void WinIni::Write(const keys::Key& key, std::string_view value) const {
  const std::string text(value);
  profile_.WriteWinIni(key.section, key.name, text.c_str());
}

}  // namespace tv
