#pragma once
// What the panel does to its own window, its two list windows and the peers' windows.

#include <vector>

#include "platform/geometry.h"
#include "platform/handles.h"

namespace tv {

// Show states, as the platform numbers them.
inline constexpr int kSwHide = 0;
inline constexpr int kSwShowNormal = 1;
inline constexpr int kSwShow = 5;
inline constexpr int kSwMinimize = 6;
inline constexpr int kSwRestore = 9;

enum class Cursor { Arrow = 132, Held = 135, Drag = 136 };  // the program's cursor resources
enum class ListWindow { Down, Side };

class WindowManager {
 public:
  virtual ~WindowManager() = default;
  virtual void Show(WindowRef window, int showState) = 0;
  // Into or out of the topmost band; position, size and activation unchanged.
  virtual void SetTopmost(WindowRef window, bool topmost) = 0;
  // New size only: no move, no z-order change.
  virtual void Resize(WindowRef window, int width, int height) = 0;
  virtual void Move(WindowRef window, int x, int y, int width, int height, bool repaint) = 0;
  virtual ScreenRect WindowRect(WindowRef window) = 0;
  virtual Size ScreenSize() = 0;
  // Cuts the window to a polygon (winding fill rule); false when no region could be made (a
  // polygon that encloses nothing, such as one of fewer than three points, makes none), and the
  // window keeps its outline.
  virtual bool SetRegion(WindowRef window, const std::vector<Point>& polygon) = 0;
  virtual void BringToForeground(WindowRef window) = 0;
  virtual void SetFocus(WindowRef window) = 0;
  virtual void Invalidate(WindowRef window) = 0;  // the whole client area, no erase
  virtual void UpdateNow(WindowRef window) = 0;   // paint synchronously if anything is invalid
  virtual void Destroy(WindowRef window) = 0;
  virtual void CaptureMouse(WindowRef window) = 0;
  virtual void ReleaseMouse() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // The two list windows that sit over the unfolded parts (separate top-level windows).
  virtual WindowRef CreateList(ListWindow kind) = 0;
};

}  // namespace tv
