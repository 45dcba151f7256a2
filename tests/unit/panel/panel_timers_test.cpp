#include "panel/panel_timers.h"

#include <gtest/gtest.h>

#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

TEST(PanelTimers, EachScaleThresholdBelongsToTheRowBelowItAndTheLastRowHasNoEnd) {
  const std::pair<int, int> cases[] = {{-6, 100},       {50, 100},        {51, 200},
                                       {200, 300},      {201, 600},       {76800, 153600},
                                       {76801, 307200}, {153601, 614400}, {1000000, 614400}};
  for (const auto& [t, scale] : cases) EXPECT_EQ(panel::TimeShiftScale(t), scale) << "t = " << t;
}

TEST(PanelTimers, TimeShiftLengthCountsWholeSixSecondUnitsAcrossMidnight) {
  testing::PanelHarness h;
  h.ctx.timeShift = TimeShiftClock{10, 0, 0, 100};
  h.fake.time.SetLocalTime(2026, 1, 15, 10, 5, 11);
  EXPECT_EQ(panel::TimeShiftLength(h.ctx), 51);

  h.ctx.timeShift = TimeShiftClock{23, 59, 50, 100};
  h.fake.time.SetLocalTime(2026, 1, 16, 0, 0, 8);  // 18 s later
  EXPECT_EQ(panel::TimeShiftLength(h.ctx), 3);
  h.fake.time.SetLocalTime(2026, 1, 16, 1, 59, 50);
  EXPECT_EQ(panel::TimeShiftLength(h.ctx), 1200);
}

}  // namespace
}  // namespace tv
