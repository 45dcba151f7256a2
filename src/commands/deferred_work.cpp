#include "commands/deferred_work.h"

#include "tuning/side_list.h"

namespace tv::commands {

// Each body stays empty until its feature lands; the callers already run at the right moment.
// The channel and adjustment work lives in channel_commands.cpp and adjust_commands.cpp; the
// file list's sort in captured_files.cpp.

void TuneSideListChannel(PanelContext& ctx) {
  tuning::ActivateSideListEntry(ctx);
}

void OpenChannelNameDialog(PanelContext& ctx) {
  tuning::RunChannelNameDialog(ctx);
}

}  // namespace tv::commands
