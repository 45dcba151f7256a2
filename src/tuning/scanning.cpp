#include "tuning/scanning.h"

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/video_window.h"
#include "tuning/channel_store.h"
#include "tuning/scan_state_dialog.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {
namespace {

using panel::Caption;

bool Ask(PanelContext& ctx, Caption text, Caption title) {
  return ctx.os.messageBoxes.Show(ctx.windows.panel, ctx.layout.Text(text).c_str(),
                                  ctx.layout.Text(title).c_str(), kScanQuestionStyle) == kIdOk;
}

// What differs between the two TV bands' scans.
struct BandScan {
  int ModeFlags::*flag;
  const keys::Key& alreadyScan;
  std::uint16_t command;
  Caption startText, startTitle, stopText, stopTitle;
};

const BandScan kAirScan{&ModeFlags::airScan,   keys::kAirAlreadyScan, cmd::kVideoScanAir,
                        Caption::AUTOSCANAMB,  Caption::AUTOSCANAMBC, Caption::AUTOSCANAMBS,
                        Caption::AUTOSCANAMBCS};
const BandScan kCableScan{&ModeFlags::cableScan, keys::kCableAlreadyScan, cmd::kVideoScanCable,
                          Caption::AUTOSCANCMB,  Caption::AUTOSCANCMBC,   Caption::AUTOSCANCMBS,
                          Caption::AUTOSCANCMBCS};

void RefillTvPage(PanelContext& ctx) {
  if (ctx.windows.tvPage)
    PostCommand(ctx.os.messenger, ctx.windows.tvPage, cmd::kTvPageScanEnded, 0);
}

void ScanFm(PanelContext& ctx) {
  if (ctx.mode.fmScan == 0) {
    ctx.mode.videoBusy = 1;
    if (!Ask(ctx, Caption::AUTOSCANFMB, Caption::AUTOSCANFMBC)) {
      ctx.mode.videoBusy = 0;
      return;
    }
    const WindowRef video = commands::FindVideoWindow(ctx);
    ctx.mode.fmScan = 1;
    ctx.settings.DeleteSection(keys::kFmList);
    PostCommand(ctx.os.messenger, video, cmd::kVideoScanFm, 1);
  } else if (Ask(ctx, Caption::AUTOSCANFMBS, Caption::AUTOSCANFMBCS)) {
    ctx.mode.fmScan = 0;
    PostCommand(ctx.os.messenger, commands::FindVideoWindow(ctx), cmd::kVideoScanFm, 0);
  }
}

void ScanTvBand(PanelContext& ctx) {
  const WindowRef video = commands::FindVideoWindow(ctx);
  const BandScan& scan = CurrentBand(ctx.mode) == Band::Air ? kAirScan : kCableScan;
  int& flag = ctx.mode.*scan.flag;
  if (flag == 0) {
    ctx.mode.videoBusy = 1;
    if (!Ask(ctx, scan.startText, scan.startTitle)) {
      RefillTvPage(ctx);
      ctx.mode.videoBusy = 0;
      return;
    }
    flag = 1;
    // Written before the card starts, so a scan stopped early is not offered again at launch.
    ctx.settings.Write(scan.alreadyScan, keys::kTrue);
    PostCommand(ctx.os.messenger, video, scan.command, 1);
  } else if (Ask(ctx, scan.stopText, scan.stopTitle)) {
    flag = 0;
    PostCommand(ctx.os.messenger, video, scan.command, 0);
    RefillTvPage(ctx);
  }
}

void Scan(PanelContext& ctx, std::intptr_t) {
  ScanCommand(ctx);
}

constexpr commands::CommandHandler kHandlers[] = {{cmd::kScan, Scan}};

}  // namespace

void RunFullScan(PanelContext& ctx, WindowRef owner) {
  ctx.settings.DeleteSection(keys::kFullScanList);
  ctx.settings.DeleteSection(keys::kFullScanNames);
  ScanStateDialog dialog(ctx);
  ctx.os.dialogs.RunModal(IDD_FULLY_SCAN_STATE, owner, dialog);
  ctx.settings.Write(keys::kFullScanDone, keys::kTrue);
}

void ScanCommand(PanelContext& ctx) {
  if (ctx.mode.tvClosed == 1 || ctx.mode.videoInput == 1) return;
  if (FullScanMode(ctx.settings) && ctx.mode.fmMode == 0) {
    if (!Ask(ctx, Caption::FULLYSCANFMB, Caption::FULLYSCANFMBC)) return;
    ctx.mode.scanDialogOpen = 1;
    RunFullScan(ctx, ctx.windows.panel);
  } else if (ctx.mode.fmMode == 1) {
    ScanFm(ctx);
  } else {
    ScanTvBand(ctx);
  }
}

}  // namespace tv::tuning

namespace tv::commands {

HandlerTable ScanCommandHandlers() {
  return tuning::kHandlers;
}

}  // namespace tv::commands
