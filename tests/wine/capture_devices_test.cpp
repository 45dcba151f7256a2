// The capture devices through the real system device enumerator. Devices are registered the
// way tests/wine/register-capture-device registers them for the end-to-end tests and the demo:
// instances of the video input device category with a friendly name. The warnings are the
// real message boxes; a watcher reads and dismisses them.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/key_table.h"
#include "app/locations.h"
#include "app/panel_context.h"
#include "settings/capture_devices.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv {
namespace {

constexpr const char* kInstances =
    "Software\\Classes\\CLSID\\{860BB310-5D01-11D0-BD3B-00A0C911CE86}\\Instance";
constexpr const char* kAppDirectory = "C:\\CaptureTest";

// The devices in this order; nullopt registers a device without a friendly name.
void RegisterDevices(const std::vector<std::optional<std::wstring>>& names) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kInstances);
  int n = 0;
  for (const auto& name : names) {
    char instance[64];
    std::snprintf(instance, sizeof instance, "{5E1A7C0D-0000-4000-8000-0000000000%02d}", ++n);
    const std::string path = std::string(kInstances) + "\\" + instance;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "CLSID", 0, REG_SZ, reinterpret_cast<const BYTE*>(instance),
                   static_cast<DWORD>(std::strlen(instance) + 1));
    if (name)
      RegSetValueExW(key, L"FriendlyName", 0, REG_SZ, reinterpret_cast<const BYTE*>(name->c_str()),
                     static_cast<DWORD>((name->size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
}

// Answers every message box of the process with OK and remembers "caption: text".
class MessageBoxWatcher {
 public:
  MessageBoxWatcher() : thread_([this] { Watch(); }) {}
  ~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::string> Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  void Watch() {
    while (!stop_) {
      HWND box = FindWindowA("#32770", nullptr);
      if (box != nullptr && IsWindowVisible(box)) {
        char caption[128] = {};
        char text[512] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's text control
        {
          std::lock_guard<std::mutex> lock(mutex_);
          seen_.push_back(std::string(caption) + ": " + text);
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        while (!stop_ && IsWindow(box)) Sleep(10);
      }
      Sleep(10);
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> seen_;
  std::thread thread_;
};

class CaptureDevicesUnderWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { winetest::InstallAt(kAppDirectory); }
  void SetUp() override {
    if (GetFileAttributesA("Z:\\dev\\video0") != INVALID_FILE_ATTRIBUTES)
      GTEST_SKIP() << "the host has a video device of its own, which Wine lists too";
    DeleteFileA(ctx.where.settingsIni.c_str());
  }

  std::string Device(const char* key) {
    char value[1100] = {};
    GetPrivateProfileStringA(keys::kDevices.name, key, "-", value, sizeof value,
                             ctx.where.settingsIni.c_str());
    return value;
  }
  void WriteDevice(const char* key, const char* name) {
    WritePrivateProfileStringA(keys::kDevices.name, key, name, ctx.where.settingsIni.c_str());
  }
  void Choose(const char* index) {
    WritePrivateProfileStringA(keys::kSelectedDevice.section, keys::kSelectedDevice.name, index,
                               ctx.where.settingsIni.c_str());
  }

  win32::Win32Platform platform;
  PanelContext ctx{platform.platform, ResolveLocations(platform.profile, platform.files)};
};

TEST_F(CaptureDevicesUnderWine, WithoutAnyDeviceBothOperationsSayNoCardAndWriteNothing) {
  RegisterDevices({});
  WriteDevice("0", "Old card");
  MessageBoxWatcher boxes;

  settings::EnumerateCaptureDevices(ctx);
  EXPECT_EQ(settings::VerifySelectedDevice(ctx), 0);

  EXPECT_EQ(boxes.Seen(), (std::vector<std::string>{"Warning: Can Not Find Any TV Card!",
                                                    "Warning: Can Not Find Any TV Card!"}));
  EXPECT_EQ(Device("0"), "Old card");
}

TEST_F(CaptureDevicesUnderWine, DevicesAreNumberedInOrderAsAnsiTextAndStaleKeysStay) {
  const std::wstring accented = L"Cam\u00e9ra TV";
  RegisterDevices({L"Simulated TV Card", std::nullopt, accented});
  WriteDevice("3", "Stale card");
  MessageBoxWatcher boxes;

  settings::EnumerateCaptureDevices(ctx);

  char ansi[64] = {};
  WideCharToMultiByte(CP_ACP, 0, accented.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  EXPECT_EQ(Device("0"), "Simulated TV Card");
  EXPECT_EQ(Device("1"), "-") << "a device without a name keeps its number";
  EXPECT_EQ(Device("2"), ansi);
  EXPECT_EQ(Device("3"), "Stale card");
  EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(CaptureDevicesUnderWine, TheChosenDeviceMustBeListedAtItsNumberUnderItsExactName) {
  const struct {
    const char* what;
    const char* index;
    const char* stored;
    int expected;
  } cases[] = {
      {"the same card", "0", "Simulated TV Card", 1},
      {"index 1 with one device", "1", "Simulated TV Card", 0},
      {"a name differing only in case", "0", "simulated tv card", 0},
  };
  RegisterDevices({L"Simulated TV Card"});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Choose(c.index);
    WriteDevice(c.index, c.stored);
    MessageBoxWatcher boxes;
    EXPECT_EQ(settings::VerifySelectedDevice(ctx), c.expected);
    EXPECT_TRUE(boxes.Seen().empty());
  }
}

}  // namespace
}  // namespace tv
