// The TV settings page: keypad, steps, the list box's prefix rules, the band and device
// switches, names, the fine-tuning display and slider, the enable rule.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "fakes/fake_platform.h"
#include "tuning/tuning_dialog_ids.h"
#include "tuning/tv_settings_page.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

// A library whose every channel has the same default frequency (or error code).
struct PlanTuner : fakes::FakeTunerLibrary {
  std::int32_t GetFreqInfo(std::int32_t*, std::int32_t*, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t*, std::int32_t*, std::int32_t*, std::int32_t) override {
    return answer;
  }
  std::int32_t answer = 55250000;
};

// Air 2..12 with 2, 10 and 11 listed, cable 1..99 with 24 listed; the air band is on, at 10.
const std::string kStore =
    "[TOVIX]\nMinair=2\nMaxair=12\nMin=1\nMax=99\nCountryCode=1\n"
    "[CHANNELLISTAIR]\n2=TRUE\n10=TRUE\n11=TRUE\n3=FALSE\n[CHANNELLIST]\n24=TRUE\n"
    "[TVTuner]\nTVChannelAir=10\nTVChannelCable=24\n[Air channel Name]\n10=Ten\n11=Eleven\n";

struct Bench {
  explicit Bench(const std::string& settings = kStore, bool withVideo = true) {
    h.fake.WriteFile(ctx.where.settingsIni, settings);
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
  // Commands to the video window as "id lParam", sends marked.
  std::vector<std::string> ToVideo() const {
    std::vector<std::string> got;
    for (const auto& m : h.fake.messenger.LogTo(tv))
      got.push_back(std::to_string(m.wParam) + " " + std::to_string(m.lParam) +
                    (m.delivery == fakes::Delivery::Sent ? " sent" : ""));
    return got;
  }
  std::string Text(int control) { return dialog->Control(control).text; }
  std::vector<std::string> Items() { return dialog->Control(IDC_TVS_CHANNEL_LIST).items; }
  int Selected() { return dialog->Control(IDC_TVS_CHANNEL_LIST).selection; }
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
  std::string store = kStore + "[DEVICE]\n0=Card A\n1=NONE\n2=" + std::string(1100, 'x') +
                      "\n9=Card Z\n[SelectDevice]\nIndex=2\n[CHANNELAIRFREQ]\n10=55260000\n";
  Bench b(store);
  fakes::FakeControl& devices = b.dialog->Control(IDC_TVS_CARD_LIST);
  EXPECT_EQ(devices.items, (std::vector<std::string>{"Card A", std::string(1023, 'x'), "Card Z"}));
  EXPECT_EQ(devices.selection, 2);
  EXPECT_EQ(b.dialog->Control(IDC_TVS_COUNTRY_LIST).items.size(), 244u);
  EXPECT_EQ(b.Items(), (std::vector<std::string>{"2", "10", "11"}));
  EXPECT_EQ(b.Selected(), 1);
  EXPECT_EQ(b.Text(IDC_TVS_CHANNEL_EDIT) + b.Text(IDC_TVS_NAME_EDIT), "10Ten");
  EXPECT_EQ(b.Text(IDC_TVS_MIN_EDIT) + "-" + b.Text(IDC_TVS_MAX_EDIT), "2-12");
  EXPECT_TRUE(b.dialog->Control(IDC_TVS_AIR_RADIO).checked);
  EXPECT_EQ(b.Text(IDC_TVS_OFFSET_EDIT), "+10000");
  EXPECT_EQ(b.dialog->Control(IDC_TVS_FINE_SLIDER).position, 501);
  EXPECT_EQ(b.dialog->Control(IDC_TVS_FINE_SLIDER).rangeMax, 1000);
  // The operating system's country is taken as the stored one; "Auto Detect", list off.
  EXPECT_EQ(b.Stored("TOVIX", "DEFAULTCOUNTRY"), "1");
  EXPECT_TRUE(b.dialog->Control(IDC_TVS_AUTO_COUNTRY_RADIO).checked);
  EXPECT_FALSE(b.dialog->Control(IDC_TVS_COUNTRY_LIST).enabled);
  EXPECT_EQ(b.ctx.windows.tvPage, b.dialog->Window());
  EXPECT_TRUE(b.ToVideo().empty());

  Bench none(kStore, false);
  EXPECT_EQ(none.Text(IDC_TVS_KEY_ENTER), "Enter");
  EXPECT_TRUE(none.Items().empty());
  EXPECT_FALSE(none.dialog->Control(IDC_TVS_FINE_SLIDER).rangeSet);
  EXPECT_FALSE(none.ctx.windows.tvPage);
  none.Press("14E");
  none.dialog->Click(IDC_TVS_ADD);
  EXPECT_EQ(none.Text(IDC_TVS_KEYPAD_EDIT), "");
  EXPECT_EQ(none.Stored("CHANNELLISTAIR", "14"), "-");
}

TEST(TvPageKeypad, TheThirdDigitOnlyWithinTheLimitReadAtEveryDigit) {
  const struct {
    const char *maxAir, *maxCable, *fullScanCount;  // null: not stored
    int airBand;
    const char* keys;
    const char* shown;
    int tuned;  // 0: nothing posted
  } cases[] = {
      {"69", nullptr, nullptr, 1, "99E", "99", 99},  // the second digit is not checked
      {"69", nullptr, nullptr, 1, "125E", "12", 12},
      {"125", nullptr, nullptr, 1, "1250E", "125", 125},
      {"125", nullptr, nullptr, 1, "126E", "12", 12},
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
    if (c.fullScanCount) {
      b.Set("quarn", "UseFullScan", "TRUE");
      b.Set("FREQCHLIST", "ALLCH", c.fullScanCount);
    }
    b.Press(c.keys);
    EXPECT_EQ(b.Text(IDC_TVS_KEYPAD_EDIT), c.shown);
    EXPECT_EQ(b.ToVideo(), c.tuned ? std::vector<std::string>{"8000 " + std::to_string(c.tuned)}
                                   : std::vector<std::string>{});
    EXPECT_EQ(b.ctx.sheet.tvPage.keypadState, 0);
  }
  // Half a number survives closing the sheet; the limit read at the third digit counts.
  Bench b;
  b.Set("TOVIX", "Maxair", "69");
  b.Press("1");
  b.Open();
  b.Press("2");
  b.ctx.settings.RawWrite("TOVIX", "Maxair", "200");
  b.Press("5E");
  EXPECT_EQ(b.ToVideo(), std::vector<std::string>{"8000 125"});
}

TEST(TvPageTune, EnterShowsWritesPostsAndSelectsByPrefix) {
  Bench b;
  b.Press("1E");  // 1 is not listed: "10" begins with "1"
  EXPECT_EQ(b.ToVideo(), std::vector<std::string>{"8000 1"});
  EXPECT_EQ(b.ctx.channels.currentChannel, 1);
  EXPECT_EQ(b.Stored("TVTuner", "TVChannelAir"), "1");
  EXPECT_EQ(b.Stored("TVTuner", "TVChannel"), "-");
  EXPECT_EQ(b.Text(IDC_TVS_CHANNEL_EDIT) + "|" + b.Text(IDC_TVS_NAME_EDIT), "1|");
  EXPECT_EQ(b.Selected(), 1);
  b.dialog->Click(IDC_TVS_DELETE);  // "10" leaves the box, the file keeps it
  EXPECT_EQ(b.Items(), (std::vector<std::string>{"2", "11"}));
  EXPECT_EQ(b.Stored("CHANNELLISTAIR", "10") + b.Stored("CHANNELLISTAIR", "1"), "TRUEFALSE");
  b.Press("11E");
  b.dialog->Click(IDC_TVS_ADD);  // a named channel added loses its name
  EXPECT_EQ(b.Stored("Air channel Name", "11"), "-");
  EXPECT_EQ(b.Items(), (std::vector<std::string>{"2", "10", "11"}));
  b.dialog->Choose(IDC_TVS_CHANNEL_LIST, 0, kCbnSelChange);  // a list choice writes TVChannel
  EXPECT_EQ(b.Stored("TVTuner", "TVChannel") + b.Stored("TVTuner", "TVChannelAir"), "22");
  EXPECT_EQ(b.ToVideo().back(), "8000 2");
  b.dialog->Notify(cmd::kTvPageScanEnded, 0);
  EXPECT_EQ(b.Selected(), -1);
  EXPECT_EQ(b.Items().size(), 3u);
}

TEST(TvPageStep, DownAndUpWalkEveryNumberAndWrapOnlyOnePastTheEnds) {
  const struct {
    int current, control, tuned;
  } cases[] = {{12, IDC_TVS_DOWN, 2}, {2, IDC_TVS_UP, 12},    {3, IDC_TVS_DOWN, 4},
               {5, IDC_TVS_UP, 4},    {13, IDC_TVS_DOWN, 14}, {1, IDC_TVS_UP, 0},
               {1, IDC_TVS_DOWN, 2},  {13, IDC_TVS_UP, 12},   {-7, IDC_TVS_UP, -8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.current) + " " + std::to_string(c.control));
    Bench b;
    b.ctx.channels.currentChannel = c.current;
    b.dialog->Click(c.control);
    EXPECT_EQ(b.ToVideo(), std::vector<std::string>{"8000 " + std::to_string(c.tuned)});
    EXPECT_EQ(b.Stored("TVTuner", "TVChannelAir"), std::to_string(c.tuned));
  }
}

TEST(TvPageFineTune, DisplayFromTheStoredFrequencyIn64Bits) {
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
    SCOPED_TRACE(c.stored ? c.stored : "none");
    Bench b;
    b.Set("TVTuner", "TVChannelAir", nullptr);  // shown as 8
    b.Set("CHANNELAIRFREQ", "8", c.stored);
    b.tuner.answer = c.plan;
    b.Open();
    EXPECT_EQ(b.Text(IDC_TVS_OFFSET_EDIT), c.text);
    EXPECT_EQ(b.dialog->Control(IDC_TVS_FINE_SLIDER).position, c.slider);
  }
}

TEST(TvPageFineTune, SliderSendsEveryPositionDefaultAndSaveSendTheirPair) {
  Bench b;
  const struct {
    int position;
    const char* text;
  } moves[] = {{437, "-630000"}, {500, "0"}, {501, "+10000"}, {1000, "+5000000"}, {0, "-5000000"}};
  std::vector<std::string> sent;
  for (const auto& m : moves) {
    b.dialog->Drag(IDC_TVS_FINE_SLIDER, m.position);
    EXPECT_EQ(b.Text(IDC_TVS_OFFSET_EDIT), m.text);
    sent.push_back("8001 " + std::to_string(m.position) + " sent");
  }
  EXPECT_EQ(b.ToVideo(), sent);
  b.h.fake.messenger.ClearLog();
  b.dialog->Drag(IDC_TVS_FINE_SLIDER, 520);
  b.dialog->Click(IDC_TVS_SAVE_FREQUENCY);
  b.dialog->Click(IDC_TVS_FINE_DEFAULT);
  EXPECT_EQ(b.ToVideo(), (std::vector<std::string>{"8001 520 sent", "8002 520 sent",
                                                   "8001 500 sent", "8002 500 sent"}));
  EXPECT_EQ(b.Text(IDC_TVS_OFFSET_EDIT), "0");
  EXPECT_EQ(b.dialog->Control(IDC_TVS_FINE_SLIDER).position, 500);
}

TEST(TvPageEnable, ScansAndVideoInputsLeaveOnlyAutoScan) {
  const struct {
    int ModeFlags::*flag;
    bool fullScan;
    bool enabled;   // the rule's controls
    bool commands;  // keypad, steps and the rest are obeyed
  } cases[] = {{nullptr, false, true, true},
               {&ModeFlags::videoInput, false, false, false},
               {nullptr, true, false, true},
               {&ModeFlags::airScan, false, true, false},
               {&ModeFlags::cableScan, false, true, false},
               {&ModeFlags::fmScan, false, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.fullScan) + std::to_string(c.flag != nullptr));
    Bench b;
    b.dialog->Control(IDC_TVS_COUNTRY_LIST).enabled = true;
    if (c.flag) b.ctx.mode.*c.flag = 1;
    if (c.fullScan) b.ctx.settings.RawWrite("quarn", "UseFullScan", "TRUE");
    b.dialog->Activate();
    for (int id : {IDC_TVS_KEY5, IDC_TVS_FINE_SLIDER, IDC_TVS_AUTO_COUNTRY_RADIO, IDC_TVS_ADD})
      EXPECT_EQ(b.dialog->Control(id).enabled, c.enabled) << id;
    EXPECT_EQ(b.dialog->Control(IDC_TVS_COUNTRY_LIST).enabled, c.enabled);
    b.dialog->Click(IDC_TVS_DOWN);
    b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
    EXPECT_EQ(b.ToVideo().size(), c.commands ? 2u : 0u);
    b.dialog->Click(IDC_TVS_AUTO_SCAN);
    EXPECT_TRUE(b.Items().empty());
    EXPECT_EQ(b.h.fake.messenger.CommandsTo(b.ctx.windows.panel).back(), cmd::kScan);
  }
}

TEST(TvPageBand, AirIsPostedCableRunsThePanelsSourceCommandInside) {
  Bench b;
  b.h.onCommand = [&b](std::uint16_t id, std::intptr_t lParam) {
    commands::OnCommand(b.ctx, id, lParam);
  };
  b.dialog->Click(IDC_TVS_CABLE_RADIO);
  // The panel's cable command ran before the page went on: it switched the video program.
  EXPECT_EQ(b.ToVideo(), std::vector<std::string>{"2003 0 sent"});
  EXPECT_EQ(b.ctx.mode.currentSource, 3);
  EXPECT_EQ(b.Stored("TovixCrossbar", "InputSource") + b.Stored("TVTuner", "TVChannel"), "324");
  EXPECT_EQ(b.Items(), std::vector<std::string>{"24"});
  EXPECT_EQ(b.Selected(), 0);
  EXPECT_EQ(b.Text(IDC_TVS_MIN_EDIT) + "-" + b.Text(IDC_TVS_MAX_EDIT), "1-99");
  b.ctx.mode.videoBusy = 0;
  b.h.fake.messenger.ClearLog();
  b.dialog->Click(IDC_TVS_AIR_RADIO);
  EXPECT_EQ(b.ctx.mode.airBand, 1);
  EXPECT_TRUE(b.ToVideo().empty());  // posted: the panel runs it after the page's message
  EXPECT_EQ(b.Items(), (std::vector<std::string>{"2", "10", "11"}));
  b.h.fake.messenger.DispatchPosted();
  EXPECT_EQ(b.ToVideo(), std::vector<std::string>{"2002 0 sent"});
}

TEST(TvPageDevice, ChangeClosesTheVideoWindowAndReselectsTheStoredSource) {
  const struct {
    const char* input;  // null: no key, cable
    std::vector<std::uint16_t> posted;
  } cases[] = {{nullptr, {cmd::kSourceCable}},
               {"4", {cmd::kSourceAir}},
               {"1", {cmd::kSourceComposite}},
               {"9", {}}};
  for (const auto& c : cases) {
    Bench b(kStore + "[DEVICE]\n0=Card A\n1=Card B\n" +
            (c.input ? std::string("[TovixCrossbar]\nInputSource=") + c.input + "\n" : ""));
    b.dialog->Choose(IDC_TVS_CARD_LIST, 1, kCbnSelChange);
    EXPECT_EQ(b.Stored("SelectDevice", "Index"), "1");
    EXPECT_EQ(b.h.fake.messenger.LogTo(b.tv).at(0).message, kWmClose);
    EXPECT_EQ(b.h.fake.messenger.CommandsTo(b.ctx.windows.panel), c.posted);
  }
}

TEST(TvPageName, StoredUnderTheChannelTextEmptyToo) {
  Bench b;
  const struct {
    const char* channel;
    std::string name, key, stored;
  } cases[] = {{"14", "News", "14", "News"},
               {"14", "", "14", ""},
               {"1234", "Cut", "123", "Cut"},
               {"", "Lost", "", "-"},
               {"7", std::string(300, 'n'), "7", std::string(259, 'n')}};
  for (const auto& c : cases) {
    b.dialog->SetText(IDC_TVS_CHANNEL_EDIT, c.channel);
    b.dialog->SetText(IDC_TVS_NAME_EDIT, c.name);
    b.dialog->Click(IDC_TVS_NAME_BUTTON);
    if (!c.key.empty()) {
      EXPECT_EQ(b.Stored("Air channel Name", c.key.c_str()), c.stored);
    }
  }
  EXPECT_EQ(b.h.Settings().find("\n=Lost"), std::string::npos);
  // The video standard dialog is asked for once until the video program says it closed.
  b.h.fake.messenger.ClearLog();
  b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
  b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
  tuning::VideoStandardDialogClosed(b.ctx);
  b.dialog->Click(IDC_TVS_VIDEO_STANDARD);
  EXPECT_EQ(b.ToVideo(), (std::vector<std::string>{"45790 0", "45790 0"}));
}

}  // namespace
}  // namespace tv
