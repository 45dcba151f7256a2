#include "panel/layout.h"

#include "base/profile_snapshot.h"

#include <algorithm>
#include <string>

namespace tv::panel {
namespace {

constexpr std::uint32_t kTooltipCapacity = 260;

// A coordinate or size as the layout file gives it, within what a window can show and a mouse
// message can name. The drawing adds and multiplies these (glyph steps, bar fills, the side
// list's offset) in 32 bits, where values near the ends of that range would wrap, and the
// system turns an outline millions of pixels tall into a region of millions of rows.
int Coordinate(const IniFile& ini, const char* section, const char* key, int def) {
  return std::clamp(ini.RawInt(section, key, def), -kLayoutCoordinateLimit, kLayoutCoordinateLimit);
}
constexpr const char* kButtonSectionSuffix = "PANEL_BTN";

struct GeometryKey {
  const char* key;  // prefixed with the skin number in section "Panel"
  int PanelGeometry::*field;
  int defaultValue;
};

constexpr GeometryKey kGeometryKeys[] = {
    {"PANEL_W", &PanelGeometry::panelW, 547},
    {"PANEL_H", &PanelGeometry::panelH, 176},
    {"PANEL_OPENLIST_W", &PanelGeometry::openListW, 547},
    {"PANEL_OPENLIST_H", &PanelGeometry::openListH, 356},
    {"PANEL_OPENLEFTLIST_W", &PanelGeometry::openLeftListW, 643},
    {"PANEL_OPENLEFTLIST_H", &PanelGeometry::openLeftListH, 176},
    {"PANEL_OPENALL_W", &PanelGeometry::openAllW, 643},
    {"PANEL_OPENALL_H", &PanelGeometry::openAllH, 356},
    {"PANEL_LORR", &PanelGeometry::lorr, 0},
    {"PANEL_LORR_X_OFFSET", &PanelGeometry::lorrXOffset, 6},
    {"PANEL_LORR_Y_OFFSET", &PanelGeometry::lorrYOffset, 20},
    {"PANEL_LORR_WIN_W", &PanelGeometry::lorrWinW, 90},
    {"PANEL_LORR_WIN_H", &PanelGeometry::lorrWinH, 110},
    {"PANEL_DOWN_X_OFFSET", &PanelGeometry::downXOffset, 55},
    {"PANEL_DOWN_Y_OFFSET", &PanelGeometry::downYOffset, 176},
    {"PANEL_DOWN_WIN_W", &PanelGeometry::downWinW, 413},
    {"PANEL_DOWN_WIN_H", &PanelGeometry::downWinH, 143},
    {"PANEL_DOWN_REPAINT_Y", &PanelGeometry::downRepaintY, 128},
};

// The buttons of the down part exist only while it is unfolded; the full load leaves them
// without a rectangle and the overrides that always follow it decide.
bool OnlyPlacedByOverrides(int index) {
  return (index >= 39 && index <= 42) || index == kButtonDownClose;
}

// A rectangle read from "BTN_" + stem + "_X", "_Y", "_W", "_H" in that order.
struct RectKeys {
  const char* stem;
  int x, y, width, height;
};

Rect ReadRect(const IniFile& ini, const std::string& section, const RectKeys& keys) {
  const std::string base = std::string("BTN_") + keys.stem;
  Rect r;
  r.x = Coordinate(ini, section.c_str(), (base + "_X").c_str(), keys.x);
  r.y = Coordinate(ini, section.c_str(), (base + "_Y").c_str(), keys.y);
  r.width = Coordinate(ini, section.c_str(), (base + "_W").c_str(), keys.width);
  r.height = Coordinate(ini, section.c_str(), (base + "_H").c_str(), keys.height);
  return r;
}

// Only x and y: the logo keeps its size in both states.
void ReadPosition(const IniFile& ini, const std::string& section, const char* stem, int x, int y,
                  PanelButton& button) {
  const std::string base = std::string("BTN_") + stem;
  button.x = Coordinate(ini, section.c_str(), (base + "_X").c_str(), x);
  button.y = Coordinate(ini, section.c_str(), (base + "_Y").c_str(), y);
}

void Place(PanelButton& button, const Rect& r) {
  button.x = r.x;
  button.y = r.y;
  button.width = r.width;
  button.height = r.height;
}

std::string ReadTooltip(const IniFile& ini, const std::string& section, const char* key,
                        const char* def) {
  return ini.RawText(section.c_str(), key, def, kTooltipCapacity);
}

// Closed state: the fold button and the logo sit at the bottom of the closed artwork.
constexpr RectKeys kOpenPanelKeys{"OPENPANEL", 35, 135, 19, 20};
// Open state: the fold button and the logo move below the list; the down part's own buttons
// appear.
constexpr RectKeys kOpenPanelMoveKeys{"OPENPANELMOVE", 35, 336, 19, 20};
struct DownPartButton {
  int index;
  RectKeys keys;
};
constexpr DownPartButton kDownPartButtons[] = {
    {39, {"EMAIL", 66, 140, 63, 27}},     {40, {"LISTVIEW", 129, 140, 63, 27}},
    {41, {"PAINT", 255, 140, 63, 27}},    {42, {"MOVIEEDIT", 192, 140, 63, 27}},
    {47, {"DOWNCLOSE", 50, 141, 17, 25}},
};

}  // namespace

int ReadPanelNow(const IniFile& ini) {
  return ini.RawInt(kPanelSection, kPanelNowKey, 1);
}

std::string SkinKey(int skin, const char* key) {
  return DecimalText(skin) + key;
}

std::string ButtonSection(int skin) {
  return DecimalText(skin) + kButtonSectionSuffix;
}

std::string OutlineSection(int skin, int shape) {
  const char* suffix = nullptr;
  switch (shape) {
    case 1:
      suffix = "Point";
      break;
    case 2:
      suffix = "DownPoint";
      break;
    case 3:
      suffix = "LorRPoint";
      break;
    case 4:
      suffix = "ALLPoint";
      break;
    default:
      return kPanelSection;
  }
  return kPanelSection + DecimalText(skin) + suffix;
}

Size ShapeSize(const PanelGeometry& g, PanelShape shape) {
  switch (shape) {
    case PanelShape::Down:
      return {g.openListW, g.openListH};
    case PanelShape::Side:
      return {g.openLeftListW, g.openLeftListH};
    case PanelShape::All:
      return {g.openAllW, g.openAllH};
    case PanelShape::Closed:
      break;
  }
  return {g.panelW, g.panelH};
}

void LoadPanelLayout(PanelLayout& layout, const IniFile& panelIniFile) {
  // Several hundred keys: read the file once rather than once per key.
  ProfileSnapshot snapshot(panelIniFile.Source(), panelIniFile.Path());
  const IniFile panelIni(snapshot, panelIniFile.Path());
  const int skin = ReadPanelNow(panelIni);
  layout.skin = skin;

  for (const GeometryKey& g : kGeometryKeys)
    layout.geometry.*g.field =
        Coordinate(panelIni, kPanelSection, SkinKey(skin, g.key).c_str(), g.defaultValue);

  const std::string section = ButtonSection(skin);
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonInfo& info = kButtonTable[i];
    PanelButton& button = layout.buttons[i];
    if (OnlyPlacedByOverrides(i))
      Place(button, Rect{});
    else
      Place(button,
            ReadRect(panelIni, section, {info.stem, info.x, info.y, info.width, info.height}));
    button.enabled = 1;
    button.command = info.command;
    button.tooltip = ReadTooltip(panelIni, section, info.tooltipKey, info.tooltipDefault);
  }

  for (int i = 0; i < static_cast<int>(Lcd::kCount); ++i)
    layout.lcd[i] =
        Coordinate(panelIni, section.c_str(), kLcdKeys[i].key, kLcdKeys[i].defaultValue);

  for (int i = 0; i < static_cast<int>(Caption::kCount); ++i) {
    const CaptionInfo& c = kCaptions[i];
    const std::string captionSection = c.panelSection ? std::string(kPanelSection) : section;
    layout.captions[i] = panelIni.RawText(captionSection.c_str(), c.key, c.defaultText, c.capacity);
  }
}

void ApplyOpenStateOverrides(PanelLayout& layout, const IniFile& panelIni, int mode) {
  const std::string section = ButtonSection(ReadPanelNow(panelIni));
  PanelButton& logo = layout.buttons[kButtonLogo];
  PanelButton& fold = layout.buttons[kButtonOpenPanel];

  if (mode == 0) {
    ReadPosition(panelIni, section, "LOGOKOVA", 138, 135, logo);
    Place(fold, ReadRect(panelIni, section, kOpenPanelKeys));
    for (const DownPartButton& b : kDownPartButtons) Place(layout.buttons[b.index], Rect{});
    return;
  }
  if (mode != 1) return;

  ReadPosition(panelIni, section, "LOGOMOVE", 138, 336, logo);
  // A skin without a separate open-state place keeps the fold button where it was.
  const bool foldMoves = panelIni.RawInt(section.c_str(), "BTN_OPENPANELMOVE_X", 0) != 0;
  Place(fold, ReadRect(panelIni, section, foldMoves ? kOpenPanelMoveKeys : kOpenPanelKeys));
  const ButtonInfo& foldInfo = kButtonTable[kButtonOpenPanel];
  fold.enabled = 1;
  fold.command = foldInfo.command;
  fold.tooltip = ReadTooltip(panelIni, section, foldInfo.tooltipKey, foldInfo.tooltipDefault);
  for (const DownPartButton& b : kDownPartButtons)
    Place(layout.buttons[b.index], ReadRect(panelIni, section, b.keys));
}

std::vector<Point> ReadOutline(const IniFile& panelIniFile, int skin, int shape) {
  const std::string section = OutlineSection(skin, shape);
  // Up to 398 keys: read the file once rather than once per key.
  ProfileSnapshot snapshot(panelIniFile.Source(), panelIniFile.Path());
  const IniFile panelIni(snapshot, panelIniFile.Path());
  const int count = std::min(panelIni.RawInt(section.c_str(), kHavePointKey, 0), kMaxOutlinePoints);
  std::vector<Point> outline;
  for (int i = 1; i <= count; ++i) {
    const int x = Coordinate(panelIni, section.c_str(), DecimalText(2 * i - 1).c_str(), 0);
    const int y = Coordinate(panelIni, section.c_str(), DecimalText(2 * i).c_str(), 0);
    outline.push_back(Point{x, y});
  }
  return outline;
}

void LoadStepTooltips(PanelLayout& layout, const IniFile& panelIni, bool fm) {
  const std::string section = ButtonSection(layout.skin);
  PanelButton& down = layout.buttons[kButtonChannelDown];
  PanelButton& up = layout.buttons[kButtonChannelUp];
  if (fm) {
    down.tooltip = ReadTooltip(panelIni, section, "IDS_FREQDOWN", "Frequency Down");
    up.tooltip = ReadTooltip(panelIni, section, "IDS_FREQUP", "Frequency Up");
    return;
  }
  const ButtonInfo& downInfo = kButtonTable[kButtonChannelDown];
  const ButtonInfo& upInfo = kButtonTable[kButtonChannelUp];
  down.tooltip = ReadTooltip(panelIni, section, downInfo.tooltipKey, downInfo.tooltipDefault);
  up.tooltip = ReadTooltip(panelIni, section, upInfo.tooltipKey, upInfo.tooltipDefault);
}

}  // namespace tv::panel
