#pragma once
// The video settings page: brightness, contrast, hue and saturation of the video window
// program's picture, live while the sliders move, and the preview's stream format and size.

#include "app/panel_context.h"
#include "platform/dialog.h"

namespace tv::settings {

inline constexpr int kVideoPageTemplate = 295;

namespace video {
inline constexpr int kFineGroup = 1047;
inline constexpr int kBrightnessLabel = 1210;
inline constexpr int kContrastLabel = 1056;
inline constexpr int kHueLabel = 1057;
inline constexpr int kSaturationLabel = 1058;
inline constexpr int kDefault = 1054;
inline constexpr int kBrightnessSlider = 1091;
inline constexpr int kContrastSlider = 1092;
inline constexpr int kHueSlider = 1093;
inline constexpr int kSaturationSlider = 1094;
inline constexpr int kBrightnessBox = 1059;
inline constexpr int kContrastBox = 1049;
inline constexpr int kHueBox = 1051;
inline constexpr int kSaturationBox = 1053;
inline constexpr int kStreamFormatList = 1112;
inline constexpr int kOutputSizeList = 1113;
}  // namespace video

// The picture values are the panel's own (the adjust keys step them and the panel stores them
// when it ends), so whatever the page sets is what the panel writes back.
class VideoPage : public DialogHandler {
 public:
  explicit VideoPage(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  // Default (clicks only) and the two preview lists (accepted choices only).
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;
  // Any slider, any scroll code: every value that differs from what was last sent is shown,
  // posted and stored.
  void OnScroll(DialogControls& dialog, int control, int code) override;

 private:
  bool Ignored();
  void RestoreDefaults(DialogControls& dialog);

  PanelContext& ctx_;
};

}  // namespace tv::settings
