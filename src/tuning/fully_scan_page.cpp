#include "tuning/fully_scan_page.h"

#include <cstdlib>
#include <span>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "tuning/channel_store.h"
#include "tuning/scanning.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {
namespace {

using panel::Caption;

constexpr int kMostEntries = 255;
constexpr std::uint32_t kEditCapacity = 260;
constexpr int kListSelectionChanged = 1;  // LBN_SELCHANGE

constexpr struct {
  int control;
  Caption caption;
} kCaptions[] = {
    {IDC_FSP_USE_CHECK, Caption::IDCCHECKFULLYSCAN},
    {IDC_FSP_MIN_LABEL, Caption::IDCSTATICFMIN},
    {IDC_FSP_MAX_LABEL, Caption::IDCSTATICFMAX},
    {IDC_FSP_SCAN, Caption::IDCBFUSCAN},
    {IDC_FSP_EDIT_GROUP, Caption::IDCSTATICCE},
    {IDC_FSP_LIST_LABEL, Caption::IDCSTATICCL},
    {IDC_FSP_NUMBER_LABEL, Caption::IDCSTATICCN},
    {IDC_FSP_NAME_LABEL, Caption::IDCSTATICKI},
    {IDC_FSP_FREQUENCY_LABEL, Caption::IDCSTATICFRE},
    {IDC_FSP_STORE, Caption::IDCSAVEFREQSET},
    {IDC_FSP_REMOVE, Caption::IDCFUSCDEL},
};

constexpr int kEntryControls[] = {IDC_FSP_NUMBER_EDIT, IDC_FSP_NAME_EDIT,   IDC_FSP_FREQUENCY_EDIT,
                                  IDC_FSP_PLUS_10K,    IDC_FSP_MINUS_10K,   IDC_FSP_PLUS_50K,
                                  IDC_FSP_MINUS_50K,   IDC_FSP_PLUS_250K,   IDC_FSP_MINUS_250K,
                                  IDC_FSP_PLUS_1250K,  IDC_FSP_MINUS_1250K, IDC_FSP_STORE,
                                  IDC_FSP_REMOVE};

constexpr struct {
  int control;
  std::int64_t stepHz;
} kSteps[] = {
    {IDC_FSP_PLUS_10K, 10000},     {IDC_FSP_MINUS_10K, -10000},     {IDC_FSP_PLUS_50K, 50000},
    {IDC_FSP_MINUS_50K, -50000},   {IDC_FSP_PLUS_250K, 250000},     {IDC_FSP_MINUS_250K, -250000},
    {IDC_FSP_PLUS_1250K, 1250000}, {IDC_FSP_MINUS_1250K, -1250000},
};

// Leading decimal digits as the edits' users type them; anything else reads as 0. Kept far
// inside 64 bits so that a step can never overflow.
std::int64_t Number(const std::string& text) {
  constexpr long long kLimit = 1000000000000000LL;
  const long long value = std::strtoll(text.c_str(), nullptr, 10);
  return value > kLimit ? kLimit : value < -kLimit ? -kLimit : value;
}

void EnableAll(DialogControls& dialog, std::span<const int> controls, bool enabled) {
  for (int c : controls) dialog.Enable(c, enabled);
}

void EnableEntry(DialogControls& dialog, bool enabled) {
  EnableAll(dialog, kEntryControls, enabled);
}

std::string IndexOf(const std::string& entry) {
  return entry.substr(0, entry.find(':'));
}

std::string EntryText(const std::string& index, const std::string& freq, const std::string& name) {
  return index + ":" + freq + "=" + name;
}

}  // namespace

std::string SteppedFrequencyText(const std::string& edit, std::int64_t stepHz,
                                 const std::string& minText, const std::string& maxText) {
  const std::int64_t lo = Number(minText), hi = Number(maxText);
  std::int64_t f = Number(edit);
  if (stepHz > 0) {
    if (f <= 0)
      f = lo;
    else if (f < lo)
      return minText;
    f += stepHz;
    return f >= hi ? maxText : DecimalText(f);
  }
  if (f <= 0) f = lo;
  if (f > hi) return maxText;
  f += stepHz;
  return f <= lo ? minText : DecimalText(f);
}

void FullyScanPage::OnInit(DialogControls& dialog) {
  for (const auto& c : kCaptions) dialog.SetText(c.control, ctx_.layout.Text(c.caption));
  const IniFile& ini = ctx_.settings;
  dialog.SetText(IDC_FSP_MIN_EDIT, ini.Text(keys::kMinFreq));
  dialog.SetText(IDC_FSP_MAX_EDIT, ini.Text(keys::kMaxFreq));
  if (ini.Text(keys::kUseFullScan).empty()) ini.WriteFlag(keys::kUseFullScan, false);
  const bool on = FullScanMode(ini);
  dialog.Check(IDC_FSP_USE_CHECK, on);
  dialog.Enable(IDC_FSP_SCAN, on);
  dialog.Enable(IDC_FSP_LIST, on);
  EnableEntry(dialog, false);
  if (on) Fill(dialog);
}

void FullyScanPage::OnCommand(DialogControls& dialog, int control, int notification,
                              std::intptr_t) {
  const ModeFlags& m = ctx_.mode;
  if (m.airScan == 1 || m.cableScan == 1 || m.fmScan == 1) return;
  if (!commands::FindVideoWindow(ctx_)) return;
  for (const auto& s : kSteps)
    if (control == s.control) return Step(dialog, s.stepHz);
  switch (control) {
    case IDC_FSP_USE_CHECK:
      if (notification == kBnClicked) CheckBox(dialog);
      break;
    case IDC_FSP_SCAN:
      Scan(dialog);
      break;
    case cmd::kSheetFullScanClosed:
      Refill(dialog);
      break;
    case IDC_FSP_LIST:
      if (notification == kListSelectionChanged) Chosen(dialog);
      break;
    case IDC_FSP_STORE:
      Store(dialog);
      break;
    case IDC_FSP_REMOVE:
      Remove(dialog);
      break;
    default:
      break;
  }
}

void FullyScanPage::Fill(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  dialog.ResetItems(IDC_FSP_LIST);
  count_ = FullScanCount(ini);
  for (int k = 1; k <= count_ && k <= kMostEntries; ++k) {
    dialog.AddItem(IDC_FSP_LIST, EntryText(DecimalText(k), ini.Text(keys::kFullScanList, k, ""),
                                           ini.Text(keys::kFullScanNames, k, "")));
  }
  dialog.Redraw(IDC_FSP_LIST);
}

// The first entry is tuned the way a click on it would, by the list's own notification.
void FullyScanPage::SelectFirst(DialogControls& dialog) {
  dialog.Select(IDC_FSP_LIST, 0);
  ctx_.os.messenger.Post(dialog.Window(), kWmCommand,
                         IDC_FSP_LIST | (std::uintptr_t{kListSelectionChanged} << 16), 0);
}

void FullyScanPage::CheckBox(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  if (dialog.IsChecked(IDC_FSP_USE_CHECK)) {
    ini.WriteFlag(keys::kUseFullScan, true);
    dialog.Enable(IDC_FSP_SCAN, true);
    dialog.Enable(IDC_FSP_LIST, true);
    EnableEntry(dialog, false);
    Fill(dialog);
    if (count_ > 0) {
      SelectFirst(dialog);
    } else {
      Scan(dialog);
      ini.Write(keys::kFullScanDone, keys::kTrue);
    }
  } else {
    ini.WriteFlag(keys::kUseFullScan, false);
    dialog.Enable(IDC_FSP_SCAN, false);
    dialog.Enable(IDC_FSP_LIST, false);
    EnableEntry(dialog, false);
    const WindowRef video = commands::FindVideoWindow(ctx_);
    const bool air = ctx_.mode.airBand == 1;
    const int channel = ini.Int(ChannelKey(air ? Band::Air : Band::Cable));
    panel::DrawChannelNumber(ctx_, channel);
    panel::DrawSourceLabel(ctx_, air ? 1 : 2);
    PostCommand(ctx_.os.messenger, video, cmd::kVideoTuneChannel, channel);
  }
  PostCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kRefillChannelList, 0);
}

// No question here: the page's button is the user's answer. The list is filled again when the
// state dialog's 47002 comes back through the sheet.
void FullyScanPage::Scan(DialogControls& dialog) {
  dialog.Enable(IDC_FSP_SCAN, false);
  EnableEntry(dialog, false);
  RunFullScan(ctx_, dialog.Window());
}

void FullyScanPage::Refill(DialogControls& dialog) {
  dialog.Enable(IDC_FSP_SCAN, true);
  dialog.Enable(IDC_FSP_LIST, true);
  Fill(dialog);
  if (count_ > 0)
    SelectFirst(dialog);
  else
    ctx_.settings.WriteFlag(keys::kUseFullScan, false);
}

void FullyScanPage::Chosen(DialogControls& dialog) {
  const int selected = dialog.Selection(IDC_FSP_LIST);
  if (selected < 0) return;
  const IniFile& ini = ctx_.settings;
  EnableEntry(dialog, true);
  const std::string index = IndexOf(dialog.ItemText(IDC_FSP_LIST, selected));
  const std::string freq =
      ini.RawText(keys::kFullScanList.name, index.c_str(), "", keys::kTextCapacity);
  const std::string name = ini.RawText(keys::kFullScanNames.name, index.c_str(),
                                       keys::kNoNameFullScan, keys::kTextCapacity);
  dialog.SetText(IDC_FSP_NUMBER_EDIT, index);
  dialog.SetText(IDC_FSP_FREQUENCY_EDIT, freq);
  dialog.SetText(IDC_FSP_NAME_EDIT, name == keys::kNoNameFullScan ? "" : name);
  const WindowRef video = commands::FindVideoWindow(ctx_);
  const int number = static_cast<int>(Number(index));
  PostCommand(ctx_.os.messenger, video, cmd::kVideoTuneFrequency,
              static_cast<std::intptr_t>(Number(freq) / 10000));
  PostCommand(ctx_.os.messenger, video, cmd::kVideoShowIndex, number);
  panel::DrawChannelNumber(ctx_, number);
  ini.Write(keys::kFullScanNow, index);
}

void FullyScanPage::Step(DialogControls& dialog, std::int64_t stepHz) {
  const IniFile& ini = ctx_.settings;
  const std::string shown =
      SteppedFrequencyText(dialog.Text(IDC_FSP_FREQUENCY_EDIT, kEditCapacity), stepHz,
                           ini.Text(keys::kMinFreq), ini.Text(keys::kMaxFreq));
  dialog.SetText(IDC_FSP_FREQUENCY_EDIT, shown);
  PostCommand(ctx_.os.messenger, commands::FindVideoWindow(ctx_), cmd::kVideoTuneFrequency,
              static_cast<std::intptr_t>(Number(shown) / 10000));
}

// The key is the number as typed: "07" and "7" are two keys, as the video window program reads
// them; only the count follows the number's value.
void FullyScanPage::Store(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  const std::string typed = dialog.Text(IDC_FSP_NUMBER_EDIT, kEditCapacity);
  const std::int64_t n = Number(typed);
  if (n < 1 || n > kMostEntries) return;
  const int count = FullScanCount(ini);
  if (n > count) ini.Write(keys::kFullScanCount, count + 1);
  const std::string freq = dialog.Text(IDC_FSP_FREQUENCY_EDIT, kEditCapacity);
  const std::string name = dialog.Text(IDC_FSP_NAME_EDIT, kEditCapacity);
  ini.RawWrite(keys::kFullScanList.name, typed.c_str(), freq.c_str());
  ini.RawWrite(keys::kFullScanNames.name, typed.c_str(), name.c_str());
  dialog.SetText(IDC_FSP_NUMBER_EDIT, typed);
  const std::string entry = EntryText(typed, freq, name);
  if (n <= count) {
    const int selected = dialog.Selection(IDC_FSP_LIST);
    if (selected >= 0) {
      dialog.DeleteItem(IDC_FSP_LIST, selected);
      dialog.InsertItem(IDC_FSP_LIST, selected, entry);
    }
  } else {
    ClearEntry(dialog);
    dialog.Select(IDC_FSP_LIST, -1);
    dialog.AddItem(IDC_FSP_LIST, entry);
  }
  PostCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kRefillChannelList, 0);
}

void FullyScanPage::Remove(DialogControls& dialog) {
  const int items = dialog.ItemCount(IDC_FSP_LIST);
  const int selected = dialog.Selection(IDC_FSP_LIST);
  if (items < 1 || selected < 0 || selected > items) return;
  const std::int64_t index = Number(IndexOf(dialog.ItemText(IDC_FSP_LIST, selected)));
  if (index < 1 || index > kMostEntries || index > count_) return;
  const IniFile& ini = ctx_.settings;
  const int i = static_cast<int>(index);
  ini.Delete(keys::kFullScanList, i);
  ini.Delete(keys::kFullScanNames, i);
  dialog.DeleteItem(IDC_FSP_LIST, selected);
  CompactFullScanList(ini, i);
  Fill(dialog);
  ClearEntry(dialog);
  PostCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kRefillChannelList, 0);
}

void FullyScanPage::ClearEntry(DialogControls& dialog) {
  for (int c : {IDC_FSP_NUMBER_EDIT, IDC_FSP_NAME_EDIT, IDC_FSP_FREQUENCY_EDIT})
    dialog.SetText(c, "");
}

}  // namespace tv::tuning
