// Skin pictures cut short count as missing: the header's pixels must all be in the file.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "panel/bitmap_file.h"

namespace tv::panel {
namespace {

// Little-endian: `bytes` bytes of v at `at`.
void Put(std::string& b, std::size_t at, std::uint32_t v, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A header of the common form: 14 + 40 bytes, `palette` bytes of colours, then the pixels.
std::string Header(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0,
                   std::uint32_t imageSize = 0, std::uint32_t palette = 0) {
  std::string b = "BM" + std::string(52, '\0');
  Put(b, 10, 54 + palette);
  Put(b, 14, 40);
  Put(b, 18, static_cast<std::uint32_t>(width));
  Put(b, 22, static_cast<std::uint32_t>(height));
  Put(b, 26, 1, 2);
  Put(b, 28, static_cast<std::uint32_t>(bits), 2);
  Put(b, 30, compression);
  Put(b, 34, imageSize);
  return b;
}

TEST(BitmapFile, APictureIsCompleteOnlyWhenEveryAnnouncedPixelIsInTheFile) {
  std::string core = "BM" + std::string(24, '\0');  // the old 12-byte header: 16-bit sizes
  Put(core, 10, 26);
  Put(core, 14, 12);
  Put(core, 18, 10, 2);
  Put(core, 20, 10, 2);
  Put(core, 24, 24, 2);
  // 547 x 176 at 24 bits: rows of 1644 bytes (1641 padded to four).
  const std::uint64_t panel = 54 + 1644ull * 176;
  const std::string shipped = Header(547, 176, 24), topDown = Header(547, -176, 24);
  const std::string palette8 = Header(10, 10, 8, 0, 0, 1024);
  // clang-format off
  const struct { std::string head; std::uint64_t size; bool complete; } cases[] = {
      // The shipped size; one byte short; cut after the header; zero bytes; half a header.
      {shipped, panel, true}, {shipped, panel - 1, false}, {shipped, 3000, false}, {"", 0, false},
      {shipped.substr(0, 20), 20, false},
      // Not a bitmap; top-down rows, complete and short.
      {"GIF89a" + std::string(48, '\0'), panel, false}, {topDown, panel, true},
      {topDown, panel - 100, false},
      // 8 bits with a palette, with and without pixels; 1-bit rows pad to four bytes; masks.
      {palette8, 54 + 1024 + 12 * 10, true}, {palette8, 54 + 1024, false},
      {Header(33, 2, 1), 54 + 8 * 2, true}, {Header(4, 4, 32, 3), 54 + 64, true},
      // Run-length: sized, sized beyond the file, unsized; a packed format.
      {Header(10, 10, 8, 1, 200), 254, true}, {Header(10, 10, 8, 1, 201), 254, false},
      {Header(10, 10, 8, 1, 0), 254, false}, {Header(10, 10, 24, 4, 50), 500, false},
      // Zero width; pixels said to start past the end; a height that wraps 32 bits; odd bits.
      {Header(0, 10, 24), 5000, false}, {Header(1, 1, 24), 54, false},
      {Header(65536, 65536, 32), 1ull << 34, false}, {Header(10, 10, 7), 5000, false},
      // The old header, complete and short.
      {core, 26 + 32 * 10, true}, {core, 26 + 32 * 10 - 1, false}};
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(IsCompleteBitmapFile(c.head, c.size), c.complete) << "case " << &c - cases;
}

}  // namespace
}  // namespace tv::panel
