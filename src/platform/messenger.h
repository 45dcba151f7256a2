#pragma once
// Window messages between the panel and its peers (the video window program, its playback
// window, the schedule program) and to the panel itself.

#include <cstdint>
#include "platform/handles.h"

namespace tv {

inline constexpr std::uint32_t kWmNull = 0x0000;
inline constexpr std::uint32_t kWmDestroy = 0x0002;
inline constexpr std::uint32_t kWmPaint = 0x000F;
inline constexpr std::uint32_t kWmClose = 0x0010;
inline constexpr std::uint32_t kWmSysCommand = 0x0112;
inline constexpr std::uint32_t kWmLButtonDblClk = 0x0203;
inline constexpr std::uintptr_t kScDragMove = 0xF012;  // SC_MOVE + HTCAPTION: the system drags
inline constexpr std::uint32_t kWmCommand = 0x0111;    // 273: wParam low word = id, lParam = value
inline constexpr std::uint32_t kWmTimer = 0x0113;      // wParam = timer id

class Messenger {
 public:
  virtual ~Messenger() = default;

  // A top-level window by class and title; a null name matches any.
  virtual WindowRef Find(const char* className, const char* title) = 0;
  // Asynchronous: queued for the receiver. False when the window is gone.
  virtual bool Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;
  // Synchronous: returns the receiver's result. Re-entrant: the receiver may send back to us
  // before this returns (the peer answers query 42227 this way).
  virtual std::intptr_t Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
};

inline bool PostCommand(Messenger& m, WindowRef to, std::uint16_t id, std::intptr_t lParam) {
  return m.Post(to, kWmCommand, id, lParam);
}
inline std::intptr_t SendCommand(Messenger& m, WindowRef to, std::uint16_t id,
                                 std::intptr_t lParam) {
  return m.Send(to, kWmCommand, id, lParam);
}

}  // namespace tv
