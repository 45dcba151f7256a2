#include "picture.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "sim_protocol.h"

namespace tv::sim {
namespace {

constexpr int kW = kFrameWidth;
constexpr int kH = kFrameHeight;
constexpr RECT kFull{0, 0, kW, kH};
constexpr RECT kIndicatorRect{16, 16, 396, 58};
constexpr RECT kChannelRect{400, 12, 628, 112};
constexpr RECT kScanRect{60, 300, 580, 396};
constexpr RECT kInfoRect{40, 410, 600, 470};
constexpr RECT kCardMotionRect{140, 346, 500, 406};
constexpr RECT kFmMeterRect{170, 346, 470, 404};
constexpr RECT kInputMotionRect{0, 404, kW, 444};
constexpr int kTileMargin = 8;

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}

constexpr std::uint32_t kCardBackground = Rgb(28, 32, 40);
constexpr std::uint32_t kCardGrid = Rgb(70, 76, 88);

std::uint32_t FromHue(double hue) {
  // Hue 0..1 at saturation 0.85, value 0.95.
  const double h = std::fmod(hue, 1.0) * 6.0;
  const int sector = static_cast<int>(h);
  const double f = h - sector;
  const double v = 0.95, s = 0.85;
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r = v, g = t, b = p;
  switch (sector) {
    case 1:
      r = q, g = v, b = p;
      break;
    case 2:
      r = p, g = v, b = t;
      break;
    case 3:
      r = p, g = q, b = v;
      break;
    case 4:
      r = t, g = p, b = v;
      break;
    case 5:
      r = v, g = p, b = q;
      break;
    default:
      break;
  }
  return Rgb(static_cast<int>(r * 255), static_cast<int>(g * 255), static_cast<int>(b * 255));
}

HFONT MakeFont(int height, int weight) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

void MakeSurface(HDC& dc, HBITMAP& bitmap, HGDIOBJ& old, std::uint32_t*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kW;
  info.bmiHeader.biHeight = -kH;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* memory = nullptr;
  dc = CreateCompatibleDC(nullptr);
  bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  bits = static_cast<std::uint32_t*>(memory);
  old = SelectObject(dc, bitmap);
}

void FreeSurface(HDC dc, HBITMAP bitmap, HGDIOBJ old) {
  if (dc != nullptr) {
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
}

void Unite(RECT& into, const RECT& r) {
  if (IsRectEmpty(&r)) return;
  if (IsRectEmpty(&into)) {
    into = r;
  } else {
    UnionRect(&into, &into, &r);
  }
}

bool Inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

void Bar(HDC dc, const RECT& r, int value, int highest, COLORREF fill) {
  const HBRUSH frame = CreateSolidBrush(RGB(200, 200, 200));
  FrameRect(dc, &r, frame);
  DeleteObject(frame);
  if (highest <= 0) return;
  const int v = value < 0 ? 0 : (value > highest ? highest : value);
  RECT inner{r.left + 2, r.top + 2, r.left + 2 + (r.right - r.left - 4) * v / highest,
             r.bottom - 2};
  const HBRUSH brush = CreateSolidBrush(fill);
  FillRect(dc, &inner, brush);
  DeleteObject(brush);
}

}  // namespace

Picture::Picture() {
  MakeSurface(sceneDc_, sceneBmp_, sceneOld_, scene_);
  MakeSurface(outDc_, outBmp_, outOld_, out_);
  big_ = MakeFont(84, FW_BOLD);
  medium_ = MakeFont(36, FW_BOLD);
  small_ = MakeFont(20, FW_NORMAL);
  osdFont_ = MakeFont(64, FW_BOLD);
}

Picture::~Picture() {
  FreeSurface(sceneDc_, sceneBmp_, sceneOld_);
  FreeSurface(outDc_, outBmp_, outOld_);
  for (HFONT f : {big_, medium_, small_, osdFont_}) {
    if (f != nullptr) DeleteObject(f);
  }
}

void Picture::SetScene(const Scene& scene) {
  if (scene == current_ && !sceneDirty_) return;
  current_ = scene;
  sceneDirty_ = true;
}

void Picture::SetAdjustments(const PictureSettings& settings) {
  if (settings == adjust_) return;
  adjust_ = settings;
  matrix_ = ColorMatrix(settings);
  Unite(pendingDirty_, kFull);
}

void Picture::ShowChannel(const std::string& text, DWORD forMs) {
  channel_ = {text, 0, 0, GetTickCount() + forMs, true};
  Unite(pendingDirty_, kChannelRect);
}

void Picture::ShowInfo(const std::string& text, int value, int highest, DWORD forMs) {
  info_ = {text, value, highest, GetTickCount() + forMs, true};
  Unite(pendingDirty_, kInfoRect);
}

void Picture::SetIndicators(const std::string& text) {
  if (text == indicators_) return;
  indicators_ = text;
  Unite(pendingDirty_, kIndicatorRect);
}

void Picture::SetScanPanel(const ScanPanel& panel) {
  if (panel == scan_) return;
  scan_ = panel;
  Unite(pendingDirty_, kScanRect);
}

RECT Picture::Tick(DWORD nowMs) {
  RECT dirty = pendingDirty_;
  pendingDirty_ = {};
  if (sceneDirty_) {
    RenderScene();
    sceneDirty_ = false;
    dirty = kFull;
  } else {
    Unite(dirty, RenderMotion(nowMs));
  }
  for (auto [osd, rect] : {std::pair{&channel_, kChannelRect}, std::pair{&info_, kInfoRect}}) {
    if (osd->shown && static_cast<LONG>(nowMs - osd->until) >= 0) {
      osd->shown = false;
      Unite(dirty, rect);
    }
  }
  if (!IsRectEmpty(&dirty)) Compose(dirty);
  return dirty;
}

void Picture::Paint(HDC dc, const RECT& client) const {
  const int cw = client.right - client.left, ch = client.bottom - client.top;
  if (cw == kW && ch == kH) {
    BitBlt(dc, 0, 0, kW, kH, outDc_, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, cw, ch, outDc_, 0, 0, kW, kH, SRCCOPY);
  }
}

std::vector<std::uint32_t> Picture::Capture() {
  if (sceneDirty_) {
    RenderScene();
    sceneDirty_ = false;
    Unite(pendingDirty_, kFull);
  }
  GdiFlush();
  std::vector<std::uint32_t> pixels(scene_, scene_ + kW * kH);
  for (std::uint32_t& p : pixels) p = matrix_.Apply(p);
  return pixels;
}

std::uint32_t Picture::NextRandom() {
  random_ ^= random_ << 13;
  random_ ^= random_ >> 17;
  random_ ^= random_ << 5;
  return random_;
}

void Picture::Compose(const RECT& r) {
  GdiFlush();
  const bool noisy = current_.kind == SceneKind::TestCard && current_.weak;
  for (LONG y = r.top; y < r.bottom; ++y) {
    for (LONG x = r.left; x < r.right; ++x) {
      std::uint32_t p = scene_[y * kW + x];
      if (noisy) {
        const std::uint32_t n = (NextRandom() >> 24) * 0x010101u;
        p = ((p >> 1) & 0x7F7F7Fu) + ((n >> 1) & 0x7F7F7Fu);
      }
      p = matrix_.Apply(p);
      if ((info_.shown && Inside(kInfoRect, x, y)) || (scan_.shown && Inside(kScanRect, x, y))) {
        p = (p >> 2) & 0x3F3F3Fu;
      }
      out_[y * kW + x] = p;
    }
  }
  DrawOverlays(r);
}

void Picture::Text(HDC dc, HFONT font, const RECT& box, const std::string& text, COLORREF color,
                   UINT format) const {
  const HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  RECT shadow = box;
  OffsetRect(&shadow, 2, 2);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextA(dc, text.c_str(), -1, &shadow, format | DT_NOPREFIX);
  RECT at = box;
  SetTextColor(dc, color);
  DrawTextA(dc, text.c_str(), -1, &at, format | DT_NOPREFIX);
  SelectObject(dc, old);
}

void Picture::DrawOverlays(const RECT& clip) {
  const int saved = SaveDC(outDc_);
  IntersectClipRect(outDc_, clip.left, clip.top, clip.right, clip.bottom);
  const UINT line = DT_SINGLELINE | DT_VCENTER;
  if (!indicators_.empty()) {
    Text(outDc_, medium_, kIndicatorRect, indicators_, RGB(255, 80, 64), line | DT_LEFT);
  }
  if (channel_.shown) {
    Text(outDc_, osdFont_, kChannelRect, channel_.text, RGB(96, 255, 96), line | DT_RIGHT);
  }
  if (scan_.shown) {
    RECT title{kScanRect.left + 16, kScanRect.top + 6, kScanRect.right - 16, kScanRect.top + 34};
    Text(outDc_, small_, title, scan_.title, RGB(255, 255, 255), line | DT_LEFT);
    RECT text{title.left, title.bottom, title.right, title.bottom + 24};
    Text(outDc_, small_, text, scan_.line, RGB(255, 220, 120), line | DT_LEFT);
    const RECT bar{title.left, kScanRect.bottom - 20, title.right, kScanRect.bottom - 8};
    Bar(outDc_, bar, scan_.done, scan_.total, RGB(80, 200, 255));
  }
  if (info_.shown) {
    const bool withBar = info_.highest > 0;
    RECT text{kInfoRect.left + 16, kInfoRect.top + 2, kInfoRect.right - 16,
              withBar ? kInfoRect.top + 38 : kInfoRect.bottom - 2};
    Text(outDc_, medium_, text, info_.text, RGB(255, 255, 255), line | DT_LEFT | DT_END_ELLIPSIS);
    if (withBar) {
      const RECT bar{text.left, kInfoRect.bottom - 20, text.right, kInfoRect.bottom - 8};
      Bar(outDc_, bar, info_.value, info_.highest, RGB(96, 255, 96));
    }
  }
  RestoreDC(outDc_, saved);
}

// ---- the scenes --------------------------------------------------------------------------

void Picture::Fill(int x, int y, int w, int h, std::uint32_t rgb) {
  for (int row = y < 0 ? 0 : y; row < y + h && row < kH; ++row) {
    for (int col = x < 0 ? 0 : x; col < x + w && col < kW; ++col) scene_[row * kW + col] = rgb;
  }
}

void Picture::Noise(const RECT& r) {
  for (LONG y = r.top; y < r.bottom; ++y) {
    // Now and then a brighter line, as a receiver without a signal shows.
    const std::uint32_t streak = (NextRandom() & 0x1F) == 0 ? 48 : 0;
    for (LONG x = r.left; x < r.right; ++x) {
      std::uint32_t g = (NextRandom() >> 24) + streak;
      if (g > 255) g = 255;
      scene_[y * kW + x] = g * 0x010101u;
    }
  }
}

void Picture::RenderScene() {
  GdiFlush();
  switch (current_.kind) {
    case SceneKind::TestCard:
      TestCard();
      break;
    case SceneKind::Snow:
      Noise(kFull);
      break;
    case SceneKind::FmDial:
      FmDial();
      break;
    case SceneKind::Composite:
    case SceneKind::SVideo:
      Inputs();
      break;
    case SceneKind::Mosaic:
      Mosaic();
      break;
  }
  GdiFlush();
}

RECT Picture::RenderMotion(DWORD nowMs) {
  GdiFlush();
  RECT moved{};
  switch (current_.kind) {
    case SceneKind::TestCard:
      TestCardMotion(nowMs);
      moved = current_.weak ? kFull : kCardMotionRect;
      break;
    case SceneKind::Snow:
      Noise(kFull);
      moved = kFull;
      break;
    case SceneKind::FmDial:
      FmMotion(nowMs);
      moved = kFmMeterRect;
      break;
    case SceneKind::Composite:
    case SceneKind::SVideo:
      InputMotion(nowMs);
      moved = kInputMotionRect;
      break;
    case SceneKind::Mosaic:
      for (std::size_t i = 0; i < current_.tiles.size(); ++i) {
        const Tile& tile = current_.tiles[i];
        if (tile.live && tile.quality == Quality::None) {
          moved = TileRect(static_cast<int>(i));
          Noise(moved);
          GdiFlush();
          Text(sceneDc_, medium_, moved, tile.label, RGB(255, 220, 60),
               DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        }
      }
      break;
  }
  GdiFlush();
  return moved;
}

void Picture::TestCard() {
  Fill(0, 0, kW, kH, kCardBackground);
  for (int x = 0; x < kW; x += 40) Fill(x, 0, 1, kH, kCardGrid);
  for (int y = 0; y < kH; y += 40) Fill(0, y, kW, 1, kCardGrid);
  GdiFlush();
  // Corner discs and the large ring.
  const std::uint32_t corners[] = {Rgb(0, 170, 170), Rgb(240, 140, 20), Rgb(150, 70, 220),
                                   Rgb(140, 220, 40)};
  const POINT centres[] = {{48, 48}, {kW - 48, 48}, {48, kH - 48}, {kW - 48, kH - 48}};
  for (int i = 0; i < 4; ++i) {
    const std::uint32_t c = corners[i];
    const HBRUSH brush = CreateSolidBrush(RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    const HGDIOBJ oldBrush = SelectObject(sceneDc_, brush);
    const HGDIOBJ oldPen = SelectObject(sceneDc_, GetStockObject(NULL_PEN));
    Ellipse(sceneDc_, centres[i].x - 28, centres[i].y - 28, centres[i].x + 28, centres[i].y + 28);
    SelectObject(sceneDc_, oldPen);
    SelectObject(sceneDc_, oldBrush);
    DeleteObject(brush);
  }
  const HPEN ring = CreatePen(PS_SOLID, 3, RGB(235, 235, 235));
  const HGDIOBJ oldPen = SelectObject(sceneDc_, ring);
  const HGDIOBJ oldBrush = SelectObject(sceneDc_, GetStockObject(NULL_BRUSH));
  Ellipse(sceneDc_, kW / 2 - 212, kH / 2 - 212, kW / 2 + 212, kH / 2 + 212);
  SelectObject(sceneDc_, oldBrush);
  SelectObject(sceneDc_, oldPen);
  DeleteObject(ring);
  GdiFlush();
  // A wheel of twelve hues, the identity box, a grey scale of ten steps.
  for (int i = 0; i < 12; ++i) Fill(120 + i * 400 / 12, 90, 400 / 12 + 1, 70, FromHue(i / 12.0));
  Fill(110, 170, 420, 120, Rgb(0, 0, 0));
  for (int i = 0; i < 10; ++i) {
    const int g = i * 255 / 9;
    Fill(120 + i * 40, 300, 40, 40, Rgb(g, g, g));
  }
  const RECT label{124, 174, 250, 286};
  Text(sceneDc_, big_, label, current_.channelLabel, RGB(255, 220, 60),
       DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  const RECT name{256, 174, 524, 286};
  Text(sceneDc_, medium_, name, current_.stationName, RGB(255, 255, 255),
       DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_END_ELLIPSIS);
  TestCardMotion(GetTickCount());
}

void Picture::TestCardMotion(DWORD nowMs) {
  // A block that travels along a strip, and the clock.
  const RECT strip{140, 346, 500, 364};
  Fill(strip.left, strip.top, strip.right - strip.left, strip.bottom - strip.top, Rgb(10, 10, 14));
  const int travel = (strip.right - strip.left) - 30;
  const int phase = static_cast<int>(nowMs % 4000);
  const int x = phase < 2000 ? phase * travel / 2000 : (4000 - phase) * travel / 2000;
  Fill(strip.left + x, strip.top + 3, 30, strip.bottom - strip.top - 6, Rgb(240, 240, 240));
  SYSTEMTIME now;
  GetLocalTime(&now);
  const RECT clock{250, 368, 390, 406};
  Fill(clock.left, clock.top, clock.right - clock.left, clock.bottom - clock.top, Rgb(0, 0, 0));
  GdiFlush();
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
  Text(sceneDc_, medium_, clock, text, RGB(255, 255, 255), DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void Picture::FmDial() {
  for (int y = 0; y < kH; ++y) Fill(0, y, kW, 1, Rgb(8, 10 + y / 24, 24 + y / 12));
  const FmBand band = current_.fmBand;
  const RECT dial{40, 160, 600, 262};
  Fill(dial.left, dial.top, dial.right - dial.left, dial.bottom - dial.top, Rgb(20, 24, 44));
  const int span = band.high > band.low ? band.high - band.low : 1;
  auto xOf = [&](int f) { return 60 + (f - band.low) * 520 / span; };
  for (int f = (band.low + 9) / 10 * 10; f <= band.high; f += 10) {
    const bool major = (f / 10) % 2 == 0;
    Fill(xOf(f), dial.top + 10, 2, major ? 34 : 18, Rgb(200, 200, 210));
  }
  GdiFlush();
  for (int f = (band.low + 19) / 20 * 20; f <= band.high; f += 20) {
    const RECT number{xOf(f) - 30, dial.top + 48, xOf(f) + 30, dial.top + 72};
    Text(sceneDc_, small_, number, std::to_string(f / 10), RGB(200, 200, 210),
         DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
  if (band.Contains(current_.fm100kHz)) {
    Fill(xOf(current_.fm100kHz) - 1, dial.top + 4, 4, dial.bottom - dial.top - 8, Rgb(255, 40, 40));
  }
  GdiFlush();
  char freq[32];
  std::snprintf(freq, sizeof freq, "%d.%d MHz", current_.fm100kHz / 10,
                std::abs(current_.fm100kHz % 10));
  Text(sceneDc_, big_, RECT{0, 40, kW, 140}, freq, RGB(255, 200, 80),
       DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const bool station = !current_.stationName.empty();
  Text(sceneDc_, medium_, RECT{0, 276, kW, 330}, station ? current_.stationName : "no station",
       station ? RGB(255, 255, 255) : RGB(140, 140, 150), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  FmMotion(GetTickCount());
}

void Picture::FmMotion(DWORD nowMs) {
  // A level meter: lively on a station, a low flicker on nothing.
  const RECT m = kFmMeterRect;
  for (int y = m.top; y < m.bottom; ++y) Fill(m.left, y, m.right - m.left, 1, Rgb(8, 12, 30));
  const bool station = !current_.stationName.empty();
  const int bars = 20, width = (m.right - m.left) / bars;
  const int height = m.bottom - m.top;
  for (int i = 0; i < bars; ++i) {
    const double wave = std::sin(nowMs / 180.0 + i * 0.7) * 0.5 + 0.5;
    const int level = station ? static_cast<int>(height * (0.3 + 0.7 * wave))
                              : static_cast<int>(NextRandom() % 6);
    Fill(m.left + i * width + 2, m.bottom - level, width - 4, level,
         i < 14 ? Rgb(60, 220, 90) : Rgb(240, 200, 40));
  }
}

void Picture::Inputs() {
  const bool composite = current_.kind == SceneKind::Composite;
  if (composite) {
    const std::uint32_t bars[] = {Rgb(235, 235, 235), Rgb(235, 235, 16), Rgb(16, 235, 235),
                                  Rgb(16, 235, 16),   Rgb(235, 16, 235), Rgb(235, 16, 16),
                                  Rgb(16, 16, 235),   Rgb(16, 16, 16)};
    for (int i = 0; i < 8; ++i) Fill(i * kW / 8, 0, kW / 8 + 1, kH, bars[i]);
  } else {
    // Four ramps: red, green, blue and grey.
    for (int band = 0; band < 4; ++band) {
      for (int x = 0; x < kW; ++x) {
        const int v = x * 255 / (kW - 1);
        const std::uint32_t c = band == 0   ? Rgb(v, 0, 0)
                                : band == 1 ? Rgb(0, v, 0)
                                : band == 2 ? Rgb(0, 0, v)
                                            : Rgb(v, v, v);
        Fill(x, band * kH / 4, 1, kH / 4, c);
      }
    }
  }
  Fill(150, 190, 340, 90, Rgb(0, 0, 0));
  GdiFlush();
  Text(sceneDc_, big_, RECT{150, 190, 490, 280}, composite ? "AV-in" : "S-Video",
       RGB(255, 255, 255), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  InputMotion(GetTickCount());
}

void Picture::InputMotion(DWORD nowMs) {
  const RECT m = kInputMotionRect;
  Fill(m.left, m.top, m.right - m.left, m.bottom - m.top, Rgb(12, 12, 12));
  const int size = m.bottom - m.top - 8;
  const int travel = (m.right - m.left) - size;
  const int phase = static_cast<int>(nowMs % 3000);
  const int x = phase < 1500 ? phase * travel / 1500 : (3000 - phase) * travel / 1500;
  const std::uint32_t colour =
      current_.kind == SceneKind::Composite ? Rgb(255, 160, 0) : Rgb(0, 200, 255);
  Fill(m.left + x, m.top + 4, size, size, colour);
}

RECT Picture::TileRect(int index) const {
  const int cols = current_.cols < 1 ? 1 : current_.cols;
  const int rows = current_.rows < 1 ? 1 : current_.rows;
  const int w = (kW - kTileMargin * (cols + 1)) / cols;
  const int h = (kH - kTileMargin * (rows + 1)) / rows;
  const int col = index % cols, row = index / cols;
  const int x = kTileMargin + col * (w + kTileMargin);
  const int y = kTileMargin + row * (h + kTileMargin);
  return RECT{x, y, x + w, y + h};
}

void Picture::MiniTestCard(const RECT& r, const Tile& tile) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  Fill(r.left, r.top, w, h, kCardBackground);
  for (int i = 0; i < 12; ++i) {
    Fill(r.left + i * w / 12, r.top + h / 12, w / 12 + 1, h / 4, FromHue(i / 12.0));
  }
  Fill(r.left + w / 16, r.top + h * 5 / 12, w - w / 8, h / 2, Rgb(0, 0, 0));
  GdiFlush();
  const RECT label{r.left, r.top + h * 5 / 12, r.right, r.top + h * 5 / 12 + h / 4};
  Text(sceneDc_, medium_, label, tile.label, RGB(255, 220, 60),
       DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const RECT name{r.left + w / 16, label.bottom, r.right - w / 16, r.top + h * 11 / 12};
  Text(sceneDc_, small_, name, tile.name, RGB(255, 255, 255),
       DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
}

void Picture::Mosaic() {
  Fill(0, 0, kW, kH, Rgb(16, 16, 20));
  for (std::size_t i = 0; i < current_.tiles.size(); ++i) {
    const Tile& tile = current_.tiles[i];
    const RECT r = TileRect(static_cast<int>(i));
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (!tile.visited) {
      Fill(r.left, r.top, w, h, Rgb(40, 40, 48));
    } else if (tile.quality == Quality::None) {
      Noise(r);
      GdiFlush();
      Text(sceneDc_, medium_, r, tile.label, RGB(255, 220, 60),
           DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    } else {
      MiniTestCard(r, tile);
    }
    GdiFlush();
    const std::uint32_t edge = tile.live ? Rgb(255, 220, 0) : Rgb(90, 90, 100);
    const int t = tile.live ? 3 : 1;
    Fill(r.left, r.top, w, t, edge);
    Fill(r.left, r.bottom - t, w, t, edge);
    Fill(r.left, r.top, t, h, edge);
    Fill(r.right - t, r.top, t, h, edge);
  }
}

}  // namespace tv::sim
