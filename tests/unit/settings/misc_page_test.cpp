// The misc settings page: what its opening writes and leaves alone, the lists' selections from
// good and bad stored values, the snapshot list's index + 1, Browse's joining, always-on-top at
// once, and input dropped without the video program or during a scan.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "fakes/fake_platform.h"
#include "settings/misc_page.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

struct Bench {
  explicit Bench(const std::string& settings = "", bool withVideo = true) {
    h.fake.WriteFile(ctx.where.settingsIni, settings);
    if (withVideo) tv = h.AddVideoWindow();
    dialog.notifyingEdits = {IDC_MISC_PATH_EDIT};
    dialog.Attach(page);
    dialog.Start();
  }
  std::string Stored(const keys::Key& key) const { return ctx.settings.Text(key, "-", 300); }
  std::string Keys() const {
    return Stored(keys::kTimeShiftFileRoot) + " " + Stored(keys::kAlwaysOnTop) + " " +
           Stored(keys::kTimeShiftSize) + " " + Stored(keys::kTimeShiftBitRate) + " " +
           Stored(keys::kDeleteTempFile) + " " + Stored(keys::kSnapShotNumber) + " " +
           Stored(keys::kSurfingTime) + " " + Stored(keys::kSurfingWindows);
  }
  // Selections of time, mosaic, snapshots, size, bit rate; then the two boxes.
  std::string Shown() {
    std::string s;
    for (int id : {IDC_MISC_TIME_LIST, IDC_MISC_MOSAIC_LIST, IDC_MISC_SNAPSHOT_LIST,
                   IDC_MISC_SIZE_LIST, IDC_MISC_BITRATE_LIST})
      s += std::to_string(dialog.Control(id).selection) + " ";
    return s + (dialog.Control(IDC_MISC_DELETE_TEMP_CHECK).checked ? "del " : "keep ") +
           (dialog.Control(IDC_MISC_ALWAYS_ON_TOP).checked ? "top" : "normal");
  }
  std::optional<bool> Topmost(WindowRef w) { return h.fake.windows.State(w).topmost; }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef tv;
  settings::MiscPage page{ctx};
  fakes::FakeDialog dialog;
};

TEST(MiscPageStart, WritesOnlyTheMissingDefaultsTheSpecifiedOnesAndSelectsWhatIsStored) {
  const struct {
    const char* settings;
    const char* keys;
    const char* shown;
    int deleteFlag;
  } cases[] = {
      {"", "C:\\TimeShift.mpg FALSE 320x240 1250000 - - - -", "-1 -1 0 0 0 del normal", 1},
      {"[VideoStandard]\nVideoStandard=4\n", "C:\\TimeShift.mpg FALSE 352x288 1250000 - - - -",
       "-1 -1 0 0 0 del normal", 1},
      {"[VideoStandard]\nVideoStandard=5\n[quarn]\nTimeShiftSize=720x576\nTimeShiftBitRate="
       "4000000\nDeleteTempFile=FALSE\nSnapShotNumber=10\nAlwaysOnTop=TRUE\n"
       "TimeShiftFileRoot=D:\\t.mpg\n[SURFING]\nTIME=3\nWIN=5 x 5\n",
       "D:\\t.mpg TRUE 720x576 4000000 FALSE 10 3 5 x 5", "2 3 9 1 2 keep top", 0},
      {"[quarn]\nTimeShiftSize=720x576\nTimeShiftBitRate=99\nDeleteTempFile=true\n"
       "AlwaysOnTop=true\n[SURFING]\nTIME=10\nWIN=3x3\n",
       "C:\\TimeShift.mpg true 720x576 99 true - 10 3x3", "-1 -1 0 0 0 keep normal", 0},
      {"[quarn]\nDeleteTempFile=TRUE\n", "C:\\TimeShift.mpg FALSE 320x240 1250000 TRUE - - -",
       "-1 -1 0 0 0 del normal", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    Bench b(c.settings);
    EXPECT_EQ(b.Keys(), c.keys);
    EXPECT_EQ(b.Shown(), c.shown);
    EXPECT_EQ(b.ctx.timeShift.deleteTempFlag, c.deleteFlag);
  }
  // A path too long for the edit's buffer comes back cut by the edit's own notification.
  const std::string deep = "D:\\" + std::string(300, 'd');
  Bench b("[quarn]\nTimeShiftFileRoot=" + deep + "\n");
  EXPECT_EQ(b.Stored(keys::kTimeShiftFileRoot), deep.substr(0, 259));
  EXPECT_EQ(b.dialog.Control(IDC_MISC_MOSAIC_LIST).items,
            (std::vector<std::string>{"2 x 2", "3 x 3", "4 x 4", "5 x 5"}));
  EXPECT_EQ(b.dialog.Control(IDC_MISC_DELETE_TEMP_CHECK).text,
            "After TimeShift recording,don't save the temp file.");
}

TEST(MiscPageSnapshots, ListIndexIsTheStoredLeadingNumberLessOneAndChoicesStoreIndexPlusOne) {
  const struct {
    const char* stored;
    int index;
  } cases[] = {{"", 0},   {"1", 0},   {"10", 9},   {"4x", 3},  {" 7", 6},
               {"0", -1}, {"11", -1}, {"abc", -1}, {"-3", -1}, {"99999999999999", -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Bench b(std::string("[quarn]\nSnapShotNumber=") + c.stored + "\n");
    EXPECT_EQ(b.dialog.Control(IDC_MISC_SNAPSHOT_LIST).selection, c.index);
    b.dialog.Notify(IDC_MISC_SNAPSHOT_LIST, 3);  // focus: stores only a choice that exists
    EXPECT_EQ(b.Stored(keys::kSnapShotNumber),
              c.index < 0 ? c.stored : std::to_string(c.index + 1));
    b.dialog.Choose(IDC_MISC_SNAPSHOT_LIST, 4, kCbnSelChange);
    EXPECT_EQ(b.Stored(keys::kSnapShotNumber), "5");
  }
}

TEST(MiscPageInput, EachControlStoresItsValueOnItsNotifications) {
  Bench b;
  b.dialog.Choose(IDC_MISC_TIME_LIST, 4, kCbnSelEndOk);  // only a change counts for these two
  b.dialog.Choose(IDC_MISC_MOSAIC_LIST, 1, kCbnSelEndOk);
  EXPECT_EQ(b.Stored(keys::kSurfingTime) + b.Stored(keys::kSurfingWindows), "--");
  b.dialog.Choose(IDC_MISC_TIME_LIST, 4, kCbnSelChange);
  b.dialog.Choose(IDC_MISC_MOSAIC_LIST, 1, kCbnSelChange);
  b.dialog.Choose(IDC_MISC_SIZE_LIST, 1, kCbnSelEndOk);
  b.dialog.Choose(IDC_MISC_BITRATE_LIST, 2, kCbnSelEndOk);
  b.dialog.Check(IDC_MISC_DELETE_TEMP_CHECK, false);
  b.dialog.Click(IDC_MISC_DELETE_TEMP_CHECK);
  b.dialog.SetText(IDC_MISC_PATH_EDIT, "E:\\ts.mpg");
  b.dialog.Notify(IDC_MISC_PATH_EDIT, 0x0300);  // a change after the update: nothing more
  EXPECT_EQ(b.Keys(), "E:\\ts.mpg FALSE 640x480 4000000 FALSE - 5 3 x 3");
  EXPECT_EQ(b.ctx.timeShift.deleteTempFlag, 0);

  // Without the video program, during any scan: shown, never stored.
  for (int ModeFlags::*scan :
       {&ModeFlags::airScan, &ModeFlags::fmScan, (int ModeFlags::*)nullptr}) {
    Bench s("", scan != nullptr);
    if (scan) s.ctx.mode.*scan = 1;
    const std::string before = s.Keys();
    s.dialog.Choose(IDC_MISC_TIME_LIST, 1, kCbnSelChange);
    s.dialog.Choose(IDC_MISC_SNAPSHOT_LIST, 3);
    s.dialog.Click(IDC_MISC_ALWAYS_ON_TOP);
    s.h.fake.shell.folderAnswers.push_back("D:\\");
    s.dialog.Click(IDC_MISC_BROWSE);
    s.dialog.SetText(IDC_MISC_PATH_EDIT, "F:\\x.mpg");
    EXPECT_EQ(s.Keys(), before);
    EXPECT_TRUE(s.h.fake.shell.folderBrowses.empty());
  }
}

TEST(MiscPageTop, AlwaysOnTopReachesThePanelAndTheVideoWindowAtOnce) {
  Bench b("[quarn]\nAlwaysOnTop=TRUE\n");
  EXPECT_EQ(b.Topmost(b.ctx.windows.panel), true);
  EXPECT_EQ(b.Topmost(b.tv), true);
  b.dialog.Check(IDC_MISC_ALWAYS_ON_TOP, false);
  b.dialog.Click(IDC_MISC_ALWAYS_ON_TOP);
  EXPECT_EQ(b.Stored(keys::kAlwaysOnTop), "FALSE");
  EXPECT_EQ(b.Topmost(b.ctx.windows.panel), false);
  EXPECT_EQ(b.Topmost(b.tv), false);
  b.dialog.Check(IDC_MISC_ALWAYS_ON_TOP, true);
  b.dialog.Click(IDC_MISC_ALWAYS_ON_TOP);
  EXPECT_EQ(b.Topmost(b.tv), true);

  Bench lower("[quarn]\nAlwaysOnTop=true\n");  // only the exact word counts
  EXPECT_EQ(lower.Topmost(lower.tv), false);
  EXPECT_FALSE(lower.dialog.Control(IDC_MISC_ALWAYS_ON_TOP).checked);
}

TEST(MiscPageBrowse, TheFileGoesIntoTheChosenFolderWithOneBackslash) {
  const std::string deep = "D:\\" + std::string(245, 'd');
  const struct {
    std::optional<std::string> chosen;
    std::string stored;
  } cases[] = {{std::nullopt, "C:\\Old.mpg"},
               {"D:\\", "D:\\TimeShift.mpg"},
               {"D:\\Shift", "D:\\Shift\\TimeShift.mpg"},
               {"\\\\host\\share\\", "\\\\host\\share\\TimeShift.mpg"},
               {deep, "C:\\Old.mpg"}};  // would not fit the path buffer
  for (const auto& c : cases) {
    Bench b("[quarn]\nTimeShiftFileRoot=C:\\Old.mpg\n");
    b.h.fake.shell.folderAnswers.push_back(c.chosen);
    b.dialog.Click(IDC_MISC_BROWSE);
    EXPECT_EQ(b.Stored(keys::kTimeShiftFileRoot), c.stored);
    EXPECT_EQ(b.dialog.Control(IDC_MISC_PATH_EDIT).text, c.stored);
  }
  EXPECT_EQ(settings::TimeShiftFileIn(""), "\\TimeShift.mpg");
}

}  // namespace
}  // namespace tv
