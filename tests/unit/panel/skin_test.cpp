#include "panel/skin.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/startup.h"
#include "base/key_table.h"
#include "panel/panel_window.h"
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
  const WindowRef list = h.ctx.windows.sideList;
  EXPECT_EQ(testing::Join(h.ctx.ui.contentOffset, panel.rect.right - panel.rect.left,
                          h.fake.graphics.loads.back().normal, h.fake.shell.tools.size(),
                          h.fake.windows.State(list).visible),
            "96 643 C:\\Tv\\panelbmp1\\panellorr.bmp 48 1");
  for (int i = 0; i < kButtonCount; ++i) {
    const int x = kButtonTable[i].x + (i == kButtonLeftOpen ? 0 : 96);
    EXPECT_EQ(testing::Join(ButtonX(h.ctx, i), h.fake.shell.tools.at(i).rect.x),
              testing::Join(x, x))
        << i;
  }
  ToggleSidePart(h.ctx);
  ToggleSidePart(h.ctx);
  ToggleSidePart(h.ctx);  // folded again; the list is kept for the next unfold
  EXPECT_EQ(testing::Join(h.ctx.ui.contentOffset, panel.rect.right - panel.rect.left,
                          h.fake.windows.State(list).visible, h.fake.windows.listsCreated),
            "0 547 0 1");
}

// "AlwaysOnTop" is on only as the exact text "TRUE"; start-up applies it to the panel, every
// picture load to the panel and the video window. The hot key is Ctrl+Alt+F4 on the panel.
TEST(Skin, AlwaysOnTopTakesOnlyTheExactTrueAndStartUpRegistersTheHotKey) {
  const std::pair<const char*, bool> cases[] = {{"TRUE", true},  {"true", false},
                                                {"True", false}, {"FALSE", false},
                                                {"1", false},    {nullptr, false}};
  for (const auto& [stored, topmost] : cases) {
    SCOPED_TRACE(stored != nullptr ? stored : "missing");
    testing::PanelHarness h;
    h.SetOrDelete(keys::kAlwaysOnTop, stored);
    const WindowRef video = h.AddVideoWindow();
    StartUpAfterWindow(h.ctx);
    const auto& panel = h.fake.windows.State(h.ctx.windows.panel);
    EXPECT_EQ(panel.topmost, topmost);
    EXPECT_EQ(h.fake.windows.State(video).topmost, std::nullopt);
    LoadSkinBitmaps(h.ctx, static_cast<int>(PanelShape::Down));
    EXPECT_EQ(testing::Join(*panel.topmost, h.fake.windows.State(video).topmost.value_or(2)),
              testing::Join(topmost, topmost));
    EXPECT_EQ(h.fake.shell.events, std::vector<std::string>{"LoadAcceleratorTable 109"});
    EXPECT_EQ(h.fake.shell.hotKeys, (std::vector<fakes::FakeShell::HotKey>{
                                        {h.ctx.windows.panel, 0, kModControl | kModAlt, kVkF4}}));
  }
}

// Another skin chosen in the layout file since the layout was loaded: the outline and the
// pictures of the next shape both come from the skin the file names now.
TEST(Skin, OutlineAndPicturesComeFromTheSkinTheLayoutFileNamesNow) {
  testing::PanelHarness h(
      "[Panel]\r\nPanelNow=1\r\nHavePanel=2\r\n"
      "[Panel1DownPoint]\r\nHavePoint=3\r\n1=0\r\n2=0\r\n3=9\r\n4=0\r\n5=9\r\n6=9\r\n"
      "[Panel2DownPoint]\r\nHavePoint=4\r\n1=0\r\n2=0\r\n3=7\r\n4=0\r\n5=7\r\n6=7\r\n"
      "7=0\r\n8=7\r\n");
  h.ctx.panelIni.RawWrite("Panel", "PanelNow", "2");
  ToggleDownPart(h.ctx);
  EXPECT_EQ(h.fake.windows.State(h.ctx.windows.panel).region,
            (std::vector<Point>{{0, 0}, {7, 0}, {7, 7}, {0, 7}}));
  EXPECT_EQ(h.fake.graphics.loads.back().normal, "C:\\Tv\\panelbmp2\\paneldown.bmp");
}

}  // namespace
}  // namespace tv::panel
