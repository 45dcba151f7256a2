#include "panel/layout.h"

#include <gtest/gtest.h>

#include <string>

#include "panel/tooltips.h"
#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

using testing::Join;
using testing::PanelHarness;

// Buttons as "x y width height", with the tooltip when asked, each followed by ";".
std::string Buttons(const PanelLayout& l, std::initializer_list<int> indices, bool tips = false) {
  std::string out;
  for (int i : indices) {
    const PanelButton& b = l.buttons[i];
    out += Join(b.x, b.y, b.width, b.height) + (tips ? " " + b.tooltip : "") + ";";
  }
  return out;
}

TEST(LayoutLoad, ButtonsWithOddlySpelledKeysReadTheirOwnSpelling) {
  PanelHarness h(
      "[1PANEL_BTN]\n"
      "BTN_CAPTUE_X=1\nBTN_CAPTURE_X=99\nIDS_CAPTURE=Photo\nIDS_CAPTUE=wrong\n"
      "BTN_HIDEPANEL_Y=2\nBTN_HIDE_Y=99\nIDS_HIDE=Hide\nIDS_HIDEPANEL=wrong\n"
      "BTN_DOWNCLOSE_W=3\nIDS_CLOSEDOWN=Fold\nIDS_DOWNCLOSE=wrong\n");
  ApplyOpenStateOverrides(h.ctx.layout, h.ctx.panelIni, 1);
  EXPECT_EQ(Buttons(h.ctx.layout, {32, 21, 47}, true),
            "1 99 31 18 Photo;506 2 13 13 Hide;50 141 3 25 Fold;");
}

TEST(LayoutLoad, TheCurrentSkinNumberSelectsEveryKey) {
  PanelHarness h(
      "[Panel]\nPanelNow=2\nHavePanel=2\n1PANEL_W=111\n2PANEL_W=222\n1PANEL_LORR=1\n"
      "PANEL_H=999\nIDS_PLANNER_DIALOG=Planner\n"
      "[1PANEL_BTN]\nBTN_VOLUP_X=1\nBTN_VOLUP_Y=1\nLCD_VOLBAR_W=1\nBIDOK=One\nIDS_VOLUP=one\n"
      "[2PANEL_BTN]\nBTN_VOLUP_X=2\nLCD_VOLBAR_H=2\nBIDOK=Two\nIDS_PLANNER_DIALOG=wrong\n");
  const PanelLayout& l = h.ctx.layout;
  // Only the numbered height counts; skin 1's values are not inherited.
  EXPECT_EQ(Join(l.skin, l.geometry.panelW, l.geometry.panelH, l.geometry.lorr,
                 Buttons(l, {11}, true), l.Value(Lcd::LCD_VOLBAR_W), l.Value(Lcd::LCD_VOLBAR_H),
                 l.Text(Caption::BIDOK), l.Text(Caption::IDS_PLANNER_DIALOG)),
            "2 222 176 0 2 50 28 31 Volume Up; 220 2 Two Planner");
}

TEST(LayoutLoad, TextsAreCutToTheirCapacity) {
  const std::string tip300(300, 't');
  PanelHarness h("[Panel]\nIDS_PLANNER_DIALOG=" + std::string(70, 's') +
                 "\n[1PANEL_BTN]\nIDS_SKIN=" + tip300 +
                 "\nBIDOK=OKOKOKOKOKOK\nIDCVISION=" + tip300 + "\nIDS_PRODUCT=" + tip300 + "\n");
  const PanelLayout& l = h.ctx.layout;
  TrayIcon(h.ctx, TrayOperation::Add);
  EXPECT_EQ(
      Join(l.buttons[37].tooltip.size(), l.Text(Caption::BIDOK), l.Text(Caption::IDCVISION).size(),
           l.Text(Caption::IDS_PLANNER_DIALOG).size(), h.fake.shell.trayTip.size()),
      "259 OKOKOKOKO 259 49 63");
  EXPECT_EQ(l.buttons[37].tooltip + l.Text(Caption::IDCVISION) + h.fake.shell.trayTip,
            std::string(259 + 259 + 63, 't'));
  EXPECT_EQ(l.Text(Caption::IDS_PLANNER_DIALOG), std::string(49, 's'));
}

// Coordinates are the file's within 32 767 pixels of 0 and cut to that beyond: the drawing adds
// and multiplies them in 32 bits.
TEST(LayoutLoad, CoordinatesFarOffAnyScreenAreCutToTheLimit) {
  PanelHarness h(
      "[Panel]\n1PANEL_W=2147483647\n1PANEL_OPENLEFTLIST_W=-2147483648\n1PANEL_H=-176\n"
      "[1PANEL_BTN]\nBTN_CHUP_X=32767\nBTN_CHUP_W=32768\nBTN_NUM1_Y=-32768\n"
      "BTN_NUM1_H=-32767\nLCD_VOLBAR_W=99999999\nOSD_TUNER_FIRSTNUM_X=-7\n"
      "LCD_VOLBAR_LTOR_DTOU=-2147483648\nBTN_OPENPANEL_X=2147483647\n"
      "[Panel1Point]\nHavePoint=3\n1=2147483647\n2=-2147483648\n3=5\n4=6\n5=-4194304\n6=0\n");
  const PanelLayout& l = h.ctx.layout;
  constexpr int kL = kLayoutCoordinateLimit;
  // The widths; a negative height kept; button 13's x at the limit and its width beyond; button
  // 1's y beyond and height at the limit; an LCD value beyond and one kept; the orientation
  // beyond (still not drawn); an override rectangle; the outline.
  std::string outline;
  for (const Point& p : ReadOutline(h.ctx.panelIni, 1, 1)) outline += Join(p.x, p.y) + ";";
  EXPECT_EQ(Join(l.geometry.panelW, l.geometry.openLeftListW, l.geometry.panelH, l.buttons[13].x,
                 l.buttons[13].width, l.buttons[1].y, l.buttons[1].height,
                 l.Value(Lcd::LCD_VOLBAR_W), l.Value(Lcd::OSD_TUNER_FIRSTNUM_X),
                 l.Value(Lcd::LCD_VOLBAR_LTOR_DTOU), l.buttons[kButtonOpenPanel].x, outline),
            Join(kL, -kL, -176, kL, kL, -kL, -kL, kL, -7, -kL, kL,
                 Join(kL, -kL) + ";5 6;" + Join(-kL, 0) + ";"));
}

TEST(LayoutOverrides, UnfoldingPlacesTheDownPartButtonsAndFoldingRemovesThem) {
  PanelHarness h(
      "[1PANEL_BTN]\nBTN_PAINT_Y=150\nBTN_LOGOKOVA_W=1\nBTN_LOGOMOVE_W=2\n"
      "BTN_EMAIL_X=5\nBTN_EMAIL_W=50\n");
  PanelLayout& l = h.ctx.layout;
  l.buttons[38] = PanelButton{};
  ApplyOpenStateOverrides(l, h.ctx.panelIni, 1);
  // 46 is moved with its size kept; 38 comes back enabled with its command and tip.
  EXPECT_EQ(Buttons(l, {39, 41, 47, 46}) +
                Join(l.buttons[38].enabled, l.buttons[38].command, l.buttons[38].tooltip),
            "5 140 50 27;255 150 63 27;50 141 17 25;138 336 1 14;1 40117 Open/Close");
  ApplyOpenStateOverrides(l, h.ctx.panelIni, 0);
  EXPECT_EQ(Buttons(l, {39, 40, 41, 42, 47, 46, 38}),
            "0 0 0 0;0 0 0 0;0 0 0 0;0 0 0 0;0 0 0 0;138 135 1 14;35 135 19 20;");
  // The full load ignores the down part's own keys.
  ApplyOpenStateOverrides(l, h.ctx.panelIni, 1);
  LoadPanelLayout(l, h.ctx.panelIni);
  EXPECT_EQ(Buttons(l, {39}), "0 0 0 0;");
}

TEST(LayoutOverrides, TheFoldButtonMovesOnlyWhenTheSkinGivesItAnOpenPlace) {
  const std::pair<const char*, const char*> cases[] = {
      {"BTN_OPENPANELMOVE_Y=300\n", "30 130 19 20;"},
      {"BTN_OPENPANELMOVE_X=0\n", "30 130 19 20;"},
      {"BTN_OPENPANELMOVE_X=40\n", "40 336 19 20;"}};
  for (const auto& [move, open] : cases) {
    PanelHarness h(std::string("[1PANEL_BTN]\nBTN_OPENPANEL_X=30\nBTN_OPENPANEL_Y=130\n") + move);
    ApplyOpenStateOverrides(h.ctx.layout, h.ctx.panelIni, 1);
    EXPECT_EQ(Buttons(h.ctx.layout, {38}), open) << move;
  }
}

}  // namespace
}  // namespace tv::panel
