#include "panel_input.h"

#include <vector>

#include "app/panel_context.h"
#include "arguments.h"

namespace tv::remote {
namespace {

constexpr DWORD kForegroundWaitMs = 1000;
constexpr DWORD kPollMs = 10;

INPUT MouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  return input;
}

INPUT KeyInput(VirtualKey key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags =
      (up ? KEYEVENTF_KEYUP : 0u) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0u);
  return input;
}

void Send(std::vector<INPUT> inputs) {
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  if (sent != inputs.size()) RuntimeError("the system refused the input (SendInput)");
}

// Absolute pointer coordinates are 0..65535 across the virtual screen. Aiming at the middle
// of the pixel makes the conversion back land on the pixel whichever way it rounds.
LONG Normalised(LONG pixel, int origin, int extent) {
  if (extent <= 0) return 0;
  return static_cast<LONG>((2LL * (pixel - origin) + 1) * 65536 / (2LL * extent));
}

POINT ToScreen(HWND window, POINT client) {
  POINT p = client;
  ClientToScreen(window, &p);
  return p;
}

void MoveTo(POINT screen) {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK,
                   Normalised(screen.x, left, width), Normalised(screen.y, top, height))});
  // Should the conversion still land a pixel off, put the pointer exactly where it belongs;
  // that too reaches the window as a mouse move.
  POINT now{};
  if (GetCursorPos(&now) && (now.x != screen.x || now.y != screen.y))
    SetCursorPos(screen.x, screen.y);
}

bool ClassIs(HWND window, const std::string& className) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className.c_str()) == 0;
}

struct Search {
  const std::string* title;
  const std::string* className;
  WindowMatch found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  Search& search = *reinterpret_cast<Search*>(data);
  char title[512] = {};
  GetWindowTextA(window, title, sizeof title);
  if (lstrcmpiA(title, search.title->c_str()) != 0) return TRUE;
  if (search.className != nullptr && !ClassIs(window, *search.className)) return TRUE;
  // A visible match wins over hidden ones of the same name.
  const bool visible = IsWindowVisible(window) != FALSE;
  if (search.found.window == nullptr || (visible && !search.found.visible))
    search.found = WindowMatch{window, visible};
  return TRUE;
}

}  // namespace

HWND FindPanel() {
  const HWND panel = FindWindowA(kPanelClass, kPanelTitle);
  if (panel == nullptr)
    RuntimeError(std::string("no panel is running (no window of class \"") + kPanelClass +
                 "\" titled \"" + kPanelTitle + "\")");
  return panel;
}

bool BringToForeground(HWND window) {
  SetForegroundWindow(window);
  for (DWORD waited = 0; waited < kForegroundWaitMs; waited += kPollMs) {
    if (GetForegroundWindow() == window) return true;
    Sleep(kPollMs);
  }
  return GetForegroundWindow() == window;
}

void MovePointer(HWND window, POINT client) {
  MoveTo(ToScreen(window, client));
}

void Click(HWND window, POINT client, DWORD holdMs) {
  MoveTo(ToScreen(window, client));
  if (holdMs == 0) {
    Send({MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
    return;
  }
  Send({MouseInput(MOUSEEVENTF_LEFTDOWN)});
  Sleep(holdMs);
  Send({MouseInput(MOUSEEVENTF_LEFTUP)});
}

void TypeChord(const KeyChord& chord) {
  std::vector<INPUT> inputs;
  for (const VirtualKey modifier : chord.modifiers) inputs.push_back(KeyInput(modifier, false));
  inputs.push_back(KeyInput(chord.key, false));
  inputs.push_back(KeyInput(chord.key, true));
  for (auto it = chord.modifiers.rbegin(); it != chord.modifiers.rend(); ++it)
    inputs.push_back(KeyInput(*it, true));
  Send(std::move(inputs));
}

WindowMatch FindTopLevel(const std::string& title, const std::string* className) {
  Search search{&title, className, {}};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tv::remote
