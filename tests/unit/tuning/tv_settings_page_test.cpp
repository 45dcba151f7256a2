// The TV settings page: keypad, steps, the list box's prefix rules, band and device switches,
// names, the fine-tuning display and slider, the enable rule.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_ids.h"
#include "tuning/tuning_dialog_ids.h"
#include "tuning/tv_settings_page.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

using testing::Lines;
using F = fakes::FakeControl;

// Every channel's default frequency is the same answer (or error code).
struct PlanTuner : fakes::FakeTunerLibrary {
  std::int32_t GetFreqInfo(std::int32_t*, std::int32_t*, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t) override {
    return answer;
  }
  std::int32_t answer = 55250000;
};

// Air 2..12 with 2, 10 and 11 listed, cable 1..99 with 24; the air band is on, at 10.
const std::string kStore =
    "[TOVIX]\nMinair=2\nMaxair=12\nMin=1\nMax=99\nCountryCode=1\n"
    "[CHANNELLISTAIR]\n2=TRUE\n10=TRUE\n11=TRUE\n3=FALSE\n[CHANNELLIST]\n24=TRUE\n"
    "[TVTuner]\nTVChannelAir=10\nTVChannelCable=24\n[Air channel Name]\n10=Ten\n11=Eleven\n"
    "[DEVICE]\n0=Card A\n1=NONE\n3=Card B\n";

struct Bench : testing::PageBench<tuning::TvSettingsPage> {
  explicit Bench(const std::string& extra = "", bool withVideo = true)
      : PageBench(kStore + extra, withVideo) {
    ctx.tuner = &tuner;
    ctx.mode.airBand = 1;
    ctx.channels = {10, 0, 2, 12, 1, 99};
    Open();
  }
  void Press(const std::string& keys) {  // digits, E for Enter, D and U for the step buttons
    constexpr int kIds[] = {IDC_TVS_KEY0, IDC_TVS_KEY1, IDC_TVS_KEY2,      IDC_TVS_KEY3,
                            IDC_TVS_KEY4, IDC_TVS_KEY5, IDC_TVS_KEY6,      IDC_TVS_KEY7,
                            IDC_TVS_KEY8, IDC_TVS_KEY9, IDC_TVS_KEY_ENTER, IDC_TVS_DOWN,
                            IDC_TVS_UP};
    for (char c : keys) dialog->Click(kIds[std::string("0123456789EDU").find(c)]);
  }
  std::vector<std::uint16_t> ToPanel() const {
    return h.fake.messenger.CommandsTo(ctx.windows.panel);
  }
  PlanTuner tuner;
};

TEST(TvPageStart, FillsEverythingFromTheStoreOnlyWithAVideoWindow) {
  Bench b("[SelectDevice]\nIndex=1\n[CHANNELAIRFREQ]\n10=55260000\n");
  b.Set("DEVICE", "2", std::string(1100, 'x').c_str());
  b.Open();
  EXPECT_EQ(b.Items(IDC_TVS_CARD_LIST), "Card A," + std::string(1023, 'x') + ",Card B");
  EXPECT_EQ(b.Items(IDC_TVS_CHANNEL_LIST) + " " +
                b.Texts({IDC_TVS_NAME_EDIT, IDC_TVS_MAX_EDIT, IDC_TVS_OFFSET_EDIT}) + " " +
                b.Selections({IDC_TVS_CARD_LIST, IDC_TVS_CHANNEL_LIST}) + " " +
                b.Flags(&F::checked, {IDC_TVS_AIR_RADIO, IDC_TVS_AUTO_COUNTRY_RADIO}) +
                b.Flags(&F::enabled, {IDC_TVS_COUNTRY_LIST}) + " " +
                std::to_string(b.C(IDC_TVS_COUNTRY_LIST).items.size()) + " " +
                b.Stored("TOVIX:DEFAULTCOUNTRY"),
            "2,10,11 Ten|12|+10000 1 1 110 244 1");
  Bench none("", false);
  none.Press("14E");
  EXPECT_EQ(none.Texts({IDC_TVS_KEY_ENTER, IDC_TVS_KEYPAD_EDIT}) + "|" +
                std::to_string(none.C(IDC_TVS_CHANNEL_LIST).items.size()),
            "Enter||0");
  EXPECT_FALSE(none.C(IDC_TVS_FINE_SLIDER).rangeSet || none.ctx.windows.tvPage);
}

TEST(TvPageKeypad, TheThirdDigitOnlyWithinTheLimitReadAtEveryDigitStepsWrapOnlyOnePastTheEnds) {
  // clang-format off
  const struct { const char *maxAir, *maxCable, *fullScanCount; int airBand, current; const char *keys, *shown, *tuned; } cases[] = {
      {"69", nullptr, nullptr, 1, 10, "99E", "99", "99"},  // the second digit is not checked
      {"69", nullptr, nullptr, 1, 10, "125E", "12", "12"}, {"125", nullptr, nullptr, 1, 10, "1250E", "125", "125"},
      {"125", nullptr, nullptr, 1, 10, "05E", "5", "5"}, {"125", "999", nullptr, 0, 10, "999E", "999", "999"},
      {"-5", nullptr, nullptr, 1, 10, "123E", "12", "12"}, {nullptr, nullptr, nullptr, 1, 10, "100E", "10", "10"},
      {"69", nullptr, "200", 1, 10, "125E", "125", "125"}, {"69", nullptr, nullptr, 1, 10, "0E", "", nullptr},
      // D and U: the step buttons from the current channel, air 2..12
      {"12", nullptr, nullptr, 1, 12, "D", "", "2"}, {"12", nullptr, nullptr, 1, 2, "U", "", "12"},
      {"12", nullptr, nullptr, 1, 3, "D", "", "4"}, {"12", nullptr, nullptr, 1, 5, "U", "", "4"},
      {"12", nullptr, nullptr, 1, 13, "D", "", "14"}, {"12", nullptr, nullptr, 1, 1, "U", "", "0"},
      {"12", nullptr, nullptr, 1, 1, "D", "", "2"}, {"12", nullptr, nullptr, 1, 13, "U", "", "12"},
      {"12", nullptr, nullptr, 1, -7, "U", "", "-8"}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.keys) + " " + std::to_string(c.current));
    Bench b;
    b.ctx.mode.airBand = c.airBand;
    b.ctx.channels.currentChannel = c.current;
    b.Set("TOVIX", "Maxair", c.maxAir);
    b.Set("TOVIX", "Max", c.maxCable);
    b.Set("quarn", "UseFullScan", c.fullScanCount ? "TRUE" : nullptr);
    b.Set("FREQCHLIST", "ALLCH", c.fullScanCount);
    b.Press(c.keys);
    EXPECT_EQ(b.C(IDC_TVS_KEYPAD_EDIT).text, c.shown);
    EXPECT_EQ(b.ToVideo(), c.tuned ? Lines{"8000 " + std::string(c.tuned)} : Lines{});
    EXPECT_EQ(b.Stored("TVTuner:TVChannelAir"), c.tuned && c.airBand ? c.tuned : "10");
  }
  // Half a number survives closing the sheet; the limit read at the third digit counts.
  Bench b;
  b.Set("TOVIX", "Maxair", "69");
  b.Press("1");
  b.Open();
  b.Press("2");
  b.Set("TOVIX", "Maxair", "200");
  b.Press("5E");
  EXPECT_EQ(b.ToVideo(), Lines{"8000 125"});
}

TEST(TvPageList, TuningSelectsByPrefixDeleteTakesThePrefixAddAndNamesReachTheFile) {
  Bench b;
  b.Press("1E");  // 1 is not listed: "10" begins with "1"
  EXPECT_EQ(b.ToVideo(), Lines{"8000 1"});
  EXPECT_EQ(b.Stored("TVTuner:TVChannelAir,TVTuner:TVChannel") + " " +
                b.Texts({IDC_TVS_CHANNEL_EDIT, IDC_TVS_NAME_EDIT}) + " " +
                b.Selections({IDC_TVS_CHANNEL_LIST}),
            "1|- 1| 1");
  b.dialog->Click(IDC_TVS_DELETE);  // "10" leaves the box, the file keeps it
  EXPECT_EQ(b.Items(IDC_TVS_CHANNEL_LIST) + " " + b.Stored("CHANNELLISTAIR:10,CHANNELLISTAIR:1"),
            "2,11 TRUE|FALSE");
  b.Press("11E");
  b.dialog->Click(IDC_TVS_ADD);  // a named channel added loses its name
  EXPECT_EQ(b.Items(IDC_TVS_CHANNEL_LIST) + " " + b.Stored("Air channel Name:11"), "2,10,11 -");
  b.dialog->Choose(IDC_TVS_CHANNEL_LIST, 0, kCbnSelChange);  // a list choice writes TVChannel
  EXPECT_EQ(b.Stored("TVTuner:TVChannel,TVTuner:TVChannelAir"), "2|2");
  b.dialog->Notify(cmd::kTvPageScanEnded, 0);
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).selection, -1);

  // clang-format off
  const struct { const char* channel; std::string name, key, stored; } names[] = {
      {"14", "", "14", ""}, {"1234", std::string(300, 'n'), "123", std::string(259, 'n')}, {"", "Lost", "14", ""}};
  // clang-format on
  for (const auto& n : names) {
    b.dialog->SetText(IDC_TVS_CHANNEL_EDIT, n.channel);
    b.dialog->SetText(IDC_TVS_NAME_EDIT, n.name);
    b.dialog->Click(IDC_TVS_NAME_BUTTON);
    EXPECT_EQ(b.Stored("Air channel Name:" + n.key), n.stored);
  }
  EXPECT_EQ(b.h.Settings().find("Lost"), std::string::npos);
  b.h.fake.messenger.ClearLog();
  for (int i = 0; i < 3; ++i) {  // asked once until the video program says it has closed
    b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
    if (i == 1) tuning::VideoStandardDialogClosed(b.ctx);
  }
  EXPECT_EQ(b.ToVideo(), (Lines{"45790 0", "45790 0"}));
}

TEST(TvPageFineTune, DisplayFromTheStoredFrequencyIn64BitsSliderAndButtonsSend) {
  // clang-format off
  const struct { const char* stored; std::int32_t plan; const char* shown; } cases[] = {  // shown: box, slider
      {nullptr, 55250000, "0 500"}, {"nono", 55250000, "0 500"}, {"55250000", 55250000, "0 500"}, {"55350000", 55250000, "+100000 510"},
      {"55245001", 55250000, "-4999 500"}, {"55149999", 55250000, "-100001 490"}, {"abc", 55250000, "-55250000 0"},
      {"2147483647", -1001, "+2147484648 1000"}, {"99999999999999999999", 100, "+9223372036854775707 1000"},
      {"-9223372036854775808", 5, "-9223372036854775808 0"}};
  // clang-format on
  for (const auto& c : cases) {
    Bench b;
    b.Set("TVTuner", "TVChannelAir", nullptr);  // shown as 8
    b.Set("CHANNELAIRFREQ", "8", c.stored);
    b.tuner.answer = c.plan;
    b.Open();
    EXPECT_EQ(
        b.C(IDC_TVS_OFFSET_EDIT).text + " " + std::to_string(b.C(IDC_TVS_FINE_SLIDER).position),
        c.shown);
  }
  Bench b;
  for (auto [position, text] :
       {std::pair{437, "-630000"}, {500, "0"}, {1000, "+5000000"}, {520, "+200000"}}) {
    b.dialog->Drag(IDC_TVS_FINE_SLIDER, position);
    EXPECT_EQ(b.C(IDC_TVS_OFFSET_EDIT).text, text);
  }
  b.dialog->Click(IDC_TVS_SAVE_FREQUENCY);
  b.dialog->Click(IDC_TVS_FINE_DEFAULT);
  EXPECT_EQ(b.ToVideo(), (Lines{"8001 437 sent", "8001 500 sent", "8001 1000 sent", "8001 520 sent",
                                "8002 520 sent", "8001 500 sent", "8002 500 sent"}));
  EXPECT_EQ(b.C(IDC_TVS_OFFSET_EDIT).text + " " + std::to_string(b.C(IDC_TVS_FINE_SLIDER).position),
            "0 500");
}

TEST(TvPageEnable, ScansAndVideoInputsLeaveOnlyAutoScan) {
  // clang-format off
  const struct { int ModeFlags::*flag; bool fullScan, enabled, obeyed; } cases[] = {
      {nullptr, false, true, true}, {&ModeFlags::videoInput, false, false, false}, {nullptr, true, false, true},
      {&ModeFlags::airScan, false, true, false}, {&ModeFlags::cableScan, false, true, false}, {&ModeFlags::fmScan, false, true, false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.fullScan) + std::to_string(c.flag != nullptr));
    Bench b;
    b.C(IDC_TVS_COUNTRY_LIST).enabled = true;  // the rule never switches it on
    if (c.flag) b.ctx.mode.*c.flag = 1;
    if (c.fullScan) b.Set("quarn", "UseFullScan", "TRUE");
    b.dialog->Activate();
    EXPECT_EQ(b.Flags(&F::enabled, {IDC_TVS_KEY5, IDC_TVS_FINE_SLIDER, IDC_TVS_AUTO_COUNTRY_RADIO,
                                    IDC_TVS_COUNTRY_LIST}),
              c.enabled ? "1111" : "0000");
    b.dialog->Click(IDC_TVS_DOWN);
    b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
    EXPECT_EQ(b.ToVideo().size(), c.obeyed ? 2u : 0u);
    b.dialog->Click(IDC_TVS_AUTO_SCAN);
    EXPECT_TRUE(b.C(IDC_TVS_CHANNEL_LIST).items.empty());
    EXPECT_EQ(b.ToPanel(), std::vector<std::uint16_t>{cmd::kScan});
  }
}

TEST(TvPageSwitch, CableRunsThePanelsSourceCommandInsideAirIsPostedDevicesReselect) {
  Bench b;
  b.RunCommands();
  b.dialog->Click(IDC_TVS_CABLE_RADIO);
  // The panel's cable command ran before the page went on: it switched the video program.
  EXPECT_EQ(b.ToVideo(), Lines{"2003 0 sent"});
  EXPECT_EQ(std::to_string(b.ctx.mode.currentSource) + " " +
                b.Stored("TovixCrossbar:InputSource,TVTuner:TVChannel") + " " +
                b.Items(IDC_TVS_CHANNEL_LIST) + " " + b.Texts({IDC_TVS_MIN_EDIT, IDC_TVS_MAX_EDIT}),
            "3 3|24 24 1|99");
  b.ctx.mode.videoBusy = 0;
  b.h.fake.messenger.ClearLog();
  b.dialog->Click(IDC_TVS_AIR_RADIO);
  EXPECT_TRUE(b.ToVideo().empty());  // posted: the panel runs it after the page's message
  EXPECT_EQ(b.Items(IDC_TVS_CHANNEL_LIST), "2,10,11");
  b.h.fake.messenger.DispatchPosted();
  EXPECT_EQ(b.ToVideo(), Lines{"2002 0 sent"});

  // null: no key, cable
  // clang-format off
  const struct { const char* input; std::vector<std::uint16_t> posted; } devices[] = {
      {nullptr, {cmd::kSourceCable}}, {"1", {cmd::kSourceComposite}}, {"9", {}}};
  // clang-format on
  for (const auto& d : devices) {
    Bench c;
    c.Set("TovixCrossbar", "InputSource", d.input);
    c.dialog->Choose(IDC_TVS_CARD_LIST, 1, kCbnSelChange);
    EXPECT_EQ(c.Stored("SelectDevice:Index"), "1");
    EXPECT_EQ(c.h.fake.messenger.LogTo(c.tv).at(0).message, kWmClose);
    EXPECT_EQ(c.ToPanel(), d.posted);
  }
}

}  // namespace
}  // namespace tv
