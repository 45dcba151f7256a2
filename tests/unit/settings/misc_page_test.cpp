// The misc settings page: what its opening writes and leaves alone, the lists' selections from
// good and bad stored values, the snapshot list's index + 1, Browse's joining, always-on-top at
// once, and input dropped without the video program or during a scan.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/misc_page.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

struct Bench : testing::PageBench<settings::MiscPage> {
  explicit Bench(const std::string& settings = "", bool withVideo = true)
      : PageBench(settings, withVideo) {
    notifyingEdits = {IDC_MISC_PATH_EDIT};
    Open();
  }
  std::string Keys() const {
    return Stored({keys::kTimeShiftFileRoot, keys::kAlwaysOnTop, keys::kTimeShiftSize,
                   keys::kTimeShiftBitRate, keys::kDeleteTempFile, keys::kSnapShotNumber,
                   keys::kSurfingTime, keys::kSurfingWindows});
  }
  // Selections of time, mosaic, snapshots, size, bit rate; then the two boxes.
  std::string Shown() {
    return Selections({IDC_MISC_TIME_LIST, IDC_MISC_MOSAIC_LIST, IDC_MISC_SNAPSHOT_LIST,
                       IDC_MISC_SIZE_LIST, IDC_MISC_BITRATE_LIST}) +
           (C(IDC_MISC_DELETE_TEMP_CHECK).checked ? " del " : " keep ") +
           (C(IDC_MISC_ALWAYS_ON_TOP).checked ? "top" : "normal");
  }
  // Whether the panel and the video window are topmost ("?": never set).
  std::string Topmost(bool panelToo = true) {
    std::string s;
    for (WindowRef w : {ctx.windows.panel, tv}) {
      const std::optional<bool> top = h.fake.windows.State(w).topmost;
      if (w != ctx.windows.panel || panelToo) s += top ? (*top ? "1" : "0") : "?";
    }
    return s;
  }
  std::string File() { return Stored({keys::kTimeShiftFileRoot}); }
};

TEST(MiscPageStart, WritesOnlyTheMissingDefaultsTheSpecifiedOnesAndSelectsWhatIsStored) {
  // clang-format off
  const struct { const char *settings, *keys, *shown; int deleteFlag; } cases[] = {
      {"", "C:\\TimeShift.mpg FALSE 320x240 1250000 - - - -", "-1 -1 0 0 0 del normal", 1},
      {"[VideoStandard]\nVideoStandard=4\n", "C:\\TimeShift.mpg FALSE 352x288 1250000 - - - -", "-1 -1 0 0 0 del normal", 1},
      {"[VideoStandard]\nVideoStandard=5\n[quarn]\nTimeShiftSize=720x576\nTimeShiftBitRate=4000000\nDeleteTempFile=FALSE\n"
       "SnapShotNumber=10\nAlwaysOnTop=TRUE\nTimeShiftFileRoot=D:\\t.mpg\n[SURFING]\nTIME=3\nWIN=5 x 5\n",
       "D:\\t.mpg TRUE 720x576 4000000 FALSE 10 3 5 x 5", "2 3 9 1 2 keep top", 0},
      {"[quarn]\nTimeShiftSize=720x576\nTimeShiftBitRate=99\nDeleteTempFile=true\nAlwaysOnTop=true\n[SURFING]\nTIME=10\nWIN=3x3\n",
       "C:\\TimeShift.mpg true 720x576 99 true - 10 3x3", "-1 -1 0 0 0 keep normal", 0},
      {"[quarn]\nDeleteTempFile=TRUE\n", "C:\\TimeShift.mpg FALSE 320x240 1250000 TRUE - - -", "-1 -1 0 0 0 del normal", 1}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    Bench b(c.settings);
    EXPECT_EQ(b.Keys() + "|" + b.Shown() + "|" + std::to_string(b.ctx.timeShift.deleteTempFlag),
              std::string(c.keys) + "|" + c.shown + "|" + std::to_string(c.deleteFlag));
  }
  // A path too long for the edit's buffer comes back cut by the edit's own notification.
  const std::string deep = "D:\\" + std::string(300, 'd');
  Bench b("[quarn]\nTimeShiftFileRoot=" + deep + "\n");
  EXPECT_EQ(b.File(), deep.substr(0, 259));
  EXPECT_EQ(b.Items(IDC_MISC_MOSAIC_LIST) + "|" + b.C(IDC_MISC_DELETE_TEMP_CHECK).text,
            "2 x 2,3 x 3,4 x 4,5 x 5|After TimeShift recording,don't save the temp file.");
}

TEST(MiscPageSnapshots, ListIndexIsTheStoredLeadingNumberLessOneAndChoicesStoreIndexPlusOne) {
  // clang-format off
  const struct { const char* stored; int index; } cases[] = {
      {"", 0}, {"1", 0}, {"10", 9}, {"4x", 3}, {" 7", 6}, {"0", -1}, {"11", -1}, {"abc", -1}, {"-3", -1},
      {"99999999999999", -1}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Bench b(std::string("[quarn]\nSnapShotNumber=") + c.stored + "\n");
    const int index = b.C(IDC_MISC_SNAPSHOT_LIST).selection;
    b.dialog->Notify(IDC_MISC_SNAPSHOT_LIST, 3);  // focus: stores only a choice that exists
    const std::string focused = b.Stored({keys::kSnapShotNumber});
    b.dialog->Choose(IDC_MISC_SNAPSHOT_LIST, 4, kCbnSelChange);
    EXPECT_EQ(std::to_string(index) + "|" + focused + "|" + b.Stored({keys::kSnapShotNumber}),
              std::to_string(c.index) + "|" +
                  (c.index < 0 ? c.stored : std::to_string(c.index + 1)) + "|5");
  }
}

TEST(MiscPageInput, EachControlStoresItsValueOnItsNotifications) {
  Bench b;
  b.dialog->Choose(IDC_MISC_TIME_LIST, 4, kCbnSelEndOk);  // only a change counts for these two
  b.dialog->Choose(IDC_MISC_MOSAIC_LIST, 1, kCbnSelEndOk);
  EXPECT_EQ(b.Stored({keys::kSurfingTime, keys::kSurfingWindows}), "- -");
  b.dialog->Choose(IDC_MISC_TIME_LIST, 4, kCbnSelChange);
  b.dialog->Choose(IDC_MISC_MOSAIC_LIST, 1, kCbnSelChange);
  b.dialog->Choose(IDC_MISC_SIZE_LIST, 1, kCbnSelEndOk);
  b.dialog->Choose(IDC_MISC_BITRATE_LIST, 2, kCbnSelEndOk);
  b.dialog->Check(IDC_MISC_DELETE_TEMP_CHECK, false);
  b.dialog->Click(IDC_MISC_DELETE_TEMP_CHECK);
  b.dialog->SetText(IDC_MISC_PATH_EDIT, "E:\\ts.mpg");
  b.dialog->Notify(IDC_MISC_PATH_EDIT, 0x0300);  // a change after the update: nothing more
  EXPECT_EQ(b.Keys() + " " + std::to_string(b.ctx.timeShift.deleteTempFlag),
            "E:\\ts.mpg FALSE 640x480 4000000 FALSE - 5 3 x 3 0");

  // Without the video program, during any scan: shown, never stored.
  for (int ModeFlags::*scan :
       {&ModeFlags::airScan, &ModeFlags::fmScan, (int ModeFlags::*)nullptr}) {
    Bench s("", scan != nullptr);
    if (scan) s.ctx.mode.*scan = 1;
    const std::string before = s.Keys();
    s.dialog->Choose(IDC_MISC_TIME_LIST, 1, kCbnSelChange);
    s.dialog->Choose(IDC_MISC_SNAPSHOT_LIST, 3);
    s.dialog->Click(IDC_MISC_ALWAYS_ON_TOP);
    s.h.fake.shell.folderAnswers.push_back("D:\\");
    s.dialog->Click(IDC_MISC_BROWSE);
    s.dialog->SetText(IDC_MISC_PATH_EDIT, "F:\\x.mpg");
    EXPECT_EQ(s.Keys() + std::to_string(s.h.fake.shell.folderBrowses.size()), before + "0");
  }
}

TEST(MiscPageTop, AlwaysOnTopReachesThePanelAndTheVideoWindowAtOnce) {
  Bench b("[quarn]\nAlwaysOnTop=TRUE\n");
  std::string seen = b.Topmost();
  for (bool on : {false, true}) {
    b.dialog->Check(IDC_MISC_ALWAYS_ON_TOP, on);
    b.dialog->Click(IDC_MISC_ALWAYS_ON_TOP);
    seen += " " + b.Stored({keys::kAlwaysOnTop}) + " " + b.Topmost();
  }
  EXPECT_EQ(seen, "11 FALSE 00 TRUE 11");
  Bench lower("[quarn]\nAlwaysOnTop=true\n");  // only the exact word counts
  EXPECT_EQ(
      lower.Topmost(false) + lower.Flags(&fakes::FakeControl::checked, {IDC_MISC_ALWAYS_ON_TOP}),
      "00");
}

TEST(MiscPageBrowse, TheFileGoesIntoTheChosenFolderWithOneBackslash) {
  const std::string deep = "D:\\" + std::string(245, 'd');
  // clang-format off
  const struct { std::optional<std::string> chosen; std::string stored; } cases[] = {
      {std::nullopt, "C:\\Old.mpg"}, {"D:\\", "D:\\TimeShift.mpg"}, {"D:\\Shift", "D:\\Shift\\TimeShift.mpg"},
      {"\\\\host\\share\\", "\\\\host\\share\\TimeShift.mpg"}, {deep, "C:\\Old.mpg"}};  // deep: would not fit the path buffer
  // clang-format on
  for (const auto& c : cases) {
    Bench b("[quarn]\nTimeShiftFileRoot=C:\\Old.mpg\n");
    b.h.fake.shell.folderAnswers.push_back(c.chosen);
    b.dialog->Click(IDC_MISC_BROWSE);
    EXPECT_EQ(b.File() + "|" + b.C(IDC_MISC_PATH_EDIT).text, c.stored + "|" + c.stored);
  }
  EXPECT_EQ(settings::TimeShiftFileIn(""), "\\TimeShift.mpg");
}

}  // namespace
}  // namespace tv
