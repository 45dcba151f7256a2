// tvremote.exe as users and scripts run it: a separate process that finds a panel window (here
// a stand-in of this test program with its own layout file), clicks the real pointer where the
// layout puts a button, and says what went wrong in one line with its exit code. Commands,
// keys, windows and the INI subcommands are what the end-to-end scripts use it for all along.
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
    lastOut = winetest::ReadWholeFile(stem + ".out");
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
  std::string lastOut;  // what the last run printed
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

// What the test dialogs were told, with the control's state at that moment: a real control
// changes first and notifies after.
struct Seen {
  UINT message;
  int id;
  int code;
  int position;  // the high word of a scroll message, signed
  std::string state;
  bool operator==(const Seen&) const = default;
};
std::vector<Seen> g_seen;

std::string StateOf(HWND control) {
  char cls[32] = {};
  GetClassNameA(control, cls, sizeof cls);
  if (lstrcmpiA(cls, "Button") == 0)
    return std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0));
  if (lstrcmpiA(cls, "ListBox") == 0)
    return std::to_string(SendMessageA(control, LB_GETCURSEL, 0, 0));
  if (lstrcmpiA(cls, TRACKBAR_CLASSA) == 0)
    return std::to_string(SendMessageA(control, TBM_GETPOS, 0, 0));
  char text[64] = {};
  GetWindowTextA(control, text, sizeof text);
  return text;
}

// Records commands and scrolls from the dialog's own children only. A sheet's page makes a
// button of its own (40 + its index) so that a test can tell the pages apart.
INT_PTR CALLBACK Recorder(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto from = reinterpret_cast<HWND>(lParam);
  switch (message) {
    case WM_INITDIALOG:
      if (lParam != 0) {
        const int id =
            40 + static_cast<int>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        CreateWindowExA(0, "Button", "Page", WS_CHILD | WS_VISIBLE, 5, 5, 60, 20, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
      }
      return TRUE;
    case WM_COMMAND:
      if (from == nullptr || GetParent(from) != dialog || GetDlgCtrlID(from) != LOWORD(wParam))
        return FALSE;
      g_seen.push_back({message, LOWORD(wParam), HIWORD(wParam), 0, StateOf(from)});
      return TRUE;
    case WM_HSCROLL:
      if (from == nullptr || GetParent(from) != dialog) return FALSE;
      g_seen.push_back({message, GetDlgCtrlID(from), LOWORD(wParam),
                        static_cast<short>(HIWORD(wParam)), StateOf(from)});
      return TRUE;
    default:
      return FALSE;
  }
}

// A dialog template without controls: they are added as windows, each with its id.
struct alignas(4) BlankTemplate {
  DLGTEMPLATE head;
  WORD menu, windowClass, title;
};

HWND AddControl(HWND dialog, const char* cls, const char* text, DWORD style, int id, int y,
                int height = 20) {
  return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 150, height, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

class RemoteDialog : public RemoteProgram {
 protected:
  void SetUp() override {
    RemoteProgram::SetUp();
    g_seen.clear();
    INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    static BlankTemplate blank{{WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 0, 0, 200, 300}, 0, 0, 0};
    dialog = CreateDialogIndirectParamA(nullptr, &blank.head, nullptr, Recorder, 0);
    ASSERT_NE(dialog, nullptr);
    SetWindowTextA(dialog, "Remote Test Dialog");
    AddControl(dialog, "Button", "Go", BS_PUSHBUTTON, 10, 5);
    AddControl(dialog, "Button", "Box", BS_AUTOCHECKBOX, 11, 30);
    AddControl(dialog, "Button", "A", BS_AUTORADIOBUTTON | WS_GROUP, 12, 55);
    AddControl(dialog, "Button", "B", BS_AUTORADIOBUTTON, 13, 80);
    AddControl(dialog, "Button", "Off", BS_PUSHBUTTON | WS_GROUP | WS_DISABLED, 14, 105);
    const HWND list = AddControl(dialog, "ListBox", "", LBS_NOTIFY | WS_BORDER, 20, 130, 60);
    for (const char* entry : {"10", "1", "2"})
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    const HWND formats = AddControl(dialog, "ComboBox", "", CBS_DROPDOWNLIST, 21, 195, 100);
    for (const char* entry : {"YUY2", "RGB555", "UYVY"})
      SendMessageA(formats, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    AddControl(dialog, "Edit", "", ES_AUTOHSCROLL | WS_BORDER, 22, 220);
    const HWND slider = AddControl(dialog, TRACKBAR_CLASSA, "", TBS_HORZ, 23, 245, 30);
    SendMessageA(slider, TBM_SETRANGEMIN, FALSE, -128);
    SendMessageA(slider, TBM_SETRANGEMAX, TRUE, 127);
    AddControl(dialog, "Edit", "fixed", ES_READONLY | WS_BORDER, 24, 280);
    AddControl(dialog, "Static", "Label", SS_LEFT, 25, 305);
    AddControl(dialog, "ComboBox", "", CBS_DROPDOWN | CBS_AUTOHSCROLL, 26, 330, 100);
    Pump(50);
  }
  void TearDown() override {
    if (dialog != nullptr) DestroyWindow(dialog);
    RemoteProgram::TearDown();
  }

  HWND dialog = nullptr;
};

constexpr UINT kCmd = WM_COMMAND;
constexpr UINT kScroll = WM_HSCROLL;

TEST_F(RemoteDialog, EachActionSetsTheControlThenNotifiesAsTheControlWould) {
  struct Step {
    const char* arguments;
    int exitCode;
    std::vector<Seen> seen;
    const char* printed = "";
  };
  const Step steps[] = {
      {"click 10", 0, {{kCmd, 10, BN_CLICKED, 0, "0"}}},
      {"check 11", 0, {{kCmd, 11, BN_CLICKED, 0, "1"}}},
      {"check 11", 0, {}},  // already checked: a user does nothing
      {"get 11", 0, {}, "checked\n"},
      {"uncheck 11", 0, {{kCmd, 11, BN_CLICKED, 0, "0"}}},
      {"click 11", 0, {{kCmd, 11, BN_CLICKED, 0, "1"}}},
      {"click 12", 0, {{kCmd, 12, BN_CLICKED, 0, "1"}}},
      {"check 13", 0, {{kCmd, 13, BN_CLICKED, 0, "1"}}},
      {"get 12", 0, {}, "unchecked\n"},  // its group cleared
      {"uncheck 13", 1, {}},
      {"click 14", 1, {}},  // disabled
      {"state 14", 0, {}, "disabled visible\n"},
      {"click 14 --force", 0, {{kCmd, 14, BN_CLICKED, 0, "0"}}},
      {"select 20 1", 0, {{kCmd, 20, LBN_SELCHANGE, 0, "1"}}},  // the entry "1", not "10"
      {"select-index 20 0", 0, {{kCmd, 20, LBN_SELCHANGE, 0, "0"}}},
      {"get 20", 0, {}, "0 10\n"},
      {"select 20 3", 1, {}},
      {"select 21 rgb555",
       0,
       {{kCmd, 21, CBN_SELENDOK, 0, "RGB555"}, {kCmd, 21, CBN_SELCHANGE, 0, "RGB555"}}},
      {"select-index 21 2",
       0,
       {{kCmd, 21, CBN_SELENDOK, 0, "UYVY"}, {kCmd, 21, CBN_SELCHANGE, 0, "UYVY"}}},
      {"get 21", 0, {}, "2 UYVY\n"},
      {"items 21", 0, {}, "YUY2\nRGB555\nUYVY\n"},
      {"select-index 21 3", 1, {}},
      {"set-text 22 \"C:\\Capture dir\"",
       0,
       {{kCmd, 22, EN_UPDATE, 0, "C:\\Capture dir"}, {kCmd, 22, EN_CHANGE, 0, "C:\\Capture dir"}}},
      {"get 22", 0, {}, "C:\\Capture dir\n"},
      {"set-text 24 x", 1, {}},  // read-only
      {"set-text 26 640x480",
       0,
       {{kCmd, 26, CBN_EDITUPDATE, 0, "640x480"}, {kCmd, 26, CBN_EDITCHANGE, 0, "640x480"}}},
      {"slide 23 -1",
       0,
       {{kScroll, 23, TB_THUMBPOSITION, -1, "-1"}, {kScroll, 23, TB_ENDTRACK, 0, "-1"}}},
      {"get 23", 0, {}, "-1\n"},
      {"slide 23 128", 1, {}},
      {"slide 23 -129", 1, {}},
      {"get 25", 0, {}, "Label\n"},
      {"click 25", 1, {}},  // not a button
      {"slide 22 5", 1, {}},
      {"click 99", 1, {}},
      {"tab 1", 1, {}},  // not a sheet
      {"frob 10", 2, {}},
      {"click", 2, {}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.arguments);
    g_seen.clear();
    const auto [code, err] = Remote("dialog \"remote test dialog\" "s + step.arguments);
    EXPECT_EQ(code, step.exitCode) << err;
    Pump(20);
    EXPECT_TRUE(g_seen == step.seen)
        << g_seen.size() << " messages, first " << (g_seen.empty() ? -1 : g_seen[0].code);
    EXPECT_EQ(lastOut, step.printed);
  }
  auto [code, err] = Remote("dialog \"No Such Dialog\" click 10");
  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("no dialog titled"), std::string::npos) << err;
}

void RealClick(HWND window, POINT client) {
  ClientToScreen(window, &client);
  SetCursorPos(client.x, client.y);
  INPUT press[2] = {};
  press[0].type = press[1].type = INPUT_MOUSE;
  press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, press, sizeof(INPUT));
}

POINT Middle(const RECT& r) {
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// What a user's real clicks on a control send, focus and drop-down news left out, against what
// the remote sends for the same choice from the same state.
TEST_F(RemoteDialog, NotifiesAsARealClickOnTheSameControlDoes) {
  SetWindowPos(dialog, HWND_TOPMOST, 620, 10, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  Pump(100);
  const HWND list = GetDlgItem(dialog, 20);
  const HWND combo = GetDlgItem(dialog, 21);
  const auto reset = [&] {
    for (const int id : {11, 12, 13})
      SendDlgItemMessageA(dialog, id, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    Pump(20);
    g_seen.clear();
  };
  const auto choices = [] {
    std::vector<Seen> seen;
    for (const Seen& s : g_seen) {
      const bool news = (s.id == 20 && (s.code == LBN_SETFOCUS || s.code == LBN_KILLFOCUS)) ||
                        (s.id == 21 && (s.code == CBN_SETFOCUS || s.code == CBN_KILLFOCUS ||
                                        s.code == CBN_DROPDOWN || s.code == CBN_CLOSEUP));
      if (!news) seen.push_back(s);
    }
    return seen;
  };
  // Buttons are clicked in their middle, the list box on its third entry, the combo box is
  // dropped and its second entry clicked.
  const struct {
    int id;
    const char* remote;
  } cases[] = {{11, "check 11"}, {13, "click 13"}, {20, "select 20 2"}, {21, "select 21 RGB555"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.remote);
    const HWND control = GetDlgItem(dialog, c.id);
    reset();
    RECT area{};
    if (c.id == 20) {
      SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&area));
      RealClick(list, Middle(area));
    } else if (c.id == 21) {
      GetClientRect(combo, &area);
      RealClick(combo, Middle(area));
      ASSERT_TRUE(WaitFor([&] { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }));
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      GetComboBoxInfo(combo, &info);
      SendMessageA(info.hwndList, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&area));
      RealClick(info.hwndList, Middle(area));
    } else {
      GetClientRect(control, &area);
      RealClick(control, Middle(area));
    }
    ASSERT_TRUE(WaitFor([&] { return !choices().empty(); })) << "the real click sent nothing";
    Pump(100);
    const std::vector<Seen> real = choices();
    reset();
    const auto [code, err] = Remote("dialog \"Remote Test Dialog\" "s + c.remote);
    EXPECT_EQ(code, 0) << err;
    Pump(20);
    const std::vector<Seen> remote = choices();
    EXPECT_TRUE(remote == real) << "real " << real.size() << " first " << real[0].code
                                << ", remote " << remote.size();
  }
}

TEST_F(RemoteDialog, TabsSwitchTheSheetsPageAndControlsAreFoundOnTheCurrentPage) {
  static BlankTemplate blank{{WS_CHILD | WS_CAPTION, 0, 0, 0, 0, 150, 80}, 0, 0, 0};
  PROPSHEETPAGEA pages[2] = {};
  for (int i = 0; i < 2; ++i) {
    pages[i].dwSize = sizeof pages[i];
    pages[i].dwFlags = PSP_DLGINDIRECT | PSP_USETITLE;
    pages[i].pResource = &blank.head;
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
  const auto page = [&] {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  };
  const HWND first = page();

  auto [code, err] = Remote("dialog \"Remote Test Sheet\" page");
  EXPECT_EQ(code, 0) << err;
  EXPECT_EQ(lastOut, "0\n");
  std::tie(code, err) = Remote("dialog \"Remote Test Sheet\" tab 1");
  EXPECT_EQ(code, 0) << err;
  EXPECT_NE(page(), first);
  EXPECT_NE(GetDlgItem(page(), 41), nullptr);
  Remote("dialog \"Remote Test Sheet\" page");
  EXPECT_EQ(lastOut, "1\n");

  g_seen.clear();
  std::tie(code, err) = Remote("dialog \"Remote Test Sheet\" click 41");
  EXPECT_EQ(code, 0) << err;
  const std::vector<Seen> pageClick = {{kCmd, 41, BN_CLICKED, 0, "0"}};
  EXPECT_TRUE(g_seen == pageClick);
  // The first page's button is not on the page shown; a page that does not exist is refused.
  EXPECT_EQ(Remote("dialog \"Remote Test Sheet\" click 40").first, 1);
  std::tie(code, err) = Remote("dialog \"Remote Test Sheet\" tab 2");
  EXPECT_EQ(code, 1);
  EXPECT_NE(err.find("2 pages"), std::string::npos) << err;

  // The sheet's own Cancel, found on the sheet when the page has no such control, closes it.
  std::tie(code, err) = Remote("dialog \"Remote Test Sheet\" click 2 --post");
  EXPECT_EQ(code, 0) << err;
  EXPECT_TRUE(WaitFor([&] { return page() == nullptr; })) << "the sheet did not close";
  DestroyWindow(sheet);
}

}  // namespace
}  // namespace tv::remote
