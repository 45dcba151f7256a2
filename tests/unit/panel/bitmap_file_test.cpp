// Skin pictures cut short count as missing: the header's pixels must all be in the file.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "panel/bitmap_file.h"

namespace tv::panel {
namespace {

void Put16(std::string& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A header of the common form: 14 + 40 bytes, `palette` bytes of colours, then the pixels.
std::string Header(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0,
                   std::uint32_t imageSize = 0, std::uint32_t palette = 0) {
  std::string b(54, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, 54 + palette);
  Put32(b, 14, 40);
  Put32(b, 18, static_cast<std::uint32_t>(width));
  Put32(b, 22, static_cast<std::uint32_t>(height));
  Put16(b, 26, 1);
  Put16(b, 28, static_cast<std::uint32_t>(bits));
  Put32(b, 30, compression);
  Put32(b, 34, imageSize);
  return b;
}

TEST(BitmapFile, APictureIsCompleteOnlyWhenEveryAnnouncedPixelIsInTheFile) {
  std::string core(26, '\0');  // the old 12-byte header: 16-bit sizes
  core[0] = 'B';
  core[1] = 'M';
  Put32(core, 10, 26);
  Put32(core, 14, 12);
  Put16(core, 18, 10);
  Put16(core, 20, 10);
  Put16(core, 24, 24);
  struct Case {
    const char* what;
    std::string head;
    std::uint64_t size;
    bool complete;
  };
  // 547 x 176 at 24 bits: rows of 1644 bytes (1641 padded to four).
  const std::uint64_t panel = 54 + 1644ull * 176;
  const Case cases[] = {
      {"the shipped size", Header(547, 176, 24), panel, true},
      {"one byte short", Header(547, 176, 24), panel - 1, false},
      {"cut after the header", Header(547, 176, 24), 3000, false},
      {"zero bytes", "", 0, false},
      {"half a header", Header(547, 176, 24).substr(0, 20), 20, false},
      {"not a bitmap", "GIF89a" + std::string(48, '\0'), panel, false},
      {"top-down rows", Header(547, -176, 24), panel, true},
      {"top-down, short", Header(547, -176, 24), panel - 100, false},
      {"8 bits with a palette", Header(10, 10, 8, 0, 0, 1024), 54 + 1024 + 12 * 10, true},
      {"8 bits, palette but no pixels", Header(10, 10, 8, 0, 0, 1024), 54 + 1024, false},
      {"1 bit rows pad to four bytes", Header(33, 2, 1), 54 + 8 * 2, true},
      {"32 bits with masks", Header(4, 4, 32, 3), 54 + 64, true},
      {"run-length, sized", Header(10, 10, 8, 1, 200), 254, true},
      {"run-length, size beyond the file", Header(10, 10, 8, 1, 201), 254, false},
      {"run-length without a size", Header(10, 10, 8, 1, 0), 254, false},
      {"a packed format", Header(10, 10, 24, 4, 50), 500, false},
      {"zero width", Header(0, 10, 24), 5000, false},
      {"pixels said to start past the end", Header(1, 1, 24), 54, false},
      {"a height that wraps 32 bits", Header(65536, 65536, 32), 1ull << 34, false},
      {"odd bit count", Header(10, 10, 7), 5000, false},
      {"the old header", core, 26 + 32 * 10, true},
      {"the old header, short", core, 26 + 32 * 10 - 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(IsCompleteBitmapFile(c.head, c.size), c.complete);
  }
}

}  // namespace
}  // namespace tv::panel
