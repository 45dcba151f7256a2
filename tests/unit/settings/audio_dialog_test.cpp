// The audio dialog against the fake sound card and a scripted video program: what it shows,
// what reaches the card and the video program live, and what Close, Enter and chip audio store.

#include "settings/audio_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "base/key_table.h"
#include "commands/command_gate.h"
#include "commands/command_ids.h"
#include "settings/mixer.h"
#include "settings/settings_dialog_ids.h"
#include "unit/panel/panel_harness.h"

namespace tv {
namespace {

using Texts = std::vector<std::string>;
struct Edit {
  const char *section, *key, *value;  // value null: deleted
};

// Boxes, slider positions and settings keys in the dialog's order: balance, bass, treble, volume.
constexpr int kBoxes[] = {IDC_AUD_BALANCE_EDIT, IDC_AUD_BASS_EDIT, IDC_AUD_TREBLE_EDIT,
                          IDC_AUD_VOLUME_EDIT};
constexpr int kSliders[] = {IDC_AUD_BALANCE_SLIDER, IDC_AUD_BASS_SLIDER, IDC_AUD_TREBLE_SLIDER,
                            IDC_AUD_VOLUME_SLIDER};
constexpr int kModes[] = {IDC_AUD_MONO, IDC_AUD_STEREO, IDC_AUD_MAIN, IDC_AUD_SECONDARY,
                          IDC_AUD_MAIN_SECONDARY};

struct Bench {
  // answer < 0: the video program does not answer 42226; no video program at all without tv.
  explicit Bench(std::vector<Edit> edits = {}, bool mixer = true, int answer = 115,
                 bool tv = true) {
    if (mixer) h.fake.mixer.cards = {fakes::FakeMixer::TypicalCard()};
    settings::SetUpMixer(ctx, 0);
    settings::SetVolume(ctx, 150);  // as an earlier volume command left the card
    for (const Edit& e : edits) ctx.settings.RawWrite(e.section, e.key, e.value);
    h.onCommand = [this](std::uint16_t id, std::intptr_t l) { commands::OnCommand(ctx, id, l); };
    if (tv)
      video = h.fake.messenger.AddWindow(
          kVideoClass, kVideoTitle, [this, answer](std::uint32_t, std::uintptr_t w, std::intptr_t) {
            if ((w & 0xFFFF) == cmd::kVideoAudioDialog && answer >= 0)
              SendCommand(h.fake.messenger, ctx.windows.panel, cmd::kPeerAudioAnswer, answer);
            return std::intptr_t{0};
          });
    card.sets.clear();
    dialog.Attach(page);
    dialog.Start();
  }
  Texts Row(const int (&ids)[4], bool positions = false) {
    Texts t;
    for (int id : ids)
      t.push_back(positions ? std::to_string(dialog.Control(id).position)
                            : dialog.Control(id).text);
    return t;
  }
  Texts Stored() {
    Texts t;
    for (const keys::Key* k : {&keys::kBalance, &keys::kBass, &keys::kTreble, &keys::kVolume})
      t.push_back(ctx.settings.Text(*k, "-", 20));
    return t;
  }
  Texts ToVideo() {
    Texts t;
    for (const auto& m : h.fake.messenger.LogTo(video))
      t.push_back(std::to_string(m.wParam) + " " + std::to_string(m.lParam) +
                  (m.delivery == fakes::Delivery::Sent ? " sent" : ""));
    return t;
  }

  testing::PanelHarness h;
  PanelContext& ctx = h.ctx;
  fakes::FakeMixer& card = h.fake.mixer;
  WindowRef video;
  settings::AudioDialog page{ctx};
  fakes::FakeDialog dialog;
};

TEST(AudioDialogStart, SlidersShowStoredValuesElseWhatTheCardLastGotElseZero) {
  const struct {
    std::vector<Edit> edits;
    bool mixer;
    Texts boxes, positions;
  } cases[] = {
      {{}, true, {"128", "0", "0", "150"}, {"128", "0", "0", "150"}},
      {{}, false, {"0", "0", "0", "0"}, {"0", "0", "0", "0"}},
      {{{"AudioProcAmp", "BalanceValue", "300"},
        {"AudioProcAmp", "BassValue", "-5"},
        {"AudioProcAmp", "TrebleValue", "abc"},
        {"AudioProcAmp", "VolumeValue", "256"}},
       true,
       {"300", "-5", "0", "150"},
       {"255", "0", "0", "150"}},
  };
  for (const auto& c : cases) {
    Bench b(c.edits, c.mixer);
    EXPECT_EQ(b.Row(kBoxes), c.boxes);
    EXPECT_EQ(b.Row(kSliders, true), c.positions);
    EXPECT_EQ(b.dialog.Control(IDC_AUD_VOLUME_SLIDER).rangeMax, 220);
    EXPECT_EQ(b.dialog.Control(IDC_AUD_TREBLE_SLIDER).rangeMax, 255);
  }
  Bench b;
  EXPECT_EQ(b.dialog.title, "Audio Settings");
  EXPECT_EQ(b.dialog.Control(kIdDialogOk).text, "Close");
  EXPECT_EQ(b.dialog.Control(IDC_AUD_CHIP_AUDIO).text, "713X Chip  Audio Settings");
  EXPECT_EQ(b.ToVideo(), Texts{"42226 0 sent"});
}

TEST(AudioDialogStart, SoundModesFollowTheAnswerAndTheStoredFormat) {
  const struct {
    int answer;
    bool tv;
    const char* format;
    std::vector<bool> enabled, checked;
  } cases[] = {
      {115, true, nullptr, {1, 1, 1, 1, 1}, {1, 0, 1, 0, 0}},
      {-1, true, "34", {1, 0, 0, 0, 0}, {0, 1, 0, 1, 0}},
      {3, false, "64", {1, 0, 0, 0, 0}, {0, 0, 0, 0, 1}},
      {48, true, "x", {0, 0, 1, 1, 0}, {0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    Bench b({{"AudioFormat", "AudioFormat", c.format}}, true, c.answer, c.tv);
    std::vector<bool> enabled, checked;
    for (int id : kModes) {
      enabled.push_back(b.dialog.Control(id).enabled);
      checked.push_back(b.dialog.Control(id).checked);
    }
    EXPECT_EQ(enabled, c.enabled) << c.answer;
    EXPECT_EQ(checked, c.checked) << c.answer;
  }
}

TEST(AudioDialogStart, ListsShowTheLinesAndTheStoredChoices) {
  const Texts all{"CD", "Line", "Mic", "None"};
  const struct {
    std::vector<Edit> edits;
    Texts lines;
    int input, record;
  } cases[] = {
      {{}, all, 3, 2},
      {{{"AudioInput", "Index", "-1"}, {"Recordstate", "0", "1"}, {"Recordstate", "3", "1"}},
       all,
       -1,
       3},
      {{{"AudioInput", "Index", "9"}, {"Recordstate", "7", "1"}}, all, -1, 2},
      {{{"AudioInput", "Index", nullptr}, {"AudioDevice", "3", nullptr}},
       {"CD", "Line", "Mic"},
       0,
       2},
  };
  for (const auto& c : cases) {
    Bench b(c.edits);
    EXPECT_EQ(b.dialog.Control(IDC_AUD_INPUT_LIST).items, c.lines);
    EXPECT_EQ(b.dialog.Control(IDC_AUD_INPUT_LIST).selection, c.input);
    EXPECT_EQ(b.dialog.Control(IDC_AUD_RECORD_LIST).selection, c.record);
  }
}

TEST(AudioDialogMove, SlidersActOnTheCardLiveAndStoreNothing) {
  const struct {
    int slider, position;
    std::uint32_t control;
    std::vector<std::uint32_t> levels;
    Texts posts;
  } cases[] = {
      {IDC_AUD_BALANCE_SLIDER, 0, 1, {38400, 0}, {}},
      {IDC_AUD_BASS_SLIDER, 40, 2, {40, 40}, {"4006 0"}},
      {IDC_AUD_TREBLE_SLIDER, 300, 3, {255, 255}, {"4007 0"}},
      {IDC_AUD_VOLUME_SLIDER, 100, 1, {25400, 25600}, {}},
  };
  for (const auto& c : cases) {
    Bench b;
    const std::string before = b.h.Settings();
    b.h.fake.messenger.ClearLog();
    b.dialog.Drag(c.slider, c.position);
    b.dialog.Drag(c.slider, c.position, kSbEndScroll);
    EXPECT_EQ(b.card.ValuesOf(c.control), c.levels) << c.slider;
    Texts posts = c.posts;
    if (!posts.empty()) posts.push_back(posts[0]);  // once per scroll message
    EXPECT_EQ(b.ToVideo(), posts);
    EXPECT_EQ(b.h.Settings(), before);
    EXPECT_EQ(b.ctx.ui.volume, c.slider == IDC_AUD_VOLUME_SLIDER ? 100 : 128);
  }
}

TEST(AudioDialogClose, DefaultThenCloseStoresTheDefaultsAndSetsUpTheCard) {
  Bench b({{"AudioProcAmp", "VolumeValue", "300"}});
  b.h.fake.messenger.ClearLog();
  b.dialog.Click(IDC_AUD_DEFAULT);
  EXPECT_EQ(b.Row(kBoxes), (Texts{"128", "0", "0", "110"}));
  EXPECT_EQ(b.card.sets, (std::vector<std::uint32_t>{1, 2, 3, 1}));
  EXPECT_EQ(b.card.ValuesOf(1), (std::vector<std::uint32_t>{27940, 28160}));
  EXPECT_EQ(b.ctx.ui.volume, 110);
  EXPECT_EQ(b.Stored(), (Texts{"-", "-", "-", "300"}));
  EXPECT_TRUE(b.ToVideo().empty());
  b.card.openCalls = 0;
  b.dialog.Click(kIdDialogOk);
  EXPECT_EQ(b.dialog.result, 1);
  EXPECT_EQ(b.Stored(), (Texts{"128", "0", "0", "110"}));
  EXPECT_EQ(b.card.openCalls, 1) << "the input line did not change: one set-up";
}

TEST(AudioDialogClose, InputAndRecordingChoicesAreStoredAndApplied) {
  const struct {
    std::vector<Edit> edits;
    bool mixer;
    int to, record, setUps;
    bool told;
    std::uint32_t muted;
    const char *index, *states;
  } cases[] = {
      {{{"AudioInput", "Index", "3"}}, true, 1, 0, 2, true, 12, "1", "1000"},
      {{{"AudioInput", "Index", "1"}}, true, 3, 3, 2, true, 0, "3", "0001"},
      {{{"AudioInput", "Index", "0"}}, true, 2, 1, 2, false, 13, "2", "0100"},
      {{{"AudioInput", "Index", "2"}}, true, 2, 2, 1, false, 13, "2", "0010"},
      {{{"AudioInput", "Index", "7"}}, true, -1, -1, 1, false, 0, "7", "1010"},
      {{{"AudioDevice", "0", "Tuner"}, {"AudioDevice", "1", "Aux"}},
       false,
       1,
       -1,
       0,
       false,
       0,
       "1",
       "1---"},
  };
  for (const auto& c : cases) {
    std::vector<Edit> edits = c.edits;
    edits.push_back({"Recordstate", "0", "1"});
    Bench b(edits, c.mixer);
    b.dialog.Select(IDC_AUD_INPUT_LIST, c.to);
    b.dialog.Select(IDC_AUD_RECORD_LIST, c.record);
    b.h.fake.messenger.ClearLog();
    b.card.openCalls = 0;
    b.dialog.Click(kIdDialogOk);
    EXPECT_EQ(b.card.openCalls, c.setUps) << c.index;
    EXPECT_EQ(b.ToVideo(), c.told ? Texts{"43258 0 sent"} : Texts{});
    EXPECT_EQ(b.ctx.mixer.inputMuteControl, c.muted);
    EXPECT_EQ(b.ctx.settings.Text(keys::kAudioInput), c.index);
    std::string states;
    for (int n = 0; n < 4; ++n) states += b.ctx.settings.Text(keys::kRecordState, n, "-");
    EXPECT_EQ(states, c.states);
  }
}

TEST(AudioDialogModes, EnterStoresAndSendsTheTickedModesOfOneExclusiveGroup) {
  Bench b;
  b.h.fake.messenger.ClearLog();
  for (int id : {IDC_AUD_SECONDARY, IDC_AUD_MAIN_SECONDARY, IDC_AUD_STEREO}) {
    b.dialog.Check(id, true);
    b.dialog.Click(id);
  }
  b.dialog.Check(IDC_AUD_MAIN, false);
  b.dialog.Click(IDC_AUD_MAIN);  // unticked: the others stay
  b.dialog.Click(IDC_AUD_ENTER);
  EXPECT_EQ(b.ctx.settings.Text(keys::kAudioFormat), "67");
  EXPECT_EQ(b.ToVideo(), Texts{"45000 67 sent"});
  EXPECT_FALSE(b.dialog.result);
}

TEST(AudioDialogChipAudio, EndsTheDialogOnceUntilTheCardReportsItClosed) {
  Bench b({{"AudioProcAmp", "BassValue", "9"}});
  const Texts opens{"42226 0 sent", "40002 0"};
  const struct {
    bool reported;
    Texts toVideo;
    std::optional<int> result;
  } steps[] = {{false, opens, 1138}, {false, {"42226 0 sent"}, std::nullopt}, {true, opens, 1138}};
  for (const auto& step : steps) {
    if (step.reported) commands::OnCommand(b.ctx, cmd::kPeerAudioDone, 0);
    b.h.fake.messenger.ClearLog();
    std::optional<int> result;
    b.h.fake.dialogs.whileModal = [&result](fakes::FakeDialog& d) {
      d.Click(IDC_AUD_CHIP_AUDIO);
      result = d.result;
    };
    commands::OnCommand(b.ctx, cmd::kAudioSettings, 0);
    EXPECT_EQ(b.ToVideo(), step.toVideo);
    EXPECT_EQ(result, step.result);
    EXPECT_EQ(b.Stored(), (Texts{"128", "9", "0", "150"}));
  }
  EXPECT_EQ(b.h.fake.dialogs.modalTemplates, (std::vector<int>{1263, 1263, 1263}));
}

}  // namespace
}  // namespace tv
