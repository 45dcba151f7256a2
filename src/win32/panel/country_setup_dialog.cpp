// The first-start setup dialog's procedure: every message it reacts to goes to the behaviour
// (src/tuning/country_setup.cpp). Escape and the close request arrive as the Cancel command,
// which the behaviour ignores, so only OK ends the dialog.
#include <windows.h>

#include "tuning/country_setup.h"
#include "win32/platform/win32_dialog.h"

namespace tv::win32 {
namespace {

INT_PTR CALLBACK CountrySetupProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogHandler* handler = HandlerOf(dialog, message, lParam);
  if (handler == nullptr) return FALSE;
  Win32DialogControls controls(dialog);
  switch (message) {
    case WM_INITDIALOG:
      handler->OnInit(controls);
      return TRUE;
    case WM_COMMAND:
      handler->OnCommand(controls, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

[[maybe_unused]] const bool kRegistered =
    Win32Dialogs::Register(tuning::kCountrySetupTemplate, CountrySetupProcedure);

}  // namespace
}  // namespace tv::win32
