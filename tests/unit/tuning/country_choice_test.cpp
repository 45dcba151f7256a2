// The country group of the TV settings page: the three country choices' writes, deletions and
// sends, and what they make of odd stored values and library answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "settings/settings_sheet.h"
#include "tuning/tuning_dialog_ids.h"
#include "tuning/tv_settings_page.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using Lines = std::vector<std::string>;

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

struct Bench {
  explicit Bench(const std::string& store = kStore) {
    h.fake.WriteFile(ctx.where.settingsIni, store);
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
              std::to_string(h.fake.time.TickMs() - startMs) + " pos " + Stored("TOVIX", "CodePos");
      return std::intptr_t{0};
    });
    const WindowRef window = h.fake.messenger.AddWindow(
        "#32770", "", [this](std::uint32_t, std::uintptr_t id, std::intptr_t) {
          dialog->Notify(static_cast<int>(id), 0);
          return std::intptr_t{0};
        });
    dialog = std::make_unique<fakes::FakeDialog>(window);
    dialog->Attach(page);
    dialog->Start();
    startMs = h.fake.time.TickMs();
  }
  // 1005, 1006, 1007 as the user gives them; -1 leaves the list's selection as it is.
  void Do(int control, int position = -1) {
    if (position >= 0) dialog->Select(IDC_TVS_COUNTRY_LIST, position);
    dialog->Notify(control, control == IDC_TVS_COUNTRY_LIST ? kCbnSelEndOk : kBnClicked);
    h.fake.messenger.DispatchPosted();
  }
  std::string Stored(const char* section, const char* key) const {
    return ctx.settings.RawText(section, key, "-", 300);
  }
  fakes::FakeControl& C(int id) { return dialog->Control(id); }

  testing::PanelHarness h{kNames};
  PanelContext& ctx = h.ctx;
  fakes::FakeTunerLibrary tuner;
  tuning::TvSettingsPage page{ctx};
  std::unique_ptr<fakes::FakeDialog> dialog;
  std::uint32_t startMs = 0;
  std::string sent;
};

// The values of "SECTION:key,..." joined by "|", "-" for a missing key.
std::string Keys(const Bench& b, const std::string& names) {
  std::string joined;
  for (std::size_t at = 0; at < names.size();) {
    const std::size_t colon = names.find(':', at),
                      end = std::min(names.find(',', at), names.size());
    joined += b.Stored(names.substr(at, colon - at).c_str(),
                       names.substr(colon + 1, end - colon - 1).c_str()) +
              "|";
    at = end + 1;
  }
  return joined;
}
constexpr const char* kPlan =
    "TOVIX:MinFreq,TOVIX:CodePos,TOVIX:DEFAULTNAME,VideoStandard:VideoStandard,"
    "quarn:AnalogVStandard,TOVIX:Minair,TOVIX:Maxair,TOVIX:Min,TOVIX:Max,CHANNELLISTAIR:1,"
    "CHANNELLISTAIR:20,CHANNELLIST:1,CHANNELLIST:13,CHANNELLISTAIR:ALREADYSCAN,"
    "CHANNELLIST:ALREADYSCAN,TVTuner:TVChannelAir,TVTuner:TVChannelCable,TOVIX:CountryCode";

TEST(CountryChoice, TheThreeOperationsWriteDeleteAndSendAsEachShould) {
  const struct {
    int control;
    // Each send with its time and the "CodePos" the card would read then.
    const char *sent, *plan;
    // Code, band limits, channel edit, country list enabled, fully scan page's lowest.
    const char* page;
  } cases[] = {
      {IDC_TVS_AUTO_COUNTRY_RADIO, "7788 49 @0 pos 0,2020 49 @1000 pos 0,7790 49 @2000 pos 0",
       "45000000|0|United States|5|5|2|12|1|5|-|TRUE|TRUE|-|FALSE|FALSE|8|8|1|",
       "49 2-12 8 0 45000000"},
      {IDC_TVS_CHOSEN_COUNTRY_RADIO, "7788 81 @0 pos 3,2020 81 @1000 pos 3,7790 81 @2000 pos 3",
       "1|1|Japan|1|1|1|4|13|15|TRUE|-|-|TRUE|FALSE|FALSE|8|8|1|", "81 1-4 5 1 old"},
      {IDC_TVS_COUNTRY_LIST, "7788 81 @0 pos 1,2020 81 @1000 pos 1,7790 81 @2000 pos 1",
       "55250000|1|Japan|1|1|1|4|13|15|TRUE|-|-|TRUE|FALSE|FALSE|8|8|1|", "81 1-4 8 0 55250000"},
  };
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
    EXPECT_EQ(Keys(b, kPlan), c.plan);
    // Names and saved frequencies gone; memory holds the new limits, not a new channel.
    const ChannelState& ch = b.ctx.channels;
    for (const char* section :
         {"[Air channel Name]", "[Cable channel Name]", "[CHANNELAIRFREQ]", "[CHANNELCABLEFREQ]"})
      EXPECT_EQ(b.h.Settings().find(section), std::string::npos);
    EXPECT_EQ(Keys(b, "TOVIX:Minair,TOVIX:Maxair") + DecimalText(ch.currentChannel),
              DecimalText(ch.minAirChannel) + "|" + DecimalText(ch.maxAirChannel) + "|5");
    EXPECT_EQ(b.C(IDC_TVS_CODE_EDIT).text + " " + b.C(IDC_TVS_MIN_EDIT).text + "-" +
                  b.C(IDC_TVS_MAX_EDIT).text + " " + b.C(IDC_TVS_CHANNEL_EDIT).text + " " +
                  std::to_string(b.C(IDC_TVS_COUNTRY_LIST).enabled) + " " +
                  fullScan.Control(IDC_FSP_MIN_EDIT).text,
              c.page);
    // The page's list through its own message, and the side list, show the new air band.
    const std::size_t listed = ch.maxAirChannel - ch.minAirChannel + 1;
    EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items.size(), listed);
    EXPECT_EQ(b.h.fake.lists.Texts(b.ctx.windows.sideList).size(), listed);
  }
}

TEST(CountryChoice, OddValuesAndAnswersAreUsedAsTheyCome) {
  const struct {
    const char *what, *key, *value;  // a [TOVIX] key changed (value null: gone)
    int countryCount, control, position;
    const char *sent, *keys;  // CodePos, Minair, Maxair
    std::size_t listed;       // on the page
  } cases[] = {
      // No country has 999: the search ends on the last one, the United States.
      {"unknown", "DEFAULTCOUNTRY", "999", 4, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "1", "0|2|6|", 5},
      {"no DefCodePos", "DefCodePos", nullptr, 4, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "49", "|2|12|",
       11},
      // Without countries nothing is found: the stored code is sent, the library refuses.
      {"no countries", "Range", "3", 0, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "49", "0|0|0|", 1},
      // Air 9..3: nothing listed.
      {"upside down", "Range", "3", 4, IDC_TVS_COUNTRY_LIST, 2, "44", "2|9|3|", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bench b(StoreWith(c.key, c.value));
    b.ctx.countryCount = c.countryCount;
    b.Do(c.control, c.position);
    EXPECT_NE(b.sent.find(std::string("7790 ") + c.sent + " @2000"), std::string::npos);
    EXPECT_EQ(Keys(b, "TOVIX:CodePos,TOVIX:Minair,TOVIX:Maxair"), c.keys);
    EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items.size(), c.listed);
  }
}

TEST(CountryChoice, StartStateAndTheSameCountryTwice) {
  // A name that begins no entry: the chosen radio with nothing selected; 1006 then only
  // enables the list, and 1007's other notifications do nothing.
  Bench b(StoreWith("DEFAULTNAME", "Atlantis"));
  EXPECT_TRUE(b.C(IDC_TVS_CHOSEN_COUNTRY_RADIO).checked && b.C(IDC_TVS_COUNTRY_LIST).enabled);
  EXPECT_EQ(b.C(IDC_TVS_COUNTRY_LIST).selection, -1);
  const std::string before = b.h.Settings();
  b.C(IDC_TVS_COUNTRY_LIST).enabled = false;
  b.Do(IDC_TVS_CHOSEN_COUNTRY_RADIO);
  b.dialog->Choose(IDC_TVS_COUNTRY_LIST, 1, kCbnSelChange);
  EXPECT_TRUE(b.C(IDC_TVS_COUNTRY_LIST).enabled);
  EXPECT_EQ(b.h.Settings(), before);
  EXPECT_TRUE(b.sent.empty());

  // Japan twice: the second choice lists again what the user took out and drops new names.
  b.Do(IDC_TVS_COUNTRY_LIST, 1);
  b.ctx.settings.RawWrite("CHANNELLISTAIR", "2", "FALSE");
  b.ctx.settings.RawWrite("Air channel Name", "2", "Two");
  b.Do(IDC_TVS_COUNTRY_LIST, 1);
  EXPECT_EQ(Keys(b, "CHANNELLISTAIR:2,Air channel Name:2"), "TRUE|-|");
  EXPECT_EQ(std::count(b.sent.begin(), b.sent.end(), ','), 5);
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace tv
