#include "commands/deferred_work.h"

namespace tv::commands {

// Each body stays empty until its feature lands; the callers already run at the right moment.
// The channel and adjustment work lives in channel_commands.cpp and adjust_commands.cpp.

void SortFileList(PanelContext&, int) {}      // the captured-files browser owns its sort order
void TuneSideListChannel(PanelContext&) {}    // the channel list view owns its items
void OpenChannelNameDialog(PanelContext&) {}  // the channel list view owns the name dialog

}  // namespace tv::commands
