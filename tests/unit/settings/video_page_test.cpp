// The video settings page: what it posts to the video window and stores, in which order, hue's
// mapping, Default leaving the last-sent values, bad stored values, the preview lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/panel_commands.h"
#include "settings/video_page.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

namespace video = settings::video;
using testing::Lines;

struct Bench : testing::PageBench<settings::VideoPage> {
  explicit Bench(const std::string& settings = "", bool withVideo = true)
      : PageBench(settings, withVideo) {
    Open();
  }
  std::string Picture() const {
    return Stored({keys::kBrightness, keys::kHue, keys::kContrast, keys::kSaturation});
  }
  std::string Boxes() {
    return Texts(
        {video::kBrightnessBox, video::kHueBox, video::kContrastBox, video::kSaturationBox});
  }
  void Forget() { h.fake.messenger.ClearLog(); }
  void Exit() {  // the panel's exit, into an emptied file
    h.fake.WriteFile(ctx.where.settingsIni, "");
    commands::EndProgram(ctx, 0);
  }
};

const std::string kStored =
    "[VideoProcAmp]\nBrightnessValue=100\nContrastValue=50\nHueValue=-3\nSaturationValue=70\n";

TEST(VideoPageStart, RangesPositionsAndBoxesFromTheFileOnlyWithAVideoWindow) {
  Bench b(kStored);
  std::string sliders;  // range and position of brightness, hue, contrast, saturation
  for (const fakes::FakeControl* c : {&b.C(video::kBrightnessSlider), &b.C(video::kHueSlider),
                                      &b.C(video::kContrastSlider), &b.C(video::kSaturationSlider)})
    sliders += std::to_string(c->rangeMin) + " " + std::to_string(c->rangeMax) + " " +
               std::to_string(c->position) + "|";
  EXPECT_EQ(sliders, "0 255 100|-128 127 -3|0 127 50|0 127 70|");
  EXPECT_EQ(b.Boxes() + " " + std::to_string(b.ctx.picture.hue) + " " +
                b.Texts({video::kHueLabel, video::kDefault}),
            "100|-3|50|70 -3 Hue|Default");
  EXPECT_TRUE(b.ToVideo().empty());

  // Without the video program the sliders stay as the control made them and input is dropped;
  // the preview lists are filled all the same.
  Bench none(kStored, false);
  none.dialog->Drag(video::kBrightnessSlider, 30);
  none.dialog->Click(video::kDefault);
  EXPECT_EQ(std::to_string(none.C(video::kHueSlider).rangeSet) + " " + none.Boxes() + " " +
                std::to_string(none.C(video::kStreamFormatList).items.size()) +
                std::to_string(none.C(video::kOutputSizeList).items.size()) + " " + none.Picture(),
            "0 ||| 34 100 -3 50 70");
}

TEST(VideoPageMove, ChangedValuesAreShownPostedAndStoredInTheirOrder) {
  Bench b(kStored);
  // Only contrast: one post and one write per message that finds it changed.
  b.dialog->Drag(video::kContrastSlider, 60);
  b.dialog->Drag(video::kContrastSlider, 60, kSbEndScroll);
  b.dialog->Drag(video::kContrastSlider, 61, kSbLineDown);
  EXPECT_EQ(b.ToVideo(), (Lines{"40201 60", "40201 61"}));
  EXPECT_EQ(b.Picture(), "100 -3 61 70");
  b.Forget();
  // Every slider moved before one message: brightness, hue, contrast, saturation.
  b.dialog->SetSliderPos(video::kSaturationSlider, 1);
  b.dialog->SetSliderPos(video::kContrastSlider, 2);
  b.dialog->SetSliderPos(video::kHueSlider, 3);
  b.dialog->Drag(video::kBrightnessSlider, 4);
  EXPECT_EQ(b.ToVideo(), (Lines{"40200 4", "40203 3", "40201 2", "40202 1"}));
  EXPECT_EQ(b.Boxes() + " " + b.Picture(), "4|3|2|1 4 3 2 1");
  b.Exit();  // the panel's own values follow, so its exit stores what the page set
  EXPECT_EQ(b.Picture(), "4 3 2 1");
}

TEST(VideoPageMove, HueTravelsNonNegativeAndIsStoredSigned) {
  // clang-format off
  const struct { int position; const char *posted, *stored; } cases[] = {
      {-1, "40203 128", "-1"}, {-128, "40203 255", "-128"}, {-300, "40203 255", "-128"},
      {0, "40203 0", "0"}, {127, "40203 127", "127"}, {5, "40203 5", "5"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.position);
    Bench b(kStored);
    b.dialog->Drag(video::kHueSlider, c.position);
    EXPECT_EQ(b.ToVideo(), Lines{c.posted});
    EXPECT_EQ(b.Stored({keys::kHue}), c.stored);
  }
}

TEST(VideoPageMove, StoredValuesOutOfRangeOrNotNumbersGoOutWithTheFirstMove) {
  Bench b(
      "[VideoProcAmp]\nBrightnessValue=999\nContrastValue=-5\nHueValue=abc\n"
      "SaturationValue=200\n");
  EXPECT_EQ(b.Boxes(), "999|0|-5|200");
  b.dialog->Drag(video::kHueSlider, 0);  // no change of its own
  EXPECT_EQ(b.ToVideo(), (Lines{"40200 255", "40201 0", "40202 127"}));
  EXPECT_EQ(b.Picture() + " " + b.Boxes(), "255 abc 0 127 255|0|0|127");
  b.Forget();
  b.dialog->Drag(video::kHueSlider, 0);
  EXPECT_TRUE(b.ToVideo().empty());
}

TEST(VideoPageMove, NothingGoesOutDuringAScanOrOnceTheVideoProgramHasGone) {
  // null: the video window closes
  for (int ModeFlags::*flag : {&ModeFlags::airScan, &ModeFlags::cableScan, &ModeFlags::fmScan,
                               (int ModeFlags::*)nullptr}) {
    SCOPED_TRACE(flag == nullptr);
    Bench b(kStored);
    if (flag)
      b.ctx.mode.*flag = 1;
    else
      b.h.fake.messenger.RemoveWindow(b.tv);
    b.dialog->Drag(video::kBrightnessSlider, 30);
    b.dialog->Click(video::kDefault);
    b.dialog->Choose(video::kStreamFormatList, 1);
    EXPECT_TRUE(b.h.fake.messenger.Log().empty());
    EXPECT_EQ(std::to_string(b.C(video::kBrightnessSlider).position) + " " + b.Picture() + " " +
                  b.Stored({keys::kPreviewStreamFormat}),
              "30 100 -3 50 70 -");
  }
}

TEST(VideoPageDefault, PostsAndStoresTheDefaultsButKeepsWhatWasLastSent) {
  Bench b(kStored);
  b.dialog->Drag(video::kBrightnessSlider, 200);
  b.dialog->Drag(video::kHueSlider, -5);
  b.Forget();
  b.dialog->Notify(video::kDefault, 5);  // not a click
  EXPECT_TRUE(b.ToVideo().empty());
  b.dialog->Click(video::kDefault);
  const Lines defaults{"40200 128", "40203 0", "40201 68", "40202 64"};
  EXPECT_EQ(b.ToVideo(), defaults);
  EXPECT_EQ(b.Picture() + " " + b.Boxes() + " " + std::to_string(b.C(video::kHueSlider).position),
            "128 0 68 64 128|0|68|64 0");
  b.Forget();
  // Brightness and hue were last sent as 200 and -5; contrast and saturation by no slider
  // since the start (50 and 70): all four differ from the defaults now shown.
  b.dialog->Drag(video::kSaturationSlider, 64);
  EXPECT_EQ(b.ToVideo(), defaults);
  b.Forget();
  b.dialog->Drag(video::kSaturationSlider, 64);
  EXPECT_TRUE(b.ToVideo().empty());

  Bench d(kStored);  // the panel's exit right after Default stores the defaults too
  d.dialog->Click(video::kDefault);
  d.Exit();
  EXPECT_EQ(d.Picture(), "128 0 68 64");
}

TEST(VideoPagePreview, ListsFollowTheVideoStandardGroupAndOnlyAnAcceptedChoiceCounts) {
  const std::string k525 = "320x240,640x240,640x480,720x480", k625 = "320x240,352x288,720x576";
  // clang-format off
  const struct { std::string settings, sizes; const char* selections; } cases[] = {
      {"", k525, "2 0"},  // no standard: 1, a 525-line one
      {"[VideoStandard]\nVideoStandard=9\n", k525, "2 0"}, {"[VideoStandard]\nVideoStandard=4\n", k625, "2 0"},
      {"[VideoStandard]\nVideoStandard=10\n", k625, "2 0"},
      {"[VideoStandard]\nVideoStandard=0\n[quarn]\nPreviewStreamSize=720x480\nPreviewStreamFormat=2\n", k525, "3 2"},
      {"[VideoStandard]\nVideoStandard=5\n[quarn]\nPreviewStreamSize=640x480\nPreviewStreamFormat=7\n", k625, "0 -1"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    Bench b(c.settings);
    EXPECT_EQ(b.Items(video::kOutputSizeList), c.sizes);
    EXPECT_EQ(b.Selections({video::kOutputSizeList, video::kStreamFormatList}), c.selections);
    EXPECT_EQ(b.Items(video::kStreamFormatList),
              "YUY2 (Overlay Mode),RGB555 (Preview Mode),UYVY (Overlay Mode)");
    EXPECT_EQ(b.Stored({keys::kPreviewStreamSize}) == "-",
              c.settings.find("Size") == std::string::npos);  // not written
  }
  Bench b("[VideoStandard]\nVideoStandard=4\n");
  b.dialog->Choose(video::kStreamFormatList, 1, kCbnSelChange);
  b.dialog->Choose(video::kOutputSizeList, 1, kCbnSelChange);
  EXPECT_TRUE(b.ToVideo().empty());
  b.dialog->Choose(video::kStreamFormatList, 2);
  b.dialog->Choose(video::kOutputSizeList, 1);
  EXPECT_EQ(b.ToVideo(), (Lines{"3000 0 sent", "3000 0 sent"}));
  EXPECT_EQ(b.Stored({keys::kPreviewStreamFormat, keys::kPreviewStreamSize}), "2 352x288");
}

}  // namespace
}  // namespace tv
