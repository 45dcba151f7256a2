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

using tv::testing::Msg;
using tv::testing::PanelHarness;

constexpr std::uint32_t kRegSz = 1, kRegExpandSz = 2;

// The command lines started, each as "line;", all shown normally.
std::string Started(const PanelHarness& h) {
  std::string lines;
  for (const auto& p : h.fake.shell.started) {
    EXPECT_EQ(p.showState, kSwShow) << p.commandLine;
    lines += p.commandLine + ";";
  }
  return lines;
}

// The window operations in order, each as "Operation 0xWINDOW;".
std::string Events(const PanelHarness& h) {
  std::string out;
  for (const std::string& e : h.fake.windows.events) out += e + ";";
  return out;
}

class CompanionTest : public ::testing::Test {
 protected:
  CompanionTest() {
    h.Live();
    video = h.AddVideoWindow();
  }
  PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef video;
};

TEST_F(CompanionTest, PreviewFocusesTheCardAroundItsPostAndStaysBusyUntilTheCardIsDone) {
  // Refused off the tuner and while anything else runs.
  for (int* flag : {&ctx.mode.tvClosed, &ctx.mode.videoInput, &ctx.mode.fmMode, &ctx.mode.airScan,
                    &ctx.mode.cableScan, &ctx.mode.fmScan, &ctx.mode.videoBusy}) {
    *flag = 1;
    h.Run(cmd::kPreview);
    *flag = 0;
  }
  EXPECT_EQ(h.Log() + Events(h) + std::to_string(ctx.mode.previewActive), "0");
  h.Run(cmd::kPreview);
  h.Run(cmd::kPreview);  // a second press before 40113
  const std::string focus = "Focus " + fakes::Hex(video) + ";";
  EXPECT_EQ(h.Log(video) + Events(h) + testing::Join(ctx.mode.previewActive, ctx.mode.videoBusy),
            Msg(cmd::kVideoStartPreview) + focus + focus + "1 1");
  h.Run(cmd::kPeerPreviewEnded);
  EXPECT_EQ(ctx.mode.previewActive, 0);
  h.Run(cmd::kPeerReady);
  h.Run(cmd::kPreview);
  EXPECT_EQ(h.Log(video), Msg(cmd::kVideoStartPreview) + Msg(cmd::kVideoStartPreview));
}

// The card is told (with the capture size already set) before the viewer starts; a missing
// folder or standard shows an ownerless box (it shows even while the panel is hidden); nothing
// at all on FM.
TEST(CompanionCases, TeletextSetsTheCaptureSizeTellsTheCardThenStartsTheViewer) {
  const std::string longFolder = "C:\\" + std::string(400, 'x');
  const std::string told = Msg(cmd::kVideoApplyCapture, 1, true) + "352x288|";
  // Each outcome: boxes, the card's log, what it saw, started, the size afterwards.
  const struct {
    std::string folder;
    int standard, fm;
    std::string outcome;
  } cases[] = {
      {"", 0, 0, "Can't find Teletext, please check again!|error|0x0|0;640x480"},
      {"C:\\Text\\", 0, 0, told + "C:\\Text\\\\Infopage.ex_;352x288"},  // always a separator
      {longFolder, 0, 0, told + longFolder.substr(0, 259) + "\\Infopage.ex_;352x288"},
      {"C:\\Text", -1, 0, "This module don't support Teletext!|Error|0x0|0;640x480"},
      {"C:\\Text", 0, 1, "640x480"}};
  for (const auto& c : cases) {
    PanelHarness p;
    const WindowRef video = p.AddVideoWindow();
    std::string seen;
    p.fake.messenger.SetHandler(video, [&](std::uint32_t, std::uintptr_t, std::intptr_t) {
      seen = p.ctx.settings.Text(keys::kCaptureStreamSize) + "|" + Started(p);
      return std::intptr_t{0};
    });
    WinIni(p.fake.profile).Write(keys::kTeletextDir, c.folder);
    p.ctx.settings.Write(keys::kVideoStandard, c.standard);
    p.ctx.settings.Write(keys::kCaptureStreamSize, "640x480");
    p.ctx.mode.fmMode = c.fm;
    OnCommand(p.ctx, cmd::kTeletext, 0);
    EXPECT_EQ(
        p.Boxes() + p.Log() + seen + Started(p) + p.ctx.settings.Text(keys::kCaptureStreamSize),
        c.outcome)
        << c.folder.size();
  }
}

TEST_F(CompanionTest, ScheduleAlwaysStartsTheProgramAndRemembersOnlyAWindowThatIsThereNow) {
  // Not found last time: every press starts it again; open: ignored until the program says it
  // closed; never while the TV is closed.
  std::string open;
  const auto press = [&] {
    h.Run(cmd::kSchedule);
    open += std::to_string(ctx.mode.scheduleOpen);
  };
  press();
  press();
  h.fake.messenger.AddWindow("AnyClass", "Schedule Recording Settings");
  press();
  press();
  h.Run(cmd::kPeerScheduleClosed);
  press();
  ctx.mode.scheduleOpen = 0;
  ctx.mode.tvClosed = 1;
  press();
  EXPECT_EQ(open, "001110");
  std::string planner;
  for (int i = 0; i < 4; ++i) planner += "C:\\Tv\\Planner.exe;";
  EXPECT_EQ(Started(h), planner);
}

TEST(CompanionCases, ScheduleFindsItsWindowByTheLayoutsTitleAndStartsFromTheCurrentFolder) {
  PanelHarness p("[Panel]\r\nIDS_PLANNER_DIALOG=Aufnahmeplan\r\n");
  p.fake.messenger.AddWindow("X", "Aufnahmeplan");
  WinIni(p.fake.profile).Write(keys::kAppDirectory, "");
  p.fake.files.ChangeDirectory("D:\\Here");
  OnCommand(p.ctx, cmd::kSchedule, 0);
  EXPECT_EQ(p.ctx.mode.scheduleOpen, 1);
  EXPECT_EQ(Started(p), "D:\\Here\\Planner.exe;");
}

// ---- the web page -----------------------------------------------------------------------------

TEST(BrowserFolder, CutsAtTheTerminatorThenAtTheFirstSemicolon) {
  using namespace std::string_literals;
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Browser\0"s, "C:\\Browser"}, {"C:\\Browser"s, "C:\\Browser"},  // or not terminated
      {"C:\\Browser;C:\\Other\0"s, "C:\\Browser"}, {";C:\\Browser\0"s, ""},
      {"C:\\B\0;junk\0"s, "C:\\B"}, {""s, ""},
      {"%ProgramFiles%\\Browser\0"s, "%ProgramFiles%\\Browser"},  // used as stored
      {std::string(5000, 'p') + ";x", std::string(5000, 'p')}};
  // clang-format on
  for (const auto& [stored, folder] : cases) EXPECT_EQ(BrowserFolder(stored), folder) << stored;
}

TEST(CompanionCases, WebPageStartsTheRegisteredBrowserOnTheSkinsAddressAndRefocusesThePanel) {
  using namespace std::string_literals;
  // Not registered: nullopt; started "": nothing started and no refocus.
  const struct {
    std::optional<RegistryValue> path;
    std::string panelIni, started;
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
    EXPECT_EQ(
        Started(p) + Events(p),
        c.started.empty() ? "" : c.started + ";Foreground " + panel + ";Focus " + panel + ";");
    EXPECT_EQ(p.fake.shell.registryReads,
              std::vector<std::string>{std::string(kBrowserKey) + "|Path"});
  }
}

}  // namespace
}  // namespace tv::commands
