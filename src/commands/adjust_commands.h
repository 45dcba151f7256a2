#pragma once
// Volume and mute, the picture and tone adjustment modes of the "V" and "A" keys with their
// plus and minus, full screen, and the sound-card volume the video window program asks for.
// The timer halves of the adjustment modes are in deferred_work.h.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::commands {

void VolumeUp(PanelContext& ctx, std::intptr_t lParam);         // 40006
void VolumeDown(PanelContext& ctx, std::intptr_t lParam);       // 40005
void Mute(PanelContext& ctx, std::intptr_t lParam);             // 40037
void VideoAdjustMode(PanelContext& ctx, std::intptr_t lParam);  // 40321: next picture value
void AudioAdjustMode(PanelContext& ctx, std::intptr_t lParam);  // 40320: next tone value
void Plus(PanelContext& ctx, std::intptr_t lParam);             // 40323
void Minus(PanelContext& ctx, std::intptr_t lParam);            // 40324
void FullScreen(PanelContext& ctx, std::intptr_t lParam);       // 40325
void SoundModeKey(PanelContext& ctx, std::intptr_t lParam);     // 40322
// 51222 from the video window program: 0 silences the sound card, anything else restores the
// panel's volume unless the panel is muted.
void PeerSoundCardVolume(PanelContext& ctx, std::intptr_t lParam);

// Hue as the video window program takes it: -128..-1 travel as 255..128.
constexpr int HueShownValue(int hue) {
  return hue >= 0 ? hue : 127 - hue;
}

}  // namespace tv::commands
