// tvremote.exe as users and scripts run it: a separate process that finds a panel window (here
// a stand-in of this test program with its own layout file), clicks the real pointer where the
// layout puts a button, and says what went wrong in one line with its exit code. Commands,
// keys, windows and the INI subcommands are what the end-to-end scripts use it for all along.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/key_table.h"
#include "app/panel_context.h"
#include "base/settings_file.h"
#include "platform/geometry.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv::remote {
namespace {

using namespace std::string_literals;
using winetest::Pump;
using winetest::WaitFor;

// Where the stand-in panel saw the pointer move, and the left button go down and up.
std::vector<std::pair<UINT, Point>> g_mouse;

LRESULT CALLBACK StandInPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_LBUTTONUP)
    return DefWindowProcA(window, message, wParam, lParam);
  g_mouse.push_back({message, Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
  return 0;
}

std::optional<Point> Last(UINT message) {
  const auto it = std::find_if(g_mouse.rbegin(), g_mouse.rend(),
                               [&](const auto& event) { return event.first == message; });
  return it == g_mouse.rend() ? std::nullopt : std::optional<Point>(it->second);
}

// The layout file's CHUP, away from the built-in place so that only a remote reading the file
// finds it.
constexpr Rect kChannelUp{440, 30, 24, 20};

class RemoteProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    g_mouse.clear();
    dir = winetest::FreshFolder("remote");
    const WinIni winIni(profile);
    winIni.Write(keys::kAppDirectory, dir);
    winIni.Write(keys::kPanelIniName, "Panel.ini");
    winIni.Write(keys::kSettingsIniName, "Settings.ini");
    const IniFile layout(profile, dir + "\\Panel.ini");
    layout.RawWrite("Panel", "PanelNow", "1");
    for (const auto& [key, value] :
         {std::pair{"X", "440"}, std::pair{"Y", "30"}, std::pair{"W", "24"}, std::pair{"H", "20"}})
      layout.RawWrite("1PANEL_BTN", ("BTN_CHUP_"s + key).c_str(), value);

    WNDCLASSA wc{};
    wc.lpfnWndProc = StandInPanel;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kPanelClass;
    RegisterClassA(&wc);
    panel = CreateWindowExA(0, kPanelClass, kPanelTitle, WS_POPUP, 30, 40, 547, 176, nullptr,
                            nullptr, wc.hInstance, nullptr);
    ASSERT_NE(panel, nullptr);
    ShowWindow(panel, SW_SHOWNORMAL);
    UpdateWindow(panel);
    Pump(50);
  }

  void TearDown() override {
    if (panel != nullptr) DestroyWindow(panel);
  }

  void Resize(int width, int height) {
    SetWindowPos(panel, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    Pump(50);
    g_mouse.clear();
  }

  // Runs tvremote with the command line and waits for it while this thread keeps handling
  // messages, which the remote's input needs. Gives the exit code and the error output.
  std::pair<int, std::string> Remote(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    // Files of their own per run: the last run's handles may outlive its process a moment.
    const std::string stem = dir + "\\run" + std::to_string(++runs);
    HANDLE files[2];
    for (int i = 0; i < 2; ++i) {
      files[i] = CreateFileA((stem + (i == 0 ? ".out" : ".err")).c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    std::string commandLine = '"' + winetest::WindowsPath(TVREMOTE_PROGRAM) + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = files[0];
    startup.hStdError = files[1];
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(files[0]);
    CloseHandle(files[1]);
    if (!started) {
      ADD_FAILURE() << "cannot start " << commandLine;
      return {-1, ""};
    }
    if (!WaitFor([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; },
                 20000)) {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << "tvremote did not end: " << commandLine;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return {static_cast<int>(code), winetest::ReadWholeFile(stem + ".err")};
  }

  // Clicks the button and expects the press, the release and the last move before them at
  // one point inside `expected`.
  void ExpectClickInside(const char* button, const Rect& expected) {
    SCOPED_TRACE(button);
    const auto [code, err] = Remote("click "s + button);
    EXPECT_EQ(code, 0) << err;
    ASSERT_TRUE(WaitFor([] { return Last(WM_LBUTTONUP).has_value(); }));
    const Point down = *Last(WM_LBUTTONDOWN);
    EXPECT_TRUE(expected.StrictlyContains(down.x, down.y)) << down.x << "," << down.y;
    EXPECT_TRUE(*Last(WM_LBUTTONUP) == down);
    EXPECT_TRUE(*Last(WM_MOUSEMOVE) == down) << "the pointer hovers there before pressing";
    g_mouse.clear();
  }

  win32::Win32Profile profile;
  std::string dir;
  HWND panel = nullptr;
  int runs = 0;
};

TEST_F(RemoteProgram, ClickLandsInTheButtonWherePanelShapeAndSideLeaveIt) {
  // Closed: the layout file's rectangle. Unfolded shapes are read from the window size: the
  // side part on the left, then the down part.
  ExpectClickInside("CHUP", kChannelUp);
  Resize(643, 176);  // the default side part, 96 wide
  ExpectClickInside("chup",
                    Rect{kChannelUp.x + 96, kChannelUp.y, kChannelUp.width, kChannelUp.height});
  Resize(547, 356);
  ExpectClickInside("EMAIL", Rect{66, 140, 63, 27});

  // Folded again the down part's buttons have no rectangle; a size of no shape is refused.
  Resize(547, 176);
  auto [code, err] = Remote("click EMAIL");
  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("empty"), std::string::npos) << err;
  Resize(500, 300);
  std::tie(code, err) = Remote("click CHUP");
  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("500x300"), std::string::npos) << err;
  Pump(100);
  EXPECT_FALSE(Last(WM_LBUTTONDOWN).has_value());
}

TEST_F(RemoteProgram, ErrorsAreOneLineWithTheirExitCode) {
  const auto expectError = [&](const char* arguments, int expectedCode) {
    const auto [code, err] = Remote(arguments);
    EXPECT_EQ(code, expectedCode) << arguments;
    EXPECT_EQ(err.rfind("tvremote: ", 0), 0u) << arguments << ": " << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << arguments << ": " << err;
  };
  // The command line is wrong: 2, before the panel is looked at.
  for (const char* line : {"", "frobnicate", "cmd channel-upp", "cmd mute 4294967296",
                           "click NOSUCHBUTTON", "key hyper+x", "get settings quarn"})
    expectError(line, 2);

  // The work cannot be done: 1.
  DestroyWindow(panel);
  panel = nullptr;
  for (const char* line : {"cmd mute", "click CHUP", "get settings quarn NoSuchKey"})
    expectError(line, 1);
  EXPECT_NE(Remote("cmd mute").second.find("no panel"), std::string::npos);
}

}  // namespace
}  // namespace tv::remote
