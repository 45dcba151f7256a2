#include "panel/skin.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/key_table.h"
#include "base/profile_snapshot.h"
#include "commands/captured_files.h"
#include "commands/command_ids.h"
#include "panel/lcd.h"
#include "panel/panel_timers.h"
#include "panel/tooltips.h"
#include "tuning/side_list.h"

namespace tv::panel {
namespace {

struct ShapeFiles {
  const char* normal;
  const char* hover;
  const char* pressed;
};

// Indexed by shape - 1: Closed, Down, Side, All.
constexpr ShapeFiles kShapeFiles[4] = {
    {"\\panel.bmp", "\\panelover.bmp", "\\panelbdown.bmp"},
    {"\\paneldown.bmp", "\\paneldownover.bmp", "\\paneldownbdown.bmp"},
    {"\\panellorr.bmp", "\\panellorrover.bmp", "\\panellorrbdown.bmp"},
    {"\\panelall.bmp", "\\panelallover.bmp", "\\panelallbdown.bmp"},
};
constexpr const char* kSpriteFile = "\\otherbmp.bmp";

// The installation may have moved since start: the folder is looked up again every time.
std::string SkinFolder(PanelContext& ctx) {
  const std::string appDirectory = WinIni(ctx.os.profile)
                                       .Text(keys::kAppDirectory, keys::kAppDirectory.text,
                                             static_cast<std::uint32_t>(kPathBufferSize));
  return appDirectory + "\\panelbmp" + DecimalText(ReadPanelNow(ctx.panelIni));
}

int SideShift(const PanelContext& ctx) {
  return ctx.layout.geometry.openLeftListW - ctx.layout.geometry.panelW;
}

// Side part unfolded: on the left the whole artwork moves right, except the button that
// unfolds it; on the right only that button moves, to the new edge.
void ShiftForOpenSide(PanelContext& ctx) {
  const int lorr = ctx.layout.geometry.lorr;
  ctx.ui.contentOffset = lorr == 0 ? SideShift(ctx) : 0;
  if (lorr == 1) ctx.layout.buttons[kButtonLeftOpen].x += SideShift(ctx);
}

void PlaceDownList(PanelContext& ctx, const ScreenRect& panel) {
  const PanelGeometry& g = ctx.layout.geometry;
  ctx.os.windows.Move(ctx.windows.downList, panel.left + g.downXOffset + ctx.ui.contentOffset,
                      panel.top + g.downYOffset, g.downWinW, g.downWinH, true);
}

// The channel list sits over the side part wherever the artwork is.
void PlaceSideList(PanelContext& ctx, const ScreenRect& panel) {
  const PanelGeometry& g = ctx.layout.geometry;
  ctx.os.windows.Move(ctx.windows.sideList, panel.left + g.lorrXOffset, panel.top + g.lorrYOffset,
                      g.lorrWinW, g.lorrWinH, true);
}

void MoveDownListIfAny(PanelContext& ctx) {
  if (ctx.windows.downList) PlaceDownList(ctx, ctx.os.windows.WindowRect(ctx.windows.panel));
}

// Size, outline and pictures follow the shape.
void Reshape(PanelContext& ctx, PanelShape shape) {
  const Size size = ShapeSize(ctx, shape);
  ctx.os.windows.Resize(ctx.windows.panel, size.width, size.height);
  SetWindowShape(ctx, ReadPanelNow(ctx.panelIni), static_cast<int>(shape));
  LoadSkinBitmaps(ctx, static_cast<int>(shape));
}

void RepaintNow(PanelContext& ctx) {
  ctx.os.windows.Invalidate(ctx.windows.panel);
  ctx.os.windows.UpdateNow(ctx.windows.panel);
}

int BandLabel(const PanelContext& ctx) {
  if (ctx.mode.fmMode == 1) return 2;
  return ctx.mode.videoInput == 1 ? 3 : 1;
}

int MuteState(const PanelContext& ctx) {
  return ctx.ui.muted == 1 ? 2 : 1;
}

void ShowDownList(PanelContext& ctx) {
  ctx.os.windows.Show(ctx.windows.downList, ctx.ui.listsSuppressed == 1 ? kSwHide : kSwShow);
}

}  // namespace

void ApplyAlwaysOnTop(PanelContext& ctx) {
  const bool topmost = ctx.settings.IsTrue(keys::kAlwaysOnTop);
  const WindowRef panel = ctx.os.messenger.Find(kPanelClass, kPanelTitle);
  if (panel) ctx.os.windows.SetTopmost(panel, topmost);
  ctx.windows.video = ctx.os.messenger.Find(kVideoClass, kVideoTitle);
  if (ctx.windows.video) ctx.os.windows.SetTopmost(ctx.windows.video, topmost);
}

void LoadSkinBitmaps(PanelContext& ctx, int shape) {
  const std::string folder = SkinFolder(ctx);
  std::string normal, hover, pressed;
  if (shape >= 1 && shape <= 4) {
    const ShapeFiles& files = kShapeFiles[shape - 1];
    normal = folder + files.normal;
    hover = folder + files.hover;
    pressed = folder + files.pressed;
  }
  ctx.os.graphics.LoadPictures(normal, hover, pressed, folder + kSpriteFile);
  ApplyAlwaysOnTop(ctx);
}

void ReleaseSkinBitmaps(PanelContext& ctx) {
  ctx.os.graphics.ReleasePictures();
}

int SetWindowShape(PanelContext& ctx, int skin, int shape) {
  return ctx.os.windows.SetRegion(ctx.windows.panel, ReadOutline(ctx.panelIni, skin, shape)) ? 1
                                                                                             : 0;
}

void PaintPanel(PanelContext& ctx) {
  const ScreenRect panel = ctx.os.windows.WindowRect(ctx.windows.panel);
  if (ctx.windows.downList) PlaceDownList(ctx, panel);
  if (ctx.windows.sideList) PlaceSideList(ctx, panel);
  // Every LCD element already lives in the normal picture.
  const Size size = ShapeSize(ctx, ctx.Shape());
  ctx.os.graphics.CopyToWindow(Surface::Normal, Rect{0, 0, size.width, size.height}, Point{0, 0});
}

int ButtonX(const PanelContext& ctx, int index) {
  if (index < 0 || index >= kButtonCount) return 0;
  const int x = ctx.layout.buttons[index].x;
  return index == kButtonLeftOpen ? x : x + ctx.ui.contentOffset;
}

void DrawButton(PanelContext& ctx, int index, int look) {
  if (index < 0 || index >= kButtonCount) return;
  Surface from = Surface::Normal;
  switch (look) {
    case static_cast<int>(ButtonLook::Normal):
      from = Surface::Normal;
      break;
    case static_cast<int>(ButtonLook::Pressed):
      from = Surface::Pressed;
      break;
    case static_cast<int>(ButtonLook::Hover):
      from = Surface::Hover;
      break;
    default:
      return;
  }
  const PanelButton& b = ctx.layout.buttons[index];
  const Rect area{ButtonX(ctx, index), b.y, b.width, b.height};
  ctx.os.graphics.CopyToWindow(from, area, Point{area.x, area.y});
}

Size ShapeSize(const PanelContext& ctx, PanelShape shape) {
  return ShapeSize(ctx.layout.geometry, shape);
}

void ToggleDownPart(PanelContext& ctx) {
  if (ctx.ui.downOpen == 0) {
    ctx.ui.downOpen = 1;
    ApplyOpenStateOverrides(ctx.layout, ctx.panelIni, 1);
    Reshape(ctx, ctx.Shape());
    if (ctx.windows.downList) {
      MoveDownListIfAny(ctx);
    } else {
      ctx.windows.downList = ctx.os.windows.CreateList(ListWindow::Down);
      commands::SetUpFileList(ctx);
    }
    ShowDownList(ctx);
  } else {
    ctx.ui.downOpen = 0;
    ApplyOpenStateOverrides(ctx.layout, ctx.panelIni, 0);
    Reshape(ctx, ctx.Shape());
    if (ctx.windows.downList) ctx.os.windows.Show(ctx.windows.downList, kSwHide);
  }

  RepaintNow(ctx);
  DrawBandLabel(ctx, BandLabel(ctx));
  DrawVolumeBar(ctx, ctx.ui.volume);
  DrawMuteIcon(ctx, MuteState(ctx));
  RebuildTooltips(ctx);
  RefreshSourceReadout(ctx);
  const WindowRef video = ctx.os.messenger.Find(kVideoClass, kVideoTitle);
  if (video) ctx.os.windows.SetFocus(video);
  ctx.os.windows.BringToForeground(ctx.windows.panel);
  ctx.os.windows.SetFocus(ctx.windows.panel);
}

void ToggleSidePart(PanelContext& ctx) {
  if (ctx.ui.sideOpen == 0) {
    ctx.ui.sideOpen = 1;
    ShiftForOpenSide(ctx);
    const PanelShape shape = ctx.Shape();
    const Size size = ShapeSize(ctx, shape);
    ctx.os.windows.Resize(ctx.windows.panel, size.width, size.height);
    if (shape == PanelShape::All) MoveDownListIfAny(ctx);
    SetWindowShape(ctx, ReadPanelNow(ctx.panelIni), static_cast<int>(shape));
    LoadSkinBitmaps(ctx, static_cast<int>(shape));
    if (!ctx.windows.sideList) ctx.windows.sideList = ctx.os.windows.CreateList(ListWindow::Side);
    ctx.os.windows.Show(ctx.windows.sideList, kSwShow);
    tuning::FillSideList(ctx);
  } else {
    ctx.ui.sideOpen = 0;
    ctx.ui.contentOffset = 0;
    if (ctx.layout.geometry.lorr == 1) ctx.layout.buttons[kButtonLeftOpen].x -= SideShift(ctx);
    const PanelShape shape = ctx.Shape();
    const Size size = ShapeSize(ctx, shape);
    ctx.os.windows.Resize(ctx.windows.panel, size.width, size.height);
    if (shape == PanelShape::Down) MoveDownListIfAny(ctx);
    SetWindowShape(ctx, ReadPanelNow(ctx.panelIni), static_cast<int>(shape));
    LoadSkinBitmaps(ctx, static_cast<int>(shape));
    if (ctx.windows.sideList) ctx.os.windows.Show(ctx.windows.sideList, kSwHide);
  }

  RepaintNow(ctx);
  DrawMuteIcon(ctx, MuteState(ctx));
  DrawVolumeBar(ctx, ctx.ui.volume);
  RebuildTooltips(ctx);
  DrawBandLabel(ctx, BandLabel(ctx));
  RefreshSourceReadout(ctx);
  ctx.os.windows.BringToForeground(ctx.windows.panel);
  ctx.os.windows.SetFocus(ctx.windows.panel);
}

void NextSkin(PanelContext& ctx) {
  ctx.os.timers.Stop(kPanelTick);
  const int skins = ctx.panelIni.RawInt(kPanelSection, kHavePanelKey, 1);
  if (skins <= 1) {
    ctx.os.timers.Start(kPanelTick, kPanelTickMs);
    return;
  }
  int next = ReadPanelNow(ctx.panelIni) + 1;
  if (next > skins) next = 1;
  ctx.panelIni.RawWrite(kPanelSection, kPanelNowKey, DecimalText(next).c_str());

  LoadPanelLayout(ctx.layout, ctx.panelIni);
  ApplyOpenStateOverrides(ctx.layout, ctx.panelIni, ctx.ui.downOpen != 0 ? 1 : 0);
  // The fresh layout has button 45 at its folded place again.
  if (ctx.ui.sideOpen != 0)
    ShiftForOpenSide(ctx);
  else
    ctx.ui.contentOffset = 0;
  Reshape(ctx, ctx.Shape());

  RepaintNow(ctx);
  DrawClock(ctx);
  ctx.os.timers.Start(kPanelTick, kPanelTickMs);
  DrawVolumeBar(ctx, ctx.ui.volume);
  DrawMuteIcon(ctx, MuteState(ctx));
  DrawBandLabel(ctx, BandLabel(ctx));
  RefreshSourceReadout(ctx);
  RebuildTooltips(ctx);

  ctx.windows.video = ctx.os.messenger.Find(kVideoClass, kVideoTitle);
  if (ctx.windows.video)
    PostCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoSkinChanged, 0);
}

}  // namespace tv::panel
