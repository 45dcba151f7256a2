// The remote's own logic, natively: where it clicks agrees with the panel's hit test in every
// shape.
#include <gtest/gtest.h>

#include <string>

#include "../../../tools/remote/button_places.h"
#include "panel/panel_window.h"
#include "panel/skin.h"
#include "unit/panel/panel_harness.h"

namespace tv::remote {
namespace {

// Looks at the harness's panel the way the remote does, from its window size and the layout
// file alone, and clicks every button there; returns how many buttons could be clicked.
int ClickEveryButton(tv::testing::PanelHarness& h) {
  const ScreenRect r = h.fake.windows.State(h.ctx.windows.panel).rect;
  const std::optional<PanelShape> shape =
      ShapeForSize(h.ctx.layout.geometry, Size{r.right - r.left, r.bottom - r.top});
  EXPECT_EQ(shape, h.ctx.Shape());
  if (!shape) return 0;
  const panel::PanelLayout seen = LayoutInShape(h.ctx.panelIni, *shape);
  int clicked = 0;
  for (int i = 0; i < panel::kButtonCount; ++i) {
    const std::optional<Point> p = ClickPoint(ButtonRectIn(seen, *shape, i));
    const panel::PanelButton& own = h.ctx.layout.buttons[i];
    if (!p) {
      EXPECT_TRUE(own.width < 2 || own.height < 2) << "button " << i << " refused";
      continue;
    }
    ++clicked;
    EXPECT_EQ(panel::HitButton(h.ctx, p->x, p->y), i)
        << "button " << i << " in shape " << ShapeName(*shape) << " at " << p->x << "," << p->y;
  }
  return clicked;
}

// Through every shape the panel's own fold commands reach, in the default skin and in a second
// skin whose side part unfolds right.
TEST(RemoteClicks, HitTheNamedButtonInEveryShapeOfBothSkinKinds) {
  for (const char* layoutFile :
       {"",
        "[Panel]\nPanelNow=2\nHavePanel=2\n"
        "2PANEL_W=560\n2PANEL_H=500\n2PANEL_OPENLIST_W=560\n2PANEL_OPENLIST_H=700\n"
        "2PANEL_OPENLEFTLIST_W=680\n2PANEL_OPENLEFTLIST_H=500\n"
        "2PANEL_OPENALL_W=680\n2PANEL_OPENALL_H=700\n2PANEL_LORR=1\n"
        "[2PANEL_BTN]\nBTN_CHUP_X=100\nBTN_CHUP_Y=200\nBTN_LEFTOPEN_X=540\nBTN_LEFTOPEN_Y=240\n"
        "BTN_OPENPANELMOVE_X=20\nBTN_OPENPANELMOVE_Y=650\nBTN_LOGOMOVE_Y=670\n"}) {
    tv::testing::PanelHarness h(layoutFile);
    panel::LoadPanelLayout(h.ctx.layout, h.ctx.panelIni);
    panel::ApplyOpenStateOverrides(h.ctx.layout, h.ctx.panelIni, 0);
    const panel::PanelGeometry& g = h.ctx.layout.geometry;
    h.fake.windows.State(h.ctx.windows.panel).rect =
        ScreenRect{100, 50, 100 + g.panelW, 50 + g.panelH};
    // Closed, Side, All, Down, Closed: the down part's five buttons only while it is open.
    for (int step = 0; step < 5; ++step) {
      if (step > 0) (step % 2 ? panel::ToggleSidePart : panel::ToggleDownPart)(h.ctx);
      const bool downOpen = step == 2 || step == 3;
      EXPECT_EQ(ClickEveryButton(h), panel::kButtonCount - (downOpen ? 0 : 5)) << "step " << step;
    }
  }
}

}  // namespace
}  // namespace tv::remote
