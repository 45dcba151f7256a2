// The capture devices through the real system device enumerator, registered as
// tests/wine/register-capture-device does; a watcher reads and dismisses the real warning boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "base/key_table.h"
#include "base/locations.h"
#include "app/panel_context.h"
#include "settings/capture_devices.h"
#include "win32/platform/win32_platform.h"

namespace tv {
namespace {

using namespace std::string_literals;

constexpr const char* kInstances =
    "Software\\Classes\\CLSID\\{860BB310-5D01-11D0-BD3B-00A0C911CE86}\\Instance";

// The devices in this order; an empty name registers a device without a friendly name.
void RegisterDevices(const std::vector<std::wstring>& names) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kInstances);
  for (std::size_t n = 0; n < names.size(); ++n) {
    char instance[64];
    std::snprintf(instance, sizeof instance, "{5E1A7C0D-0000-4000-8000-0000000000%02d}",
                  static_cast<int>(n + 1));
    const std::string path = std::string(kInstances) + "\\" + instance;
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, path.c_str(), "CLSID", REG_SZ, instance,
                              static_cast<DWORD>(std::strlen(instance) + 1)),
              ERROR_SUCCESS);
    if (!names[n].empty())
      RegSetKeyValueW(HKEY_LOCAL_MACHINE, std::wstring(path.begin(), path.end()).c_str(),
                      L"FriendlyName", REG_SZ, names[n].c_str(),
                      static_cast<DWORD>((names[n].size() + 1) * sizeof(wchar_t)));
  }
}

// Answers every message box of the process with OK and remembers "caption: text" until
// Finish(), which gives what it saw.
struct MessageBoxWatcher {
  ~MessageBoxWatcher() {
    if (thread_.joinable()) Finish();
  }
  std::vector<std::string> Finish() {
    stop_ = true;
    thread_.join();
    return seen_;
  }
  void Watch() {
    for (; !stop_; Sleep(10)) {
      const HWND box = FindWindowA("#32770", nullptr);
      if (box == nullptr || !IsWindowVisible(box)) continue;
      char caption[128] = {}, text[512] = {};
      GetWindowTextA(box, caption, sizeof caption);
      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's text control
      seen_.push_back(caption + ": "s + text);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      while (!stop_ && IsWindow(box)) Sleep(10);
    }
  }

  std::atomic<bool> stop_{false};
  std::vector<std::string> seen_;
  std::thread thread_{[this] { Watch(); }};
};

TEST(CaptureDevicesUnderWine, NoDeviceIsWarnedAboutAndDevicesAreNumberedInOrderAsAnsiText) {
  if (GetFileAttributesA("Z:\\dev\\video0") != INVALID_FILE_ATTRIBUTES)
    GTEST_SKIP() << "the host has a video device of its own, which Wine lists too";
  CreateDirectoryA("C:\\CaptureTest", nullptr);  // the installation win.ini points to
  WriteProfileStringA(keys::kAppDirectory.section, keys::kAppDirectory.name, "C:\\CaptureTest");
  WriteProfileStringA(keys::kSettingsIniName.section, keys::kSettingsIniName.name, "Settings.ini");
  win32::Win32Platform platform;
  PanelContext ctx{platform.platform, ResolveLocations(platform.profile, platform.files)};
  const char* ini = ctx.where.settingsIni.c_str();
  const auto device = [&](const char* key) {
    char value[1100] = {};
    GetPrivateProfileStringA(keys::kDevices.name, key, "-", value, sizeof value, ini);
    return std::string(value);
  };
  DeleteFileA(ini);
  MessageBoxWatcher boxes;

  // Without any device both operations say so and write nothing.
  RegisterDevices({});
  WritePrivateProfileStringA(keys::kDevices.name, "0", "Old card", ini);
  settings::EnumerateCaptureDevices(ctx);
  EXPECT_EQ(settings::VerifySelectedDevice(ctx), 0);
  EXPECT_EQ(device("0"), "Old card");

  // In the enumerator's order, as ANSI text; a device without a name keeps its number. The
  // chosen one is found under the name the enumerator gives.
  const std::wstring accented = L"Cam\u00e9ra TV";
  RegisterDevices({L"Simulated TV Card", L"", accented});
  settings::EnumerateCaptureDevices(ctx);
  char ansi[64] = {};
  WideCharToMultiByte(CP_ACP, 0, accented.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  EXPECT_EQ(device("0") + "|" + device("1") + "|" + device("2"), "Simulated TV Card|-|"s + ansi);
  WritePrivateProfileStringA(keys::kSelectedDevice.section, keys::kSelectedDevice.name, "2", ini);
  EXPECT_EQ(settings::VerifySelectedDevice(ctx), 1);
  EXPECT_EQ(boxes.Finish(), (std::vector<std::string>{"Warning: Can Not Find Any TV Card!",
                                                      "Warning: Can Not Find Any TV Card!"}));
}

}  // namespace
}  // namespace tv
