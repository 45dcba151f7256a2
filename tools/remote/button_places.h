#pragma once
// Where a button of the running panel is, seen from outside: the remote has only the layout
// file and the panel window's size. The size tells the shape; the shape tells which
// rectangles the panel has applied (the down part's open-state overrides) and whether the
// artwork sits shifted right by the side part on the left.

#include <optional>
#include <string_view>

#include "app/panel_context.h"
#include "base/settings_file.h"
#include "arguments.h"
#include "panel/layout.h"
#include "panel/layout_tables.h"
#include "platform/geometry.h"

namespace tv::remote {

inline constexpr int kButtonCapture = 32;  // its layout stem is spelled "CAPTUE"

// Button index by its layout stem ("CHUP", "num5"), without regard to case; "CAPTURE" is
// accepted for button 32 as well.
inline std::optional<int> ButtonByName(std::string_view name) {
  for (int i = 0; i < panel::kButtonCount; ++i)
    if (SameName(panel::kButtonTable[i].stem, name)) return i;
  if (SameName(name, "CAPTURE")) return kButtonCapture;
  return std::nullopt;
}

inline bool DownPartOpen(PanelShape shape) {
  return shape == PanelShape::Down || shape == PanelShape::All;
}
inline bool SidePartOpen(PanelShape shape) {
  return shape == PanelShape::Side || shape == PanelShape::All;
}

inline const char* ShapeName(PanelShape shape) {
  switch (shape) {
    case PanelShape::Closed:
      return "Closed";
    case PanelShape::Down:
      return "Down";
    case PanelShape::Side:
      return "Side";
    case PanelShape::All:
      return "All";
  }
  return "?";
}

// The shape whose size the panel window has. A skin that gives two shapes the same size
// cannot be told apart by size; the first in the order Closed, Down, Side, All is taken.
inline std::optional<PanelShape> ShapeForSize(const panel::PanelGeometry& g, Size size) {
  for (const PanelShape shape :
       {PanelShape::Closed, PanelShape::Down, PanelShape::Side, PanelShape::All})
    if (panel::ShapeSize(g, shape) == size) return shape;
  return std::nullopt;
}

// Added to the x of every button but the side part's own while the side part is unfolded on
// the left: the whole artwork moves right to make room for the list.
inline int ContentOffsetIn(const panel::PanelGeometry& g, PanelShape shape) {
  return SidePartOpen(shape) && g.lorr == 0 ? g.openLeftListW - g.panelW : 0;
}

// The current skin of the layout file with its buttons where the panel has them in the shape:
// the open-state rectangles while the down part is unfolded, and the side part's button moved
// to the new right edge while the side part is unfolded on the right.
inline panel::PanelLayout LayoutInShape(const IniFile& panelIni, PanelShape shape) {
  panel::PanelLayout layout;
  panel::LoadPanelLayout(layout, panelIni);
  panel::ApplyOpenStateOverrides(layout, panelIni, DownPartOpen(shape) ? 1 : 0);
  const panel::PanelGeometry& g = layout.geometry;
  if (SidePartOpen(shape) && g.lorr == 1)
    layout.buttons[panel::kButtonLeftOpen].x += g.openLeftListW - g.panelW;
  return layout;
}

// A button's rectangle in window coordinates, as the panel hit-tests it.
inline Rect ButtonRectIn(const panel::PanelLayout& layout, PanelShape shape, int index) {
  const panel::PanelButton& b = layout.buttons[index];
  const int offset = index == panel::kButtonLeftOpen ? 0 : ContentOffsetIn(layout.geometry, shape);
  return Rect{b.x + offset, b.y, b.width, b.height};
}

// Where a click on the rectangle lands: its centre, when the strict hit test can be met at
// all (a rectangle one pixel wide or less has no inside).
inline std::optional<Point> ClickPoint(const Rect& r) {
  if (r.width < 2 || r.height < 2) return std::nullopt;
  return Point{r.x + r.width / 2, r.y + r.height / 2};
}

}  // namespace tv::remote
