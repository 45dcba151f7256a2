#pragma once
// The card's picture: a 640 x 480 frame drawn with GDI into a device-independent bitmap,
// adjusted by the picture settings, with the on-screen display on top, and stretched into the
// window. Only what moves is redrawn: Tick returns the part of the frame that changed, the
// window invalidates just that.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "picture_adjust.h"
#include "station_model.h"
#include "tuning_world.h"

namespace tv::sim {

enum class SceneKind { TestCard, Snow, FmDial, Composite, SVideo, Mosaic };

struct Tile {
  std::string label;
  std::string name;
  Quality quality = Quality::None;
  bool visited = false;
  bool live = false;
  friend bool operator==(const Tile&, const Tile&) = default;
};

struct Scene {
  SceneKind kind = SceneKind::Snow;
  std::string channelLabel;  // test card
  std::string stationName;
  bool weak = false;  // test card under noise
  int fm100kHz = 0;   // FM dial
  FmBand fmBand;
  int rows = 0, cols = 0;  // mosaic
  std::vector<Tile> tiles;
  friend bool operator==(const Scene&, const Scene&) = default;
};

// The progress panel of a running scan.
struct ScanPanel {
  bool shown = false;
  std::string title;  // "Scanning air band"
  std::string line;   // "Channel 23   found 8"
  int done = 0, total = 0;
  friend bool operator==(const ScanPanel&, const ScanPanel&) = default;
};

class Picture {
 public:
  Picture();
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  void SetScene(const Scene& scene);
  void SetAdjustments(const PictureSettings& settings);
  const PictureSettings& Adjustments() const { return adjust_; }

  // On-screen display. The channel corner shows a number ("12", "12-"); the info band a text,
  // with a bar when highest > 0.
  void ShowChannel(const std::string& text, DWORD forMs);
  void ShowInfo(const std::string& text, int value, int highest, DWORD forMs);
  void SetIndicators(const std::string& text);  // stays until changed: "REC 00:12", "MUTE"
  void SetScanPanel(const ScanPanel& panel);

  // Advances animation and expiries; returns the frame rectangle that changed (may be empty).
  RECT Tick(DWORD nowMs);
  void Paint(HDC dc, const RECT& client) const;

  // The adjusted picture without the on-screen display, 0x00RRGGBB top to bottom. Also while
  // the window is hidden and nothing was drawn yet.
  std::vector<std::uint32_t> Capture();

 private:
  struct Osd {
    std::string text;
    int value = 0, highest = 0;
    DWORD until = 0;
    bool shown = false;
  };

  void RenderScene();
  RECT RenderMotion(DWORD nowMs);
  void Compose(const RECT& r);
  void DrawOverlays(const RECT& clip);

  // Drawing into the scene.
  void Fill(int x, int y, int w, int h, std::uint32_t rgb);
  void Text(HDC dc, HFONT font, const RECT& box, const std::string& text, COLORREF color,
            UINT format) const;
  void Noise(const RECT& r);
  void TestCard();
  void TestCardMotion(DWORD nowMs);
  void MiniTestCard(const RECT& r, const Tile& tile);
  void FmDial();
  void FmMotion(DWORD nowMs);
  void Inputs();
  void InputMotion(DWORD nowMs);
  void Mosaic();
  RECT TileRect(int index) const;
  std::uint32_t NextRandom();

  HDC sceneDc_ = nullptr, outDc_ = nullptr;
  HBITMAP sceneBmp_ = nullptr, outBmp_ = nullptr;
  HGDIOBJ sceneOld_ = nullptr, outOld_ = nullptr;
  std::uint32_t* scene_ = nullptr;
  std::uint32_t* out_ = nullptr;
  HFONT big_ = nullptr, medium_ = nullptr, small_ = nullptr, osdFont_ = nullptr;

  Scene current_;
  bool sceneDirty_ = true;
  PictureSettings adjust_;
  ColorMatrix matrix_;
  Osd channel_, info_;
  std::string indicators_;
  ScanPanel scan_;
  RECT pendingDirty_{};
  std::uint32_t random_ = 0x2545F491u;
  int lastSecond_ = -1;
};

}  // namespace tv::sim
