#include "panel/layout.h"

#include <gtest/gtest.h>

#include <string>

#include "panel/tooltips.h"
#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

using testing::PanelHarness;

Rect RectOf(const PanelLayout& layout, int index) {
  return layout.buttons[index].Bounds();
}

TEST(LayoutLoad, ButtonsWithOddlySpelledKeysReadTheirOwnSpelling) {
  PanelHarness h(
      "[1PANEL_BTN]\n"
      "BTN_CAPTUE_X=1\nBTN_CAPTURE_X=99\nIDS_CAPTURE=Photo\nIDS_CAPTUE=wrong\n"
      "BTN_HIDEPANEL_Y=2\nBTN_HIDE_Y=99\nIDS_HIDE=Hide\nIDS_HIDEPANEL=wrong\n"
      "BTN_DOWNCLOSE_W=3\nIDS_CLOSEDOWN=Fold\nIDS_DOWNCLOSE=wrong\n");
  ApplyOpenStateOverrides(h.ctx.layout, h.ctx.panelIni, 1);
  const PanelLayout& l = h.ctx.layout;
  EXPECT_EQ(RectOf(l, 32), (Rect{1, 99, 31, 18}));
  EXPECT_EQ(l.buttons[32].tooltip, "Photo");
  EXPECT_EQ(RectOf(l, 21), (Rect{506, 2, 13, 13}));
  EXPECT_EQ(l.buttons[21].tooltip, "Hide");
  EXPECT_EQ(RectOf(l, 47), (Rect{50, 141, 3, 25}));
  EXPECT_EQ(l.buttons[47].tooltip, "Fold");
}

TEST(LayoutLoad, TheCurrentSkinNumberSelectsEveryKey) {
  PanelHarness h(
      "[Panel]\nPanelNow=2\nHavePanel=2\n1PANEL_W=111\n2PANEL_W=222\n1PANEL_LORR=1\n"
      "PANEL_H=999\nIDS_PLANNER_DIALOG=Planner\n"
      "[1PANEL_BTN]\nBTN_VOLUP_X=1\nBTN_VOLUP_Y=1\nLCD_VOLBAR_W=1\nBIDOK=One\nIDS_VOLUP=one\n"
      "[2PANEL_BTN]\nBTN_VOLUP_X=2\nLCD_VOLBAR_H=2\nBIDOK=Two\nIDS_PLANNER_DIALOG=wrong\n");
  const PanelLayout& l = h.ctx.layout;
  EXPECT_EQ(l.skin, 2);
  EXPECT_EQ(l.geometry.panelW, 222);
  EXPECT_EQ(l.geometry.panelH, 176);  // only the numbered key counts
  EXPECT_EQ(l.geometry.lorr, 0);      // skin 1's value is not inherited
  EXPECT_EQ(RectOf(l, 11), (Rect{2, 50, 28, 31}));
  EXPECT_EQ(l.buttons[11].tooltip, "Volume Up");
  EXPECT_EQ(l.Value(Lcd::LCD_VOLBAR_W), 220);
  EXPECT_EQ(l.Value(Lcd::LCD_VOLBAR_H), 2);
  EXPECT_EQ(l.Text(Caption::BIDOK), "Two");
  EXPECT_EQ(l.Text(Caption::IDS_PLANNER_DIALOG), "Planner");
}

TEST(LayoutLoad, TextsAreCutToTheirCapacity) {
  const std::string tip300(300, 't');
  PanelHarness h("[Panel]\nIDS_PLANNER_DIALOG=" + std::string(70, 's') +
                 "\n[1PANEL_BTN]\nIDS_SKIN=" + tip300 +
                 "\nBIDOK=OKOKOKOKOKOK\nIDCVISION=" + tip300 + "\nIDS_PRODUCT=" + tip300 + "\n");
  const PanelLayout& l = h.ctx.layout;
  EXPECT_EQ(l.buttons[37].tooltip, tip300.substr(0, 259));
  EXPECT_EQ(l.Text(Caption::BIDOK), "OKOKOKOKO");
  EXPECT_EQ(l.Text(Caption::IDCVISION), tip300.substr(0, 259));
  EXPECT_EQ(l.Text(Caption::IDS_PLANNER_DIALOG), std::string(49, 's'));
  TrayIcon(h.ctx, TrayOperation::Add);
  EXPECT_EQ(h.fake.shell.trayTip, tip300.substr(0, 63));
}

// Coordinates are the file's within 32 767 pixels of 0 and cut to that beyond: the drawing adds
// and multiplies them in 32 bits.
TEST(LayoutLoad, CoordinatesFarOffAnyScreenAreCutToTheLimit) {
  constexpr int kLimit = kLayoutCoordinateLimit;
  PanelHarness h(
      "[Panel]\n1PANEL_W=2147483647\n1PANEL_OPENLEFTLIST_W=-2147483648\n1PANEL_H=-176\n"
      "[1PANEL_BTN]\nBTN_CHUP_X=32767\nBTN_CHUP_W=32768\nBTN_NUM1_Y=-32768\n"
      "BTN_NUM1_H=-32767\nLCD_VOLBAR_W=99999999\nOSD_TUNER_FIRSTNUM_X=-7\n"
      "LCD_VOLBAR_LTOR_DTOU=-2147483648\nBTN_OPENPANEL_X=2147483647\n"
      "[Panel1Point]\nHavePoint=3\n1=2147483647\n2=-2147483648\n3=5\n4=6\n5=-4194304\n6=0\n");
  const PanelLayout& l = h.ctx.layout;
  const struct {
    const char* what;
    int got, want;
  } cases[] = {
      {"width", l.geometry.panelW, kLimit},
      {"side width", l.geometry.openLeftListW, -kLimit},
      {"negative height kept", l.geometry.panelH, -176},
      {"x at the limit", l.buttons[13].x, kLimit},
      {"width beyond", l.buttons[13].width, kLimit},
      {"y beyond", l.buttons[1].y, -kLimit},
      {"height at the limit", l.buttons[1].height, -kLimit},
      {"LCD value beyond", l.Value(panel::Lcd::LCD_VOLBAR_W), kLimit},
      {"LCD value kept", l.Value(panel::Lcd::OSD_TUNER_FIRSTNUM_X), -7},
      {"orientation beyond: still not drawn", l.Value(panel::Lcd::LCD_VOLBAR_LTOR_DTOU), -kLimit},
      {"override rectangle", l.buttons[panel::kButtonOpenPanel].x, kLimit},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
  EXPECT_EQ(panel::ReadOutline(h.ctx.panelIni, 1, 1),
            (std::vector<Point>{{kLimit, -kLimit}, {5, 6}, {-kLimit, 0}}));
}

TEST(LayoutOverrides, UnfoldingPlacesTheDownPartButtonsAndFoldingRemovesThem) {
  PanelHarness h(
      "[1PANEL_BTN]\nBTN_PAINT_Y=150\nBTN_LOGOKOVA_W=1\nBTN_LOGOMOVE_W=2\n"
      "BTN_EMAIL_X=5\nBTN_EMAIL_W=50\n");
  PanelLayout& l = h.ctx.layout;
  l.buttons[38] = PanelButton{};

  ApplyOpenStateOverrides(l, h.ctx.panelIni, 1);
  EXPECT_EQ(RectOf(l, 39), (Rect{5, 140, 50, 27}));
  EXPECT_EQ(RectOf(l, 41), (Rect{255, 150, 63, 27}));
  EXPECT_EQ(RectOf(l, 47), (Rect{50, 141, 17, 25}));
  EXPECT_EQ(RectOf(l, 46), (Rect{138, 336, 1, 14}));  // moved, size kept
  EXPECT_EQ(l.buttons[38].enabled, 1);
  EXPECT_EQ(l.buttons[38].command, 40117);
  EXPECT_EQ(l.buttons[38].tooltip, "Open/Close");

  ApplyOpenStateOverrides(l, h.ctx.panelIni, 0);
  for (int i : {39, 40, 41, 42, 47}) EXPECT_EQ(RectOf(l, i), Rect{}) << i;
  EXPECT_EQ(RectOf(l, 46), (Rect{138, 135, 1, 14}));
  EXPECT_EQ(RectOf(l, 38), (Rect{35, 135, 19, 20}));

  // The full load ignores the down part's own keys.
  ApplyOpenStateOverrides(l, h.ctx.panelIni, 1);
  LoadPanelLayout(l, h.ctx.panelIni);
  EXPECT_EQ(RectOf(l, 39), Rect{});
}

TEST(LayoutOverrides, TheFoldButtonMovesOnlyWhenTheSkinGivesItAnOpenPlace) {
  const struct {
    const char* move;
    Rect open;
  } cases[] = {{"BTN_OPENPANELMOVE_Y=300\n", Rect{30, 130, 19, 20}},
               {"BTN_OPENPANELMOVE_X=0\n", Rect{30, 130, 19, 20}},
               {"BTN_OPENPANELMOVE_X=40\n", Rect{40, 336, 19, 20}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.move);
    PanelHarness h(std::string("[1PANEL_BTN]\nBTN_OPENPANEL_X=30\nBTN_OPENPANEL_Y=130\n") + c.move);
    ApplyOpenStateOverrides(h.ctx.layout, h.ctx.panelIni, 1);
    EXPECT_EQ(RectOf(h.ctx.layout, 38), c.open);
  }
}

}  // namespace
}  // namespace tv::panel
