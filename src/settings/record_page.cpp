#include "settings/record_page.h"

#include <array>
#include <span>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"

namespace tv::settings {
namespace {

using panel::Caption;

constexpr panel::DialogCaption kCaptions[] = {
    {IDC_REC_FORMAT_GROUP, Caption::IDCSTATICRECFORMAT},
    {IDC_REC_BITRATE_GROUP, Caption::IDCSTATICRBR},
    {IDC_REC_BITRATE_LABEL, Caption::IDCSTATICBR},
    {IDC_REC_DIRECTORY_GROUP, Caption::IDCSTATICWORDDIR},
    {IDC_REC_BROWSE, Caption::IDCBUTTONBROWSE2},
    {IDC_REC_CAPTURE_GROUP, Caption::IDCSTATICCS},
    {IDC_REC_STREAM_LABEL, Caption::IDCSTATICSFR},
    {IDC_REC_SIZE_LABEL, Caption::IDCSTATICOS},
};

using Rates = std::array<const char*, 3>;
constexpr Rates kMpeg1Rates{"1250000", "2000000", "4000000"};
constexpr Rates kMpeg2Rates{"2000000", "4000000", "6000000"};
constexpr Rates kDvdRates{"4000000", "6000000", "8000000"};

// A format either takes its frame size from the size list or has one of its own per standard
// group; the fixed ones show it in their caption.
struct Format {
  int radio;
  const char* stored;
  const char* size625;  // null: chosen in the size list
  const char* size525;
  const char* caption625;
  const char* caption525;
  const Rates* rates;  // null: the bit-rate list is off
};
constexpr Format kFormats[] = {
    {IDC_REC_MPEG1, "MPEG1", nullptr, nullptr, nullptr, nullptr, &kMpeg1Rates},
    {IDC_REC_MPEG2, "MPEG2", nullptr, nullptr, nullptr, nullptr, &kMpeg2Rates},
    {IDC_REC_AVI, "AVI", nullptr, nullptr, nullptr, nullptr, nullptr},
    {IDC_REC_VCD, "VCD", "352x288", "352x240", "VCD (352x288)", "VCD (352x240)", nullptr},
    {IDC_REC_SVCD, "SVCD", "480x576", "480x480", "SVCD (480x576)", "SVCD (480x480)", nullptr},
    {IDC_REC_DVD, "DVD", "720x576", "720x480", "DVD (720x576)", "DVD (720x480)", &kDvdRates},
    {IDC_REC_MSMPEG4, "MPEG4", "352x288", "320x240", "MS-MPEG4 (352x288)", "MS-MPEG4 (320x240)",
     nullptr},
    {IDC_REC_OTHER, "OTHER", "352x288", "320x240", "OTHER (352x288)", "OTHER (320x240)", nullptr},
};
constexpr const Format& kMpeg4 = kFormats[6];
constexpr const Format& kOther = kFormats[7];

const Format* FormatOfRadio(int radio) {
  for (const Format& f : kFormats)
    if (f.radio == radio) return &f;
  return nullptr;
}

constexpr const char* kSizes625[] = {"320x240", "352x288", "480x576", "720x576"};
constexpr const char* kSizes525[] = {"320x240", "352x240", "480x480", "640x480", "720x480"};

// The card lists at most this many stream formats, under the keys "0".."19".
constexpr int kStreamFormatSlots = 20;
constexpr std::uint32_t kStreamFormatCapacity = 50;
constexpr const char* kDefaultStreamFormat = "YUY2";
// The size the teletext viewer needs; the size list offers it only for 625-line standards.
constexpr const char* kTeletextSize = "352x288";
constexpr const char* kFolderTitle = "File Directory";
constexpr const char* kTeletextTitle = "Teletext";

void CheckOnly(DialogControls& dialog, int radio) {
  for (const Format& f : kFormats) dialog.Check(f.radio, f.radio == radio);
}

std::string Clip(const std::string& text, std::uint32_t capacity) {
  return text.substr(0, capacity - 1);
}

}  // namespace

void NoteMpeg4Encoder(PanelContext& ctx, int available) {
  ctx.sheet.mpeg4Available = available;
}

void NoteOtherEncoder(PanelContext& ctx, int available) {
  ctx.sheet.otherAvailable = available;
}

int FindExactItem(DialogControls& dialog, int control, const std::string& text) {
  for (int i = 0; i < dialog.ItemCount(control); ++i)
    if (dialog.ItemText(control, i) == text) return i;
  return -1;
}

bool ChooseFolder(PanelContext& ctx, WindowRef owner, std::string& path) {
  const std::optional<std::string> chosen = ctx.os.shell.BrowseForFolder(owner, kFolderTitle);
  if (!chosen) return false;
  path = chosen->substr(0, kPathCapacity - 1);
  return true;
}

bool TeletextViewerRuns(PanelContext& ctx) {
  return static_cast<bool>(ctx.os.messenger.Find(nullptr, kTeletextTitle));
}

void RecordPage::OnInit(DialogControls& dialog) {
  panel::SetDialogCaptions(dialog, ctx_.layout, kCaptions);

  // The edit tells the page about its new text, which stores it again.
  dialog.SetText(IDC_REC_DIRECTORY_EDIT, ctx_.settings.Text(keys::kCaptureFile));

  int yuy2 = 0;
  for (int n = 0; n < kStreamFormatSlots; ++n) {
    const std::string name =
        ctx_.settings.Text(keys::kStreamFormats, n, keys::kNone, kStreamFormatCapacity);
    if (name == keys::kNone) continue;
    const int index = dialog.AddItem(IDC_REC_STREAM_LIST, name);
    dialog.SetItemData(IDC_REC_STREAM_LIST, index, n);
    if (name == kDefaultStreamFormat) yuy2 = n;
  }
  const int streamFormat = ctx_.settings.Int(keys::kCaptureStreamFormat, yuy2);
  int streamIndex = -1;
  for (int i = 0; i < dialog.ItemCount(IDC_REC_STREAM_LIST) && i < kStreamFormatSlots; ++i)
    if (dialog.ItemData(IDC_REC_STREAM_LIST, i) == streamFormat) {
      streamIndex = i;
      break;
    }
  dialog.Select(IDC_REC_STREAM_LIST, streamIndex);

  const bool lines525 = keys::Is525LineStandard(ctx_.settings.Int(keys::kVideoStandard));
  for (const char* size :
       lines525 ? std::span<const char* const>(kSizes525) : std::span<const char* const>(kSizes625))
    dialog.AddItem(IDC_REC_SIZE_LIST, size);
  std::string size = ctx_.settings.Text(keys::kCaptureStreamSize);
  if (size.empty()) {
    size = lines525 ? "640x480" : "720x576";
    ctx_.settings.Write(keys::kCaptureStreamSize, size);
  }
  const int sizeIndex = FindExactItem(dialog, IDC_REC_SIZE_LIST, size);
  dialog.Select(IDC_REC_SIZE_LIST, sizeIndex < 0 ? 0 : sizeIndex);

  std::string format = ctx_.settings.Text(keys::kCompressFormat);
  if (format.empty()) {
    format = kFormats[0].stored;
    ctx_.settings.Write(keys::kCompressFormat, format);
  }
  InitFormat(dialog, format);

  // The card answers both questions with 46203 and 46204 while the page waits.
  if (const WindowRef video = commands::FindVideoWindow(ctx_)) {
    SendCommand(ctx_.os.messenger, video, cmd::kVideoRecordPage1, 0);
    SendCommand(ctx_.os.messenger, video, cmd::kVideoRecordPage2, 0);
  }
  dialog.Enable(kMpeg4.radio, ctx_.sheet.mpeg4Available != 0);
  dialog.Enable(kOther.radio, ctx_.sheet.otherAvailable != 0);
  for (const Format* f : {&kMpeg4, &kOther}) {
    if (format != f->stored) continue;
    dialog.Enable(IDC_REC_BITRATE_LIST, false);
    dialog.Enable(IDC_REC_SIZE_LIST, false);
    dialog.Select(IDC_REC_SIZE_LIST, -1);
    CheckOnly(dialog, f->radio);
  }

  // Read again, with another default: both defaults are 525-line standards.
  const bool captions525 = keys::Is525LineStandard(ctx_.settings.Int(keys::kVideoStandard, 0));
  for (const Format& f : kFormats)
    if (f.caption625) dialog.SetText(f.radio, captions525 ? f.caption525 : f.caption625);

  const bool teletext = TeletextViewerRuns(ctx_);
  if (teletext) dialog.Enable(IDC_REC_SIZE_LIST, false);
  dialog.Enable(IDC_REC_DVD, !teletext);
}

// The stored format as the page opens: MS-MPEG4 and OTHER wait for the card's answers, and a
// value that names no format (another spelling, say) checks nothing.
void RecordPage::InitFormat(DialogControls& dialog, const std::string& format) {
  for (const Format& f : kFormats) {
    if (format != f.stored || &f == &kMpeg4 || &f == &kOther) continue;
    if (f.size625 != nullptr) {
      dialog.Enable(IDC_REC_SIZE_LIST, false);
      dialog.Select(IDC_REC_SIZE_LIST, -1);
    }
    CheckOnly(dialog, f.radio);
    dialog.Enable(IDC_REC_BITRATE_LIST, f.rates != nullptr);
    if (f.rates == nullptr) continue;
    for (const char* rate : *f.rates) dialog.AddItem(IDC_REC_BITRATE_LIST, rate);
    std::string rate = ctx_.settings.Text(keys::kCaptureBitRate);
    if (rate.empty()) {
      rate = (*f.rates)[0];
      ctx_.settings.Write(keys::kCaptureBitRate, rate);
    }
    const int index = FindExactItem(dialog, IDC_REC_BITRATE_LIST, rate);
    dialog.Select(IDC_REC_BITRATE_LIST, index < 0 ? 0 : index);
  }
}

void RecordPage::OnCommand(DialogControls& dialog, int control, int notification, std::intptr_t) {
  if (commands::ScanRuns(ctx_.mode) || control < IDC_REC_DIRECTORY_EDIT || control > IDC_REC_BROWSE)
    return;
  if (FormatOfRadio(control) != nullptr) {
    ChooseFormat(dialog, control);
    return;
  }
  switch (control) {
    case IDC_REC_DIRECTORY_EDIT:
      if (notification == kEnUpdate)
        ctx_.settings.Write(keys::kCaptureFile, dialog.Text(control, kPathCapacity));
      break;
    case IDC_REC_BROWSE: {
      std::string path = dialog.Text(IDC_REC_DIRECTORY_EDIT, kPathCapacity);
      if (!ChooseFolder(ctx_, dialog.Window(), path)) break;
      ctx_.settings.Write(keys::kCaptureFile, path);
      dialog.SetText(IDC_REC_DIRECTORY_EDIT, path);
      break;
    }
    case IDC_REC_SIZE_LIST: {
      const int index = dialog.Selection(control);
      if (notification != kCbnSelEndOk || index < 0 || TeletextViewerRuns(ctx_)) break;
      ctx_.settings.Write(keys::kCaptureStreamSize,
                          Clip(dialog.ItemText(control, index), keys::kCaptureStreamSize.capacity));
      SendCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoApplyCapture, 1);
      break;
    }
    case IDC_REC_STREAM_LIST: {
      const int index = dialog.Selection(control);
      if (notification != kCbnSelEndOk || index < 0) break;
      const std::intptr_t n = dialog.ItemData(control, index);
      ctx_.settings.Write(keys::kCaptureStreamFormat, DecimalText(n));
      SendCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoApplyCapture, n);
      break;
    }
    case IDC_REC_BITRATE_LIST: {
      // Focus and drop-down notifications of an empty list must not blank the stored rate.
      const int index = dialog.Selection(control);
      if (index < 0) break;
      ctx_.settings.Write(keys::kCaptureBitRate,
                          Clip(dialog.ItemText(control, index), keys::kCaptureBitRate.capacity));
      break;
    }
    default:
      break;
  }
}

void RecordPage::ChooseFormat(DialogControls& dialog, int radio) {
  const Format& f = *FormatOfRadio(radio);
  if (f.size625 == nullptr) {
    // The teletext viewer needs its own size, whatever the list offers.
    if (TeletextViewerRuns(ctx_)) {
      ctx_.settings.Write(keys::kCaptureStreamSize, kTeletextSize);
      dialog.Enable(IDC_REC_SIZE_LIST, false);
    } else {
      dialog.Enable(IDC_REC_SIZE_LIST, true);
    }
    dialog.Select(IDC_REC_SIZE_LIST, FindExactItem(dialog, IDC_REC_SIZE_LIST,
                                                   ctx_.settings.Text(keys::kCaptureStreamSize)));
    ctx_.settings.Write(keys::kCompressFormat, f.stored);
  } else {
    dialog.Enable(IDC_REC_SIZE_LIST, false);
    ctx_.settings.Write(keys::kCompressFormat, f.stored);
    const bool lines525 = keys::Is525LineStandard(ctx_.settings.Int(keys::kVideoStandard, 0));
    dialog.Select(IDC_REC_SIZE_LIST, -1);
    ctx_.settings.Write(keys::kCaptureStreamSize, lines525 ? f.size525 : f.size625);
    SendCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoApplyCapture, 1);
  }
  FillBitRates(dialog, radio);
}

// A format with rates offers its three and starts at the first, whatever was stored.
void RecordPage::FillBitRates(DialogControls& dialog, int radio) {
  const Format& f = *FormatOfRadio(radio);
  dialog.Enable(IDC_REC_BITRATE_LIST, f.rates != nullptr);
  if (f.rates == nullptr) {
    dialog.Select(IDC_REC_BITRATE_LIST, -1);
    return;
  }
  dialog.ResetItems(IDC_REC_BITRATE_LIST);
  for (const char* rate : *f.rates) dialog.AddItem(IDC_REC_BITRATE_LIST, rate);
  ctx_.settings.Write(keys::kCaptureBitRate, (*f.rates)[0]);
  dialog.Select(IDC_REC_BITRATE_LIST, 0);
}

}  // namespace tv::settings
