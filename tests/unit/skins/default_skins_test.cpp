// The default skins as the build writes them: the layout file reads back to the rectangles the
// pictures were drawn for, every button and readout element lies inside its shape's picture
// and outline, and every picture and sprite is where and what the panel will load.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "app/ini_file.h"
#include "panel/layout.h"
#include "panel/layout_tables.h"

namespace {

using tv::panel::kButtonTable;
using tv::panel::kCaptions;
using tv::panel::kLcdKeys;

const std::string kOut = std::string(TVPANEL_BINARY_DIR) + "/skins";
const std::string kIni = kOut + "/Panel.ini";
constexpr int kMissing = INT_MIN;
constexpr int kSkins = 2;

int Int(const std::string& section, const std::string& key) {
  return tv::ini::GetInt(section.c_str(), key.c_str(), kMissing, kIni.c_str());
}

std::string Text(const std::string& section, const std::string& key) {
  char buffer[512];
  tv::ini::GetString(section.c_str(), key.c_str(), "\x01", buffer, sizeof buffer, kIni.c_str());
  return buffer;
}

bool Has(const std::string& section, const std::string& key) {
  return Text(section, key) != "\x01";
}

std::string Btn(int skin) {
  return std::to_string(skin) + "PANEL_BTN";
}
int Geo(int skin, const char* key) {
  return Int("Panel", std::to_string(skin) + key);
}
int Lcd(int skin, const std::string& key) {
  return Int(Btn(skin), key);
}

struct Rect {
  int x, y, w, h;
};

Rect ButtonKeys(int skin, const std::string& stem) {
  const std::string s = Btn(skin), k = "BTN_" + stem;
  return {Int(s, k + "_X"), Int(s, k + "_Y"), Int(s, k + "_W"), Int(s, k + "_H")};
}

struct Shape {
  int id;
  const char* outline;  // section suffix
  const char* picture;  // file stem
  const char* wKey;
  const char* hKey;
  bool down, side;
};
constexpr Shape kShapes[] = {
    {1, "Point", "panel", "PANEL_W", "PANEL_H", false, false},
    {2, "DownPoint", "paneldown", "PANEL_OPENLIST_W", "PANEL_OPENLIST_H", true, false},
    {3, "LorRPoint", "panellorr", "PANEL_OPENLEFTLIST_W", "PANEL_OPENLEFTLIST_H", false, true},
    {4, "ALLPoint", "panelall", "PANEL_OPENALL_W", "PANEL_OPENALL_H", true, true},
};

// The buttons as the panel places them in a shape: the open-state rectangles while the down
// part is unfolded, and the content offset (or, for the list button, the side width) while the
// side part is unfolded.
std::vector<std::pair<std::string, Rect>> PlacedButtons(int skin, const Shape& shape) {
  std::vector<std::pair<std::string, Rect>> out;
  const int sideWidth = Geo(skin, "PANEL_OPENLEFTLIST_W") - Geo(skin, "PANEL_W");
  const bool onLeft = Geo(skin, "PANEL_LORR") == 0;
  const int offset = shape.side && onLeft ? sideWidth : 0;
  for (int i = 0; i < tv::panel::kButtonCount; ++i) {
    const std::string stem = kButtonTable[i].stem;
    Rect r = ButtonKeys(skin, stem);
    const bool openOnly = (i >= 39 && i <= 42) || i == tv::panel::kButtonDownClose;
    if (openOnly && !shape.down) continue;
    if (shape.down && i == tv::panel::kButtonLogo) {
      r.x = Int(Btn(skin), "BTN_LOGOMOVE_X");
      r.y = Int(Btn(skin), "BTN_LOGOMOVE_Y");
    }
    if (shape.down && i == tv::panel::kButtonOpenPanel &&
        tv::ini::GetInt(Btn(skin).c_str(), "BTN_OPENPANELMOVE_X", 0, kIni.c_str()) != 0) {
      r = ButtonKeys(skin, "OPENPANELMOVE");
    }
    if (i == tv::panel::kButtonLeftOpen) {
      if (shape.side && !onLeft) r.x += sideWidth;
    } else {
      r.x += offset;
    }
    out.emplace_back(stem, r);
  }
  return out;
}

// Readout elements as the panel draws them; the time-shift bar never moves.
std::vector<std::pair<std::string, Rect>> PlacedReadout(int skin, const Shape& shape) {
  const bool onLeft = Geo(skin, "PANEL_LORR") == 0;
  const int dx =
      shape.side && onLeft ? Geo(skin, "PANEL_OPENLEFTLIST_W") - Geo(skin, "PANEL_W") : 0;
  auto at = [&](const std::string& stem, const char* w, const char* h) {
    return Rect{Lcd(skin, stem + "_X") + dx, Lcd(skin, stem + "_Y"), Lcd(skin, w), Lcd(skin, h)};
  };
  std::vector<std::pair<std::string, Rect>> out;
  for (int i = 0; i < 3; ++i) {
    out.emplace_back(
        "channel digit",
        Rect{Lcd(skin, "OSD_TUNER_FIRSTNUM_X") - i * Lcd(skin, "LCD_TV_CH_OFFSET") + dx,
             Lcd(skin, "OSD_TUNER_FIRSTNUM_Y"), Lcd(skin, "CH_NUM_W"), Lcd(skin, "CH_NUM_H")});
  }
  out.emplace_back("source", at("LCD_SOURCE", "LCD_W", "LCD_H"));
  for (const char* s : {"SEC", "10SEC", "MIN", "10MIN", "HOUR", "10HOUR"}) {
    out.emplace_back(std::string("clock ") + s,
                     at(std::string("LCD_") + s, "LCD_CURTIME_W", "LCD_CURTIME_H"));
    out.emplace_back(std::string("rec ") + s,
                     at(std::string("LCD_CAP") + s, "LCD_CAPTIME_W", "LCD_CAPTIME_H"));
  }
  for (int i = 1; i <= 8; ++i) {
    out.emplace_back(
        "file size " + std::to_string(i),
        at("LCD_CAPFILESIZE_" + std::to_string(i), "LCD_CAPFILESIZE_W", "LCD_CAPFILESIZE_H"));
  }
  out.emplace_back("record indicator", at("PANEL_REC", "LCD_REC_STATE_W", "LCD_REC_STATE_H"));
  out.emplace_back("band", at("LCD_CHFMAVSV", "LCD_CHFMAVSV_W", "LCD_CHFMAVSV_H"));
  for (int i = 1; i <= 4; ++i) {
    out.emplace_back("fm " + std::to_string(i),
                     at("FM_NUM" + std::to_string(i), "FM_NUM_W", "FM_NUM_H"));
  }
  out.emplace_back("volume", at("LCD_VOLBAR", "LCD_VOLBAR_W", "LCD_VOLBAR_H"));
  out.emplace_back("time shift", Rect{Lcd(skin, "TIMESHIFTPOINTX"), Lcd(skin, "TIMESHIFTPOINTY"),
                                      Lcd(skin, "TIMESHIFTWIDTH"), Lcd(skin, "TIMESHIFTHEIGHT")});
  return out;
}

struct Point {
  int x, y;
};

std::vector<Point> Outline(int skin, const Shape& shape) {
  const std::string section = "Panel" + std::to_string(skin) + shape.outline;
  std::vector<Point> points;
  const int count = Int(section, "HavePoint");
  for (int i = 1; i <= count; ++i) {
    points.push_back(
        {Int(section, std::to_string(2 * i - 1)), Int(section, std::to_string(2 * i))});
  }
  return points;
}

// Winding number of the outline around a pixel centre, as the window region counts it.
bool InsideOutline(const std::vector<Point>& poly, double x, double y) {
  int winding = 0;
  for (size_t i = 0; i < poly.size(); ++i) {
    const Point a = poly[i], b = poly[(i + 1) % poly.size()];
    const double cross = (b.x - a.x) * (y - a.y) - (x - a.x) * (b.y - a.y);
    if (a.y <= y && b.y > y && cross > 0) ++winding;
    if (a.y > y && b.y <= y && cross < 0) --winding;
  }
  return winding != 0;
}

struct BmpInfo {
  bool ok = false;
  int width = 0, height = 0, bits = 0;
  std::uint32_t compression = 0xffffffff, dataOffset = 0;
  std::uint64_t fileSize = 0;
};

std::uint32_t Le(const unsigned char* p, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

BmpInfo ReadBmp(const std::string& path) {
  BmpInfo info;
  std::ifstream f(path, std::ios::binary);
  unsigned char h[54] = {};
  if (!f.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M') return info;
  f.seekg(0, std::ios::end);
  info.fileSize = static_cast<std::uint64_t>(f.tellg());
  info.dataOffset = Le(h + 10, 4);
  info.width = static_cast<std::int32_t>(Le(h + 18, 4));
  info.height = static_cast<std::int32_t>(Le(h + 22, 4));
  info.bits = static_cast<int>(Le(h + 28, 2));
  info.compression = Le(h + 30, 4);
  info.ok = Le(h + 14, 4) >= 40;
  return info;
}

void ExpectPicture(const std::string& path, int width, int height) {
  SCOPED_TRACE(path);
  const BmpInfo bmp = ReadBmp(path);
  ASSERT_TRUE(bmp.ok);
  EXPECT_EQ(bmp.bits, 24);
  EXPECT_EQ(bmp.compression, 0u);  // BI_RGB
  EXPECT_EQ(bmp.width, width);
  EXPECT_EQ(bmp.height < 0 ? -bmp.height : bmp.height, height);
  const std::uint64_t row = (static_cast<std::uint64_t>(width) * 3 + 3) / 4 * 4;
  EXPECT_GE(bmp.fileSize, bmp.dataOffset + row * height);
}

std::vector<std::string> CountriesOfTheTunerLibrary() {
  std::ifstream f(std::string(TVPANEL_SOURCE_DIR) + "/sim/tuner/countries.txt");
  std::vector<std::string> names;
  std::string line;
  while (std::getline(f, line)) {
    if (line.empty() || line[0] == '#' || line.find_first_not_of(" \t\r") == std::string::npos) {
      continue;
    }
    std::string name = line.substr(0, line.find('|'));
    name.erase(name.find_last_not_of(" \t") + 1);
    name.erase(0, name.find_first_not_of(" \t"));
    names.push_back(name);
  }
  return names;
}

TEST(DefaultSkins, LayoutFileOffersBothSkinsAndMovesTheLogoDownWhenUnfolded) {
  EXPECT_EQ(Int("Panel", "HavePanel"), kSkins);
  EXPECT_EQ(Int("Panel", "PanelNow"), 1);
  // Unfolded, the logo must leave the closed panel's place to the file buttons.
  for (int skin = 1; skin <= kSkins; ++skin) {
    EXPECT_GT(Int(Btn(skin), "BTN_LOGOMOVE_Y"), ButtonKeys(skin, "LOGOKOVA").y) << skin;
  }
}

TEST(DefaultSkins, SkinOneIsTheBuiltInLayout) {
  const tv::panel::PanelGeometry g;
  const std::pair<const char*, int> geometry[] = {
      {"PANEL_W", g.panelW},
      {"PANEL_H", g.panelH},
      {"PANEL_OPENLIST_W", g.openListW},
      {"PANEL_OPENLIST_H", g.openListH},
      {"PANEL_OPENLEFTLIST_W", g.openLeftListW},
      {"PANEL_OPENLEFTLIST_H", g.openLeftListH},
      {"PANEL_OPENALL_W", g.openAllW},
      {"PANEL_OPENALL_H", g.openAllH},
      {"PANEL_LORR", g.lorr},
      {"PANEL_LORR_X_OFFSET", g.lorrXOffset},
      {"PANEL_LORR_Y_OFFSET", g.lorrYOffset},
      {"PANEL_LORR_WIN_W", g.lorrWinW},
      {"PANEL_LORR_WIN_H", g.lorrWinH},
      {"PANEL_DOWN_X_OFFSET", g.downXOffset},
      {"PANEL_DOWN_Y_OFFSET", g.downYOffset},
      {"PANEL_DOWN_WIN_W", g.downWinW},
      {"PANEL_DOWN_WIN_H", g.downWinH},
  };
  for (const auto& [key, value] : geometry) EXPECT_EQ(Geo(1, key), value) << key;

  for (const auto& b : kButtonTable) {
    if (b.width == 0 && b.height == 0) continue;  // placed only by the open-state keys
    const Rect r = ButtonKeys(1, b.stem);
    EXPECT_EQ(r.x, b.x) << b.stem;
    EXPECT_EQ(r.y, b.y) << b.stem;
    EXPECT_EQ(r.w, b.width) << b.stem;
    EXPECT_EQ(r.h, b.height) << b.stem;
    EXPECT_EQ(Text(Btn(1), b.tooltipKey), b.tooltipDefault) << b.stem;
  }
  for (const auto& k : kLcdKeys) EXPECT_EQ(Lcd(1, k.key), k.defaultValue) << k.key;
}

TEST(DefaultSkins, SkinTwoHasItsOwnGeometryWithTheListOnTheRight) {
  EXPECT_EQ(Geo(2, "PANEL_LORR"), 1);
  EXPECT_NE(Geo(2, "PANEL_W"), Geo(1, "PANEL_W"));
  EXPECT_NE(Geo(2, "PANEL_H"), Geo(1, "PANEL_H"));
  // With the list on the right nothing moves but the list button, so the side list must sit
  // right of the closed panel.
  EXPECT_GE(Geo(2, "PANEL_LORR_X_OFFSET"), Geo(2, "PANEL_W") - 4);
  EXPECT_LE(Geo(2, "PANEL_LORR_X_OFFSET") + Geo(2, "PANEL_LORR_WIN_W"),
            Geo(2, "PANEL_OPENLEFTLIST_W"));
  EXPECT_LE(Geo(2, "PANEL_DOWN_Y_OFFSET") + Geo(2, "PANEL_DOWN_WIN_H"), Geo(2, "PANEL_OPENLIST_H"));
  int moved = 0;
  for (const auto& b : kButtonTable) {
    const Rect r = ButtonKeys(2, b.stem);
    moved += r.x != b.x || r.y != b.y;
  }
  EXPECT_GT(moved, 40);
}

TEST(DefaultSkins, EverySkinCarriesTheCaptionsTooltipsAndCountryList) {
  const std::vector<std::string> countries = CountriesOfTheTunerLibrary();
  ASSERT_EQ(countries.size(), 244u);
  for (int skin = 1; skin <= kSkins; ++skin) {
    SCOPED_TRACE(skin);
    for (const auto& c : kCaptions) {
      const std::string section = c.panelSection ? "Panel" : Btn(skin);
      ASSERT_TRUE(Has(section, c.key)) << c.key;
      EXPECT_LT(Text(section, c.key).size(), c.capacity) << c.key;
    }
    for (const auto& b : kButtonTable) EXPECT_TRUE(Has(Btn(skin), b.tooltipKey)) << b.tooltipKey;
    for (int i = 1; i <= 244; ++i) {
      EXPECT_EQ(Text(Btn(skin), std::to_string(i)), countries[i - 1]) << i;
    }
    EXPECT_FALSE(Has(Btn(skin), "245"));
  }
}

TEST(DefaultSkins, ButtonsAndReadoutLieInsideEachShapesPictureAndOutline) {
  for (int skin = 1; skin <= kSkins; ++skin) {
    for (const Shape& shape : kShapes) {
      SCOPED_TRACE("skin " + std::to_string(skin) + " " + shape.picture);
      const int w = Geo(skin, shape.wKey), h = Geo(skin, shape.hKey);
      const std::vector<Point> outline = Outline(skin, shape);
      ASSERT_GE(outline.size(), 3u);
      ASSERT_LE(outline.size(), 199u);
      for (const Point& p : outline) {
        EXPECT_TRUE(p.x >= 0 && p.x <= w && p.y >= 0 && p.y <= h);
      }
      auto check = [&](const std::string& name, const Rect& r) {
        ASSERT_GT(r.w, 0) << name;
        ASSERT_GT(r.h, 0) << name;
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= w && r.y + r.h <= h) << name;
        // The outline may round a corner pixel; everything a pixel in must show.
        for (const auto& [px, py] : {std::pair{r.x + 1, r.y + 1},
                                     {r.x + r.w - 2, r.y + 1},
                                     {r.x + 1, r.y + r.h - 2},
                                     {r.x + r.w - 2, r.y + r.h - 2}}) {
          EXPECT_TRUE(InsideOutline(outline, px + 0.5, py + 0.5)) << name << " " << px << "," << py;
        }
      };
      for (const auto& [name, r] : PlacedButtons(skin, shape)) check(name, r);
      for (const auto& [name, r] : PlacedReadout(skin, shape)) check(name, r);
    }
  }
}

TEST(DefaultSkins, PicturesAre24BitBitmapsOfTheirShapesSize) {
  const char* looks[] = {"", "over", "bdown"};
  for (int skin = 1; skin <= kSkins; ++skin) {
    const std::string folder = kOut + "/panelbmp" + std::to_string(skin) + "/";
    for (const Shape& shape : kShapes) {
      for (const char* look : looks) {
        ExpectPicture(folder + shape.picture + look + ".bmp", Geo(skin, shape.wKey),
                      Geo(skin, shape.hKey));
      }
    }
  }
}

TEST(DefaultSkins, EverySpriteLiesInsideTheSpriteSheet) {
  for (int skin = 1; skin <= kSkins; ++skin) {
    SCOPED_TRACE(skin);
    const std::string path = kOut + "/panelbmp" + std::to_string(skin) + "/otherbmp.bmp";
    const BmpInfo sheet = ReadBmp(path);
    const int sw = sheet.width, sh = sheet.height < 0 ? -sheet.height : sheet.height;
    ExpectPicture(path, sw, sh);
    auto L = [&](const std::string& key) { return Lcd(skin, key); };
    const std::pair<std::string, Rect> sprites[] = {
        {"air", {L("LCD_AIR_X"), L("LCD_AIR_Y"), L("LCD_W"), L("LCD_H")}},
        {"cable", {L("LCD_CABLE_X"), L("LCD_CABLE_Y"), L("LCD_W"), L("LCD_H")}},
        {"av-in", {L("LCD_AVIN_X"), L("LCD_AVIN_Y"), L("LCD_W"), L("LCD_H")}},
        {"s-video", {L("LCD_SVIDEO_X"), L("LCD_SVIDEO_Y"), L("LCD_W"), L("LCD_H")}},
        {"fm", {L("LCD_FM_X"), L("LCD_FM_Y"), L("LCD_W"), L("LCD_H")}},
        {"band ch", {L("LCD_CH_X"), L("LCD_CH_Y"), L("LCD_CHFMAVSV_W"), L("LCD_CHFMAVSV_H")}},
        {"band fm",
         {L("LCD_FMFREQ_X"), L("LCD_FMFREQ_Y"), L("LCD_CHFMAVSV_W"), L("LCD_CHFMAVSV_H")}},
        {"band video",
         {L("LCD_AVSV_X"), L("LCD_AVSV_Y"), L("LCD_CHFMAVSV_W"), L("LCD_CHFMAVSV_H")}},
        {"channel digits",
         {L("OSD_NUMFORCH_X"), L("OSD_NUMFORCH_Y"), 10 * L("CH_NUM_W"), L("CH_NUM_H")}},
        {"fm digits", {L("FM_NUM_X"), L("FM_NUM_Y"), 10 * L("FM_NUM_W"), L("FM_NUM_H")}},
        {"clock digits",
         {L("LCD_CUR_TIME_X"), L("LCD_CUR_TIME_Y"),
          9 * L("LCD_CUR_TIME_OFFSET") + L("LCD_CURTIME_W"), L("LCD_CURTIME_H")}},
        {"record time digits",
         {L("LCD_CAP_TIME_X"), L("LCD_CAP_TIME_Y"),
          9 * L("LCD_CAP_TIME_OFFSET") + L("LCD_CAPTIME_W"), L("LCD_CAPTIME_H")}},
        {"file size digits",
         {L("LCD_CAP_FILESIZE_X"), L("LCD_CAP_FILESIZE_Y"),
          9 * L("LCD_CAP_FILESIZE_OFFSET") + L("LCD_CAPFILESIZE_W"), L("LCD_CAPFILESIZE_H")}},
        {"recording",
         {L("LCD_REC_STATE_ON_X"), L("LCD_REC_STATE_ON_Y"), L("LCD_REC_STATE_W"),
          L("LCD_REC_STATE_H")}},
        {"idle",
         {L("LCD_REC_STATE_OFF_X"), L("LCD_REC_STATE_OFF_Y"), L("LCD_REC_STATE_W"),
          L("LCD_REC_STATE_H")}},
        {"sound on frames",
         {L("CHANGE_BTN_MUTEON_X"), L("CHANGE_BTN_MUTEON_Y"), 3 * L("CHANGE_BTN_MUTEON_W"),
          L("CHANGE_BTN_MUTEON_H")}},
        {"muted frames",
         {L("CHANGE_BTN_MUTEOFF_X"), L("CHANGE_BTN_MUTEOFF_Y"), 3 * L("CHANGE_BTN_MUTEOFF_W"),
          L("CHANGE_BTN_MUTEOFF_H")}},
        {"knob", {L("SLIPOINT_X"), L("SLIPOINT_Y"), L("SLIPOINT_W"), L("SLIPOINT_H")}},
    };
    for (const auto& [name, r] : sprites) {
      EXPECT_TRUE(r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= sw && r.y + r.h <= sh)
          << name;
    }
    // A mute frame replaces the mute button in place, so it has the button's size.
    const Rect mute = ButtonKeys(skin, "MUTE");
    for (const char* strip : {"CHANGE_BTN_MUTEON", "CHANGE_BTN_MUTEOFF"}) {
      EXPECT_EQ(L(std::string(strip) + "_W"), mute.w);
      EXPECT_EQ(L(std::string(strip) + "_H"), mute.h);
    }
  }
}

}  // namespace
