#pragma once
// Time goes through here: window timers of the panel window, fixed sleeps and the wall clock.
// Window timers repeat until stopped; a one-shot timer is one its handler stops.

#include <cstdint>

namespace tv {

struct LocalTime {
  int year = 0;
  int month = 0;      // 1..12
  int day = 0;        // 1..31
  int dayOfWeek = 0;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

class Timers {
 public:
  virtual ~Timers() = default;
  // (Re)starts timer id on the panel window; a running timer of the same id is replaced.
  virtual void Start(std::uint32_t id, std::uint32_t periodMs) = 0;
  virtual void Stop(std::uint32_t id) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void Sleep(std::uint32_t ms) = 0;
  virtual LocalTime Now() = 0;
  // Milliseconds since some fixed start; wraps like the platform's tick count.
  virtual std::uint32_t TickMs() = 0;
};

}  // namespace tv
