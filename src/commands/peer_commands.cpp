#include "commands/peer_commands.h"

#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"

namespace tv::commands {
namespace {

void PeerReady(PanelContext& ctx, std::intptr_t) {
  ctx.mode.videoBusy = 0;
}

void RadioAnswer(PanelContext& ctx, std::intptr_t lParam) {
  ctx.mode.peerAnswer = static_cast<int>(lParam & 0xFFFF);
}

void PeerReselectSource(PanelContext& ctx, std::intptr_t) {
  ReselectStoredSource(ctx);
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kPeerEndProgram, PeerEndProgram},
    {cmd::kPeerReady, PeerReady},
    {cmd::kQueryRadio, RadioAnswer},
    {cmd::kPeerReselectSource, PeerReselectSource},
};

}  // namespace

void PeerEndProgram(PanelContext& ctx, std::intptr_t) {
  if (ScanRuns(ctx.mode)) return;
  ctx.os.windows.Destroy(ctx.windows.panel);
}

HandlerTable PeerCommandHandlers() {
  return kHandlers;
}

}  // namespace tv::commands
