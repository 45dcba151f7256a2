// The first-start setup dialog: the country it selects at the start and what OK stores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "base/settings_file.h"
#include "fakes/fake_platform.h"
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
    ctx.tuner = &tuner;
    ctx.countryCount = kCountries;
    dialog.Attach(handler);
  }

  void Start() { handler.OnInit(dialog); }
  void OsCountry(const char* code) { WinIni(h.fake.profile).Write(keys::kOsCountry, code); }
  std::string Setting(const keys::Key& key) const { return ctx.settings.Text(key, "-", 300); }
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

}  // namespace
}  // namespace tv
