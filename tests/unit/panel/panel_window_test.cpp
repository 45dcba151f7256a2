#include "panel/panel_window.h"

#include <gtest/gtest.h>

#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "panel/tooltips.h"
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
  Copy Look(Surface from, int i, int offset = 0) const {
    const panel::PanelButton& b = ctx.layout.buttons[i];
    return Copy{from, Rect{b.x + offset, b.y, b.width, b.height}, std::nullopt,
                Point{b.x + offset, b.y}};
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

// ---- hit test ------------------------------------------------------------------------

using PanelWindowHitTest = PanelTest;

TEST_F(PanelWindowHitTest, EdgesAreOutsideAndTheOffsetMovesEveryButtonButTheListOpener) {
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
  ctx.ui.contentOffset = 0;
  ctx.layout.buttons[13].enabled = 2;  // only exactly 1 is enabled
  EXPECT_EQ(panel::HitButton(ctx, 460, 40), kNo);
}

// ---- hover ---------------------------------------------------------------------------

using MouseHover = PanelTest;

TEST_F(MouseHover, MovingToAnAdjacentButtonRedrawsOnlyThoseTwoAndEmptySkinRepaints) {
  Enable({14, 15});  // AIR ends at x 67 where CABLE begins
  MoveOnto(14);
  EXPECT_EQ(h.fake.graphics.WindowCopies(), std::vector<Copy>{Look(Surface::Hover, 14)});
  EXPECT_EQ(h.fake.windows.captured, ctx.windows.panel);
  EXPECT_EQ(h.fake.windows.cursor, Cursor::Arrow);

  h.fake.graphics.ClearCopies();
  MoveOnto(15);
  EXPECT_EQ(h.fake.graphics.WindowCopies(),
            (std::vector<Copy>{Look(Surface::Normal, 14), Look(Surface::Hover, 15)}));

  h.fake.graphics.ClearCopies();
  panel::OnMouseMove(ctx, 70, 85, 0);  // still CABLE
  EXPECT_TRUE(h.fake.graphics.WindowCopies().empty());
  EXPECT_EQ(Invalidations(), 0);
  EXPECT_EQ(ctx.ui.hoverIndex, 15);

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

TEST_F(MouseHover, TransportButtonsKeepTheirLook) {
  Enable({23, panel::kButtonPlay, panel::kButtonStop});
  MoveOnto(panel::kButtonPlay);
  MoveOnto(panel::kButtonStop);
  EXPECT_TRUE(h.fake.graphics.WindowCopies().empty());
  EXPECT_EQ(ctx.ui.hoverIndex, panel::kButtonStop);

  // Pressing one shows no pressed look either, yet its command still goes out.
  panel::OnLButtonDown(ctx, 170, 30, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 170, 30, 0);
  EXPECT_TRUE(h.fake.graphics.WindowCopies().empty());
  EXPECT_EQ(h.Commands(), std::vector<std::uint16_t>{cmd::kStop});

  MoveOnto(23);  // leaving it for a neighbour highlights only the neighbour
  EXPECT_EQ(h.fake.graphics.WindowCopies(), std::vector<Copy>{Look(Surface::Hover, 23)});
}

// ---- clicks and auto-repeat ----------------------------------------------------------

using MouseClick = PanelTest;

TEST_F(MouseClick, AClickSendsTheButtonsCommandWithPressedThenHoverLook) {
  Enable({13});
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
  EXPECT_EQ(ToPanel()[0].lParam, 0);
}

TEST_F(MouseClick, TheCommandIsTheButtonUnderThePointerAtRelease) {
  Enable({12, 13});
  MoveOnto(12);
  panel::OnLButtonDown(ctx, 350, 40, panel::kMkLButton);
  MoveOnto(13, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 460, 40, 0);
  EXPECT_EQ(h.Commands(), std::vector<std::uint16_t>{cmd::kChannelUp});

  // Released off the skin's buttons: nothing.
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  panel::OnMouseMove(ctx, 200, 160, panel::kMkLButton);
  panel::OnLButtonUp(ctx, 200, 160, 0);
  EXPECT_EQ(h.Commands().size(), 1u);
}

TEST_F(MouseClick, HoldingChannelUpRepeatsAfter600AndThenEvery150Ms) {
  Enable({13});
  MoveOnto(13);
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  h.fake.time.Advance(599);
  EXPECT_TRUE(h.Commands().empty());
  h.fake.time.Advance(1);
  EXPECT_EQ(h.Commands().size(), 1u);
  h.fake.time.Advance(1400);  // 750, 900, ..., 1950
  EXPECT_EQ(h.Commands().size(), 10u);
  panel::OnLButtonUp(ctx, 460, 40, 0);
  h.fake.time.Advance(1000);
  EXPECT_EQ(h.Commands(), std::vector<std::uint16_t>(11, cmd::kChannelUp));
  for (const LoggedMessage& m : ToPanel()) EXPECT_EQ(m.delivery, Delivery::Sent);
}

TEST_F(MouseClick, OnlyTheVolumeAndChannelButtonsRepeatAndLeavingStopsThem) {
  Enable({11, 23});
  MoveOnto(23);
  panel::OnLButtonDown(ctx, 40, 30, panel::kMkLButton);
  h.fake.time.Advance(2000);
  EXPECT_TRUE(h.Commands().empty());
  panel::OnLButtonUp(ctx, 40, 30, 0);

  MoveOnto(11);
  panel::OnLButtonDown(ctx, 300, 60, panel::kMkLButton);
  h.fake.time.Advance(700);
  EXPECT_EQ(h.Commands(), (std::vector<std::uint16_t>{cmd::kRecord, cmd::kVolumeUp}));
  panel::OnMouseMove(ctx, 400, 160, panel::kMkLButton);
  h.fake.time.Advance(2000);
  EXPECT_EQ(h.Commands().size(), 2u);
}

// ---- dragging the window -------------------------------------------------------------

using MouseDrag = PanelTest;

TEST_F(MouseDrag, OnlyAPressOnEmptySkinDragsTheWindow) {
  Enable({13});
  MoveOnto(13);
  panel::OnLButtonDown(ctx, 460, 40, panel::kMkLButton);
  MoveOnto(13, panel::kMkLButton);
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

// ---- volume bar ----------------------------------------------------------------------

class MouseVolumeBar : public PanelTest {
 protected:
  // The default skin's bar: 67, 50, 220 x 31, filling left to right.
  MouseVolumeBar() { video = h.AddVideoWindow(); }
  // The volume a click sets, or -1 when it sets none.
  int ClickAt(int x, int y) {
    ctx.ui.volume = -1;
    panel::OnLButtonDown(ctx, x, y, panel::kMkLButton);
    return ctx.ui.volume;
  }
  std::vector<LoggedMessage> ToVideo() const { return h.fake.messenger.LogTo(video); }
  WindowRef video;
};

// Direction 1 is upright and fills from the bottom: 220 * -1 / 31 + 220, truncated toward
// zero, at the top; 2 is no bar.
TEST_F(MouseVolumeBar, TheInsidePixelsGiveTheVolumeAndTheEdgesNothing) {
  const struct {
    int direction, x, y, volume;
  } cases[] = {{0, 68, 60, 1},   {0, 286, 60, 219}, {0, 177, 60, 110}, {0, 67, 60, -1},
               {0, 287, 60, -1}, {0, 100, 50, -1},  {0, 100, 81, -1},  {1, 100, 51, 213},
               {1, 100, 80, 8},  {2, 100, 60, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.direction << " " << c.x << "," << c.y);
    ctx.layout.lcd[static_cast<int>(panel::Lcd::LCD_VOLBAR_LTOR_DTOU)] = c.direction;
    EXPECT_EQ(ClickAt(c.x, c.y), c.volume);
  }
  ctx.layout.lcd[static_cast<int>(panel::Lcd::LCD_VOLBAR_LTOR_DTOU)] = 0;
  ctx.ui.contentOffset = 96;
  EXPECT_EQ(ClickAt(68, 60), -1);
  EXPECT_EQ(ClickAt(68 + 96, 60), 1);
}

TEST_F(MouseVolumeBar, AClickTellsTheVideoWindowAndUnmutesButStoresNothing) {
  ctx.ui.muted = 1;
  const int writes = h.fake.profile.writes;
  ClickAt(177, 60);
  EXPECT_EQ(ctx.ui.muted, 0);
  EXPECT_EQ(h.fake.profile.writes, writes);
  ASSERT_EQ(ToVideo().size(), 1u);
  EXPECT_TRUE(ToVideo()[0].IsCommand(cmd::kVideoVolume));
  EXPECT_EQ(ToVideo()[0].lParam, 110);
  EXPECT_EQ(ToVideo()[0].delivery, Delivery::Posted);
  // Without the left button nothing happens.
  panel::OnLButtonDown(ctx, 100, 60, 0);
  EXPECT_EQ(ToVideo().size(), 1u);
}

TEST_F(MouseVolumeBar, DraggingStoresEachVolumeAndSkipsTheVideoWindowForRadioAndTimeShift) {
  panel::OnMouseMove(ctx, 100, 60, 0);  // no button held: only hovering
  EXPECT_TRUE(ToVideo().empty());
  panel::OnMouseMove(ctx, 100, 60, panel::kMkLButton);
  EXPECT_EQ(ctx.settings.Int(keys::kVolume), 33);
  ASSERT_EQ(ToVideo().size(), 1u);
  EXPECT_EQ(ToVideo()[0].lParam, 33);

  ctx.mode.fmMode = 1;
  panel::OnMouseMove(ctx, 150, 60, panel::kMkLButton);
  ClickAt(160, 60);
  ctx.mode.fmMode = 0;
  ctx.mode.timeShift = 1;
  panel::OnMouseMove(ctx, 200, 60, panel::kMkLButton);
  ClickAt(210, 60);
  EXPECT_EQ(ToVideo().size(), 1u);
  EXPECT_EQ(ctx.settings.Int(keys::kVolume), 133);
}

// ---- time-shift bar ------------------------------------------------------------------

class MouseTimeShiftBar : public PanelTest {
 protected:
  // The default skin's bar: 21, 10, 294 x 9.
  MouseTimeShiftBar() {
    player = h.fake.messenger.AddWindow(kPlaybackClass, kPlaybackTitle);
    // Recording for 306 s: t = 51, scale 200, so 74 pixels (up to x 95) are recorded.
    ctx.mode.timeShift = 1;
    ctx.timeShift = TimeShiftClock{10, 0, 0, 200};
    h.fake.time.SetLocalTime(2026, 1, 15, 10, 5, 6);
    ctx.ui.sliderX = 21;
  }
  std::vector<std::intptr_t> Seeks() const {
    std::vector<std::intptr_t> positions;
    for (const LoggedMessage& m : h.fake.messenger.LogTo(player)) {
      EXPECT_TRUE(m.IsCommand(cmd::kPlaybackSeek));
      EXPECT_EQ(m.delivery, Delivery::Sent);
      positions.push_back(m.lParam);
    }
    return positions;
  }
  WindowRef player;
};

TEST_F(MouseTimeShiftBar, DragSeeksAreThrottledAndKeptWithinTheRecordedPart) {
  panel::OnLButtonDown(ctx, 25, 15, panel::kMkLButton);
  panel::OnMouseMove(ctx, 50, 15, panel::kMkLButton);
  EXPECT_EQ(Seeks(), std::vector<std::intptr_t>{19});  // 29 * 200 / 294
  EXPECT_EQ(ctx.ui.sliderX, 50);
  EXPECT_EQ(ctx.mode.videoBusy, 1);

  ctx.mode.videoBusy = 0;  // the player answered, but 100 ms have not passed
  panel::OnMouseMove(ctx, 60, 15, panel::kMkLButton);
  EXPECT_EQ(Seeks().size(), 1u);
  h.fake.time.Advance(100);
  EXPECT_FALSE(ctx.ui.seekThrottle);
  panel::OnMouseMove(ctx, 96, 15, panel::kMkLButton);  // not recorded yet
  panel::OnMouseMove(ctx, 60, 30, panel::kMkLButton);  // off the bar: ignored outright
  EXPECT_EQ(Seeks().size(), 1u);
  EXPECT_EQ(Invalidations(), 0);
  panel::OnMouseMove(ctx, 95, 15, panel::kMkLButton);
  EXPECT_EQ(Seeks(), (std::vector<std::intptr_t>{19, 50}));
}

TEST_F(MouseTimeShiftBar, OnlyThePressOnTheKnobDragsAndReleaseSeeksUnlessThePlayerIsBusy) {
  panel::OnLButtonDown(ctx, 32, 15, panel::kMkLButton);
  EXPECT_FALSE(ctx.ui.sliderDragging);
  panel::OnLButtonDown(ctx, 31, 15, panel::kMkLButton);
  EXPECT_TRUE(ctx.ui.sliderDragging);
  ctx.mode.videoBusy = 1;
  panel::OnLButtonUp(ctx, 80, 15, 0);
  EXPECT_TRUE(Seeks().empty());
  EXPECT_TRUE(ctx.ui.sliderDragging);

  ctx.mode.videoBusy = 0;
  panel::OnLButtonUp(ctx, 80, 15, 0);
  EXPECT_EQ(Seeks(), std::vector<std::intptr_t>{40});
  EXPECT_FALSE(ctx.ui.sliderDragging);
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerTimeShiftBar), 50u);

  h.fake.messenger.RemoveWindow(player);
  ctx.mode.videoBusy = 0;
  panel::OnLButtonUp(ctx, 80, 15, 0);
  EXPECT_EQ(ctx.mode.videoBusy, 0);
}

// ---- keyboard, lists, hot key --------------------------------------------------------

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
                         {'9', cmd::kDigit9, Delivery::Sent},
                         {panel::kVkNumpad0 + 9, cmd::kDigit9, Delivery::Sent},
                         {'F', cmd::kFullScreen, Delivery::Posted},
                         {'M', cmd::kMute, Delivery::Posted},
                         {panel::kVkSubtract, cmd::kRemoveChannel, Delivery::Posted}};

// Each of these alone restricts the keyboard and the hot key.
int ModeFlags::*const kBusyFlags[] = {
    &ModeFlags::recording,     &ModeFlags::airScan,   &ModeFlags::cableScan,     &ModeFlags::fmScan,
    &ModeFlags::previewActive, &ModeFlags::timeShift, &ModeFlags::scanDialogOpen};

using KeyboardTable = PanelTest;

TEST_F(KeyboardTable, EachKeyIssuesItsCommandSentOrPosted) {
  for (const KeyCase& k : kKeys) {
    SCOPED_TRACE(k.key);
    h.fake.messenger.ClearLog();
    panel::OnKeyDown(ctx, k.key);
    ASSERT_EQ(ToPanel().size(), 1u);
    EXPECT_TRUE(ToPanel()[0].IsCommand(k.command));
    EXPECT_EQ(ToPanel()[0].delivery, k.delivery);
    EXPECT_EQ(ToPanel()[0].lParam, 0);
  }
  h.fake.messenger.ClearLog();
  for (std::uint32_t key : {panel::kVkLeft, panel::kVkRight, std::uint32_t{'B'}, std::uint32_t{'/'},
                            std::uint32_t{':'}, panel::kVkNumpad0 + 10})
    panel::OnKeyDown(ctx, key);
  EXPECT_TRUE(ToPanel().empty());
}

TEST_F(KeyboardTable, BusyModesLeaveOnlyTheArrowsAndFullScreen) {
  for (auto flag : kBusyFlags) {
    ctx.mode = ModeFlags{};
    ctx.mode.*flag = 1;
    h.fake.messenger.ClearLog();
    for (const KeyCase& k : kKeys) panel::OnKeyDown(ctx, k.key);
    EXPECT_EQ(h.fake.messenger.CommandsTo(ctx.windows.panel),
              (std::vector<std::uint16_t>{cmd::kPlus, cmd::kMinus, cmd::kFullScreen}));
  }
}

TEST_F(KeyboardTable, ListKeysIgnoreTheRestriction) {
  ctx.mode.recording = 1;
  panel::OnListKeyDown(ctx, panel::ListSource::Down, 'M');
  panel::OnListKeyDown(ctx, panel::ListSource::Side, '5');
  panel::OnListKeyDown(ctx, panel::ListSource::Side, panel::kVkLeft);
  EXPECT_EQ(h.fake.messenger.CommandsTo(ctx.windows.panel),
            (std::vector<std::uint16_t>{cmd::kMute, cmd::kDigit0 + 5}));
}

using KeyboardLists = PanelTest;

TEST_F(KeyboardLists, TheFileListOpensOnActivateAndComesToFront) {
  panel::OnListActivate(ctx, panel::ListSource::Side);
  EXPECT_TRUE(ToPanel().empty());
  panel::OnListActivate(ctx, panel::ListSource::Down);
  ASSERT_EQ(ToPanel().size(), 1u);
  EXPECT_TRUE(ToPanel()[0].IsCommand(cmd::kFileEdit));
  EXPECT_EQ(ToPanel()[0].delivery, Delivery::Posted);
  EXPECT_EQ(h.fake.windows.foreground, ctx.windows.panel);
  EXPECT_EQ(h.fake.windows.focus, ctx.windows.panel);

  h.fake.windows.foreground = {};
  panel::OnListColumnClick(ctx, 2);
  EXPECT_EQ(h.fake.windows.foreground, ctx.windows.panel);

  panel::OnListRightClick(ctx, panel::ListSource::Down, false);
  panel::OnListRightClick(ctx, panel::ListSource::Side, true);
  EXPECT_TRUE(h.fake.shell.menus.empty());
  panel::OnListRightClick(ctx, panel::ListSource::Down, true);
  ASSERT_EQ(h.fake.shell.menus.size(), 1u);
  EXPECT_EQ(h.fake.shell.menus[0].menu, panel::kFileMenu);
}

using HotKeyToggle = PanelTest;

TEST_F(HotKeyToggle, ClosesTheTvThenReopensItWithTheSavedSource) {
  h.onCommand = [this](std::uint16_t id, std::intptr_t) {
    if (id == cmd::kCloseTv) ctx.mode.tvClosed = 1;
  };
  ctx.settings.Write(keys::kInputSource, 4);
  ctx.ui.visible = 1;
  panel::OnHotKey(ctx, 0);
  ASSERT_EQ(ToPanel().size(), 1u);
  EXPECT_EQ(ToPanel()[0].delivery, Delivery::Sent);
  EXPECT_EQ(h.Commands(), std::vector<std::uint16_t>{cmd::kCloseTv});
  EXPECT_EQ(ctx.ui.visible, 0);
  EXPECT_EQ(h.fake.windows.State(ctx.windows.panel).lastShow, kSwHide);

  h.fake.messenger.ClearLog();
  panel::OnHotKey(ctx, 0);
  EXPECT_EQ(h.fake.windows.State(ctx.windows.panel).lastShow, kSwShow);
  EXPECT_EQ(ctx.ui.visible, 1);
  EXPECT_EQ(h.fake.windows.foreground, ctx.windows.panel);
  ASSERT_EQ(ToPanel().size(), 2u);
  EXPECT_EQ(ToPanel()[0].message, kWmPaint);
  EXPECT_EQ(ToPanel()[0].delivery, Delivery::Posted);
  EXPECT_TRUE(ToPanel()[1].IsCommand(cmd::kSourceAir));
  EXPECT_EQ(ToPanel()[1].delivery, Delivery::Posted);
}

TEST_F(HotKeyToggle, IgnoredWhileBusyOrForAnotherId) {
  panel::OnHotKey(ctx, 1);
  for (auto flag : kBusyFlags) {
    ctx.mode = ModeFlags{};
    ctx.mode.*flag = 1;
    panel::OnHotKey(ctx, 0);
  }
  ctx.mode = ModeFlags{};
  ctx.mode.videoBusy = 1;
  panel::OnHotKey(ctx, 0);
  EXPECT_TRUE(ToPanel().empty());
  EXPECT_TRUE(h.fake.windows.events.empty());
}

}  // namespace
}  // namespace tv
