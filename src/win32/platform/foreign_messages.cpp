#include "win32/platform/foreign_messages.h"

#include <cstdint>

namespace tv::win32 {

bool ReadableHere(const void* address, std::size_t size) {
  auto at = reinterpret_cast<std::uintptr_t>(address);
  if (at == 0 || at + size < at) return false;
  constexpr DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                              PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  const std::uintptr_t end = at + size;
  while (at < end) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof info) == 0) return false;
    if (info.State != MEM_COMMIT || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0 ||
        (info.Protect & kReadable) == 0)
      return false;
    at = reinterpret_cast<std::uintptr_t>(info.BaseAddress) + info.RegionSize;
  }
  return true;
}

const NMHDR* OwnNotification(LPARAM lParam, std::size_t size, HWND ownA, HWND ownB, HWND dialog) {
  // Sent from another thread or process: the address belongs to the sender. A dialog's own
  // controls and sheet notify it from this thread also while the thread answers another
  // process's send (a page switched from outside), so for dialogs the checks below decide.
  if (dialog == nullptr && InSendMessage()) return nullptr;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (size < sizeof(NMHDR) || !ReadableHere(header, size)) return nullptr;
  const HWND from = header->hwndFrom;
  const bool ofDialog = dialog != nullptr && (IsChild(dialog, from) || from == GetParent(dialog));
  if (from == nullptr || (from != ownA && from != ownB && !ofDialog)) return nullptr;
  // The named control must be a live window of this thread.
  if (!IsWindow(from) || GetWindowThreadProcessId(from, nullptr) != GetCurrentThreadId())
    return nullptr;
  return header;
}

bool IsForgedQueuedMessage(const MSG& message, HWND panel) {
  constexpr UINT kWmSysTimer = 0x0118;  // the system's own timer message, dispatched alike
  return message.hwnd == panel && message.lParam != 0 &&
         (message.message == WM_TIMER || message.message == kWmSysTimer);
}

}  // namespace tv::win32
