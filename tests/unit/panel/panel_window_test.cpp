#include "panel/panel_window.h"

#include <gtest/gtest.h>

#include <climits>

#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using testing::Join;
using testing::Msg;

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
  // The copies onto the window since the last call, each as the look (Normal, Hover, Pressed)
  // and index of the button it draws whole, "?" for any other copy.
  std::string Drawn() {
    std::string out;
    for (const fakes::Copy& c : h.fake.graphics.WindowCopies()) {
      std::string drawn = "?";
      for (int i = panel::kButtonCount - 1; i >= 0; --i) {
        const panel::PanelButton& b = ctx.layout.buttons[i];
        if (c == fakes::Copy{c.from, Rect{b.x, b.y, b.width, b.height}, std::nullopt, {b.x, b.y}})
          drawn = "NHP"[static_cast<int>(c.from)] + std::to_string(i);
      }
      out += drawn + " ";
    }
    h.fake.graphics.ClearCopies();
    return out;
  }
  // Inside button i, away from its edges.
  void MoveOnto(int i, std::uintptr_t keys = 0) {
    const panel::PanelButton& b = ctx.layout.buttons[i];
    panel::OnMouseMove(ctx, b.x + b.width / 2, b.y + b.height / 2, keys);
  }
  int Invalidations() { return h.fake.windows.State(ctx.windows.panel).invalidations; }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
};

// ---- hit test and hover --------------------------------------------------------------

TEST_F(PanelTest, HitTestEdgesAreOutsideAndTheOffsetMovesEveryButtonButTheListOpener) {
  Enable({13, panel::kButtonLeftOpen});  // 452, 26, 20 x 30 and 0, 0, 18 x 18
  constexpr int kNo = panel::kNoButton;
  // clang-format off
  const struct { int offset, x, y, hit; } cases[] = {
      {0, 452, 40, kNo}, {0, 453, 40, 13}, {0, 471, 40, 13}, {0, 472, 40, kNo}, {0, 460, 26, kNo},
      {0, 460, 27, 13}, {0, 460, 55, 13}, {0, 460, 56, kNo}, {96, 460, 40, kNo},
      {96, 556, 40, 13}, {96, 548, 40, kNo}, {96, 5, 5, 45}, {96, 101, 5, kNo}};
  // A layout file may give any 32-bit rectangle; the far edge must not wrap into a hit.
  const struct { int x, width, px; bool hit; } extremes[] = {
      {INT_MIN, -1, 5, false}, {INT_MIN, INT_MAX, -5, true}, {INT_MIN, INT_MAX, 0, false},
      {INT_MAX - 10, INT_MAX, 5, false}, {INT_MAX - 10, INT_MAX, INT_MAX, true},
      {-20, INT_MIN, -30, false}};
  // clang-format on
  for (const auto& c : cases) {
    ctx.ui.contentOffset = c.offset;
    EXPECT_EQ(panel::HitButton(ctx, c.x, c.y), c.hit) << c.offset << ": " << c.x << "," << c.y;
  }
  ctx.ui.contentOffset = 0;
  for (const auto& e : extremes) {
    ctx.layout.buttons[13].x = e.x;
    ctx.layout.buttons[13].width = e.width;
    EXPECT_EQ(panel::HitButton(ctx, e.px, 40), e.hit ? 13 : kNo) << e.x << "+" << e.width;
  }
  Enable({13});
  ctx.layout.buttons[13].enabled = 2;  // only exactly 1 is enabled
  EXPECT_EQ(panel::HitButton(ctx, 460, 40), kNo);
}

TEST_F(PanelTest, HoverRedrawsOnlyTheTwoButtonsItMovesBetweenAndEmptySkinRepaints) {
  Enable({14, 15});  // AIR ends at x 67 where CABLE begins
  MoveOnto(14);
  EXPECT_EQ(Drawn(), "H14 ");
  EXPECT_EQ(h.fake.windows.captured, ctx.windows.panel);
  MoveOnto(15);
  EXPECT_EQ(Drawn(), "N14 H15 ");
  panel::OnMouseMove(ctx, 70, 85, 0);  // still CABLE
  EXPECT_EQ(Drawn() + std::to_string(Invalidations()), "0");
  // Every move over skin that is no button repaints; the shared edge belongs to neither.
  panel::OnMouseMove(ctx, 67, 88, 0);
  EXPECT_EQ(Drawn() + std::to_string(Invalidations()), "N15 1");
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
  std::string drawn;
  MoveOnto(play);
  drawn += Drawn() + "| ";
  panel::OnLButtonDown(ctx, p.x + 2, p.y + 2, panel::kMkLButton);
  drawn += Drawn() + "| ";
  panel::OnLButtonUp(ctx, p.x + 2, p.y + 2, 0);
  drawn += Drawn() + "| ";
  for (const int i : {stop, 13, stop}) {
    MoveOnto(i);
    drawn += Drawn() + "| ";
  }
  panel::OnMouseMove(ctx, 1, 150, 0);  // off every button
  EXPECT_EQ(drawn + Drawn(), "| P" + std::to_string(play) + " | | | N" + std::to_string(stop) +
                                 " H13 | | N" + std::to_string(stop) + " ");
}

TEST_F(PanelTest, ReleaseSendsTheCommandOfTheButtonThenUnderThePointerAndHoldingRepeats) {
  Enable({12, 13});
  const WindowRef stray = h.fake.messenger.AddWindow("VideoRenderer", "ActiveMovie Window");
  MoveOnto(13);
  Drawn();
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  EXPECT_EQ(h.fake.windows.cursor, Cursor::Held);
  EXPECT_TRUE(h.fake.windows.State(stray).destroyed);
  EXPECT_EQ(h.Log(ctx.windows.panel), "");
  panel::OnLButtonUp(ctx, 460, 40, 0);
  EXPECT_EQ(Drawn(), "P13 H13 ");
  EXPECT_EQ(h.fake.windows.cursor, Cursor::Arrow);
  EXPECT_EQ(h.Log(ctx.windows.panel), Msg(cmd::kChannelUp, 0, true));
  // Pressed on one button, released on another: the other's command.
  MoveOnto(12);
  panel::OnLButtonDown(ctx, 350, 40, panel::kMkLButton);
  MoveOnto(13, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 460, 40, 0);
  // Released off the skin's buttons: nothing, and no drag either. Only a press on empty skin
  // drags the window.
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  panel::OnMouseMove(ctx, 200, 160, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 200, 160, 0);
  EXPECT_EQ(h.Log(ctx.windows.panel),
            Msg(cmd::kChannelUp, 0, true) + Msg(cmd::kChannelUp, 0, true));
  h.fake.messenger.ClearLog();
  const int invalidated = Invalidations();
  panel::OnMouseMove(ctx, 200, 160, panel::kMkLButton);
  EXPECT_EQ(
      Join(h.Log(ctx.windows.panel), static_cast<int>(h.fake.windows.cursor), Invalidations()),
      Join(Msg(kScDragMove, 0, true, kWmSysCommand), static_cast<int>(Cursor::Drag), invalidated));

  // Holding CHUP repeats after 600 ms, then every 150 ms (750, 900, ..., 1950) until left.
  h.received.clear();
  h.fake.messenger.ClearLog();
  MoveOnto(13);
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  h.fake.time.Advance(599);
  EXPECT_TRUE(h.Commands().empty());
  h.fake.time.Advance(1);
  EXPECT_EQ(h.Commands().size(), 1u);
  h.fake.time.Advance(1400);
  panel::OnMouseMove(ctx, 400, 160, panel::kMkLButton);
  h.fake.time.Advance(1000);
  std::string repeats;
  for (int i = 0; i < 10; ++i) repeats += Msg(cmd::kChannelUp, 0, true);
  EXPECT_EQ(h.Log(ctx.windows.panel), repeats);
}

// ---- the bars ------------------------------------------------------------------------

// The default skin's volume bar: 67, 50, 220 x 31. Direction 1 is upright and fills from the
// bottom: 220 * -1 / 31 + 220, truncated toward zero, at the top; 2 is no bar. Far outside the
// window (up to the loader's limit) a point inside still gives a volume in range, no wrapping.
TEST_F(PanelTest, VolumeBarInsidePixelsGiveTheVolumeInRangeAndTheEdgesNothing) {
  using panel::Lcd;
  constexpr int kLimit = panel::kLayoutCoordinateLimit;
  // clang-format off
  const struct { int direction, offset, barX, barY, width, height, x, y, volume; } cases[] = {
      {0, 0, 67, 50, 220, 31, 68, 60, 1}, {0, 0, 67, 50, 220, 31, 286, 60, 219},
      {0, 0, 67, 50, 220, 31, 177, 60, 110}, {0, 0, 67, 50, 220, 31, 67, 60, -1},
      {0, 0, 67, 50, 220, 31, 287, 60, -1}, {0, 0, 67, 50, 220, 31, 100, 50, -1},
      {0, 0, 67, 50, 220, 31, 100, 81, -1}, {1, 0, 67, 50, 220, 31, 100, 51, 213},
      {1, 0, 67, 50, 220, 31, 100, 80, 8}, {2, 0, 67, 50, 220, 31, 100, 60, -1},
      {0, 96, 67, 50, 220, 31, 68, 60, -1}, {0, 96, 67, 50, 220, 31, 164, 60, 1},
      {0, 0, -kLimit, 50, kLimit, 31, -5, 60, 219}, {0, 0, -1000, 50, kLimit, 31, 5, 60, 6},
      {0, 0, -kLimit, 50, kLimit, 31, -kLimit / 2, 60, 110},
      {1, 0, 67, -kLimit, 220, kLimit, 100, -5, 1}, {1, 0, 67, -10, 220, kLimit, 100, 30000, 19}};
  // clang-format on
  for (const auto& c : cases) {
    auto& lcd = ctx.layout.lcd;
    lcd[static_cast<int>(Lcd::LCD_VOLBAR_LTOR_DTOU)] = c.direction;
    lcd[static_cast<int>(Lcd::LCD_VOLBAR_X)] = c.barX;
    lcd[static_cast<int>(Lcd::LCD_VOLBAR_Y)] = c.barY;
    lcd[static_cast<int>(Lcd::LCD_VOLBAR_W)] = c.width;
    lcd[static_cast<int>(Lcd::LCD_VOLBAR_H)] = c.height;
    ctx.ui.contentOffset = c.offset;
    ctx.ui.volume = -1;
    panel::OnLButtonDown(ctx, c.x, c.y, panel::kMkLButton);
    EXPECT_EQ(ctx.ui.volume, c.volume) << c.direction << " " << c.barX << " " << c.x << "," << c.y;
  }
}

// ---- keyboard and hot key ------------------------------------------------------------

// A few keys of each kind: sent, posted, both rows of digits. Each busy flag alone leaves only
// the arrows and full screen, and silences the hot key; the list windows' keys ignore it.
TEST_F(PanelTest, EachKeyIssuesItsCommandAndBusyModesRestrictKeysAndHotKeyButNotTheLists) {
  // clang-format off
  const struct { std::uint32_t key; cmd::Id command; bool sent; } keys[] = {
      {panel::kVkSpace, cmd::kSnapshot, true}, {panel::kVkUp, cmd::kPlus, true},
      {panel::kVkDown, cmd::kMinus, true}, {'0', cmd::kDigit0, true},
      {panel::kVkNumpad0 + 9, cmd::kDigit9, true}, {'F', cmd::kFullScreen, false},
      {'M', cmd::kMute, false}, {panel::kVkSubtract, cmd::kRemoveChannel, false}};
  // clang-format on
  std::string all;
  for (const auto& k : keys) {
    panel::OnKeyDown(ctx, k.key);
    all += Msg(k.command, 0, k.sent);
  }
  for (std::uint32_t key : {panel::kVkLeft, panel::kVkRight, std::uint32_t{'B'}, std::uint32_t{'/'},
                            std::uint32_t{':'}, panel::kVkNumpad0 + 10})
    panel::OnKeyDown(ctx, key);
  EXPECT_EQ(h.Log(ctx.windows.panel), all);

  for (auto flag :
       {&ModeFlags::recording, &ModeFlags::airScan, &ModeFlags::cableScan, &ModeFlags::fmScan,
        &ModeFlags::previewActive, &ModeFlags::timeShift, &ModeFlags::scanDialogOpen}) {
    ctx.mode = ModeFlags{};
    ctx.mode.*flag = 1;
    h.fake.messenger.ClearLog();
    for (const auto& k : keys) panel::OnKeyDown(ctx, k.key);
    panel::OnHotKey(ctx, 0);
    EXPECT_EQ(testing::JoinAll(h.fake.messenger.CommandsTo(ctx.windows.panel)),
              Join(cmd::kPlus, cmd::kMinus, cmd::kFullScreen));
  }
  EXPECT_TRUE(h.fake.windows.events.empty());
  h.fake.messenger.ClearLog();
  panel::OnListKeyDown(ctx, panel::ListSource::Down, 'M');
  panel::OnListKeyDown(ctx, panel::ListSource::Side, '5');
  panel::OnListKeyDown(ctx, panel::ListSource::Side, panel::kVkLeft);
  EXPECT_EQ(testing::JoinAll(h.fake.messenger.CommandsTo(ctx.windows.panel)),
            Join(cmd::kMute, cmd::kDigit0 + 5));
}

}  // namespace
}  // namespace tv
