// Volume, mute, the picture and tone adjustment modes, full screen and the sound-card volume the
// peer asks for, as the video window program, the sound card and the settings file see them.

#include "commands/adjust_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "app/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "commands/deferred_work.h"
#include "panel/lcd.h"
#include "panel/panel_timers.h"
#include "settings/mixer.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using fakes::Copy;
using fakes::Delivery;
using fakes::FakeMixer;
using tv::testing::PanelHarness;
using Levels = std::vector<std::uint32_t>;

constexpr std::uint32_t kVolumeControl = 1, kBassControl = 2;

struct ToVideo {
  std::uint16_t id;
  std::intptr_t lParam;
  Delivery delivery = Delivery::Posted;
  friend bool operator==(const ToVideo&, const ToVideo&) = default;
};

void PrintTo(const ToVideo& m, std::ostream* os) {
  *os << m.id << "(" << m.lParam << (m.delivery == Delivery::Sent ? ", sent)" : ")");
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

  std::vector<ToVideo> Video() const {
    std::vector<ToVideo> out;
    for (const auto& m : h.fake.messenger.LogTo(video))
      if (m.message == kWmCommand)
        out.push_back({static_cast<std::uint16_t>(m.wParam & 0xFFFF), m.lParam, m.delivery});
    return out;
  }
  void Forget() {
    h.fake.messenger.ClearLog();
    h.fake.mixer.sets.clear();
  }

  std::vector<Copy> Drawn(const std::function<void(PanelContext&)>& draw) {
    PanelHarness reference;
    draw(reference.ctx);
    return reference.fake.graphics.WindowCopies();
  }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

// ---- volume and mute ----------------------------------------------------------------------

TEST_F(AdjustTest, VolumeStepsByTensFromAnyValueAndStopsAtTheEnds) {
  ctx.ui.volume = 215;
  Run(cmd::kVolumeUp);
  EXPECT_EQ(ctx.ui.volume, 220);
  EXPECT_EQ(ctx.settings.Int(keys::kVolume), 220);
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{220 * 254, 220 * 256}));
  EXPECT_EQ(h.fake.graphics.WindowCopies(),
            Drawn([](PanelContext& c) { panel::DrawVolumeBar(c, 220); }));
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
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoVolume, 220, Delivery::Sent}}));
}

TEST_F(AdjustTest, VolumeReachesThePeerOnlyOutsideTimeShiftAndRadio) {
  ctx.ui.volume = 100;
  ctx.mode.timeShift = 1;
  Run(cmd::kVolumeUp);
  EXPECT_EQ(ctx.ui.volume, 110) << "the panel and the sound card still follow";
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{110 * 254, 110 * 256}));
  ctx.mode.timeShift = 0;
  ctx.mode.fmMode = 1;
  Run(cmd::kVolumeDown);
  EXPECT_EQ(ctx.ui.volume, 100);
  EXPECT_TRUE(Video().empty());

  ctx.mode.fmMode = 0;
  ctx.mode.tvClosed = 1;
  Run(cmd::kVolumeDown);
  EXPECT_EQ(ctx.ui.volume, 100) << "ignored while the TV is closed";
  EXPECT_TRUE(Video().empty());
}

TEST_F(AdjustTest, MuteSilencesTheCardAndTellsThePeerBothWays) {
  ctx.ui.volume = 100;
  h.fake.messenger.RemoveWindow(video);  // the video window is not needed
  Run(cmd::kMute);
  EXPECT_EQ(ctx.ui.muted, 1);
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{0, 0}));
  EXPECT_EQ(h.fake.graphics.WindowCopies(),
            Drawn([](PanelContext& c) { panel::DrawMuteIcon(c, 2); }));
  video = h.AddVideoWindow();
  Run(cmd::kMute);
  Run(cmd::kMute);
  EXPECT_EQ(ctx.ui.muted, 1);
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoMuteOff, 0}, {cmd::kVideoMuteOn, 0}}));

  // A volume step ends mute on the panel and the card, but tells the peer only the volume.
  Forget();
  h.fake.graphics.ClearCopies();
  Run(cmd::kVolumeDown);
  EXPECT_EQ(ctx.ui.muted, 0);
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{90 * 254, 90 * 256}));
  const auto icon = Drawn([](PanelContext& c) { panel::DrawMuteIcon(c, 1); });
  const auto drawn = h.fake.graphics.WindowCopies();
  ASSERT_GE(drawn.size(), icon.size());
  EXPECT_TRUE(std::equal(icon.rbegin(), icon.rend(), drawn.rbegin())) << "the icon shows sound";
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoVolume, 90, Delivery::Sent}}));

  // Mute needs a sound card and an open TV.
  Forget();
  NoteMixerReady(ctx, false);
  Run(cmd::kMute);
  NoteMixerReady(ctx, true);
  ctx.mode.tvClosed = 1;
  Run(cmd::kMute);
  EXPECT_EQ(ctx.ui.muted, 0);
  EXPECT_TRUE(h.fake.mixer.sets.empty());
}

TEST_F(AdjustTest, ThePeerSilencesOrRestoresTheCardUnlessThePanelIsMuted) {
  ctx.ui.volume = 50;
  Run(cmd::kPeerSoundCardVolume, 0);
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{0, 0}));
  Run(cmd::kPeerSoundCardVolume, 180);
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{50 * 254, 50 * 256}))
      << "the panel's volume, not the peer's number";

  Run(cmd::kMute);
  Forget();
  Run(cmd::kPeerSoundCardVolume, 1);
  EXPECT_TRUE(h.fake.mixer.sets.empty());
  Run(cmd::kPeerSoundCardVolume, 0);
  EXPECT_EQ(h.fake.mixer.sets.size(), 1u);
}

// ---- the picture adjust mode ("V") --------------------------------------------------------

TEST_F(AdjustTest, PicturePressesShowEachValueInTurnAndStepsPostTheShownAndTheSetValue) {
  ctx.settings.Write(keys::kContrast, 70);
  ctx.settings.Write(keys::kHue, -5);
  Press(cmd::kVideoAdjustMode, 5);
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoShowBrightness, 128},
                                           {cmd::kVideoShowContrast, 70},
                                           {cmd::kVideoShowHue, 132},
                                           {cmd::kVideoShowSaturation, 64},
                                           {cmd::kVideoShowBrightness, 128}}));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerVideoAdjustEnd), 2000u);

  Forget();
  Run(cmd::kPlus);
  EXPECT_TRUE(Video().empty()) << "the step runs from a 1 ms timer";
  Settle();
  EXPECT_EQ(Video(),
            (std::vector<ToVideo>{{cmd::kVideoShowBrightness, 129}, {cmd::kVideoBrightness, 129}}));
  EXPECT_EQ(ctx.settings.Int(keys::kBrightness), 129);
  EXPECT_EQ(ctx.picture.brightness, 129);

  // Hue travels as its shown value: one below 0 is 128.
  ctx.settings.Write(keys::kHue, 0);
  Press(cmd::kVideoAdjustMode, 2);
  Forget();
  Run(cmd::kMinus);
  Settle();
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoShowHue, 128}, {cmd::kVideoHue, 128}}));
  EXPECT_EQ(ctx.settings.Text(keys::kHue), "-1");
}

TEST_F(AdjustTest, PictureStepsBeyondARangeAreIgnored) {
  struct Limit {
    const keys::Key* key;
    int presses;  // of "V" to reach it
    int value;
    std::uint16_t step;
  };
  const Limit limits[] = {
      {&keys::kBrightness, 1, 0, cmd::kMinus}, {&keys::kBrightness, 1, 255, cmd::kPlus},
      {&keys::kContrast, 2, 127, cmd::kPlus},  {&keys::kHue, 3, -128, cmd::kMinus},
      {&keys::kHue, 3, 127, cmd::kPlus},       {&keys::kSaturation, 4, 0, cmd::kMinus}};
  for (const Limit& limit : limits) {
    SCOPED_TRACE(std::string(limit.key->name) + " " + std::to_string(limit.value));
    Settle(2000);
    ctx.settings.Write(*limit.key, limit.value);
    Press(cmd::kVideoAdjustMode, limit.presses);
    Forget();
    h.fake.profile.writes = 0;
    Run(limit.step);
    Settle();
    EXPECT_TRUE(Video().empty());
    EXPECT_EQ(h.fake.profile.writes, 0);
    EXPECT_EQ(ctx.adjust.pictureMode, 1) << "the mode lives on";
  }
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
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoShowBrightness, 130}}));
}

TEST_F(AdjustTest, TheAdjustModesNeedTheVideoWindowAndNoRadio) {
  for (int* flag : {&ctx.mode.fmMode, &ctx.mode.tvClosed, static_cast<int*>(nullptr)}) {
    if (flag) *flag = 1;
    if (!flag) h.fake.messenger.RemoveWindow(video);
    Run(cmd::kVideoAdjustMode);
    Run(cmd::kAudioAdjustMode);
    EXPECT_EQ(ctx.adjust.pictureMode + ctx.adjust.soundMode, 0);
    EXPECT_TRUE(Video().empty());
    if (flag) *flag = 0;
  }
}

// ---- the tone adjust mode ("A") and the exclusion ------------------------------------------

TEST_F(AdjustTest, ToneCycleShowsBalanceBassTrebleAndStepsReachTheCard) {
  ctx.settings.Write(keys::kTreble, 9);
  Press(cmd::kAudioAdjustMode, 4);
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoBalance, 128},
                                           {cmd::kVideoBass, 0},
                                           {cmd::kVideoTreble, 9},
                                           {cmd::kVideoBalance, 128}}));
  EXPECT_EQ(h.fake.time.PeriodOf(panel::kTimerAudioAdjustEnd), 2000u);

  // Balance right of centre: the card's left channel falls off.
  ctx.ui.volume = 100;
  settings::SetVolume(ctx, 100);
  Forget();
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(ctx.settings.Int(keys::kBalance), 129);
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoBalance, 129}}));
  EXPECT_EQ(h.fake.mixer.ValuesOf(kVolumeControl), (Levels{25200, 25600}));

  Run(cmd::kAudioAdjustMode);  // bass, at 0
  Forget();
  Run(cmd::kMinus);
  Settle();
  EXPECT_TRUE(Video().empty());
  EXPECT_TRUE(h.fake.mixer.sets.empty());
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoBass, 1}}));
  EXPECT_EQ(h.fake.mixer.ValuesOf(kBassControl), (Levels{1, 1}));
}

TEST_F(AdjustTest, EnteringOneAdjustModeEndsTheOtherAtOnce) {
  Press(cmd::kVideoAdjustMode, 2);  // contrast shown, hue next
  Run(cmd::kAudioAdjustMode);
  EXPECT_EQ(ctx.adjust.pictureMode, 0);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerVideoAdjustEnd));
  Forget();
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoBalance, 129}})) << "plus steps the tone";

  Run(cmd::kVideoAdjustMode);
  EXPECT_EQ(ctx.adjust.soundMode, 0);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kTimerAudioAdjustEnd));
  Forget();
  Run(cmd::kPlus);
  Settle();
  EXPECT_EQ(Video(),
            (std::vector<ToVideo>{{cmd::kVideoShowBrightness, 129}, {cmd::kVideoBrightness, 129}}))
      << "the picture cycle started over";

  // The tone cycle started over too.
  Forget();
  Run(cmd::kAudioAdjustMode);
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoBalance, 129}}));
}

TEST_F(AdjustTest, PlusAndMinusWithNoModeChangeTheVolume) {
  ctx.ui.volume = 100;
  for (cmd::Id id : {cmd::kPlus, cmd::kMinus, cmd::kMinus}) Run(id);
  EXPECT_EQ(ctx.ui.volume, 90);
  EXPECT_EQ(h.Commands(),
            (std::vector<std::uint16_t>{cmd::kVolumeUp, cmd::kVolumeDown, cmd::kVolumeDown}));

  // While time shift runs, plus still reaches the volume; the "V" key does not pass the gate.
  ctx.mode.timeShift = 1;
  Run(cmd::kVideoAdjustMode);
  Run(cmd::kPlus);
  EXPECT_EQ(ctx.ui.volume, 100);

  ctx.mode = ModeFlags{.tvClosed = 1};
  h.received.clear();
  Run(cmd::kPlus);
  EXPECT_TRUE(h.Commands().empty());
}

// ---- full screen and the sound-mode key --------------------------------------------------

TEST_F(AdjustTest, FullScreenDoubleClicksTheVideoWindowAndSSends45000) {
  ctx.ui.sideOpen = 1;
  Run(cmd::kFullScreen);
  EXPECT_EQ(h.Commands(), (std::vector<std::uint16_t>{cmd::kToggleSidePart}));
  EXPECT_EQ(h.fake.windows.focus, video);
  const auto sent = h.fake.messenger.LogTo(video);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].message, kWmLButtonDblClk);
  EXPECT_EQ(sent[0].wParam, 0u);
  EXPECT_EQ(sent[0].lParam, 0);
  EXPECT_EQ(sent[0].delivery, Delivery::Posted);

  Forget();
  Run(cmd::kSoundModeKey);
  EXPECT_EQ(Video(), (std::vector<ToVideo>{{cmd::kVideoSoundMode, 0, Delivery::Sent}}));

  Forget();
  ctx.mode.fmMode = 1;
  Run(cmd::kFullScreen);
  Run(cmd::kSoundModeKey);
  EXPECT_TRUE(h.fake.messenger.LogTo(video).empty()) << "neither exists for the radio";
}

}  // namespace
}  // namespace tv::commands
