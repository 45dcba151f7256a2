#include "win32/panel/window_procedure.h"

#include <commctrl.h>
#include <windowsx.h>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "panel/panel_timers.h"
#include "panel/panel_window.h"
#include "panel/tooltips.h"
#include "win32/platform/foreign_messages.h"

namespace tv::win32 {
namespace {

PanelContext* g_ctx = nullptr;
Win32Platform* g_platform = nullptr;

// Only the panel's own list views are listened to, and only what they send from this thread:
// the largest notification read here is the list view's.
LRESULT OnNotify(PanelContext& ctx, LPARAM lParam) {
  const NMHDR* own = OwnNotification(lParam, sizeof(NMLISTVIEW), ToHwnd(ctx.windows.downList),
                                     ToHwnd(ctx.windows.sideList));
  if (own == nullptr) return 0;
  const NMHDR& header = *own;
  const bool fromDown = FromHwnd(header.hwndFrom) == ctx.windows.downList;
  const panel::ListSource list = fromDown ? panel::ListSource::Down : panel::ListSource::Side;
  switch (header.code) {
    case LVN_KEYDOWN:
      panel::OnListKeyDown(ctx, list, reinterpret_cast<const NMLVKEYDOWN*>(lParam)->wVKey);
      break;
    case LVN_ITEMACTIVATE:
      panel::OnListActivate(ctx, list);
      break;
    case LVN_COLUMNCLICK:
      if (fromDown)
        panel::OnListColumnClick(ctx, reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
      break;
    case NM_RCLICK: {
      const bool selected = SendMessageA(header.hwndFrom, LVM_GETSELECTIONMARK, 0, 0) >= 0;
      panel::OnListRightClick(ctx, list, selected);
      break;
    }
    default:
      break;
  }
  return 0;
}

}  // namespace

void AttachPanel(PanelContext* ctx, Win32Platform* platform) {
  g_ctx = ctx;
  g_platform = platform;
}

LRESULT CALLBACK PanelWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_ctx == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  PanelContext& ctx = *g_ctx;
  switch (message) {
    case WM_CREATE:
      ctx.windows.panel = FromHwnd(hwnd);
      g_platform->SetPanel(hwnd);
      panel::OnCreate(ctx);
      return 0;
    case WM_DESTROY:
      panel::OnDestroy(ctx);
      PostQuitMessage(0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      g_platform->graphics.SetPaintContext(dc);
      panel::OnPaint(ctx);
      g_platform->graphics.SetPaintContext(nullptr);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_NOTIFY:
      return OnNotify(ctx, lParam);
    case WM_KEYDOWN:
      panel::OnKeyDown(ctx, static_cast<std::uint32_t>(wParam));
      return 0;
    case WM_COMMAND:
      if (commands::OnCommand(ctx, LOWORD(wParam), lParam)) return 0;
      break;
    case WM_TIMER:
      panel::OnTimer(ctx, static_cast<std::uint32_t>(wParam));
      return 0;
    case WM_MOUSEMOVE:
      panel::OnMouseMove(ctx, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
      return 0;
    case WM_LBUTTONDOWN:
      panel::OnLButtonDown(ctx, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
      return 0;
    case WM_LBUTTONUP:
      panel::OnLButtonUp(ctx, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
      return 0;
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
      return 0;
    case WM_HOTKEY:
      panel::OnHotKey(ctx, static_cast<int>(wParam));
      return 0;
    case cmd::kTrayCallbackMessage:
      panel::OnTrayMessage(ctx, static_cast<std::uint32_t>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace tv::win32
