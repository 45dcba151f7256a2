#include "win32/platform/win32_platform.h"

namespace tv::win32 {
namespace {

// The profile calls rewrite a whole file with every write, truncating it first, and under Wine
// nothing stops another process from reading it in between: a write made from that torn read
// puts the torn file back, and keys are lost. The programs of this installation (the panel,
// the video window program, the remote) share the settings file, so each of their profile
// calls takes its turn under one named mutex. A writer that is none of them is not held back;
// a turn that does not come within two seconds is not waited for any longer.
class ProfileTurn {
 public:
  ProfileTurn() {
    static HANDLE mutex = CreateMutexA(nullptr, FALSE, "TvPanel.SettingsFiles");
    if (mutex == nullptr) return;
    const DWORD waited = WaitForSingleObject(mutex, 2000);
    // An abandoned turn (its program ended inside a call) passes to the next one.
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) held_ = mutex;
  }
  ~ProfileTurn() {
    if (held_ != nullptr) ReleaseMutex(held_);
  }
  ProfileTurn(const ProfileTurn&) = delete;
  ProfileTurn& operator=(const ProfileTurn&) = delete;

 private:
  HANDLE held_ = nullptr;
};

}  // namespace

std::uint32_t Win32Profile::ReadWinIni(const char* section, const char* key, const char* def,
                                       char* buffer, std::uint32_t size) {
  const ProfileTurn turn;
  return GetProfileStringA(section, key, def, buffer, size);
}

bool Win32Profile::WriteWinIni(const char* section, const char* key, const char* value) {
  const ProfileTurn turn;
  return WriteProfileStringA(section, key, value) != FALSE;
}

std::uint32_t Win32Profile::ReadString(const char* section, const char* key, const char* def,
                                       char* buffer, std::uint32_t size, const char* file) {
  const ProfileTurn turn;
  return GetPrivateProfileStringA(section, key, def, buffer, size, file);
}

int Win32Profile::ReadInt(const char* section, const char* key, int def, const char* file) {
  const ProfileTurn turn;
  return static_cast<int>(GetPrivateProfileIntA(section, key, def, file));
}

bool Win32Profile::WriteString(const char* section, const char* key, const char* value,
                               const char* file) {
  const ProfileTurn turn;
  return WritePrivateProfileStringA(section, key, value, file) != FALSE;
}

std::optional<std::string> Win32Profile::ReadAll(const char* file) {
  const ProfileTurn turn;
  HANDLE handle = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(handle, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0)
    bytes.append(chunk, got);
  CloseHandle(handle);
  if (!ok) return std::nullopt;
  return bytes;
}

WindowRef Win32Messenger::Find(const char* className, const char* title) {
  return FromHwnd(FindWindowA(className, title));
}

bool Win32Messenger::Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
  return PostMessageA(ToHwnd(to), message, wParam, lParam) != FALSE;
}

std::intptr_t Win32Messenger::Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
  return SendMessageA(ToHwnd(to), message, wParam, lParam);
}

void Win32Timers::Start(std::uint32_t id, std::uint32_t periodMs) {
  SetTimer(window_, id, periodMs, nullptr);
}

void Win32Timers::Stop(std::uint32_t id) {
  KillTimer(window_, id);
}

void Win32Clock::Sleep(std::uint32_t ms) {
  ::Sleep(ms);
}

LocalTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return LocalTime{st.wYear, st.wMonth,  st.wDay,    st.wDayOfWeek,
                   st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::uint32_t Win32Clock::TickMs() {
  return GetTickCount();
}

int Win32MessageBoxes::Show(WindowRef owner, const char* text, const char* caption,
                            std::uint32_t style) {
  return MessageBoxA(ToHwnd(owner), text, caption, style);
}

bool Win32FileSystem::ChangeDirectory(const std::string& path) {
  return SetCurrentDirectoryA(path.c_str()) != FALSE;
}

std::string Win32FileSystem::CurrentDirectory() {
  char directory[MAX_PATH] = {};
  const DWORD n = GetCurrentDirectoryA(MAX_PATH, directory);
  return std::string(directory, n < MAX_PATH ? n : 0);
}

std::optional<std::uint64_t> Win32FileSystem::FreeBytesAt(const std::string& path) {
  ULARGE_INTEGER available{}, total{}, free{};
  if (!GetDiskFreeSpaceExA(path.c_str(), &available, &total, &free)) return std::nullopt;
  return free.QuadPart;
}

bool Win32FileSystem::RemoveFile(const std::string& path) {
  return DeleteFileA(path.c_str()) != FALSE;
}

}  // namespace tv::win32
