// The fully scan page: start state, the check box both ways, the refill after a full scan,
// tuning a chosen entry, the frequency buttons' clamps, store and remove.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "tuning/fully_scan_page.h"
#include "tuning/tuning_dialog_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using Lines = std::vector<std::string>;

const std::string kStore =
    "[TOVIX]\nMinFreq=55250000\nMaxFreq=863250000\n[TVTuner]\nTVChannelAir=14\n"
    "[FREQCHLIST]\nALLCH=3\n1=55250000\n2=61250000\n3=182250000\n"
    "[FREQCHLISTNAME]\n1=One\n3=News\n";

struct Bench {
  explicit Bench(const std::string& settings, bool withVideo = true) {
    h.fake.WriteFile(ctx.where.settingsIni, settings);
    if (withVideo) tv = h.AddVideoWindow();
    ctx.mode.airBand = 1;
    window = h.fake.messenger.AddWindow(
        "#32770", "", [this](std::uint32_t, std::uintptr_t wParam, std::intptr_t lParam) {
          dialog->Notify(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16), lParam);
          return std::intptr_t{0};
        });
    dialog = std::make_unique<fakes::FakeDialog>(window);
    dialog->Attach(page);
    dialog->Start();
  }
  void Run() { h.fake.messenger.DispatchPosted(); }
  Lines Items() { return C(IDC_FSP_LIST).items; }
  Lines ToVideo() const {
    Lines got;
    for (const auto& m : h.fake.messenger.LogTo(tv))
      got.push_back(std::to_string(m.wParam) + " " + std::to_string(m.lParam));
    return got;
  }
  fakes::FakeControl& C(int id) { return dialog->Control(id); }
  std::string Stored(const char* section, const char* key) const {
    return ctx.settings.RawText(section, key, "-", 300);
  }
  Lines Entry() {
    return {C(IDC_FSP_NUMBER_EDIT).text, C(IDC_FSP_FREQUENCY_EDIT).text, C(IDC_FSP_NAME_EDIT).text};
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  WindowRef tv, window;
  tuning::FullyScanPage page{ctx};
  std::unique_ptr<fakes::FakeDialog> dialog;
};

TEST(FullyScanPage, FrequencyButtonsStepAndClampUnevenly) {
  // clang-format off
  struct Case {
    const char *edit, *min, *max;
    int stepHz;
    const char* shown;
  } const cases[] = {
      {"", "55250000", "863250000", 10000, "55260000"},
      {"abc", "55250000", "863250000", -10000, "55250000"},
      {"55255000", "55250000", "863250000", -10000, "55250000"},
      {"862500000", "55250000", "863250000", 1250000, "863250000"},
      {"860000000", "55250000", "863250000", 1250000, "861250000"},
      {"100", "55250000", "863250000", 250000, "55250000"},
      {"100", "55250000", "863250000", -250000, "55250000"},
      {"900000000", "55250000", "863250000", -50000, "863250000"},
      {"60000000", "55250000", "863250000", 50000, "60050000"},
      {"60000000", "55250000", "863250000", -1250000, "58750000"},
      {"-7", "55250000", "863250000", 10000, "55260000"},
      {"99999999999999999999999", "55250000", "863250000", 10000, "863250000"},
      {"", "", "", 10000, ""},
      {"5000000000", "4000000000", "6000000000", 250000, "5000250000"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.edit) + " " + std::to_string(c.stepHz));
    EXPECT_EQ(tuning::SteppedFrequencyText(c.edit, c.stepHz, c.min, c.max), c.shown);
  }
  Bench b(kStore);
  b.C(IDC_FSP_FREQUENCY_EDIT).text = "182250000";
  b.dialog->Click(IDC_FSP_MINUS_1250K);
  EXPECT_EQ(b.C(IDC_FSP_FREQUENCY_EDIT).text, "181000000");
  EXPECT_EQ(b.ToVideo(), Lines{"55555 18100"});
  EXPECT_EQ(b.Stored("FREQCHLIST", "3"), "182250000");
}

TEST(FullyScanPage, StartStateFollowsTheStoredModeAndFillsTheList) {
  for (const char* mode : {"", "TRUE", "FALSE"}) {
    SCOPED_TRACE(mode);
    Bench b(kStore + "[quarn]\nUseFullScan=" + mode + "\n");
    const bool on = std::string(mode) == "TRUE";
    EXPECT_EQ(b.Stored("quarn", "UseFullScan"), on ? "TRUE" : "FALSE");
    EXPECT_EQ(b.C(IDC_FSP_USE_CHECK).checked, on);
    EXPECT_EQ(b.C(IDC_FSP_SCAN).enabled, on);
    EXPECT_EQ(b.C(IDC_FSP_LIST).enabled, on);
    EXPECT_FALSE(b.C(IDC_FSP_STORE).enabled);
    EXPECT_FALSE(b.C(IDC_FSP_FREQUENCY_EDIT).enabled);
    EXPECT_EQ(b.C(IDC_FSP_MAX_EDIT).text, "863250000");
    EXPECT_EQ(b.C(IDC_FSP_SCAN).text, "Min Freq. to Max Freq. Scan (each 250000Hz)");
    EXPECT_EQ(b.Items(),
              on ? Lines({"1:55250000=One", "2:61250000=", "3:182250000=News"}) : Lines{});
  }
}

TEST(FullyScanPage, CheckBoxTunesTheFirstEntryScansAnEmptyListOrGoesBackToTheBand) {
  // clang-format off
  struct Case {
    const char* name;
    std::string extra;
    bool check;
    Lines video, entry;
    std::vector<int> modal;
    std::string mode, done, now;
  } const cases[] = {
      {"on with a list", "", true, {"55555 5525", "55556 1"}, {"1", "55250000", "One"}, {}, "TRUE", "-", "1"},
      {"on with an empty list", "[FREQCHLIST]\nALLCH=0\n", true, {}, {"", "", ""}, {IDD_FULLY_SCAN_STATE}, "TRUE", "TRUE", "-"},
      {"off", "[quarn]\nUseFullScan=TRUE\n", false, {"8000 14"}, {"", "", ""}, {}, "FALSE", "-", "-"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b(c.extra.empty() ? kStore : c.extra + "[TVTuner]\nTVChannelAir=14\n");
    b.h.fake.dialogs.whileModal = [&](fakes::FakeDialog&) {
      EXPECT_FALSE(b.C(IDC_FSP_SCAN).enabled);
    };
    b.C(IDC_FSP_USE_CHECK).checked = c.check;
    b.dialog->Click(IDC_FSP_USE_CHECK);
    b.Run();
    EXPECT_EQ(b.ToVideo(), c.video);
    EXPECT_EQ(b.Entry(), c.entry);
    EXPECT_EQ(b.C(IDC_FSP_STORE).enabled, !c.video.empty() && c.check);
    EXPECT_EQ(b.h.fake.dialogs.modalTemplates, c.modal);
    EXPECT_EQ(b.h.Commands(), std::vector<std::uint16_t>{cmd::kRefillChannelList});
    EXPECT_EQ(b.Stored("quarn", "UseFullScan"), c.mode);
    EXPECT_EQ(b.Stored("FREQCHLIST", "SCANDONE"), c.done);
    EXPECT_EQ(b.Stored("FREQCHLIST", "CHANNELNOW"), c.now);
  }
}

TEST(FullyScanPage, RefillAfterTheScanSelectsTheFirstOrLeavesFullScanMode) {
  for (const std::string count : {"3", "0"}) {
    SCOPED_TRACE(count);
    Bench b("[quarn]\nUseFullScan=TRUE\n[FREQCHLIST]\nALLCH=0\n");
    b.ctx.settings.RawWrite("FREQCHLIST", "ALLCH", count.c_str());
    b.ctx.settings.RawWrite("FREQCHLIST", "1", "182250000");
    b.dialog->Notify(cmd::kSheetFullScanClosed, 0);
    b.Run();
    EXPECT_EQ(b.Items().size(), count == "3" ? 3u : 0u);
    EXPECT_EQ(b.Stored("quarn", "UseFullScan"), count == "3" ? "TRUE" : "FALSE");
    EXPECT_EQ(b.ToVideo(), count == "3" ? Lines({"55555 18225", "55556 1"}) : Lines{});
  }
}

TEST(FullyScanPage, StoreWritesTheKeyAsTypedAndCountsOnlyPastTheEnd) {
  // clang-format off
  struct Case {
    const char* number;
    int selected;
    std::string allch, key;
    Lines items;
  } const cases[] = {
      {"9", -1, "4", "9", {"1:55250000=One", "2:61250000=", "3:182250000=News", "9:777=Mine"}},
      {"07", -1, "4", "07", {"1:55250000=One", "2:61250000=", "3:182250000=News", "07:777=Mine"}},
      {"2", 1, "3", "2", {"1:55250000=One", "2:777=Mine", "3:182250000=News"}},
      {"2", -1, "3", "2", {"1:55250000=One", "2:61250000=", "3:182250000=News"}},
      {"0", 1, "3", "-", {"1:55250000=One", "2:61250000=", "3:182250000=News"}},
      {"256", 1, "3", "-", {"1:55250000=One", "2:61250000=", "3:182250000=News"}},
      {"-1", 1, "3", "-", {"1:55250000=One", "2:61250000=", "3:182250000=News"}},
      {"abc", 1, "3", "-", {"1:55250000=One", "2:61250000=", "3:182250000=News"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    Bench b(kStore + "[quarn]\nUseFullScan=TRUE\n");
    b.dialog->Select(IDC_FSP_LIST, c.selected);
    b.C(IDC_FSP_NUMBER_EDIT).text = c.number;
    b.C(IDC_FSP_FREQUENCY_EDIT).text = "777";
    b.C(IDC_FSP_NAME_EDIT).text = "Mine";
    b.dialog->Click(IDC_FSP_STORE);
    b.Run();
    EXPECT_EQ(b.Stored("FREQCHLIST", "ALLCH"), c.allch);
    EXPECT_EQ(b.Stored("FREQCHLIST", c.number), c.key == "-" ? "-" : "777");
    EXPECT_EQ(b.Stored("FREQCHLISTNAME", c.number), c.key == "-" ? "-" : "Mine");
    EXPECT_EQ(b.Items(), c.items);
    EXPECT_EQ(b.h.Commands().size(), c.key == "-" ? 0u : 1u);
  }
  Bench b(kStore + "[quarn]\nUseFullScan=TRUE\n");
  b.C(IDC_FSP_NUMBER_EDIT).text = "200";
  b.dialog->Click(IDC_FSP_STORE);
  EXPECT_EQ(b.Stored("FREQCHLIST", "200"), "");
  EXPECT_EQ(b.Stored("FREQCHLISTNAME", "200"), "");
  EXPECT_EQ(b.Entry(), Lines({"", "", ""}));
}

TEST(FullyScanPage, RemoveCompactsTheListAndIgnoresBadSelections) {
  // clang-format off
  struct Case {
    int selected;
    std::string allch;
    Lines items;
  } const cases[] = {
      {1, "2", {"1:55250000=One", "2:182250000=News"}},
      {-1, "3", {"1:55250000=One", "2:61250000=", "3:182250000=News"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    Bench b(kStore + "[quarn]\nUseFullScan=TRUE\n");
    b.dialog->Select(IDC_FSP_LIST, c.selected);
    b.dialog->Click(IDC_FSP_REMOVE);
    EXPECT_EQ(b.Stored("FREQCHLIST", "ALLCH"), c.allch);
    EXPECT_EQ(b.Items(), c.items);
  }
  // An entry the count does not cover is not the page's to remove.
  Bench b(kStore + "[quarn]\nUseFullScan=TRUE\n");
  b.C(IDC_FSP_LIST).items.push_back("9:1=x");
  b.dialog->Select(IDC_FSP_LIST, 3);
  b.dialog->Click(IDC_FSP_REMOVE);
  EXPECT_EQ(b.Items().size(), 4u);
  EXPECT_EQ(b.Stored("FREQCHLIST", "2"), "61250000");
}

TEST(FullyScanPage, NothingWhileABandScanRunsOrWithoutTheVideoWindow) {
  for (bool withVideo : {true, false}) {
    Bench b(kStore + "[quarn]\nUseFullScan=TRUE\n", withVideo);
    b.ctx.mode.cableScan = withVideo ? 1 : 0;
    b.dialog->Choose(IDC_FSP_LIST, 0, 1);
    b.dialog->Click(IDC_FSP_REMOVE);
    b.dialog->Click(IDC_FSP_PLUS_10K);
    EXPECT_TRUE(b.h.fake.messenger.Log().empty());
    EXPECT_EQ(b.Items().size(), 3u);
  }
}

}  // namespace
}  // namespace tv
