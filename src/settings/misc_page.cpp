#include "settings/misc_page.h"

#include <cctype>
#include <span>

#include "base/key_table.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"
#include "panel/skin.h"
#include "settings/record_page.h"

namespace tv::settings {
namespace {

using panel::Caption;

constexpr panel::DialogCaption kCaptions[] = {
    {IDC_MISC_TIMESHIFT_GROUP, Caption::IDCSTATICTIMESHIFT},
    {IDC_MISC_DELETE_TEMP_CHECK, Caption::IDCCHECKTIMESHIFT},
    {IDC_MISC_DIRECTORY_LABEL, Caption::IDCSTATICWD},
    {IDC_MISC_BROWSE, Caption::IDCBUTTONBROWSE},
    {IDC_MISC_SIZE_LABEL, Caption::IDCSTATICOUTSI},
    {IDC_MISC_BITRATE_LABEL, Caption::IDCSTATICBIT},
    {IDC_MISC_SNAPSHOT_GROUP, Caption::IDCSTATICSNAPSHOT},
    {IDC_MISC_SNAPSHOT_LABEL, Caption::IDCSTATICSNAPSHOTSET},
    {IDC_MISC_TOP_GROUP, Caption::IDCSTATICTP},
    {IDC_MISC_ALWAYS_ON_TOP, Caption::IDCALWAYSONTOP},
    {IDC_MISC_PREVIEW_GROUP, Caption::IDCCHANNELSURFING},
    {IDC_MISC_TIME_LABEL, Caption::IDCSTATICSURFING},
    {IDC_MISC_MOSAIC_LABEL, Caption::IDCSTATICSURFINGWIN},
};

constexpr int kMostPreviewSeconds = 9;
constexpr int kFewestMosaicSide = 2;
constexpr int kMostMosaicSide = 5;
constexpr int kMostSnapshots = 10;
constexpr const char* kTimeShiftFileName = "TimeShift.mpg";
constexpr const char* kDefaultTimeShiftFile = "C:\\TimeShift.mpg";
constexpr const char* kTimeShiftSizes525[] = {"320x240", "640x480"};
constexpr const char* kTimeShiftSizes625[] = {"352x288", "720x576"};
constexpr const char* kTimeShiftRates[] = {"1250000", "2000000", "4000000"};

// A list whose choice is stored as the chosen entry's text.
constexpr struct {
  int control;
  const keys::Key* key;
  bool onSelectionChangeOnly;
} kTextLists[] = {
    {IDC_MISC_TIME_LIST, &keys::kSurfingTime, true},
    {IDC_MISC_MOSAIC_LIST, &keys::kSurfingWindows, true},
    {IDC_MISC_SIZE_LIST, &keys::kTimeShiftSize, false},
    {IDC_MISC_BITRATE_LIST, &keys::kTimeShiftBitRate, false},
};

// The stored entry, else the first one; an empty key gets the default written first.
void SelectStoredOrFirst(PanelContext& ctx, DialogControls& dialog, int control,
                         const keys::Key& key, const char* def) {
  std::string value = ctx.settings.Text(key, "", key.capacity);
  if (value.empty()) {
    value = def;
    ctx.settings.Write(key, value);
  }
  const int index = FindExactItem(dialog, control, value);
  dialog.Select(control, index < 0 ? 0 : index);
}

}  // namespace

std::string TimeShiftFileIn(const std::string& folder) {
  const bool endsInBackslash = !folder.empty() && folder.back() == '\\';
  return folder + (endsInBackslash ? "" : "\\") + kTimeShiftFileName;
}

int SnapshotIndex(const std::string& stored) {
  if (stored.empty()) return 0;
  std::size_t i = 0;
  while (i < stored.size() && std::isspace(static_cast<unsigned char>(stored[i]))) ++i;
  const bool negative = i < stored.size() && stored[i] == '-';
  if (i < stored.size() && (stored[i] == '-' || stored[i] == '+')) ++i;
  long long number = 0;
  for (; i < stored.size() && std::isdigit(static_cast<unsigned char>(stored[i])); ++i)
    number = std::min(number * 10 + (stored[i] - '0'), 1000000LL);  // far past every entry
  return static_cast<int>(negative ? -number : number) - 1;
}

void MiscPage::OnInit(DialogControls& dialog) {
  panel::SetDialogCaptions(dialog, ctx_.layout, kCaptions);

  for (int n = kFewestMosaicSide; n <= kMostMosaicSide; ++n)
    dialog.AddItem(IDC_MISC_MOSAIC_LIST, DecimalText(n) + " x " + DecimalText(n));
  for (int n = 1; n <= kMostPreviewSeconds; ++n) dialog.AddItem(IDC_MISC_TIME_LIST, DecimalText(n));
  const std::string time = ctx_.settings.Text(keys::kSurfingTime);
  const std::string windows = ctx_.settings.Text(keys::kSurfingWindows);
  if (windows != keys::kFalse)
    dialog.Select(IDC_MISC_MOSAIC_LIST, FindExactItem(dialog, IDC_MISC_MOSAIC_LIST, windows));
  if (time != keys::kFalse)
    dialog.Select(IDC_MISC_TIME_LIST, FindExactItem(dialog, IDC_MISC_TIME_LIST, time));

  // Absent counts as ticked and stays absent.
  const std::string deleteTemp = ctx_.settings.Text(keys::kDeleteTempFile);
  const bool deleteAfter = deleteTemp.empty() || deleteTemp == keys::kTrue;
  dialog.Check(IDC_MISC_DELETE_TEMP_CHECK, deleteAfter);
  ctx_.timeShift.deleteTempFlag = deleteAfter ? 1 : 0;

  const int snapshots = SnapshotIndex(ctx_.settings.Text(keys::kSnapShotNumber, "", 260));
  for (int n = 1; n <= kMostSnapshots; ++n) dialog.AddItem(IDC_MISC_SNAPSHOT_LIST, DecimalText(n));
  dialog.Select(IDC_MISC_SNAPSHOT_LIST, snapshots);

  std::string file = ctx_.settings.Text(keys::kTimeShiftFileRoot, "", kPathCapacity);
  if (file.empty()) {
    file = kDefaultTimeShiftFile;
    ctx_.settings.Write(keys::kTimeShiftFileRoot, file);
  }
  dialog.SetText(IDC_MISC_PATH_EDIT, file);

  if (ctx_.settings.Text(keys::kAlwaysOnTop).empty())
    ctx_.settings.Write(keys::kAlwaysOnTop, keys::kFalse);
  dialog.Check(IDC_MISC_ALWAYS_ON_TOP, ctx_.settings.IsTrue(keys::kAlwaysOnTop));
  panel::ApplyAlwaysOnTop(ctx_);

  const bool lines525 = keys::Is525LineStandard(ctx_.settings.Int(keys::kVideoStandard, 0));
  const auto sizes = lines525 ? std::span<const char* const>(kTimeShiftSizes525)
                              : std::span<const char* const>(kTimeShiftSizes625);
  for (const char* size : sizes) dialog.AddItem(IDC_MISC_SIZE_LIST, size);
  SelectStoredOrFirst(ctx_, dialog, IDC_MISC_SIZE_LIST, keys::kTimeShiftSize, sizes[0]);
  for (const char* rate : kTimeShiftRates) dialog.AddItem(IDC_MISC_BITRATE_LIST, rate);
  SelectStoredOrFirst(ctx_, dialog, IDC_MISC_BITRATE_LIST, keys::kTimeShiftBitRate,
                      kTimeShiftRates[0]);
}

void MiscPage::OnCommand(DialogControls& dialog, int control, int notification, std::intptr_t) {
  if (commands::ScanRuns(ctx_.mode) || control < IDC_MISC_TIME_LIST ||
      control > IDC_MISC_BITRATE_LIST || !commands::FindVideoWindow(ctx_))
    return;
  for (const auto& list : kTextLists) {
    if (list.control != control) continue;
    // Focus and drop-down notifications of a list without a choice store nothing.
    const int index = dialog.Selection(control);
    if ((list.onSelectionChangeOnly && notification != kCbnSelChange) || index < 0) return;
    ctx_.settings.Write(*list.key,
                        dialog.ItemText(control, index).substr(0, list.key->capacity - 1));
    return;
  }
  switch (control) {
    case IDC_MISC_DELETE_TEMP_CHECK: {
      const bool checked = dialog.IsChecked(control);
      ctx_.timeShift.deleteTempFlag = checked ? 1 : 0;
      ctx_.settings.WriteFlag(keys::kDeleteTempFile, checked);
      break;
    }
    case IDC_MISC_SNAPSHOT_LIST: {
      const int index = dialog.Selection(control);
      if (index >= 0) ctx_.settings.Write(keys::kSnapShotNumber, index + 1);
      break;
    }
    case IDC_MISC_PATH_EDIT:
      if (notification == kEnUpdate)
        ctx_.settings.Write(keys::kTimeShiftFileRoot, dialog.Text(control, kPathCapacity));
      break;
    case IDC_MISC_BROWSE: {
      std::string folder = dialog.Text(IDC_MISC_PATH_EDIT, kPathCapacity);
      if (!ChooseFolder(ctx_, dialog.Window(), folder)) break;
      // A path that would not fit the edit's buffer would be stored cut off: keep the old one.
      const std::string file = TimeShiftFileIn(folder);
      if (file.size() >= kPathCapacity) break;
      ctx_.settings.Write(keys::kTimeShiftFileRoot, file);
      dialog.SetText(IDC_MISC_PATH_EDIT, file);
      break;
    }
    case IDC_MISC_ALWAYS_ON_TOP:
      ctx_.settings.WriteFlag(keys::kAlwaysOnTop, dialog.IsChecked(control));
      panel::ApplyAlwaysOnTop(ctx_);
      break;
    default:
      break;
  }
}

}  // namespace tv::settings
