// Starting the video window program and finding the peers' windows. Starting from the
// installation folder, and the scan after a launch, are checked with the source commands.

#include "commands/video_window.h"

#include <gtest/gtest.h>

#include "app/key_table.h"
#include "app/settings_file.h"
#include "commands/command_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using tv::testing::PanelHarness;

TEST(VideoWindowProgram, StartsFromTheCurrentFolderWithoutAnInstallationFolder) {
  PanelHarness h;
  WinIni(h.fake.profile).Write(keys::kAppDirectory, "");
  ASSERT_TRUE(h.fake.files.ChangeDirectory("D:\\Elsewhere"));
  StartVideoProgram(h.ctx, kSwShow);
  EXPECT_EQ(h.ctx.mode.videoBusy, 1);  // until the program acknowledges with 40113
  ASSERT_EQ(h.fake.shell.started.size(), 1u);
  EXPECT_EQ(h.fake.shell.started[0].commandLine, "D:\\Elsewhere\\screen.ex_");
  EXPECT_EQ(h.fake.shell.started[0].showState, kSwShow);
  EXPECT_TRUE(h.received.empty());  // no wait, no follow-up
  EXPECT_TRUE(h.fake.time.Sleeps().empty());
}

TEST(VideoWindowProgram, PeersAreLookedUpAgainAtEveryUse) {
  PanelHarness h;
  const WindowRef first = h.AddVideoWindow();
  EXPECT_EQ(FindVideoWindow(h.ctx), first);
  h.fake.messenger.RemoveWindow(first);
  EXPECT_FALSE(FindVideoWindow(h.ctx));
  EXPECT_FALSE(h.ctx.windows.video);  // a stale handle is not kept
  const WindowRef player = h.fake.messenger.AddWindow(kPlaybackClass, kPlaybackTitle);
  h.fake.messenger.AddWindow("OtherClass", kPlaybackTitle);
  EXPECT_EQ(FindPlaybackWindow(h.ctx), player);
  EXPECT_FALSE(FindScheduleWindow(h.ctx));
}

}  // namespace
}  // namespace tv::commands
