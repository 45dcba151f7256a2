// tvremote: drives the running panel from a shell or a script. Commands go to the panel as
// WM_COMMAND; clicks and keys go through the system's input queue so that the panel sees
// exactly what a user's mouse and keyboard would give it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/locations.h"
#include "base/settings_file.h"
#include "arguments.h"
#include "button_places.h"
#include "command_names.h"
#include "dialog_driver.h"
#include "ini_access.h"
#include "key_names.h"
#include "list_control.h"
#include "panel_input.h"
#include "win32/platform/win32_platform.h"

namespace tv::remote {
namespace {

constexpr const char* kHelp = R"(tvremote: remote control for the running TV panel

usage: tvremote SUBCOMMAND [ARGUMENTS]

  cmd NAME|ID [LPARAM] [--send [--timeout MS]]
      Posts WM_COMMAND with the command id to the panel (class "Brivanta Zentaro",
      title "Panel"). NAME is one of the names of "cmd --list" (channel-up, mute,
      source-fm, digit-5, peer-ready, scan-ended, ...); ID is a raw id 0..65535.
      LPARAM is a 32-bit integer, decimal or 0x-hex (default 0). --send sends and
      waits until the panel has handled the command; --timeout gives up after MS.
  cmd --list
      Prints every command name with its id.
  click BUTTON [--hold MS]
      Moves the mouse to the centre of the button, presses and releases the left
      button (holding it MS milliseconds). BUTTON is a layout name, any case:
      NUM0..NUM9 VOLDOWN VOLUP CHDOWN CHUP TVAIR CABLE COMPOSITE SVIDEO ADD DEC CLOSE
      HIDEPANEL HELP REC PLAY FORWARD BACK PAUSE STOP STOPREC MUTE FM CAPTUE (CAPTURE)
      TIME CH TOOL SCAN SKIN OPENPANEL EMAIL LISTVIEW PAINT MOVIEEDIT TELETEXT STEREO
      LEFTOPEN LOGOKOVA DOWNCLOSE. The rectangle comes from the layout file of
      win.ini [AP] (skin "PanelNow") in the shape the panel's window size shows:
      folded, down part open, side part open, or both.
  click-at X Y [--hold MS]
      Clicks at client coordinates X Y of the panel window.
  move BUTTON
      Moves the mouse over the button without clicking.
  key KEY [KEY...]
      Types keys to the panel after bringing it to the foreground: a letter or digit
      (M, 5), F1..F12, space, pgup, pgdn, up, down, left, right, add, subtract,
      multiply, divide, decimal, numpad0..numpad9, enter, esc, tab, backspace, home,
      end, insert, delete, or a chord such as ctrl+alt+f4 (modifiers ctrl, alt, shift,
      win). Global hot keys work while the panel is hidden too.
  wait-window TITLE [SECONDS] [--class CLASS] [--hidden]
      Waits until a top-level window with the title (and class) is visible, or with
      --hidden until none is visible. SECONDS defaults to 10 and may have a fraction.
  window TITLE [--class CLASS]
      Prints the window's screen rectangle and visibility: LEFT TOP WIDTH HEIGHT
      visible|hidden.
  get FILE SECTION KEY
      Prints the value of the key.
  set FILE SECTION KEY VALUE
      Writes the value.
  delete FILE SECTION [KEY]
      Deletes the key, or the whole section.
      FILE is a path or one of the words "settings", "panel" (the two INI files of
      win.ini [AP]) and "win.ini".
  dialog TITLE ACTION ... [--post] [--force] [--timeout MS]
      Drives a dialog or a property sheet found by its title (any case). ID is a
      control id; on a sheet it is looked up on the current page, then on the sheet
      itself (OK 1, Cancel 2). The remote sets the control as a user would and then
      sends the dialog the notification the control would have sent:
        click ID            a button: BN_CLICKED; an automatic check box toggles, an
                            automatic radio button is checked and clears its group
        check ID, uncheck ID  a check box or radio button, as a click when its state
                            differs (nothing when it is already so)
        select ID TEXT      the list or combo box entry equal to TEXT (else equal
                            without regard to case; never a prefix): a list box sends
                            LBN_SELCHANGE (when it notifies), a combo box CBN_SELENDOK
                            then CBN_SELCHANGE
        select-index ID N   the same for the entry at index N (from 0)
        set-text ID TEXT    an edit (or a combo box's edit field): replaces the text as
                            typing does, so the edit itself sends EN_UPDATE, EN_CHANGE
        slide ID POSITION   a slider: moves the thumb, then WM_HSCROLL (WM_VSCROLL when
                            vertical) with TB_THUMBPOSITION and POSITION, then
                            TB_ENDTRACK, both with the slider's handle
        get ID              prints the value: a check box's or radio button's state
                            (checked, unchecked, indeterminate), a list or combo box's
                            selection ("INDEX TEXT", or -1), a slider's position, else
                            the text
        items ID            prints a list or combo box's entries, one a line
        state ID            prints "enabled|disabled visible|hidden"
        tab N               shows page N (from 0) of a property sheet (PSM_SETCURSEL)
        page                prints the index of the sheet's current page
      The remote waits until the dialog has handled each message (at most --timeout
      MS, default 10000); --post posts instead, for an action that opens a modal
      window. Disabled controls are refused unless --force, as are read-only edits.
  list down|side count
  list down|side text N [COLUMN]
  list down|side select N [N...]
  list down|side activate N
  list down|side sort COLUMN
  list down menu edit|email|saveas|delete|deleteall
  list side menu name [TEXT] [--close] | save | close
      The captured-files list (down) and the channel list (side): the number of
      items, an item's text (COLUMN 0 the name, 1-4 size, type, time, path), a
      selection (only these items, the last one marked), an activation (a double
      click's notification), a column header's click, a file-menu choice (the command the menu sends; it
      needs a selection), and the channel-name dialog of the marked entry: TEXT
      is typed as the name and saved; --close closes the dialog afterwards.

Exit codes: 0 done; 1 failed (no panel, no such window, control, entry or key,
disabled control, time-out, cannot write); 2 wrong command line. Errors are one
line on stderr.
)";

constexpr long long kDefaultWaitMs = 10000;
constexpr DWORD kWaitPollMs = 50;

std::vector<std::string> Words(int argc, char** argv, int from) {
  std::vector<std::string> words;
  for (int i = from; i < argc; ++i) words.emplace_back(argv[i]);
  return words;
}

long long IntegerArgument(const std::string& text, long long min, long long max, const char* what) {
  const std::optional<long long> value = ParseInteger(text);
  if (!value || *value < min || *value > max)
    UsageError(std::string(what) + " must be an integer from " + std::to_string(min) + " to " +
               std::to_string(max) + ", not \"" + text + "\"");
  return *value;
}

DWORD HoldMs(const Arguments& args) {
  const std::optional<std::string> hold = args.Value("--hold");
  return hold ? static_cast<DWORD>(IntegerArgument(*hold, 0, 60000, "--hold")) : 0;
}

int ListCommands() {
  for (const CommandName& c : kCommandNames)
    std::printf("%-22s %5u%s\n", c.name, static_cast<unsigned>(c.id),
                c.origin == CommandOrigin::Peer ? "  (from a peer)" : "");
  return kExitOk;
}

int RunCmd(std::span<const std::string> words) {
  const Arguments args(words, {{"--send", "--list"}, {"--timeout"}});
  if (args.Has("--list")) {
    args.ExpectCount(0, 0, "cmd --list");
    return ListCommands();
  }
  args.ExpectCount(1, 2, "cmd NAME|ID [LPARAM] [--send [--timeout MS]]");
  const std::string& what = args.Positional()[0];
  const std::optional<cmd::Id> id = ParseCommand(what);
  if (!id)
    UsageError("unknown command \"" + what +
               "\" (not a name of \"tvremote cmd --list\" nor an id 0..65535)");
  // lParam is a 32-bit value; 0x80000000 and above are taken as its bit pattern.
  const long long raw = args.Positional().size() > 1
                            ? IntegerArgument(args.Positional()[1], INT32_MIN, UINT32_MAX, "LPARAM")
                            : 0;
  const auto lParam = static_cast<std::int32_t>(static_cast<std::uint32_t>(raw));
  const std::optional<std::string> timeout = args.Value("--timeout");
  if (timeout && !args.Has("--send")) UsageError("--timeout goes with --send");

  const HWND panel = FindPanel();
  const WPARAM wParam = MAKEWPARAM(*id, 0);
  if (!args.Has("--send")) {
    if (!PostMessageA(panel, WM_COMMAND, wParam, lParam))
      RuntimeError("could not post the command to the panel");
    return kExitOk;
  }
  if (!timeout) {
    SendMessageA(panel, WM_COMMAND, wParam, lParam);
    return kExitOk;
  }
  const auto ms = static_cast<UINT>(IntegerArgument(*timeout, 1, 3600000, "--timeout"));
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(panel, WM_COMMAND, wParam, lParam, SMTO_NORMAL, ms, &result))
    RuntimeError("the panel did not handle the command within " + std::to_string(ms) + " ms");
  return kExitOk;
}

// The panel must be on the screen, in one of its four sizes, to be clicked.
struct PanelOnScreen {
  HWND window;
  Size size;
};

PanelOnScreen VisiblePanel() {
  const HWND panel = FindPanel();
  if (!IsWindowVisible(panel)) RuntimeError("the panel window is hidden");
  if (IsIconic(panel)) RuntimeError("the panel window is minimised");
  RECT r{};
  GetWindowRect(panel, &r);
  return {panel, Size{r.right - r.left, r.bottom - r.top}};
}

// The button's click point in the panel's client coordinates, for the shape its size shows.
POINT ButtonPoint(const std::string& name, const PanelOnScreen& panel) {
  const std::optional<int> index = ButtonByName(name);
  if (!index) UsageError("unknown button \"" + name + "\" (see tvremote --help)");

  win32::Win32Profile profile;
  win32::Win32FileSystem files;
  const IniFile panelIni(profile, ResolveLocations(profile, files).panelIni);
  panel::PanelLayout layout;
  panel::LoadPanelLayout(layout, panelIni);
  const std::optional<PanelShape> shape = ShapeForSize(layout.geometry, panel.size);
  if (!shape)
    RuntimeError("the panel's size " + std::to_string(panel.size.width) + "x" +
                 std::to_string(panel.size.height) + " is none of the four shapes of skin " +
                 std::to_string(layout.skin) + " in " + panelIni.Path());
  layout = LayoutInShape(panelIni, *shape);
  const Rect rect = ButtonRectIn(layout, *shape, *index);
  const std::optional<Point> point = ClickPoint(rect);
  const std::string described =
      std::string("button ") + panel::kButtonTable[*index].stem + " in shape " + ShapeName(*shape);
  if (!point) RuntimeError(described + " has an empty rectangle");
  if (point->x < 0 || point->y < 0 || point->x >= panel.size.width || point->y >= panel.size.height)
    RuntimeError(described + " lies outside the panel window");
  return POINT{point->x, point->y};
}

int RunClick(std::span<const std::string> words) {
  const Arguments args(words, {{}, {"--hold"}});
  args.ExpectCount(1, 1, "click BUTTON [--hold MS]");
  const DWORD hold = HoldMs(args);
  const PanelOnScreen panel = VisiblePanel();
  const POINT point = ButtonPoint(args.Positional()[0], panel);
  BringToForeground(panel.window);
  Click(panel.window, point, hold);
  return kExitOk;
}

int RunClickAt(std::span<const std::string> words) {
  const Arguments args(words, {{}, {"--hold"}});
  args.ExpectCount(2, 2, "click-at X Y [--hold MS]");
  const auto x = static_cast<LONG>(IntegerArgument(args.Positional()[0], -32768, 32767, "X"));
  const auto y = static_cast<LONG>(IntegerArgument(args.Positional()[1], -32768, 32767, "Y"));
  const DWORD hold = HoldMs(args);
  const PanelOnScreen panel = VisiblePanel();
  BringToForeground(panel.window);
  Click(panel.window, POINT{x, y}, hold);
  return kExitOk;
}

int RunMove(std::span<const std::string> words) {
  const Arguments args(words, {});
  args.ExpectCount(1, 1, "move BUTTON");
  const PanelOnScreen panel = VisiblePanel();
  const POINT point = ButtonPoint(args.Positional()[0], panel);
  BringToForeground(panel.window);
  MovePointer(panel.window, point);
  return kExitOk;
}

int RunKey(std::span<const std::string> words) {
  const Arguments args(words, {});
  if (args.Positional().empty()) UsageError("usage: tvremote key KEY [KEY...]");
  std::vector<KeyChord> chords;
  for (const std::string& word : args.Positional()) {
    const std::optional<KeyChord> chord = ParseKeyChord(word);
    if (!chord) UsageError("unknown key \"" + word + "\" (see tvremote --help)");
    chords.push_back(*chord);
  }
  const HWND panel = FindPanel();
  // A hidden panel cannot take the focus; its global hot key still reaches it.
  if (IsWindowVisible(panel) && !BringToForeground(panel))
    RuntimeError("could not bring the panel to the foreground");
  for (const KeyChord& chord : chords) TypeChord(chord);
  return kExitOk;
}

int RunWaitWindow(std::span<const std::string> words) {
  const Arguments args(words, {{"--hidden"}, {"--class"}});
  args.ExpectCount(1, 2, "wait-window TITLE [SECONDS] [--class CLASS] [--hidden]");
  const std::string& title = args.Positional()[0];
  long long waitMs = kDefaultWaitMs;
  if (args.Positional().size() > 1) {
    const std::optional<long long> ms = ParseSecondsAsMs(args.Positional()[1]);
    if (!ms) UsageError("SECONDS must be a number such as 10 or 2.5");
    waitMs = *ms;
  }
  const std::optional<std::string> className = args.Value("--class");
  const bool hidden = args.Has("--hidden");
  const auto done = [&] {
    const WindowMatch match = FindTopLevel(title, className ? &*className : nullptr);
    return hidden ? !match.visible : match.visible;
  };
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(waitMs);
  while (!done()) {
    if (GetTickCount64() >= end)
      RuntimeError("timed out after " + std::to_string(waitMs) + " ms waiting for window \"" +
                   title + "\"" + (className ? " of class \"" + *className + "\"" : "") +
                   (hidden ? " to go away" : " to be visible"));
    Sleep(kWaitPollMs);
  }
  return kExitOk;
}

int RunWindow(std::span<const std::string> words) {
  const Arguments args(words, {{}, {"--class"}});
  args.ExpectCount(1, 1, "window TITLE [--class CLASS]");
  const std::string& title = args.Positional()[0];
  const std::optional<std::string> className = args.Value("--class");
  const WindowMatch match = FindTopLevel(title, className ? &*className : nullptr);
  if (match.window == nullptr) RuntimeError("no window titled \"" + title + "\"");
  RECT r{};
  GetWindowRect(match.window, &r);
  std::printf("%ld %ld %ld %ld %s\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
              match.visible ? "visible" : "hidden");
  return kExitOk;
}

// FILE of get, set and delete. A relative path is taken from the current directory here:
// the profile calls would otherwise look for a bare name in the Windows folder.
IniTarget IniTargetFor(const std::string& file, Profile& profile) {
  win32::Win32FileSystem files;
  if (const auto target = TargetForWord(WordOf(file), profile, files)) return *target;
  char full[MAX_PATH] = {};
  const DWORD n = GetFullPathNameA(file.c_str(), MAX_PATH, full, nullptr);
  if (n == 0 || n >= MAX_PATH) RuntimeError("cannot use the path \"" + file + "\"");
  return IniTarget{false, full};
}

int RunGet(std::span<const std::string> words) {
  const Arguments args(words, {});
  args.ExpectCount(3, 3, "get FILE SECTION KEY");
  const auto& p = args.Positional();
  win32::Win32Profile profile;
  const IniTarget target = IniTargetFor(p[0], profile);
  const std::optional<std::string> value = ReadIniValue(profile, target, p[1], p[2]);
  if (!value) RuntimeError("no key \"" + p[2] + "\" in [" + p[1] + "] of " + p[0]);
  std::printf("%s\n", value->c_str());
  return kExitOk;
}

int RunSet(std::span<const std::string> words) {
  const Arguments args(words, {});
  args.ExpectCount(4, 4, "set FILE SECTION KEY VALUE");
  const auto& p = args.Positional();
  win32::Win32Profile profile;
  const IniTarget target = IniTargetFor(p[0], profile);
  if (!WriteIniValue(profile, target, p[1], p[2], p[3]))
    RuntimeError("cannot write [" + p[1] + "] " + p[2] + " to " + p[0]);
  return kExitOk;
}

int RunDelete(std::span<const std::string> words) {
  const Arguments args(words, {});
  args.ExpectCount(2, 3, "delete FILE SECTION [KEY]");
  const auto& p = args.Positional();
  win32::Win32Profile profile;
  const IniTarget target = IniTargetFor(p[0], profile);
  const std::optional<std::string> key = p.size() > 2 ? std::optional(p[2]) : std::nullopt;
  if (!DeleteIniValue(profile, target, p[1], key)) RuntimeError("cannot delete from " + p[0]);
  return kExitOk;
}

struct Subcommand {
  const char* name;
  int (*run)(std::span<const std::string> words);
};

constexpr Subcommand kSubcommands[] = {
    {"cmd", RunCmd},       {"click", RunClick},   {"click-at", RunClickAt},
    {"move", RunMove},     {"key", RunKey},       {"wait-window", RunWaitWindow},
    {"window", RunWindow}, {"get", RunGet},       {"set", RunSet},
    {"delete", RunDelete}, {"dialog", RunDialog}, {"list", RunList},
};

int Run(int argc, char** argv) {
  if (argc < 2) UsageError("no subcommand (tvremote --help lists them)");
  const std::string first = argv[1];
  if (first == "--help" || first == "-h" || first == "help") {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  const std::vector<std::string> words = Words(argc, argv, 2);
  for (const Subcommand& s : kSubcommands)
    if (first == s.name) return s.run(words);
  UsageError("unknown subcommand \"" + first + "\" (tvremote --help lists them)");
}

}  // namespace
}  // namespace tv::remote

int main(int argc, char** argv) {
  using namespace tv::remote;
  // Plain "\n" line ends: scripts read the output in shells on both sides of Wine.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  int code = kExitOk;
  try {
    code = Run(argc, argv);
  } catch (const Failure& failure) {
    std::fprintf(stderr, "tvremote: %s\n", failure.message.c_str());
    code = failure.exitCode;
  }
  std::fflush(stdout);
  return code;
}
