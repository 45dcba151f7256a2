#include "fakes/fake_profile.h"

#include <algorithm>
#include <cctype>

#include "fakes/temp_dir.h"

namespace tv::fakes {

std::filesystem::path FakeProfile::HostPath(const std::string& windowsPath) const {
  std::string full;
  if ((windowsPath.size() >= 2 && windowsPath[1] == ':') ||
      (!windowsPath.empty() && windowsPath[0] == '\\')) {
    full = windowsPath;
  } else if (windowsPath.find_first_of("\\/") == std::string::npos) {
    full = "C:\\windows\\" + windowsPath;
  } else {
    full = files_.Current() + "\\" + windowsPath;
  }
  if (full[0] == '\\') full = "C:" + full;  // rooted paths are on the current drive
  std::transform(full.begin(), full.end(), full.begin(), [](unsigned char c) {
    return c == '\\' ? '/' : static_cast<char>(std::tolower(c));
  });
  std::string rest = full.substr(2);
  rest.erase(0, rest.find_first_not_of('/'));
  return root_ / full.substr(0, 1) / rest;
}

std::optional<std::string> FakeProfile::ReadAll(const char* file) {
  ++wholeReads;
  const std::filesystem::path host = HostPath(file);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(host, ec)) return std::nullopt;
  return TempDir::ReadFile(host);
}

}  // namespace tv::fakes
