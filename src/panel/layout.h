#pragma once
// The skin's layout in memory: window geometry of the four shapes, the 48 buttons, the LCD
// keys and the captions of skin "PanelNow", read from the layout file.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/settings_file.h"
#include "panel/layout_tables.h"
#include "platform/dialog.h"
#include "platform/geometry.h"

namespace tv {

// What is unfolded: the files part below (Down), the channel list beside (Side), both (All).
enum class PanelShape { Closed = 1, Down = 2, Side = 3, All = 4 };

}  // namespace tv

namespace tv::panel {

struct PanelGeometry {
  int panelW = 547, panelH = 176;                // Closed
  int openListW = 547, openListH = 356;          // Down
  int openLeftListW = 643, openLeftListH = 176;  // Side
  int openAllW = 643, openAllH = 356;            // All
  int lorr = 0;  // 0: the side list unfolds on the left (the artwork moves right), 1: right
  int lorrXOffset = 6, lorrYOffset = 20, lorrWinW = 90, lorrWinH = 110;
  int downXOffset = 55, downYOffset = 176, downWinW = 413, downWinH = 143;
  int downRepaintY = 128;
};

// The window size of a shape.
Size ShapeSize(const PanelGeometry& g, PanelShape shape);

struct PanelButton {
  int x = 0, y = 0, width = 0, height = 0;
  int enabled = 0;  // only 1 reacts to the mouse
  std::uint16_t command = 0;
  std::string tooltip;  // at most 259 characters
  Rect Bounds() const { return Rect{x, y, width, height}; }
};

struct PanelLayout {
  int skin = 1;  // "PanelNow" at the last load
  PanelGeometry geometry;
  std::array<PanelButton, kButtonCount> buttons;
  std::array<int, static_cast<int>(Lcd::kCount)> lcd{};
  std::array<std::string, static_cast<int>(Caption::kCount)> captions;

  int Value(Lcd key) const { return lcd[static_cast<int>(key)]; }
  const std::string& Text(Caption key) const { return captions[static_cast<int>(key)]; }
};

// Button indices the behaviour refers to.
inline constexpr int kButtonVolumeDown = 10;
inline constexpr int kButtonVolumeUp = 11;
inline constexpr int kButtonChannelDown = 12;
inline constexpr int kButtonChannelUp = 13;
inline constexpr int kButtonPlay = 24;
inline constexpr int kButtonForward = 25;
inline constexpr int kButtonBack = 26;
inline constexpr int kButtonPause = 27;
inline constexpr int kButtonStop = 28;
inline constexpr int kButtonMute = 30;
inline constexpr int kButtonOpenPanel = 38;
inline constexpr int kButtonLeftOpen = 45;  // never moved by the content offset
inline constexpr int kButtonLogo = 46;
inline constexpr int kButtonDownClose = 47;
inline constexpr int kNoButton = 255;

// Reads "PanelNow" from section "Panel" (default 1) and every key of that skin.
void LoadPanelLayout(PanelLayout& layout, const IniFile& panelIni);
// The current skin's number ("PanelNow"), read from the layout file at this moment: the outline
// and the pictures of a shape always come from the skin the file names now.
int ReadPanelNow(const IniFile& panelIni);
// Re-reads "PanelNow", then the closed-state (mode 0) or open-state (mode 1) rectangles of the
// buttons that move or appear when the down part unfolds; other modes change nothing.
void ApplyOpenStateOverrides(PanelLayout& layout, const IniFile& panelIni, int mode);
// Buttons 12 and 13 name frequency steps in FM mode and channel steps otherwise.
void LoadStepTooltips(PanelLayout& layout, const IniFile& panelIni, bool fm);

// Every coordinate, size and LCD value of the layout file is taken as it is within this many
// pixels either side of 0, and cut to it beyond: the farthest point a mouse message can name.
inline constexpr int kLayoutCoordinateLimit = 32767;

// The outline of a shape (1..4; other shapes name section "Panel"): "HavePoint" points, at
// most kMaxOutlinePoints, a negative count none.
inline constexpr int kMaxOutlinePoints = 199;
std::vector<Point> ReadOutline(const IniFile& panelIni, int skin, int shape);

// Skin-numbered names: n + key in section "Panel", n + "PANEL_BTN", "Panel" + n + suffix.
std::string SkinKey(int skin, const char* key);
std::string ButtonSection(int skin);
std::string OutlineSection(int skin, int shape);

// A dialog control and the layout caption it shows; every dialog and page lists its own.
struct DialogCaption {
  int control;
  Caption caption;
};
// Gives each listed control its caption from the current layout.
inline void SetDialogCaptions(DialogControls& dialog, const PanelLayout& layout,
                              std::span<const DialogCaption> captions) {
  for (const DialogCaption& c : captions) dialog.SetText(c.control, layout.Text(c.caption));
}

}  // namespace tv::panel
