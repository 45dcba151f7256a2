// The channel-name dialog's procedure: its start and its buttons go to the behaviour
// (src/tuning/side_list.cpp). Save keeps the dialog open; Close, Escape and the close box end it.
#include <windows.h>

#include "tuning/side_list.h"
#include "win32/platform/win32_dialog.h"

namespace tv::win32 {
namespace {

INT_PTR CALLBACK ChannelNameProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
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
    Win32Dialogs::Register(tuning::kChannelNameTemplate, ChannelNameProcedure);

}  // namespace
}  // namespace tv::win32
