#pragma once
// The TV settings page as the video window program reaches it.

#include "app/panel_context.h"

namespace tv::tuning {

// 46103: the video program's video standard dialog has closed; the page may open it again.
void VideoStandardDialogClosed(PanelContext& ctx);

}  // namespace tv::tuning
