#include "panel/bitmap_file.h"

#include <cstdint>

namespace tv::panel {
namespace {

std::uint32_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

std::uint32_t U32(std::string_view b, std::size_t at) {
  return U16(b, at) | U16(b, at + 2) << 16;
}

constexpr std::size_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // the old form: 16-bit width and height
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

}  // namespace

bool IsCompleteBitmapFile(std::string_view head, std::uint64_t fileSize) {
  if (head.size() < kFileHeader + 4 || head[0] != 'B' || head[1] != 'M') return false;
  const std::uint64_t pixelsAt = U32(head, 10);
  const std::uint32_t headerSize = U32(head, kFileHeader);
  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = kRgb, imageSize = 0;
  if (headerSize == kCoreHeader) {
    if (head.size() < kFileHeader + kCoreHeader) return false;
    width = U16(head, 18);
    height = U16(head, 20);
    bits = U16(head, 24);
  } else if (headerSize >= kInfoHeader) {
    if (head.size() < kFileHeader + kInfoHeader) return false;
    width = static_cast<std::int32_t>(U32(head, 18));
    height = static_cast<std::int32_t>(U32(head, 22));  // negative: rows run top down
    bits = U16(head, 28);
    compression = U32(head, 30);
    imageSize = U32(head, 34);
  } else {
    return false;
  }
  if (width <= 0 || height == 0 || pixelsAt < kFileHeader + headerSize || pixelsAt > fileSize)
    return false;
  const std::uint64_t available = fileSize - pixelsAt;
  switch (compression) {
    case kRgb:
    case kBitFields: {
      if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
      const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
      const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
      return stride * rows <= available;
    }
    case kRle8:
    case kRle4:
      // Runs have no fixed length: the header's size of them must lie in the file.
      return imageSize != 0 && imageSize <= available;
    default:
      return false;  // pictures packed in other formats are no skin pictures
  }
}

}  // namespace tv::panel
