// The panel window's start and end sequences.

#include <gtest/gtest.h>

#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "panel/panel_timers.h"
#include "panel/panel_window.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

// A first start runs the setup dialog: it takes the band data of the library's country and
// chooses the one card, which the check after it then finds.
class PanelLifecycle : public ::testing::Test {
 protected:
  PanelLifecycle() {
    tuner.countries = {
        {.code = 1, .airLowest = 2, .airHighest = 5, .cableLowest = 1, .cableHighest = 3}};
    tuner.countryCount = 1;
    ctx.tuner = &tuner;
    ctx.countryCount = 1;
    h.fake.captureDevices.Plug("TV Card");
  }
  std::string Text(const keys::Key& key) const { return ctx.settings.Text(key, "missing", 40); }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  fakes::FakeTunerLibrary tuner;
};

TEST_F(PanelLifecycle, CreateKeepsStoredValuesAndPostsTheSourceAfterTooltipsAndTrayIcon) {
  h.fake.WriteFile(ctx.where.settingsIni,
                   "[quarn]\nUseFullScan=TRUE\n[TovixCrossbar]\nInputSource=2\n"
                   "[AudioProcAmp]\nVolumeValue=0200\n[AudioDevice]\n0=Line In\n");
  ctx.ui.muted = 1;
  ctx.mode.tvClosed = 1;
  panel::OnCreate(ctx);
  // No full-scan list to use; the lines rebuilt by the mixer; the volume rewritten in the
  // file's number format; shown; tooltips and the tray icon first.
  const auto& shell = h.fake.shell.events;
  ASSERT_GE(shell.size(), 2u);
  EXPECT_EQ(testing::Join(Text(keys::kUseFullScan), ctx.settings.Text(keys::kAudioLines, 0, "-"),
                          ctx.ui.volume, Text(keys::kVolume), ctx.ui.muted, ctx.mode.tvClosed,
                          h.fake.windows.State(ctx.windows.panel).lastShow, shell[0].substr(0, 14),
                          shell[1]),
            testing::Join("FALSE - 200 200 0 0", kSwShow, "CreateTooltips AddTrayIcon"));
  // Posted, to run from the message loop rather than during creation.
  EXPECT_EQ(h.Log(ctx.windows.panel), testing::Msg(cmd::kSourceSVideo));
  EXPECT_TRUE(h.received.empty());
}

TEST_F(PanelLifecycle, Country81StartsTheFmBandAt76MHz) {
  h.fake.WriteFile(ctx.where.settingsIni, "[TOVIX]\nCountryCode=81\n[TVTuner]\nFMChannel=900\n");
  panel::OnCreate(ctx);
  EXPECT_EQ(Text(keys::kFmChannel), "760");
}

TEST_F(PanelLifecycle, DestroyTearsDownInOrderAndRestoresThePowerFlags) {
  h.fake.time.Start(panel::kPanelTick, panel::kPanelTickMs);
  const WindowRef down = ctx.windows.downList = h.fake.windows.CreateList(ListWindow::Down);
  const WindowRef side = ctx.windows.sideList = h.fake.windows.CreateList(ListWindow::Side);
  h.fake.shell.tooltipsAlive = true;
  h.fake.shell.trayIcon = true;
  ctx.power = SavedPowerFlags{1, 0, 1};  // screen saver on, low power off, power-off on
  panel::OnDestroy(ctx);
  EXPECT_FALSE(h.fake.time.IsRunning(panel::kPanelTick));
  EXPECT_EQ(testing::JoinAll(h.fake.windows.EventsStartingWith("Destroy"), ";"),
            "Destroy " + fakes::Hex(down) + ";Destroy " + fakes::Hex(side));
  EXPECT_EQ(h.fake.graphics.releases, 1);
  EXPECT_EQ(testing::JoinAll(h.fake.shell.events, ";"),
            "DestroyTooltips;RemoveTrayIcon;Set 86 1;Set 85 0;Set 17 1");
  // The quit message is the window procedure's, after this returns.
  EXPECT_EQ(h.Log(ctx.windows.panel), "");
}

}  // namespace
}  // namespace tv
