#include "panel/panel_timers.h"

#include <gtest/gtest.h>

#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

TEST(PanelTimersScale, EachThresholdBelongsToTheRowBelowItAndTheLastRowHasNoEnd) {
  const std::pair<int, int> cases[] = {{-6, 100},       {50, 100},        {51, 200},
                                       {200, 300},      {201, 600},       {76800, 153600},
                                       {76801, 307200}, {153601, 614400}, {1000000, 614400}};
  for (const auto& [t, scale] : cases) EXPECT_EQ(panel::TimeShiftScale(t), scale) << "t = " << t;
}

class PanelTimers : public ::testing::Test {
 protected:
  PanelTimers() {
    h.fake.time.onTimer = [this](std::uint32_t id) { panel::OnTimer(ctx, id); };
  }
  void StartedAt(int hour, int minute, int second) {
    ctx.timeShift.startHour = hour;
    ctx.timeShift.startMinute = minute;
    ctx.timeShift.startSecond = second;
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
};

TEST_F(PanelTimers, LengthCountsWholeSixSecondUnitsAcrossMidnight) {
  StartedAt(10, 0, 0);
  h.fake.time.SetLocalTime(2026, 1, 15, 10, 5, 6);
  EXPECT_EQ(panel::TimeShiftLength(ctx), 51);
  h.fake.time.SetLocalTime(2026, 1, 15, 10, 5, 11);
  EXPECT_EQ(panel::TimeShiftLength(ctx), 51);

  StartedAt(23, 59, 50);
  h.fake.time.SetLocalTime(2026, 1, 16, 0, 0, 8);  // 18 s later
  EXPECT_EQ(panel::TimeShiftLength(ctx), 3);
  h.fake.time.SetLocalTime(2026, 1, 16, 1, 59, 50);
  EXPECT_EQ(panel::TimeShiftLength(ctx), 1200);
}

TEST_F(PanelTimers, TheBarRescalesWithTheRecordedLengthEverySecond) {
  auto& lcd = ctx.layout.lcd;
  lcd[static_cast<int>(panel::Lcd::TIMESHIFTWIDTH)] = 294;
  StartedAt(10, 0, 0);
  h.fake.time.SetLocalTime(2026, 1, 15, 10, 5, 5);  // t = 50
  h.fake.time.Start(panel::kTimerTimeShiftBar, 1);
  h.fake.time.Advance(1);
  EXPECT_EQ(ctx.timeShift.scale, 100);
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerTimeShiftBar), 1000u);

  h.fake.graphics.ClearCopies();
  h.fake.time.Advance(1000);  // t = 51: the bar doubles its span, filled about a quarter
  EXPECT_EQ(ctx.timeShift.scale, 200);
  bool filled = false;
  for (const auto& copy : h.fake.graphics.WindowCopies())
    filled = filled || (copy.from == Surface::Hover && copy.source.width == 294 * 51 / 200);
  EXPECT_TRUE(filled);
  EXPECT_TRUE(h.fake.time.IsRunning(panel::kTimerTimeShiftBar));
}

TEST_F(PanelTimers, ThrottleAndRecordArmingClearAndSet) {
  ctx.ui.seekThrottle = true;
  ctx.mode.recordArmed = 0;
  h.fake.time.Start(panel::kTimerSeekThrottle, 100);
  h.fake.time.Start(panel::kTimerRecordArm, 3000);
  h.fake.time.Advance(99);
  EXPECT_TRUE(ctx.ui.seekThrottle);
  h.fake.time.Advance(1);
  EXPECT_FALSE(ctx.ui.seekThrottle);
  h.fake.time.Advance(2899);
  EXPECT_EQ(ctx.mode.recordArmed, 0);
  h.fake.time.Advance(1);
  EXPECT_EQ(ctx.mode.recordArmed, 1);
  h.fake.time.Advance(10000);
  EXPECT_EQ(h.fake.time.Fired(),
            (std::vector<std::uint32_t>{panel::kTimerSeekThrottle, panel::kTimerRecordArm}));
}

TEST_F(PanelTimers, AnAdjustStepKeepsItsModeAliveForTwoMoreSeconds) {
  h.fake.time.Start(panel::kTimerVideoAdjustUp, 1);
  h.fake.time.Start(panel::kTimerAudioAdjustDown, 1);
  h.fake.time.Advance(1);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerVideoAdjustUp));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerVideoAdjustEnd), 2000u);
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerAudioAdjustEnd), 2000u);
  h.fake.time.Advance(2000);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerVideoAdjustEnd));
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerAudioAdjustEnd));
}

}  // namespace
}  // namespace tv
