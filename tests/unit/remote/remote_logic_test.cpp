// The remote's own logic, natively: where it clicks agrees with the panel's hit test in every
// shape, and its names and numbers read the command line as documented.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "../../../tools/remote/button_places.h"
#include "../../../tools/remote/command_names.h"
#include "../../../tools/remote/key_names.h"
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

// Through every shape the panel's own fold commands reach: Closed, Side, All, Down, Closed.
void ExpectClicksHitThroughEveryShape(const std::string& layoutFile) {
  tv::testing::PanelHarness h(layoutFile);
  panel::LoadPanelLayout(h.ctx.layout, h.ctx.panelIni);
  panel::ApplyOpenStateOverrides(h.ctx.layout, h.ctx.panelIni, 0);
  const panel::PanelGeometry& g = h.ctx.layout.geometry;
  h.fake.windows.State(h.ctx.windows.panel).rect =
      ScreenRect{100, 50, 100 + g.panelW, 50 + g.panelH};

  EXPECT_EQ(ClickEveryButton(h), panel::kButtonCount - 5);  // not the down part's five
  panel::ToggleSidePart(h.ctx);
  EXPECT_EQ(ClickEveryButton(h), panel::kButtonCount - 5);
  panel::ToggleDownPart(h.ctx);
  EXPECT_EQ(ClickEveryButton(h), panel::kButtonCount);
  panel::ToggleSidePart(h.ctx);
  EXPECT_EQ(ClickEveryButton(h), panel::kButtonCount);
  panel::ToggleDownPart(h.ctx);
  EXPECT_EQ(ClickEveryButton(h), panel::kButtonCount - 5);
}

TEST(RemoteClicks, HitTheNamedButtonInEveryShapeOfTheDefaultSkin) {
  ExpectClicksHitThroughEveryShape("");
}

TEST(RemoteClicks, HitTheNamedButtonInASecondSkinWhoseSidePartUnfoldsRight) {
  ExpectClicksHitThroughEveryShape(
      "[Panel]\nPanelNow=2\nHavePanel=2\n"
      "2PANEL_W=560\n2PANEL_H=500\n2PANEL_OPENLIST_W=560\n2PANEL_OPENLIST_H=700\n"
      "2PANEL_OPENLEFTLIST_W=680\n2PANEL_OPENLEFTLIST_H=500\n"
      "2PANEL_OPENALL_W=680\n2PANEL_OPENALL_H=700\n2PANEL_LORR=1\n"
      "[2PANEL_BTN]\nBTN_CHUP_X=100\nBTN_CHUP_Y=200\nBTN_LEFTOPEN_X=540\nBTN_LEFTOPEN_Y=240\n"
      "BTN_OPENPANELMOVE_X=20\nBTN_OPENPANELMOVE_Y=650\nBTN_LOGOMOVE_Y=670\n");
}

TEST(RemoteNames, CommandsButtonsAndNumbersOnTheCommandLine) {
  // Every command a button raises can be given by name, and every name finds its own id.
  for (const panel::ButtonInfo& b : panel::kButtonTable)
    EXPECT_NE(NameOfCommand(b.command), nullptr) << b.stem;
  std::set<std::string> names;
  for (const CommandName& c : kCommandNames) {
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    EXPECT_EQ(ParseCommand(c.name), c.id) << c.name;
  }
  EXPECT_EQ(ParseCommand("Channel-UP"), cmd::kChannelUp);
  EXPECT_EQ(ParseCommand("0x9C48"), cmd::kChannelUp);
  EXPECT_EQ(ParseCommand("65535"), cmd::Id{65535});
  for (const char* bad : {"65536", "-1", "40008x", "channel up", ""})
    EXPECT_FALSE(ParseCommand(bad)) << bad;

  EXPECT_EQ(ButtonByName("chup"), panel::kButtonChannelUp);
  EXPECT_EQ(ButtonByName("CAPTUE"), kButtonCapture);
  EXPECT_EQ(ButtonByName("Capture"), kButtonCapture);
  EXPECT_FALSE(ButtonByName("HIDE"));  // the tooltip key, not the stem

  EXPECT_EQ(ParseInteger("-9223372036854775808"), LLONG_MIN);
  EXPECT_FALSE(ParseInteger("9223372036854775808"));
  EXPECT_FALSE(ParseInteger("0x"));
  EXPECT_EQ(ParseSecondsAsMs("2.5"), 2500);
  EXPECT_EQ(ParseSecondsAsMs(".25"), 250);
  EXPECT_EQ(ParseSecondsAsMs("1.23456"), 1234);
  EXPECT_FALSE(ParseSecondsAsMs("."));
  EXPECT_FALSE(ParseSecondsAsMs("-1"));

  const std::string words[] = {"--hold", "20", "CHUP", "--", "--send"};
  const Arguments args(words, {{"--send"}, {"--hold"}});
  EXPECT_EQ(args.Value("--hold"), "20");
  EXPECT_EQ(args.Positional(), (std::vector<std::string>{"CHUP", "--send"}));
  EXPECT_FALSE(args.Has("--send"));
  const std::string dangling[] = {"CHUP", "--hold"};
  EXPECT_THROW(Arguments(dangling, {{}, {"--hold"}}), Failure);
}

TEST(RemoteKeys, ChordsLettersAndNamedKeys) {
  // The panel's hot key.
  EXPECT_EQ(ParseKeyChord("ctrl+alt+f4"),
            (KeyChord{{kVkControl, kVkMenu}, static_cast<VirtualKey>(panel::kVkF4)}));
  EXPECT_EQ(ParseKeyChord("m"), (KeyChord{{}, 'M'}));
  EXPECT_EQ(ParseKeyChord("5"), (KeyChord{{}, '5'}));
  EXPECT_EQ(ParseKeyChord("NumPad9")->key, panel::kVkNumpad0 + 9);
  EXPECT_EQ(ParseKeyChord("F12")->key, kVkF1 + 11);
  EXPECT_EQ(ParseKeyChord("ctrl+shift")->key, kVkShift);
  for (const char* bad : {"f13", "f0", "numpad10", "ctrl+", "+m", "m+ctrl", "hyper+x", "!", ""})
    EXPECT_FALSE(ParseKeyChord(bad)) << bad;
  EXPECT_TRUE(IsExtendedKey(static_cast<VirtualKey>(panel::kVkPrior)));
  EXPECT_FALSE(IsExtendedKey(static_cast<VirtualKey>(panel::kVkNumpad0)));
}

}  // namespace
}  // namespace tv::remote
