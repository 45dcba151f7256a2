// tvremote.exe as a separate process: the real pointer on a stand-in panel window with a layout
// file of its own, exit codes with one-line errors, and real dialog controls and sheets.
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

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

// What the test dialogs were told, with the control's state at that moment: a real control
// changes first and notifies after. position: the signed high word of a scroll message.
struct Seen {
  UINT message;
  int id, code, position;
  std::string state;
  bool operator==(const Seen&) const = default;
};
std::vector<Seen> g_seen;
Seen C(int id, int code, const char* state) {
  return {WM_COMMAND, id, code, 0, state};
}
Seen S(int id, int code, int position, const char* state) {
  return {WM_HSCROLL, id, code, position, state};
}

// One run: arguments, exit code, what the dialog is told, what it prints, what the error names.
struct Step {
  const char* arguments;
  int exitCode;
  std::vector<Seen> seen = {};
  const char* printed = "";
  const char* error = "";
};

// Where the stand-in panel saw the pointer move, and the left button go down and up.
std::vector<std::pair<UINT, Point>> g_mouse;

LRESULT CALLBACK StandInPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN && message != WM_LBUTTONUP)
    return DefWindowProcA(window, message, wParam, lParam);
  g_mouse.push_back({message, Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}});
  return 0;
}

std::optional<Point> Last(UINT message) {
  for (auto it = g_mouse.rbegin(); it != g_mouse.rend(); ++it)
    if (it->first == message) return it->second;
  return std::nullopt;
}

// The layout file's CHUP, away from the built-in place: only a remote reading the file finds it.
constexpr Rect kChannelUp{440, 30, 24, 20};

class RemoteProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    g_mouse.clear();
    g_seen.clear();
    dir = winetest::FreshFolder("remote");
    for (const auto& [key, value] : {std::pair{keys::kAppDirectory, dir},
                                     {keys::kPanelIniName, "Panel.ini"s},
                                     {keys::kSettingsIniName, "Settings.ini"s}})
      WinIni(profile).Write(key, value);
    const IniFile layout(profile, dir + "\\Panel.ini");
    layout.RawWrite("Panel", "PanelNow", "1");
    for (const auto& [key, value] : {std::pair{"X", "440"}, {"Y", "30"}, {"W", "24"}, {"H", "20"}})
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

  // Runs tvremote while this thread keeps handling messages, which the remote's input needs.
  // Gives the exit code and the error output; keeps what it printed.
  std::pair<int, std::string> Remote(const std::string& arguments) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    // Files of their own per run: the last run's handles may outlive its process a moment.
    const std::string stem = dir + "\\run" + std::to_string(++runs);
    const auto open = [&](const char* suffix) {
      return CreateFileA((stem + suffix).c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    std::string commandLine = '"' + winetest::WindowsPath(TVREMOTE_PROGRAM) + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = open(".out");
    startup.hStdError = open(".err");
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    if (!started) return {-1, "cannot start " + commandLine};
    if (!WaitFor([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; },
                 20000)) {
      TerminateProcess(process.hProcess, 99);
      ADD_FAILURE() << "tvremote did not end: " << commandLine;
    }
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    lastOut = winetest::ReadWholeFile(stem + ".out");
    return {static_cast<int>(code), winetest::ReadWholeFile(stem + ".err")};
  }

  // Runs each step after the prefix; every failure is one line starting with the program's name.
  void Run(const std::string& prefix, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
      SCOPED_TRACE(step.arguments);
      g_seen.clear();
      const auto [code, err] = Remote(prefix + step.arguments);
      EXPECT_EQ(code, step.exitCode) << err;
      EXPECT_TRUE(code == 0 ||
                  (err.starts_with("tvremote: ") && err.find(step.error) != std::string::npos &&
                   std::count(err.begin(), err.end(), '\n') == 1))
          << err;
      Pump(20);
      EXPECT_TRUE(g_seen == step.seen)
          << g_seen.size() << " messages, first " << (g_seen.empty() ? -1 : g_seen[0].code);
      EXPECT_EQ(lastOut, step.printed);
    }
  }

  // Expects the press, the release and the last move before them at one point inside `expected`.
  void ExpectClickInside(const char* button, const Rect& expected) {
    SCOPED_TRACE(button);
    const auto [code, err] = Remote("click "s + button);
    EXPECT_EQ(code, 0) << err;
    ASSERT_TRUE(WaitFor([] { return Last(WM_LBUTTONUP).has_value(); }));
    const Point down = *Last(WM_LBUTTONDOWN);
    EXPECT_TRUE(expected.StrictlyContains(down.x, down.y)) << down.x << "," << down.y;
    EXPECT_TRUE(*Last(WM_LBUTTONUP) == down && *Last(WM_MOUSEMOVE) == down)
        << "the pointer hovers there before pressing and releases there";
    g_mouse.clear();
  }

  win32::Win32Profile profile;
  std::string dir;
  std::string lastOut;  // what the last run printed
  HWND panel = nullptr;
  int runs = 0;
};

TEST_F(RemoteProgram, ClickLandsInTheButtonWherePanelShapeAndSideLeaveIt) {
  // The shape comes from the window size: closed, then the side part unfolded on the left.
  ExpectClickInside("CHUP", kChannelUp);
  Resize(643, 176);  // the default side part, 96 wide
  ExpectClickInside("chup",
                    Rect{kChannelUp.x + 96, kChannelUp.y, kChannelUp.width, kChannelUp.height});
  // A size of no shape is refused (which button each shape has is the native tests' business).
  Resize(500, 300);
  Run("", {{"click CHUP", 1, {}, "", "500x300"}});
  Pump(100);
  EXPECT_FALSE(Last(WM_LBUTTONDOWN).has_value());
}

TEST_F(RemoteProgram, ErrorsAreOneLineWithTheirExitCode) {
  // A wrong command line: 2, before the panel is looked at. Work that cannot be done: 1.
  // clang-format off
  Run("", {{"", 2}, {"frobnicate", 2}, {"cmd channel-upp", 2}, {"cmd mute 4294967296", 2},
           {"click NOSUCHBUTTON", 2}, {"key hyper+x", 2}, {"get settings quarn", 2}});
  DestroyWindow(panel);
  panel = nullptr;
  Run("", {{"cmd mute", 1, {}, "", "no panel"}, {"click CHUP", 1},
           {"get settings quarn NoSuchKey", 1}});
  // clang-format on
}

std::string StateOf(HWND control) {
  char cls[32] = {};
  GetClassNameA(control, cls, sizeof cls);
  for (const auto& [name, query] :
       {std::pair{"Button", BM_GETCHECK}, {"ListBox", LB_GETCURSEL}, {TRACKBAR_CLASSA, TBM_GETPOS}})
    if (lstrcmpiA(cls, name) == 0) return std::to_string(SendMessageA(control, query, 0, 0));
  char text[64] = {};
  GetWindowTextA(control, text, sizeof text);
  return text;
}

// Records commands and scrolls from the dialog's own children only. A sheet's page makes a
// button of its own (40 + its index) so that a test can tell the pages apart.
INT_PTR CALLBACK Recorder(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto from = reinterpret_cast<HWND>(lParam);
  if (message == WM_INITDIALOG && lParam != 0) {
    const auto id = 40 + reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    CreateWindowExA(0, "Button", "Page", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, dialog,
                    reinterpret_cast<HMENU>(id), nullptr, nullptr);
  }
  if (message == WM_INITDIALOG) return TRUE;
  if ((message != WM_COMMAND && message != WM_HSCROLL) || from == nullptr ||
      GetParent(from) != dialog || (message == WM_COMMAND && GetDlgCtrlID(from) != LOWORD(wParam)))
    return FALSE;
  const bool scroll = message == WM_HSCROLL;
  g_seen.push_back({message, GetDlgCtrlID(from), scroll ? LOWORD(wParam) : HIWORD(wParam),
                    scroll ? static_cast<short>(HIWORD(wParam)) : 0, StateOf(from)});
  return TRUE;
}

class RemoteDialog : public RemoteProgram {
 protected:
  void SetUp() override {
    RemoteProgram::SetUp();
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(300), nullptr, Recorder, 0);
    ASSERT_NE(dialog, nullptr);
    for (const char* entry : {"10", "1", "2"})
      SendDlgItemMessageA(dialog, 20, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    for (const char* entry : {"YUY2", "RGB555", "UYVY"})
      SendDlgItemMessageA(dialog, 21, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SendDlgItemMessageA(dialog, 23, TBM_SETRANGEMIN, FALSE, -128);
    SendDlgItemMessageA(dialog, 23, TBM_SETRANGEMAX, TRUE, 127);
    Pump(50);
  }
  void TearDown() override {
    if (dialog != nullptr) DestroyWindow(dialog);
    RemoteProgram::TearDown();
  }

  HWND dialog = nullptr;
};

TEST_F(RemoteDialog, EachActionSetsTheControlThenNotifiesAsTheControlWould) {
  const auto two = [](int id, int first, int second, const char* state) {
    return std::vector<Seen>{C(id, first, state), C(id, second, state)};
  };
  // clang-format off
  Run("dialog \"remote test dialog\" ", {
      {"click 10", 0, {C(10, BN_CLICKED, "0")}}, {"check 11", 0, {C(11, BN_CLICKED, "1")}},
      {"get 11", 0, {}, "checked\n"}, {"uncheck 11", 0, {C(11, BN_CLICKED, "0")}},
      {"click 11", 0, {C(11, BN_CLICKED, "1")}}, {"click 12", 0, {C(12, BN_CLICKED, "1")}},
      {"check 13", 0, {C(13, BN_CLICKED, "1")}}, {"get 12", 0, {}, "unchecked\n"},  // group cleared
      {"click 14", 1}, {"state 14", 0, {}, "disabled visible\n"},
      {"click 14 --force", 0, {C(14, BN_CLICKED, "0")}},
      {"select 20 1", 0, {C(20, LBN_SELCHANGE, "1")}},  // the entry "1", not "10"
      {"select-index 20 0", 0, {C(20, LBN_SELCHANGE, "0")}}, {"get 20", 0, {}, "0 10\n"},
      {"select 21 rgb555", 0, two(21, CBN_SELENDOK, CBN_SELCHANGE, "RGB555")},
      {"select-index 21 2", 0, two(21, CBN_SELENDOK, CBN_SELCHANGE, "UYVY")},
      {"get 21", 0, {}, "2 UYVY\n"}, {"items 21", 0, {}, "YUY2\nRGB555\nUYVY\n"},
      {"select-index 21 3", 1},
      {"set-text 22 \"C:\\Capture dir\"", 0, two(22, EN_UPDATE, EN_CHANGE, "C:\\Capture dir")},
      {"get 22", 0, {}, "C:\\Capture dir\n"}, {"set-text 24 x", 1},  // read-only
      {"set-text 26 640x480", 0, two(26, CBN_EDITUPDATE, CBN_EDITCHANGE, "640x480")},
      {"slide 23 -1", 0, {S(23, TB_THUMBPOSITION, -1, "-1"), S(23, TB_ENDTRACK, 0, "-1")}},
      {"get 23", 0, {}, "-1\n"}, {"slide 23 128", 1}, {"slide 23 -129", 1},
      {"get 25", 0, {}, "Label\n"},
      // Not a button, not a slider, no such control, not a sheet.
      {"click 25", 1}, {"slide 22 5", 1}, {"click 99", 1}, {"tab 1", 1}});
  // clang-format on
  Run("dialog \"No Such Dialog\" ", {{"click 10", 1, {}, "", "no dialog titled"}});
}

// Presses and releases the real left button in the middle of the window, or of its list entry.
void RealClick(HWND window, int entry = -1) {
  RECT r{};
  if (entry < 0)
    GetClientRect(window, &r);
  else
    SendMessageA(window, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&r));
  POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(window, &middle);
  SetCursorPos(middle.x, middle.y);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
}

// A user's real clicks (focus and drop-down news left out) against the remote's same choice.
TEST_F(RemoteDialog, NotifiesAsARealClickOnTheSameControlDoes) {
  SetWindowPos(dialog, HWND_TOPMOST, 620, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  Pump(100);
  const auto reset = [&] {
    for (const int id : {11, 12, 13})
      SendDlgItemMessageA(dialog, id, BM_SETCHECK, BST_UNCHECKED, 0);
    SendDlgItemMessageA(dialog, 20, LB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(dialog, 21, CB_SETCURSEL, 0, 0);
    Pump(20);
    g_seen.clear();
  };
  const auto choices = [] {
    std::vector<Seen> seen = g_seen;
    std::erase_if(seen, [](const Seen& s) {
      return (s.id == 20 && (s.code == LBN_SETFOCUS || s.code == LBN_KILLFOCUS)) ||
             (s.id == 21 && (s.code == CBN_SETFOCUS || s.code == CBN_KILLFOCUS ||
                             s.code == CBN_DROPDOWN || s.code == CBN_CLOSEUP));
    });
    return seen;
  };
  // Buttons in their middle, the list box's third entry, the dropped combo box's second entry.
  const struct {
    int id, entry;
    const char* remote;
  } cases[] = {{11, -1, "check 11"},
               {13, -1, "click 13"},
               {20, 2, "select 20 2"},
               {21, 1, "select 21 RGB555"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.remote);
    const HWND control = GetDlgItem(dialog, c.id);
    reset();
    if (COMBOBOXINFO info{}; c.id == 21) {
      RealClick(control);
      ASSERT_TRUE(WaitFor([&] { return SendMessageA(control, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
      info.cbSize = sizeof info;
      GetComboBoxInfo(control, &info);
      RealClick(info.hwndList, c.entry);
    } else {
      RealClick(control, c.entry);
    }
    ASSERT_TRUE(WaitFor([&] { return !choices().empty(); })) << "the real click sent nothing";
    Pump(100);
    const std::vector<Seen> real = choices();
    reset();
    Run("dialog \"Remote Test Dialog\" ", {{c.remote, 0, real}});
  }
}

TEST_F(RemoteDialog, TabsSwitchTheSheetsPageAndControlsAreFoundOnTheCurrentPage) {
  PROPSHEETPAGEA pages[2] = {};
  for (int i = 0; i < 2; ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].dwFlags = PSP_USETITLE;
    pages[i].hInstance = GetModuleHandleA(nullptr);
    pages[i].pszTemplate = MAKEINTRESOURCEA(301);
    pages[i].pfnDlgProc = Recorder;
    pages[i].pszTitle = i == 0 ? "First" : "Second";
    pages[i].lParam = i;
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOAPPLYNOW;
  header.pszCaption = "Remote Test Sheet";
  header.nPages = 2;
  header.ppsp = pages;
  const auto sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
  ASSERT_NE(sheet, nullptr);
  Pump(50);
  // The first page's button is not on the page shown; a page that does not exist is refused.
  // The sheet's own Cancel, found on the sheet when the page has no such control, closes it.
  // clang-format off
  Run("dialog \"Remote Test Sheet\" ",
      {{"page", 0, {}, "0\n"}, {"tab 1", 0}, {"page", 0, {}, "1\n"},
      {"click 41", 0, {C(41, BN_CLICKED, "0")}}, {"click 40", 1}, {"tab 2", 1, {}, "", "2 pages"},
      {"click 2 --post", 0}});
  // clang-format on
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0) == 0; }))
      << "the sheet did not close";
  DestroyWindow(sheet);
}

}  // namespace
}  // namespace tv::remote
