// The country group of the TV settings page: the three country choices' writes, deletions and
// sends, and what they make of odd stored values and library answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "settings/settings_sheet.h"
#include "tuning/tuning_dialog_ids.h"
#include "tuning/tv_settings_page.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

using testing::Lines;

constexpr const char* kNames = "[1PANEL_BTN]\n1=Germany\n2=Japan\n3=Upside\n4=United States\n";

// Air 2..12 scanned with 20 listed, a name and a saved frequency on 5; the United States
// (position 3) stored, Germany the operating system's country.
const std::string kStore =
    "[TOVIX]\nCountryCode=1\nDEFAULTCOUNTRY=49\nDefCodePos=0\nCodePos=3\nDEFAULTNAME=United "
    "States\nMinFreq=1\nMaxFreq=2\nRange=3\nMinair=2\nMaxair=6\nMin=1\nMax=3\n"
    "[CHANNELLISTAIR]\nALREADYSCAN=TRUE\n20=TRUE\n[CHANNELLIST]\nALREADYSCAN=TRUE\n"
    "[TVTuner]\nTVChannelAir=5\n[Air channel Name]\n5=Five\n[CHANNELAIRFREQ]\n5=123\n"
    "[CHANNELCABLEFREQ]\n1=9\n[Cable channel Name]\n1=One\n";

// The store with one [TOVIX] key changed, or gone when value is null.
std::string StoreWith(const std::string& key, const char* value) {
  std::string store = kStore;
  const std::size_t at = store.find("\n" + key + "=") + 1;
  store.erase(at, store.find('\n', at) + 1 - at);
  if (value) store.insert(at, key + "=" + value + "\n");
  return store;
}

struct Bench : testing::PageBench<tuning::TvSettingsPage> {
  explicit Bench(const std::string& store = kStore) : PageBench(store, false, kNames) {
    tuner.countryCount = 4;
    tuner.countries = {
        {49, 5, 2, 12, 1, 5}, {81, 1, 1, 4, 13, 15}, {44, 7, 9, 3, 1, 2}, {1, 0, 2, 6, 1, 3}};
    ctx.tuner = &tuner;
    ctx.countryCount = 4;
    ctx.mode.airBand = 1;
    ctx.channels = {5, 0, 2, 6, 1, 3};
    // The card notes each step of the country change: when, and which position it would read.
    h.fake.messenger.AddWindow(kVideoClass, kVideoTitle, [this](auto, auto id, auto lParam) {
      sent += (sent.empty() ? "" : ",") + std::to_string(id) + " " + std::to_string(lParam) + " @" +
              std::to_string(h.fake.time.TickMs() - startMs) + " pos " + Stored("TOVIX:CodePos");
      return std::intptr_t{0};
    });
    Open(true);
    startMs = h.fake.time.TickMs();
  }
  // 1005, 1006, 1007 as the user gives them; -1 leaves the list's selection as it is.
  void Do(int control, int position = -1) {
    if (position >= 0) dialog->Select(IDC_TVS_COUNTRY_LIST, position);
    dialog->Notify(control, control == IDC_TVS_COUNTRY_LIST ? kCbnSelEndOk : kBnClicked);
    h.fake.messenger.DispatchPosted();
  }

  fakes::FakeTunerLibrary tuner;
  std::uint32_t startMs = 0;
  std::string sent;
};

constexpr const char* kPlan =
    "TOVIX:MinFreq,TOVIX:CodePos,TOVIX:DEFAULTNAME,VideoStandard:VideoStandard,"
    "quarn:AnalogVStandard,TOVIX:Minair,TOVIX:Maxair,TOVIX:Min,TOVIX:Max,CHANNELLISTAIR:1,"
    "CHANNELLISTAIR:20,CHANNELLIST:1,CHANNELLIST:13,CHANNELLISTAIR:ALREADYSCAN,"
    "CHANNELLIST:ALREADYSCAN,TVTuner:TVChannelAir,TVTuner:TVChannelCable,TOVIX:CountryCode";

TEST(CountryChoice, TheThreeOperationsWriteDeleteAndSendAsEachShould) {
  // sent: each send with its time and the "CodePos" the card would read then. page: code, band
  // limits, channel edit, country list enabled, fully scan page's lowest.
  // clang-format off
  const struct { int control; const char *sent, *plan, *page; } cases[] = {
      {IDC_TVS_AUTO_COUNTRY_RADIO, "7788 49 @0 pos 0,2020 49 @1000 pos 0,7790 49 @2000 pos 0",
       "45000000|0|United States|5|5|2|12|1|5|-|TRUE|TRUE|-|FALSE|FALSE|8|8|1", "49|2|12|80 45000000"},
      {IDC_TVS_CHOSEN_COUNTRY_RADIO, "7788 81 @0 pos 3,2020 81 @1000 pos 3,7790 81 @2000 pos 3",
       "1|1|Japan|1|1|1|4|13|15|TRUE|-|-|TRUE|FALSE|FALSE|8|8|1", "81|1|4|51 old"},
      {IDC_TVS_COUNTRY_LIST, "7788 81 @0 pos 1,2020 81 @1000 pos 1,7790 81 @2000 pos 1",
       "55250000|1|Japan|1|1|1|4|13|15|TRUE|-|-|TRUE|FALSE|FALSE|8|8|1", "81|1|4|80 55250000"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    Bench b;
    fakes::FakeDialog fullScan;
    fullScan.SetText(IDC_FSP_MIN_EDIT, "old");
    b.ctx.sheet.pages[settings::kFullScanPage] = &fullScan;
    b.ctx.ui.sideOpen = 1;
    b.ctx.windows.sideList = b.h.fake.windows.CreateList(ListWindow::Side);
    b.C(IDC_TVS_COUNTRY_LIST).enabled = false;
    b.Do(c.control, 1);
    EXPECT_EQ(b.sent, c.sent);
    EXPECT_EQ(b.h.fake.time.Sleeps(), (std::vector<std::uint32_t>{1000, 1000}));
    EXPECT_EQ(b.Stored(kPlan), c.plan);
    // Names and saved frequencies gone; memory holds the new limits, not a new channel.
    const ChannelState& ch = b.ctx.channels;
    for (const char* section :
         {"[Air channel Name]", "[Cable channel Name]", "[CHANNELAIRFREQ]", "[CHANNELCABLEFREQ]"})
      EXPECT_EQ(b.h.Settings().find(section), std::string::npos);
    EXPECT_EQ(b.Stored("TOVIX:Minair,TOVIX:Maxair") + " " + DecimalText(ch.currentChannel),
              DecimalText(ch.minAirChannel) + "|" + DecimalText(ch.maxAirChannel) + " 5");
    EXPECT_EQ(
        b.Texts({IDC_TVS_CODE_EDIT, IDC_TVS_MIN_EDIT, IDC_TVS_MAX_EDIT, IDC_TVS_CHANNEL_EDIT}) +
            b.Flags(&fakes::FakeControl::enabled, {IDC_TVS_COUNTRY_LIST}) + " " +
            fullScan.Control(IDC_FSP_MIN_EDIT).text,
        c.page);
    // The page's list through its own message, and the side list, show the new air band.
    const std::size_t listed = ch.maxAirChannel - ch.minAirChannel + 1;
    EXPECT_EQ(std::pair(b.C(IDC_TVS_CHANNEL_LIST).items.size(),
                        b.h.fake.lists.Texts(b.ctx.windows.sideList).size()),
              std::pair(listed, listed));
  }
}

TEST(CountryChoice, OddValuesAndAnswersAreUsedAsTheyCome) {
  // A [TOVIX] key changed (value null: gone); keys: CodePos, Minair, Maxair; listed on the page.
  // clang-format off
  const struct { const char *what, *key, *value; int countryCount, control, position; const char *sent, *keys; std::size_t listed; } cases[] = {
      // No country has 999: the search ends on the last one, the United States.
      {"unknown", "DEFAULTCOUNTRY", "999", 4, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "1", "0|2|6", 5},
      {"no DefCodePos", "DefCodePos", nullptr, 4, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "49", "|2|12", 11},
      // Without countries nothing is found: the stored code is sent, the library refuses.
      {"no countries", "Range", "3", 0, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "49", "0|0|0", 1},
      {"upside down", "Range", "3", 4, IDC_TVS_COUNTRY_LIST, 2, "44", "2|9|3", 0}};  // air 9..3
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bench b(StoreWith(c.key, c.value));
    b.ctx.countryCount = c.countryCount;
    b.Do(c.control, c.position);
    EXPECT_NE(b.sent.find(std::string("7790 ") + c.sent + " @2000"), std::string::npos);
    EXPECT_EQ(b.Stored("TOVIX:CodePos,TOVIX:Minair,TOVIX:Maxair"), c.keys);
    EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items.size(), c.listed);
  }
}

TEST(CountryChoice, StartStateAndTheSameCountryTwice) {
  // A name that begins no entry: the chosen radio with nothing selected; 1006 then only
  // enables the list, and 1007's other notifications do nothing.
  Bench b(StoreWith("DEFAULTNAME", "Atlantis"));
  EXPECT_EQ(b.Flags(&fakes::FakeControl::checked, {IDC_TVS_CHOSEN_COUNTRY_RADIO}) +
                b.Flags(&fakes::FakeControl::enabled, {IDC_TVS_COUNTRY_LIST}) +
                b.Selections({IDC_TVS_COUNTRY_LIST}),
            "11-1");
  const std::string before = b.h.Settings();
  b.C(IDC_TVS_COUNTRY_LIST).enabled = false;
  b.Do(IDC_TVS_CHOSEN_COUNTRY_RADIO);
  b.dialog->Choose(IDC_TVS_COUNTRY_LIST, 1, kCbnSelChange);
  EXPECT_TRUE(b.C(IDC_TVS_COUNTRY_LIST).enabled && b.sent.empty());
  EXPECT_EQ(b.h.Settings(), before);

  // Japan twice: the second choice lists again what the user took out and drops new names.
  b.Do(IDC_TVS_COUNTRY_LIST, 1);
  b.Set("CHANNELLISTAIR", "2", "FALSE");
  b.Set("Air channel Name", "2", "Two");
  b.Do(IDC_TVS_COUNTRY_LIST, 1);
  EXPECT_EQ(b.Stored("CHANNELLISTAIR:2,Air channel Name:2"), "TRUE|-");
  EXPECT_EQ(std::count(b.sent.begin(), b.sent.end(), ','), 5);
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace tv
