#include "panel/panel_window.h"

#include <functional>

#include <gtest/gtest.h>

#include <climits>

#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using fakes::Copy;
using fakes::Delivery;
using fakes::LoggedMessage;

// A panel whose enabled buttons are exactly the ones a test names, at their artwork rectangles.
class PanelTest : public ::testing::Test {
 protected:
  PanelTest() {
    for (auto& button : ctx.layout.buttons) button.enabled = 0;
    h.fake.time.onTimer = [this](std::uint32_t id) { panel::OnTimer(ctx, id); };
  }

  void Enable(std::initializer_list<int> indices) {
    for (int i : indices) {
      const panel::ButtonInfo& info = panel::kButtonTable[i];
      ctx.layout.buttons[i] = panel::PanelButton{
          info.x, info.y, info.width, info.height, 1, info.command, info.tooltipDefault};
    }
  }
  // The copy that draws button i in a look onto the window.
  Copy Look(Surface from, int i) const {
    const panel::PanelButton& b = ctx.layout.buttons[i];
    return Copy{from, Rect{b.x, b.y, b.width, b.height}, std::nullopt, Point{b.x, b.y}};
  }
  // Inside button i, away from its edges.
  void MoveOnto(int i, std::uintptr_t keys = 0) {
    const panel::PanelButton& b = ctx.layout.buttons[i];
    panel::OnMouseMove(ctx, b.x + b.width / 2, b.y + b.height / 2, keys);
  }
  std::vector<LoggedMessage> ToPanel() const { return h.fake.messenger.LogTo(ctx.windows.panel); }
  int Invalidations() { return h.fake.windows.State(ctx.windows.panel).invalidations; }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
};

// ---- hit test and hover --------------------------------------------------------------

TEST_F(PanelTest, HitTestEdgesAreOutsideAndTheOffsetMovesEveryButtonButTheListOpener) {
  Enable({13, panel::kButtonLeftOpen});  // 452, 26, 20 x 30 and 0, 0, 18 x 18
  constexpr int kNo = panel::kNoButton;
  const struct {
    int offset, x, y, hit;
  } cases[] = {{0, 452, 40, kNo},  {0, 453, 40, 13},  {0, 471, 40, 13},   {0, 472, 40, kNo},
               {0, 460, 26, kNo},  {0, 460, 27, 13},  {0, 460, 55, 13},   {0, 460, 56, kNo},
               {96, 460, 40, kNo}, {96, 556, 40, 13}, {96, 548, 40, kNo}, {96, 5, 5, 45},
               {96, 101, 5, kNo}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.offset << ": " << c.x << "," << c.y);
    ctx.ui.contentOffset = c.offset;
    EXPECT_EQ(panel::HitButton(ctx, c.x, c.y), c.hit);
  }
  // A layout file may give any 32-bit rectangle; the far edge must not wrap into a hit.
  const struct {
    int x, width, px;
    bool hit;
  } extremes[] = {{INT_MIN, -1, 5, false},
                  {INT_MIN, INT_MAX, -5, true},
                  {INT_MIN, INT_MAX, 0, false},
                  {INT_MAX - 10, INT_MAX, 5, false},
                  {INT_MAX - 10, INT_MAX, INT_MAX, true},
                  {-20, INT_MIN, -30, false}};
  ctx.ui.contentOffset = 0;
  for (const auto& e : extremes) {
    SCOPED_TRACE(::testing::Message() << e.x << " + " << e.width << " at " << e.px);
    ctx.layout.buttons[13].x = e.x;
    ctx.layout.buttons[13].width = e.width;
    EXPECT_EQ(panel::HitButton(ctx, e.px, 40), e.hit ? 13 : kNo);
  }
  Enable({13});
  ctx.layout.buttons[13].enabled = 2;  // only exactly 1 is enabled
  EXPECT_EQ(panel::HitButton(ctx, 460, 40), kNo);
}

TEST_F(PanelTest, HoverRedrawsOnlyTheTwoButtonsItMovesBetweenAndEmptySkinRepaints) {
  Enable({14, 15});  // AIR ends at x 67 where CABLE begins
  MoveOnto(14);
  EXPECT_EQ(h.fake.graphics.WindowCopies(), std::vector<Copy>{Look(Surface::Hover, 14)});
  EXPECT_EQ(h.fake.windows.captured, ctx.windows.panel);

  h.fake.graphics.ClearCopies();
  MoveOnto(15);
  EXPECT_EQ(h.fake.graphics.WindowCopies(),
            (std::vector<Copy>{Look(Surface::Normal, 14), Look(Surface::Hover, 15)}));
  h.fake.graphics.ClearCopies();
  panel::OnMouseMove(ctx, 70, 85, 0);  // still CABLE
  EXPECT_TRUE(h.fake.graphics.WindowCopies().empty());
  EXPECT_EQ(Invalidations(), 0);

  // Every move over skin that is no button repaints; the shared edge belongs to neither.
  panel::OnMouseMove(ctx, 67, 88, 0);
  EXPECT_EQ(Invalidations(), 1);
  EXPECT_EQ(h.fake.graphics.WindowCopies(), std::vector<Copy>{Look(Surface::Normal, 15)});
  EXPECT_EQ(ctx.ui.hoverIndex, panel::kNoButton);
  EXPECT_FALSE(h.fake.windows.captured);
  panel::OnMouseMove(ctx, 300, 160, 0);
  panel::OnMouseMove(ctx, 301, 160, 0);
  EXPECT_EQ(Invalidations(), 3);
}

// ---- press, release, repeat, drag ----------------------------------------------------

TEST_F(PanelTest, TransportButtonsShowPressesButNoHover) {
  const int play = panel::kButtonPlay, stop = panel::kButtonStop;
  Enable({13, play, stop});
  const panel::PanelButton& p = ctx.layout.buttons[play];
  const struct {
    const char* step;
    std::function<void()> act;
    std::vector<Copy> drawn;
  } steps[] = {
      {"hover onto PLAY", [&] { MoveOnto(play); }, {}},
      {"press", [&] { panel::OnLButtonDown(ctx, p.x + 2, p.y + 2, panel::kMkLButton); },
       {Look(Surface::Pressed, play)}},
      {"release", [&] { panel::OnLButtonUp(ctx, p.x + 2, p.y + 2, 0); }, {}},
      {"on to STOP", [&] { MoveOnto(stop); }, {}},
      {"on to a plain button", [&] { MoveOnto(13); },
       {Look(Surface::Normal, stop), Look(Surface::Hover, 13)}},
      {"back to STOP", [&] { MoveOnto(stop); }, {}},
      {"off every button", [&] { panel::OnMouseMove(ctx, 1, 150, 0); },
       {Look(Surface::Normal, stop)}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    h.fake.graphics.ClearCopies();
    s.act();
    EXPECT_EQ(h.fake.graphics.WindowCopies(), s.drawn);
  }
}

TEST_F(PanelTest, ReleaseSendsTheCommandOfTheButtonThenUnderThePointer) {
  Enable({12, 13});
  const WindowRef stray = h.fake.messenger.AddWindow("VideoRenderer", "ActiveMovie Window");
  MoveOnto(13);
  h.fake.graphics.ClearCopies();
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  EXPECT_EQ(h.fake.windows.cursor, Cursor::Held);
  EXPECT_TRUE(h.fake.windows.State(stray).destroyed);
  EXPECT_TRUE(ToPanel().empty());
  panel::OnLButtonUp(ctx, 460, 40, 0);
  EXPECT_EQ(h.fake.graphics.WindowCopies(),
            (std::vector<Copy>{Look(Surface::Pressed, 13), Look(Surface::Hover, 13)}));
  EXPECT_EQ(h.fake.windows.cursor, Cursor::Arrow);
  ASSERT_EQ(ToPanel().size(), 1u);
  EXPECT_TRUE(ToPanel()[0].IsCommand(cmd::kChannelUp));
  EXPECT_EQ(ToPanel()[0].delivery, Delivery::Sent);

  // Pressed on one button, released on another: the other's command.
  MoveOnto(12);
  panel::OnLButtonDown(ctx, 350, 40, panel::kMkLButton);
  MoveOnto(13, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 460, 40, 0);
  // Released off the skin's buttons: nothing.
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  panel::OnMouseMove(ctx, 200, 160, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 200, 160, 0);
  EXPECT_EQ(h.Commands(), (std::vector<std::uint16_t>{cmd::kChannelUp, cmd::kChannelUp}));
}

TEST_F(PanelTest, HoldingChannelUpRepeatsAfter600AndThenEvery150MsUntilLeft) {
  Enable({13});
  MoveOnto(13);
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  h.fake.time.Advance(599);
  EXPECT_TRUE(h.Commands().empty());
  h.fake.time.Advance(1);
  EXPECT_EQ(h.Commands().size(), 1u);
  h.fake.time.Advance(1400);  // 750, 900, ..., 1950
  EXPECT_EQ(h.Commands(), std::vector<std::uint16_t>(10, cmd::kChannelUp));
  panel::OnMouseMove(ctx, 400, 160, panel::kMkLButton);
  h.fake.time.Advance(1000);
  EXPECT_EQ(h.Commands().size(), 10u);
  for (const LoggedMessage& m : ToPanel()) EXPECT_EQ(m.delivery, Delivery::Sent);
}

TEST_F(PanelTest, OnlyAPressOnEmptySkinDragsTheWindow) {
  Enable({13});
  MoveOnto(13);
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  panel::OnMouseMove(ctx, 480, 40, panel::kMkLButton);  // slid off the button
  for (const LoggedMessage& m : ToPanel()) EXPECT_NE(m.message, kWmSysCommand);
  panel::OnLButtonUp(ctx, 480, 40, 0);

  h.fake.messenger.ClearLog();
  const int invalidated = Invalidations();
  panel::OnMouseMove(ctx, 200, 160, panel::kMkLButton);
  ASSERT_EQ(ToPanel().size(), 1u);
  EXPECT_EQ(ToPanel()[0].message, kWmSysCommand);
  EXPECT_EQ(ToPanel()[0].wParam, kScDragMove);
  EXPECT_EQ(ToPanel()[0].delivery, Delivery::Sent);
  EXPECT_EQ(h.fake.windows.cursor, Cursor::Drag);
  EXPECT_EQ(Invalidations(), invalidated);
}

// ---- the bars ------------------------------------------------------------------------

// The default skin's volume bar: 67, 50, 220 x 31. Direction 1 is upright and fills from the
// bottom: 220 * -1 / 31 + 220, truncated toward zero, at the top; 2 is no bar.
TEST_F(PanelTest, VolumeBarInsidePixelsGiveTheVolumeAndTheEdgesNothing) {
  const struct {
    int direction, offset, x, y, volume;
  } cases[] = {{0, 0, 68, 60, 1},   {0, 0, 286, 60, 219}, {0, 0, 177, 60, 110},
               {0, 0, 67, 60, -1},  {0, 0, 287, 60, -1},  {0, 0, 100, 50, -1},
               {0, 0, 100, 81, -1}, {1, 0, 100, 51, 213}, {1, 0, 100, 80, 8},
               {2, 0, 100, 60, -1}, {0, 96, 68, 60, -1},  {0, 96, 164, 60, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.direction << " " << c.x << "," << c.y);
    ctx.layout.lcd[static_cast<int>(panel::Lcd::LCD_VOLBAR_LTOR_DTOU)] = c.direction;
    ctx.ui.contentOffset = c.offset;
    ctx.ui.volume = -1;
    panel::OnLButtonDown(ctx, c.x, c.y, panel::kMkLButton);
    EXPECT_EQ(ctx.ui.volume, c.volume);
  }
}

// The bar's numbers come from the layout file: far outside the window (up to the loader's limit)
// they still give a volume in range for a point inside the bar, without the arithmetic wrapping.
TEST_F(PanelTest, AVolumeBarOfExtremeSizeStillGivesVolumesInRange) {
  using panel::Lcd;
  constexpr int kLimit = panel::kLayoutCoordinateLimit;
  const struct {
    int direction, barX, barY, width, height, x, y, volume;
  } cases[] = {{0, -kLimit, 50, kLimit, 31, -5, 60, 219},
               {0, -1000, 50, kLimit, 31, 5, 60, 6},
               {0, -kLimit, 50, kLimit, 31, -kLimit / 2, 60, 110},
               {1, 67, -kLimit, 220, kLimit, 100, -5, 1},
               {1, 67, -10, 220, kLimit, 100, 30000, 19}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.barX << "," << c.barY << " " << c.x << "," << c.y);
    ctx.layout.lcd[static_cast<int>(Lcd::LCD_VOLBAR_LTOR_DTOU)] = c.direction;
    ctx.layout.lcd[static_cast<int>(Lcd::LCD_VOLBAR_X)] = c.barX;
    ctx.layout.lcd[static_cast<int>(Lcd::LCD_VOLBAR_Y)] = c.barY;
    ctx.layout.lcd[static_cast<int>(Lcd::LCD_VOLBAR_W)] = c.width;
    ctx.layout.lcd[static_cast<int>(Lcd::LCD_VOLBAR_H)] = c.height;
    ctx.ui.volume = -1;
    panel::OnLButtonDown(ctx, c.x, c.y, panel::kMkLButton);
    EXPECT_EQ(ctx.ui.volume, c.volume);
  }
}

// ---- keyboard and hot key ------------------------------------------------------------

// A few keys of each kind: sent, posted, both rows of digits.
struct KeyCase {
  std::uint32_t key;
  cmd::Id command;
  Delivery delivery;
};
const KeyCase kKeys[] = {{panel::kVkSpace, cmd::kSnapshot, Delivery::Sent},
                         {panel::kVkUp, cmd::kPlus, Delivery::Sent},
                         {panel::kVkDown, cmd::kMinus, Delivery::Sent},
                         {'0', cmd::kDigit0, Delivery::Sent},
                         {panel::kVkNumpad0 + 9, cmd::kDigit9, Delivery::Sent},
                         {'F', cmd::kFullScreen, Delivery::Posted},
                         {'M', cmd::kMute, Delivery::Posted},
                         {panel::kVkSubtract, cmd::kRemoveChannel, Delivery::Posted}};

TEST_F(PanelTest, EachKeyIssuesItsCommandSentOrPosted) {
  for (const KeyCase& k : kKeys) {
    SCOPED_TRACE(k.key);
    h.fake.messenger.ClearLog();
    panel::OnKeyDown(ctx, k.key);
    ASSERT_EQ(ToPanel().size(), 1u);
    EXPECT_TRUE(ToPanel()[0].IsCommand(k.command));
    EXPECT_EQ(ToPanel()[0].delivery, k.delivery);
  }
  h.fake.messenger.ClearLog();
  for (std::uint32_t key : {panel::kVkLeft, panel::kVkRight, std::uint32_t{'B'}, std::uint32_t{'/'},
                            std::uint32_t{':'}, panel::kVkNumpad0 + 10})
    panel::OnKeyDown(ctx, key);
  EXPECT_TRUE(ToPanel().empty());
}

// Each busy flag alone leaves only the arrows and full screen, and silences the hot key; the
// list windows' keys ignore the restriction.
TEST_F(PanelTest, BusyModesRestrictTheKeyboardAndTheHotKeyButNotTheLists) {
  for (auto flag :
       {&ModeFlags::recording, &ModeFlags::airScan, &ModeFlags::cableScan, &ModeFlags::fmScan,
        &ModeFlags::previewActive, &ModeFlags::timeShift, &ModeFlags::scanDialogOpen}) {
    ctx.mode = ModeFlags{};
    ctx.mode.*flag = 1;
    h.fake.messenger.ClearLog();
    for (const KeyCase& k : kKeys) panel::OnKeyDown(ctx, k.key);
    panel::OnHotKey(ctx, 0);
    EXPECT_EQ(h.fake.messenger.CommandsTo(ctx.windows.panel),
              (std::vector<std::uint16_t>{cmd::kPlus, cmd::kMinus, cmd::kFullScreen}));
  }
  EXPECT_TRUE(h.fake.windows.events.empty());

  h.fake.messenger.ClearLog();
  panel::OnListKeyDown(ctx, panel::ListSource::Down, 'M');
  panel::OnListKeyDown(ctx, panel::ListSource::Side, '5');
  panel::OnListKeyDown(ctx, panel::ListSource::Side, panel::kVkLeft);
  EXPECT_EQ(h.fake.messenger.CommandsTo(ctx.windows.panel),
            (std::vector<std::uint16_t>{cmd::kMute, cmd::kDigit0 + 5}));
}

}  // namespace
}  // namespace tv
