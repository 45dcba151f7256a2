#pragma once
// The seam's real implementations: thin wrappers over the Win32 calls, no decisions.

#include <windows.h>

#include "platform/platform.h"

namespace tv::win32 {

inline HWND ToHwnd(WindowRef window) {
  return reinterpret_cast<HWND>(window.id);
}
inline WindowRef FromHwnd(HWND window) {
  return WindowRef{reinterpret_cast<std::uintptr_t>(window)};
}

class Win32Profile : public Profile {
 public:
  std::uint32_t ReadWinIni(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size) override;
  bool WriteWinIni(const char* section, const char* key, const char* value) override;
  std::uint32_t ReadString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char* file) override;
  int ReadInt(const char* section, const char* key, int def, const char* file) override;
  bool WriteString(const char* section, const char* key, const char* value,
                   const char* file) override;
};

class Win32Messenger : public Messenger {
 public:
  WindowRef Find(const char* className, const char* title) override;
  bool Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::intptr_t Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
};

// Window timers on one window (the panel), set once that window exists.
class Win32Timers : public Timers {
 public:
  void SetWindow(HWND window) { window_ = window; }
  void Start(std::uint32_t id, std::uint32_t periodMs) override;
  void Stop(std::uint32_t id) override;

 private:
  HWND window_ = nullptr;
};

class Win32Clock : public Clock {
 public:
  void Sleep(std::uint32_t ms) override;
  LocalTime Now() override;
  std::uint32_t TickMs() override;
};

class Win32MessageBoxes : public MessageBoxes {
 public:
  int Show(WindowRef owner, const char* text, const char* caption, std::uint32_t style) override;
};

class Win32FileSystem : public FileSystem {
 public:
  bool ChangeDirectory(const std::string& path) override;
};

// All of them together, as the program hands them to the behaviour.
struct Win32Platform {
  Win32Profile profile;
  Win32Messenger messenger;
  Win32Timers timers;
  Win32Clock clock;
  Win32MessageBoxes messageBoxes;
  Win32FileSystem files;
  Platform platform{profile, messenger, timers, clock, messageBoxes, files};
};

}  // namespace tv::win32
