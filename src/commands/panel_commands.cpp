#include "commands/panel_commands.h"

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/video_window.h"
#include "panel/skin.h"

namespace tv::commands {
namespace {

void Repaint(PanelContext& ctx) {
  ctx.os.messenger.Send(ctx.windows.panel, kWmPaint, 0, 0);
}

void NextSkin(PanelContext& ctx, std::intptr_t) {
  panel::NextSkin(ctx);
}
void ToggleDownPart(PanelContext& ctx, std::intptr_t) {
  panel::ToggleDownPart(ctx);
}
void ToggleSidePart(PanelContext& ctx, std::intptr_t) {
  panel::ToggleSidePart(ctx);
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kTrayShowHide, ShowOrHidePanel},
    {cmd::kTrayClose, EndProgram},
    {cmd::kMinimize, MinimizePanel},
    {cmd::kCloseTv, CloseTv},
    {cmd::kNextSkin, NextSkin},
    {cmd::kToggleDownPart, ToggleDownPart},
    {cmd::kToggleSidePart, ToggleSidePart},
    {cmd::kReopenTv, ReopenTv},
};

}  // namespace

bool ScanRuns(const ModeFlags& mode) {
  return mode.airScan == 1 || mode.cableScan == 1 || mode.fmScan == 1;
}

HandlerTable WindowCommandHandlers() {
  return kHandlers;
}

void CloseTv(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  if (ctx.ui.downOpen) PostCommand(ctx.os.messenger, ctx.windows.panel, cmd::kToggleDownPart, 0);
  ctx.os.windows.Show(ctx.windows.panel, kSwHide);
  if (ctx.windows.downList) ctx.os.windows.Show(ctx.windows.downList, kSwHide);
  ctx.ui.visible = 0;
  ctx.mode.tvClosed = 1;
  if (FindVideoWindow(ctx)) ctx.os.messenger.Post(ctx.windows.video, kWmClose, 0, 0);
  if (ctx.ui.sideOpen) {
    SendCommand(ctx.os.messenger, ctx.windows.panel, cmd::kToggleSidePart, 0);
    if (ctx.windows.sideList) ctx.os.windows.Show(ctx.windows.sideList, kSwHide);
  }
}

void ReopenTv(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  ctx.os.windows.Show(ctx.windows.panel, kSwShow);
  ctx.ui.visible = 1;
  if (!FindVideoWindow(ctx)) ReselectStoredSource(ctx);
  Repaint(ctx);
}

void ShowOrHidePanel(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  if (ctx.ui.visible) {
    if (ctx.windows.downList) ctx.os.windows.Show(ctx.windows.downList, kSwHide);
    ctx.os.windows.Show(ctx.windows.panel, kSwHide);
    ctx.ui.visible = 0;
    return;
  }
  if (ctx.windows.downList)
    ctx.os.windows.Show(ctx.windows.downList, ctx.ui.downOpen ? kSwShow : kSwHide);
  ctx.os.windows.Show(ctx.windows.panel, kSwShow);
  ctx.ui.visible = 1;
  ctx.os.windows.BringToForeground(ctx.windows.panel);
  if (!FindVideoWindow(ctx)) {
    ReselectStoredSource(ctx);
    Repaint(ctx);
  }
}

void MinimizePanel(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  if (FindVideoWindow(ctx)) {
    if (ctx.mode.fmMode)
      ctx.os.windows.Show(ctx.windows.video, kSwHide);
    else
      PostCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoPanelMinimized, 0);
  }
  ctx.os.windows.Show(ctx.windows.panel, kSwMinimize);
}

void EndProgram(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  ctx.settings.Write(keys::kBrightness, ctx.picture.brightness);
  ctx.settings.Write(keys::kContrast, ctx.picture.contrast);
  ctx.settings.Write(keys::kHue, ctx.picture.hue);
  ctx.settings.Write(keys::kSaturation, ctx.picture.saturation);
  ctx.os.messenger.Post(FindVideoWindow(ctx), kWmClose, 0, 0);
  ctx.os.messenger.Send(ctx.windows.panel, kWmDestroy, 0, 0);
}

}  // namespace tv::commands
