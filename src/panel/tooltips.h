#pragma once
// Tooltips of the 48 buttons, the notification-area icon and its menu, the captured-file menu.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::panel {

inline constexpr int kTrayIconId = 108;
inline constexpr int kTrayMenu = 133;
inline constexpr int kFileMenu = 412;
enum class TrayOperation { Add = 0, Remove = 2 };

void CreateTooltips(PanelContext& ctx);
// Only when the control exists: destroyed and created again for new rectangles or texts.
void RebuildTooltips(PanelContext& ctx);
void TrayIcon(PanelContext& ctx, TrayOperation operation);
void OnTrayMessage(PanelContext& ctx, std::uint32_t mouseMessage);
// fileListHasSelection: the captured-files list's selection mark is 0 or more.
void ShowFileMenu(PanelContext& ctx, bool fileListHasSelection);

}  // namespace tv::panel
