// Volume and the picture and tone adjustment modes, as the video window program, the sound card
// and the settings file see them.

#include "commands/adjust_commands.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "commands/deferred_work.h"
#include "panel/panel_timers.h"
#include "settings/mixer.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using tv::testing::Join;
using tv::testing::JoinAll;
using tv::testing::Msg;

constexpr std::uint32_t kVolumeControl = 1, kBassControl = 2;

// A running panel with a sound card; commands reach the video window after 1 ms timers.
class AdjustTest : public ::testing::Test {
 protected:
  AdjustTest() {
    h.Live();
    h.fake.mixer.cards = {fakes::FakeMixer::TypicalCard()};
    NoteMixerReady(ctx, settings::SetUpMixer(ctx, 0));
    video = h.AddVideoWindow();
  }
  void Press(std::uint16_t id, int times) {
    for (int i = 0; i < times; ++i) h.Run(id);
  }
  // One step, run from its timer.
  void Step(std::uint16_t id) {
    h.Run(id);
    h.fake.time.Advance(1);
  }
  std::string Values(std::uint32_t control) const {
    return JoinAll(h.fake.mixer.ValuesOf(control).value_or(std::vector<std::uint32_t>{}));
  }
  void Forget() {
    h.fake.messenger.ClearLog();
    h.fake.mixer.sets.clear();
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

TEST_F(AdjustTest, VolumeStepsByTensFromAnyValueAndStopsAtTheEnds) {
  // Volume before, command; the volume, the stored one and the card's channels afterwards.
  // Below one step nothing changes.
  // clang-format off
  const struct { int before; cmd::Id id; const char* after; } cases[] = {
      {215, cmd::kVolumeUp, "220 220 55880 56320"}, {215, cmd::kVolumeDown, "200 200 50800 51200"},
      {5, cmd::kVolumeDown, "5 200 50800 51200"}};
  // clang-format on
  for (const auto& c : cases) {
    ctx.ui.volume = c.before;
    h.Run(c.id);
    EXPECT_EQ(Join(ctx.ui.volume, ctx.settings.Int(keys::kVolume), Values(kVolumeControl)),
              c.after);
  }
  // At the top nothing changes, but the peer is told the volume again.
  ctx.ui.volume = 220;
  ctx.settings.Write(keys::kVolume, 123);
  Forget();
  h.fake.graphics.ClearCopies();
  h.Run(cmd::kVolumeUp);
  EXPECT_EQ(Join(ctx.ui.volume, ctx.settings.Int(keys::kVolume), h.fake.mixer.sets.size(),
                 h.fake.graphics.WindowCopies().size(), h.Log(video)),
            Join(220, 123, 0, 0, Msg(cmd::kVideoVolume, 220, true)));
}

// ---- the picture adjust mode ("V") --------------------------------------------------------

TEST_F(AdjustTest, PicturePressesShowEachValueInTurnAndStepsPostTheShownAndTheSetValue) {
  ctx.settings.Write(keys::kContrast, 70);
  ctx.settings.Write(keys::kHue, -5);
  Press(cmd::kVideoAdjustMode, 5);
  EXPECT_EQ(h.Log(video), Msg(cmd::kVideoShowBrightness, 128) + Msg(cmd::kVideoShowContrast, 70) +
                              Msg(cmd::kVideoShowHue, 132) + Msg(cmd::kVideoShowSaturation, 64) +
                              Msg(cmd::kVideoShowBrightness, 128));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerVideoAdjustEnd), 2000u);
  Forget();
  h.Run(cmd::kPlus);
  EXPECT_EQ(h.Log(video), "");  // the step runs from a 1 ms timer
  h.fake.time.Advance(1);
  EXPECT_EQ(Join(h.Log(video), ctx.settings.Int(keys::kBrightness), ctx.picture.brightness),
            Join(Msg(cmd::kVideoShowBrightness, 129) + Msg(cmd::kVideoBrightness, 129), 129, 129));
  // Hue travels as its shown value: one below 0 is 128.
  ctx.settings.Write(keys::kHue, 0);
  Press(cmd::kVideoAdjustMode, 2);
  Forget();
  Step(cmd::kMinus);
  EXPECT_EQ(Join(h.Log(video), ctx.settings.Text(keys::kHue)),
            Join(Msg(cmd::kVideoShowHue, 128) + Msg(cmd::kVideoHue, 128), -1));
}

TEST_F(AdjustTest, PictureModeEndsTwoSecondsAfterTheLastStepAndPlusThenRaisesTheVolume) {
  ctx.ui.volume = 100;
  h.Run(cmd::kVideoAdjustMode);
  h.fake.time.Advance(1500);
  h.Run(cmd::kPlus);
  h.fake.time.Advance(1500);  // two seconds after the selection, but not after the step
  Step(cmd::kPlus);
  EXPECT_EQ(Join(ctx.settings.Int(keys::kBrightness), ctx.ui.volume), "130 100");
  h.fake.time.Advance(2000);
  h.Run(cmd::kPlus);
  EXPECT_EQ(Join(ctx.settings.Int(keys::kBrightness), ctx.ui.volume), "130 110");
  // The next "V" starts over at brightness, though contrast would have been next.
  Forget();
  h.Run(cmd::kVideoAdjustMode);
  EXPECT_EQ(h.Log(video), Msg(cmd::kVideoShowBrightness, 130));
}

// ---- the tone adjust mode ("A") -----------------------------------------------------------

TEST_F(AdjustTest, ToneCycleShowsBalanceBassTrebleAndStepsReachTheCard) {
  ctx.settings.Write(keys::kTreble, 9);
  Press(cmd::kAudioAdjustMode, 4);
  EXPECT_EQ(h.Log(video), Msg(cmd::kVideoBalance, 128) + Msg(cmd::kVideoBass, 0) +
                              Msg(cmd::kVideoTreble, 9) + Msg(cmd::kVideoBalance, 128));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerAudioAdjustEnd), 2000u);
  // Balance right of centre: the card's left channel falls off.
  ctx.ui.volume = 100;
  settings::SetVolume(ctx, 100);
  Forget();
  Step(cmd::kPlus);
  EXPECT_EQ(Join(ctx.settings.Int(keys::kBalance), h.Log(video), Values(kVolumeControl)),
            Join(129, Msg(cmd::kVideoBalance, 129), "25200 25600"));
  h.Run(cmd::kAudioAdjustMode);  // bass, at 0
  Forget();
  Step(cmd::kMinus);
  EXPECT_EQ(h.Log(video) + JoinAll(h.fake.mixer.sets), "");
  Step(cmd::kPlus);
  EXPECT_EQ(Join(h.Log(video), Values(kBassControl)), Join(Msg(cmd::kVideoBass, 1), "1 1"));
}

}  // namespace
}  // namespace tv::commands
