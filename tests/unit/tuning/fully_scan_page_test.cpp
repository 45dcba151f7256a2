// The fully scan page: start state, the check box both ways, the refill after a full scan,
// tuning a chosen entry, the frequency buttons' clamps, store and remove.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "tuning/fully_scan_page.h"
#include "tuning/tuning_dialog_ids.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

using testing::Lines;
using F = fakes::FakeControl;

const std::string kStore =
    "[TOVIX]\nMinFreq=55250000\nMaxFreq=863250000\n[TVTuner]\nTVChannelAir=14\n"
    "[FREQCHLIST]\nALLCH=3\n1=55250000\n2=61250000\n3=182250000\n"
    "[FREQCHLISTNAME]\n1=One\n3=News\n";
const std::string kOn = kStore + "[quarn]\nUseFullScan=TRUE\n";
const std::string kList = "1:55250000=One,2:61250000=,3:182250000=News";

struct Bench : testing::PageBench<tuning::FullyScanPage> {
  explicit Bench(const std::string& settings, bool withVideo = true)
      : PageBench(settings, withVideo) {
    ctx.mode.airBand = 1;
    Open(true);
  }
  void Run() { h.fake.messenger.DispatchPosted(); }
  std::string Entry() {
    return Texts({IDC_FSP_NUMBER_EDIT, IDC_FSP_FREQUENCY_EDIT, IDC_FSP_NAME_EDIT});
  }
};

TEST(FullyScanPage, FrequencyButtonsStepAndClampUnevenly) {
  const char *lo = "55250000", *hi = "863250000";
  // clang-format off
  const struct { const char *edit, *min, *max; int stepHz; const char* shown; } cases[] = {
      {"", lo, hi, 10000, "55260000"}, {"abc", lo, hi, -10000, "55250000"}, {"55255000", lo, hi, -10000, "55250000"},
      {"862500000", lo, hi, 1250000, "863250000"}, {"860000000", lo, hi, 1250000, "861250000"},
      {"100", lo, hi, 250000, "55250000"}, {"100", lo, hi, -250000, "55250000"}, {"900000000", lo, hi, -50000, "863250000"},
      {"60000000", lo, hi, 50000, "60050000"}, {"60000000", lo, hi, -1250000, "58750000"}, {"-7", lo, hi, 10000, "55260000"},
      {"99999999999999999999999", lo, hi, 10000, "863250000"}, {"", "", "", 10000, ""},
      {"5000000000", "4000000000", "6000000000", 250000, "5000250000"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.edit) + " " + std::to_string(c.stepHz));
    EXPECT_EQ(tuning::SteppedFrequencyText(c.edit, c.stepHz, c.min, c.max), c.shown);
  }
  Bench b(kStore);
  b.C(IDC_FSP_FREQUENCY_EDIT).text = "182250000";
  b.dialog->Click(IDC_FSP_MINUS_1250K);
  EXPECT_EQ(b.C(IDC_FSP_FREQUENCY_EDIT).text + " " + b.Stored("FREQCHLIST:3"),
            "181000000 182250000");
  EXPECT_EQ(b.ToVideo(false), Lines{"55555 18100"});
}

TEST(FullyScanPage, StartStateFollowsTheStoredModeAndFillsTheList) {
  for (const char* mode : {"", "TRUE", "FALSE"}) {
    SCOPED_TRACE(mode);
    Bench b(kStore + "[quarn]\nUseFullScan=" + mode + "\n");
    const bool on = std::string(mode) == "TRUE";
    // stored mode; box ticked, scan and list enabled; store and frequency disabled
    EXPECT_EQ(b.Stored("quarn:UseFullScan") + " " + b.Flags(&F::checked, {IDC_FSP_USE_CHECK}) +
                  b.Flags(&F::enabled,
                          {IDC_FSP_SCAN, IDC_FSP_LIST, IDC_FSP_STORE, IDC_FSP_FREQUENCY_EDIT}),
              on ? "TRUE 11100" : "FALSE 00000");
    EXPECT_EQ(b.Texts({IDC_FSP_MAX_EDIT, IDC_FSP_SCAN}),
              "863250000|Min Freq. to Max Freq. Scan (each 250000Hz)");
    EXPECT_EQ(b.Items(IDC_FSP_LIST), on ? kList : "");
  }
}

TEST(FullyScanPage, CheckBoxTunesTheFirstEntryScansAnEmptyListOrGoesBackToTheBand) {
  // clang-format off
  const struct { const char* name; std::string extra; bool check; Lines video; const char* entry; std::vector<int> modal; const char* keys; } cases[] = {
      // entry: the three edits and Store enabled; keys: UseFullScan, SCANDONE, CHANNELNOW
      {"on with a list", "", true, {"55555 5525", "55556 1"}, "1|55250000|One 1", {}, "TRUE|-|1"},
      {"on with an empty list", "[FREQCHLIST]\nALLCH=0\n", true, {}, "|| 0", {IDD_FULLY_SCAN_STATE}, "TRUE|TRUE|-"},
      {"off", "[quarn]\nUseFullScan=TRUE\n", false, {"8000 14"}, "|| 0", {}, "FALSE|-|-"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bench b(c.extra.empty() ? kStore : c.extra + "[TVTuner]\nTVChannelAir=14\n");
    b.h.fake.dialogs.whileModal = [&](fakes::FakeDialog&) {
      EXPECT_FALSE(b.C(IDC_FSP_SCAN).enabled);
    };
    b.C(IDC_FSP_USE_CHECK).checked = c.check;
    b.dialog->Click(IDC_FSP_USE_CHECK);
    b.Run();
    EXPECT_EQ(b.ToVideo(false), c.video);
    EXPECT_EQ(b.Entry() + " " + b.Flags(&F::enabled, {IDC_FSP_STORE}), c.entry);
    EXPECT_EQ(b.h.fake.dialogs.modalTemplates, c.modal);
    EXPECT_EQ(b.h.Commands(), std::vector<std::uint16_t>{cmd::kRefillChannelList});
    EXPECT_EQ(b.Stored("quarn:UseFullScan,FREQCHLIST:SCANDONE,FREQCHLIST:CHANNELNOW"), c.keys);
  }
}

TEST(FullyScanPage, RefillAfterTheScanSelectsTheFirstOrLeavesFullScanMode) {
  for (const char* count : {"3", "0"}) {
    SCOPED_TRACE(count);
    const bool some = count[0] == '3';
    Bench b("[quarn]\nUseFullScan=TRUE\n[FREQCHLIST]\nALLCH=0\n");
    b.Set("FREQCHLIST", "ALLCH", count);
    b.Set("FREQCHLIST", "1", "182250000");
    b.dialog->Notify(cmd::kSheetFullScanClosed, 0);
    b.Run();
    EXPECT_EQ(std::to_string(b.C(IDC_FSP_LIST).items.size()) + " " + b.Stored("quarn:UseFullScan"),
              some ? "3 TRUE" : "0 FALSE");
    EXPECT_EQ(b.ToVideo(false), some ? Lines({"55555 18225", "55556 1"}) : Lines{});
  }
}

TEST(FullyScanPage, StoreWritesTheKeyAsTypedAndCountsOnlyPastTheEnd) {
  // clang-format off
  const struct { const char* number; int selected; const char* keys; std::string items; } cases[] = {
      // keys: ALLCH, the number's frequency and name
      {"9", -1, "4|777|Mine", kList + ",9:777=Mine"}, {"07", -1, "4|777|Mine", kList + ",07:777=Mine"},
      {"2", 1, "3|777|Mine", "1:55250000=One,2:777=Mine,3:182250000=News"}, {"2", -1, "3|777|Mine", kList},
      {"0", 1, "3|-|-", kList}, {"256", 1, "3|-|-", kList}, {"-1", 1, "3|-|-", kList}, {"abc", 1, "3|-|-", kList}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.number);
    Bench b(kOn);
    b.dialog->Select(IDC_FSP_LIST, c.selected);
    b.C(IDC_FSP_NUMBER_EDIT).text = c.number;
    b.C(IDC_FSP_FREQUENCY_EDIT).text = "777";
    b.C(IDC_FSP_NAME_EDIT).text = "Mine";
    b.dialog->Click(IDC_FSP_STORE);
    b.Run();
    const std::string n = c.number;
    EXPECT_EQ(b.Stored("FREQCHLIST:ALLCH,FREQCHLIST:" + n + ",FREQCHLISTNAME:" + n), c.keys);
    EXPECT_EQ(b.Items(IDC_FSP_LIST), c.items);
    EXPECT_EQ(b.h.Commands().size(), std::string(c.keys).find('-') != std::string::npos ? 0u : 1u);
  }
  Bench b(kOn);
  b.C(IDC_FSP_NUMBER_EDIT).text = "200";
  b.dialog->Click(IDC_FSP_STORE);
  EXPECT_EQ(b.Stored("FREQCHLIST:200,FREQCHLISTNAME:200") + " " + b.Entry(), "| ||");
}

TEST(FullyScanPage, RemoveCompactsTheListAndIgnoresBadSelections) {
  for (auto [selected, result] :
       {std::pair<int, std::string>{1, "2 1:55250000=One,2:182250000=News"}, {-1, "3 " + kList}}) {
    Bench b(kOn);
    b.dialog->Select(IDC_FSP_LIST, selected);
    b.dialog->Click(IDC_FSP_REMOVE);
    EXPECT_EQ(b.Stored("FREQCHLIST:ALLCH") + " " + b.Items(IDC_FSP_LIST), result);
  }
  // An entry the count does not cover is not the page's to remove.
  Bench b(kOn);
  b.C(IDC_FSP_LIST).items.push_back("9:1=x");
  b.dialog->Select(IDC_FSP_LIST, 3);
  b.dialog->Click(IDC_FSP_REMOVE);
  EXPECT_EQ(std::to_string(b.C(IDC_FSP_LIST).items.size()) + " " + b.Stored("FREQCHLIST:2"),
            "4 61250000");
}

TEST(FullyScanPage, NothingWhileABandScanRunsOrWithoutTheVideoWindow) {
  for (bool withVideo : {true, false}) {
    Bench b(kOn, withVideo);
    b.ctx.mode.cableScan = withVideo ? 1 : 0;
    b.dialog->Choose(IDC_FSP_LIST, 0, 1);
    b.dialog->Click(IDC_FSP_REMOVE);
    b.dialog->Click(IDC_FSP_PLUS_10K);
    EXPECT_TRUE(b.h.fake.messenger.Log().empty());
    EXPECT_EQ(b.C(IDC_FSP_LIST).items.size(), 3u);
  }
}

}  // namespace
}  // namespace tv
