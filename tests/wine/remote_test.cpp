// tvremote.exe as users and scripts run it: a separate process that finds a panel window (here
// a stand-in of this test program with its own layout file), posts and sends commands, moves
// and clicks the real pointer, types real keys, waits for windows and edits INI files.
#include <windows.h>
#include <windowsx.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/key_table.h"
#include "app/panel_context.h"
#include "app/settings_file.h"
#include "commands/command_ids.h"
#include "platform/geometry.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv::remote {
namespace {

using winetest::FreshFolder;
using winetest::Pump;
using winetest::ReadWholeFile;
using winetest::WaitFor;
using winetest::WindowsPath;

// What the stand-in panel received.
struct Event {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool sent;  // arrived through SendMessage, not the queue
  DWORD time;
};
std::vector<Event> g_events;

LRESULT CALLBACK StandInPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_HOTKEY:
      g_events.push_back({message, wParam, lParam, InSendMessage() != FALSE,
                          static_cast<DWORD>(GetMessageTime())});
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
};

std::vector<const Event*> Events(UINT message) {
  std::vector<const Event*> found;
  for (const Event& e : g_events)
    if (e.message == message) found.push_back(&e);
  return found;
}

Point At(const Event& e) {
  return Point{GET_X_LPARAM(e.lParam), GET_Y_LPARAM(e.lParam)};
}

bool Inside(const Rect& r, Point p) {
  return r.StrictlyContains(p.x, p.y);
}

// The layout file's CHUP, away from the built-in place so that only a remote reading the file
// finds it.
constexpr Rect kChannelUp{440, 30, 24, 20};
constexpr int kSideShift = 643 - 547;  // the default side part on the left
constexpr int kLeft = 30, kTop = 40;

class RemoteProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = StandInPanel;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kPanelClass;
    RegisterClassA(&wc);
  }

  void SetUp() override {
    g_events.clear();
    dir = FreshFolder("remote");

    const WinIni winIni(profile);
    winIni.Write(keys::kAppDirectory, dir);
    winIni.Write(keys::kPanelIniName, "Panel.ini");
    winIni.Write(keys::kSettingsIniName, "Settings.ini");
    const IniFile layout(profile, dir + "\\Panel.ini");
    layout.RawWrite("Panel", "PanelNow", "1");
    layout.RawWrite("1PANEL_BTN", "BTN_CHUP_X", "440");
    layout.RawWrite("1PANEL_BTN", "BTN_CHUP_Y", "30");
    layout.RawWrite("1PANEL_BTN", "BTN_CHUP_W", "24");
    layout.RawWrite("1PANEL_BTN", "BTN_CHUP_H", "20");

    panel = CreateWindowExA(0, kPanelClass, kPanelTitle, WS_POPUP, kLeft, kTop, 547, 176, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
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
  }

  // Runs tvremote with the words and waits for it while this thread keeps handling messages:
  // the remote's sends and input need the stand-in panel to answer. `during` runs once, while
  // the remote is running, after `duringMs`.
  Outcome Remote(const std::vector<std::string>& words, const char* currentDirectory = nullptr,
                 const std::function<void()>& during = {}, DWORD duringMs = 0) {
    Outcome run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    // Files of their own per run: the last run's handles may outlive its process a moment.
    const std::string stem = dir + "\\run" + std::to_string(++runs);
    const std::string outPath = stem + ".out", errPath = stem + ".err";
    const auto create = [&](const std::string& path) {
      return CreateFileA(path.c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    const HANDLE out = create(outPath);
    const HANDLE err = create(errPath);
    if (out == INVALID_HANDLE_VALUE || err == INVALID_HANDLE_VALUE) {
      ADD_FAILURE() << "cannot create " << stem;
      return run;
    }
    std::string commandLine = '"' + WindowsPath(TVREMOTE_PROGRAM) + '"';
    for (const std::string& w : words) commandLine += " \"" + w + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, currentDirectory, &startup, &process);
    CloseHandle(out);
    CloseHandle(err);
    if (!started) {
      ADD_FAILURE() << "cannot start " << commandLine;
      return run;
    }
    const DWORD start = GetTickCount();
    bool duringDone = !during;
    MSG msg;
    while (true) {
      const DWORD wait =
          MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 20, QS_ALLINPUT | QS_SENDMESSAGE);
      if (wait == WAIT_OBJECT_0) break;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      if (!duringDone && GetTickCount() - start >= duringMs) {
        during();
        duringDone = true;
      }
      if (GetTickCount() - start > 20000) {
        TerminateProcess(process.hProcess, 99);
        ADD_FAILURE() << "tvremote did not end: " << commandLine;
        break;
      }
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    run.exitCode = static_cast<int>(code);
    run.out = ReadWholeFile(outPath);
    run.err = ReadWholeFile(errPath);
    return run;
  }

  // The command that reached the stand-in panel, once posted or sent messages are handled.
  std::optional<Event> Command(cmd::Id id) {
    std::optional<Event> found;
    WaitFor([&] {
      for (const Event& e : g_events)
        if (e.message == WM_COMMAND && LOWORD(e.wParam) == id) found = e;
      return found.has_value();
    });
    return found;
  }

  // The point of the last click (button down and up at one place), once both arrived.
  std::optional<Point> LastClick() {
    if (!WaitFor([] { return !Events(WM_LBUTTONUP).empty(); })) return std::nullopt;
    const Point down = At(*Events(WM_LBUTTONDOWN).back());
    const Point up = At(*Events(WM_LBUTTONUP).back());
    if (!(down == up)) {
      ADD_FAILURE() << "pressed at " << down.x << "," << down.y << ", released at " << up.x << ","
                    << up.y;
    }
    return down;
  }

  std::string Setting(const char* section, const char* key, const std::string& file) {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
  }

  win32::Win32Profile profile;
  std::string dir;
  HWND panel = nullptr;
  int runs = 0;
};

TEST_F(RemoteProgram, CommandsArriveAsPostedOrSentWithTheirArgument) {
  Outcome r = Remote({"cmd", "channel-up"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  std::optional<Event> e = Command(cmd::kChannelUp);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->lParam, 0);
  EXPECT_EQ(HIWORD(e->wParam), 0);
  EXPECT_FALSE(e->sent);

  // Raw ids, negative and hex arguments, names of commands that peers send.
  EXPECT_EQ(Remote({"cmd", "40045", "-5"}).exitCode, 0);
  e = Command(cmd::kNextSkin);
  ASSERT_TRUE(e);
  EXPECT_EQ(static_cast<int>(e->lParam), -5);
  EXPECT_EQ(Remote({"cmd", "scan-ended", "0x10", "--send", "--timeout", "2000"}).exitCode, 0);
  e = Command(cmd::kPeerScanEnded);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->lParam, 16);
  EXPECT_TRUE(e->sent);

  r = Remote({"cmd", "--list"});
  EXPECT_EQ(r.exitCode, 0);
  const auto line = [&](const std::string& name) {
    const std::size_t at = r.out.find("\n" + name + " ");
    return at == std::string::npos ? std::string()
                                   : r.out.substr(at + 1, r.out.find('\n', at + 1) - at - 1);
  };
  EXPECT_NE(line("channel-up").find(" 40008"), std::string::npos) << r.out;
  EXPECT_NE(line("peer-ready").find(" 40113"), std::string::npos) << r.out;
}

TEST_F(RemoteProgram, ClickLandsInTheButtonWherePanelShapeAndSideLeaveIt) {
  // Closed: the layout file's rectangle; the pointer hovers there before pressing.
  Outcome r = Remote({"click", "CHUP"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  std::optional<Point> p = LastClick();
  ASSERT_TRUE(p);
  EXPECT_TRUE(Inside(kChannelUp, *p)) << p->x << "," << p->y;
  const auto moves = Events(WM_MOUSEMOVE);
  ASSERT_FALSE(moves.empty());
  EXPECT_TRUE(At(*moves.back()) == *p);

  // Unfolded shapes are read from the window size: side part on the left, then the down part.
  const struct {
    int width, height;
    const char* button;
    Rect expected;
  } shapes[] = {
      {643, 176, "chup",
       Rect{kChannelUp.x + kSideShift, kChannelUp.y, kChannelUp.width, kChannelUp.height}},
      {547, 356, "EMAIL", Rect{66, 140, 63, 27}},
  };
  for (const auto& shape : shapes) {
    SCOPED_TRACE(shape.button);
    Resize(shape.width, shape.height);
    g_events.clear();
    EXPECT_EQ(Remote({"click", shape.button}).exitCode, 0);
    p = LastClick();
    ASSERT_TRUE(p);
    EXPECT_TRUE(Inside(shape.expected, *p)) << p->x << "," << p->y;
  }

  // Folded again the down part's buttons have no rectangle; a size of no shape is refused.
  Resize(547, 176);
  g_events.clear();
  r = Remote({"click", "EMAIL"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("empty"), std::string::npos) << r.err;
  Resize(500, 300);
  r = Remote({"click", "CHUP"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("500x300"), std::string::npos) << r.err;
  Pump(100);
  EXPECT_TRUE(Events(WM_LBUTTONDOWN).empty());
}

TEST_F(RemoteProgram, ClickAtMoveAndHold) {
  EXPECT_EQ(Remote({"click-at", "100", "50"}).exitCode, 0);
  std::optional<Point> p = LastClick();
  ASSERT_TRUE(p);
  EXPECT_TRUE(*p == (Point{100, 50}));

  g_events.clear();
  EXPECT_EQ(Remote({"move", "CHUP"}).exitCode, 0);
  ASSERT_TRUE(WaitFor([] { return !Events(WM_MOUSEMOVE).empty(); }));
  EXPECT_TRUE(Inside(kChannelUp, At(*Events(WM_MOUSEMOVE).back())));
  Pump(100);
  EXPECT_TRUE(Events(WM_LBUTTONDOWN).empty());

  g_events.clear();
  EXPECT_EQ(Remote({"click", "--hold", "400", "VOLUP"}).exitCode, 0);
  ASSERT_TRUE(LastClick());
  const DWORD held = Events(WM_LBUTTONUP).back()->time - Events(WM_LBUTTONDOWN).back()->time;
  EXPECT_GE(held, 350u);
}

TEST_F(RemoteProgram, KeysArriveAsKeyboardInputIncludingTheHotKey) {
  EXPECT_EQ(Remote({"key", "m", "pgup"}).exitCode, 0);
  ASSERT_TRUE(WaitFor([] { return Events(WM_KEYDOWN).size() >= 2; }));
  EXPECT_EQ(Events(WM_KEYDOWN)[0]->wParam, WPARAM{'M'});
  EXPECT_EQ(Events(WM_KEYDOWN)[1]->wParam, WPARAM{VK_PRIOR});

  // The panel's hot key, which X-level input tools cannot deliver.
  ASSERT_TRUE(RegisterHotKey(panel, 0, MOD_CONTROL | MOD_ALT, VK_F4));
  g_events.clear();
  EXPECT_EQ(Remote({"key", "ctrl+alt+f4"}).exitCode, 0);
  EXPECT_TRUE(WaitFor([] { return !Events(WM_HOTKEY).empty(); }));
  UnregisterHotKey(panel, 0);
}

TEST_F(RemoteProgram, GetSetDeleteOnNamedFilesAndPaths) {
  const std::string settings = dir + "\\Settings.ini";
  EXPECT_EQ(Remote({"set", "settings", "quarn", "CaptureFile", "C:\\Capture"}).exitCode, 0);
  EXPECT_EQ(Setting("quarn", "CaptureFile", settings), "C:\\Capture");
  Outcome r = Remote({"get", "Settings", "QUARN", "capturefile"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "C:\\Capture\n");

  // An empty value is a value; a deleted key is missing, and so is a deleted section.
  EXPECT_EQ(Remote({"set", "settings", "quarn", "AddItem", ""}).exitCode, 0);
  EXPECT_EQ(Remote({"get", "settings", "quarn", "AddItem"}).out, "\n");
  EXPECT_EQ(Remote({"delete", "settings", "quarn", "AddItem"}).exitCode, 0);
  r = Remote({"get", "settings", "quarn", "AddItem"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_EQ(Setting("quarn", "CaptureFile", settings), "C:\\Capture");
  EXPECT_EQ(Remote({"delete", "settings", "quarn"}).exitCode, 0);
  EXPECT_EQ(Setting("quarn", "CaptureFile", settings), "<missing>");

  // The layout file and win.ini by name.
  EXPECT_EQ(Remote({"get", "panel", "1PANEL_BTN", "BTN_CHUP_X"}).out, "440\n");
  EXPECT_EQ(Remote({"set", "win.ini", "RemoteTest", "Key", "1"}).exitCode, 0);
  char value[16] = {};
  GetProfileStringA("RemoteTest", "Key", "", value, sizeof value);
  EXPECT_STREQ(value, "1");

  // A relative path is relative to the remote's current directory, not the Windows folder.
  EXPECT_EQ(Remote({"set", "relative.ini", "S", "K", "V"}, dir.c_str()).exitCode, 0);
  EXPECT_EQ(Setting("S", "K", dir + "\\relative.ini"), "V");
}

TEST_F(RemoteProgram, WindowsAreReportedAndAwaited) {
  EXPECT_EQ(Remote({"window", "Panel"}).out, "30 40 547 176 visible\n");
  EXPECT_EQ(Remote({"wait-window", "Panel", "2", "--class", "Brivanta Zentaro"}).exitCode, 0);
  Outcome r = Remote({"wait-window", "Panel", "0.3", "--class", "Another Class"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("timed out"), std::string::npos) << r.err;

  // The window goes away while the remote waits for that.
  r = Remote(
      {"wait-window", "Panel", "10", "--hidden"}, nullptr, [&] { ShowWindow(panel, SW_HIDE); },
      300);
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Remote({"window", "Panel"}).out, "30 40 547 176 hidden\n");
  EXPECT_EQ(Remote({"wait-window", "Panel", "0.2"}).exitCode, 1);
}

TEST_F(RemoteProgram, ErrorsAreOneLineWithTheirExitCode) {
  const auto expectError = [&](const std::vector<std::string>& words, int code) {
    const Outcome r = Remote(words);
    std::string shown;
    for (const std::string& w : words) shown += w + " ";
    EXPECT_EQ(r.exitCode, code) << shown;
    EXPECT_EQ(r.err.rfind("tvremote: ", 0), 0u) << shown << ": " << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << shown << ": " << r.err;
  };
  // The command line is wrong: 2, before the panel is looked at.
  expectError({}, 2);
  expectError({"frobnicate"}, 2);
  expectError({"cmd"}, 2);
  expectError({"cmd", "channel-upp"}, 2);
  expectError({"cmd", "mute", "--loud"}, 2);
  expectError({"cmd", "mute", "4294967296"}, 2);
  expectError({"click", "NOSUCHBUTTON"}, 2);
  expectError({"key", "hyper+x"}, 2);
  expectError({"get", "settings", "quarn"}, 2);
  expectError({"wait-window", "Panel", "soon"}, 2);

  // The work cannot be done: 1.
  DestroyWindow(panel);
  panel = nullptr;
  expectError({"cmd", "mute"}, 1);
  expectError({"click", "CHUP"}, 1);
  expectError({"key", "m"}, 1);
  expectError({"window", "Panel"}, 1);
  expectError({"get", "settings", "quarn", "NoSuchKey"}, 1);
  EXPECT_NE(Remote({"cmd", "mute"}).err.find("no panel"), std::string::npos);
  EXPECT_EQ(Remote({"--help"}).exitCode, 0);
}

}  // namespace
}  // namespace tv::remote
