#pragma once
// The LCD readout: each element is copied from the sprite sheet (or from the hover and pressed
// pictures, for the bars) both onto the window and into the normal picture, so repaints keep it.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::panel {

void DrawSourceLabel(PanelContext& ctx, int label);  // 1 air, 2 cable, 3 composite, 4 S-Video, 5 FM
void DrawBandLabel(PanelContext& ctx, int band);     // 1 TV channel, 2 FM frequency, 3 video input
void DrawChannelNumber(PanelContext& ctx, int channel);
void DrawFmFrequency(PanelContext& ctx, int value100kHz, int mode);
void DrawClock(PanelContext& ctx);
void DrawRecordTime(PanelContext& ctx, int seconds);
void DrawFileSize(PanelContext& ctx, std::int64_t rawValue);
void DrawRecordIndicator(PanelContext& ctx, int state);
void DrawMuteIcon(PanelContext& ctx, int state);  // 1 sound on, 2 muted
void DrawVolumeBar(PanelContext& ctx, int volume);
void DrawTimeShiftBar(PanelContext& ctx, int position, int scale, int reset);
void DrawTransportButtons(PanelContext& ctx, int playing, int active);
void RefreshSourceReadout(PanelContext& ctx);
// After a shape or skin change: band label, volume bar, mute icon, source readout (and the
// clock after a skin change).
enum class RefreshReason { ShapeChange, SkinChange };
void RefreshLcd(PanelContext& ctx, RefreshReason reason);

}  // namespace tv::panel
