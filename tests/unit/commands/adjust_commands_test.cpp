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

using fakes::Delivery;
using fakes::FakeMixer;
using tv::testing::PanelHarness;
using Levels = std::vector<std::uint32_t>;

constexpr std::uint32_t kVolumeControl = 1, kBassControl = 2;

using Msgs = std::vector<std::string>;
std::string M(std::uint16_t id, std::intptr_t lParam, bool sent = false) {
  return std::to_string(id) + " " + std::to_string(lParam) + (sent ? " sent" : "");
}

// A running panel: its window procedure runs the gate and the handlers, its timers run the
// panel's timer entry, posts are delivered between timer ticks, and a sound card is set up.
class AdjustTest : public ::testing::Test {
 protected:
  AdjustTest() {
    h.onCommand = [this](std::uint16_t id, std::intptr_t lParam) { OnCommand(ctx, id, lParam); };
    h.fake.time.onTimer = [this](std::uint32_t id) { panel::OnTimer(ctx, id); };
    h.fake.time.onIdle = [this] { h.fake.messenger.DispatchPosted(); };
    h.fake.mixer.cards = {FakeMixer::TypicalCard()};
    NoteMixerReady(ctx, settings::SetUpMixer(ctx, 0));
    video = h.AddVideoWindow();
  }

  void Run(std::uint16_t id, std::intptr_t lParam = 0) {
    OnCommand(ctx, id, lParam);
    h.fake.messenger.DispatchPosted();
  }
  void Press(std::uint16_t id, int times) {
    for (int i = 0; i < times; ++i) Run(id);
  }
  // Commands reach the video window after 1 ms timers; let them run.
  void Settle(std::uint32_t ms = 1) { h.fake.time.Advance(ms); }

  Msgs Video() const {
    Msgs out;
    for (const auto& m : h.fake.messenger.LogTo(video))
      if (m.message == kWmCommand)
        out.push_back(M(m.wParam & 0xFFFF, m.lParam, m.delivery == Delivery::Sent));
    return out;
  }
  void Forget() {
    h.fake.messenger.ClearLog();
    h.fake.mixer.sets.clear();
  }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

// ---- volume -------------------------------------------------------------------------------

TEST_F(AdjustTest, VolumeStepsByTensFromAnyValueAndStopsAtTheEnds) {
  ctx.ui.volume = 215;
  Run(cmd::kVolumeUp);
  EXPECT_EQ(ctx.ui.volume, 220);
  EXPECT_EQ(ctx.settings.Int(keys::kVolume), 220);
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{220 * 254, 220 * 256}));
  ctx.ui.volume = 215;
  Run(cmd::kVolumeDown);
  EXPECT_EQ(ctx.ui.volume, 200);
  ctx.ui.volume = 5;
  Run(cmd::kVolumeDown);
  EXPECT_EQ(ctx.ui.volume, 5) << "below one step nothing changes";

  // At the top nothing changes, but the peer is told the volume again.
  ctx.ui.volume = 220;
  ctx.settings.Write(keys::kVolume, 123);
  Forget();
  h.fake.graphics.ClearCopies();
  Run(cmd::kVolumeUp);
  EXPECT_EQ(ctx.ui.volume, 220);
  EXPECT_EQ(ctx.settings.Int(keys::kVolume), 123);
  EXPECT_TRUE(h.fake.mixer.sets.empty());
  EXPECT_TRUE(h.fake.graphics.WindowCopies().empty());
  EXPECT_EQ(Video(), Msgs{M(cmd::kVideoVolume, 220, true)});
}

// ---- the picture adjust mode ("V") --------------------------------------------------------

TEST_F(AdjustTest, PicturePressesShowEachValueInTurnAndStepsPostTheShownAndTheSetValue) {
  ctx.settings.Write(keys::kContrast, 70);
  ctx.settings.Write(keys::kHue, -5);
  Press(cmd::kVideoAdjustMode, 5);
  EXPECT_EQ(Video(), (Msgs{M(cmd::kVideoShowBrightness, 128), M(cmd::kVideoShowContrast, 70),
                           M(cmd::kVideoShowHue, 132), M(cmd::kVideoShowSaturation, 64),
                           M(cmd::kVideoShowBrightness, 128)}));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerVideoAdjustEnd), 2000u);

  Forget();
  Run(cmd::kPlus);
  EXPECT_TRUE(Video().empty()) << "the step runs from a 1 ms timer";
  Settle();
  EXPECT_EQ(Video(), (Msgs{M(cmd::kVideoShowBrightness, 129), M(cmd::kVideoBrightness, 129)}));
  EXPECT_EQ(ctx.settings.Int(keys::kBrightness), 129);
  EXPECT_EQ(ctx.picture.brightness, 129);

  // Hue travels as its shown value: one below 0 is 128.
  ctx.settings.Write(keys::kHue, 0);
  Press(cmd::kVideoAdjustMode, 2);
  Forget();
  Run(cmd::kMinus);
  Settle();
  EXPECT_EQ(Video(), (Msgs{M(cmd::kVideoShowHue, 128), M(cmd::kVideoHue, 128)}));
  EXPECT_EQ(ctx.settings.Text(keys::kHue), "-1");
}

TEST_F(AdjustTest, PictureModeEndsTwoSecondsAfterTheLastStepAndPlusThenRaisesTheVolume) {
  ctx.ui.volume = 100;
  Run(cmd::kVideoAdjustMode);
  Settle(1500);
  Run(cmd::kPlus);
  Settle(1500);  // two seconds after the selection, but not after the step
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(ctx.settings.Int(keys::kBrightness), 130);
  EXPECT_EQ(ctx.ui.volume, 100);

  Settle(2000);
  Run(cmd::kPlus);
  EXPECT_EQ(ctx.settings.Int(keys::kBrightness), 130);
  EXPECT_EQ(ctx.ui.volume, 110);

  // The next "V" starts over at brightness, though contrast would have been next.
  Forget();
  Run(cmd::kVideoAdjustMode);
  EXPECT_EQ(Video(), Msgs{M(cmd::kVideoShowBrightness, 130)});
}

// ---- the tone adjust mode ("A") -----------------------------------------------------------

TEST_F(AdjustTest, ToneCycleShowsBalanceBassTrebleAndStepsReachTheCard) {
  ctx.settings.Write(keys::kTreble, 9);
  Press(cmd::kAudioAdjustMode, 4);
  EXPECT_EQ(Video(), (Msgs{M(cmd::kVideoBalance, 128), M(cmd::kVideoBass, 0),
                           M(cmd::kVideoTreble, 9), M(cmd::kVideoBalance, 128)}));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerAudioAdjustEnd), 2000u);

  // Balance right of centre: the card's left channel falls off.
  ctx.ui.volume = 100;
  settings::SetVolume(ctx, 100);
  Forget();
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(ctx.settings.Int(keys::kBalance), 129);
  EXPECT_EQ(Video(), Msgs{M(cmd::kVideoBalance, 129)});
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{25200, 25600}));

  Run(cmd::kAudioAdjustMode);  // bass, at 0
  Forget();
  Run(cmd::kMinus);
  Settle();
  EXPECT_TRUE(Video().empty());
  EXPECT_TRUE(h.fake.mixer.sets.empty());
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(Video(), Msgs{M(cmd::kVideoBass, 1)});
  EXPECT_EQ(h.fake.mixer.ValuesOf(kBassControl), (Levels{1, 1}));
}

}  // namespace
}  // namespace tv::commands
