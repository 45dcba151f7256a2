// The scan command's cases, their questions and what each answer writes and posts; the
// fully-scan state dialog driven through the command.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "tuning/scan_state_dialog.h"
#include "tuning/scanning.h"
#include "tuning/tuning_dialog_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using Lines = std::vector<std::string>;

const std::string kStore =
    "[CHANNELLISTAIR]\nALREADYSCAN=FALSE\n5=TRUE\n[CHANNELLIST]\nALREADYSCAN=FALSE\n"
    "[CHANNELLISTFM]\nFM=1\n1=885\n[FREQCHLIST]\nALLCH=2\n1=55250000\n2=61250000\n"
    "[FREQCHLISTNAME]\n1=One\n";

struct Bench {
  explicit Bench(const std::string& extra = "") {
    h.fake.WriteFile(ctx.where.settingsIni, kStore + extra);
    tv = h.AddVideoWindow();
    ctx.windows.tvPage = h.fake.messenger.AddWindow("#32770", "");
    sheet = h.fake.messenger.AddWindow("#32770", "Settings");
  }
  void Scan() { commands::OnCommand(ctx, cmd::kScan, 0); }
  Lines To(WindowRef w) const {
    Lines got;
    for (const auto& m : h.fake.messenger.LogTo(w))
      got.push_back(std::to_string(m.wParam) + " " + std::to_string(m.lParam));
    return got;
  }
  std::string Stored(const char* section, const char* key) const {
    return ctx.settings.RawText(section, key, "-", 300);
  }
  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef tv, sheet;
};

TEST(ScanCommand, EachCaseAsksAndAnOkOrCancelWritesAndPostsItsOwnWay) {
  const std::string air = "AutoScan Air will start now.It will take few minutes.PLEASE wait...";
  const std::string fm = "AutoScan FM will start now.It will take few minutes.PLEASE wait...";
  const std::string cable = "AutoScan Cable will start now.It will take few minutes.PLEASE wait...";
  struct Case {
    const char* name;
    ModeFlags mode;
    int answer;
    std::string text, title;
    Lines video, tvPage;
    int airScan, cableScan, fmScan, busy;
    std::string airDone, cableDone, fmCount;
  };
  const Case cases[] = {
      {"air start ok",
       {.airBand = 1},
       kIdOk,
       air,
       "AutoScan",
       {"2006 1"},
       {},
       1,
       0,
       0,
       1,
       "TRUE",
       "FALSE",
       "1"},
      {"air start cancel",
       {.airBand = 1},
       kIdCancel,
       air,
       "AutoScan",
       {},
       {"1095 0"},
       0,
       0,
       0,
       0,
       "FALSE",
       "FALSE",
       "1"},
      {"air stop ok",
       {.airScan = 1, .airBand = 1},
       kIdOk,
       "Are you sure to Stop AutoScan Air?",
       "Stop AutoScan",
       {"2006 0"},
       {"1095 0"},
       0,
       0,
       0,
       0,
       "FALSE",
       "FALSE",
       "1"},
      {"air stop cancel",
       {.airScan = 1, .airBand = 1},
       kIdCancel,
       "Are you sure to Stop AutoScan Air?",
       "Stop AutoScan",
       {},
       {},
       1,
       0,
       0,
       0,
       "FALSE",
       "FALSE",
       "1"},
      {"cable start ok",
       {},
       kIdOk,
       cable,
       "AutoScan",
       {"2005 1"},
       {},
       0,
       1,
       0,
       1,
       "FALSE",
       "TRUE",
       "1"},
      {"cable stop ok",
       {.cableScan = 1},
       kIdOk,
       "Are you sure to Stop AutoScan Cable?",
       "Stop AutoScan",
       {"2005 0"},
       {"1095 0"},
       0,
       0,
       0,
       0,
       "FALSE",
       "FALSE",
       "1"},
      {"fm start ok",
       {.fmMode = 1},
       kIdOk,
       fm,
       "AutoScan",
       {"45001 1"},
       {},
       0,
       0,
       1,
       1,
       "FALSE",
       "FALSE",
       "-"},
      {"fm start cancel",
       {.fmMode = 1},
       kIdCancel,
       fm,
       "AutoScan",
       {},
       {},
       0,
       0,
       0,
       0,
       "FALSE",
       "FALSE",
       "1"},
      {"fm stop ok",
       {.fmScan = 1, .fmMode = 1},
       kIdOk,
       "Are you sure to Stop AutoScan FM?",
       "Stop AutoScan",
       {"45001 0"},
       {},
       0,
       0,
       0,
       0,
       "FALSE",
       "FALSE",
       "1"},
      {"fm stop cancel",
       {.fmScan = 1, .fmMode = 1},
       kIdCancel,
       "Are you sure to Stop AutoScan FM?",
       "Stop AutoScan",
       {},
       {},
       0,
       0,
       1,
       0,
       "FALSE",
       "FALSE",
       "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b;
    b.ctx.mode = c.mode;
    int busyWhenAsked = -1;
    b.h.fake.messageBoxes.answers = {c.answer};
    b.h.fake.messageBoxes.whileShown = [&] { busyWhenAsked = b.ctx.mode.videoBusy; };
    b.Scan();
    ASSERT_EQ(b.h.fake.messageBoxes.Shown().size(), 1u);
    const fakes::ShownMessageBox& box = b.h.fake.messageBoxes.Shown()[0];
    EXPECT_EQ(box.text, c.text);
    EXPECT_EQ(box.caption, c.title);
    EXPECT_EQ(box.owner, b.ctx.windows.panel);
    EXPECT_EQ(box.style, kMbOkCancel | kMbTopmost | kMbSetForeground);
    // A start question marks the card busy before it is asked.
    EXPECT_EQ(busyWhenAsked, c.mode.airScan + c.mode.cableScan + c.mode.fmScan == 0 ? 1 : 0);
    EXPECT_EQ(b.To(b.tv), c.video);
    EXPECT_EQ(b.To(b.ctx.windows.tvPage), c.tvPage);
    EXPECT_EQ(b.To(b.sheet), Lines{});
    EXPECT_EQ((std::vector<int>{b.ctx.mode.airScan, b.ctx.mode.cableScan, b.ctx.mode.fmScan,
                                b.ctx.mode.videoBusy}),
              (std::vector<int>{c.airScan, c.cableScan, c.fmScan, c.busy}));
    EXPECT_EQ(b.Stored("CHANNELLISTAIR", "ALREADYSCAN"), c.airDone);
    EXPECT_EQ(b.Stored("CHANNELLIST", "ALREADYSCAN"), c.cableDone);
    EXPECT_EQ(b.Stored("CHANNELLISTFM", "FM"), c.fmCount);
  }
}

TEST(ScanCommand, ClosedTvAndVideoInputsAskNothingAndATvPageNeverOpenedGetsNothing) {
  for (ModeFlags mode : {ModeFlags{.tvClosed = 1}, ModeFlags{.videoInput = 1}}) {
    Bench b;
    b.ctx.mode = mode;
    b.Scan();
    EXPECT_TRUE(b.h.fake.messageBoxes.Shown().empty());
    EXPECT_TRUE(b.h.fake.messenger.Log().empty());
  }
  Bench b;
  b.ctx.windows.tvPage = {};
  b.h.fake.messageBoxes.answers = {kIdCancel};
  b.Scan();
  EXPECT_EQ(b.h.fake.messenger.Log().size(), 0u);
  EXPECT_EQ(b.ctx.mode.videoBusy, 0);
  // The scan a launch posts itself does not ask yet; the next one does.
  Bench launched;
  launched.ctx.mode.launchScanPending = 1;
  launched.Scan();
  EXPECT_TRUE(launched.h.fake.messageBoxes.Shown().empty());
  launched.Scan();
  EXPECT_EQ(launched.h.fake.messageBoxes.Shown().size(), 1u);
}

TEST(ScanCommand, FullScanModeRunsTheStateDialogUntilItsStopButton) {
  struct Case {
    const char* name;
    int answer;
    bool stop;  // by the stop button (Escape sends the same)
    Lines dialogTexts, video, sheet, panel;
    std::string list, done;
  };
  const Case cases[] = {
      {"cancel keeps the list", kIdCancel, false, {}, {}, {}, {}, "55250000", "-"},
      {"sweep",
       kIdOk,
       true,
       {"0 NOT FOUND", "182250000 NOT FOUND", "182250000 FOUND", "21474836470000 NOT FOUND"},
       {"45791 1", "45791 0"},
       {"47002 0"},
       {"44002 0"},
       "-",
       "TRUE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b("[quarn]\nUseFullScan=TRUE\n");
    b.h.fake.messageBoxes.answers = {c.answer};
    Lines texts;
    int openDuring = -1;
    b.h.fake.dialogs.whileModal = [&](fakes::FakeDialog& d) {
      openDuring = b.ctx.mode.scanDialogOpen;
      EXPECT_EQ(d.title, "Fully Scan State");
      EXPECT_EQ(b.Stored("FREQCHLISTNAME", "1"), "-");
      auto show = [&] {
        texts.push_back(d.Control(IDC_FSS_FREQUENCY_EDIT).text + " " +
                        d.Control(IDC_FSS_STATE_EDIT).text);
      };
      show();
      EXPECT_TRUE(d.Control(kIdDialogOk).enabled);
      EXPECT_FALSE(d.Control(kIdDialogCancel).enabled);
      d.Click(kIdDialogOk);
      EXPECT_FALSE(d.Control(kIdDialogOk).enabled);
      EXPECT_TRUE(d.Control(kIdDialogCancel).enabled);
      if (!c.stop) return;
      for (auto [id, value] : {std::pair{cmd::kScanDialogFrequency, 18225},
                               {cmd::kScanDialogFound, 0},
                               {cmd::kScanDialogFound, 7},
                               {cmd::kScanDialogFrequency, 0x7FFFFFFF},
                               {cmd::kScanDialogFound, 0}}) {
        d.Notify(id, 0, value);
        if (id == cmd::kScanDialogFound) show();
      }
      d.Click(kIdDialogCancel);
      EXPECT_EQ(d.result, kIdDialogCancel);
      EXPECT_TRUE(d.Control(kIdDialogOk).enabled);
    };
    b.Scan();
    if (c.answer == kIdOk) {
      EXPECT_EQ(b.h.fake.dialogs.modalTemplates, std::vector<int>{IDD_FULLY_SCAN_STATE});
      EXPECT_EQ(openDuring, 1);
    }
    EXPECT_EQ(b.h.fake.messageBoxes.Shown().at(0).text,
              "FullyScan will start now.It will take few minutes.PLEASE wait...");
    EXPECT_EQ(texts, c.dialogTexts);
    EXPECT_EQ(b.To(b.tv), c.video);
    EXPECT_EQ(b.To(b.sheet), c.sheet);
    EXPECT_EQ(b.To(b.ctx.windows.panel), c.panel);
    EXPECT_EQ(b.ctx.mode.scanDialogOpen, c.stop ? 0 : c.answer == kIdOk ? 1 : 0);
    EXPECT_EQ(b.Stored("FREQCHLIST", "1"), c.list);
    EXPECT_EQ(b.Stored("FREQCHLIST", "SCANDONE"), c.done);
  }
}

TEST(ScanCommand, StateDialogWithoutCardOrSheetStillStartsAndStops) {
  Bench b("[quarn]\nUseFullScan=TRUE\n");
  b.h.fake.messenger.RemoveWindow(b.tv);
  b.h.fake.messenger.RemoveWindow(b.sheet);
  b.h.fake.dialogs.whileModal = [&](fakes::FakeDialog& d) {
    d.Click(kIdDialogOk);
    EXPECT_TRUE(d.Control(kIdDialogCancel).enabled);
    d.Click(kIdDialogCancel);
    EXPECT_EQ(d.result, kIdDialogCancel);
  };
  b.Scan();
  EXPECT_EQ(b.To(b.ctx.windows.panel), Lines{"44002 0"});
  EXPECT_EQ(b.ctx.mode.scanDialogOpen, 0);
}

TEST(ScanCommand, FmModeScansTheRadioEvenInFullScanMode) {
  Bench b("[quarn]\nUseFullScan=TRUE\n");
  b.ctx.mode.fmMode = 1;
  b.Scan();
  EXPECT_EQ(b.To(b.tv), Lines{"45001 1"});
  EXPECT_TRUE(b.h.fake.dialogs.modalTemplates.empty());
}

}  // namespace
}  // namespace tv
