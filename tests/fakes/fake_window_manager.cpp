#include "fakes/fake_window_manager.h"

#include <cstdio>

namespace tv::fakes {

std::string Hex(WindowRef window) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(window.id));
  return text;
}

void FakeWindowManager::Show(WindowRef window, int showState) {
  auto& w = windows[window.id];
  w.lastShow = showState;
  w.visible = showState != kSwHide && showState != kSwMinimize;
  events.push_back("Show " + Hex(window) + " " + std::to_string(showState));
}

void FakeWindowManager::SetTopmost(WindowRef window, bool topmost) {
  windows[window.id].topmost = topmost;
  events.push_back("Topmost " + Hex(window) + " " + (topmost ? "1" : "0"));
}

void FakeWindowManager::Resize(WindowRef window, int width, int height) {
  auto& r = windows[window.id].rect;
  r.right = r.left + width;
  r.bottom = r.top + height;
  events.push_back("Resize " + Hex(window) + " " + std::to_string(width) + "x" +
                   std::to_string(height));
}

void FakeWindowManager::Move(WindowRef window, int x, int y, int width, int height, bool repaint) {
  windows[window.id].rect = ScreenRect{x, y, x + width, y + height};
  events.push_back("Move " + Hex(window) + " " + std::to_string(x) + "," + std::to_string(y) + " " +
                   std::to_string(width) + "x" + std::to_string(height) +
                   (repaint ? " repaint" : ""));
}

ScreenRect FakeWindowManager::WindowRect(WindowRef window) {
  return windows[window.id].rect;
}

bool FakeWindowManager::SetRegion(WindowRef window, const std::vector<Point>& polygon) {
  // A polygon needs at least three corners, as a region would.
  if (polygon.size() < 3) return false;
  windows[window.id].region = polygon;
  events.push_back("Region " + Hex(window) + " " + std::to_string(polygon.size()));
  return true;
}

void FakeWindowManager::BringToForeground(WindowRef window) {
  foreground = window;
  events.push_back("Foreground " + Hex(window));
}

void FakeWindowManager::SetFocus(WindowRef window) {
  focus = window;
  events.push_back("Focus " + Hex(window));
}

void FakeWindowManager::Invalidate(WindowRef window) {
  ++windows[window.id].invalidations;
  events.push_back("Invalidate " + Hex(window));
}

void FakeWindowManager::UpdateNow(WindowRef window) {
  ++windows[window.id].updates;
  events.push_back("Update " + Hex(window));
}

void FakeWindowManager::Destroy(WindowRef window) {
  windows[window.id].destroyed = true;
  windows[window.id].visible = false;
  events.push_back("Destroy " + Hex(window));
}

void FakeWindowManager::CaptureMouse(WindowRef window) {
  captured = window;
}

void FakeWindowManager::ReleaseMouse() {
  captured = {};
}

void FakeWindowManager::SetCursor(Cursor shape) {
  cursor = shape;
  cursorHistory.push_back(shape);
}

WindowRef FakeWindowManager::CreateList(ListWindow kind) {
  const WindowRef list{nextList_};
  nextList_ += 0x10;
  lists[kind] = list;
  ++listsCreated;
  events.push_back(std::string("CreateList ") + (kind == ListWindow::Down ? "Down " : "Side ") +
                   Hex(list));
  return list;
}

std::vector<std::string> FakeWindowManager::EventsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const auto& e : events)
    if (e.rfind(prefix, 0) == 0) found.push_back(e);
  return found;
}

}  // namespace tv::fakes
