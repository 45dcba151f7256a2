// The capture devices recorded in [DEVICE] and the check of the chosen one at start.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "settings/capture_devices.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

class CaptureDevices : public ::testing::Test {
 protected:
  std::string Device(int n) const { return ctx.settings.Text(keys::kDevices, n, "-", 2000); }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  fakes::FakeCaptureEnumerator& devices = h.fake.captureDevices;
};

TEST_F(CaptureDevices, NumbersEveryListedDeviceAndLeavesOtherKeysAlone) {
  h.fake.WriteFile(ctx.where.settingsIni, "[DEVICE]\n1=Old card\n2=Stale card\n5=Older card\n");
  devices.Plug("TV Card A");
  devices.PlugNameless();
  devices.Plug("TV Card C");

  settings::EnumerateCaptureDevices(ctx);

  // An unreadable name: its number is used, its key kept.
  EXPECT_EQ(Device(0) + "|" + Device(1) + "|" + Device(2) + "|" + Device(5),
            "TV Card A|Old card|TV Card C|Older card");
  EXPECT_TRUE(h.fake.messageBoxes.Shown().empty());
}

TEST_F(CaptureDevices, TheChosenDeviceMustBeListedAtItsNumberUnderItsExactName) {
  // index nullptr: [SelectDevice] missing; key: of [DEVICE]
  // clang-format off
  const struct { const char *what, *index, *key, *stored; int expected; } cases[] = {
      {"same name at the same number", "1", "1", "TV Card B", 1}, {"no choice stored means device 0", nullptr, "0", "TV Card A", 1},
      {"renamed only in letter case", "1", "1", "TV CARD B", 0}, {"another device's name", "0", "0", "TV Card B", 0},
      {"number beyond the devices", "3", "3", "TV Card B", 0}, {"no device chosen at setup", "-1", "-1", "", 0},
      {"the device's name cannot be read", "2", "2", "", 0},
      // The index names the key as text: "01" finds no name, though it counts as device 1.
      {"index written with a leading zero", "01", "1", "TV Card B", 0}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::PanelHarness other;
    other.fake.captureDevices.Plug("TV Card A");
    other.fake.captureDevices.Plug("TV Card B");
    other.fake.captureDevices.PlugNameless();
    if (c.index != nullptr) other.ctx.settings.Write(keys::kSelectedDevice, c.index);
    other.ctx.settings.RawWrite(keys::kDevices.name, c.key, c.stored);

    EXPECT_EQ(settings::VerifySelectedDevice(other.ctx), c.expected);
    EXPECT_TRUE(other.fake.messageBoxes.Shown().empty());
  }
}

}  // namespace
}  // namespace tv
