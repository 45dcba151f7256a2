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
// window it names as sender, which must be one of `own`. Null for anything else.
const NMHDR* OwnNotification(LPARAM lParam, std::size_t size, HWND ownA, HWND ownB);

// A queued message that nothing in this program posts and that would be harmful to dispatch: a
// notification (controls send those, never post them), or a timer message to the panel window
// naming a procedure (the panel's timers have none; a dispatch would call the number). The
// message loop drops these.
bool IsForgedQueuedMessage(const MSG& message, HWND panel);

}  // namespace tv::win32
