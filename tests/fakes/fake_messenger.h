#pragma once
// Windows and messages in a test: every post and send is logged in order; windows can be
// given a handler (a scripted peer, or the panel itself) that runs during a send — and may
// send back before the send returns — or when posted messages are dispatched.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/messenger.h"

namespace tv::fakes {

enum class Delivery { Posted, Sent };

struct LoggedMessage {
  WindowRef to;
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  Delivery delivery = Delivery::Posted;

  bool IsCommand(std::uint16_t id) const {
    return message == kWmCommand && (wParam & 0xFFFF) == id;
  }
};

using WindowHandler = std::function<std::intptr_t(std::uint32_t message, std::uintptr_t wParam,
                                                  std::intptr_t lParam)>;

class FakeMessenger : public Messenger {
 public:
  // A top-level window; without a handler it accepts and ignores everything.
  WindowRef AddWindow(std::string className, std::string title, WindowHandler handler = {});
  void SetHandler(WindowRef window, WindowHandler handler);
  void RemoveWindow(WindowRef window);  // the peer closed
  bool Exists(WindowRef window) const;

  WindowRef Find(const char* className, const char* title) override;
  bool Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::intptr_t Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;

  // Delivers queued posts, oldest first, including posts made while delivering; returns how
  // many were delivered.
  int DispatchPosted();
  std::size_t PendingPosts() const { return queue_.size(); }

  const std::vector<LoggedMessage>& Log() const { return log_; }
  std::vector<LoggedMessage> LogTo(WindowRef window) const;
  // The ids of the WM_COMMANDs that went to a window, in order.
  std::vector<std::uint16_t> CommandsTo(WindowRef window) const;
  void ClearLog() { log_.clear(); }
  int findCalls = 0;

 private:
  struct Window {
    std::string className;
    std::string title;
    WindowHandler handler;
  };
  std::map<std::uintptr_t, Window> windows_;
  std::uintptr_t nextId_ = 0x100;
  std::vector<LoggedMessage> log_;
  std::deque<LoggedMessage> queue_;
};

}  // namespace tv::fakes
