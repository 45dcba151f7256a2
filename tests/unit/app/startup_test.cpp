#include "app/startup.h"

#include <gtest/gtest.h>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "fakes/fake_platform.h"

namespace tv {
namespace {

TEST(StartUp, PowerFeaturesGoOffInOrderAndComeBackAsTheyWere) {
  fakes::FakePlatform fake;
  fake.Install();
  fakes::FakeTunerLibrary tuner;
  PanelContext ctx{fake.platform, Locations{}};
  fake.shell.systemFlags = {{84, 1}, {83, 0}, {16, 1}};  // power-off on, low-power off, saver on
  ASSERT_EQ(StartUpBeforeWindow(ctx, tuner), StartDecision::CreateWindow);
  // Low power was off: nothing to switch.
  const auto& events = fake.shell.events;
  EXPECT_EQ(std::vector(events.begin(), events.begin() + std::min<std::size_t>(events.size(), 5)),
            (std::vector<std::string>{"Query 84", "Set 86 0", "Query 83", "Query 16", "Set 17 0"}));
  fake.shell.systemSets.clear();
  RestorePowerFeatures(ctx.os.shell, ctx.power);
  // A feature that was off at start is written back as 0, not switched on.
  EXPECT_EQ(fake.shell.systemSets,
            (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{86, 1}, {85, 0}, {17, 1}}));
}

// Also the one table of which stored source posts which command; the panel's own start and
// its hot key post the same.
TEST(StartUp, ASecondStartHandsTheSavedSourceToTheRunningPanel) {
  // clang-format off
  const struct { const char* stored; cmd::Id posted; } cases[] = {
      {"1", cmd::kSourceComposite}, {"2", cmd::kSourceSVideo}, {"3", cmd::kSourceCable},
      {"4", cmd::kSourceAir}, {"5", cmd::kSourceFm}, {nullptr, cmd::kSourceCable}, {"0", 0}, {"6", 0}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored != nullptr ? c.stored : "missing");
    fakes::FakePlatform other;
    fakes::FakeTunerLibrary library;
    other.Install();
    if (c.stored != nullptr)
      IniFile(other.profile, "C:\\Tv\\Settings.ini").Write(keys::kInputSource, c.stored);
    const WindowRef running = other.messenger.AddWindow("Brivanta Zentaro", "Panel");
    PanelContext second(other.platform, Locations{});
    EXPECT_EQ(StartUpBeforeWindow(second, library), StartDecision::ExitNow);
    EXPECT_EQ(other.windows.foreground, running);
    EXPECT_EQ(other.windows.State(running).lastShow, kSwRestore);
    EXPECT_EQ(other.messenger.CommandsTo(running),
              c.posted ? std::vector<std::uint16_t>{c.posted} : std::vector<std::uint16_t>{});
    const auto& log = other.messenger.Log();
    EXPECT_TRUE(!c.posted || (!log.empty() && log.back().delivery == fakes::Delivery::Posted));
  }
}

}  // namespace
}  // namespace tv
