#pragma once
// The panel window's procedure: unpacks each message and calls one entry point of the
// behaviour. It decides nothing.

#include <windows.h>

#include "app/panel_context.h"
#include "win32/platform/win32_platform.h"

namespace tv::win32 {

// The context the procedure routes to; set before the window is created, because WM_CREATE
// arrives during CreateWindowEx.
void AttachPanel(PanelContext* ctx, Win32Platform* platform);
LRESULT CALLBACK PanelWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tv::win32
