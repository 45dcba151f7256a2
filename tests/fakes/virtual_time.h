#pragma once
// Virtual time: the clock, the sleeps and the panel window's timers of a test. Nothing runs
// until the test advances time; timers then fire in time order. Like window timers they
// repeat until stopped, and ticks missed while the thread slept are delivered once.

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/clock.h"

namespace tv::fakes {

class VirtualTime : public Clock, public Timers {
 public:
  VirtualTime();

  // Timers
  void Start(std::uint32_t id, std::uint32_t periodMs) override {
    timers_[id] = Timer{periodMs, nowMs_ + periodMs, ++generation_};
  }
  void Stop(std::uint32_t id) override { timers_.erase(id); }
  // Clock
  void Sleep(std::uint32_t ms) override {
    sleeps_.push_back(ms);
    nowMs_ += ms;
  }
  LocalTime Now() override;
  std::uint32_t TickMs() override { return static_cast<std::uint32_t>(nowMs_); }

  // Called for every timer tick while time advances (the panel's timer entry point).
  std::function<void(std::uint32_t id)> onTimer;
  // Called between timer ticks so posted messages are delivered as a message loop would.
  std::function<void()> onIdle;

  void Advance(std::uint32_t ms);
  void SetLocalTime(int year, int month, int day, int hour, int minute, int second);

  bool IsRunning(std::uint32_t id) const { return timers_.count(id) != 0; }
  std::uint32_t PeriodOf(std::uint32_t id) const {
    return IsRunning(id) ? timers_.at(id).periodMs : 0;
  }
  const std::vector<std::uint32_t>& Sleeps() const { return sleeps_; }

 private:
  struct Timer {
    std::uint32_t periodMs;
    std::uint64_t dueMs;
    std::uint64_t generation;
  };
  std::map<std::uint32_t, Timer> timers_;
  std::uint64_t nowMs_ = 0;
  std::uint64_t generation_ = 0;
  long long epochSecondsAtStart_ = 0;  // local wall-clock time at nowMs_ == 0
  std::vector<std::uint32_t> sleeps_;
};

}  // namespace tv::fakes
