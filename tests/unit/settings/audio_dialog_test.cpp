// The audio dialog against the fake sound card and a scripted video program.

#include "settings/audio_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/command_ids.h"
#include "settings/mixer.h"
#include "settings/settings_dialog_ids.h"
#include "unit/page_bench.h"

namespace tv {
namespace {

using testing::Lines;
using Levels = std::vector<std::uint32_t>;
struct Edit {
  const char *section, *key, *value;  // value null: deleted
};
constexpr const char* kLevels =
    "AudioProcAmp:BalanceValue,AudioProcAmp:BassValue,"
    "AudioProcAmp:TrebleValue,AudioProcAmp:VolumeValue";

// The card got volume 150 before the dialog opens. answer < 0: 42226 is not answered.
struct Bench : testing::PageBench<settings::AudioDialog> {
  explicit Bench(std::vector<Edit> edits = {}, bool mixer = true, int answer = 115,
                 bool withTv = true)
      : PageBench("", false) {
    if (mixer) card.cards = {fakes::FakeMixer::TypicalCard()};
    settings::SetUpMixer(ctx, 0);
    settings::SetVolume(ctx, 150);
    for (const Edit& e : edits) Set(e.section, e.key, e.value);
    RunCommands();
    if (withTv)
      tv = h.fake.messenger.AddWindow(kVideoClass, kVideoTitle, [=, this](auto, auto w, auto) {
        if ((w & 0xFFFF) == cmd::kVideoAudioDialog && answer >= 0)
          SendCommand(h.fake.messenger, ctx.windows.panel, cmd::kPeerAudioAnswer, answer);
        return std::intptr_t{0};
      });
    card.sets.clear();
    Open();
  }
  int Modes(bool fakes::FakeControl::*state) {
    constexpr int kIds[] = {IDC_AUD_MONO, IDC_AUD_STEREO, IDC_AUD_MAIN, IDC_AUD_SECONDARY,
                            IDC_AUD_MAIN_SECONDARY};
    int mask = 0;
    for (int i = 0; i < 5; ++i) mask |= C(kIds[i]).*state ? std::vector{1, 2, 16, 32, 64}[i] : 0;
    return mask;
  }
  // Boxes | balance, bass and volume slider positions | modes enabled, ticked | input lines |
  // chosen input line and recording source.
  std::string View() {
    std::string s =
        Texts({IDC_AUD_BALANCE_EDIT, IDC_AUD_BASS_EDIT, IDC_AUD_TREBLE_EDIT, IDC_AUD_VOLUME_EDIT}) +
        " |";
    for (int id : {IDC_AUD_BALANCE_SLIDER, IDC_AUD_BASS_SLIDER, IDC_AUD_VOLUME_SLIDER})
      s += std::to_string(C(id).position) + " ";
    return s + "|" + std::to_string(Modes(&fakes::FakeControl::enabled)) + " " +
           std::to_string(Modes(&fakes::FakeControl::checked)) + "|" + Items(IDC_AUD_INPUT_LIST) +
           "|" + Selections({IDC_AUD_INPUT_LIST, IDC_AUD_RECORD_LIST});
  }
  fakes::FakeMixer& card = h.fake.mixer;
};

TEST(AudioDialog, StartShowsStoredValuesCachedValuesModesAndLines) {
  const std::string all = "CD,Line,Mic,None|";
  // clang-format off
  const struct { std::vector<Edit> edits; bool mixer; int answer; bool tv; std::string view; } cases[] = {
      {{}, true, 115, true, "128|0|0|150 |128 0 150 |115 17|" + all + "3 2"},
      {{}, false, -1, true, "0|0|0|0 |0 0 0 |1 17||-1 -1"},
      {{{"AudioProcAmp", "BalanceValue", "256"}, {"AudioProcAmp", "BassValue", "-5"}, {"AudioProcAmp", "TrebleValue", "abc"},
        {"AudioProcAmp", "VolumeValue", "300"}, {"AudioFormat", "AudioFormat", "34"}}, true, 115, false, "128|-5|0|300 |128 0 220 |1 34|" + all + "3 2"},
      {{{"AudioInput", "Index", "-1"}, {"Recordstate", "3", "1"}, {"AudioFormat", "AudioFormat", "x"}}, true, 48, true, "128|0|0|150 |128 0 150 |48 0|" + all + "-1 3"},
      {{{"AudioInput", "Index", "9"}, {"Recordstate", "7", "1"}}, true, -1, true, "128|0|0|150 |128 0 150 |1 17|" + all + "-1 2"},
      {{{"AudioInput", "Index", nullptr}, {"AudioDevice", "3", nullptr}}, true, 115, true, "128|0|0|150 |128 0 150 |115 17|CD,Line,Mic|0 2"}};
  // clang-format on
  for (const auto& c : cases) {
    Bench b(c.edits, c.mixer, c.answer, c.tv);
    EXPECT_EQ(b.View(), c.view);
    EXPECT_EQ(b.ToVideo(), c.tv ? Lines{"42226 0 sent"} : Lines{});
  }
  Bench b;
  EXPECT_EQ(b.dialog->title + "|" + b.Texts({kIdDialogOk, IDC_AUD_CHIP_AUDIO}),
            "Audio Settings|Close|713X Chip  Audio Settings");
}

TEST(AudioDialog, SlidersActOnTheCardLiveAndDefaultTooButNothingIsStoredBeforeClose) {
  // clang-format off
  const struct { int slider, position; std::uint32_t control; Levels levels; Lines posts; int panelVolume; } cases[] = {
      {IDC_AUD_BALANCE_SLIDER, 0, 1, {38400, 0}, {}, 128}, {IDC_AUD_BASS_SLIDER, 40, 2, {40, 40}, {"4006 0", "4006 0"}, 128},
      {IDC_AUD_TREBLE_SLIDER, 300, 3, {255, 255}, {"4007 0", "4007 0"}, 128}, {IDC_AUD_VOLUME_SLIDER, 100, 1, {25400, 25600}, {}, 100}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slider);
    Bench b({{"AudioProcAmp", "VolumeValue", "300"}});
    b.h.fake.messenger.ClearLog();
    b.dialog->Drag(c.slider, c.position);
    b.dialog->Drag(c.slider, c.position, kSbEndScroll);
    EXPECT_EQ(b.card.ValuesOf(c.control), c.levels);
    EXPECT_EQ(b.ToVideo(), c.posts);
    EXPECT_EQ(b.ctx.ui.volume, c.panelVolume);
    b.card.sets.clear();
    b.dialog->Click(IDC_AUD_DEFAULT);
    EXPECT_EQ(b.card.sets, (Levels{1, 2, 3, 1}));
    EXPECT_EQ(b.card.ValuesOf(1), (Levels{27940, 28160}));
    EXPECT_EQ(b.ToVideo(), c.posts);
    EXPECT_EQ(std::to_string(b.ctx.ui.volume) + " " + b.Stored(kLevels), "110 -|-|-|300");
    b.dialog->Click(kIdDialogOk);
    EXPECT_EQ(b.Stored(kLevels), "128|0|0|110");
  }
}

TEST(AudioDialog, CloseStoresAndAppliesTheInputLineAndRecordingSource) {
  const Edit kRec0{"Recordstate", "0", "1"};  // the first source records before
  // clang-format off
  const struct { std::vector<Edit> edits; int to, record; bool told; const char* after; bool mixer; } cases[] = {
      // after: set-ups, the muted line, the stored input line and recording states
      {{{"AudioInput", "Index", "3"}, kRec0}, 1, 0, true, "2 12 1|1|0|0|0", true},
      {{{"AudioInput", "Index", "1"}, kRec0}, 3, 3, true, "2 0 3|0|0|0|1", true},
      {{{"AudioInput", "Index", "0"}, kRec0}, 2, 1, false, "2 13 2|0|1|0|0", true},
      {{{"AudioInput", "Index", "2"}, kRec0}, 2, 2, false, "1 13 2|0|0|1|0", true},
      {{{"AudioInput", "Index", "7"}, kRec0}, -1, -1, false, "1 0 7|1|0|1|0", true},
      {{{"AudioDevice", "0", "Tuner"}, {"AudioDevice", "1", "Aux"}, kRec0}, 1, -1, false, "0 0 1|1|-|-|-", false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.after);
    Bench b(c.edits, c.mixer);
    b.dialog->Select(IDC_AUD_INPUT_LIST, c.to);
    b.dialog->Select(IDC_AUD_RECORD_LIST, c.record);
    b.h.fake.messenger.ClearLog();
    b.card.openCalls = 0;
    b.dialog->Click(kIdDialogOk);
    EXPECT_EQ(b.ToVideo(), c.told ? Lines{"43258 0 sent"} : Lines{});
    const std::string stored =
        b.Stored("AudioInput:Index,Recordstate:0,Recordstate:1,Recordstate:2,Recordstate:3");
    EXPECT_EQ(std::to_string(b.card.openCalls) + " " +
                  std::to_string(b.ctx.mixer.inputMuteControl) + " " + stored,
              c.after);
    EXPECT_EQ(b.dialog->result, 1);
  }
}

TEST(AudioDialog, EnterStoresAndSendsTheTickedModesOfOneExclusiveGroup) {
  Bench b;
  b.h.fake.messenger.ClearLog();
  for (auto [id, ticked] : {std::pair{IDC_AUD_SECONDARY, true},
                            {IDC_AUD_MAIN_SECONDARY, true},
                            {IDC_AUD_STEREO, true},
                            {IDC_AUD_MAIN, false}}) {
    b.dialog->Check(id, ticked);
    b.dialog->Click(id);
  }
  b.dialog->Click(IDC_AUD_ENTER);
  b.dialog->Click(kIdDialogCancel);  // Escape does not end the dialog
  EXPECT_EQ(b.Stored("AudioFormat:AudioFormat"), "67");
  EXPECT_EQ(b.ToVideo(), Lines{"45000 67 sent"});
  EXPECT_FALSE(b.dialog->result);
}

TEST(AudioDialog, ChipAudioEndsTheDialogOnceUntilTheCardReportsItClosed) {
  Bench b({{"AudioProcAmp", "BassValue", "9"}});
  const Lines opens{"42226 0 sent", "40002 0"};
  // clang-format off
  const struct { bool reported; Lines toVideo; std::optional<int> result; } steps[] = {
      {false, opens, 1138}, {false, {"42226 0 sent"}, std::nullopt}, {true, opens, 1138}};
  // clang-format on
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
    EXPECT_EQ(b.Stored(kLevels), "128|9|0|150");
  }
  EXPECT_EQ(b.h.fake.dialogs.modalTemplates, (std::vector<int>{1263, 1263, 1263}));
}

}  // namespace
}  // namespace tv
