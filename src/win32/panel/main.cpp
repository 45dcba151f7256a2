// Panel.exe: start-up, the window class and window, and the message loop. Every decision is
// made by the behaviour (src/app/startup.cpp); this file only calls the platform.
#include <windows.h>

#include "app/panel_context.h"
#include "app/startup.h"
#include "win32/panel/window_procedure.h"
#include "win32/platform/foreign_messages.h"
#include "win32/platform/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace tv;
  static win32::Win32Platform platform;
  static PanelContext ctx(platform.platform, Locations{});
  std::unique_ptr<TunerLibrary> tuner = MakeSystemTunerLibrary();

  if (StartUpBeforeWindow(ctx, *tuner) == StartDecision::ExitNow) return 0;

  WNDCLASSA windowClass{};
  windowClass.style = 0;
  windowClass.lpfnWndProc = win32::PanelWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(107));
  windowClass.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(132));
  windowClass.hbrBackground = nullptr;  // the panel paints its whole client area
  windowClass.lpszMenuName = "Panel";
  windowClass.lpszClassName = kPanelClass;
  if (RegisterClassA(&windowClass) == 0) return 0;

  win32::AttachPanel(&ctx, &platform);
  const Rect place = InitialWindowRect(ctx);
  HWND window = CreateWindowExA(0, kPanelClass, kPanelTitle, WS_POPUP, place.x, place.y,
                                place.width, place.height, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 0;

  StartUpAfterWindow(ctx);
  const HACCEL accelerators = platform.shell.Accelerators();

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (win32::IsForgedQueuedMessage(message, window)) continue;
    if (TranslateAcceleratorA(message.hwnd, accelerators, &message) == 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return static_cast<int>(message.wParam);
}
