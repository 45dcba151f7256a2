#include "commands/panel_commands.h"

#include <algorithm>
#include <iterator>

#include "app/key_table.h"
#include "commands/command_ids.h"
#include "panel/skin.h"

namespace tv::commands {
namespace {

WindowRef FindVideoWindow(PanelContext& ctx) {
  ctx.windows.video = ctx.os.messenger.Find(kVideoClass, kVideoTitle);
  return ctx.windows.video;
}

void ReselectStoredSource(PanelContext& ctx) {
  const cmd::Id source = cmd::SourceCommandFor(ctx.settings.Int(keys::kInputSource));
  if (source != 0) PostCommand(ctx.os.messenger, ctx.windows.panel, source, 0);
}

void Repaint(PanelContext& ctx) {
  ctx.os.messenger.Send(ctx.windows.panel, kWmPaint, 0, 0);
}

void PeerReady(PanelContext& ctx, std::intptr_t) {
  ctx.mode.videoBusy = 0;
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

void PeerEndProgram(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  ctx.os.windows.Destroy(ctx.windows.panel);
}

void PeerReselectSource(PanelContext& ctx, std::intptr_t) {
  ReselectStoredSource(ctx);
}

// Sorted by id for the lookup.
constexpr CommandHandler kHandlers[] = {
    {cmd::kPeerEndProgram, PeerEndProgram},
    {cmd::kTrayShowHide, ShowOrHidePanel},
    {cmd::kTrayClose, EndProgram},
    {cmd::kMinimize, MinimizePanel},
    {cmd::kCloseTv, CloseTv},
    {cmd::kNextSkin, NextSkin},
    {cmd::kPeerReady, PeerReady},
    {cmd::kToggleDownPart, ToggleDownPart},
    {cmd::kToggleSidePart, ToggleSidePart},
    {cmd::kPeerReselectSource, PeerReselectSource},
    {cmd::kReopenTv, ReopenTv},
};

}  // namespace

bool ScanRuns(const ModeFlags& mode) {
  return mode.airScan == 1 || mode.cableScan == 1 || mode.fmScan == 1;
}

const CommandHandler* FindHandler(std::uint16_t id) {
  auto it = std::find_if(std::begin(kHandlers), std::end(kHandlers),
                         [id](const CommandHandler& h) { return h.id == id; });
  return it == std::end(kHandlers) ? nullptr : &*it;
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
