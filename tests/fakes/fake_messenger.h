#pragma once
// Windows and messages in a test: every post and send is logged in order; a window's handler
// (a scripted peer, or the panel itself) runs during a send, and may send back before the send
// returns, or when posted messages are dispatched.

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
  WindowRef AddWindow(std::string className, std::string title, WindowHandler handler = {}) {
    const WindowRef ref{nextId_};
    nextId_ += 0x10;
    windows_[ref.id] = Window{std::move(className), std::move(title), std::move(handler)};
    return ref;
  }
  void SetHandler(WindowRef window, WindowHandler handler) {
    windows_.at(window.id).handler = std::move(handler);
  }
  void RemoveWindow(WindowRef window) { windows_.erase(window.id); }  // the peer closed

  WindowRef Find(const char* className, const char* title) override {
    for (const auto& [id, window] : windows_)
      if ((className == nullptr || window.className == className) &&
          (title == nullptr || window.title == title))
        return WindowRef{id};
    return {};
  }
  bool Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
            std::intptr_t lParam) override {
    if (windows_.count(to.id) == 0) return false;
    log_.push_back(LoggedMessage{to, message, wParam, lParam, Delivery::Posted});
    queue_.push_back(log_.back());
    return true;
  }
  std::intptr_t Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) override {
    if (windows_.count(to.id) == 0) return 0;
    log_.push_back(LoggedMessage{to, message, wParam, lParam, Delivery::Sent});
    return Deliver(to, message, wParam, lParam);
  }

  // Delivers queued posts, oldest first, including posts made while delivering.
  void DispatchPosted() {
    while (!queue_.empty()) {
      const LoggedMessage next = queue_.front();
      queue_.pop_front();
      if (windows_.count(next.to.id) != 0) Deliver(next.to, next.message, next.wParam, next.lParam);
    }
  }

  const std::vector<LoggedMessage>& Log() const { return log_; }
  std::vector<LoggedMessage> LogTo(WindowRef window) const {
    std::vector<LoggedMessage> result;
    for (const auto& m : log_)
      if (m.to == window) result.push_back(m);
    return result;
  }
  // The ids of the WM_COMMANDs that went to a window, in order.
  std::vector<std::uint16_t> CommandsTo(WindowRef window) const {
    std::vector<std::uint16_t> ids;
    for (const auto& m : LogTo(window))
      if (m.message == kWmCommand) ids.push_back(static_cast<std::uint16_t>(m.wParam & 0xFFFF));
    return ids;
  }
  void ClearLog() { log_.clear(); }

 private:
  struct Window {
    std::string className;
    std::string title;
    WindowHandler handler;
  };
  std::intptr_t Deliver(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
    // Copy: the handler may add or remove windows while it runs.
    const WindowHandler handler = windows_[to.id].handler;
    return handler ? handler(message, wParam, lParam) : 0;
  }
  std::map<std::uintptr_t, Window> windows_;
  std::uintptr_t nextId_ = 0x100;
  std::vector<LoggedMessage> log_;
  std::deque<LoggedMessage> queue_;
};

}  // namespace tv::fakes
