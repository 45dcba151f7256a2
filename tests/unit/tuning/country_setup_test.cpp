// The first-start setup dialog: what it shows, what OK stores, and the start that runs it.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "app/key_table.h"
#include "app/settings_file.h"
#include "fakes/fake_tuner_library.h"
#include "panel/panel_window.h"
#include "tuning/country_setup.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

namespace setup = tuning::setup;
constexpr int kCountries = 244;

// The layout file's country list of skin 1: "Land 1" at position 0 to "Land 244".
std::string CountryNames() {
  std::string text = "[1PANEL_BTN]\n";
  for (int key = 1; key <= kCountries; ++key)
    text += std::to_string(key) + "=Land " + std::to_string(key) + "\n";
  return text;
}

// A panel with a library of 244 countries: codes 1000 + position, except two countries that
// share code 44 (positions 5 and 10) and the countries of codes 7 and 1 at their fixed places.
struct Bench {
  Bench() {
    tuner.countryCount = kCountries;
    for (int p = 0; p < kCountries; ++p) tuner.countries.push_back({1000 + p, 5, 21, 69, 1, 99});
    tuner.countries[5] = {44, 6, 21, 68, 2, 99};
    tuner.countries[10] = {44, 4, 5, 10, 3, 4};
    tuner.countries[180] = {7, 8, 1, 12, 1, 12};
    tuner.countries[228] = {1, 0, 2, 69, 1, 125};
    tuner.countries[243] = {1243, 9, 30, 40, 50, 60};
    ctx.tuner = &tuner;
    ctx.countryCount = kCountries;
    dialog.Attach(handler);
  }

  void Start() { handler.OnInit(dialog); }
  void OsCountry(const char* code) { WinIni(h.fake.profile).Write(keys::kOsCountry, code); }
  std::string Setting(const keys::Key& key) const { return ctx.settings.Text(key, "-", 300); }
  std::vector<std::string> Settings(std::initializer_list<const keys::Key*> keys) const {
    std::vector<std::string> texts;
    for (const keys::Key* key : keys) texts.push_back(Setting(*key));
    return texts;
  }
  fakes::FakeControl& Control(int id) { return dialog.Control(id); }

  testing::PanelHarness h{CountryNames()};
  PanelContext& ctx = h.ctx;
  fakes::FakeTunerLibrary tuner;
  tuning::CountrySetupDialog handler{ctx};
  fakes::FakeDialog dialog;
};

TEST(CountrySetupStart, OsCodesSelectAFixedPlaceOrTheFirstCountryWithTheCode) {
  const struct {
    const char* os;  // null: none, which shows code 1
    const char* code;
    int selected;  // -1: nothing
    const char* defCodePos;
    bool asksLibrary;
  } cases[] = {
      {nullptr, "1", 228, "228", false}, {"7", "7", 180, "180", false},
      {"44", "44", 5, "5", true},        {"1012", "1012", 12, "12", true},
      {"999", "999", -1, "244", true},  // no country has it: one past the list
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    Bench b;
    if (c.os) b.OsCountry(c.os);
    b.Start();
    EXPECT_EQ(b.Control(setup::kCodeEdit).text, c.code);
    EXPECT_EQ(b.Control(setup::kCountryList).selection, c.selected);
    EXPECT_EQ(b.Setting(keys::kDefCodePos), c.defCodePos);
    EXPECT_EQ(!b.tuner.calls.empty(), c.asksLibrary);
    EXPECT_EQ(b.Control(setup::kCountryList).items.size(), 244u);
    EXPECT_EQ(b.Control(setup::kCountryList).items[228], "Land 229");
    EXPECT_FALSE(b.Control(setup::kCountryList).enabled);
    EXPECT_TRUE(b.Control(setup::kOsCountryRadio).checked);
    EXPECT_FALSE(b.Control(setup::kChosenCountryRadio).checked);
  }
}

TEST(CountrySetupStart, CaptionsFromTheLayoutTopmostLeftOfTheScreenCentre) {
  Bench b;
  b.h.fake.windows.State(b.dialog.Window()).rect = ScreenRect{10, 20, 410, 350};
  b.Start();
  std::vector<std::string> captions;
  for (int id : {setup::kDeviceGroup, setup::kCountryGroup, setup::kOsCountryRadio,
                 setup::kChosenCountryRadio, setup::kCodeLabel, setup::kOk, setup::kRecordLabel})
    captions.push_back(b.Control(id).text);
  EXPECT_EQ(captions, (std::vector<std::string>{
                          "TV Card Device", "Country Code", "Auto Detect OS Country Code",
                          "Select Country Code:", "Code:", "OK", "Recording Control"}));
  const auto& state = b.h.fake.windows.State(b.dialog.Window());
  EXPECT_TRUE(state.topmost);
  // 1024 x 768 screen: x = 512 - 260, y = 384 - 65, size unchanged.
  EXPECT_EQ(state.rect, (ScreenRect{252, 319, 652, 649}));
}

TEST(CountrySetupStart, ListsTheDevicesFoundAndTheSoundCardsLines) {
  Bench b;
  b.h.fake.WriteFile(b.ctx.where.settingsIni,
                     "[DEVICE]\n0=Gone card\n1=NONE\n2=Spare card\n9=Last slot\n10=Beyond\n"
                     "[AudioDevice]\n0=Line In\n1=CD\n2=None\n[AudioInput]\nIndex=1\n"
                     "[RecordDevice]\n0=Mic\n1=Line\n2=Mix\n"
                     "[Recordstate]\n0=1\n1=0\n2=1\n");
  b.h.fake.captureDevices.Plug("TV Card");
  b.Start();
  EXPECT_EQ(b.Control(setup::kDeviceList).items,
            (std::vector<std::string>{"TV Card", "Spare card", "Last slot"}));
  EXPECT_EQ(b.Control(setup::kDeviceList).selection, 0);
  EXPECT_EQ(b.Control(setup::kAudioInputList).items,
            (std::vector<std::string>{"Line In", "CD", "None"}));
  EXPECT_EQ(b.Control(setup::kAudioInputList).selection, 1);
  EXPECT_EQ(b.Control(setup::kRecordList).items, (std::vector<std::string>{"Mic", "Line", "Mix"}));
  EXPECT_EQ(b.Control(setup::kRecordList).selection, 2);  // the last source that is on

  b.dialog.Choose(setup::kDeviceList, 1);
  b.dialog.Choose(setup::kRecordList, 1);
  b.dialog.Click(setup::kOk);
  EXPECT_EQ(b.Setting(keys::kSelectedDevice), "1");
  EXPECT_EQ(b.Setting(keys::kAudioInput), "1");
  EXPECT_NE(b.h.Settings().find("[Recordstate]\r\n0=0\r\n1=1\r\n2=0\r\n"), std::string::npos);
}

TEST(CountrySetupChoice, AChosenCountryShowsItsCodeAndOnlyOkStoresItsPlaceWithTheCodesBandData) {
  Bench b;
  b.Start();
  b.dialog.Click(setup::kChosenCountryRadio);
  EXPECT_TRUE(b.Control(setup::kCountryList).enabled);

  b.tuner.calls.clear();
  b.dialog.Choose(setup::kCountryList, 10);
  EXPECT_EQ(b.Control(setup::kCodeEdit).text, "44");
  ASSERT_EQ(b.tuner.calls.size(), 1u);
  const fakes::FreqInfoCall& call = b.tuner.calls[0];
  EXPECT_EQ((std::vector<int>{call.code, call.position, call.band, call.channel}),
            (std::vector<int>{-1, 10, 1, 0}));

  b.dialog.Click(kIdDialogCancel);  // Escape, Alt+F4 and the close request
  b.dialog.Click(setup::kDeviceList);
  b.dialog.Click(setup::kCodeEdit);
  EXPECT_FALSE(b.dialog.closed);
  EXPECT_EQ(b.Setting(keys::kCountryCode), "-");

  b.dialog.Click(setup::kOk);
  EXPECT_TRUE(b.dialog.closed);
  EXPECT_EQ(b.dialog.result, 1);
  EXPECT_EQ(b.Settings({&keys::kCountryCode, &keys::kCodePos, &keys::kDefaultName,
                        &keys::kDefaultCountry}),
            (std::vector<std::string>{"44", "10", "Land 11", "1"}));
  // The band data are those of position 5, the first country with code 44.
  EXPECT_EQ(b.Settings({&keys::kMinAir, &keys::kMaxAir, &keys::kMinCable, &keys::kMaxCable,
                        &keys::kVideoStandard, &keys::kAnalogVStandard, &keys::kMinFreq,
                        &keys::kMaxFreq, &keys::kRange, &keys::kAudioFormat}),
            (std::vector<std::string>{"21", "68", "2", "99", "6", "6", "45000000", "863250000",
                                      "3000000", "2"}));
}

TEST(CountrySetupChoice, TheOsButtonGoesBackToTheOsCountryAsItIsNow) {
  Bench b;
  b.Start();
  b.dialog.Click(setup::kChosenCountryRadio);
  b.dialog.Choose(setup::kCountryList, 10);
  b.OsCountry("7");

  b.dialog.Click(setup::kOsCountryRadio);
  EXPECT_EQ(b.Control(setup::kCodeEdit).text, "7");
  EXPECT_EQ(b.Control(setup::kCountryList).selection, 180);
  EXPECT_FALSE(b.Control(setup::kCountryList).enabled);
  EXPECT_EQ(b.Setting(keys::kDefCodePos), "228");  // only the start records it
}

TEST(CountrySetupOk, WritesEveryKeyInItsOrder) {
  Bench b;
  b.h.fake.WriteFile(b.ctx.where.settingsIni,
                     "[AudioDevice]\n0=Line In\n1=None\n[RecordDevice]\n0=Mic\n1=Line\n"
                     "[Recordstate]\n0=0\n1=1\n");
  b.h.fake.captureDevices.Plug("TV Card");
  b.Start();
  b.dialog.Click(setup::kOk);
  // The dialog's keys follow what was there, in this order.
  EXPECT_EQ(b.h.Settings(),
            "[AudioDevice]\r\n0=Line In\r\n1=None\r\n[RecordDevice]\r\n0=Mic\r\n1=Line\r\n"
            "[Recordstate]\r\n0=0\r\n1=1\r\n[DEVICE]\r\n0=TV Card\r\n[TOVIX]\r\n"
            "DefCodePos=228\r\nCountryCode=1\r\nDEFAULTCOUNTRY=1\r\nCodePos=228\r\n"
            "DEFAULTNAME=Land 229\r\nMaxFreq=801250000\r\nMinFreq=55250000\r\n"
            "Range=5000000\r\nMaxair=69\r\nMinair=2\r\nMax=125\r\nMin=1\r\n"
            "[quarn]\r\nAnalogVStandard=0\r\n[VideoStandard]\r\nVideoStandard=0\r\n"
            "[AudioFormat]\r\nAudioFormat=2\r\n[SelectDevice]\r\nIndex=0\r\n"
            "[AudioInput]\r\nIndex=0\r\n");
}

TEST(CountrySetupOk, WithoutDevicesOrLinesTheEmptyListsStoreMinusOne) {
  Bench b;
  b.Start();
  EXPECT_EQ(b.h.fake.messageBoxes.Texts(), (std::vector<std::string>{"Can Not Find Any TV Card!"}));
  EXPECT_TRUE(b.Control(setup::kDeviceList).items.empty());
  b.dialog.Click(setup::kOk);
  EXPECT_EQ(b.Setting(keys::kSelectedDevice), "-1");
  EXPECT_EQ(b.Setting(keys::kAudioInput), "-1");
  EXPECT_EQ(b.ctx.settings.Text(keys::kRecordState, -1, "-"), "1");
}

TEST(CountrySetupOk, AnEmptyCodeIsStoredAsItIsWithTheLastCountrysBandData) {
  Bench b;
  b.Start();
  b.Control(setup::kCodeEdit).text.clear();
  b.dialog.Click(setup::kOk);
  EXPECT_EQ(b.Setting(keys::kCountryCode), "");
  EXPECT_EQ(b.ctx.settings.Int(keys::kCountryCode), 0);  // asked again at the next start
  EXPECT_EQ(b.Setting(keys::kMinAir), "30");
  EXPECT_EQ(b.Setting(keys::kMaxCable), "60");
  EXPECT_EQ(b.Setting(keys::kVideoStandard), "9");
  EXPECT_EQ(b.Setting(keys::kMaxFreq), "801250000");
}

// ---- panel creation ----------------------------------------------------------------------

TEST(CountrySetupAtFirstStart, TheSetupRunsAndTheListsStartFromTheLimitsItWrote) {
  Bench b;
  b.h.fake.captureDevices.Plug("TV Card");
  panel::OnCreate(b.ctx);

  ASSERT_EQ(b.h.fake.dialogs.runs.size(), 1u);  // modal, owned by the panel
  EXPECT_EQ(b.h.fake.dialogs.runs[0].templateId, tuning::kCountrySetupTemplate);
  EXPECT_EQ(b.h.fake.dialogs.runs[0].owner, b.ctx.windows.panel);
  for (const auto& m : b.h.fake.messenger.LogTo(b.ctx.windows.panel))
    EXPECT_NE(m.message, kWmClose);
  EXPECT_EQ(b.ctx.channels.maxAirChannel, 69);
  EXPECT_EQ(b.ctx.channels.maxCableChannel, 125);
  EXPECT_EQ(b.ctx.settings.Text(keys::kAirList, 1, "-"), "-");
  EXPECT_EQ(b.ctx.settings.Text(keys::kAirList, 2, "-"), "TRUE");
  EXPECT_EQ(b.ctx.settings.Text(keys::kAirList, 69, "-"), "TRUE");
  EXPECT_EQ(b.ctx.settings.Text(keys::kAirList, 70, "-"), "-");
  EXPECT_EQ(b.ctx.settings.Text(keys::kCableList, 125, "-"), "TRUE");
}

TEST(CountrySetupAtFirstStart, AStoredCountrySkipsItAndAMissingCardClosesThePanel) {
  const struct {
    const char* what;
    const char* settings;
    bool closes;
  } cases[] = {
      {"the chosen card", "[TOVIX]\nCountryCode=49\n[DEVICE]\n0=TV Card\n", false},
      {"a card that is gone",
       "[TOVIX]\nCountryCode=49\n[SelectDevice]\nIndex=1\n[DEVICE]\n1=TV Card\n", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Bench b;
    b.h.fake.captureDevices.Plug("TV Card");
    b.h.fake.WriteFile(b.ctx.where.settingsIni, c.settings);
    panel::OnCreate(b.ctx);

    EXPECT_TRUE(b.h.fake.dialogs.runs.empty());
    EXPECT_TRUE(b.h.fake.messageBoxes.Shown().empty());
    const auto posted = b.h.fake.messenger.LogTo(b.ctx.windows.panel);
    ASSERT_FALSE(posted.empty());
    EXPECT_EQ(posted[0].message == kWmClose, c.closes);
  }
}

}  // namespace
}  // namespace tv
