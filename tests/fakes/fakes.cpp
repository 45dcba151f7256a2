#include "fakes/fake_platform.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <tuple>

#include "base/key_table.h"
#include "base/settings_file.h"

namespace tv::fakes {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Folder and name of a Windows path.
std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

// The file system's wildcards, case ignored: * any run, ? one character.
bool Matches(const char* pattern, const char* name) {
  if (*pattern == '*')
    return Matches(pattern + 1, name) || (*name != '\0' && Matches(pattern, name + 1));
  if (*pattern == '\0' || *name == '\0') return *pattern == *name;
  return (*pattern == '?' || std::tolower(static_cast<unsigned char>(*pattern)) ==
                                 std::tolower(static_cast<unsigned char>(*name))) &&
         Matches(pattern + 1, name + 1);
}

}  // namespace

std::filesystem::path FakeProfile::HostPath(const std::string& windowsPath) const {
  // A bare file name is in the Windows folder; other relative paths are below the current one.
  std::string full = windowsPath;
  if (windowsPath.find_first_of("\\/") == std::string::npos)
    full = "C:\\windows\\" + windowsPath;
  else if (windowsPath.size() < 2 || windowsPath[1] != ':')
    full = current_ + "\\" + windowsPath;
  std::replace(full.begin(), full.end(), '\\', '/');
  std::string rest = Lower(full.substr(2));
  rest.erase(0, rest.find_first_not_of('/'));
  return root_ / Lower(full.substr(0, 1)) / rest;
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
    nowMs_ = std::max(nowMs_, next->second.dueMs);
    next->second.dueMs = nowMs_ + std::max<std::uint32_t>(next->second.periodMs, 1);
    if (onTimer) onTimer(next->first);
    if (onIdle) onIdle();
  }
  nowMs_ = std::max(nowMs_, target);
}

void VirtualTime::SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
  const std::chrono::sys_days date{std::chrono::year{year} / month / day};
  epochSecondsAtStart_ = date.time_since_epoch().count() * 86400LL + hour * 3600 + minute * 60 +
                         second - static_cast<long long>(nowMs_ / 1000);
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
  dialogs.messenger = &messenger;
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

FakeSheet::FakeSheet(const SheetHeader& sheet, FakeMessenger* messenger)
    : sheet_(sheet), messenger_(messenger), pages_(sheet.pages.size()) {
  window_ = AddWindow(sheet.caption, [this] { return active_ < 0 ? nullptr : Page(active_); });
}

FakeSheet::~FakeSheet() {
  for (auto& page : pages_)
    if (page) page->Destroy();
  if (messenger_ != nullptr)
    for (WindowRef w : windows_) messenger_->RemoveWindow(w);
}

WindowRef FakeSheet::AddWindow(const std::string& title, std::function<FakeDialog*()> target) {
  static std::uintptr_t unregistered = 0xD000;
  if (messenger_ == nullptr) return WindowRef{unregistered += 0x10};
  return windows_.emplace_back(messenger_->AddWindow(
      "#32770", title, [target](std::uint32_t message, std::uintptr_t wParam, std::intptr_t l) {
        FakeDialog* dialog = target();
        if (message == kWmCommand && dialog != nullptr)
          dialog->Notify(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16), l);
        return std::intptr_t{0};
      }));
}

FakeDialog& FakeSheet::Show(int index) {
  auto& page = pages_.at(static_cast<std::size_t>(index));
  if (!page) {
    page = std::make_unique<FakeDialog>(AddWindow("", [this, index] { return Page(index); }));
    page->Attach(*sheet_.pages.at(static_cast<std::size_t>(index)).handler);
    page->Start();
  }
  active_ = index;
  page->Activate();
  return *page;
}

void FakeFileOperations::Place(const std::string& path, std::string bytes, FileStamp stamp,
                               std::optional<std::uint64_t> size) {
  const std::uint64_t length = size.value_or(bytes.size());
  files_[Lower(path)] =
      FakeFile{SplitPath(path).second, std::move(bytes), length, ++placed_, stamp};
}

FakeFile* FakeFileOperations::Find(const std::string& path) {
  const auto it = files_.find(Lower(path));
  return it == files_.end() ? nullptr : &it->second;
}

std::vector<std::string> FakeFileOperations::Names(const std::string& dir) const {
  std::map<std::uint64_t, std::string> byOrder;
  for (const auto& [key, file] : files_)
    if (SplitPath(key).first == Lower(dir)) byOrder[file.order] = file.name;
  std::vector<std::string> names;
  for (const auto& [order, name] : byOrder) names.push_back(name);
  return names;
}

std::vector<FoundFile> FakeFileOperations::FindFiles(const std::string& pattern) {
  const auto [dir, mask] = SplitPath(pattern);
  std::vector<FoundFile> found;
  for (const std::string& name : Names(dir))
    if (Matches(mask.c_str(), name.c_str())) {
      const FakeFile* file = Find(dir + "\\" + name);
      found.push_back(FoundFile{name, file->size, file->stamp});
    }
  return found;
}

bool FakeFileOperations::Copy(const std::string& from, const std::string& to) {
  const FakeFile* source = Find(from);
  if (source == nullptr || SplitPath(to).second.empty()) return false;
  Place(to, source->bytes, source->stamp, source->size);  // copied into Place's arguments first
  return true;
}

bool FakeFileOperations::Delete(const std::string& path) {
  const FakeFile* file = Find(path);
  return file != nullptr && !file->readOnly && files_.erase(Lower(path)) != 0;
}

}  // namespace tv::fakes
