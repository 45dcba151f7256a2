// The TV settings page: keypad, steps, the list box's prefix rules, band and device switches,
// names, the fine-tuning display and slider, the enable rule.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "tuning/tuning_dialog_ids.h"
#include "tuning/tv_settings_page.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using Lines = std::vector<std::string>;

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

struct Bench {
  explicit Bench(const std::string& extra = "", bool withVideo = true) {
    h.fake.WriteFile(ctx.where.settingsIni, kStore + extra);
    if (withVideo) tv = h.AddVideoWindow();
    ctx.tuner = &tuner;
    ctx.mode.airBand = 1;
    ctx.channels = {10, 0, 2, 12, 1, 99};
    Open();
  }
  void Open() {
    dialog = std::make_unique<fakes::FakeDialog>();
    dialog->Attach(page);
    dialog->Start();
  }
  void Press(const std::string& keys) {
    constexpr int kKeys[] = {IDC_TVS_KEY0, IDC_TVS_KEY1, IDC_TVS_KEY2, IDC_TVS_KEY3, IDC_TVS_KEY4,
                             IDC_TVS_KEY5, IDC_TVS_KEY6, IDC_TVS_KEY7, IDC_TVS_KEY8, IDC_TVS_KEY9};
    for (char c : keys) dialog->Click(c == 'E' ? IDC_TVS_KEY_ENTER : kKeys[c - '0']);
  }
  Lines ToVideo() const {  // "id lParam", sends marked
    Lines got;
    for (const auto& m : h.fake.messenger.LogTo(tv))
      got.push_back(std::to_string(m.wParam) + " " + std::to_string(m.lParam) +
                    (m.delivery == fakes::Delivery::Sent ? " sent" : ""));
    return got;
  }
  std::vector<std::uint16_t> ToPanel() const {
    return h.fake.messenger.CommandsTo(ctx.windows.panel);
  }
  fakes::FakeControl& C(int id) { return dialog->Control(id); }
  void Set(const char* section, const char* key, const char* value) {
    ctx.settings.RawWrite(section, key, value);
  }
  std::string Stored(const char* section, const char* key) const {
    return ctx.settings.RawText(section, key, "-", 300);
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  PlanTuner tuner;
  WindowRef tv;
  tuning::TvSettingsPage page{ctx};
  std::unique_ptr<fakes::FakeDialog> dialog;
};

TEST(TvPageStart, FillsEverythingFromTheStoreOnlyWithAVideoWindow) {
  Bench b("[SelectDevice]\nIndex=1\n[CHANNELAIRFREQ]\n10=55260000\n");
  b.Set("DEVICE", "2", std::string(1100, 'x').c_str());
  b.Open();
  EXPECT_EQ(b.C(IDC_TVS_CARD_LIST).items, (Lines{"Card A", std::string(1023, 'x'), "Card B"}));
  EXPECT_EQ(b.C(IDC_TVS_CARD_LIST).selection + b.C(IDC_TVS_CHANNEL_LIST).selection, 2);
  EXPECT_EQ(b.C(IDC_TVS_COUNTRY_LIST).items.size(), 244u);
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"2", "10", "11"}));
  EXPECT_EQ(
      b.C(IDC_TVS_NAME_EDIT).text + b.C(IDC_TVS_MAX_EDIT).text + b.C(IDC_TVS_OFFSET_EDIT).text,
      "Ten12+10000");
  EXPECT_TRUE(b.C(IDC_TVS_AIR_RADIO).checked && b.C(IDC_TVS_AUTO_COUNTRY_RADIO).checked);
  EXPECT_FALSE(b.C(IDC_TVS_COUNTRY_LIST).enabled);
  EXPECT_EQ(b.Stored("TOVIX", "DEFAULTCOUNTRY"), "1");

  Bench none("", false);
  none.Press("14E");
  EXPECT_EQ(none.C(IDC_TVS_KEY_ENTER).text, "Enter");
  EXPECT_TRUE(none.C(IDC_TVS_CHANNEL_LIST).items.empty() &&
              none.C(IDC_TVS_KEYPAD_EDIT).text.empty());
  EXPECT_FALSE(none.C(IDC_TVS_FINE_SLIDER).rangeSet || none.ctx.windows.tvPage);
}

TEST(TvPageKeypad, TheThirdDigitOnlyWithinTheLimitReadAtEveryDigit) {
  const struct {
    const char *maxAir, *maxCable, *fullScanCount;  // null: not stored
    int airBand;
    const char *keys, *shown;
    int tuned;  // 0: nothing posted
  } cases[] = {
      {"69", nullptr, nullptr, 1, "99E", "99", 99},  // the second digit is not checked
      {"69", nullptr, nullptr, 1, "125E", "12", 12},
      {"125", nullptr, nullptr, 1, "1250E", "125", 125},
      {"125", nullptr, nullptr, 1, "05E", "5", 5},
      {"125", "999", nullptr, 0, "999E", "999", 999},
      {"-5", nullptr, nullptr, 1, "123E", "12", 12},
      {nullptr, nullptr, nullptr, 1, "100E", "10", 10},
      {"69", nullptr, "200", 1, "125E", "125", 125},
      {"69", nullptr, nullptr, 1, "0E", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    Bench b;
    b.ctx.mode.airBand = c.airBand;
    b.Set("TOVIX", "Maxair", c.maxAir);
    b.Set("TOVIX", "Max", c.maxCable);
    b.Set("quarn", "UseFullScan", c.fullScanCount ? "TRUE" : nullptr);
    b.Set("FREQCHLIST", "ALLCH", c.fullScanCount);
    b.Press(c.keys);
    EXPECT_EQ(b.C(IDC_TVS_KEYPAD_EDIT).text, c.shown);
    EXPECT_EQ(b.ToVideo(), c.tuned ? Lines{"8000 " + std::to_string(c.tuned)} : Lines{});
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
  EXPECT_EQ(b.Stored("TVTuner", "TVChannelAir") + b.Stored("TVTuner", "TVChannel"), "1-");
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_EDIT).text + "|" + b.C(IDC_TVS_NAME_EDIT).text, "1|");
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).selection, 1);
  b.dialog->Click(IDC_TVS_DELETE);  // "10" leaves the box, the file keeps it
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"2", "11"}));
  EXPECT_EQ(b.Stored("CHANNELLISTAIR", "10") + b.Stored("CHANNELLISTAIR", "1"), "TRUEFALSE");
  b.Press("11E");
  b.dialog->Click(IDC_TVS_ADD);  // a named channel added loses its name
  EXPECT_EQ(b.Stored("Air channel Name", "11"), "-");
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"2", "10", "11"}));
  b.dialog->Choose(IDC_TVS_CHANNEL_LIST, 0, kCbnSelChange);  // a list choice writes TVChannel
  EXPECT_EQ(b.Stored("TVTuner", "TVChannel") + b.Stored("TVTuner", "TVChannelAir"), "22");
  b.dialog->Notify(cmd::kTvPageScanEnded, 0);
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).selection, -1);

  const struct {
    const char* channel;
    std::string name, key, stored;
  } names[] = {{"14", "", "14", ""},
               {"1234", std::string(300, 'n'), "123", std::string(259, 'n')},
               {"", "Lost", "14", ""}};
  for (const auto& n : names) {
    b.dialog->SetText(IDC_TVS_CHANNEL_EDIT, n.channel);
    b.dialog->SetText(IDC_TVS_NAME_EDIT, n.name);
    b.dialog->Click(IDC_TVS_NAME_BUTTON);
    EXPECT_EQ(b.Stored("Air channel Name", n.key.c_str()), n.stored);
  }
  EXPECT_EQ(b.h.Settings().find("Lost"), std::string::npos);
  b.h.fake.messenger.ClearLog();
  for (int i = 0; i < 3; ++i) {  // asked once until the video program says it has closed
    b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
    if (i == 1) tuning::VideoStandardDialogClosed(b.ctx);
  }
  EXPECT_EQ(b.ToVideo(), (Lines{"45790 0", "45790 0"}));
}

TEST(TvPageStep, DownAndUpWalkEveryNumberAndWrapOnlyOnePastTheEnds) {
  const struct {
    int current, control, tuned;
  } cases[] = {{12, IDC_TVS_DOWN, 2}, {2, IDC_TVS_UP, 12},    {3, IDC_TVS_DOWN, 4},
               {5, IDC_TVS_UP, 4},    {13, IDC_TVS_DOWN, 14}, {1, IDC_TVS_UP, 0},
               {1, IDC_TVS_DOWN, 2},  {13, IDC_TVS_UP, 12},   {-7, IDC_TVS_UP, -8}};
  for (const auto& c : cases) {
    Bench b;
    b.ctx.channels.currentChannel = c.current;
    b.dialog->Click(c.control);
    EXPECT_EQ(b.ToVideo(), Lines{"8000 " + std::to_string(c.tuned)}) << c.current;
    EXPECT_EQ(b.Stored("TVTuner", "TVChannelAir"), std::to_string(c.tuned));
  }
}

TEST(TvPageFineTune, DisplayFromTheStoredFrequencyIn64BitsSliderAndButtonsSend) {
  const struct {
    const char* stored;  // null: no key
    std::int32_t plan;
    const char* text;
    int slider;
  } cases[] = {
      {nullptr, 55250000, "0", 500},
      {"nono", 55250000, "0", 500},
      {"55250000", 55250000, "0", 500},
      {"55350000", 55250000, "+100000", 510},
      {"55245001", 55250000, "-4999", 500},
      {"55149999", 55250000, "-100001", 490},
      {"abc", 55250000, "-55250000", 0},
      {"2147483647", -1001, "+2147484648", 1000},
      {"99999999999999999999", 100, "+9223372036854775707", 1000},
      {"-9223372036854775808", 5, "-9223372036854775808", 0},
  };
  for (const auto& c : cases) {
    Bench b;
    b.Set("TVTuner", "TVChannelAir", nullptr);  // shown as 8
    b.Set("CHANNELAIRFREQ", "8", c.stored);
    b.tuner.answer = c.plan;
    b.Open();
    EXPECT_EQ(b.C(IDC_TVS_OFFSET_EDIT).text, c.text);
    EXPECT_EQ(b.C(IDC_TVS_FINE_SLIDER).position, c.slider) << c.text;
  }
  Bench b;
  Lines sent;
  for (auto [position, text] : {std::pair{437, "-630000"}, {500, "0"}, {1000, "+5000000"}}) {
    b.dialog->Drag(IDC_TVS_FINE_SLIDER, position);
    EXPECT_EQ(b.C(IDC_TVS_OFFSET_EDIT).text, text);
    sent.push_back("8001 " + std::to_string(position) + " sent");
  }
  b.dialog->Drag(IDC_TVS_FINE_SLIDER, 520);
  b.dialog->Click(IDC_TVS_SAVE_FREQUENCY);
  b.dialog->Click(IDC_TVS_FINE_DEFAULT);
  sent.insert(sent.end(), {"8001 520 sent", "8002 520 sent", "8001 500 sent", "8002 500 sent"});
  EXPECT_EQ(b.ToVideo(), sent);
  EXPECT_EQ(b.C(IDC_TVS_OFFSET_EDIT).text + " " + std::to_string(b.C(IDC_TVS_FINE_SLIDER).position),
            "0 500");
}

TEST(TvPageEnable, ScansAndVideoInputsLeaveOnlyAutoScan) {
  const struct {
    int ModeFlags::*flag;
    bool fullScan, enabled, obeyed;
  } cases[] = {{nullptr, false, true, true},
               {&ModeFlags::videoInput, false, false, false},
               {nullptr, true, false, true},
               {&ModeFlags::airScan, false, true, false},
               {&ModeFlags::cableScan, false, true, false},
               {&ModeFlags::fmScan, false, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.fullScan) + std::to_string(c.flag != nullptr));
    Bench b;
    b.C(IDC_TVS_COUNTRY_LIST).enabled = true;  // the rule never switches it on
    if (c.flag) b.ctx.mode.*c.flag = 1;
    if (c.fullScan) b.Set("quarn", "UseFullScan", "TRUE");
    b.dialog->Activate();
    for (int id :
         {IDC_TVS_KEY5, IDC_TVS_FINE_SLIDER, IDC_TVS_AUTO_COUNTRY_RADIO, IDC_TVS_COUNTRY_LIST})
      EXPECT_EQ(b.C(id).enabled, c.enabled) << id;
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
  b.h.onCommand = [&b](std::uint16_t id, std::intptr_t lParam) {
    commands::OnCommand(b.ctx, id, lParam);
  };
  b.dialog->Click(IDC_TVS_CABLE_RADIO);
  // The panel's cable command ran before the page went on: it switched the video program.
  EXPECT_EQ(b.ToVideo(), Lines{"2003 0 sent"});
  EXPECT_EQ(b.ctx.mode.currentSource, 3);
  EXPECT_EQ(b.Stored("TovixCrossbar", "InputSource") + b.Stored("TVTuner", "TVChannel"), "324");
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, Lines{"24"});
  EXPECT_EQ(b.C(IDC_TVS_MIN_EDIT).text + "-" + b.C(IDC_TVS_MAX_EDIT).text, "1-99");
  b.ctx.mode.videoBusy = 0;
  b.h.fake.messenger.ClearLog();
  b.dialog->Click(IDC_TVS_AIR_RADIO);
  EXPECT_TRUE(b.ToVideo().empty());  // posted: the panel runs it after the page's message
  EXPECT_EQ(b.C(IDC_TVS_CHANNEL_LIST).items, (Lines{"2", "10", "11"}));
  b.h.fake.messenger.DispatchPosted();
  EXPECT_EQ(b.ToVideo(), Lines{"2002 0 sent"});

  const struct {
    const char* input;  // null: no key, cable
    std::vector<std::uint16_t> posted;
  } devices[] = {{nullptr, {cmd::kSourceCable}}, {"1", {cmd::kSourceComposite}}, {"9", {}}};
  for (const auto& d : devices) {
    Bench c;
    c.Set("TovixCrossbar", "InputSource", d.input);
    c.dialog->Choose(IDC_TVS_CARD_LIST, 1, kCbnSelChange);
    EXPECT_EQ(c.Stored("SelectDevice", "Index"), "1");
    EXPECT_EQ(c.h.fake.messenger.LogTo(c.tv).at(0).message, kWmClose);
    EXPECT_EQ(c.ToPanel(), d.posted);
  }
}

}  // namespace
}  // namespace tv
