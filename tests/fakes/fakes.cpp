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

std::string FakePlatform::ReadFile(const std::string& windowsPath) const {
  return TempDir::ReadFile(profile.HostPath(windowsPath));
}

void FakePlatform::WriteFile(const std::string& windowsPath, const std::string& bytes) const {
  TempDir::WriteFile(profile.HostPath(windowsPath), bytes);
}

// ---- dialogs ---------------------------------------------------------------------------------

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
  const WindowRef w = messenger_->AddWindow(
      "#32770", title, [target](std::uint32_t message, std::uintptr_t wParam, std::intptr_t l) {
        FakeDialog* dialog = target();
        if (message == kWmCommand && dialog != nullptr)
          dialog->Notify(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16), l);
        return std::intptr_t{0};
      });
  windows_.push_back(w);
  return w;
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

int FakeDialogs::RunModal(int templateId, WindowRef, DialogHandler& handler) {
  modalTemplates.push_back(templateId);
  FakeDialog dialog;
  dialog.Attach(handler);
  dialog.Start();
  if (whileModal)
    whileModal(dialog);
  else
    dialog.Click(kIdDialogOk);
  dialog.Destroy();
  return dialog.result.value_or(-1);
}

int FakeDialogs::RunPropertySheet(WindowRef owner, const SheetHeader& sheet) {
  sheets.push_back(sheet);
  sheetOwners.push_back(owner);
  FakeSheet running(sheet, messenger);
  running.Show(sheet.startPage);
  if (whileSheetOpen) whileSheetOpen(running);
  return 1;
}

}  // namespace tv::fakes

namespace tv::fakes {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::pair<std::string, std::string> SplitPath(const std::string& path) {
  const std::size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

// The file system's wildcards, case ignored: * any run, ? one character.
bool Matches(const char* pattern, const char* name) {
  if (*pattern == '\0') return *name == '\0';
  if (*pattern == '*')
    return Matches(pattern + 1, name) || (*name != '\0' && Matches(pattern, name + 1));
  if (*name == '\0') return false;
  if (*pattern != '?' && std::tolower(static_cast<unsigned char>(*pattern)) !=
                             std::tolower(static_cast<unsigned char>(*name)))
    return false;
  return Matches(pattern + 1, name + 1);
}

}  // namespace

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
  std::vector<const FakeFile*> found;
  for (const auto& [key, file] : files_)
    if (SplitPath(key).first == Lower(dir)) found.push_back(&file);
  std::sort(found.begin(), found.end(), [](auto* a, auto* b) { return a->order < b->order; });
  std::vector<std::string> names;
  for (const FakeFile* file : found) names.push_back(file->name);
  return names;
}

std::vector<FoundFile> FakeFileOperations::FindFiles(const std::string& pattern) {
  const auto [dir, mask] = SplitPath(pattern);
  std::vector<FoundFile> found;
  for (const std::string& name : Names(dir)) {
    if (!Matches(mask.c_str(), name.c_str())) continue;
    const FakeFile& file = *Find(dir + "\\" + name);
    found.push_back(FoundFile{file.name, file.size, file.stamp});
  }
  return found;
}

bool FakeFileOperations::Copy(const std::string& from, const std::string& to) {
  const FakeFile* source = Find(from);
  if (source == nullptr || SplitPath(to).second.empty()) return false;
  const FakeFile copy = *source;
  Place(to, copy.bytes, copy.stamp, copy.size);
  return true;
}

bool FakeFileOperations::Delete(const std::string& path) {
  const FakeFile* file = Find(path);
  if (file == nullptr || file->readOnly) return false;
  files_.erase(Lower(path));
  return true;
}

std::string FakeListViews::ItemText(WindowRef list, int item, int column, std::uint32_t capacity) {
  const auto& items = lists[list.id].items;
  if (item < 0 || static_cast<std::size_t>(item) >= items.size() || capacity == 0) return {};
  const FakeListItem& it = items[static_cast<std::size_t>(item)];
  std::string text;
  if (column == 0)
    text = it.text;
  else if (it.subItems.count(column) != 0)
    text = it.subItems.at(column);
  return text.substr(0, capacity - 1);
}

std::vector<std::string> FakeListViews::Texts(WindowRef list, bool withSubItems) {
  std::vector<std::string> texts;
  for (const FakeListItem& item : lists[list.id].items) {
    std::string row = item.text;
    if (withSubItems)
      for (const auto& [column, text] : item.subItems) row += "|" + text;
    texts.push_back(row);
  }
  return texts;
}

}  // namespace tv::fakes
