#include "panel/lcd.h"

#include "base/key_table.h"

namespace tv::panel {
namespace {

constexpr int kVolumeMax = 220;
constexpr int kKnobPullBack = 10;  // the knob's width: a pulled-back knob ends at the fill's end
constexpr int kFmDefault100kHz = 875;
constexpr int kHourCap = 99;  // two digits: longer recordings stop counting hours

int V(const PanelContext& ctx, Lcd key) {
  return ctx.layout.Value(key);
}

// Every LCD element goes onto the window and into the normal picture, so the next paint
// shows it again.
void Put(PanelContext& ctx, Surface from, Rect source, Point to) {
  ctx.os.graphics.CopyToWindow(from, source, to);
  ctx.os.graphics.CopyToSurface(from, source, Surface::Normal, to);
}

// A rectangle of the state pictures lies at the same place as on the window.
void PutInPlace(PanelContext& ctx, Surface from, Rect area) {
  Put(ctx, from, area, Point{area.x, area.y});
}

void PutSprite(PanelContext& ctx, Rect sprite, int panelX, int panelY) {
  Put(ctx, Surface::Sprites, sprite, Point{panelX + ctx.ui.contentOffset, panelY});
}

// A digit group: glyph d lies at glyph-0 x + d * step in one sprite row.
struct GlyphRow {
  int x0, y0, step, width, height;
  Rect Glyph(int digit) const { return Rect{x0 + digit * step, y0, width, height}; }
};

void PutDigit(PanelContext& ctx, const GlyphRow& row, int digit, Lcd xKey, Lcd yKey) {
  PutSprite(ctx, row.Glyph(digit), V(ctx, xKey), V(ctx, yKey));
}

GlyphRow ClockGlyphs(const PanelContext& ctx) {
  return {V(ctx, Lcd::LCD_CUR_TIME_X), V(ctx, Lcd::LCD_CUR_TIME_Y),
          V(ctx, Lcd::LCD_CUR_TIME_OFFSET), V(ctx, Lcd::LCD_CURTIME_W), V(ctx, Lcd::LCD_CURTIME_H)};
}

GlyphRow RecordTimeGlyphs(const PanelContext& ctx) {
  return {V(ctx, Lcd::LCD_CAP_TIME_X), V(ctx, Lcd::LCD_CAP_TIME_Y),
          V(ctx, Lcd::LCD_CAP_TIME_OFFSET), V(ctx, Lcd::LCD_CAPTIME_W), V(ctx, Lcd::LCD_CAPTIME_H)};
}

// Positions of a six-digit time readout, seconds' units first.
struct TimeSlots {
  Lcd xy[6][2];
};
constexpr TimeSlots kClockSlots{{{Lcd::LCD_SEC_X, Lcd::LCD_SEC_Y},
                                 {Lcd::LCD_10SEC_X, Lcd::LCD_10SEC_Y},
                                 {Lcd::LCD_MIN_X, Lcd::LCD_MIN_Y},
                                 {Lcd::LCD_10MIN_X, Lcd::LCD_10MIN_Y},
                                 {Lcd::LCD_HOUR_X, Lcd::LCD_HOUR_Y},
                                 {Lcd::LCD_10HOUR_X, Lcd::LCD_10HOUR_Y}}};
constexpr TimeSlots kRecordTimeSlots{{{Lcd::LCD_CAPSEC_X, Lcd::LCD_CAPSEC_Y},
                                      {Lcd::LCD_CAP10SEC_X, Lcd::LCD_CAP10SEC_Y},
                                      {Lcd::LCD_CAPMIN_X, Lcd::LCD_CAPMIN_Y},
                                      {Lcd::LCD_CAP10MIN_X, Lcd::LCD_CAP10MIN_Y},
                                      {Lcd::LCD_CAPHOUR_X, Lcd::LCD_CAPHOUR_Y},
                                      {Lcd::LCD_CAP10HOUR_X, Lcd::LCD_CAP10HOUR_Y}}};

void PutTime(PanelContext& ctx, const GlyphRow& row, const TimeSlots& slots, int hour, int minute,
             int second) {
  const int digits[6] = {second % 10, second / 10, minute % 10, minute / 10, hour % 10, hour / 10};
  for (int i = 0; i < 6; ++i) PutDigit(ctx, row, digits[i], slots.xy[i][0], slots.xy[i][1]);
}

constexpr Lcd kFileSizeSlots[8][2] = {
    {Lcd::LCD_CAPFILESIZE_1_X, Lcd::LCD_CAPFILESIZE_1_Y},
    {Lcd::LCD_CAPFILESIZE_2_X, Lcd::LCD_CAPFILESIZE_2_Y},
    {Lcd::LCD_CAPFILESIZE_3_X, Lcd::LCD_CAPFILESIZE_3_Y},
    {Lcd::LCD_CAPFILESIZE_4_X, Lcd::LCD_CAPFILESIZE_4_Y},
    {Lcd::LCD_CAPFILESIZE_5_X, Lcd::LCD_CAPFILESIZE_5_Y},
    {Lcd::LCD_CAPFILESIZE_6_X, Lcd::LCD_CAPFILESIZE_6_Y},
    {Lcd::LCD_CAPFILESIZE_7_X, Lcd::LCD_CAPFILESIZE_7_Y},
    {Lcd::LCD_CAPFILESIZE_8_X, Lcd::LCD_CAPFILESIZE_8_Y},
};

// FM digits, units first.
constexpr Lcd kFmSlots[4][2] = {
    {Lcd::FM_NUM1_X, Lcd::FM_NUM1_Y},
    {Lcd::FM_NUM2_X, Lcd::FM_NUM2_Y},
    {Lcd::FM_NUM3_X, Lcd::FM_NUM3_Y},
    {Lcd::FM_NUM4_X, Lcd::FM_NUM4_Y},
};

// The recorder reports a raw count; compressed formats turn it into the size on disk.
std::int64_t ScaledFileSize(const PanelContext& ctx, std::int64_t raw) {
  const std::string format = ctx.settings.Text(keys::kCompressFormat);
  double factor = 0.0;
  if (format == "MPEG4")
    factor = 0.043;
  else if (format == "OTHER")
    factor = 0.238;
  else
    return raw;
  return static_cast<std::int64_t>(static_cast<double>(raw) * factor);
}

Rect ButtonArea(const PanelContext& ctx, int index) {
  const PanelButton& b = ctx.layout.buttons[index];
  return Rect{b.x + ctx.ui.contentOffset, b.y, b.width, b.height};
}

}  // namespace

void DrawSourceLabel(PanelContext& ctx, int label) {
  static constexpr Lcd kLabels[5][2] = {{Lcd::LCD_AIR_X, Lcd::LCD_AIR_Y},
                                        {Lcd::LCD_CABLE_X, Lcd::LCD_CABLE_Y},
                                        {Lcd::LCD_AVIN_X, Lcd::LCD_AVIN_Y},
                                        {Lcd::LCD_SVIDEO_X, Lcd::LCD_SVIDEO_Y},
                                        {Lcd::LCD_FM_X, Lcd::LCD_FM_Y}};
  if (label < 1 || label > 5) return;
  const Rect sprite{V(ctx, kLabels[label - 1][0]), V(ctx, kLabels[label - 1][1]),
                    V(ctx, Lcd::LCD_W), V(ctx, Lcd::LCD_H)};
  PutSprite(ctx, sprite, V(ctx, Lcd::LCD_SOURCE_X), V(ctx, Lcd::LCD_SOURCE_Y));
}

void DrawBandLabel(PanelContext& ctx, int band) {
  static constexpr Lcd kBands[3][2] = {{Lcd::LCD_CH_X, Lcd::LCD_CH_Y},
                                       {Lcd::LCD_FMFREQ_X, Lcd::LCD_FMFREQ_Y},
                                       {Lcd::LCD_AVSV_X, Lcd::LCD_AVSV_Y}};
  if (band < 1 || band > 3) return;
  const Rect sprite{V(ctx, kBands[band - 1][0]), V(ctx, kBands[band - 1][1]),
                    V(ctx, Lcd::LCD_CHFMAVSV_W), V(ctx, Lcd::LCD_CHFMAVSV_H)};
  PutSprite(ctx, sprite, V(ctx, Lcd::LCD_CHFMAVSV_X), V(ctx, Lcd::LCD_CHFMAVSV_Y));
}

void DrawChannelNumber(PanelContext& ctx, int channel) {
  const int width = V(ctx, Lcd::CH_NUM_W);
  const GlyphRow row{V(ctx, Lcd::OSD_NUMFORCH_X), V(ctx, Lcd::OSD_NUMFORCH_Y), width, width,
                     V(ctx, Lcd::CH_NUM_H)};
  const int x = V(ctx, Lcd::OSD_TUNER_FIRSTNUM_X);
  const int y = V(ctx, Lcd::OSD_TUNER_FIRSTNUM_Y);
  const int spacing = V(ctx, Lcd::LCD_TV_CH_OFFSET);
  int rest = channel;
  for (int i = 0; i < 3; ++i, rest /= 10) PutSprite(ctx, row.Glyph(rest % 10), x - i * spacing, y);
}

void DrawFmFrequency(PanelContext& ctx, int value100kHz, int mode) {
  DrawBandLabel(ctx, 2);
  int first = 0;
  switch (mode) {
    case 0:
    case 4:
      first = 0;
      break;
    case 1:
    case 2:
    case 3:
      first = mode;
      break;
    default:
      return;
  }
  const int width = V(ctx, Lcd::FM_NUM_W);
  const GlyphRow row{V(ctx, Lcd::FM_NUM_X), V(ctx, Lcd::FM_NUM_Y), width, width,
                     V(ctx, Lcd::FM_NUM_H)};
  int divisor = 1;
  for (int i = 0; i < first; ++i) divisor *= 10;
  for (int i = first; i < 4; ++i, divisor *= 10)
    PutDigit(ctx, row, (value100kHz / divisor) % 10, kFmSlots[i][0], kFmSlots[i][1]);
}

void DrawClock(PanelContext& ctx) {
  const LocalTime now = ctx.os.clock.Now();
  PutTime(ctx, ClockGlyphs(ctx), kClockSlots, now.hour, now.minute, now.second);
}

void DrawRecordTime(PanelContext& ctx, int seconds) {
  int hour = 0, minute = 0, second = 0;
  if (ctx.mode.timeShift == 1) {
    // Time shift shows the wall-clock time of the played position.
    const TimeShiftClock& start = ctx.timeShift;
    const int s = start.startSecond + seconds;
    second = s % 60;
    const int m = start.startMinute + s / 60;
    minute = m % 60;
    hour = (start.startHour + m / 60) % 24;
  } else {
    second = seconds % 60;
    minute = (seconds / 60) % 60;
    hour = seconds / 3600;
    if (hour > kHourCap) hour = kHourCap;
  }
  PutTime(ctx, RecordTimeGlyphs(ctx), kRecordTimeSlots, hour, minute, second);
}

void DrawFileSize(PanelContext& ctx, std::int64_t rawValue) {
  const GlyphRow row{V(ctx, Lcd::LCD_CAP_FILESIZE_X), V(ctx, Lcd::LCD_CAP_FILESIZE_Y),
                     V(ctx, Lcd::LCD_CAP_FILESIZE_OFFSET), V(ctx, Lcd::LCD_CAPFILESIZE_W),
                     V(ctx, Lcd::LCD_CAPFILESIZE_H)};
  std::int64_t rest = ScaledFileSize(ctx, rawValue);
  for (int k = 0; k < 8; ++k, rest /= 10)
    PutDigit(ctx, row, static_cast<int>(rest % 10), kFileSizeSlots[k][0], kFileSizeSlots[k][1]);
}

void DrawRecordIndicator(PanelContext& ctx, int state) {
  const bool on = state != 0;
  const Rect sprite{V(ctx, on ? Lcd::LCD_REC_STATE_ON_X : Lcd::LCD_REC_STATE_OFF_X),
                    V(ctx, on ? Lcd::LCD_REC_STATE_ON_Y : Lcd::LCD_REC_STATE_OFF_Y),
                    V(ctx, Lcd::LCD_REC_STATE_W), V(ctx, Lcd::LCD_REC_STATE_H)};
  PutSprite(ctx, sprite, V(ctx, Lcd::PANEL_REC_X), V(ctx, Lcd::PANEL_REC_Y));
}

void DrawMuteIcon(PanelContext& ctx, int state) {
  Rect frame;
  if (state == 1)
    frame = {V(ctx, Lcd::CHANGE_BTN_MUTEON_X), V(ctx, Lcd::CHANGE_BTN_MUTEON_Y),
             V(ctx, Lcd::CHANGE_BTN_MUTEON_W), V(ctx, Lcd::CHANGE_BTN_MUTEON_H)};
  else if (state == 2)
    frame = {V(ctx, Lcd::CHANGE_BTN_MUTEOFF_X), V(ctx, Lcd::CHANGE_BTN_MUTEOFF_Y),
             V(ctx, Lcd::CHANGE_BTN_MUTEOFF_W), V(ctx, Lcd::CHANGE_BTN_MUTEOFF_H)};
  else
    return;
  // Each state picture gets its own frame, so hovering and pressing the mute button keep
  // showing the current mute state.
  const Rect button = ButtonArea(ctx, kButtonMute);
  const Point at{button.x, button.y};
  Rect pressed = frame;
  pressed.x += frame.width;
  Rect hover = frame;
  hover.x += 2 * frame.width;
  SkinGraphics& g = ctx.os.graphics;
  g.CopyToSurface(Surface::Sprites, frame, Surface::Normal, at);
  g.CopyToSurface(Surface::Sprites, pressed, Surface::Pressed, at);
  g.CopyToSurface(Surface::Sprites, hover, Surface::Hover, at);
  g.CopyToWindow(Surface::Sprites, frame, at);
}

void DrawVolumeBar(PanelContext& ctx, int volume) {
  const Rect bar{V(ctx, Lcd::LCD_VOLBAR_X) + ctx.ui.contentOffset, V(ctx, Lcd::LCD_VOLBAR_Y),
                 V(ctx, Lcd::LCD_VOLBAR_W), V(ctx, Lcd::LCD_VOLBAR_H)};
  const int orientation = V(ctx, Lcd::LCD_VOLBAR_LTOR_DTOU);
  if (orientation != 0 && orientation != 1) return;
  // The pressed picture holds the empty bar, the hover picture the full one.
  PutInPlace(ctx, Surface::Pressed, bar);
  if (orientation == 0) {
    PutInPlace(ctx, Surface::Hover,
               Rect{bar.x, bar.y, bar.width * volume / kVolumeMax, bar.height});
  } else {
    const int fill = bar.height * volume / kVolumeMax;
    PutInPlace(ctx, Surface::Hover, Rect{bar.x, bar.y + bar.height - fill, bar.width, fill});
  }
}

void DrawTimeShiftBar(PanelContext& ctx, int position, int scale, int reset) {
  // The bar stays where the artwork has it, also while the side list shifts everything else.
  const Rect bar{V(ctx, Lcd::TIMESHIFTPOINTX), V(ctx, Lcd::TIMESHIFTPOINTY),
                 V(ctx, Lcd::TIMESHIFTWIDTH), V(ctx, Lcd::TIMESHIFTHEIGHT)};
  PutInPlace(ctx, Surface::Pressed, bar);
  if (reset != 0) return;

  const int fill =
      scale != 0 ? static_cast<int>(static_cast<long long>(bar.width) * position / scale) : 0;
  int& knobX = ctx.ui.sliderX;
  if (knobX - bar.x > fill) knobX = bar.x + fill - kKnobPullBack;
  if (knobX < bar.x) knobX = bar.x;

  PutInPlace(ctx, Surface::Hover, Rect{bar.x, bar.y, fill, bar.height});
  const Rect knob{V(ctx, Lcd::SLIPOINT_X), V(ctx, Lcd::SLIPOINT_Y), V(ctx, Lcd::SLIPOINT_W),
                  V(ctx, Lcd::SLIPOINT_H)};
  Put(ctx, Surface::Sprites, knob, Point{knobX, bar.y});
}

void DrawTransportButtons(PanelContext& ctx, int playing, int active) {
  // The pressed picture shows a lit key: the one that names the current state.
  Surface play = Surface::Pressed, pause = Surface::Pressed, others = Surface::Pressed;
  if (active != 0) {
    play = playing != 0 ? Surface::Pressed : Surface::Hover;
    pause = playing != 0 ? Surface::Hover : Surface::Pressed;
    others = Surface::Hover;
  }
  const struct {
    int index;
    Surface from;
  } order[] = {{kButtonPlay, play},
               {kButtonPause, pause},
               {kButtonStop, others},
               {kButtonBack, others},
               {kButtonForward, others}};
  for (const auto& b : order) PutInPlace(ctx, b.from, ButtonArea(ctx, b.index));
}

void RefreshSourceReadout(PanelContext& ctx) {
  switch (ctx.mode.currentSource) {
    case 1:
      DrawSourceLabel(ctx, 5);
      DrawFmFrequency(ctx, ctx.settings.Int(keys::kFmChannel, kFmDefault100kHz), 4);
      break;
    case 2:
      DrawSourceLabel(ctx, 1);
      DrawChannelNumber(ctx, ctx.channels.currentChannel);
      break;
    case 3:
      DrawSourceLabel(ctx, 2);
      DrawChannelNumber(ctx, ctx.channels.currentChannel);
      break;
    case 4:
      DrawSourceLabel(ctx, 3);
      break;
    case 5:
      DrawSourceLabel(ctx, 4);
      break;
    default:
      break;
  }
}

void RefreshLcd(PanelContext& ctx, RefreshReason reason) {
  DrawBandLabel(ctx, ctx.mode.fmMode == 1 ? 2 : ctx.mode.videoInput == 1 ? 3 : 1);
  DrawVolumeBar(ctx, ctx.ui.volume);
  DrawMuteIcon(ctx, ctx.ui.muted == 1 ? 2 : 1);
  RefreshSourceReadout(ctx);
  if (reason == RefreshReason::SkinChange) DrawClock(ctx);
}

}  // namespace tv::panel
