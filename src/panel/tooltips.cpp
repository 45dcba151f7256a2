#include "panel/tooltips.h"

#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "panel/skin.h"

namespace tv::panel {
namespace {

constexpr std::uint32_t kTrayCallbackMessage = 2024;
constexpr std::uint32_t kWmRButtonDown = 0x0204;
// The notification area keeps 64 bytes of tip text, terminator included.
constexpr std::uint32_t kTrayTipCapacity = 64;
constexpr TooltipDelays kTooltipDelays{1000, 2500, 1000};

const std::string& CaptionText(const PanelContext& ctx, Caption caption) {
  return ctx.layout.Text(caption);
}

MenuItemText Item(const PanelContext& ctx, cmd::Id id, Caption caption) {
  return MenuItemText{id, CaptionText(ctx, caption)};
}

// The tray tip has room for more than the product caption's own buffer, so it reads the name
// from the skin with the notification area's limit.
std::string TrayTip(const PanelContext& ctx) {
  const CaptionInfo& product = kCaptions[static_cast<int>(Caption::IDS_PRODUCT)];
  return ctx.panelIni.RawText(ButtonSection(ctx.layout.skin).c_str(), product.key,
                              product.defaultText, kTrayTipCapacity);
}

// A menu closes properly only when its owner receives a message after it.
void CloseMenuProperly(PanelContext& ctx) {
  ctx.os.messenger.Post(ctx.windows.panel, kWmNull, 0, 0);
}

}  // namespace

void CreateTooltips(PanelContext& ctx) {
  std::vector<Tooltip> tools;
  tools.reserve(kButtonCount);
  for (int i = 0; i < kButtonCount; ++i) {
    const PanelButton& b = ctx.layout.buttons[i];
    tools.push_back(Tooltip{i, Rect{ButtonX(ctx, i), b.y, b.width, b.height}, b.tooltip});
  }
  // Without the control the panel simply has no tooltips.
  ctx.os.shell.CreateTooltips(ctx.windows.panel, tools, kTooltipDelays);
}

void RebuildTooltips(PanelContext& ctx) {
  if (!ctx.os.shell.HasTooltips()) return;
  ctx.os.shell.DestroyTooltips();
  CreateTooltips(ctx);
}

void TrayIcon(PanelContext& ctx, TrayOperation operation) {
  switch (operation) {
    case TrayOperation::Add:
      ctx.os.shell.AddTrayIcon(ctx.windows.panel, kTrayIconId, kTrayCallbackMessage, TrayTip(ctx));
      break;
    case TrayOperation::Remove:
      ctx.os.shell.RemoveTrayIcon(ctx.windows.panel, kTrayIconId);
      break;
  }
}

void OnTrayMessage(PanelContext& ctx, std::uint32_t mouseMessage) {
  if (mouseMessage == kWmLButtonDblClk) {
    SendCommand(ctx.os.messenger, ctx.windows.panel, cmd::kTrayShowHide, 0);
    return;
  }
  if (mouseMessage != kWmRButtonDown) return;
  const std::vector<MenuItemText> items{Item(ctx, cmd::kReopenTv, Caption::IDMOPENALLFILE),
                                        Item(ctx, cmd::kTrayClose, Caption::IDMDESTROY)};
  // The menu only closes on a click elsewhere while its owner is the foreground window.
  ctx.os.windows.BringToForeground(ctx.windows.panel);
  ctx.os.shell.ShowPopupMenu(ctx.windows.panel, kTrayMenu, items);
  CloseMenuProperly(ctx);
}

void ShowFileMenu(PanelContext& ctx, bool fileListHasSelection) {
  if (!fileListHasSelection) return;
  const std::vector<MenuItemText> items{Item(ctx, cmd::kFileEdit, Caption::IDMEDIT),
                                        Item(ctx, cmd::kFileEmail, Caption::IDMPEMAIL),
                                        Item(ctx, cmd::kFileSaveAs, Caption::IDMSAVEAS),
                                        Item(ctx, cmd::kFileDelete, Caption::IDMDELETE),
                                        Item(ctx, cmd::kFileDeleteAll, Caption::IDMDELETEALL)};
  ctx.os.shell.ShowPopupMenu(ctx.windows.panel, kFileMenu, items);
  CloseMenuProperly(ctx);
}

}  // namespace tv::panel
