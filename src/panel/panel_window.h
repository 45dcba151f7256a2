#pragma once
// The panel window's messages: start and end sequences, paint, mouse, keyboard, hot key and
// list notifications. The Win32 window procedure calls one of these per message.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::panel {

// Mouse key state bits of a mouse message's wParam.
inline constexpr std::uintptr_t kMkLButton = 0x0001;

// Virtual keys the panel reacts to.
inline constexpr std::uint32_t kVkSpace = 0x20, kVkPrior = 0x21, kVkNext = 0x22;
inline constexpr std::uint32_t kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
inline constexpr std::uint32_t kVkNumpad0 = 0x60, kVkAdd = 0x6B, kVkSubtract = 0x6D;
inline constexpr std::uint32_t kVkF4 = 0x73;
inline constexpr std::uint32_t kModAlt = 0x0001, kModControl = 0x0002;

enum class ListSource { Down, Side };

void OnCreate(PanelContext& ctx);
void OnDestroy(PanelContext& ctx);
void OnPaint(PanelContext& ctx);
void OnMouseMove(PanelContext& ctx, int x, int y, std::uintptr_t keys);
void OnLButtonDown(PanelContext& ctx, int x, int y, std::uintptr_t keys);
void OnLButtonUp(PanelContext& ctx, int x, int y, std::uintptr_t keys);
void OnKeyDown(PanelContext& ctx, std::uint32_t virtualKey);
void OnHotKey(PanelContext& ctx, int id);
// List notifications from the DownList or the SideList.
void OnListKeyDown(PanelContext& ctx, ListSource list, std::uint32_t virtualKey);
void OnListActivate(PanelContext& ctx, ListSource list);
void OnListRightClick(PanelContext& ctx, ListSource list, bool hasSelection);
void OnListColumnClick(PanelContext& ctx, int column);

// Index of the enabled button strictly under (x, y) in index order, or kNoButton.
int HitButton(const PanelContext& ctx, int x, int y);

}  // namespace tv::panel
