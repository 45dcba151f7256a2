// The multi-channel preview and the programs the panel starts: what the card, the started
// programs' command lines and the desktop see.

#include "commands/companion_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv::commands {
namespace {

using fakes::Delivery;
using fakes::StartedProgram;
using tv::testing::PanelHarness;

constexpr std::uint32_t kRegSz = 1, kRegExpandSz = 2;

std::vector<std::string> CommandLines(const std::vector<StartedProgram>& started) {
  std::vector<std::string> lines;
  for (const auto& p : started) {
    EXPECT_EQ(p.showState, kSwShow) << p.commandLine;
    lines.push_back(p.commandLine);
  }
  return lines;
}

class CompanionTest : public ::testing::Test {
 protected:
  CompanionTest() {
    h.onCommand = [this](std::uint16_t id, std::intptr_t lParam) { OnCommand(ctx, id, lParam); };
    video = h.AddVideoWindow();
  }
  void Do(std::uint16_t id) {
    OnCommand(ctx, id, 0);
    h.fake.messenger.DispatchPosted();
  }
  std::vector<std::string> Started() const { return CommandLines(h.fake.shell.started); }

  PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

// ---- preview --------------------------------------------------------------------------------

TEST_F(CompanionTest, PreviewFocusesTheCardAroundItsPostAndStaysBusyUntilTheCardIsDone) {
  Do(cmd::kPreview);
  EXPECT_EQ(h.fake.messenger.CommandsTo(video),
            std::vector<std::uint16_t>{cmd::kVideoStartPreview});
  const std::string focus = "Focus " + fakes::Hex(video);
  EXPECT_EQ(h.fake.windows.events, (std::vector<std::string>{focus, focus}));
  EXPECT_EQ(ctx.mode.previewActive, 1);
  EXPECT_EQ(ctx.mode.videoBusy, 1);
  Do(cmd::kPreview);  // a second press before 40113
  EXPECT_EQ(h.fake.messenger.CommandsTo(video).size(), 1u);
  Do(cmd::kPeerPreviewEnded);
  EXPECT_EQ(ctx.mode.previewActive, 0);
  Do(cmd::kPeerReady);
  Do(cmd::kPreview);
  EXPECT_EQ(h.fake.messenger.CommandsTo(video).size(), 2u);
}

TEST_F(CompanionTest, PreviewIsRefusedOffTheTunerAndWhileAnythingElseRuns) {
  for (int* flag : {&ctx.mode.tvClosed, &ctx.mode.videoInput, &ctx.mode.fmMode, &ctx.mode.airScan,
                    &ctx.mode.cableScan, &ctx.mode.fmScan, &ctx.mode.videoBusy}) {
    *flag = 1;
    Do(cmd::kPreview);
    *flag = 0;
  }
  EXPECT_TRUE(h.fake.messenger.CommandsTo(video).empty());
  EXPECT_TRUE(h.fake.windows.events.empty());
  EXPECT_EQ(ctx.mode.previewActive, 0);
}

// ---- teletext -------------------------------------------------------------------------------

TEST_F(CompanionTest, TeletextSetsTheCaptureSizeTellsTheCardThenStartsTheViewer) {
  WinIni(h.fake.profile).Write(keys::kTeletextDir, "C:\\Text");
  ctx.settings.Write(keys::kCaptureStreamSize, "640x480");
  std::string sizeWhenTold;
  h.fake.messenger.SetHandler(video, [&](std::uint32_t, std::uintptr_t, std::intptr_t) {
    sizeWhenTold = ctx.settings.Text(keys::kCaptureStreamSize);
    EXPECT_TRUE(h.fake.shell.started.empty());
    return std::intptr_t{0};
  });
  Do(cmd::kTeletext);
  EXPECT_EQ(sizeWhenTold, "352x288");
  const auto log = h.fake.messenger.LogTo(video);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(log[0].IsCommand(cmd::kVideoApplyCapture));
  EXPECT_EQ(log[0].lParam, 1);
  EXPECT_EQ(log[0].delivery, Delivery::Sent);
  EXPECT_EQ(Started(), std::vector<std::string>{"C:\\Text\\Infopage.ex_"});
}

TEST_F(CompanionTest, TeletextFolderAndStandardCasesAndTheFmGuard) {
  const std::string longFolder = "C:\\" + std::string(400, 'x');
  // Boxes as "text|caption", all without an owner: they show even while the panel is hidden.
  const struct {
    std::string folder;
    int standard;
    std::vector<std::string> started, boxes;
    const char* size;  // the capture size afterwards
  } cases[] = {
      {"", 0, {}, {"Can't find Teletext, please check again!|error"}, ""},
      {"C:\\Text\\", 0, {"C:\\Text\\\\Infopage.ex_"}, {}, "352x288"},  // always a separator
      {longFolder, 0, {longFolder.substr(0, 259) + "\\Infopage.ex_"}, {}, "352x288"},
      {"C:\\Text", -1, {}, {"This module don't support Teletext!|Error"}, ""},
  };
  for (const auto& c : cases) {
    PanelHarness p;
    p.AddVideoWindow();
    WinIni(p.fake.profile).Write(keys::kTeletextDir, c.folder);
    p.ctx.settings.Write(keys::kVideoStandard, c.standard);
    OnCommand(p.ctx, cmd::kTeletext, 0);
    EXPECT_EQ(CommandLines(p.fake.shell.started), c.started) << c.folder.size();
    std::vector<std::string> boxes;
    for (const auto& box : p.fake.messageBoxes.Shown())
      boxes.push_back(box.text + "|" + box.caption.value_or("-") + (box.owner ? "owned" : ""));
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(p.ctx.settings.Text(keys::kCaptureStreamSize), c.size);
  }
  WinIni(h.fake.profile).Write(keys::kTeletextDir, "C:\\Text");
  ctx.mode.fmMode = 1;
  Do(cmd::kTeletext);
  EXPECT_TRUE(h.fake.shell.started.empty());
  EXPECT_TRUE(h.fake.messenger.Log().empty());
}

// ---- schedule -------------------------------------------------------------------------------

TEST_F(CompanionTest, ScheduleAlwaysStartsTheProgramAndRemembersOnlyAWindowThatIsThereNow) {
  Do(cmd::kSchedule);
  EXPECT_EQ(ctx.mode.scheduleOpen, 0);
  Do(cmd::kSchedule);  // not found last time: every press starts it again
  EXPECT_EQ(Started(), (std::vector<std::string>(2, "C:\\Tv\\Planner.exe")));
  h.fake.messenger.AddWindow("AnyClass", "Schedule Recording Settings");
  Do(cmd::kSchedule);
  EXPECT_EQ(ctx.mode.scheduleOpen, 1);
  EXPECT_EQ(h.fake.shell.started.size(), 3u);
  Do(cmd::kSchedule);  // open: ignored until the program says it closed
  EXPECT_EQ(h.fake.shell.started.size(), 3u);
  Do(cmd::kPeerScheduleClosed);
  Do(cmd::kSchedule);
  EXPECT_EQ(h.fake.shell.started.size(), 4u);
  ctx.mode.scheduleOpen = 0;
  ctx.mode.tvClosed = 1;
  Do(cmd::kSchedule);
  EXPECT_EQ(h.fake.shell.started.size(), 4u);
}

TEST_F(CompanionTest, ScheduleFindsItsWindowByTheLayoutsTitleAndStartsFromTheCurrentFolder) {
  PanelHarness p("[Panel]\r\nIDS_PLANNER_DIALOG=Aufnahmeplan\r\n");
  p.fake.messenger.AddWindow("X", "Aufnahmeplan");
  WinIni(p.fake.profile).Write(keys::kAppDirectory, "");
  p.fake.files.ChangeDirectory("D:\\Here");
  OnCommand(p.ctx, cmd::kSchedule, 0);
  EXPECT_EQ(p.ctx.mode.scheduleOpen, 1);
  EXPECT_EQ(CommandLines(p.fake.shell.started), std::vector<std::string>{"D:\\Here\\Planner.exe"});
}

// ---- the web page -----------------------------------------------------------------------------

TEST(BrowserFolder, CutsAtTheTerminatorThenAtTheFirstSemicolon) {
  using namespace std::string_literals;
  const struct {
    std::string stored;
    std::string folder;
    // clang-format off
  } cases[] = {
      {"C:\\Browser\0"s, "C:\\Browser"}, {"C:\\Browser"s, "C:\\Browser"},  // or not terminated
      {"C:\\Browser;C:\\Other\0"s, "C:\\Browser"}, {";C:\\Browser\0"s, ""},
      {"C:\\B\0;junk\0"s, "C:\\B"}, {""s, ""},
      {"%ProgramFiles%\\Browser\0"s, "%ProgramFiles%\\Browser"},  // used as stored
      {std::string(5000, 'p') + ";x", std::string(5000, 'p')}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(BrowserFolder(c.stored), c.folder) << c.stored.size();
}

TEST(CompanionCases, WebPageStartsTheRegisteredBrowserOnTheSkinsAddressAndRefocusesThePanel) {
  using namespace std::string_literals;
  const struct {
    std::optional<RegistryValue> path;  // nullopt: not registered
    std::string panelIni;
    std::string started;  // "": nothing started and no refocus
  } cases[] = {
      {RegistryValue{true, kRegExpandSz, "C:\\Stubs;C:\\Elsewhere\0"s},
       "[Panel]\r\nPanelNow=2\r\n1PANEL_HTTP=http://one.example\r\n2PANEL_HTTP=http://"
       "two.example\r\n",
       "C:\\Stubs\\iexplore.exe http://two.example"},
      {RegistryValue{true, kRegSz, "C:\\B"}, "", "C:\\B\\iexplore.exe "},  // the space stays
      {std::nullopt, "", ""},
      {RegistryValue{}, "", "\\iexplore.exe "},  // the key without its value: an empty folder
  };
  for (const auto& c : cases) {
    PanelHarness p;
    p.fake.WriteFile(p.ctx.where.panelIni, c.panelIni);
    if (c.path) p.fake.shell.machineKeys[kBrowserKey] = {{kBrowserValue, *c.path}};
    if (c.path && !c.path->found) p.fake.shell.machineKeys[kBrowserKey] = {};
    OnCommand(p.ctx, cmd::kWebsite, 0);
    const std::string panel = fakes::Hex(p.ctx.windows.panel);
    EXPECT_EQ(CommandLines(p.fake.shell.started),
              c.started.empty() ? std::vector<std::string>{} : std::vector{c.started});
    const std::vector<std::string> refocus{"Foreground " + panel, "Focus " + panel};
    EXPECT_EQ(p.fake.windows.events, c.started.empty() ? std::vector<std::string>{} : refocus);
    EXPECT_EQ(p.fake.shell.registryReads,
              std::vector<std::string>{std::string(kBrowserKey) + "|Path"});
  }
}

}  // namespace
}  // namespace tv::commands
