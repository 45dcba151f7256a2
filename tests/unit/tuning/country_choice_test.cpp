// The country group of the TV settings page: the three country choices' writes, deletions and
// sends, and what they make of odd stored values and library answers.

#include <gtest/gtest.h>

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
    h.AddVideoWindow();
    h.fake.messenger.SetHandler(h.fake.messenger.Find(kVideoClass, kVideoTitle),
                                [this](std::uint32_t, std::uintptr_t id, std::intptr_t lParam) {
                                  sent.push_back(std::to_string(id) + " " + std::to_string(lParam) +
                                                 " @" +
                                                 std::to_string(h.fake.time.TickMs() - startMs) +
                                                 " pos " + Stored("TOVIX", "CodePos"));
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
  Lines sent;
};

TEST(CountryChoice, TheThreeOperationsWriteDeleteAndSendAsEachShould) {
  const struct {
    int control, position;
    Lines sent;  // the position the card would read at each step shows when "CodePos" came
    // MinFreq, CodePos, DEFAULTNAME, VideoStandard/AnalogVStandard, Minair-Maxair Min-Max
    const char *code, *minFreq, *codePos, *name, *standards, *limits;
    const char *listed1, *listed20;  // the old scan's list survives only the automatic choice
    bool listEnabled;
    const char *channelEdit, *fullScanMin;
  } cases[] = {
      {IDC_TVS_AUTO_COUNTRY_RADIO,
       1,
       {"7788 49 @0 pos 0", "2020 49 @1000 pos 0", "7790 49 @2000 pos 0"},
       "49",
       "45000000",
       "0",
       "United States",
       "55",
       "2-12 1-5",
       "-",
       "TRUE",
       false,
       "8",
       "45000000"},
      {IDC_TVS_CHOSEN_COUNTRY_RADIO,
       1,
       {"7788 81 @0 pos 3", "2020 81 @1000 pos 3", "7790 81 @2000 pos 3"},
       "81",
       "1",
       "1",
       "Japan",
       "11",
       "1-4 13-15",
       "TRUE",
       "-",
       true,
       "5",
       "old"},
      {IDC_TVS_COUNTRY_LIST,
       1,
       {"7788 81 @0 pos 1", "2020 81 @1000 pos 1", "7790 81 @2000 pos 1"},
       "81",
       "55250000",
       "1",
       "Japan",
       "11",
       "1-4 13-15",
       "TRUE",
       "-",
       false,
       "8",
       "55250000"},
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
    b.Do(c.control, c.position);
    EXPECT_EQ(b.sent, c.sent);
    EXPECT_EQ(b.h.fake.time.Sleeps(), (std::vector<std::uint32_t>{1000, 1000}));
    EXPECT_EQ(b.Stored("TOVIX", "MinFreq"), c.minFreq);
    EXPECT_EQ(b.Stored("TOVIX", "CodePos"), c.codePos);
    EXPECT_EQ(b.Stored("TOVIX", "DEFAULTNAME"), c.name);
    EXPECT_EQ(b.Stored("VideoStandard", "VideoStandard") + b.Stored("quarn", "AnalogVStandard"),
              c.standards);
    EXPECT_EQ(b.Stored("TOVIX", "Minair") + "-" + b.Stored("TOVIX", "Maxair") + " " +
                  b.Stored("TOVIX", "Min") + "-" + b.Stored("TOVIX", "Max"),
              c.limits);
    const ChannelState& ch = b.ctx.channels;
    EXPECT_EQ(DecimalText(ch.minAirChannel) + "-" + DecimalText(ch.maxAirChannel) + " " +
                  DecimalText(ch.minCableChannel) + "-" + DecimalText(ch.maxCableChannel),
              c.limits);
    EXPECT_EQ(b.Stored("CHANNELLISTAIR", "1") + b.Stored("CHANNELLISTAIR", "20"),
              std::string(c.listed1) + c.listed20);
    // Every channel of both new bands listed, scan pending, 8 current; names and saved
    // frequencies gone; "CountryCode" and the panel's own channel untouched.
    EXPECT_EQ(b.Stored("CHANNELLISTAIR", "2") + b.Stored("CHANNELLISTAIR", "4") +
                  b.Stored("CHANNELLIST", DecimalText(b.ctx.channels.minCableChannel).c_str()),
              "TRUETRUETRUE");
    EXPECT_EQ(b.Stored("CHANNELLISTAIR", "ALREADYSCAN") + b.Stored("CHANNELLIST", "ALREADYSCAN") +
                  b.Stored("TVTuner", "TVChannelAir") + b.Stored("TVTuner", "TVChannelCable"),
              "FALSEFALSE88");
    for (const char* section :
         {"Air channel Name", "Cable channel Name", "CHANNELAIRFREQ", "CHANNELCABLEFREQ"})
      EXPECT_EQ(b.h.Settings().find(std::string("[") + section + "]"), std::string::npos);
    EXPECT_EQ(b.Stored("TOVIX", "CountryCode") + " " + DecimalText(ch.currentChannel), "1 5");
    // The page: code, band limits, its list refilled by its own message, the country list.
    EXPECT_EQ(b.C(IDC_TVS_CODE_EDIT).text, c.code);
    EXPECT_EQ(b.C(IDC_TVS_MIN_EDIT).text + "-" + b.C(IDC_TVS_MAX_EDIT).text,
              std::string(c.limits).substr(0, std::string(c.limits).find(' ')));
    const std::size_t listed = c.listed1[0] == '-' ? 11 : 4;
    EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items.size(), listed);
    EXPECT_EQ(b.h.fake.lists.Texts(b.ctx.windows.sideList).size(), listed);
    EXPECT_EQ(b.C(IDC_TVS_COUNTRY_LIST).enabled, c.listEnabled);
    EXPECT_EQ(b.C(IDC_TVS_CHANNEL_EDIT).text, c.channelEdit);
    EXPECT_EQ(fullScan.Control(IDC_FSP_MIN_EDIT).text, c.fullScanMin);
  }
}

TEST(CountryChoice, OddValuesAndAnswersAreUsedAsTheyCome) {
  const struct {
    const char *what, *key, *value;  // a [TOVIX] key changed (value null: gone)
    int countryCount, control, position;
    const char *sent, *codePos, *limits;
  } cases[] = {
      // No country has 999: the search ends on the last one, the United States.
      {"unknown", "DEFAULTCOUNTRY", "999", 4, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "1", "0", "2-6"},
      {"no DefCodePos", "DefCodePos", nullptr, 4, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "49", "", "2-12"},
      // Without countries nothing is found: the stored code is sent, the library refuses.
      {"no countries", "Range", "3", 0, IDC_TVS_AUTO_COUNTRY_RADIO, -1, "49", "0", "0-0"},
      {"upside down", "Range", "3", 4, IDC_TVS_COUNTRY_LIST, 2, "44", "2", "9-3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bench b(StoreWith(c.key, c.value));
    b.ctx.countryCount = c.countryCount;
    b.Do(c.control, c.position);
    ASSERT_EQ(b.sent.size(), 3u);
    EXPECT_EQ(b.sent[2].substr(0, b.sent[2].find(" @")), std::string("7790 ") + c.sent);
    EXPECT_EQ(b.Stored("TOVIX", "CodePos"), c.codePos);
    EXPECT_EQ(b.Stored("TOVIX", "Minair") + "-" + b.Stored("TOVIX", "Maxair"), c.limits);
  }
  Bench upside;
  upside.Do(IDC_TVS_COUNTRY_LIST, 2);  // air 9..3: nothing listed, the page's list empty
  const std::string file = upside.h.Settings();
  EXPECT_NE(file.find("[CHANNELLISTAIR]\r\nALREADYSCAN=FALSE\r\n["), std::string::npos);
  EXPECT_TRUE(upside.C(IDC_TVS_CHANNEL_LIST).items.empty());
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
  EXPECT_EQ(b.Stored("CHANNELLISTAIR", "2") + b.Stored("Air channel Name", "2"), "TRUE-");
  EXPECT_EQ(b.sent.size(), 6u);
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"1", "2", "3", "4"}));
}

}  // namespace
}  // namespace tv
