// The fakes stand in for the operating system in every other test; these pin the behaviour
// those tests rely on and do not already show by themselves.
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace tv::fakes {
namespace {

TEST(VirtualTime, TicksMissedWhileAsleepComeOnceAfterIt) {
  VirtualTime time;
  int ticks = 0;
  time.onTimer = [&](std::uint32_t) { ++ticks; };
  time.Start(10, 150);
  time.Advance(300);
  EXPECT_EQ(ticks, 2);
  time.Sleep(6000);
  EXPECT_EQ(ticks, 2);
  time.Advance(1);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(time.Sleeps(), std::vector<std::uint32_t>{6000});
}

}  // namespace
}  // namespace tv::fakes
