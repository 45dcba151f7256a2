// The default skins as the build writes them: skin 1 is the built-in layout, every button and
// readout element lies inside its shape's picture and outline, every sprite inside the sheet.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "base/ini_file.h"
#include "panel/layout.h"
#include "panel/layout_tables.h"

namespace {

const std::string kOut = std::string(TVPANEL_BINARY_DIR) + "/skins";

struct Rect {
  int x, y, w, h;
};
using Named = std::vector<std::pair<std::string, Rect>>;

// One skin's keys in the layout file.
struct Skin {
  int n;
  static int Int(const std::string& section, const std::string& key, int def = INT_MIN) {
    return tv::ini::GetInt(section.c_str(), key.c_str(), def, (kOut + "/Panel.ini").c_str());
  }
  std::string Btn() const { return std::to_string(n) + "PANEL_BTN"; }
  int Geo(const std::string& key) const { return Int("Panel", std::to_string(n) + key); }
  int Lcd(const std::string& key) const { return Int(Btn(), key); }
  // Position keys stem_X and stem_Y, size keys size_W and size_H.
  Rect Keys(const std::string& stem, const std::string& size) const {
    return {Lcd(stem + "_X"), Lcd(stem + "_Y"), Lcd(size + "_W"), Lcd(size + "_H")};
  }
  Rect Button(const std::string& stem) const { return Keys("BTN_" + stem, "BTN_" + stem); }
  std::string Folder() const { return kOut + "/panelbmp" + std::to_string(n) + "/"; }
};

// Outline section suffix, picture file stem, size keys, and which parts are unfolded.
// clang-format off
constexpr struct Shape { const char *outline, *picture, *wKey, *hKey; bool down, side; }
kShapes[] = {
    {"Point", "panel", "PANEL_W", "PANEL_H", false, false},
    {"DownPoint", "paneldown", "PANEL_OPENLIST_W", "PANEL_OPENLIST_H", true, false},
    {"LorRPoint", "panellorr", "PANEL_OPENLEFTLIST_W", "PANEL_OPENLEFTLIST_H", false, true},
    {"ALLPoint", "panelall", "PANEL_OPENALL_W", "PANEL_OPENALL_H", true, true}};
// clang-format on

// Buttons and readout as the panel places them: open-state buttons while the down part is
// unfolded; a side list on the left shifts all but the list button and the time-shift bar right,
// one on the right moves only the list button.
Named Placed(const Skin& skin, const Shape& shape) {
  const int sideWidth = skin.Geo("PANEL_OPENLEFTLIST_W") - skin.Geo("PANEL_W");
  const int dx = shape.side && skin.Geo("PANEL_LORR") == 0 ? sideWidth : 0;
  Named out;
  for (int i = 0; i < tv::panel::kButtonCount; ++i) {
    const std::string stem = tv::panel::kButtonTable[i].stem;
    Rect r = skin.Button(stem);
    const bool openOnly = (i >= 39 && i <= 42) || i == tv::panel::kButtonDownClose;
    if (openOnly && !shape.down) continue;
    if (shape.down && i == tv::panel::kButtonLogo)
      std::tie(r.x, r.y) = std::pair(skin.Lcd("BTN_LOGOMOVE_X"), skin.Lcd("BTN_LOGOMOVE_Y"));
    if (shape.down && i == tv::panel::kButtonOpenPanel &&
        Skin::Int(skin.Btn(), "BTN_OPENPANELMOVE_X", 0) != 0)
      r = skin.Button("OPENPANELMOVE");
    const bool listButton = i == tv::panel::kButtonLeftOpen;
    r.x += !listButton ? dx : shape.side && dx == 0 ? sideWidth : 0;
    out.emplace_back(stem, r);
  }
  auto add = [&](const std::string& stem, const std::string& size, int shift = 0) {
    out.emplace_back(stem, skin.Keys(stem, size));
    out.back().second.x += dx + shift;
  };
  for (int i = 0; i < 3; ++i)
    add("OSD_TUNER_FIRSTNUM", "CH_NUM", -i * skin.Lcd("LCD_TV_CH_OFFSET"));
  add("LCD_SOURCE", "LCD");
  add("PANEL_REC", "LCD_REC_STATE");
  add("LCD_CHFMAVSV", "LCD_CHFMAVSV");
  add("LCD_VOLBAR", "LCD_VOLBAR");
  for (const std::string s : {"SEC", "10SEC", "MIN", "10MIN", "HOUR", "10HOUR"}) {
    add("LCD_" + s, "LCD_CURTIME");
    add("LCD_CAP" + s, "LCD_CAPTIME");
  }
  for (int i = 1; i <= 8; ++i) add("LCD_CAPFILESIZE_" + std::to_string(i), "LCD_CAPFILESIZE");
  for (int i = 1; i <= 4; ++i) add("FM_NUM" + std::to_string(i), "FM_NUM");
  out.emplace_back("time shift", Rect{skin.Lcd("TIMESHIFTPOINTX"), skin.Lcd("TIMESHIFTPOINTY"),
                                      skin.Lcd("TIMESHIFTWIDTH"), skin.Lcd("TIMESHIFTHEIGHT")});
  return out;
}

// Winding number of the outline around a pixel centre, as the window region counts it.
bool InsideOutline(const std::vector<std::pair<int, int>>& poly, double x, double y) {
  int winding = 0;
  for (size_t i = 0; i < poly.size(); ++i) {
    const auto [ax, ay] = poly[i];
    const auto [bx, by] = poly[(i + 1) % poly.size()];
    const double cross = (bx - ax) * (y - ay) - (x - ax) * (by - ay);
    if (ay <= y && by > y && cross > 0) ++winding;
    if (ay > y && by <= y && cross < 0) --winding;
  }
  return winding != 0;
}

// Checks for a 24-bit uncompressed bitmap; returns its width and height.
std::pair<int, int> ExpectPicture(const std::string& path) {
  char h[54] = {};
  EXPECT_TRUE(std::ifstream(path, std::ios::binary).read(h, sizeof h) && h[0] == 'B' && h[1] == 'M')
      << path;
  auto field = [&h](int at) {  // little-endian, as the host
    std::int32_t v;
    std::memcpy(&v, h + at, sizeof v);
    return v;
  };
  EXPECT_TRUE((field(28) & 0xffff) == 24 && field(30) == 0) << path;  // BI_RGB
  return {field(18), std::abs(field(22))};
}

TEST(DefaultSkins, SkinOneIsTheBuiltInLayout) {
  const Skin one{1};
  const tv::panel::PanelGeometry g;
  // clang-format off
  const std::pair<std::string, int> geometry[] = {
      {"W", g.panelW}, {"H", g.panelH}, {"OPENLIST_W", g.openListW}, {"OPENLIST_H", g.openListH},
      {"OPENLEFTLIST_W", g.openLeftListW}, {"OPENLEFTLIST_H", g.openLeftListH},
      {"OPENALL_W", g.openAllW}, {"OPENALL_H", g.openAllH}, {"LORR", g.lorr},
      {"LORR_X_OFFSET", g.lorrXOffset}, {"LORR_Y_OFFSET", g.lorrYOffset},
      {"LORR_WIN_W", g.lorrWinW}, {"LORR_WIN_H", g.lorrWinH}, {"DOWN_X_OFFSET", g.downXOffset},
      {"DOWN_Y_OFFSET", g.downYOffset}, {"DOWN_WIN_W", g.downWinW}, {"DOWN_WIN_H", g.downWinH}};
  // clang-format on
  for (const auto& [key, value] : geometry) EXPECT_EQ(one.Geo("PANEL_" + key), value) << key;
  for (const auto& b : tv::panel::kButtonTable) {
    if (b.width == 0 && b.height == 0) continue;  // placed only by the open-state keys
    const Rect r = one.Button(b.stem);
    EXPECT_TRUE(r.x == b.x && r.y == b.y && r.w == b.width && r.h == b.height) << b.stem;
  }
  for (const auto& k : tv::panel::kLcdKeys) EXPECT_EQ(one.Lcd(k.key), k.defaultValue) << k.key;
}

TEST(DefaultSkins, ElementsLieInsideTheirShapesPictureAndOutlineAndSpritesInsideTheSheet) {
  for (const Skin skin : {Skin{1}, Skin{2}}) {
    for (const Shape& shape : kShapes) {
      SCOPED_TRACE("skin " + std::to_string(skin.n) + " " + shape.picture);
      const int w = skin.Geo(shape.wKey), h = skin.Geo(shape.hKey);
      for (const char* look : {"", "over", "bdown"})
        EXPECT_EQ(ExpectPicture(skin.Folder() + shape.picture + look + ".bmp"), std::pair(w, h));
      const std::string section = "Panel" + std::to_string(skin.n) + shape.outline;
      std::vector<std::pair<int, int>> outline;
      for (int i = 1; i <= Skin::Int(section, "HavePoint"); ++i) {
        const auto& [x, y] = outline.emplace_back(Skin::Int(section, std::to_string(2 * i - 1)),
                                                  Skin::Int(section, std::to_string(2 * i)));
        EXPECT_TRUE(x >= 0 && x <= w && y >= 0 && y <= h) << i;
      }
      ASSERT_TRUE(outline.size() >= 3 && outline.size() <= 199) << outline.size();
      for (const auto& [name, r] : Placed(skin, shape)) {
        ASSERT_TRUE(r.w > 0 && r.h > 0) << name;
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= w && r.y + r.h <= h) << name;
        // The outline may round a corner pixel; everything a pixel in must show.
        for (int corner = 0; corner < 4; ++corner) {
          const int px = corner % 2 ? r.x + r.w - 2 : r.x + 1;
          const int py = corner / 2 ? r.y + r.h - 2 : r.y + 1;
          EXPECT_TRUE(InsideOutline(outline, px + 0.5, py + 0.5)) << name << " " << px << "," << py;
        }
      }
    }
    SCOPED_TRACE("skin " + std::to_string(skin.n) + " sprites");
    const auto [sw, sh] = ExpectPicture(skin.Folder() + "otherbmp.bmp");
    // Strips of count frames, each step apart or else side by side.
    // clang-format off
    const struct { const char *at, *size; int count = 1; const char* step = nullptr; } strips[] = {
        {"LCD_AIR", "LCD"}, {"LCD_CABLE", "LCD"}, {"LCD_AVIN", "LCD"}, {"LCD_SVIDEO", "LCD"},
        {"LCD_FM", "LCD"}, {"LCD_CH", "LCD_CHFMAVSV"}, {"LCD_FMFREQ", "LCD_CHFMAVSV"},
        {"LCD_AVSV", "LCD_CHFMAVSV"}, {"LCD_REC_STATE_ON", "LCD_REC_STATE"},
        {"LCD_REC_STATE_OFF", "LCD_REC_STATE"}, {"SLIPOINT", "SLIPOINT"},
        {"OSD_NUMFORCH", "CH_NUM", 10}, {"FM_NUM", "FM_NUM", 10},
        {"LCD_CUR_TIME", "LCD_CURTIME", 10, "LCD_CUR_TIME_OFFSET"},
        {"LCD_CAP_TIME", "LCD_CAPTIME", 10, "LCD_CAP_TIME_OFFSET"},
        {"LCD_CAP_FILESIZE", "LCD_CAPFILESIZE", 10, "LCD_CAP_FILESIZE_OFFSET"},
        {"CHANGE_BTN_MUTEON", "CHANGE_BTN_MUTEON", 3},
        {"CHANGE_BTN_MUTEOFF", "CHANGE_BTN_MUTEOFF", 3}};
    // clang-format on
    for (const auto& strip : strips) {
      Rect r = skin.Keys(strip.at, strip.size);
      r.w = strip.step ? (strip.count - 1) * skin.Lcd(strip.step) + r.w : strip.count * r.w;
      EXPECT_TRUE(r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= sw && r.y + r.h <= sh)
          << strip.at;
    }
  }
}

}  // namespace
