#pragma once
// Window operations recorded: the current state of every window the behaviour touched, and the
// order of operations as readable lines ("Resize 0x100 643x356") for tests that check order.

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/window_manager.h"

namespace tv::fakes {

inline std::string Hex(WindowRef window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(window.id));
  return text;
}

struct FakeWindowState {
  bool visible = false;
  int lastShow = -1;
  bool topmost = false;
  bool destroyed = false;
  ScreenRect rect;
  std::vector<Point> region;  // empty: never shaped
  int invalidations = 0;
  int updates = 0;
};

class FakeWindowManager : public WindowManager {
 public:
  void Show(WindowRef window, int showState) override {
    State(window).lastShow = showState;
    State(window).visible = showState != kSwHide && showState != kSwMinimize;
    Log("Show", window, " " + std::to_string(showState));
  }
  void SetTopmost(WindowRef window, bool topmost) override {
    State(window).topmost = topmost;
    Log("Topmost", window, topmost ? " 1" : " 0");
  }
  void Resize(WindowRef window, int width, int height) override {
    auto& r = State(window).rect;
    r.right = r.left + width;
    r.bottom = r.top + height;
    Log("Resize", window, " " + std::to_string(width) + "x" + std::to_string(height));
  }
  void Move(WindowRef window, int x, int y, int width, int height, bool repaint) override {
    State(window).rect = ScreenRect{x, y, x + width, y + height};
    Log("Move", window,
        " " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width) + "x" +
            std::to_string(height) + (repaint ? " repaint" : ""));
  }
  ScreenRect WindowRect(WindowRef window) override { return State(window).rect; }
  Size ScreenSize() override { return screen; }
  bool SetRegion(WindowRef window, const std::vector<Point>& polygon) override {
    // A polygon needs at least three corners, as a region would.
    if (polygon.size() < 3) return false;
    State(window).region = polygon;
    Log("Region", window, " " + std::to_string(polygon.size()));
    return true;
  }
  void BringToForeground(WindowRef window) override {
    foreground = window;
    Log("Foreground", window);
  }
  void SetFocus(WindowRef window) override {
    focus = window;
    Log("Focus", window);
  }
  void Invalidate(WindowRef window) override {
    ++State(window).invalidations;
    Log("Invalidate", window);
  }
  void UpdateNow(WindowRef window) override {
    ++State(window).updates;
    Log("Update", window);
  }
  void Destroy(WindowRef window) override {
    State(window).destroyed = true;
    State(window).visible = false;
    Log("Destroy", window);
  }
  void CaptureMouse(WindowRef window) override { captured = window; }
  void ReleaseMouse() override { captured = {}; }
  void SetCursor(Cursor shape) override { cursor = shape; }
  WindowRef CreateList(ListWindow kind) override {
    const WindowRef list{0x9000 + 0x10 * static_cast<std::uintptr_t>(listsCreated++)};
    Log(kind == ListWindow::Down ? "CreateList Down" : "CreateList Side", list);
    return list;
  }

  FakeWindowState& State(WindowRef window) { return windows[window.id]; }
  // Lines of the event log that start with prefix ("Resize", "Show 0x100", ...).
  std::vector<std::string> EventsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& e : events)
      if (e.rfind(prefix, 0) == 0) found.push_back(e);
    return found;
  }

  Size screen{1024, 768};
  std::map<std::uintptr_t, FakeWindowState> windows;
  std::vector<std::string> events;
  WindowRef captured;
  WindowRef foreground;
  WindowRef focus;
  Cursor cursor = Cursor::Arrow;
  int listsCreated = 0;

 private:
  void Log(const std::string& what, WindowRef window, const std::string& rest = {}) {
    events.push_back(what + " " + Hex(window) + rest);
  }
};

}  // namespace tv::fakes
