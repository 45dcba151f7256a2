// Volume, mute, and the picture and tone adjustment modes.
#include "commands/adjust_commands.h"

#include <iterator>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/deferred_work.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "panel/panel_timers.h"
#include "settings/mixer.h"

namespace tv::commands {
namespace {

constexpr int kVolumeMax = 220;
constexpr int kVolumeStep = 10;
constexpr std::uint32_t kAdjustTimeoutMs = 2000;
constexpr std::uint32_t kStepDelayMs = 1;
constexpr int kMuteIconOff = 1;
constexpr int kMuteIconOn = 2;

struct PictureQuantity {
  const keys::Key* key;
  int PictureValues::*value;
  int min, max;
  cmd::Id show;   // the video window's on-screen display
  cmd::Id apply;  // the video window's picture setting
};
// In the order of the "V" key's cycle.
constexpr PictureQuantity kPictureQuantities[] = {
    {&keys::kBrightness, &PictureValues::brightness, 0, 255, cmd::kVideoShowBrightness,
     cmd::kVideoBrightness},
    {&keys::kContrast, &PictureValues::contrast, 0, 127, cmd::kVideoShowContrast,
     cmd::kVideoContrast},
    {&keys::kHue, &PictureValues::hue, -128, 127, cmd::kVideoShowHue, cmd::kVideoHue},
    {&keys::kSaturation, &PictureValues::saturation, 0, 127, cmd::kVideoShowSaturation,
     cmd::kVideoSaturation},
};

struct ToneQuantity {
  const keys::Key* key;
  cmd::Id show;  // the video window both shows and applies it
  bool (*toSoundCard)(PanelContext&, int);
};
// In the order of the "A" key's cycle.
constexpr ToneQuantity kToneQuantities[] = {
    {&keys::kBalance, cmd::kVideoBalance, settings::SetBalance},
    {&keys::kBass, cmd::kVideoBass, settings::SetBass},
    {&keys::kTreble, cmd::kVideoTreble, settings::SetTreble},
};
constexpr int kToneMin = 0;
constexpr int kToneMax = 255;

constexpr int kPictureCount = static_cast<int>(std::size(kPictureQuantities));
constexpr int kToneCount = static_cast<int>(std::size(kToneQuantities));

// Cycle positions count from 1; anything else starts the cycle over.
int CyclePosition(int position, int count) {
  return position >= 1 && position <= count ? position : 1;
}

// A post to no window would land in the panel's own queue.
void PostToVideo(PanelContext& ctx, cmd::Id id, std::intptr_t lParam) {
  if (FindVideoWindow(ctx)) PostCommand(ctx.os.messenger, ctx.windows.video, id, lParam);
}

int PictureShownValue(const PictureQuantity& quantity, int value) {
  return quantity.key == &keys::kHue ? HueShownValue(value) : value;
}

void ChangeVolume(PanelContext& ctx, int direction) {
  if (ctx.mode.tvClosed != 0) return;
  int& volume = ctx.ui.volume;
  const int before = volume;
  if (direction > 0) {
    if (volume < kVolumeMax) volume = (volume / kVolumeStep + 1) * kVolumeStep;
  } else if (volume >= kVolumeStep) {
    volume = (volume / kVolumeStep) * kVolumeStep - kVolumeStep;
  }
  if (volume != before) {
    panel::DrawVolumeBar(ctx, volume);
    settings::SetVolume(ctx, volume);
    ctx.settings.Write(keys::kVolume, volume);
    if (ctx.ui.muted == 1) {
      ctx.ui.muted = 0;
      panel::DrawMuteIcon(ctx, kMuteIconOff);
    }
  }
  // Even an unchanged volume is sent, so a peer that lost step catches up. The time-shift
  // player and the radio take their sound from the sound card alone.
  if (ctx.mode.timeShift == 1) return;
  if (FindVideoWindow(ctx) && ctx.mode.fmMode != 1)
    SendCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoVolume, volume);
}

bool AdjustModeAllowed(PanelContext& ctx) {
  return ctx.mode.tvClosed == 0 && ctx.mode.fmMode != 1 && FindVideoWindow(ctx);
}

void PlusOrMinus(PanelContext& ctx, int direction) {
  if (ctx.mode.tvClosed != 0) return;
  const AdjustModes& adjust = ctx.adjust;
  if (adjust.pictureMode == 1 && adjust.soundMode == 0) {
    ctx.os.timers.Start(direction > 0 ? panel::kTimerVideoAdjustUp : panel::kTimerVideoAdjustDown,
                        kStepDelayMs);
  } else if (adjust.soundMode == 1 && adjust.pictureMode == 0) {
    ctx.os.timers.Start(direction > 0 ? panel::kTimerAudioAdjustUp : panel::kTimerAudioAdjustDown,
                        kStepDelayMs);
  } else {
    PostCommand(ctx.os.messenger, ctx.windows.panel,
                direction > 0 ? cmd::kVolumeUp : cmd::kVolumeDown, 0);
  }
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kVolumeDown, VolumeDown},
    {cmd::kVolumeUp, VolumeUp},
    {cmd::kMute, Mute},
    {cmd::kAudioAdjustMode, AudioAdjustMode},
    {cmd::kVideoAdjustMode, VideoAdjustMode},
    {cmd::kSoundModeKey, SoundModeKey},
    {cmd::kPlus, Plus},
    {cmd::kMinus, Minus},
    {cmd::kFullScreen, FullScreen},
    {cmd::kPeerSoundCardVolume, PeerSoundCardVolume},
};

}  // namespace

HandlerTable AdjustCommandHandlers() {
  return kHandlers;
}

void VolumeUp(PanelContext& ctx, std::intptr_t) {
  ChangeVolume(ctx, +1);
}

void VolumeDown(PanelContext& ctx, std::intptr_t) {
  ChangeVolume(ctx, -1);
}

void Mute(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.tvClosed != 0 || ctx.adjust.mixerReady == 0) return;
  cmd::Id tell;
  if (ctx.ui.muted == 1) {
    settings::SetVolume(ctx, ctx.ui.volume);
    ctx.ui.muted = 0;
    panel::DrawMuteIcon(ctx, kMuteIconOff);
    tell = cmd::kVideoMuteOff;
  } else {
    settings::SetVolume(ctx, 0);
    ctx.ui.muted = 1;
    panel::DrawMuteIcon(ctx, kMuteIconOn);
    tell = cmd::kVideoMuteOn;
  }
  PostToVideo(ctx, tell, 0);
}

void PeerSoundCardVolume(PanelContext& ctx, std::intptr_t lParam) {
  if (lParam == 0)
    settings::SetVolume(ctx, 0);
  else if (ctx.ui.muted != 1)
    settings::SetVolume(ctx, ctx.ui.volume);
}

// The two adjust modes shut each other out: entering one ends the other at once, through the
// other's timer handler so that its timer stops too.
void VideoAdjustMode(PanelContext& ctx, std::intptr_t) {
  if (!AdjustModeAllowed(ctx)) return;
  panel::OnTimer(ctx, panel::kTimerAudioAdjustEnd);
  AdjustModes& adjust = ctx.adjust;
  const int position = CyclePosition(adjust.pictureCycle, kPictureCount);
  const PictureQuantity& quantity = kPictureQuantities[position - 1];
  const int value = ctx.settings.Int(*quantity.key);
  ctx.picture.*quantity.value = value;
  PostCommand(ctx.os.messenger, ctx.windows.video, quantity.show,
              PictureShownValue(quantity, value));
  adjust.pictureQuantity = position;
  adjust.pictureCycle = position % kPictureCount + 1;
  adjust.pictureMode = 1;
  ctx.os.timers.Start(panel::kTimerVideoAdjustEnd, kAdjustTimeoutMs);
}

void AudioAdjustMode(PanelContext& ctx, std::intptr_t) {
  if (!AdjustModeAllowed(ctx)) return;
  panel::OnTimer(ctx, panel::kTimerVideoAdjustEnd);
  AdjustModes& adjust = ctx.adjust;
  const int position = CyclePosition(adjust.soundCycle, kToneCount);
  const ToneQuantity& quantity = kToneQuantities[position - 1];
  PostCommand(ctx.os.messenger, ctx.windows.video, quantity.show, ctx.settings.Int(*quantity.key));
  adjust.soundQuantity = position;
  adjust.soundCycle = position % kToneCount + 1;
  adjust.soundMode = 1;
  ctx.os.timers.Start(panel::kTimerAudioAdjustEnd, kAdjustTimeoutMs);
}

void Plus(PanelContext& ctx, std::intptr_t) {
  PlusOrMinus(ctx, +1);
}

void Minus(PanelContext& ctx, std::intptr_t) {
  PlusOrMinus(ctx, -1);
}

void FullScreen(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.tvClosed != 0 || ctx.mode.fmMode == 1) return;
  if (ctx.ui.sideOpen) SendCommand(ctx.os.messenger, ctx.windows.panel, cmd::kToggleSidePart, 0);
  // Focus on a missing window would only take it from the panel.
  if (!FindVideoWindow(ctx)) return;
  ctx.os.windows.SetFocus(ctx.windows.video);
  ctx.os.messenger.Post(ctx.windows.video, kWmLButtonDblClk, 0, 0);
}

void SoundModeKey(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.tvClosed != 0 || ctx.mode.fmMode == 1) return;
  if (FindVideoWindow(ctx))
    SendCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoSoundMode, 0);
}

// ---- the timer halves (timers 122..124 and 129..131) --------------------------------------
// The timer plumbing has already stopped the step timer and given the mode another two seconds.

void EndVideoAdjust(PanelContext& ctx) {
  ctx.adjust.pictureCycle = 1;
  ctx.adjust.pictureMode = 0;
}

void EndAudioAdjust(PanelContext& ctx) {
  ctx.adjust.soundCycle = 1;
  ctx.adjust.soundMode = 0;
}

// The stored value is read at every step: the video settings page writes the same keys.
void VideoAdjustStep(PanelContext& ctx, int direction) {
  const PictureQuantity& quantity =
      kPictureQuantities[CyclePosition(ctx.adjust.pictureQuantity, kPictureCount) - 1];
  const int value = ctx.settings.Int(*quantity.key) + direction;
  if (value < quantity.min || value > quantity.max) return;
  ctx.picture.*quantity.value = value;
  const int shown = PictureShownValue(quantity, value);
  PostToVideo(ctx, quantity.show, shown);
  PostToVideo(ctx, quantity.apply, shown);
  ctx.settings.Write(*quantity.key, value);
}

void AudioAdjustStep(PanelContext& ctx, int direction) {
  const ToneQuantity& quantity =
      kToneQuantities[CyclePosition(ctx.adjust.soundQuantity, kToneCount) - 1];
  const int value = ctx.settings.Int(*quantity.key) + direction;
  if (value < kToneMin || value > kToneMax) return;
  ctx.settings.Write(*quantity.key, value);
  PostToVideo(ctx, quantity.show, value);
  quantity.toSoundCard(ctx, value);
}

void NoteMixerReady(PanelContext& ctx, bool ready) {
  ctx.adjust.mixerReady = ready ? 1 : 0;
}

}  // namespace tv::commands
