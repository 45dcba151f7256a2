#pragma once
// Skin pictures, window outline, painting, single buttons, and the three shape operations:
// fold or unfold the down part, fold or unfold the side part, change to the next skin.

#include "app/panel_context.h"

namespace tv::panel {

enum class ButtonLook { Normal = 0, Pressed = 1, Hover = 2 };

// The four pictures of the current skin for a shape (1..4); other shapes load only the sprites.
void LoadSkinBitmaps(PanelContext& ctx, int shape);
void ReleaseSkinBitmaps(PanelContext& ctx);
// [quarn] "AlwaysOnTop" exactly "TRUE" puts the panel and the video window (each looked up now,
// if there) into the topmost band, anything else takes them out of it.
void ApplyAlwaysOnTop(PanelContext& ctx);
// Cuts the panel window to the shape's outline; 1 when an outline was applied, else 0.
int SetWindowShape(PanelContext& ctx, int skin, int shape);
void PaintPanel(PanelContext& ctx);
// index 0..48 and looks 0..2; anything else draws nothing.
void DrawButton(PanelContext& ctx, int index, int look);
// The x at which a button is drawn and hit: its layout x plus the content offset, except 45.
int ButtonX(const PanelContext& ctx, int index);
Size ShapeSize(const PanelContext& ctx, PanelShape shape);

void ToggleDownPart(PanelContext& ctx);  // command 40117
void ToggleSidePart(PanelContext& ctx);  // command 40316
void NextSkin(PanelContext& ctx);        // command 40045
// [quarn] "AlwaysOnTop": the panel and the video window go into the topmost band or leave it.
void ApplyAlwaysOnTop(PanelContext& ctx);

}  // namespace tv::panel
