#include "tuning/scan_state_dialog.h"

#include <string>

#include "base/settings_file.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {
namespace {

using panel::Caption;

constexpr const char* kFound = "FOUND";
constexpr const char* kNotFound = "NOT FOUND";

constexpr struct {
  int control;
  Caption caption;
} kCaptions[] = {
    {IDC_FSS_TIME_LABEL, Caption::IDCTAKETIME},
    {IDC_FSS_FREQUENCY_LABEL, Caption::IDCSTATICFNOW},
    {IDC_FSS_STATE_LABEL, Caption::IDCSTATICFOUND},
    {kIdDialogOk, Caption::IDOKSTARTSCAN},
    {kIdDialogCancel, Caption::IDCANCELSTOPSCAN},
};

void ShowRunning(DialogControls& dialog, bool running) {
  dialog.Enable(kIdDialogOk, !running);
  dialog.Enable(kIdDialogCancel, running);
}

}  // namespace

std::string ScanFrequencyText(std::intptr_t lParam) {
  return DecimalText(static_cast<long long>(static_cast<std::int32_t>(lParam)) * 10000);
}

void ScanStateDialog::OnInit(DialogControls& dialog) {
  dialog.SetTitle(ctx_.layout.Text(Caption::IDD_DFREQSCANCAPTION));
  for (const auto& c : kCaptions) dialog.SetText(c.control, ctx_.layout.Text(c.caption));
  ShowRunning(dialog, false);
  dialog.SetText(IDC_FSS_FREQUENCY_EDIT, "0");
  dialog.SetText(IDC_FSS_STATE_EDIT, kNotFound);
}

void ScanStateDialog::OnCommand(DialogControls& dialog, int control, int, std::intptr_t lParam) {
  switch (control) {
    case kIdDialogOk:
      ShowRunning(dialog, true);
      PostCommand(ctx_.os.messenger, commands::FindVideoWindow(ctx_), cmd::kVideoFullScanState, 1);
      break;
    case kIdDialogCancel:
      Stop(dialog);
      break;
    case cmd::kScanDialogFrequency:
      dialog.SetText(IDC_FSS_FREQUENCY_EDIT, ScanFrequencyText(lParam));
      break;
    case cmd::kScanDialogFound:
      dialog.SetText(IDC_FSS_STATE_EDIT, lParam != 0 ? kFound : kNotFound);
      break;
    default:
      break;
  }
}

void ScanStateDialog::Stop(DialogControls& dialog) {
  ctx_.mode.scanDialogOpen = 0;
  ShowRunning(dialog, false);
  PostCommand(ctx_.os.messenger, commands::FindVideoWindow(ctx_), cmd::kVideoFullScanState, 0);
  dialog.Close(kIdDialogCancel);
  // The sheet passes the command on to the page it shows; the fully scan page refills its list.
  const std::string sheetTitle = ctx_.layout.Text(Caption::ALLSETTINGS);
  PostCommand(ctx_.os.messenger, ctx_.os.messenger.Find(nullptr, sheetTitle.c_str()),
              cmd::kSheetFullScanClosed, 0);
  PostCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kRefillChannelList, 0);
}

}  // namespace tv::tuning
