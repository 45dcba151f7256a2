#include "fakes/fake_messenger.h"

#include <utility>

namespace tv::fakes {

WindowRef FakeMessenger::AddWindow(std::string className, std::string title,
                                   WindowHandler handler) {
  const WindowRef ref{nextId_};
  nextId_ += 0x10;
  windows_[ref.id] = Window{std::move(className), std::move(title), std::move(handler)};
  return ref;
}

void FakeMessenger::SetHandler(WindowRef window, WindowHandler handler) {
  auto it = windows_.find(window.id);
  if (it != windows_.end()) it->second.handler = std::move(handler);
}

void FakeMessenger::RemoveWindow(WindowRef window) {
  windows_.erase(window.id);
}

bool FakeMessenger::Exists(WindowRef window) const {
  return windows_.count(window.id) != 0;
}

WindowRef FakeMessenger::Find(const char* className, const char* title) {
  ++findCalls;
  for (const auto& [id, window] : windows_) {
    if (className != nullptr && window.className != className) continue;
    if (title != nullptr && window.title != title) continue;
    return WindowRef{id};
  }
  return {};
}

bool FakeMessenger::Post(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                         std::intptr_t lParam) {
  if (!Exists(to)) return false;
  LoggedMessage logged{to, message, wParam, lParam, Delivery::Posted};
  log_.push_back(logged);
  queue_.push_back(logged);
  return true;
}

std::intptr_t FakeMessenger::Send(WindowRef to, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
  if (!Exists(to)) return 0;
  log_.push_back(LoggedMessage{to, message, wParam, lParam, Delivery::Sent});
  // Copy: the handler may add or remove windows while it runs.
  WindowHandler handler = windows_[to.id].handler;
  return handler ? handler(message, wParam, lParam) : 0;
}

int FakeMessenger::DispatchPosted() {
  int delivered = 0;
  while (!queue_.empty()) {
    const LoggedMessage next = queue_.front();
    queue_.pop_front();
    auto it = windows_.find(next.to.id);
    if (it == windows_.end()) continue;
    WindowHandler handler = it->second.handler;
    if (handler) handler(next.message, next.wParam, next.lParam);
    ++delivered;
  }
  return delivered;
}

std::vector<LoggedMessage> FakeMessenger::LogTo(WindowRef window) const {
  std::vector<LoggedMessage> result;
  for (const auto& m : log_)
    if (m.to == window) result.push_back(m);
  return result;
}

std::vector<std::uint16_t> FakeMessenger::CommandsTo(WindowRef window) const {
  std::vector<std::uint16_t> ids;
  for (const auto& m : log_)
    if (m.to == window && m.message == kWmCommand)
      ids.push_back(static_cast<std::uint16_t>(m.wParam & 0xFFFF));
  return ids;
}

}  // namespace tv::fakes
