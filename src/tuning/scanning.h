#pragma once
// The panel's scan command (40044): asks first, then starts or stops the video window program's
// scan of the band shown now, or in full-scan mode runs the fully-scan state dialog, in which
// the video window program sweeps the whole band.

#include "app/panel_context.h"
#include "platform/handles.h"

namespace tv::tuning {

// The question boxes of the scans: OK and Cancel, topmost and brought to the foreground, so the
// question is seen even while the video window covers the screen.
inline constexpr std::uint32_t kScanQuestionStyle = kMbOkCancel | kMbTopmost | kMbSetForeground;

void ScanCommand(PanelContext& ctx);

// The old full-scan list and its names are deleted, the state dialog runs modally under owner
// until its stop button, and then "SCANDONE" is "TRUE" even when nothing was found.
void RunFullScan(PanelContext& ctx, WindowRef owner);

}  // namespace tv::tuning
