#pragma once
// Brightness, contrast, saturation and hue as the panel sends them, folded into one colour
// matrix that the picture applies to every pixel it shows.
//   brightness 0..255, 128 neutral: added to the luma;
//   contrast   0..127, 68 neutral:  luma scaled around mid grey by contrast / 68;
//   saturation 0..127, 64 neutral:  chroma scaled by saturation / 64;
//   hue        -128..127, 0 neutral: chroma turned by hue * 180 / 128 degrees.

#include <cstdint>
#include <optional>

namespace tv::sim {

struct PictureSettings {
  int brightness = 128;
  int contrast = 68;
  int saturation = 64;
  int hue = 0;
  friend bool operator==(const PictureSettings&, const PictureSettings&) = default;
};

// Hue travels as its shown value: the hue itself when 0 or more, 127 - hue when negative (so
// 128 is -1). Values outside 0..255 are not hues.
std::optional<int> HueFromShown(long long shown);
// Whether a value received for brightness (255) or the others (127) is in range.
bool InPictureRange(long long value, int highest);

class ColorMatrix {
 public:
  explicit ColorMatrix(const PictureSettings& settings = {});
  bool Neutral() const { return neutral_; }
  // A 0x00RRGGBB pixel (the byte order of a 32-bit DIB).
  std::uint32_t Apply(std::uint32_t pixel) const;

 private:
  bool neutral_ = true;
  int m_[3][3] = {};  // fixed point, 1.0 = 1024
  int offset_ = 0;    // fixed point
};

}  // namespace tv::sim
