// The scan command's cases, their questions and what each answer writes and posts; the
// fully-scan state dialog driven through the command.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "tuning/scan_state_dialog.h"
#include "tuning/scanning.h"
#include "tuning/tuning_dialog_ids.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

using testing::Lines;

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
  Lines To(WindowRef w) const { return testing::CommandLog(h.fake, w, false); }
  std::string Stored(const std::string& names) const { return testing::Stored(ctx, names); }
  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef tv, sheet;
};

TEST(ScanCommand, EachCaseAsksAndAnOkOrCancelWritesAndPostsItsOwnWay) {
  const auto ask = [](const char* band) {
    return "AutoScan|AutoScan " + std::string(band) +
           " will start now.It will take few minutes.PLEASE wait...";
  };
  const std::string air = ask("Air"), cable = ask("Cable"), fm = ask("FM"),
                    stop = "Stop AutoScan|Are you sure to Stop AutoScan ";
  // after: air, cable and FM scan flags, busy; both ALREADYSCAN; the FM count
  // clang-format off
  const struct { ModeFlags mode; int answer; std::string box; Lines video, tvPage; std::string after; } cases[] = {
      {{.airBand = 1}, kIdOk, air, {"2006 1"}, {}, "1 0 0 1 TRUE|FALSE|1"},
      {{.airBand = 1}, kIdCancel, air, {}, {"1095 0"}, "0 0 0 0 FALSE|FALSE|1"},
      {{.airScan = 1, .airBand = 1}, kIdOk, stop + "Air?", {"2006 0"}, {"1095 0"}, "0 0 0 0 FALSE|FALSE|1"},
      {{.airScan = 1, .airBand = 1}, kIdCancel, stop + "Air?", {}, {}, "1 0 0 0 FALSE|FALSE|1"},
      {{}, kIdOk, cable, {"2005 1"}, {}, "0 1 0 1 FALSE|TRUE|1"},
      {{.cableScan = 1}, kIdOk, stop + "Cable?", {"2005 0"}, {"1095 0"}, "0 0 0 0 FALSE|FALSE|1"},
      {{.fmMode = 1}, kIdOk, fm, {"45001 1"}, {}, "0 0 1 1 FALSE|FALSE|-"},
      {{.fmMode = 1}, kIdCancel, fm, {}, {}, "0 0 0 0 FALSE|FALSE|1"},
      {{.fmScan = 1, .fmMode = 1}, kIdOk, stop + "FM?", {"45001 0"}, {}, "0 0 0 0 FALSE|FALSE|1"},
      {{.fmScan = 1, .fmMode = 1}, kIdCancel, stop + "FM?", {}, {}, "0 0 1 0 FALSE|FALSE|1"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box + (c.answer == kIdOk ? " OK" : " Cancel"));
    Bench b;
    b.ctx.mode = c.mode;
    int busyWhenAsked = -1;
    b.h.fake.messageBoxes.answers = {c.answer};
    b.h.fake.messageBoxes.whileShown = [&] { busyWhenAsked = b.ctx.mode.videoBusy; };
    b.Scan();
    ASSERT_EQ(b.h.fake.messageBoxes.Shown().size(), 1u);
    const fakes::ShownMessageBox& box = b.h.fake.messageBoxes.Shown()[0];
    EXPECT_EQ(box.caption.value_or("") + "|" + box.text, c.box);
    EXPECT_EQ(std::pair(box.owner, box.style),
              std::pair(b.ctx.windows.panel, kMbOkCancel | kMbTopmost | kMbSetForeground));
    // A start question marks the card busy before it is asked.
    EXPECT_EQ(busyWhenAsked, c.mode.airScan + c.mode.cableScan + c.mode.fmScan == 0 ? 1 : 0);
    EXPECT_EQ(b.To(b.tv), c.video);
    EXPECT_EQ(b.To(b.ctx.windows.tvPage), c.tvPage);
    EXPECT_EQ(b.To(b.sheet), Lines{});
    const ModeFlags& m = b.ctx.mode;
    EXPECT_EQ(std::to_string(m.airScan) + " " + std::to_string(m.cableScan) + " " +
                  std::to_string(m.fmScan) + " " + std::to_string(m.videoBusy) + " " +
                  b.Stored("CHANNELLISTAIR:ALREADYSCAN,CHANNELLIST:ALREADYSCAN,CHANNELLISTFM:FM"),
              c.after);
  }
}

TEST(ScanCommand, ClosedTvAndVideoInputsAskNothingAndATvPageNeverOpenedGetsNothing) {
  for (ModeFlags mode : {ModeFlags{.tvClosed = 1}, ModeFlags{.videoInput = 1}}) {
    Bench b;
    b.ctx.mode = mode;
    b.Scan();
    EXPECT_TRUE(b.h.fake.messageBoxes.Shown().empty() && b.h.fake.messenger.Log().empty());
  }
  Bench b;
  b.ctx.windows.tvPage = {};
  b.h.fake.messageBoxes.answers = {kIdCancel};
  b.Scan();
  EXPECT_EQ(std::pair(b.h.fake.messenger.Log().size(), b.ctx.mode.videoBusy), std::pair(0ul, 0));
}

TEST(ScanCommand, TheScanALaunchPostsOnAnUnscannedBandAsksAsTheButtonDoes) {
  Bench button, launch;
  button.ctx.mode.airBand = 1;
  button.h.fake.messageBoxes.answers = {kIdOk};
  button.Scan();
  launch.h.fake.messenger.RemoveWindow(launch.tv);
  launch.h.onCommand = [&](std::uint16_t id, std::intptr_t l) {
    commands::OnCommand(launch.ctx, id, l);
  };
  launch.h.fake.messageBoxes.answers = {kIdOk};
  commands::OnCommand(launch.ctx, cmd::kSourceAir, 0);
  EXPECT_TRUE(launch.h.fake.messageBoxes.Shown().empty());
  EXPECT_EQ(launch.h.fake.time.Sleeps(), std::vector<std::uint32_t>{6000});
  launch.h.fake.messenger.DispatchPosted();
  ASSERT_EQ(launch.h.fake.messageBoxes.Shown().size(), 1u);
  const fakes::ShownMessageBox &asked = launch.h.fake.messageBoxes.Shown()[0],
                               &pressed = button.h.fake.messageBoxes.Shown().at(0);
  EXPECT_EQ(
      asked.caption.value_or("") + "|" + asked.text + "|" + std::to_string(asked.style),
      pressed.caption.value_or("") + "|" + pressed.text + "|" + std::to_string(pressed.style));
  EXPECT_EQ(asked.owner, launch.ctx.windows.panel);
  EXPECT_EQ(launch.Stored("CHANNELLISTAIR:ALREADYSCAN"), "TRUE");
  EXPECT_EQ(launch.ctx.mode.airScan, 1);
}

TEST(ScanCommand, FullScanModeRunsTheStateDialogUntilItsStopButton) {
  for (bool withPeers : {true, false}) {
    Bench b("[quarn]\nUseFullScan=TRUE\n");
    if (!withPeers) {
      b.h.fake.messenger.RemoveWindow(b.tv);
      b.h.fake.messenger.RemoveWindow(b.sheet);
    }
    Lines texts;
    b.h.fake.dialogs.whileModal = [&](fakes::FakeDialog& d) {
      auto show = [&] {
        texts.push_back(std::to_string(b.ctx.mode.scanDialogOpen) + " " +
                        d.Control(IDC_FSS_FREQUENCY_EDIT).text + " " +
                        d.Control(IDC_FSS_STATE_EDIT).text + " " +
                        (d.Control(kIdDialogOk).enabled ? "start" : "") +
                        (d.Control(kIdDialogCancel).enabled ? "stop" : ""));
      };
      EXPECT_EQ(d.title, "Fully Scan State");
      EXPECT_EQ(b.Stored("FREQCHLIST:1,FREQCHLISTNAME:1"), "-|-");
      show();
      d.Click(kIdDialogOk);
      for (auto [id, value] : {std::pair{cmd::kScanDialogFrequency, 18225},
                               {cmd::kScanDialogFound, 7},
                               {cmd::kScanDialogFrequency, 0x7FFFFFFF},
                               {cmd::kScanDialogFound, 0}}) {
        d.Notify(id, 0, value);
        show();
      }
      d.Click(kIdDialogCancel);
      show();
      EXPECT_EQ(d.result, kIdDialogCancel);
    };
    b.Scan();
    EXPECT_EQ(b.h.fake.messageBoxes.Shown().at(0).text,
              "FullyScan will start now.It will take few minutes.PLEASE wait...");
    EXPECT_EQ(b.h.fake.dialogs.modalTemplates, std::vector<int>{IDD_FULLY_SCAN_STATE});
    EXPECT_EQ(texts,
              Lines({"1 0 NOT FOUND start", "1 182250000 NOT FOUND stop", "1 182250000 FOUND stop",
                     "1 21474836470000 FOUND stop", "1 21474836470000 NOT FOUND stop",
                     "0 21474836470000 NOT FOUND start"}));
    EXPECT_EQ(b.To(b.tv), withPeers ? Lines({"45791 1", "45791 0"}) : Lines{});
    EXPECT_EQ(b.To(b.sheet), withPeers ? Lines{"47002 0"} : Lines{});
    EXPECT_EQ(b.To(b.ctx.windows.panel), Lines{"44002 0"});
    EXPECT_EQ(b.Stored("FREQCHLIST:SCANDONE"), "TRUE");
  }
  Bench cancelled("[quarn]\nUseFullScan=TRUE\n");
  cancelled.h.fake.messageBoxes.answers = {kIdCancel};
  cancelled.Scan();
  EXPECT_TRUE(cancelled.h.fake.dialogs.modalTemplates.empty());
  EXPECT_EQ(cancelled.Stored("FREQCHLIST:1,FREQCHLIST:SCANDONE"), "55250000|-");
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
