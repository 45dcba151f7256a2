// card_command ID [LPARAM]: posts WM_COMMAND ID to the simulated card's video window, as the
// panel would. The end-to-end tests use it for card features whose panel command is not theirs
// to test. Exits 0 when posted, 1 without the window, 2 on a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "app/panel_context.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: card_command ID [LPARAM]\n");
    return 2;
  }
  HWND card = FindWindowA(tv::kVideoClass, tv::kVideoTitle);
  if (card == nullptr) return 1;
  const auto id = static_cast<WPARAM>(std::strtoul(argv[1], nullptr, 10) & 0xFFFF);
  const LPARAM value = argc > 2 ? static_cast<LPARAM>(std::strtol(argv[2], nullptr, 10)) : 0;
  return PostMessageA(card, WM_COMMAND, id, value) ? 0 : 1;
}
