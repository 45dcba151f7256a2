// The mixer through the real winmm calls. Test machines usually have no sound card: then the
// set-up must fail cleanly, every set operation must do nothing and the settings file must
// show no sound-card lines. Where a card exists, the published lists are checked for shape.
#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>

#include "app/key_table.h"
#include "app/locations.h"
#include "app/panel_context.h"
#include "app/settings_file.h"
#include "settings/mixer.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv {
namespace {

constexpr const char* kAppDirectory = "C:\\MixerTest";

class MixerUnderWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { winetest::InstallAt(kAppDirectory); }
  void SetUp() override {
    DeleteFileA(ctx.where.settingsIni.c_str());
    WriteProfileStringA(keys::kSoundCardName.section, keys::kSoundCardName.name, nullptr);
    window = CreateWindowExA(0, "STATIC", "Panel", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ctx.windows.panel = win32::FromHwnd(window);
  }
  void TearDown() override { DestroyWindow(window); }

  // As the panel's creation does it: the line lists are rebuilt from scratch.
  bool CreatePanelMixer() {
    ctx.settings.DeleteSection(keys::kAudioLines);
    ctx.settings.DeleteSection(keys::kAudioMuteControls);
    return settings::SetUpMixer(ctx, 0);
  }

  std::string SoundCardName() {
    char name[260] = {};
    GetProfileStringA(keys::kSoundCardName.section, keys::kSoundCardName.name, "-", name,
                      sizeof name);
    return name;
  }

  win32::Win32Platform platform;
  PanelContext ctx{platform.platform, ResolveLocations(platform.profile, platform.files)};
  HWND window = nullptr;
};

TEST_F(MixerUnderWine, TheSeamReportsWhatWinmmReports) {
  EXPECT_EQ(platform.mixer.DeviceCount(), mixerGetNumDevs());
  const UINT beyond = mixerGetNumDevs();
  EXPECT_FALSE(platform.mixer.Open(beyond, ctx.windows.panel));
  EXPECT_FALSE(platform.mixer.Capabilities(beyond).has_value());
  // Nothing is open after a failed open: every query and set answers "none".
  EXPECT_FALSE(platform.mixer.LineOfType(MixerLineType::Speakers).has_value());
  EXPECT_FALSE(platform.mixer.Destination(0).has_value());
  EXPECT_FALSE(platform.mixer.Source(0, 0).has_value());
  EXPECT_FALSE(platform.mixer.ControlOfType(0, MixerControlType::Volume).has_value());
  EXPECT_FALSE(platform.mixer.FirstControl(0).has_value());
  EXPECT_TRUE(platform.mixer.ItemNames(MixerControl{0, 2}).empty());
  const std::uint32_t level[] = {100};
  EXPECT_FALSE(platform.mixer.SetValues(0, level));
}

// What the behaviour does with no mixer is the native tests' business; here the real calls
// must lead it there.
TEST_F(MixerUnderWine, WithoutASoundCardTheSetUpFailsAndPublishesNone) {
  if (mixerGetNumDevs() != 0) GTEST_SKIP() << "this machine has a sound card";
  EXPECT_FALSE(CreatePanelMixer());
  EXPECT_EQ(ctx.settings.Text(keys::kAudioLines, 0), keys::kNone);
  EXPECT_EQ(ctx.settings.Text(keys::kRecordSources, 0), keys::kNone);
  EXPECT_EQ(SoundCardName(), "-");
  EXPECT_FALSE(settings::SetVolume(ctx, 110));
  settings::SetInputMute(ctx, 0);
  EXPECT_EQ(ctx.mixer.ready, 0);
}

TEST_F(MixerUnderWine, WithASoundCardTheLinesEndWithNoneAndTheCardIsNamed) {
  if (mixerGetNumDevs() == 0) GTEST_SKIP() << "no sound card on this machine";
  ASSERT_TRUE(CreatePanelMixer());
  int none = 0;
  while (ctx.settings.Text(keys::kAudioLines, none) != keys::kNone &&
         ctx.settings.Text(keys::kAudioLines, none) != settings::kNoInputLine)
    ++none;
  EXPECT_EQ(ctx.settings.Text(keys::kAudioLines, none), settings::kNoInputLine);
  EXPECT_EQ(ctx.settings.Text(keys::kAudioMuteControls, none), "0");
  EXPECT_EQ(ctx.settings.Int(keys::kAudioInput), none);
  EXPECT_NE(SoundCardName(), "-");
  settings::SetInputMute(ctx, 0);
  if (ctx.mixer.volumeControl) {
    EXPECT_TRUE(settings::SetVolume(ctx, 110));
    int value = 0;
    EXPECT_TRUE(settings::GetCachedValue(ctx, settings::kCachedVolume, value));
    EXPECT_EQ(value, 110);
  }
}

}  // namespace
}  // namespace tv
