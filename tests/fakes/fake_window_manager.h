#pragma once
// Window operations recorded: the current state of every window the behaviour touched, and the
// order of operations as readable lines ("Resize 0x100 643x356") for tests that check order.

#include <map>
#include <string>
#include <vector>

#include "platform/window_manager.h"

namespace tv::fakes {

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
  void Show(WindowRef window, int showState) override;
  void SetTopmost(WindowRef window, bool topmost) override;
  void Resize(WindowRef window, int width, int height) override;
  void Move(WindowRef window, int x, int y, int width, int height, bool repaint) override;
  ScreenRect WindowRect(WindowRef window) override;
  Size ScreenSize() override { return screen; }
  bool SetRegion(WindowRef window, const std::vector<Point>& polygon) override;
  void BringToForeground(WindowRef window) override;
  void SetFocus(WindowRef window) override;
  void Invalidate(WindowRef window) override;
  void UpdateNow(WindowRef window) override;
  void Destroy(WindowRef window) override;
  void CaptureMouse(WindowRef window) override;
  void ReleaseMouse() override;
  void SetCursor(Cursor cursor) override;
  WindowRef CreateList(ListWindow kind) override;

  FakeWindowState& State(WindowRef window) { return windows[window.id]; }
  // Lines of the event log that start with prefix ("Resize", "Show 0x100", ...).
  std::vector<std::string> EventsStartingWith(const std::string& prefix) const;

  Size screen{1024, 768};
  std::map<std::uintptr_t, FakeWindowState> windows;
  std::vector<std::string> events;
  WindowRef captured;
  WindowRef foreground;
  WindowRef focus;
  Cursor cursor = Cursor::Arrow;
  std::vector<Cursor> cursorHistory;
  std::map<ListWindow, WindowRef> lists;
  int listsCreated = 0;

 private:
  std::uintptr_t nextList_ = 0x9000;
};

std::string Hex(WindowRef window);

}  // namespace tv::fakes
