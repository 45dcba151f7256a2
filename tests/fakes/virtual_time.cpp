#include "fakes/virtual_time.h"

#include <limits>

namespace tv::fakes {
namespace {

// Days since 1970-01-01 for a proleptic Gregorian date, and back.
long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

}  // namespace

VirtualTime::VirtualTime() {
  SetLocalTime(2026, 1, 15, 10, 0, 0);
}

void VirtualTime::Start(std::uint32_t id, std::uint32_t periodMs) {
  timers_[id] = Timer{periodMs, nowMs_ + periodMs, ++generation_};
}

void VirtualTime::Stop(std::uint32_t id) {
  timers_.erase(id);
}

std::uint32_t VirtualTime::PeriodOf(std::uint32_t id) const {
  auto it = timers_.find(id);
  return it == timers_.end() ? 0 : it->second.periodMs;
}

void VirtualTime::Sleep(std::uint32_t ms) {
  sleeps_.push_back(ms);
  nowMs_ += ms;
}

void VirtualTime::Advance(std::uint32_t ms) {
  const std::uint64_t target = nowMs_ + ms;
  if (onIdle) onIdle();
  for (;;) {
    // The earliest due timer; ties go to the one started first, as a message queue would.
    std::uint32_t nextId = 0;
    std::uint64_t nextDue = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t nextGeneration = 0;
    bool found = false;
    for (const auto& [id, timer] : timers_) {
      if (timer.dueMs > target) continue;
      if (!found || timer.dueMs < nextDue ||
          (timer.dueMs == nextDue && timer.generation < nextGeneration)) {
        found = true;
        nextId = id;
        nextDue = timer.dueMs;
        nextGeneration = timer.generation;
      }
    }
    if (!found) break;
    if (nextDue > nowMs_) nowMs_ = nextDue;
    Timer& timer = timers_[nextId];
    timer.dueMs = nowMs_ + (timer.periodMs == 0 ? 1 : timer.periodMs);
    fired_.push_back(nextId);
    if (onTimer) onTimer(nextId);
    if (onIdle) onIdle();
  }
  if (target > nowMs_) nowMs_ = target;
}

void VirtualTime::SetLocalTime(int year, int month, int day, int hour, int minute, int second) {
  const long long seconds =
      DaysFromCivil(year, month, day) * 86400LL + hour * 3600LL + minute * 60LL + second;
  epochSecondsAtStart_ = seconds - static_cast<long long>(nowMs_ / 1000);
}

LocalTime VirtualTime::Now() {
  const long long totalMs = epochSecondsAtStart_ * 1000LL + static_cast<long long>(nowMs_);
  const long long seconds = totalMs / 1000;
  long long days = seconds / 86400;
  long long rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  LocalTime t;
  CivilFromDays(days, t.year, t.month, t.day);
  t.dayOfWeek = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
  t.hour = static_cast<int>(rest / 3600);
  t.minute = static_cast<int>(rest % 3600 / 60);
  t.second = static_cast<int>(rest % 60);
  t.millisecond = static_cast<int>(totalMs % 1000);
  return t;
}

}  // namespace tv::fakes
