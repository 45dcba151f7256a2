// The yardstick for the panel's start-up: a program that only registers a class and opens a
// popup window of the panel's size, then waits to be closed.
#include <windows.h>

static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "Minimal Window";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "Minimal Window", "Minimal", WS_POPUP | WS_VISIBLE, 239, 552,
                                547, 176, nullptr, nullptr, instance, nullptr);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
