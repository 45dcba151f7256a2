#include "fakes/fake_platform.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <tuple>

#include "base/key_table.h"
#include "base/settings_file.h"

namespace tv::fakes {

std::filesystem::path FakeProfile::HostPath(const std::string& windowsPath) const {
  // A bare file name is in the Windows folder; other relative paths are below the current one.
  std::string full = windowsPath;
  if (windowsPath.find_first_of("\\/") == std::string::npos)
    full = "C:\\windows\\" + windowsPath;
  else if (windowsPath.size() < 2 || windowsPath[1] != ':')
    full = current_ + "\\" + windowsPath;
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
  return std::filesystem::is_regular_file(host, ec) ? std::optional(TempDir::ReadFile(host))
                                                    : std::nullopt;
}

bool FakeProfile::RemoveFile(const std::string& path) {
  removed.push_back(path);
  if (onRemove) onRemove();
  if (std::find(held.begin(), held.end(), path) != held.end()) return false;
  std::error_code ec;
  return std::filesystem::remove(HostPath(path), ec);
}

VirtualTime::VirtualTime() {
  SetLocalTime(2026, 1, 15, 10, 0, 0);
}

void VirtualTime::Advance(std::uint32_t ms) {
  const std::uint64_t target = nowMs_ + ms;
  if (onIdle) onIdle();
  for (;;) {
    // The earliest due timer; ties go to the one started first, as a message queue would.
    const auto next =
        std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
          return std::tie(a.second.dueMs, a.second.generation) <
                 std::tie(b.second.dueMs, b.second.generation);
        });
    if (next == timers_.end() || next->second.dueMs > target) break;
    const std::uint32_t id = next->first;
    Timer& timer = next->second;
    if (timer.dueMs > nowMs_) nowMs_ = timer.dueMs;
    timer.dueMs = nowMs_ + (timer.periodMs == 0 ? 1 : timer.periodMs);
    if (onTimer) onTimer(id);
    if (onIdle) onIdle();
  }
  if (target > nowMs_) nowMs_ = target;
}

void VirtualTime::SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  epochSecondsAtStart_ = static_cast<long long>(timegm(&t)) - static_cast<long long>(nowMs_ / 1000);
}

LocalTime VirtualTime::Now() {
  const long long totalMs = epochSecondsAtStart_ * 1000LL + static_cast<long long>(nowMs_);
  const std::time_t seconds = static_cast<std::time_t>(totalMs / 1000);
  std::tm t{};
  gmtime_r(&seconds, &t);
  return LocalTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_wday,
                   t.tm_hour,        t.tm_min,     t.tm_sec,  static_cast<int>(totalMs % 1000)};
}

FakePlatform::FakePlatform() {
  std::filesystem::create_directories(profile.HostPath("C:\\windows\\"));
}

std::string FakePlatform::Install(const std::string& appDirectory) {
  std::filesystem::create_directories(profile.HostPath(appDirectory + "\\"));
  const WinIni winIni(profile);
  winIni.Write(keys::kAppDirectory, appDirectory);
  winIni.Write(keys::kPanelIniName, "Panel.ini");
  winIni.Write(keys::kSettingsIniName, "Settings.ini");
  return appDirectory;
}

std::string FakePlatform::ReadFile(const std::string& windowsPath) const {
  return TempDir::ReadFile(profile.HostPath(windowsPath));
}

void FakePlatform::WriteFile(const std::string& windowsPath, const std::string& bytes) const {
  TempDir::WriteFile(profile.HostPath(windowsPath), bytes);
}

}  // namespace tv::fakes
