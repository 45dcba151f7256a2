#pragma once
// Rectangles are x, y, width, height in artwork pixels; hit tests on them are strict on all
// four edges (a point on the edge is outside).

namespace tv {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
  // Strictly inside: the edges themselves do not count. The far edges are summed wide: a
  // layout file may give any 32-bit values, and the sum must not wrap into a hit.
  bool StrictlyContains(int px, int py) const {
    return px > x && px < static_cast<long long>(x) + width && py > y &&
           py < static_cast<long long>(y) + height;
  }
};

// A window's place on the screen, edges as the platform reports them.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

}  // namespace tv
