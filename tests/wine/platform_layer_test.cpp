// The real platform layer against the real Win32 API: what the behaviour relies on from it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/key_table.h"
#include "app/locations.h"
#include "app/settings_file.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv::win32 {
namespace {

using winetest::Pump;

std::vector<std::string>* g_events = nullptr;
HWND g_panel = nullptr;
Win32Messenger* g_messenger = nullptr;

LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    g_events->push_back("panel " + std::to_string(LOWORD(wParam)) + "/" + std::to_string(lParam));
    return 0;
  }
  if (msg == WM_TIMER) {
    g_events->push_back("timer " + std::to_string(wParam));
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK PeerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) {
    g_events->push_back("peer " + std::to_string(LOWORD(wParam)));
    // Answers a query during the send, as the video window program does.
    SendCommand(*g_messenger, FromHwnd(g_panel), LOWORD(wParam), 1);
    return 5;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeWindow(const char* className, const char* title, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  return CreateWindowExA(0, className, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

class PlatformLayer : public ::testing::Test {
 protected:
  void SetUp() override {
    g_events = &events;
    g_messenger = &messenger;
    g_panel = MakeWindow("Test Panel Class", "Panel", PanelProc);
    peer = MakeWindow("Test Peer Class", "Tv", PeerProc);
    ASSERT_NE(g_panel, nullptr);
    ASSERT_NE(peer, nullptr);
  }
  void TearDown() override {
    DestroyWindow(peer);
    DestroyWindow(g_panel);
  }
  std::vector<std::string> events;
  Win32Messenger messenger;
  HWND peer = nullptr;
};

TEST_F(PlatformLayer, FindsWindowsByClassAndTitleAndSendsReEntrantly) {
  EXPECT_EQ(messenger.Find("Test Peer Class", "Tv"), FromHwnd(peer));
  EXPECT_FALSE(messenger.Find("Test Peer Class", "Other"));
  EXPECT_EQ(messenger.Find("Test Panel Class", nullptr), FromHwnd(g_panel));

  EXPECT_EQ(SendCommand(messenger, FromHwnd(peer), 42227, 0), 5);
  events.push_back("returned");
  EXPECT_EQ(events, (std::vector<std::string>{"peer 42227", "panel 42227/1", "returned"}));
}

TEST_F(PlatformLayer, PostsArriveThroughTheMessageLoopInOrder) {
  EXPECT_TRUE(PostCommand(messenger, FromHwnd(g_panel), 40113, 0));
  EXPECT_TRUE(PostCommand(messenger, FromHwnd(g_panel), 40111, -3));
  EXPECT_TRUE(events.empty());
  Pump(100);
  EXPECT_EQ(events, (std::vector<std::string>{"panel 40113/0", "panel 40111/-3"}));
}

TEST_F(PlatformLayer, TimersRepeatOnThePanelWindowUntilStopped) {
  Win32Timers timers;
  timers.SetWindow(g_panel);
  timers.Start(118, 50);
  Pump(400);
  timers.Stop(118);
  const auto ticks = std::count(events.begin(), events.end(), "timer 118");
  EXPECT_GE(ticks, 3);
  events.clear();
  Pump(200);
  EXPECT_TRUE(events.empty());
}

TEST(PlatformLayerFiles, ProfileAndLocationsWorkOnRealFiles) {
  const std::string dir = winetest::FreshFolder("tvpanel-layer");
  winetest::InstallAt(dir.c_str());
  Win32Profile profile;
  Win32FileSystem files;

  const Locations where = ResolveLocations(profile, files);
  EXPECT_EQ(where.settingsIni, dir + "\\Settings.ini");
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STRCASEEQ(current, dir.c_str());

  const IniFile settings(profile, where.settingsIni);
  settings.Write(keys::kRecallCableWritten, 12);
  EXPECT_EQ(settings.Int(keys::kRecallCable), 12);
  EXPECT_EQ(settings.Int(keys::kInputSource), 3);
  settings.WriteFlag(keys::kAirList, 21, false);
  EXPECT_FALSE(settings.IsTrue(keys::kAirList, 21));
  EXPECT_EQ(settings.Text(keys::kAirList, 21), "FALSE");
}

}  // namespace
}  // namespace tv::win32
