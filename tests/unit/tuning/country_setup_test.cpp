// The first-start setup dialog: the country it selects at the start and what OK stores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/key_table.h"
#include "base/settings_file.h"
#include "fakes/fake_platform.h"
#include "tuning/country_setup.h"
#include "unit/page_bench.h"

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
struct Bench : testing::PageBench<tuning::CountrySetupDialog> {
  Bench() : PageBench("", false, CountryNames()) {
    tuner.countryCount = kCountries;
    for (int p = 0; p < kCountries; ++p) tuner.countries.push_back({1000 + p, 5, 21, 69, 1, 99});
    tuner.countries[5] = {44, 6, 21, 68, 2, 99};
    tuner.countries[10] = {44, 4, 5, 10, 3, 4};
    tuner.countries[180] = {7, 8, 1, 12, 1, 12};
    tuner.countries[228] = {1, 0, 2, 69, 1, 125};
    ctx.tuner = &tuner;
    ctx.countryCount = kCountries;
  }
  fakes::FakeTunerLibrary tuner;
};

TEST(CountrySetupStart, OsCodesSelectAFixedPlaceOrTheFirstCountryWithTheCode) {
  // os null: none, which shows code 1. shown: code, selection, DefCodePos, library asked.
  // clang-format off
  const struct { const char *os, *shown; } cases[] = {{nullptr, "1 228 228 0"}, {"7", "7 180 180 0"}, {"44", "44 5 5 1"},
      {"1012", "1012 12 12 1"}, {"999", "999 -1 244 1"}};  // 999: no country has it, one past the list
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    Bench b;
    if (c.os) WinIni(b.h.fake.profile).Write(keys::kOsCountry, c.os);
    b.Open();
    EXPECT_EQ(b.C(setup::kCodeEdit).text + " " + b.Selections({setup::kCountryList}) + " " +
                  b.Stored({keys::kDefCodePos}) + " " + std::to_string(!b.tuner.calls.empty()),
              c.shown);
    const auto& list = b.C(setup::kCountryList);
    EXPECT_EQ(std::to_string(list.items.size()) + " " + list.items[228] + " " +
                  b.Flags(&fakes::FakeControl::enabled, {setup::kCountryList}) +
                  b.Flags(&fakes::FakeControl::checked,
                          {setup::kOsCountryRadio, setup::kChosenCountryRadio}),
              "244 Land 229 010");
  }
}

TEST(CountrySetupOk, WritesEveryKeyInItsOrder) {
  Bench b;
  b.h.fake.WriteFile(b.ctx.where.settingsIni,
                     "[AudioDevice]\n0=Line In\n1=None\n[RecordDevice]\n0=Mic\n1=Line\n"
                     "[Recordstate]\n0=0\n1=1\n");
  b.h.fake.captureDevices.Plug("TV Card");
  b.Open();
  b.dialog->Click(setup::kOk);
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
