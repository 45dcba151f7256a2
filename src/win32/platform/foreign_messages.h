#pragma once
// Messages whose parameters carry an address are only believed when this thread produced them.
// Any process may post or send the panel's windows any message with any number as lParam, and
// the system passes WM_NOTIFY, WM_TIMER's procedure and WM_INITDIALOG's argument through
// unchecked: a number from another process is no address in this one.
#include <windows.h>

#include <cstddef>

namespace tv::win32 {

// True when [address, address + size) is committed memory of this process that may be read.
bool ReadableHere(const void* address, std::size_t size);

// The notification a window procedure may read: sent (not posted) from this thread, by the
// window it names as sender, which must be one of `own`, or, with a dialog given, one of the
// dialog's controls or the window that holds it (a page's sheet). Null for anything else.
const NMHDR* OwnNotification(LPARAM lParam, std::size_t size, HWND ownA, HWND ownB,
                             HWND dialog = nullptr);

// A queued message that would be harmful to dispatch: a timer message to the panel window
// naming a procedure (the panel's timers have none; a dispatch would call the number). The
// message loop drops these. (Queued notifications are checked where they are read.)
bool IsForgedQueuedMessage(const MSG& message, HWND panel);

}  // namespace tv::win32
