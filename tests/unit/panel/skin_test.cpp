#include "panel/skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "panel/tooltips.h"
#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

using fakes::Copy;
using testing::PanelHarness;

// A panel on the fake desktop at (100, 50), with its tooltips in place as after creation.
class SkinTest : public ::testing::Test {
 protected:
  explicit SkinTest(const std::string& layout = "") : h(layout) {
    windows().State(h.ctx.windows.panel).rect = ScreenRect{100, 50, 647, 226};
    CreateTooltips(h.ctx);
  }

  fakes::FakeWindowManager& windows() { return h.fake.windows; }
  fakes::FakeWindowState& panelWindow() { return windows().State(h.ctx.windows.panel); }
  Size PanelSize() {
    const ScreenRect r = panelWindow().rect;
    return Size{r.right - r.left, r.bottom - r.top};
  }
  const fakes::LoadedPictures& LastPictures() { return h.fake.graphics.loads.back(); }
  std::string Event(const char* what, WindowRef window, const std::string& rest = "") {
    return std::string(what) + " " + fakes::Hex(window) + rest;
  }

  PanelHarness h;
};

class ThreeSkins : public SkinTest {
 protected:
  ThreeSkins()
      : SkinTest(
            "[Panel]\nHavePanel=3\nPanelNow=3\n1PANEL_W=500\n3PANEL_W=300\n"
            "[Panel1Point]\nHavePoint=3\n1=0\n2=0\n3=500\n4=0\n5=0\n6=176\n") {}
};

TEST_F(SkinTest, PicturesComeFromTheCurrentSkinsFolderForEachShape) {
  LoadSkinBitmaps(h.ctx, 2);
  EXPECT_EQ(LastPictures().normal, "C:\\Tv\\panelbmp1\\paneldown.bmp");
  EXPECT_EQ(LastPictures().hover, "C:\\Tv\\panelbmp1\\paneldownover.bmp");
  EXPECT_EQ(LastPictures().pressed, "C:\\Tv\\panelbmp1\\paneldownbdown.bmp");
  EXPECT_EQ(LastPictures().sprites, "C:\\Tv\\panelbmp1\\otherbmp.bmp");

  // The folder and the skin number are looked up again at every load.
  h.fake.WriteFile(h.ctx.where.panelIni, "[Panel]\nPanelNow=12\n");
  WinIni(h.fake.profile).Write(keys::kAppDirectory, "D:\\Moved");
  LoadSkinBitmaps(h.ctx, 4);  // the other shapes' names are shown by unfolding below
  EXPECT_EQ(LastPictures().hover, "D:\\Moved\\panelbmp12\\panelallover.bmp");

  LoadSkinBitmaps(h.ctx, 5);
  EXPECT_EQ(LastPictures().normal, "");
  EXPECT_EQ(LastPictures().pressed, "");
  EXPECT_EQ(LastPictures().sprites, "D:\\Moved\\panelbmp12\\otherbmp.bmp");

  ReleaseSkinBitmaps(h.ctx);
  EXPECT_EQ(h.fake.graphics.releases, 1);
}

TEST_F(SkinTest, LoadingAppliesAlwaysOnTopToThePanelAndAnExistingVideoWindow) {
  LoadSkinBitmaps(h.ctx, 1);
  EXPECT_EQ(windows().events.back(), Event("Topmost", h.ctx.windows.panel, " 0"));

  const WindowRef video = h.AddVideoWindow();
  h.ctx.settings.Write(keys::kAlwaysOnTop, "TRUE");
  LoadSkinBitmaps(h.ctx, 1);
  EXPECT_TRUE(panelWindow().topmost);
  EXPECT_TRUE(windows().State(video).topmost);

  h.ctx.settings.Write(keys::kAlwaysOnTop, "true");
  LoadSkinBitmaps(h.ctx, 1);
  EXPECT_FALSE(panelWindow().topmost);
  EXPECT_FALSE(windows().State(video).topmost);
}

TEST_F(SkinTest, TheOutlineOfEachShapeComesFromItsOwnSection) {
  h.fake.WriteFile(h.ctx.where.panelIni,
                   "[Panel2DownPoint]\nHavePoint=4\n1=0\n2=0\n3=547\n4=0\n5=547\n6=356\n8=356\n"
                   "[Panel2Point]\nHavePoint=3\n1=1\n2=1\n3=9\n4=1\n5=9\n6=9\n"
                   "[Panel]\nHavePoint=3\n1=5\n2=5\n3=6\n4=6\n5=7\n6=5\n");
  EXPECT_EQ(SetWindowShape(h.ctx, 2, 2), 1);
  EXPECT_EQ(panelWindow().region, (std::vector<Point>{{0, 0}, {547, 0}, {547, 356}, {0, 356}}));

  // Without points the window keeps the outline it has.
  EXPECT_EQ(SetWindowShape(h.ctx, 2, 3), 0);
  EXPECT_EQ(SetWindowShape(h.ctx, 1, 1), 0);
  EXPECT_EQ(panelWindow().region.size(), 4u);

  EXPECT_EQ(SetWindowShape(h.ctx, 2, 1), 1);
  EXPECT_EQ(panelWindow().region, (std::vector<Point>{{1, 1}, {9, 1}, {9, 9}}));
  EXPECT_EQ(SetWindowShape(h.ctx, 2, 9), 1);
  EXPECT_EQ(panelWindow().region, (std::vector<Point>{{5, 5}, {6, 6}, {7, 5}}));
}

TEST_F(SkinTest, PaintingPlacesTheListsAndCopiesTheWholeNormalPicture) {
  PaintPanel(h.ctx);
  EXPECT_EQ(h.fake.graphics.copies,
            (std::vector<Copy>{{Surface::Normal, Rect{0, 0, 547, 176}, {}, Point{0, 0}}}));
  EXPECT_TRUE(windows().EventsStartingWith("Move").empty());

  h.ctx.windows.downList = WindowRef{0x7000};
  h.ctx.windows.sideList = WindowRef{0x7010};
  h.ctx.ui.downOpen = 1;
  h.ctx.ui.sideOpen = 1;
  h.ctx.ui.contentOffset = 96;
  h.fake.graphics.ClearCopies();
  PaintPanel(h.ctx);
  EXPECT_EQ(windows().EventsStartingWith("Move"),
            (std::vector<std::string>{"Move 0x7000 251,226 413x143 repaint",
                                      "Move 0x7010 106,70 90x110 repaint"}));
  EXPECT_EQ(h.fake.graphics.copies.back().source, (Rect{0, 0, 643, 356}));
}

TEST_F(SkinTest, ButtonsAreDrawnFromThePictureOfTheirLookAtTheShiftedPlace) {
  h.ctx.ui.contentOffset = 96;
  DrawButton(h.ctx, 13, 2);
  DrawButton(h.ctx, 13, 1);
  DrawButton(h.ctx, 45, 0);
  const std::vector<Copy> expected{{Surface::Hover, Rect{548, 26, 20, 30}, {}, Point{548, 26}},
                                   {Surface::Pressed, Rect{548, 26, 20, 30}, {}, Point{548, 26}},
                                   {Surface::Normal, Rect{0, 0, 18, 18}, {}, Point{0, 0}}};
  EXPECT_EQ(h.fake.graphics.copies, expected);  // the normal picture itself is untouched

  h.fake.graphics.ClearCopies();
  DrawButton(h.ctx, 48, 0);
  DrawButton(h.ctx, kNoButton, 2);
  DrawButton(h.ctx, -1, 0);
  DrawButton(h.ctx, 13, 3);
  EXPECT_TRUE(h.fake.graphics.copies.empty());
}

TEST_F(SkinTest, UnfoldingTheSideOnTheLeftShiftsTheArtworkButNotItsOwnButton) {
  ToggleSidePart(h.ctx);
  EXPECT_EQ(h.ctx.ui.sideOpen, 1);
  EXPECT_EQ(h.ctx.ui.contentOffset, 96);
  EXPECT_EQ(PanelSize(), (Size{643, 176}));
  EXPECT_EQ(LastPictures().normal, "C:\\Tv\\panelbmp1\\panellorr.bmp");
  for (int i = 0; i < kButtonCount; ++i)
    EXPECT_EQ(ButtonX(h.ctx, i), kButtonTable[i].x + (i == kButtonLeftOpen ? 0 : 96)) << i;
  const WindowRef list = h.ctx.windows.sideList;
  ASSERT_TRUE(list);
  EXPECT_TRUE(windows().State(list).visible);
  EXPECT_EQ(windows().foreground, h.ctx.windows.panel);
  EXPECT_EQ(windows().focus, h.ctx.windows.panel);
  EXPECT_EQ(panelWindow().updates, 1);

  ToggleSidePart(h.ctx);
  EXPECT_EQ(h.ctx.ui.contentOffset, 0);
  EXPECT_EQ(PanelSize(), (Size{547, 176}));
  EXPECT_EQ(LastPictures().normal, "C:\\Tv\\panelbmp1\\panel.bmp");
  EXPECT_FALSE(windows().State(list).visible);
  EXPECT_EQ(h.ctx.windows.sideList, list);  // kept for the next unfold
  ToggleSidePart(h.ctx);
  EXPECT_EQ(windows().listsCreated, 1);
}

// A side part that unfolds on the right moves only its own button: the remote's test clicks
// every button of such a skin in every shape.

TEST_F(SkinTest, UnfoldingTheDownPartWhileTheSideIsOpenGivesTheWholePanel) {
  const WindowRef video = h.AddVideoWindow();
  ToggleSidePart(h.ctx);
  windows().events.clear();
  ToggleDownPart(h.ctx);

  EXPECT_EQ(h.ctx.Shape(), PanelShape::All);
  EXPECT_EQ(PanelSize(), (Size{643, 356}));
  EXPECT_EQ(LastPictures().normal, "C:\\Tv\\panelbmp1\\panelall.bmp");
  EXPECT_EQ(h.ctx.layout.buttons[39].Bounds(), (Rect{66, 140, 63, 27}));
  EXPECT_EQ(h.ctx.layout.buttons[46].y, 336);
  const WindowRef list = h.ctx.windows.downList;
  ASSERT_TRUE(list);
  EXPECT_TRUE(windows().State(list).visible);
  // Last, the focus passes through the video window to the panel in front.
  const std::vector<std::string>& events = windows().events;
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(
      std::vector<std::string>(events.end() - 3, events.end()),
      (std::vector<std::string>{Event("Focus", video), Event("Foreground", h.ctx.windows.panel),
                                Event("Focus", h.ctx.windows.panel)}));

  ToggleDownPart(h.ctx);
  EXPECT_EQ(h.ctx.Shape(), PanelShape::Side);
  EXPECT_EQ(PanelSize(), (Size{643, 176}));
  EXPECT_FALSE(windows().State(list).visible);
  EXPECT_EQ(h.ctx.layout.buttons[39].Bounds(), Rect{});
  EXPECT_EQ(h.ctx.layout.buttons[46].y, 135);
}

TEST_F(SkinTest, AnExistingDownListIsPlacedAndStaysHiddenWhileListsAreSuppressed) {
  h.ctx.windows.downList = windows().CreateList(ListWindow::Down);
  h.ctx.ui.listsSuppressed = 1;
  ToggleDownPart(h.ctx);
  EXPECT_EQ(PanelSize(), (Size{547, 356}));
  EXPECT_FALSE(windows().State(h.ctx.windows.downList).visible);
  EXPECT_EQ(windows().EventsStartingWith("Move").front(),
            Event("Move", h.ctx.windows.downList, " 155,226 413x143 repaint"));
  EXPECT_EQ(windows().listsCreated, 1);

  // Unfolding the side part with the down part open moves the list along with the artwork.
  ToggleSidePart(h.ctx);
  EXPECT_EQ(windows().State(h.ctx.windows.downList).rect.left, 100 + 55 + 96);
}

TEST_F(ThreeSkins, ChangingSkinWrapsToTheFirstAndTellsTheVideoWindow) {
  const WindowRef video = h.AddVideoWindow();
  h.fake.time.Start(kPanelTick, kPanelTickMs);
  NextSkin(h.ctx);

  EXPECT_NE(h.fake.ReadFile(h.ctx.where.panelIni).find("PanelNow=1"), std::string::npos);
  EXPECT_EQ(h.ctx.layout.skin, 1);
  EXPECT_EQ(PanelSize(), (Size{500, 176}));
  EXPECT_EQ(panelWindow().region.size(), 3u);
  EXPECT_EQ(LastPictures().normal, "C:\\Tv\\panelbmp1\\panel.bmp");
  EXPECT_TRUE(h.fake.time.IsRunning(kPanelTick));
  EXPECT_EQ(h.fake.time.PeriodOf(kPanelTick), kPanelTickMs);
  EXPECT_EQ(h.fake.messenger.CommandsTo(video),
            (std::vector<std::uint16_t>{cmd::kVideoSkinChanged}));
  EXPECT_EQ(h.fake.messenger.LogTo(video).back().lParam, 0);
  EXPECT_EQ(h.fake.messenger.LogTo(video).back().delivery, fakes::Delivery::Posted);
  EXPECT_EQ(h.fake.shell.tooltipCreations, 2);

  NextSkin(h.ctx);
  EXPECT_EQ(h.ctx.layout.skin, 2);
  EXPECT_EQ(PanelSize(), (Size{547, 176}));
}

TEST_F(SkinTest, TheNewSkinKeepsTheUnfoldedParts) {
  h.fake.WriteFile(h.ctx.where.panelIni,
                   "[Panel]\nHavePanel=2\nPanelNow=1\n2PANEL_LORR=1\n2PANEL_OPENLEFTLIST_W=700\n");
  LoadPanelLayout(h.ctx.layout, h.ctx.panelIni);
  ToggleSidePart(h.ctx);
  ToggleDownPart(h.ctx);
  ASSERT_EQ(h.ctx.ui.contentOffset, 96);

  NextSkin(h.ctx);
  EXPECT_EQ(h.ctx.ui.contentOffset, 0);
  EXPECT_EQ(h.ctx.layout.buttons[kButtonLeftOpen].x, 700 - 547);
  EXPECT_EQ(h.ctx.layout.buttons[39].Bounds(), (Rect{66, 140, 63, 27}));
  EXPECT_EQ(LastPictures().normal, "C:\\Tv\\panelbmp2\\panelall.bmp");
}

TEST_F(SkinTest, WithOneSkinChangingSkinOnlyRestartsTheTick) {
  h.fake.profile.writes = 0;
  NextSkin(h.ctx);
  EXPECT_EQ(h.fake.profile.writes, 0);
  EXPECT_TRUE(h.fake.graphics.loads.empty());
  EXPECT_TRUE(h.fake.time.IsRunning(kPanelTick));
  EXPECT_EQ(h.fake.time.PeriodOf(kPanelTick), kPanelTickMs);
}

}  // namespace
}  // namespace tv::panel
