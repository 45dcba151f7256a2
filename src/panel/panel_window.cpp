#include "panel/panel_window.h"

#include "base/key_table.h"
#include "base/power_features.h"
#include "commands/command_ids.h"
#include "commands/deferred_work.h"
#include "panel/lcd.h"
#include "panel/panel_timers.h"
#include "panel/skin.h"
#include "panel/tooltips.h"
#include "settings/capture_devices.h"
#include "settings/mixer.h"
#include "tuning/channel_store.h"
#include "tuning/country_setup.h"

namespace tv::panel {
namespace {

constexpr std::uint32_t kAutoRepeatFirstMs = 600;
constexpr std::uint32_t kSeekThrottleMs = 100;
constexpr std::uint32_t kBarUpdateAfterDragMs = 1;
constexpr std::uint32_t kBarUpdateAfterClickMs = 50;
constexpr int kKnobWidth = 10;
constexpr int kVolumeMax = 220;
// The first-start country code whose FM band starts at 76 MHz.
constexpr int kCountryCodeLowFmBand = 81;
// A stray video renderer window left over by the card's player; the panel closes it on a click.
constexpr const char* kStrayVideoTitle = "ActiveMovie Window";

bool IsTransportButton(int index) {
  return index >= kButtonPlay && index <= kButtonStop;
}

// The LCD shows the transport state (playing, paused, inactive) in these five buttons, so
// hovering never draws over them; a press and the return to normal do.
void DrawMouseLook(PanelContext& ctx, int index, ButtonLook look) {
  if (look == ButtonLook::Hover && IsTransportButton(index)) return;
  DrawButton(ctx, index, static_cast<int>(look));
}

// While any of these runs, the keyboard is limited to plus, minus and full screen.
bool KeysRestricted(const ModeFlags& mode) {
  return mode.recording == 1 || mode.airScan == 1 || mode.cableScan == 1 || mode.fmScan == 1 ||
         mode.previewActive == 1 || mode.timeShift == 1 || mode.scanDialogOpen == 1;
}

enum class Delivery { Sent, Posted };

struct KeyCommand {
  std::uint32_t key;
  cmd::Id command;
  Delivery delivery;
};

// The digits are handled apart: both rows of digit keys map to the same ten commands.
constexpr KeyCommand kKeyTable[] = {
    {kVkSpace, cmd::kSnapshot, Delivery::Sent},
    {kVkPrior, cmd::kChannelUp, Delivery::Sent},
    {kVkNext, cmd::kChannelDown, Delivery::Sent},
    {kVkUp, cmd::kPlus, Delivery::Sent},
    {kVkDown, cmd::kMinus, Delivery::Sent},
    {'A', cmd::kAudioAdjustMode, Delivery::Sent},
    {'C', cmd::kAirCableSwitch, Delivery::Sent},
    {'F', cmd::kFullScreen, Delivery::Posted},
    {'I', cmd::kCycleSource, Delivery::Sent},
    {'M', cmd::kMute, Delivery::Posted},
    {'R', cmd::kRecall, Delivery::Sent},
    {'S', cmd::kSoundModeKey, Delivery::Posted},
    {'V', cmd::kVideoAdjustMode, Delivery::Sent},
    {kVkAdd, cmd::kAddChannel, Delivery::Posted},
    {kVkSubtract, cmd::kRemoveChannel, Delivery::Posted},
};

bool FindKeyCommand(std::uint32_t key, KeyCommand& found) {
  for (std::uint32_t row : {std::uint32_t{'0'}, kVkNumpad0}) {
    if (key >= row && key <= row + 9) {
      found = {key, static_cast<cmd::Id>(cmd::kDigit0 + (key - row)), Delivery::Sent};
      return true;
    }
  }
  for (const KeyCommand& entry : kKeyTable) {
    if (entry.key == key) {
      found = entry;
      return true;
    }
  }
  return false;
}

void IssueKeyCommand(PanelContext& ctx, std::uint32_t key) {
  KeyCommand entry{};
  if (!FindKeyCommand(key, entry)) return;
  if (entry.delivery == Delivery::Sent)
    SendCommand(ctx.os.messenger, ctx.windows.panel, entry.command, 0);
  else
    PostCommand(ctx.os.messenger, ctx.windows.panel, entry.command, 0);
}

void PostStoredSource(PanelContext& ctx) {
  const cmd::Id source = cmd::SourceCommandFor(ctx.settings.Int(keys::kInputSource));
  if (source != 0) PostCommand(ctx.os.messenger, ctx.windows.panel, source, 0);
}

// ---- the two bars ----------------------------------------------------------------------

// The time-shift bar sits where the artwork puts it, without the side list's offset, in step
// with where the LCD draws it.
Rect TimeShiftBar(const PanelContext& ctx) {
  const PanelLayout& l = ctx.layout;
  return Rect{l.Value(Lcd::TIMESHIFTPOINTX), l.Value(Lcd::TIMESHIFTPOINTY),
              l.Value(Lcd::TIMESHIFTWIDTH), l.Value(Lcd::TIMESHIFTHEIGHT)};
}

Rect VolumeBar(const PanelContext& ctx) {
  const PanelLayout& l = ctx.layout;
  return Rect{l.Value(Lcd::LCD_VOLBAR_X) + ctx.ui.contentOffset, l.Value(Lcd::LCD_VOLBAR_Y),
              l.Value(Lcd::LCD_VOLBAR_W), l.Value(Lcd::LCD_VOLBAR_H)};
}

// The recorded part of the bar in pixels; a seek beyond it would ask the player for video
// that does not exist yet.
bool BeyondRecorded(PanelContext& ctx, int x) {
  const Rect bar = TimeShiftBar(ctx);
  // Wide: the bar's numbers come from the layout file and may be anything.
  const long long limit =
      static_cast<long long>(TimeShiftLength(ctx)) * bar.width / ctx.timeShift.scale;
  return limit < 0 || x > bar.x + limit;
}

int SeekPosition(const PanelContext& ctx, int x) {
  const Rect bar = TimeShiftBar(ctx);
  return static_cast<int>((static_cast<long long>(x) - bar.x) * ctx.timeShift.scale / bar.width);
}

WindowRef FindPlayer(PanelContext& ctx) {
  ctx.windows.playback = ctx.os.messenger.Find(kPlaybackClass, kPlaybackTitle);
  return ctx.windows.playback;
}

void SeekPlayer(PanelContext& ctx, int position) {
  ctx.mode.videoBusy = 1;
  SendCommand(ctx.os.messenger, ctx.windows.playback, cmd::kPlaybackSeek, position);
  DrawTransportButtons(ctx, 1, 1);
}

// Dragging the knob: throttled to one seek per 100 ms and one outstanding seek at a time.
void DragKnob(PanelContext& ctx, int x) {
  if (ctx.ui.seekThrottle || ctx.mode.videoBusy != 0) return;
  if (BeyondRecorded(ctx, x)) return;
  ctx.ui.seekThrottle = true;
  ctx.ui.sliderX = x;
  ctx.os.timers.Start(kTimerTimeShiftBar, kBarUpdateAfterDragMs);
  const int position = SeekPosition(ctx, x);
  if (!FindPlayer(ctx)) return;
  SeekPlayer(ctx, position);
  ctx.os.timers.Start(kTimerSeekThrottle, kSeekThrottleMs);
}

enum class VolumeSource { Drag, Click };

// Volume under the pointer for the bar's orientation (0: left to right, 1: bottom to top);
// false for any other orientation. The bar's edges are outside it, so neither 0 nor 220 is
// reachable here.
bool VolumeAt(const PanelContext& ctx, int x, int y, int& volume) {
  const PanelLayout& l = ctx.layout;
  switch (l.Value(Lcd::LCD_VOLBAR_LTOR_DTOU)) {
    // Wide: inside the bar the result is 0..220 whatever the layout's numbers, but the product
    // on the way may not fit 32 bits.
    case 0:
      volume = static_cast<int>(
          kVolumeMax *
          (static_cast<long long>(x) - ctx.ui.contentOffset - l.Value(Lcd::LCD_VOLBAR_X)) /
          l.Value(Lcd::LCD_VOLBAR_W));
      return true;
    case 1:
      volume =
          static_cast<int>(kVolumeMax * (static_cast<long long>(l.Value(Lcd::LCD_VOLBAR_Y)) - y) /
                               l.Value(Lcd::LCD_VOLBAR_H) +
                           kVolumeMax);
      return true;
    default:
      return false;
  }
}

void PostVolumeToVideo(PanelContext& ctx, int volume) {
  // The radio and the time-shift player take their volume from the sound card alone.
  if (ctx.mode.timeShift == 1 || ctx.mode.fmMode == 1) return;
  ctx.windows.video = ctx.os.messenger.Find(kVideoClass, kVideoTitle);
  PostCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoVolume, volume);
}

void UnmuteAfterVolumeChange(PanelContext& ctx) {
  if (ctx.ui.muted != 1) return;
  ctx.ui.muted = 0;
  DrawMuteIcon(ctx, 1);
}

// A drag stores the volume as it goes; a single click does not touch the settings file.
void SetVolumeFromBar(PanelContext& ctx, int volume, VolumeSource source) {
  ctx.ui.volume = volume;
  if (source == VolumeSource::Drag) {
    settings::SetVolume(ctx, volume);
    ctx.settings.Write(keys::kVolume, volume);
    PostVolumeToVideo(ctx, volume);
    DrawVolumeBar(ctx, volume);
  } else {
    PostVolumeToVideo(ctx, volume);
    DrawVolumeBar(ctx, volume);
    settings::SetVolume(ctx, volume);
  }
  UnmuteAfterVolumeChange(ctx);
}

// ---- hover -----------------------------------------------------------------------------

void HoverOver(PanelContext& ctx, int index) {
  ctx.os.windows.CaptureMouse(ctx.windows.panel);
  ctx.os.windows.SetCursor(Cursor::Arrow);
  if (index != ctx.ui.hoverIndex && !IsTransportButton(index)) {
    DrawMouseLook(ctx, ctx.ui.hoverIndex, ButtonLook::Normal);
    DrawMouseLook(ctx, index, ButtonLook::Hover);
  }
  ctx.ui.hoverIndex = index;
  ctx.ui.overButton = true;
}

// The whole window is repainted so that whatever look a button was left in is wiped.
void LeaveButtons(PanelContext& ctx) {
  ctx.os.windows.Invalidate(ctx.windows.panel);
  ctx.os.timers.Stop(kTimerAutoRepeat);
  ctx.os.windows.ReleaseMouse();
  ctx.os.windows.SetCursor(Cursor::Arrow);
  DrawMouseLook(ctx, ctx.ui.hoverIndex, ButtonLook::Normal);
  ctx.ui.hoverIndex = kNoButton;
}

bool RepeatsWhileHeld(int index) {
  return index >= kButtonVolumeDown && index <= kButtonChannelUp;
}

}  // namespace

// ---- start and end ---------------------------------------------------------------------

void OnCreate(PanelContext& ctx) {
  IniFile& ini = ctx.settings;

  // 1. Without a full-scan list the full-scan mode has nothing to tune.
  if (ini.Int(keys::kFullScanCount) <= 0) ini.WriteFlag(keys::kUseFullScan, false);

  // 2. Skin and shell pieces.
  ctx.ui.downOpen = 0;
  SetWindowShape(ctx, ReadPanelNow(ctx.panelIni), static_cast<int>(PanelShape::Closed));
  LoadSkinBitmaps(ctx, static_cast<int>(PanelShape::Closed));
  CreateTooltips(ctx);
  TrayIcon(ctx, TrayOperation::Add);

  // 3. First-run defaults; 0 counts as missing.
  auto defaulted = [&ini](const keys::Key& key, int value) {
    const int stored = ini.Int(key, 0);
    if (stored != 0) return stored;
    ini.Write(key, value);
    return value;
  };
  defaulted(keys::kFmChannel, 875);
  ctx.picture.brightness = defaulted(keys::kBrightness, 128);
  ctx.picture.hue = defaulted(keys::kHue, 0);
  ctx.picture.contrast = defaulted(keys::kContrast, 68);
  ctx.picture.saturation = defaulted(keys::kSaturation, 64);

  // 4-5. The mixer set-up rebuilds the sound card's line lists from scratch.
  ini.DeleteSection(keys::kAudioLines);
  ini.DeleteSection(keys::kAudioMuteControls);
  commands::NoteMixerReady(ctx, settings::SetUpMixer(ctx, 0));

  // 6. First start: no country yet.
  if (ini.Int(keys::kCountryCode, 0) == 0) {
    tuning::RunCountrySetupDialog(ctx);
    settings::SetUpMixer(ctx, 1);
  }

  // 7. The panel cannot work without the card it was set up for.
  if (settings::VerifySelectedDevice(ctx) == 0)
    ctx.os.messenger.Post(ctx.windows.panel, kWmClose, 0, 0);

  // 8. The FM band's first frequency.
  if (ini.Int(keys::kCountryCode, 0) == kCountryCodeLowFmBand)
    ini.Write(keys::kFmChannel, 760);
  else if (ini.Int(keys::kFmChannel, 0) == 0)
    ini.Write(keys::kFmChannel, 875);

  // 9. Band limits.
  tuning::RefreshBandLimits(ctx);

  // 10. Preview defaults.
  if (ini.Text(keys::kSurfingTime) == keys::kFalse) ini.Write(keys::kSurfingTime, "4");
  if (ini.Text(keys::kSurfingWindows) == keys::kFalse) ini.Write(keys::kSurfingWindows, "2 x 2");

  // 11. A band never scanned starts with every channel in its list.
  tuning::ResetUnscannedBandLists(ctx);

  // 12. Volume, written back so the peer finds it even when it was missing.
  ctx.ui.volume = ini.Int(keys::kVolume);
  ini.Write(keys::kVolume, ctx.ui.volume);
  settings::SetVolume(ctx, ctx.ui.volume);
  DrawVolumeBar(ctx, ctx.ui.volume);
  ctx.ui.muted = 0;
  DrawMuteIcon(ctx, 1);

  // 13. The source command runs from the message loop, after the window exists.
  PostStoredSource(ctx);

  // 14.
  ctx.mode.tvClosed = 0;
  ctx.os.windows.Show(ctx.windows.panel, kSwShow);
  ctx.ui.visible = 1;
  ctx.os.windows.BringToForeground(ctx.windows.panel);
}

void OnDestroy(PanelContext& ctx) {
  ctx.os.timers.Stop(kPanelTick);
  if (ctx.windows.downList) {
    ctx.os.windows.Destroy(ctx.windows.downList);
    ctx.windows.downList = {};
  }
  if (ctx.os.shell.HasTooltips()) ctx.os.shell.DestroyTooltips();
  if (ctx.windows.sideList) {
    ctx.os.windows.Destroy(ctx.windows.sideList);
    ctx.windows.sideList = {};
  }
  TrayIcon(ctx, TrayOperation::Remove);
  ReleaseSkinBitmaps(ctx);
  RestorePowerFeatures(ctx.os.shell, ctx.power);
}

void OnPaint(PanelContext& ctx) {
  PaintPanel(ctx);
}

// ---- mouse -----------------------------------------------------------------------------

int HitButton(const PanelContext& ctx, int x, int y) {
  for (int i = 0; i < kButtonCount; ++i) {
    const PanelButton& button = ctx.layout.buttons[i];
    if (button.enabled != 1) continue;
    const Rect bounds{ButtonX(ctx, i), button.y, button.width, button.height};
    if (bounds.StrictlyContains(x, y)) return i;
  }
  return kNoButton;
}

void OnMouseMove(PanelContext& ctx, int x, int y, std::uintptr_t keys) {
  if (ctx.mode.timeShift == 1 && ctx.ui.sliderDragging) {
    if (TimeShiftBar(ctx).StrictlyContains(x, y)) DragKnob(ctx, x);
    return;
  }

  const bool leftDown = (keys & kMkLButton) != 0;
  if (VolumeBar(ctx).StrictlyContains(x, y)) {
    int volume = 0;
    if (leftDown && VolumeAt(ctx, x, y, volume)) SetVolumeFromBar(ctx, volume, VolumeSource::Drag);
  } else if (leftDown && !ctx.ui.overButton) {
    // A press on empty skin (never one that started on a button) drags the frameless window.
    ctx.os.windows.SetCursor(Cursor::Drag);
    ctx.os.messenger.Send(ctx.windows.panel, kWmSysCommand, kScDragMove, 0);
    return;
  }

  ctx.ui.overButton = false;
  const int index = HitButton(ctx, x, y);
  if (index != kNoButton)
    HoverOver(ctx, index);
  else
    LeaveButtons(ctx);
}

void OnLButtonDown(PanelContext& ctx, int x, int y, std::uintptr_t keys) {
  if (ctx.mode.timeShift == 1 && TimeShiftBar(ctx).StrictlyContains(x, y)) {
    if (x >= ctx.ui.sliderX && x <= ctx.ui.sliderX + kKnobWidth) ctx.ui.sliderDragging = true;
    return;
  }

  const WindowRef stray = ctx.os.messenger.Find(nullptr, kStrayVideoTitle);
  if (stray) ctx.os.windows.Destroy(stray);

  if (ctx.ui.overButton) {
    ctx.os.windows.SetCursor(Cursor::Held);
    DrawMouseLook(ctx, ctx.ui.hoverIndex, ButtonLook::Pressed);
    if (RepeatsWhileHeld(ctx.ui.hoverIndex)) {
      ctx.ui.buttonHeld = true;
      ctx.os.timers.Start(kTimerAutoRepeat, kAutoRepeatFirstMs);
    }
    return;
  }

  int volume = 0;
  if (VolumeBar(ctx).StrictlyContains(x, y) && (keys & kMkLButton) != 0 &&
      VolumeAt(ctx, x, y, volume))
    SetVolumeFromBar(ctx, volume, VolumeSource::Click);
}

void OnLButtonUp(PanelContext& ctx, int x, int y, std::uintptr_t) {
  if (ctx.mode.timeShift == 1) {
    // The player has not yet obeyed the last seek.
    if (ctx.mode.videoBusy == 1) return;
    ctx.os.timers.Stop(kTimerSeekThrottle);
    ctx.ui.sliderDragging = false;
    ctx.ui.seekThrottle = false;
    if (TimeShiftBar(ctx).StrictlyContains(x, y)) {
      const int position = SeekPosition(ctx, x);
      if (FindPlayer(ctx)) {
        if (BeyondRecorded(ctx, x)) return;
        SeekPlayer(ctx, position);
        ctx.os.timers.Start(kTimerTimeShiftBar, kBarUpdateAfterClickMs);
      }
    }
  }

  // The command is the one under the pointer at release, which may differ from the pressed one.
  if (ctx.ui.overButton) {
    ctx.os.windows.SetCursor(Cursor::Arrow);
    const int index = ctx.ui.hoverIndex;
    DrawMouseLook(ctx, index, ButtonLook::Hover);
    if (index >= 0 && index < kButtonCount)
      SendCommand(ctx.os.messenger, ctx.windows.panel, ctx.layout.buttons[index].command, 0);
  }
  ctx.ui.buttonHeld = false;
  ctx.os.timers.Stop(kTimerAutoRepeat);
}

// ---- keyboard, lists and hot key -------------------------------------------------------

void OnKeyDown(PanelContext& ctx, std::uint32_t virtualKey) {
  if (KeysRestricted(ctx.mode) && virtualKey != kVkUp && virtualKey != kVkDown && virtualKey != 'F')
    return;
  IssueKeyCommand(ctx, virtualKey);
}

void OnListKeyDown(PanelContext& ctx, ListSource, std::uint32_t virtualKey) {
  IssueKeyCommand(ctx, virtualKey);
}

void OnListActivate(PanelContext& ctx, ListSource list) {
  if (list == ListSource::Side) {
    commands::TuneSideListChannel(ctx);
    return;
  }
  // A double click opens the file, as the context menu's first entry does.
  PostCommand(ctx.os.messenger, ctx.windows.panel, cmd::kFileEdit, 0);
  ctx.os.windows.BringToForeground(ctx.windows.panel);
  ctx.os.windows.SetFocus(ctx.windows.panel);
}

void OnListRightClick(PanelContext& ctx, ListSource list, bool hasSelection) {
  if (list == ListSource::Down) {
    ShowFileMenu(ctx, hasSelection);
    return;
  }
  if (hasSelection) commands::OpenChannelNameDialog(ctx);
}

void OnListColumnClick(PanelContext& ctx, int column) {
  commands::SortFileList(ctx, column);
  ctx.os.windows.BringToForeground(ctx.windows.panel);
}

void OnHotKey(PanelContext& ctx, int id) {
  if (id != 0 || KeysRestricted(ctx.mode) || ctx.mode.videoBusy == 1) return;
  if (ctx.mode.tvClosed == 1) {
    ctx.os.windows.Show(ctx.windows.panel, kSwShow);
    ctx.os.messenger.Post(ctx.windows.panel, kWmPaint, 0, 0);
    ctx.ui.visible = 1;
    ctx.os.windows.BringToForeground(ctx.windows.panel);
    PostStoredSource(ctx);
    return;
  }
  SendCommand(ctx.os.messenger, ctx.windows.panel, cmd::kCloseTv, 0);
  ctx.ui.visible = 0;
  ctx.os.windows.Show(ctx.windows.panel, kSwHide);
}

}  // namespace tv::panel
