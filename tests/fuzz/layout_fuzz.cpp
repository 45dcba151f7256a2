// Fuzz target for the layout-file loader: arbitrary bytes as the layout file, loaded as at start,
// unfolded and folded again, and every shape's outline read. What must hold whatever the file
// says: each value is the file's (or the default), each text fits its capacity, the
// buttons keep their fixed commands, every coordinate stays within the loader's limit, the
// outline keeps to its 199 points, and a hit test of any point on any rectangle is exact.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <iterator>

#include "base/ini_file.h"
#include "base/settings_file.h"
#include "panel/layout.h"

namespace {

using namespace tv;
using namespace tv::panel;

[[noreturn]] void Fail(const char* what, const std::string& detail = "") {
  std::fprintf(stderr, "invariant broken: %s %s\n", what, detail.c_str());
  std::abort();
}

constexpr const char* kPath = "C:\\TvPanel\\Panel.ini";

// The layout file held in memory; win.ini is empty and nothing can be written.
struct BytesProfile : Profile {
  explicit BytesProfile(std::string bytes) : bytes_(std::move(bytes)), document_(bytes_) {}

  std::uint32_t ReadWinIni(const char*, const char*, const char* def, char* buffer,
                           std::uint32_t size) override {
    return ini::Document(std::nullopt).GetString("x", "x", def, buffer, size);
  }
  bool WriteWinIni(const char*, const char*, const char*) override { return false; }
  std::uint32_t ReadString(const char* section, const char* key, const char* def, char* buffer,
                           std::uint32_t size, const char*) override {
    return document_.GetString(section, key, def, buffer, size);
  }
  int ReadInt(const char* section, const char* key, int def, const char*) override {
    return document_.GetInt(section, key, def);
  }
  bool WriteString(const char*, const char*, const char*, const char*) override { return false; }
  std::optional<std::string> ReadAll(const char*) override { return bytes_; }

  int Int(const std::string& section, const std::string& key, int def) const {
    return document_.GetInt(section.c_str(), key.c_str(), def);
  }
  // A coordinate as the loader takes it: the file's, cut to the limit.
  int Coordinate(const std::string& section, const std::string& key, int def) const {
    return std::clamp(Int(section, key, def), -kLayoutCoordinateLimit, kLayoutCoordinateLimit);
  }

 private:
  std::string bytes_;
  ini::Document document_;
};

void ExpectRect(const BytesProfile& file, const std::string& section, const std::string& stem,
                const PanelButton& b, const std::array<int, 4>& def, int index) {
  const int got[4] = {b.x, b.y, b.width, b.height};
  for (int k = 0; k < 4; ++k)
    if (got[k] != file.Coordinate(section, "BTN_" + stem + "_" + "XYWH"[k], def[k]))
      Fail("rectangle not as in the file, button", std::to_string(index));
}

void ExpectFixedFields(const PanelLayout& layout) {
  for (int i = 0; i < kButtonCount; ++i) {
    const PanelButton& b = layout.buttons[i];
    if (b.enabled != 1) Fail("button not enabled after a load", std::to_string(i));
    if (b.command != kButtonTable[i].command) Fail("command id changed", std::to_string(i));
    if (b.tooltip.size() > 259 || b.tooltip.find('\0') != std::string::npos)
      Fail("tooltip beyond its capacity", std::to_string(i));
  }
  for (int i = 0; i < static_cast<int>(Caption::kCount); ++i) {
    const std::string& text = layout.captions[i];
    if (text.size() + 1 > kCaptions[i].capacity || text.find('\0') != std::string::npos)
      Fail("caption beyond its capacity", kCaptions[i].key);
  }
}

bool SameButtons(const PanelLayout& a, const PanelLayout& b) {
  const auto fields = [](const PanelButton& x) {
    return std::tie(x.x, x.y, x.width, x.height, x.enabled, x.command, x.tooltip);
  };
  return std::equal(std::begin(a.buttons), std::end(a.buttons), std::begin(b.buttons),
                    [&](const auto& x, const auto& y) { return fields(x) == fields(y); });
}

// The strict hit test in exact arithmetic.
bool Inside(const Rect& r, int px, int py) {
  const long long x = r.x, y = r.y;
  return px > x && px < x + r.width && py > y && py < y + r.height;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int px = input.ConsumeIntegral<int>(), py = input.ConsumeIntegral<int>();
  const int mode = input.ConsumeIntegralInRange<int>(-1, 3);
  BytesProfile file(input.ConsumeRemainingBytesAsString());
  const IniFile panelIni(file, kPath);

  PanelLayout layout;
  LoadPanelLayout(layout, panelIni);
  const int skin = file.Int("Panel", "PanelNow", 1);
  if (layout.skin != skin) Fail("skin number not the file's");
  const std::string section = ButtonSection(skin);
  ExpectFixedFields(layout);
  for (int i = 0; i < kButtonCount; ++i) {
    const ButtonInfo& info = kButtonTable[i];
    if ((i >= 39 && i <= 42) || i == kButtonDownClose) {
      if (layout.buttons[i].Bounds() != Rect{}) Fail("down-part button placed by the full load");
    } else {
      ExpectRect(file, section, info.stem, layout.buttons[i],
                 {info.x, info.y, info.width, info.height}, i);
    }
  }
  for (int i = 0; i < static_cast<int>(Lcd::kCount); ++i)
    if (layout.lcd[i] != file.Coordinate(section, kLcdKeys[i].key, kLcdKeys[i].defaultValue))
      Fail("LCD value not as in the file", kLcdKeys[i].key);
  if (layout.geometry.panelW != file.Coordinate("Panel", SkinKey(skin, "PANEL_W"), 547))
    Fail("window width not as in the file");

  // Folded, unfolded, and a mode that changes nothing.
  const PanelLayout before = layout;
  ApplyOpenStateOverrides(layout, panelIni, mode);
  ExpectFixedFields(layout);
  if ((mode < 0 || mode > 1) && !SameButtons(before, layout)) Fail("unknown mode changed buttons");
  if (mode == 0)
    for (int i : {39, 40, 41, 42, 47})
      if (layout.buttons[i].Bounds() != Rect{}) Fail("folded down-part button can be hit");
  if (mode == 1) {
    ExpectRect(file, section, "EMAIL", layout.buttons[39], {66, 140, 63, 27}, 39);
    ExpectRect(file, section, "DOWNCLOSE", layout.buttons[47], {50, 141, 17, 25}, 47);
  }

  for (int shape = 0; shape <= 5; ++shape) {
    const std::vector<Point> outline = ReadOutline(panelIni, skin, shape);
    const int count = file.Int(OutlineSection(skin, shape), "HavePoint", 0);
    const std::size_t want = count < 0 ? 0 : count > kMaxOutlinePoints ? kMaxOutlinePoints : count;
    if (outline.size() != want) Fail("outline size", std::to_string(outline.size()));
    for (const Point& p : outline)
      if (std::abs(p.x) > kLayoutCoordinateLimit || std::abs(p.y) > kLayoutCoordinateLimit)
        Fail("outline point beyond the limit");
  }

  for (const PanelButton& b : layout.buttons)
    if (b.Bounds().StrictlyContains(px, py) != Inside(b.Bounds(), px, py))
      Fail("hit test wraps around");
  return 0;
}
