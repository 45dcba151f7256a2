#include "settings/video_page.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "base/key_table.h"
#include "commands/adjust_commands.h"
#include "commands/command_ids.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"

namespace tv::settings {
namespace {

using panel::Caption;

constexpr panel::DialogCaption kCaptions[] = {
    {video::kFineGroup, Caption::IDCSTATICFINE},
    {video::kBrightnessLabel, Caption::IDCSTATICBRIN},
    {video::kContrastLabel, Caption::IDCCONTRAST},
    {video::kHueLabel, Caption::IDCSTATICHUE},
    {video::kSaturationLabel, Caption::IDCSTATICSATURATION},
    {video::kDefault, Caption::IDCBUTTONDEFAULT},
};

struct Quantity {
  int slider, box;
  int PictureValues::*value;
  const keys::Key* key;
  cmd::Id command;
  int min, max;
};
// In the order the video window gets them; the defaults are the key table's.
constexpr Quantity kQuantities[] = {
    {video::kBrightnessSlider, video::kBrightnessBox, &PictureValues::brightness,
     &keys::kBrightness, cmd::kVideoBrightness, 0, 255},
    {video::kHueSlider, video::kHueBox, &PictureValues::hue, &keys::kHue, cmd::kVideoHue, -128,
     127},
    {video::kContrastSlider, video::kContrastBox, &PictureValues::contrast, &keys::kContrast,
     cmd::kVideoContrast, 0, 127},
    {video::kSaturationSlider, video::kSaturationBox, &PictureValues::saturation,
     &keys::kSaturation, cmd::kVideoSaturation, 0, 127},
};
// Default stores them in the file's own order.
constexpr const Quantity* kDefaultWriteOrder[] = {&kQuantities[0], &kQuantities[2], &kQuantities[1],
                                                  &kQuantities[3]};

constexpr const char* kStreamFormats[] = {"YUY2 (Overlay Mode)", "RGB555 (Preview Mode)",
                                          "UYVY (Overlay Mode)"};
constexpr const char* kSizes525[] = {"320x240", "640x240", "640x480", "720x480"};
constexpr const char* kSizes625[] = {"320x240", "352x288", "720x576"};

// The video window program takes hue as a non-negative number.
int Sent(const Quantity& q, int value) {
  return q.value == &PictureValues::hue ? commands::HueShownValue(value) : value;
}

}  // namespace

bool VideoPage::Ignored() {
  return commands::ScanRuns(ctx_.mode) || !commands::FindVideoWindow(ctx_);
}

void VideoPage::OnInit(DialogControls& dialog) {
  panel::SetDialogCaptions(dialog, ctx_.layout, kCaptions);

  // Without the video program the sliders keep the control's own state.
  if (commands::FindVideoWindow(ctx_)) {
    for (const Quantity& q : kQuantities) dialog.SetSliderRange(q.slider, q.min, q.max);
    for (const Quantity& q : kQuantities) {
      const int value = ctx_.settings.Int(*q.key);
      ctx_.picture.*q.value = value;
      ctx_.sheet.videoSent.*q.value = value;
      dialog.SetSliderPos(q.slider, value);
      dialog.SetText(q.box, DecimalText(value));
    }
  }

  for (const char* format : kStreamFormats) dialog.AddItem(video::kStreamFormatList, format);
  dialog.Select(video::kStreamFormatList, ctx_.settings.Int(keys::kPreviewStreamFormat, 0));

  const bool lines525 = keys::Is525LineStandard(ctx_.settings.Int(keys::kVideoStandard));
  for (const char* size :
       lines525 ? std::span<const char* const>(kSizes525) : std::span<const char* const>(kSizes625))
    dialog.AddItem(video::kOutputSizeList, size);
  std::string size = ctx_.settings.Text(keys::kPreviewStreamSize);
  if (size.empty()) size = lines525 ? "640x480" : "720x576";
  int match = 0;
  for (int i = 0; i < dialog.ItemCount(video::kOutputSizeList); ++i)
    if (dialog.ItemText(video::kOutputSizeList, i) == size) {
      match = i;
      break;
    }
  dialog.Select(video::kOutputSizeList, match);
}

void VideoPage::OnScroll(DialogControls& dialog, int control, int) {
  const bool fromSlider = std::any_of(std::begin(kQuantities), std::end(kQuantities),
                                      [control](const Quantity& q) { return q.slider == control; });
  if (!fromSlider || Ignored()) return;
  PictureValues& sent = ctx_.sheet.videoSent;
  for (const Quantity& q : kQuantities) {
    const int position = dialog.SliderPos(q.slider);
    ctx_.picture.*q.value = position;
    if (position != sent.*q.value) dialog.SetText(q.box, DecimalText(position));
  }
  for (const Quantity& q : kQuantities) {
    const int value = ctx_.picture.*q.value;
    if (value == sent.*q.value) continue;
    PostCommand(ctx_.os.messenger, ctx_.windows.video, q.command, Sent(q, value));
    sent.*q.value = value;
    ctx_.settings.Write(*q.key, value);
  }
}

void VideoPage::OnCommand(DialogControls& dialog, int control, int notification, std::intptr_t) {
  const bool defaultClick = control == video::kDefault && notification == kBnClicked;
  const bool listChoice =
      (control == video::kStreamFormatList || control == video::kOutputSizeList) &&
      notification == kCbnSelEndOk;
  if ((!defaultClick && !listChoice) || Ignored()) return;
  if (defaultClick) {
    RestoreDefaults(dialog);
    return;
  }
  if (control == video::kStreamFormatList) {
    ctx_.settings.Write(keys::kPreviewStreamFormat, dialog.Selection(control));
  } else {
    const std::string size = dialog.ItemText(control, dialog.Selection(control));
    ctx_.settings.Write(keys::kPreviewStreamSize,
                        size.substr(0, keys::kPreviewStreamSize.capacity - 1));
  }
  SendCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoApplyCapture, 0);
}

// What was last sent stays as it was, so the next slider message sends every default that
// differs from it again.
void VideoPage::RestoreDefaults(DialogControls& dialog) {
  for (const Quantity& q : kQuantities) {
    const int value = q.key->number;
    dialog.SetSliderPos(q.slider, value);
    dialog.SetText(q.box, DecimalText(value));
    ctx_.picture.*q.value = value;
  }
  for (const Quantity& q : kQuantities)
    PostCommand(ctx_.os.messenger, ctx_.windows.video, q.command, Sent(q, q.key->number));
  for (const Quantity* q : kDefaultWriteOrder) ctx_.settings.Write(*q->key, q->key->number);
}

}  // namespace tv::settings
