#include "panel/lcd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "unit/panel/panel_harness.h"

namespace tv::panel {
namespace {

using fakes::Copy;
using testing::PanelHarness;

class LcdTest : public ::testing::Test {
 protected:
  fakes::FakeGraphics& graphics() { return h.fake.graphics; }
  std::vector<Copy> OnWindow() { return graphics().WindowCopies(); }

  // What the window shows at a digit slot, read back through the glyph row: the last sprite
  // copied there, as a digit character ('?' when none).
  std::string Digits(int glyph0X, int step, const std::vector<Point>& slotsLeftToRight) {
    std::string text;
    for (const Point& slot : slotsLeftToRight) {
      char digit = '?';
      for (const Copy& c : OnWindow())
        if (c.from == Surface::Sprites && c.to == slot)
          digit = static_cast<char>('0' + (c.source.x - glyph0X) / step);
      text += digit;
    }
    return text;
  }

  // Every element drawn on the window is also drawn into the normal picture, so that the next
  // paint keeps it.
  void ExpectKeptByRepaint() {
    std::vector<Copy> kept;
    for (Copy c : graphics().CopiesInto(Surface::Normal)) {
      c.into.reset();
      kept.push_back(c);
    }
    EXPECT_EQ(kept, OnWindow());
  }

  PanelHarness h;
};

const std::vector<Point> kChannelSlots{{401, 36}, {412, 36}, {423, 36}};
const std::vector<Point> kFmSlots{{377, 36}, {387, 36}, {397, 36}, {407, 36}};
const std::vector<Point> kRecordTimeSlots{{397, 110}, {405, 110}, {416, 110},
                                          {424, 110}, {435, 110}, {443, 110}};
const std::vector<Point> kFileSizeSlots{{413, 95}, {420, 95}, {427, 95}, {434, 95},
                                        {441, 95}, {448, 95}, {455, 95}, {466, 95}};

TEST_F(LcdTest, ChannelNumbersShowTheirLastThreeDigitsWithLeadingZeros) {
  DrawChannelNumber(h.ctx, 5);
  EXPECT_EQ(Digits(85, 9, kChannelSlots), "005");
  EXPECT_EQ(OnWindow().back(), (Copy{Surface::Sprites, Rect{85, 29, 9, 13}, {}, Point{401, 36}}));
  ExpectKeptByRepaint();

  graphics().ClearCopies();
  DrawChannelNumber(h.ctx, 1234);
  EXPECT_EQ(Digits(85, 9, kChannelSlots), "234");
  EXPECT_EQ(OnWindow().size(), 3u);
}

TEST_F(LcdTest, FmFrequenciesShowFourDigitsAfterTheBandLabel) {
  DrawFmFrequency(h.ctx, 875, 4);
  EXPECT_EQ(OnWindow().front(),  // the band label
            (Copy{Surface::Sprites, Rect{85, 15, 55, 13}, {}, Point{377, 36}}));
  EXPECT_EQ(Digits(85, 9, kFmSlots), "0875");
  ExpectKeptByRepaint();

  const struct {
    int mode;
    std::size_t digits;
  } modes[] = {{0, 4}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {-1, 0}};
  for (const auto& m : modes) {
    graphics().ClearCopies();
    DrawFmFrequency(h.ctx, 1080, m.mode);
    EXPECT_EQ(OnWindow().size(), 1 + m.digits) << "mode " << m.mode;
  }
}

TEST_F(LcdTest, TheSourceReadoutFollowsTheCurrentSource) {
  h.ctx.mode.currentSource = 1;  // FM, nothing stored yet
  RefreshSourceReadout(h.ctx);
  EXPECT_EQ(OnWindow().front(), (Copy{Surface::Sprites, Rect{1, 81, 82, 19}, {}, Point{397, 124}}));
  EXPECT_EQ(Digits(85, 9, kFmSlots), "0875");

  h.ctx.settings.Write(keys::kFmChannel, 1065);
  RefreshSourceReadout(h.ctx);
  EXPECT_EQ(Digits(85, 9, kFmSlots), "1065");

  graphics().ClearCopies();
  h.ctx.mode.currentSource = 3;  // cable
  h.ctx.channels.currentChannel = 42;
  RefreshSourceReadout(h.ctx);
  EXPECT_EQ(OnWindow().front().source, (Rect{1, 21, 82, 19}));
  EXPECT_EQ(Digits(85, 9, kChannelSlots), "042");

  graphics().ClearCopies();
  h.ctx.mode.currentSource = 5;  // S-Video: a label, no number
  RefreshSourceReadout(h.ctx);
  ASSERT_EQ(OnWindow().size(), 1u);
  EXPECT_EQ(OnWindow().front().source, (Rect{1, 61, 82, 19}));
}

TEST_F(LcdTest, LabelsOutsideTheirRangeDrawNothing) {
  DrawSourceLabel(h.ctx, 0);
  DrawSourceLabel(h.ctx, 6);
  DrawBandLabel(h.ctx, 4);
  DrawMuteIcon(h.ctx, 0);
  EXPECT_TRUE(graphics().copies.empty());

  DrawBandLabel(h.ctx, 3);
  DrawRecordIndicator(h.ctx, 0);
  DrawRecordIndicator(h.ctx, 7);
  const std::vector<Copy> expected{{Surface::Sprites, Rect{143, 1, 55, 13}, {}, Point{377, 36}},
                                   {Surface::Sprites, Rect{144, 65, 55, 12}, {}, Point{340, 62}},
                                   {Surface::Sprites, Rect{85, 65, 55, 12}, {}, Point{340, 62}}};
  EXPECT_EQ(OnWindow(), expected);
  ExpectKeptByRepaint();
}

TEST_F(LcdTest, TheClockShowsTheLocalTime) {
  h.fake.time.SetLocalTime(2026, 3, 1, 7, 45, 9);
  DrawClock(h.ctx);
  const std::vector<Point> slots{{422, 63}, {430, 63}, {441, 63}, {449, 63}, {460, 63}, {468, 63}};
  EXPECT_EQ(Digits(86, 6, slots), "074509");
  EXPECT_EQ(OnWindow().front(), (Copy{Surface::Sprites, Rect{140, 46, 6, 10}, {}, Point{468, 63}}));
}

TEST_F(LcdTest, RecordTimeCountsElapsedTimeUpTo99Hours) {
  DrawRecordTime(h.ctx, 3723);
  EXPECT_EQ(Digits(86, 6, kRecordTimeSlots), "010203");
  DrawRecordTime(h.ctx, 100 * 3600);
  EXPECT_EQ(Digits(86, 6, kRecordTimeSlots), "990000");
  DrawRecordTime(h.ctx, 123 * 3600 + 61);
  EXPECT_EQ(Digits(86, 6, kRecordTimeSlots), "990101");
  ExpectKeptByRepaint();
}

TEST_F(LcdTest, DuringTimeShiftRecordTimeIsTheWallClockOfThePosition) {
  h.ctx.mode.timeShift = 1;
  h.ctx.timeShift.startHour = 23;
  h.ctx.timeShift.startMinute = 59;
  h.ctx.timeShift.startSecond = 50;
  DrawRecordTime(h.ctx, 15);
  EXPECT_EQ(Digits(86, 6, kRecordTimeSlots), "000005");
  DrawRecordTime(h.ctx, 3 * 3600);
  EXPECT_EQ(Digits(86, 6, kRecordTimeSlots), "025950");
}

TEST_F(LcdTest, FileSizeIsScaledByTheCompressionFormat) {
  const struct {
    const char* format;
    std::int64_t raw;
    const char* shown;
  } cases[] = {
      {nullptr, 1234, "00001234"}, {"MPEG1", 1000000, "01000000"}, {"MPEG4", 1000000, "00043000"},
      {"MPEG4", 99, "00000004"},   {"OTHER", 1000000, "00238000"}, {"OTHER", 10, "00000002"},
      {"mpeg4", 1000, "00001000"}, {"", 123456789, "23456789"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format != nullptr ? c.format : "missing");
    if (c.format != nullptr) h.ctx.settings.Write(keys::kCompressFormat, c.format);
    graphics().ClearCopies();
    DrawFileSize(h.ctx, c.raw);
    EXPECT_EQ(Digits(86, 6, kFileSizeSlots), c.shown);
  }
  ExpectKeptByRepaint();
}

TEST_F(LcdTest, MuteIconGoesIntoAllThreePicturesAndTheNormalFrameOntoTheWindow) {
  DrawMuteIcon(h.ctx, 1);
  const std::vector<Copy> soundOn{
      {Surface::Sprites, Rect{222, 2, 28, 31}, Surface::Normal, Point{8, 50}},
      {Surface::Sprites, Rect{250, 2, 28, 31}, Surface::Pressed, Point{8, 50}},
      {Surface::Sprites, Rect{278, 2, 28, 31}, Surface::Hover, Point{8, 50}},
      {Surface::Sprites, Rect{222, 2, 28, 31}, {}, Point{8, 50}}};
  EXPECT_EQ(graphics().copies, soundOn);

  graphics().ClearCopies();
  h.ctx.ui.contentOffset = 96;
  DrawMuteIcon(h.ctx, 2);
  ASSERT_EQ(graphics().copies.size(), 4u);
  EXPECT_EQ(graphics().copies[2],
            (Copy{Surface::Sprites, Rect{278, 39, 28, 31}, Surface::Hover, Point{104, 50}}));
}

TEST_F(LcdTest, VolumeBarFillsFromThePressedAndHoverPictures) {
  DrawVolumeBar(h.ctx, 110);
  const std::vector<Copy> half{{Surface::Pressed, Rect{67, 50, 220, 31}, {}, Point{67, 50}},
                               {Surface::Hover, Rect{67, 50, 110, 31}, {}, Point{67, 50}}};
  EXPECT_EQ(OnWindow(), half);
  ExpectKeptByRepaint();

  graphics().ClearCopies();
  h.ctx.ui.contentOffset = 96;
  DrawVolumeBar(h.ctx, 220);
  EXPECT_EQ(OnWindow().back(), (Copy{Surface::Hover, Rect{163, 50, 220, 31}, {}, Point{163, 50}}));
}

TEST_F(LcdTest, AnUprightVolumeBarFillsFromTheBottom) {
  PanelHarness upright("[1PANEL_BTN]\nLCD_VOLBAR_LTOR_DTOU=1\n");
  DrawVolumeBar(upright.ctx, 110);
  const std::vector<Copy> expected{{Surface::Pressed, Rect{67, 50, 220, 31}, {}, Point{67, 50}},
                                   {Surface::Hover, Rect{67, 66, 220, 15}, {}, Point{67, 66}}};
  EXPECT_EQ(upright.fake.graphics.WindowCopies(), expected);

  PanelHarness hidden("[1PANEL_BTN]\nLCD_VOLBAR_LTOR_DTOU=2\n");
  DrawVolumeBar(hidden.ctx, 110);
  EXPECT_TRUE(hidden.fake.graphics.copies.empty());
}

TEST_F(LcdTest, TimeShiftBarPullsTheKnobBackToTheRecordedPart) {
  h.ctx.ui.contentOffset = 96;  // the bar does not move with the artwork
  h.ctx.ui.sliderX = 200;
  DrawTimeShiftBar(h.ctx, 10, 100, 0);  // 29 of 294 pixels recorded
  EXPECT_EQ(h.ctx.ui.sliderX, 21 + 29 - 10);
  const std::vector<Copy> expected{{Surface::Pressed, Rect{21, 10, 294, 9}, {}, Point{21, 10}},
                                   {Surface::Hover, Rect{21, 10, 29, 9}, {}, Point{21, 10}},
                                   {Surface::Sprites, Rect{86, 82, 10, 9}, {}, Point{40, 10}}};
  EXPECT_EQ(OnWindow(), expected);
  ExpectKeptByRepaint();

  // A knob inside the recorded part stays; one left of the bar is put at its start.
  h.ctx.ui.sliderX = 30;
  DrawTimeShiftBar(h.ctx, 10, 100, 0);
  EXPECT_EQ(h.ctx.ui.sliderX, 30);
  h.ctx.ui.sliderX = 5;
  DrawTimeShiftBar(h.ctx, 50, 100, 0);
  EXPECT_EQ(h.ctx.ui.sliderX, 21);
  h.ctx.ui.sliderX = 200;
  DrawTimeShiftBar(h.ctx, 1, 100, 0);  // 2 pixels: pulled back before the start, then to it
  EXPECT_EQ(h.ctx.ui.sliderX, 21);

  graphics().ClearCopies();
  h.ctx.ui.sliderX = 200;
  DrawTimeShiftBar(h.ctx, 10, 100, 1);
  EXPECT_EQ(OnWindow(), (std::vector<Copy>{expected.front()}));
  EXPECT_EQ(h.ctx.ui.sliderX, 200);
}

TEST_F(LcdTest, TransportButtonsShowThePlayerState) {
  auto looks = [this] {
    std::vector<Surface> from;
    for (const Copy& c : OnWindow()) from.push_back(c.from);
    return from;
  };
  using enum Surface;
  DrawTransportButtons(h.ctx, 1, 1);
  EXPECT_EQ(looks(), (std::vector<Surface>{Pressed, Hover, Hover, Hover, Hover}));
  EXPECT_EQ(OnWindow().front(), (Copy{Pressed, Rect{225, 23, 31, 25}, {}, Point{225, 23}}));
  ExpectKeptByRepaint();

  graphics().ClearCopies();
  DrawTransportButtons(h.ctx, 0, 1);
  EXPECT_EQ(looks(), (std::vector<Surface>{Hover, Pressed, Hover, Hover, Hover}));

  graphics().ClearCopies();
  h.ctx.ui.contentOffset = 96;
  DrawTransportButtons(h.ctx, 1, 0);
  EXPECT_EQ(looks(), (std::vector<Surface>{Pressed, Pressed, Pressed, Pressed, Pressed}));
  EXPECT_EQ(OnWindow().back().to, (Point{256 + 96, 23}));  // forward
}

TEST_F(LcdTest, AFullRefreshRedrawsEveryStateElementAndTheClockOnlyAfterASkinChange) {
  h.ctx.mode.fmMode = 1;
  h.ctx.mode.currentSource = 1;
  h.ctx.ui.muted = 1;
  RefreshLcd(h.ctx, RefreshReason::ShapeChange);
  const std::vector<Copy> shape = OnWindow();
  EXPECT_EQ(shape.front().source, (Rect{85, 15, 55, 13}));  // FM band label first
  auto drawsAt = [](const std::vector<Copy>& copies, Point at) {
    for (const Copy& c : copies)
      if (c.to == at) return true;
    return false;
  };
  EXPECT_TRUE(drawsAt(shape, Point{67, 50}));    // volume bar
  EXPECT_TRUE(drawsAt(shape, Point{8, 50}));     // mute icon
  EXPECT_TRUE(drawsAt(shape, Point{397, 124}));  // source label
  EXPECT_FALSE(drawsAt(shape, Point{468, 63}));  // clock

  graphics().ClearCopies();
  RefreshLcd(h.ctx, RefreshReason::SkinChange);
  EXPECT_TRUE(drawsAt(OnWindow(), Point{468, 63}));
}

}  // namespace
}  // namespace tv::panel
