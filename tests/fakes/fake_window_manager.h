#pragma once
// Window operations recorded: the state of every window the behaviour touched, and the order
// of operations as readable lines ("Destroy 0x9000") for tests that check order.

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
  bool destroyed = false;
  ScreenRect rect;
  int invalidations = 0;
};

class FakeWindowManager : public WindowManager {
 public:
  void Show(WindowRef window, int showState) override {
    State(window).lastShow = showState;
    State(window).visible = showState != kSwHide && showState != kSwMinimize;
    Log("Show", window);
  }
  void SetTopmost(WindowRef window, bool) override { Log("Topmost", window); }
  void Resize(WindowRef window, int width, int height) override {
    auto& r = State(window).rect;
    r.right = r.left + width;
    r.bottom = r.top + height;
    Log("Resize", window);
  }
  void Move(WindowRef window, int x, int y, int width, int height, bool) override {
    State(window).rect = ScreenRect{x, y, x + width, y + height};
    Log("Move", window);
  }
  ScreenRect WindowRect(WindowRef window) override { return State(window).rect; }
  Size ScreenSize() override { return Size{1024, 768}; }
  bool SetRegion(WindowRef window, const std::vector<Point>& polygon) override {
    Log("Region", window);
    return polygon.size() >= 3;  // as a region needs
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
  void UpdateNow(WindowRef window) override { Log("Update", window); }
  void Destroy(WindowRef window) override {
    State(window).destroyed = true;
    State(window).visible = false;
    Log("Destroy", window);
  }
  void CaptureMouse(WindowRef window) override { captured = window; }
  void ReleaseMouse() override { captured = {}; }
  void SetCursor(Cursor shape) override { cursor = shape; }
  WindowRef CreateList(ListWindow) override {
    const WindowRef list{0x9000 + 0x10 * static_cast<std::uintptr_t>(listsCreated++)};
    Log("CreateList", list);
    return list;
  }

  FakeWindowState& State(WindowRef window) { return windows_[window.id]; }
  // Lines of the event log that start with prefix ("Destroy", "Show 0x100", ...).
  std::vector<std::string> EventsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& e : events)
      if (e.rfind(prefix, 0) == 0) found.push_back(e);
    return found;
  }

  std::vector<std::string> events;
  WindowRef captured;
  WindowRef foreground;
  WindowRef focus;
  Cursor cursor = Cursor::Arrow;
  int listsCreated = 0;

 private:
  void Log(const std::string& what, WindowRef window) {
    events.push_back(what + " " + Hex(window));
  }
  std::map<std::uintptr_t, FakeWindowState> windows_;
};

}  // namespace tv::fakes
