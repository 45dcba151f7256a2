#include "bmp_file.h"

#include <cstdio>

namespace tv::sim {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

constexpr std::uint32_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const std::vector<std::uint32_t>& pixels, int width,
                                    int height) {
  if (width <= 0 || height <= 0 ||
      pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return {};
  }
  const std::uint32_t w = static_cast<std::uint32_t>(width);
  const std::uint32_t h = static_cast<std::uint32_t>(height);
  const std::uint32_t stride = (w * 3 + 3) & ~3u;
  const std::uint32_t imageSize = stride * h;
  std::vector<std::uint8_t> out(kFileHeader + kInfoHeader + imageSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(out.size()));
  Put32(out, 10, kFileHeader + kInfoHeader);
  Put32(out, 14, kInfoHeader);
  Put32(out, 18, w);
  Put32(out, 22, h);  // positive: bottom-up rows
  Put16(out, 26, 1);  // planes
  Put16(out, 28, 24);
  Put32(out, 34, imageSize);
  Put32(out, 38, 2835);  // 72 dpi
  Put32(out, 42, 2835);
  for (std::uint32_t y = 0; y < h; ++y) {
    std::size_t row = kFileHeader + kInfoHeader + static_cast<std::size_t>(h - 1 - y) * stride;
    for (std::uint32_t x = 0; x < w; ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y) * w + x];
      out[row++] = static_cast<std::uint8_t>(p & 0xFF);
      out[row++] = static_cast<std::uint8_t>((p >> 8) & 0xFF);
      out[row++] = static_cast<std::uint8_t>((p >> 16) & 0xFF);
    }
  }
  return out;
}

bool WriteBmp(const std::string& path, const std::vector<std::uint32_t>& pixels, int width,
              int height) {
  const std::vector<std::uint8_t> bytes = EncodeBmp(pixels, width, height);
  if (bytes.empty()) return false;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace tv::sim
