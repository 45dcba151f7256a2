#include "panel/lcd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

using fakes::Copy;

class LcdTest : public ::testing::Test {
 protected:
  std::string Digits(int glyph0X, int step, const std::vector<Point>& slots) {
    return h.LcdDigits(glyph0X, -1, step, slots);
  }
  // Every element drawn on the window is also drawn into the normal picture, so that the next
  // paint keeps it.
  void ExpectKeptByRepaint() {
    std::vector<Copy> kept;
    for (Copy c : h.fake.graphics.CopiesInto(Surface::Normal)) {
      c.into.reset();
      kept.push_back(c);
    }
    EXPECT_EQ(kept, h.fake.graphics.WindowCopies());
  }
  testing::PanelHarness h;
};

TEST_F(LcdTest, ChannelNumbersShowTheirLastThreeDigitsWithLeadingZeros) {
  const std::vector<Point> slots{{401, 36}, {412, 36}, {423, 36}};
  DrawChannelNumber(h.ctx, 5);
  EXPECT_EQ(Digits(85, 9, slots), "005");
  ExpectKeptByRepaint();
  h.fake.graphics.ClearCopies();
  DrawChannelNumber(h.ctx, 1234);
  EXPECT_EQ(Digits(85, 9, slots), "234");
  EXPECT_EQ(h.fake.graphics.WindowCopies().size(), 3u);
}

TEST_F(LcdTest, RecordTimeStopsAt99HoursAndDuringTimeShiftIsTheWallClockAcrossMidnight) {
  // clang-format off
  const struct { int timeShift, seconds; const char* shown; } cases[] = {
      {0, 3723, "010203"}, {0, 100 * 3600, "990000"}, {0, 123 * 3600 + 61, "990101"},
      {1, 15, "000005"}, {1, 3 * 3600, "025950"}};
  // clang-format on
  h.ctx.timeShift = TimeShiftClock{23, 59, 50};
  const std::vector<Point> slots{{397, 110}, {405, 110}, {416, 110},
                                 {424, 110}, {435, 110}, {443, 110}};
  for (const auto& c : cases) {
    h.ctx.mode.timeShift = c.timeShift;
    DrawRecordTime(h.ctx, c.seconds);
    EXPECT_EQ(Digits(86, 6, slots), c.shown) << c.seconds;
  }
  ExpectKeptByRepaint();
}

TEST_F(LcdTest, FileSizeIsScaledByTheCompressionFormat) {
  const std::vector<Point> slots{{413, 95}, {420, 95}, {427, 95}, {434, 95},
                                 {441, 95}, {448, 95}, {455, 95}, {466, 95}};
  // Missing: no scaling; the scales are exact-case names.
  // clang-format off
  const struct { const char* format; std::int64_t raw; const char* shown; } cases[] = {
      {nullptr, 1234, "00001234"}, {"MPEG1", 1000000, "01000000"}, {"MPEG4", 1000000, "00043000"},
      {"MPEG4", 99, "00000004"}, {"OTHER", 1000000, "00238000"}, {"OTHER", 10, "00000002"},
      {"mpeg4", 1000, "00001000"}, {"", 123456789, "23456789"}};
  // clang-format on
  for (const auto& c : cases) {
    if (c.format != nullptr) h.ctx.settings.Write(keys::kCompressFormat, c.format);
    h.fake.graphics.ClearCopies();
    DrawFileSize(h.ctx, c.raw);
    EXPECT_EQ(Digits(86, 6, slots), c.shown) << (c.format ? c.format : "-");
  }
}

}  // namespace
}  // namespace tv::panel
