#include "picture_adjust.h"

#include <cmath>
#include <numbers>

namespace tv::sim {
namespace {

constexpr double kNeutralContrast = 68.0;
constexpr double kNeutralSaturation = 64.0;
constexpr int kOne = 1024;

using Matrix = double[3][3];

// BT.601 RGB <-> YUV.
constexpr Matrix kToYuv = {
    {0.299, 0.587, 0.114}, {-0.14713, -0.28886, 0.436}, {0.615, -0.51499, -0.10001}};
constexpr Matrix kToRgb = {{1.0, 0.0, 1.13983}, {1.0, -0.39465, -0.58060}, {1.0, 2.03211, 0.0}};

void Multiply(const Matrix& a, const Matrix& b, Matrix& out) {
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      out[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c];
    }
  }
}

int Clamp8(int v) {
  return v < 0 ? 0 : (v > 255 ? 255 : v);
}

}  // namespace

std::optional<int> HueFromShown(long long shown) {
  if (shown < 0 || shown > 255) return std::nullopt;
  return shown <= 127 ? static_cast<int>(shown) : static_cast<int>(127 - shown);
}

bool InPictureRange(long long value, int highest) {
  return value >= 0 && value <= highest;
}

ColorMatrix::ColorMatrix(const PictureSettings& s) {
  neutral_ = s == PictureSettings{};
  const double k = s.contrast / kNeutralContrast;
  const double sat = s.saturation / kNeutralSaturation;
  const double angle = s.hue * std::numbers::pi / 128.0;
  const Matrix adjust = {{k, 0.0, 0.0},
                         {0.0, sat * std::cos(angle), -sat * std::sin(angle)},
                         {0.0, sat * std::sin(angle), sat * std::cos(angle)}};
  Matrix tmp, full;
  Multiply(adjust, kToYuv, tmp);
  Multiply(kToRgb, tmp, full);
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) m_[r][c] = static_cast<int>(std::lround(full[r][c] * kOne));
  }
  // Luma maps to the three channels alike, so the offset is the same for each.
  offset_ = static_cast<int>(std::lround((128.0 * (1.0 - k) + (s.brightness - 128)) * kOne));
}

std::uint32_t ColorMatrix::Apply(std::uint32_t pixel) const {
  if (neutral_) return pixel;
  const int in[3] = {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                     static_cast<int>(pixel & 0xFF)};
  int out[3];
  for (int r = 0; r < 3; ++r) {
    out[r] = Clamp8((m_[r][0] * in[0] + m_[r][1] * in[1] + m_[r][2] * in[2] + offset_ + kOne / 2) /
                    kOne);
  }
  return (static_cast<std::uint32_t>(out[0]) << 16) | (static_cast<std::uint32_t>(out[1]) << 8) |
         static_cast<std::uint32_t>(out[2]);
}

}  // namespace tv::sim
