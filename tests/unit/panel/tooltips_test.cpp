#include "panel/tooltips.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "panel/skin.h"
#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

using fakes::Delivery;
using fakes::LoggedMessage;
using testing::PanelHarness;

constexpr std::uint32_t kWmRButtonDown = 0x0204;
constexpr std::uint32_t kWmMouseMove = 0x0200;

std::vector<std::pair<std::uint16_t, std::string>> Items(const fakes::ShownMenu& menu) {
  std::vector<std::pair<std::uint16_t, std::string>> items;
  for (const MenuItemText& item : menu.items) items.emplace_back(item.id, item.text);
  return items;
}

TEST(Tooltips, EveryButtonGetsATipOverItsRectangle) {
  PanelHarness h("[1PANEL_BTN]\nIDS_MUTE=Silence\n");
  CreateTooltips(h.ctx);
  const fakes::FakeShell& shell = h.fake.shell;
  ASSERT_EQ(shell.tools.size(), 48u);
  for (int i = 0; i < kButtonCount; ++i) {
    EXPECT_EQ(shell.tools[i].id, i);
    EXPECT_EQ(shell.tools[i].rect, h.ctx.layout.buttons[i].Bounds()) << i;
  }
  EXPECT_EQ(shell.tools[30].text, "Silence");
  EXPECT_EQ(shell.tools[13].rect, (Rect{452, 26, 20, 30}));
  EXPECT_EQ(shell.delays.initialMs, 1000);
  EXPECT_EQ(shell.delays.autoPopMs, 2500);
  EXPECT_EQ(shell.delays.reshowMs, 1000);
}

TEST(Tooltips, AfterUnfoldingOnTheLeftTipsFollowTheirButtons) {
  PanelHarness h;
  CreateTooltips(h.ctx);
  ToggleSidePart(h.ctx);
  const std::vector<Tooltip>& tools = h.fake.shell.tools;
  ASSERT_EQ(tools.size(), 48u);
  for (int i = 0; i < kButtonCount; ++i) {
    const Rect artwork = h.ctx.layout.buttons[i].Bounds();
    EXPECT_EQ(tools[i].rect.x, artwork.x + (i == kButtonLeftOpen ? 0 : 96)) << i;
    EXPECT_EQ(tools[i].rect.y, artwork.y) << i;
  }
  EXPECT_EQ(h.fake.shell.tooltipCreations, 2);
}

TEST(Tooltips, WithoutAControlTheyAreNeverRebuilt) {
  PanelHarness h;
  h.fake.shell.tooltipsCanBeCreated = false;
  CreateTooltips(h.ctx);
  h.fake.shell.tooltipsCanBeCreated = true;
  RebuildTooltips(h.ctx);
  ToggleDownPart(h.ctx);
  EXPECT_FALSE(h.fake.shell.HasTooltips());
  EXPECT_EQ(h.fake.shell.tooltipCreations, 0);
}

TEST(TrayIcon, ItsTipIsTheProductNameCutTo63Characters) {
  {
    PanelHarness h;
    TrayIcon(h.ctx, TrayOperation::Add);
    EXPECT_TRUE(h.fake.shell.trayIcon);
    EXPECT_EQ(h.fake.shell.trayTip, "Zentaro");
    TrayIcon(h.ctx, TrayOperation::Remove);
    EXPECT_FALSE(h.fake.shell.trayIcon);
  }
  {
    const std::string name80 = std::string(40, 'a') + std::string(40, 'b');
    PanelHarness h("[1PANEL_BTN]\nIDS_PRODUCT=" + name80 + "\n");
    TrayIcon(h.ctx, TrayOperation::Add);
    EXPECT_EQ(h.fake.shell.trayTip, name80.substr(0, 63));
  }
}

TEST(TrayIcon, DoubleClickShowsOrHidesThePanel) {
  PanelHarness h;
  OnTrayMessage(h.ctx, kWmLButtonDblClk);
  const std::vector<LoggedMessage> log = h.fake.messenger.LogTo(h.ctx.windows.panel);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(log[0].IsCommand(cmd::kTrayShowHide));
  EXPECT_EQ(log[0].delivery, Delivery::Sent);
  EXPECT_EQ(log[0].lParam, 0);

  OnTrayMessage(h.ctx, kWmMouseMove);
  EXPECT_EQ(h.fake.messenger.Log().size(), 1u);
  EXPECT_TRUE(h.fake.shell.menus.empty());
}

TEST(TrayAndFileMenus, TrayRightClickOpensItsMenuWithTheSkinsTexts) {
  PanelHarness h("[1PANEL_BTN]\nIDMDESTROY=Quit\n");
  OnTrayMessage(h.ctx, kWmRButtonDown);
  EXPECT_EQ(h.fake.windows.foreground, h.ctx.windows.panel);
  ASSERT_EQ(h.fake.shell.menus.size(), 1u);
  const fakes::ShownMenu& menu = h.fake.shell.menus[0];
  EXPECT_EQ(menu.menu, 133);
  EXPECT_EQ(menu.owner, h.ctx.windows.panel);
  EXPECT_EQ(Items(menu), (std::vector<std::pair<std::uint16_t, std::string>>{{44000, "Open the TV"},
                                                                             {32772, "Quit"}}));
  const std::vector<LoggedMessage> log = h.fake.messenger.LogTo(h.ctx.windows.panel);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].message, kWmNull);
  EXPECT_EQ(log[0].delivery, Delivery::Posted);
}

TEST(TrayAndFileMenus, TheFileMenuShowsOnlyForASelectedFile) {
  PanelHarness h("[1PANEL_BTN]\nIDMPEMAIL=Mail\n");
  ShowFileMenu(h.ctx, false);
  EXPECT_TRUE(h.fake.shell.menus.empty());
  EXPECT_TRUE(h.fake.messenger.Log().empty());

  ShowFileMenu(h.ctx, true);
  ASSERT_EQ(h.fake.shell.menus.size(), 1u);
  EXPECT_EQ(h.fake.shell.menus[0].menu, 412);
  EXPECT_EQ(Items(h.fake.shell.menus[0]),
            (std::vector<std::pair<std::uint16_t, std::string>>{{32775, "Edit"},
                                                                {32778, "Mail"},
                                                                {32776, "Save as"},
                                                                {32777, "Delete"},
                                                                {32779, "Delete All"}}));
  ASSERT_EQ(h.fake.messenger.Log().size(), 1u);
  EXPECT_EQ(h.fake.messenger.Log()[0].message, kWmNull);
}

}  // namespace
}  // namespace tv::panel
