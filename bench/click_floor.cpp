// The floor of the click benchmark: a bare window that, when clicked, posts the card the same
// tune command the panel's channel-up ends in. Whatever the panel adds on top is its own cost.
#include <windows.h>

namespace {

constexpr UINT kTuneCommand = 8000;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONUP:
      if (HWND card = FindWindowA("Brivanta Tovix", "Tv"))
        PostMessageA(card, WM_COMMAND, kTuneCommand, 5);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  windowClass.lpszClassName = "Click Floor";
  if (RegisterClassA(&windowClass) == 0) return 1;
  // Top left, away from the panel at the bottom of the screen.
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "Click Floor", "Floor", WS_POPUP | WS_VISIBLE, 0, 0,
                                120, 80, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
