// The panel's commands that open its own dialogs: the settings sheet and the about box.
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/panel_commands.h"
#include "settings/settings_sheet.h"

namespace tv::commands {
namespace {

void OpenSettings(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.tvClosed != 0 || ctx.mode.fmMode != 0 || ScanRuns(ctx.mode)) return;
  // The sheet is modal, but commands still reach the panel from outside (the remote, a peer):
  // a second sheet would run the same pages twice, so the open one comes forward instead.
  if (ctx.sheet.open != 0) {
    const WindowRef open =
        ctx.os.messenger.Find(nullptr, ctx.layout.Text(panel::Caption::ALLSETTINGS).c_str());
    if (open) ctx.os.windows.BringToForeground(open);
    return;
  }
  settings::OpenSettingsSheet(ctx, ctx.windows.panel);
}

void OpenAbout(PanelContext& ctx, std::intptr_t) {
  settings::OpenAboutBox(ctx);
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kSettings, OpenSettings},
    {cmd::kAbout, OpenAbout},
};

}  // namespace

HandlerTable DialogCommandHandlers() {
  return kHandlers;
}

}  // namespace tv::commands
