#include "fakes/fake_profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "app/ini_file.h"

namespace tv::fakes {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

}  // namespace

bool FakeFileSystem::ChangeDirectory(const std::string& path) {
  ++changes;
  current_ = path;
  return true;
}

std::filesystem::path FakeProfile::HostPath(const std::string& windowsPath) const {
  std::string full;
  if (IsAbsolute(windowsPath)) {
    full = windowsPath;
  } else if (windowsPath.find('\\') == std::string::npos &&
             windowsPath.find('/') == std::string::npos) {
    full = "C:\\windows\\" + windowsPath;
  } else {
    full = files_.Current() + "\\" + windowsPath;
  }
  if (full[0] == '\\') full = "C:" + full;  // rooted paths are on the current drive
  std::filesystem::path host = root_ / Lower(full.substr(0, 1));
  std::string rest = Lower(full.substr(2));
  std::replace(rest.begin(), rest.end(), '\\', '/');
  // A trailing separator names the folder itself: reads then fail and writes are refused,
  // as for a path that is a directory.
  const bool endsInSeparator = !rest.empty() && rest.back() == '/';
  while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
  host /= rest;
  if (endsInSeparator) host /= "";
  return host;
}

std::uint32_t FakeProfile::ReadWinIni(const char* section, const char* key, const char* def,
                                      char* buffer, std::uint32_t size) {
  return ini::GetString(section, key, def, buffer, size, WinIniPath().c_str());
}

bool FakeProfile::WriteWinIni(const char* section, const char* key, const char* value) {
  ++writes;
  std::filesystem::create_directories(WinIniPath().parent_path());
  return ini::WriteString(section, key, value, WinIniPath().c_str());
}

std::uint32_t FakeProfile::ReadString(const char* section, const char* key, const char* def,
                                      char* buffer, std::uint32_t size, const char* file) {
  return ini::GetString(section, key, def, buffer, size, HostPath(file).c_str());
}

int FakeProfile::ReadInt(const char* section, const char* key, int def, const char* file) {
  return ini::GetInt(section, key, def, HostPath(file).c_str());
}

bool FakeProfile::WriteString(const char* section, const char* key, const char* value,
                              const char* file) {
  ++writes;
  return ini::WriteString(section, key, value, HostPath(file).c_str());
}

}  // namespace tv::fakes

namespace tv::fakes {

std::optional<std::string> FakeProfile::ReadAll(const char* file) {
  ++wholeReads;
  const std::filesystem::path host = HostPath(file);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(host, ec)) return std::nullopt;
  std::ifstream in(host, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace tv::fakes
