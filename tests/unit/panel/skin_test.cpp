#include "panel/skin.h"

#include <gtest/gtest.h>

#include <vector>

#include "panel/tooltips.h"
#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

// Buttons and their tips move with the artwork; the list opener stays at the window's edge.
TEST(Skin, UnfoldingTheSideOnTheLeftShiftsTheArtworkButNotItsOwnButton) {
  testing::PanelHarness h;
  auto& panel = h.fake.windows.State(h.ctx.windows.panel);
  panel.rect = ScreenRect{100, 50, 647, 226};
  CreateTooltips(h.ctx);

  ToggleSidePart(h.ctx);
  EXPECT_EQ(h.ctx.ui.contentOffset, 96);
  EXPECT_EQ(panel.rect.right - panel.rect.left, 643);
  EXPECT_EQ(h.fake.graphics.loads.back().normal, "C:\\Tv\\panelbmp1\\panellorr.bmp");
  const std::vector<Tooltip>& tips = h.fake.shell.tools;
  ASSERT_EQ(tips.size(), 48u);
  for (int i = 0; i < kButtonCount; ++i) {
    const int x = kButtonTable[i].x + (i == kButtonLeftOpen ? 0 : 96);
    EXPECT_EQ(ButtonX(h.ctx, i), x) << i;
    EXPECT_EQ(tips[i].rect.x, x) << i;
  }
  const WindowRef list = h.ctx.windows.sideList;
  ASSERT_TRUE(list);
  EXPECT_TRUE(h.fake.windows.State(list).visible);

  ToggleSidePart(h.ctx);
  EXPECT_EQ(h.ctx.ui.contentOffset, 0);
  EXPECT_EQ(panel.rect.right - panel.rect.left, 547);
  EXPECT_FALSE(h.fake.windows.State(list).visible);
  ToggleSidePart(h.ctx);
  EXPECT_EQ(h.fake.windows.listsCreated, 1);  // the list is kept for the next unfold
}

}  // namespace
}  // namespace tv::panel
