// The panel window's start and end sequences.

#include <gtest/gtest.h>

#include "commands/command_ids.h"
#include "fakes/fake_tuner_library.h"
#include "panel/panel_timers.h"
#include "panel/panel_window.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using fakes::Delivery;
using fakes::LoggedMessage;

// A first start runs the setup dialog: it takes the band data of the library's country and
// chooses the one card, which the check after it then finds.
void EquipForSetup(testing::PanelHarness& harness, fakes::FakeTunerLibrary& tuner) {
  tuner.countries = {
      {.code = 1, .airLowest = 2, .airHighest = 5, .cableLowest = 1, .cableHighest = 3}};
  tuner.countryCount = 1;
  harness.ctx.tuner = &tuner;
  harness.ctx.countryCount = 1;
  harness.fake.captureDevices.Plug("TV Card");
}

class PanelLifecycle : public ::testing::Test {
 protected:
  PanelLifecycle() { EquipForSetup(h, tuner); }
  std::vector<LoggedMessage> ToPanel() const { return h.fake.messenger.LogTo(ctx.windows.panel); }
  std::string Text(const keys::Key& key) const { return ctx.settings.Text(key, "missing", 40); }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  fakes::FakeTunerLibrary tuner;
};

using CreateSequence = PanelLifecycle;

TEST_F(CreateSequence, AFirstStartWritesTheDefaults) {
  ctx.settings.Write(keys::kUseFullScan, "TRUE");

  panel::OnCreate(ctx);

  EXPECT_EQ(Text(keys::kUseFullScan), "FALSE");  // no full-scan list
  EXPECT_EQ(Text(keys::kFmChannel), "875");
  EXPECT_EQ(Text(keys::kBrightness), "128");
  EXPECT_EQ(Text(keys::kHue), "0");
  EXPECT_EQ(Text(keys::kContrast), "68");
  EXPECT_EQ(Text(keys::kSaturation), "64");
  EXPECT_EQ(Text(keys::kSurfingTime), "4");
  EXPECT_EQ(Text(keys::kSurfingWindows), "2 x 2");
  EXPECT_EQ(Text(keys::kAirAlreadyScan), "FALSE");
  EXPECT_EQ(Text(keys::kCableAlreadyScan), "FALSE");
  EXPECT_EQ(Text(keys::kTvChannelAir), "8");
  EXPECT_EQ(Text(keys::kTvChannelCable), "8");
  // The band lists it writes are the country setup test's.
  EXPECT_EQ(Text(keys::kVolume), "128");
  EXPECT_EQ(ctx.ui.volume, 128);
  EXPECT_EQ(ctx.channels.minCableChannel, 1);
}

TEST_F(CreateSequence, StoredValuesAreKeptAndUsed) {
  h.fake.WriteFile(ctx.where.settingsIni,
                   "[FREQCHLIST]\nALLCH=4\n[quarn]\nUseFullScan=TRUE\n"
                   "[TOVIX]\nCountryCode=49\nMinair=2\nMaxair=4\n"
                   "[TVTuner]\nFMChannel=900\nTVChannelAir=21\n"
                   "[VideoProcAmp]\nBrightnessValue=90\nHueValue=-5\n"
                   "[SURFING]\nTIME=8\nWIN=3 x 3\n"
                   "[CHANNELLISTAIR]\nALREADYSCAN=TRUE\n3=FALSE\n"
                   "[AudioProcAmp]\nVolumeValue=0200\n"
                   "[AudioDevice]\n0=Line In\n[Audio]\n0=7\n");
  ctx.ui.muted = 1;
  ctx.mode.tvClosed = 1;

  panel::OnCreate(ctx);

  EXPECT_EQ(Text(keys::kUseFullScan), "TRUE");
  EXPECT_EQ(Text(keys::kFmChannel), "900");
  EXPECT_EQ(ctx.picture.brightness, 90);
  EXPECT_EQ(ctx.picture.hue, -5);
  EXPECT_EQ(Text(keys::kSurfingWindows), "3 x 3");
  EXPECT_EQ(Text(keys::kTvChannelAir), "21");
  EXPECT_EQ(ctx.settings.Text(keys::kAirList, 3, "-"), "FALSE");
  EXPECT_EQ(ctx.settings.Text(keys::kAudioLines, 0, "-"), "-");  // rebuilt by the mixer
  EXPECT_EQ(ctx.settings.Text(keys::kAudioMuteControls, 0, "-"), "-");
  EXPECT_EQ(ctx.ui.volume, 200);
  EXPECT_EQ(Text(keys::kVolume), "200");  // rewritten in the file's number format
  EXPECT_EQ(ctx.ui.muted, 0);
  EXPECT_EQ(ctx.mode.tvClosed, 0);
  EXPECT_EQ(ctx.ui.visible, 1);
  EXPECT_EQ(h.fake.windows.State(ctx.windows.panel).lastShow, kSwShow);
  EXPECT_EQ(h.fake.windows.foreground, ctx.windows.panel);
}

TEST_F(CreateSequence, Country81StartsTheFmBandAt76MHz) {
  h.fake.WriteFile(ctx.where.settingsIni, "[TOVIX]\nCountryCode=81\n[TVTuner]\nFMChannel=900\n");
  panel::OnCreate(ctx);
  EXPECT_EQ(Text(keys::kFmChannel), "760");
}

// Which stored source posts which command is the start-up test's table.
TEST_F(CreateSequence, TooltipsThenTrayIconThenTheStoredSourceIsPosted) {
  h.fake.WriteFile(ctx.where.settingsIni, "[TovixCrossbar]\nInputSource=2\n");
  panel::OnCreate(ctx);
  const auto& shell = h.fake.shell.events;
  ASSERT_GE(shell.size(), 2u);
  EXPECT_EQ(shell[0].rfind("CreateTooltips", 0), 0u);
  EXPECT_EQ(shell[1], "AddTrayIcon");
  ASSERT_EQ(ToPanel().size(), 1u);
  EXPECT_TRUE(ToPanel()[0].IsCommand(cmd::kSourceSVideo));
  EXPECT_EQ(ToPanel()[0].delivery, Delivery::Posted);
  EXPECT_TRUE(h.received.empty());  // runs from the message loop, not during creation
}

using DestroySequence = PanelLifecycle;

TEST_F(DestroySequence, TearsDownInOrderAndRestoresThePowerFlags) {
  h.fake.time.Start(panel::kPanelTick, panel::kPanelTickMs);
  ctx.windows.downList = h.fake.windows.CreateList(ListWindow::Down);
  ctx.windows.sideList = h.fake.windows.CreateList(ListWindow::Side);
  h.fake.shell.tooltipsAlive = true;
  h.fake.shell.trayIcon = true;
  ctx.power = SavedPowerFlags{1, 0, 1};  // screen saver on, low power off, power-off on
  const WindowRef down = ctx.windows.downList, side = ctx.windows.sideList;

  panel::OnDestroy(ctx);

  EXPECT_FALSE(h.fake.time.IsRunning(panel::kPanelTick));
  EXPECT_TRUE(h.fake.windows.State(down).destroyed);
  EXPECT_TRUE(h.fake.windows.State(side).destroyed);
  EXPECT_EQ(
      h.fake.windows.EventsStartingWith("Destroy"),
      (std::vector<std::string>{"Destroy " + fakes::Hex(down), "Destroy " + fakes::Hex(side)}));
  EXPECT_EQ(h.fake.graphics.releases, 1);
  EXPECT_EQ(h.fake.shell.events, (std::vector<std::string>{"DestroyTooltips", "RemoveTrayIcon",
                                                           "Set 86 1", "Set 85 0", "Set 17 1"}));
  // The quit message is the window procedure's, after this returns.
  EXPECT_TRUE(ToPanel().empty());
}

TEST_F(DestroySequence, MissingListsAndTooltipsAreSkipped) {
  panel::OnDestroy(ctx);
  EXPECT_TRUE(h.fake.windows.EventsStartingWith("Destroy").empty());
  EXPECT_EQ(h.fake.shell.events,
            (std::vector<std::string>{"RemoveTrayIcon", "Set 86 0", "Set 85 0", "Set 17 0"}));
}

}  // namespace
}  // namespace tv
