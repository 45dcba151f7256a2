// Choosing sources, stepping channels and FM frequencies, recall, adding and removing channels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/tooltips.h"
#include "unit/commands/channel_bench.h"

namespace tv::commands {
namespace {

using testing::ChannelBench;
using Ids = std::vector<std::uint16_t>;
using Values = std::vector<std::intptr_t>;

struct SourceCase {
  cmd::Id command;
  const char* inputSource;
  int showState, currentSource, fmMode, videoInput, airBand, label;
  cmd::Id switchCommand;  // sent to a running video program
};
// airBand 7: a video input leaves the band as it was.
constexpr SourceCase kSources[] = {
    {cmd::kSourceAir, "4", kSwHide, 2, 0, 0, 1, 1, cmd::kVideoAir},
    {cmd::kSourceCable, "3", kSwHide, 3, 0, 0, 0, 2, cmd::kVideoCable},
    {cmd::kSourceComposite, "1", kSwShow, 4, 0, 1, 7, 3, cmd::kVideoComposite},
    {cmd::kSourceSVideo, "2", kSwShow, 5, 0, 1, 7, 4, cmd::kVideoSVideo},
    {cmd::kSourceFm, "5", kSwHide, 1, 1, 0, 0, 5, cmd::kVideoRadio},
};

// Both bands scanned and an FM list, so that no source asks for a scan.
void Prepare(ChannelBench& b) {
  IniFile& ini = b.ctx.settings;
  ini.Write(keys::kAirAlreadyScan, keys::kTrue);
  ini.Write(keys::kCableAlreadyScan, keys::kTrue);
  ini.Write(keys::kFmCount, 1);
  ini.Write(keys::kTvChannelAir, 12);
  ini.Write(keys::kTvChannelCable, 45);
  ini.Write(keys::kFmChannel, 1017);
  b.ctx.mode.airBand = 7;
  b.ctx.entry.fmDigits = 3;
}

void ExpectSource(const ChannelBench& b, const SourceCase& c) {
  const ModeFlags& mode = b.ctx.mode;
  EXPECT_EQ(b.Setting(keys::kInputSource), c.inputSource);
  EXPECT_EQ(mode.currentSource, c.currentSource);
  EXPECT_EQ(mode.fmMode, c.fmMode);
  EXPECT_EQ(mode.videoInput, c.videoInput);
  EXPECT_EQ(mode.airBand, c.airBand);
  EXPECT_EQ(mode.videoBusy, 1);  // until the program acknowledges
  EXPECT_EQ(b.ctx.entry.fmDigits, 0);
  EXPECT_EQ(b.LcdSource(), c.label);
  EXPECT_EQ(b.fake.windows.focus, b.ctx.windows.panel);
  if (c.command == cmd::kSourceAir || c.command == cmd::kSourceCable) {
    const int channel = c.command == cmd::kSourceAir ? 12 : 45;
    EXPECT_EQ(b.ctx.channels.currentChannel, channel);
    EXPECT_EQ(b.LcdChannel(), channel);
    EXPECT_EQ(b.Setting(keys::kTvChannel), std::to_string(channel));
  }
  if (c.command == cmd::kSourceFm) {
    EXPECT_EQ(b.LcdFm(), 1017);
  }
}

TEST(SourceCommands, EachSourceStartsTheVideoProgramWithItsShowStateOrSwitchesIt) {
  ChannelBench running;
  running.AddVideo();
  for (const SourceCase& c : kSources) {
    SCOPED_TRACE(c.command);
    ChannelBench b;
    Prepare(b);
    b.ctx.mode.tvClosed = 1;
    b.Issue(c.command);
    ASSERT_EQ(b.fake.shell.started.size(), 1u);
    EXPECT_EQ(b.fake.shell.started[0].commandLine, b.h.dir + "\\screen.ex_");
    EXPECT_EQ(b.fake.shell.started[0].showState, c.showState);
    EXPECT_EQ(b.ctx.mode.tvClosed, 0);
    EXPECT_TRUE(b.fake.time.Sleeps().empty());
    ExpectSource(b, c);

    Prepare(running);
    running.ctx.mode.videoBusy = 0;  // the last switch was acknowledged
    running.Issue(c.command);
    EXPECT_EQ(running.ToVideo(c.switchCommand), Values{0});
    EXPECT_EQ(running.fake.messenger.Log().back().delivery, fakes::Delivery::Sent);
    ExpectSource(running, c);
  }
  EXPECT_TRUE(running.fake.shell.started.empty());
  // S-Video shows the video window after its switch; the radio hides it before its own.
  const std::string video = "Show " + fakes::Hex(running.video);
  EXPECT_EQ(running.fake.windows.EventsStartingWith(video),
            (std::vector<std::string>{video + " 5", video + " 0"}));
}

class SourceCommandsWithVideo : public ::testing::Test, public ChannelBench {
 protected:
  SourceCommandsWithVideo() { AddVideo(); }
};

TEST_F(SourceCommandsWithVideo, TheRadioIsChosenOnlyWhenThePeerOffersItAndNoScanRuns) {
  Prepare(*this);
  radioAnswer = 0;
  Issue(cmd::kSourceFm);
  ctx.mode.airScan = 1;
  radioAnswer = 1;
  Issue(cmd::kSourceFm);
  EXPECT_EQ(ToVideo(cmd::kQueryRadio).size(), 2u);
  EXPECT_TRUE(ToVideo(cmd::kVideoRadio).empty());
  EXPECT_EQ(Setting(keys::kInputSource), "-");
  EXPECT_EQ(ctx.entry.fmDigits, 3);

  // An FM list never filled is scanned, at once or six seconds after a launch.
  ctx.mode.airScan = 0;
  ctx.settings.Delete(keys::kFmCount);
  Issue(cmd::kSourceFm);
  EXPECT_EQ(PostedToPanel(), Ids{cmd::kScan});
  ctx.settings.Write(keys::kFmCount, 0);
  Issue(cmd::kSourceFm);
  EXPECT_EQ(fake.time.Sleeps(), std::vector<std::uint32_t>{6000});
}

TEST_F(SourceCommandsWithVideo, WhileThePeerIsBusyOnlyTheTooltipsFollowAndVideoInputsCloseTheList) {
  Prepare(*this);
  panel::CreateTooltips(ctx);
  ctx.mode.videoBusy = 1;
  ctx.ui.sideOpen = 1;
  Issue(cmd::kSourceFm);
  EXPECT_EQ(ctx.layout.buttons[panel::kButtonChannelUp].tooltip, "Frequency Up");
  EXPECT_EQ(ctx.layout.buttons[panel::kButtonChannelDown].tooltip, "Frequency Down");
  EXPECT_EQ(fake.shell.tooltipCreations, 2);
  EXPECT_EQ(ctx.ui.sideOpen, 1);

  Issue(cmd::kSourceSVideo);
  EXPECT_EQ(ctx.layout.buttons[panel::kButtonChannelUp].tooltip, "Channel up");
  EXPECT_EQ(ctx.ui.sideOpen, 0);  // 40316 was sent
  EXPECT_EQ(Setting(keys::kInputSource), "-");
  EXPECT_EQ(ctx.mode.fmMode + ctx.mode.videoInput, 0);
  EXPECT_EQ(ToVideo(cmd::kVideoRadio).size() + ToVideo(cmd::kVideoSVideo).size(), 0u);
  EXPECT_EQ(fake.windows.focus, ctx.windows.panel);
}

TEST(SourceCommands, ALaunchScansABandNeverScannedAfterSixSeconds) {
  struct Case {
    const char* useFullScan;
    const char* scanDone;
    const char* airAlreadyScan;  // null: missing, which reads empty here
    bool scans, endsEarly;
  };
  const Case cases[] = {
      {"FALSE", "", "FALSE", true, false},    {"FALSE", "", "TRUE", false, false},
      {"FALSE", "", nullptr, false, false},   {"TRUE", "", "TRUE", true, false},
      {"TRUE", "TRUE", "FALSE", false, true},  // a done full scan ends the command there
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    ChannelBench b;
    b.ctx.settings.Write(keys::kUseFullScan, c.useFullScan);
    b.ctx.settings.Write(keys::kFullScanDone, c.scanDone);
    if (c.airAlreadyScan) b.ctx.settings.Write(keys::kAirAlreadyScan, c.airAlreadyScan);
    b.Issue(cmd::kSourceAir);
    EXPECT_EQ(b.fake.time.Sleeps(),
              c.scans ? std::vector<std::uint32_t>{6000} : std::vector<std::uint32_t>{});
    EXPECT_EQ(b.PostedToPanel(), c.scans ? Ids{cmd::kScan} : Ids{});
    EXPECT_EQ(b.LcdChannel(), 0);
    EXPECT_EQ(b.LcdSource(), c.endsEarly ? 0 : 1);
  }
}

TEST_F(SourceCommandsWithVideo, SourceKeysCycleTheSourcesAndSwitchTheBand) {
  for (int source = 1; source <= 5; ++source) {
    ctx.mode.currentSource = source;
    Issue(cmd::kCycleSource);
  }
  radioAnswer = 0;
  ctx.mode.currentSource = 5;
  Issue(cmd::kCycleSource);
  EXPECT_EQ(ctx.mode.currentSource, 2);
  ctx.mode.airBand = 1;
  Issue(cmd::kAirCableSwitch);
  ctx.mode.airBand = 0;
  Issue(cmd::kAirCableSwitch);
  EXPECT_EQ(PostedToPanel(),
            (Ids{cmd::kSourceAir, cmd::kSourceCable, cmd::kSourceComposite, cmd::kSourceSVideo,
                 cmd::kSourceFm, cmd::kSourceAir, cmd::kSourceCable, cmd::kSourceAir}));

  // Not with the TV closed, not without the video program; no band switch for the radio.
  ctx.mode.fmMode = 1;
  Issue(cmd::kAirCableSwitch);
  ctx.mode.tvClosed = 1;
  Issue(cmd::kCycleSource);
  ctx.mode.tvClosed = 0;
  fake.messenger.RemoveWindow(video);
  Issue(cmd::kCycleSource);
  EXPECT_EQ(PostedToPanel().size(), 8u);
}

// ---- stepping -----------------------------------------------------------------------------

class ChannelSteps : public SourceCommandsWithVideo {
 protected:
  ChannelSteps() {
    ctx.channels = {.minAirChannel = 2, .maxAirChannel = 10, .maxCableChannel = 99};
    ctx.mode.airBand = 1;
  }
  void Mark(std::initializer_list<int> channels) {
    for (int n : channels) ctx.settings.Write(keys::kAirList, n, keys::kTrue);
  }
  void Step(cmd::Id id) {
    Issue(id);
    fake.time.Advance(1);
  }
  Values Tuned() const { return ToVideo(cmd::kVideoTuneChannel); }
};

TEST_F(ChannelSteps, TheButtonsStartTheRightTimerOnlyWhenChannelsCanChange) {
  ctx.entry.fmDigits = 2;
  Issue(cmd::kChannelUp);
  Issue(cmd::kChannelDown);
  EXPECT_EQ(fake.time.PeriodOf(panel::kTimerChannelUp), 1u);
  EXPECT_EQ(fake.time.PeriodOf(panel::kTimerChannelDown), 1u);
  EXPECT_EQ(ctx.entry.fmDigits, 0);
  fake.time.Advance(1);
  ctx.mode.fmMode = 1;
  Issue(cmd::kChannelUp);
  Issue(cmd::kChannelDown);
  EXPECT_EQ(fake.time.PeriodOf(panel::kTimerFmUp), 400u);
  EXPECT_EQ(fake.time.PeriodOf(panel::kTimerFmDown), 400u);
  fake.time.Advance(400);
  ctx.mode.fmMode = 0;
  for (int* flag : {&ctx.mode.videoInput, &ctx.mode.tvClosed, &ctx.mode.videoBusy}) {
    *flag = 1;
    Issue(cmd::kChannelUp);
    *flag = 0;
  }
  EXPECT_FALSE(fake.time.IsRunning(panel::kTimerChannelUp));
  EXPECT_EQ(fake.time.Fired().size(), 4u);  // each once
}

TEST_F(ChannelSteps, AStepTunesTheNextListedChannelWrappingAtTheBandsEnds) {
  Mark({3, 5, 9});
  ctx.settings.Write(keys::kTvChannelAir, 5);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Setting(keys::kTvChannelAir), "9");
  EXPECT_EQ(Setting(keys::kRecallAir), "5");
  EXPECT_EQ(ctx.channels.currentChannel, 9);
  EXPECT_EQ(LcdChannel(), 9);
  // Each step counts its own wraps: one wrap in a step does not shorten the next.
  Step(cmd::kChannelUp);
  Step(cmd::kChannelDown);
  Step(cmd::kChannelDown);
  EXPECT_EQ(Tuned(), (Values{9, 3, 9, 5}));

  // With nothing listed a step wraps twice and stops at the band's end.
  ctx.settings.DeleteSection(keys::kAirList);
  Step(cmd::kChannelUp);
  Step(cmd::kChannelDown);
  EXPECT_EQ(Tuned(), (Values{9, 3, 9, 5, 2, 10}));

  // Cable has its own list and keys; without the video program nothing moves.
  ctx.mode.airBand = 0;
  ctx.settings.Write(keys::kCableList, 60, keys::kTrue);
  ctx.settings.Write(keys::kTvChannelCable, 40);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Setting(keys::kTvChannelCable), "60");
  EXPECT_EQ(Setting(keys::kRecallCable), "40");
  fake.messenger.RemoveWindow(video);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Setting(keys::kRecallCable), "40");
}

TEST_F(ChannelSteps, TheFullScanListStepsByIndexAndTunesItsFrequency) {
  IniFile& ini = ctx.settings;
  ini.Write(keys::kUseFullScan, keys::kTrue);
  ini.Write(keys::kFullScanCount, 3);
  ini.Write(keys::kFullScanList, 1, 55259999);
  ini.Write(keys::kFullScanList, 3, 801250000);
  ini.Write(keys::kFullScanNow, 3);
  Step(cmd::kChannelUp);
  Step(cmd::kChannelDown);
  EXPECT_EQ(ToVideo(cmd::kVideoTuneFrequency), (Values{5525, 80125}));
  EXPECT_EQ(ToVideo(cmd::kVideoShowIndex), (Values{1, 3}));
  EXPECT_EQ(Setting(keys::kFullScanNow), "3");
  EXPECT_EQ(LcdChannel(), 3);
  EXPECT_EQ(Setting(keys::kRecallAir), "-");
  // Without a count the list has one entry.
  ini.Delete(keys::kFullScanCount);
  Step(cmd::kChannelUp);
  EXPECT_EQ(Setting(keys::kFullScanNow), "1");
}

TEST_F(ChannelSteps, FmStepsWrapInTheCountrysBandAndStartFromWhatThePeerStored) {
  ctx.mode.fmMode = 1;
  auto fmStep = [this](cmd::Id id, int country, const char* stored) {
    ctx.settings.Write(keys::kCountryCode, country);
    if (stored)
      ctx.settings.Write(keys::kFmChannel, stored);
    else
      ctx.settings.Delete(keys::kFmChannel);
    Issue(id);
    fake.time.Advance(400);
  };
  fmStep(cmd::kChannelUp, 81, "900");
  EXPECT_EQ(LcdFm(), 760);
  EXPECT_EQ(Setting(keys::kFmChannel), "900");
  fmStep(cmd::kChannelDown, 49, "875");
  EXPECT_EQ(fake.messenger.Log().back().delivery, fakes::Delivery::Sent);
  fmStep(cmd::kChannelUp, 49, nullptr);
  EXPECT_EQ(fake.messenger.Log().back().delivery, fakes::Delivery::Posted);
  fmStep(cmd::kChannelDown, 81, nullptr);
  EXPECT_EQ(ToVideo(cmd::kVideoTuneFm), (Values{760, 1080, 876, 900}));
}

// ---- recall, add and remove ---------------------------------------------------------------

using ChannelRecallAndLists = ChannelSteps;

TEST_F(ChannelRecallAndLists, RecallSwapsTheCurrentAndThePreviousChannel) {
  ctx.channels.currentChannel = 5;
  Issue(cmd::kRecall);  // nothing stored yet
  EXPECT_TRUE(fake.messenger.Log().empty());

  ctx.settings.Write(keys::kRecallAir, 12);
  Issue(cmd::kRecall);
  EXPECT_EQ(LcdChannel(), 12);
  EXPECT_EQ(Setting(keys::kTvChannelAir), "12");
  EXPECT_EQ(Setting(keys::kTvChannel), "12");
  EXPECT_EQ(Setting(keys::kRecallAir), "5");
  Issue(cmd::kRecall);
  EXPECT_EQ(Tuned(), (Values{12, 5}));

  // The cable key is written "recallCable": the same key as "recallcable".
  ctx.mode.airBand = 0;
  ctx.settings.Write(keys::kRecallCable, 30);
  Issue(cmd::kRecall);
  EXPECT_EQ(Setting(keys::kRecallCable), "5");
  EXPECT_EQ(Setting(keys::kTvChannelCable), "30");

  ctx.mode.fmMode = 1;
  Issue(cmd::kRecall);
  ctx.mode.fmMode = 0;
  ctx.mode.videoInput = 1;
  Issue(cmd::kRecall);
  ctx.mode.videoInput = 0;

  // The full-scan list swaps its indices instead.
  ctx.settings.Write(keys::kUseFullScan, keys::kTrue);
  ctx.settings.Write(keys::kFullScanRecall, 4);
  Issue(cmd::kRecall);
  EXPECT_EQ(Setting(keys::kFullScanRecall), "1");
  EXPECT_EQ(Setting(keys::kFullScanNow), "4");
  EXPECT_EQ(Tuned(), (Values{12, 5, 30, 4}));
}

TEST_F(ChannelRecallAndLists, AddAndRemoveMarkTheCurrentChannelAndShowTheList) {
  ctx.channels.currentChannel = 21;
  ctx.settings.Write(keys::kAirNames, 21, "News");
  Issue(cmd::kRemoveChannel);
  EXPECT_EQ(Setting(keys::kAirList, 21), "FALSE");
  ctx.ui.sideOpen = 1;
  Issue(cmd::kAddChannel);
  EXPECT_EQ(Setting(keys::kAirList, 21), "TRUE");
  EXPECT_EQ(ToVideo(cmd::kVideoChannelRemoved), Values{21});
  EXPECT_EQ(ToVideo(cmd::kVideoChannelAdded), Values{21});
  EXPECT_EQ(Setting(keys::kAirNames, 21), "News");
  EXPECT_EQ(PostedToPanel(), Ids{cmd::kToggleSidePart});  // only while the list was closed

  // Hidden side panels stay hidden; refused outright in these states.
  ctx.ui.sideOpen = 0;
  ctx.ui.listsSuppressed = 1;
  ctx.mode.airBand = 0;
  Issue(cmd::kAddChannel);
  EXPECT_EQ(Setting(keys::kCableList, 21), "TRUE");
  ctx.settings.Write(keys::kUseFullScan, keys::kTrue);
  Issue(cmd::kRemoveChannel);
  ctx.settings.Write(keys::kUseFullScan, keys::kFalse);
  for (int* flag : {&ctx.mode.cableScan, &ctx.mode.videoInput, &ctx.mode.tvClosed}) {
    *flag = 1;
    Issue(cmd::kRemoveChannel);
    *flag = 0;
  }
  EXPECT_EQ(Setting(keys::kCableList, 21), "TRUE");
  EXPECT_EQ(PostedToPanel().size(), 1u);
}

TEST_F(ChannelRecallAndLists, TheRadioAddsAndRemovesTheStoredFrequencyOnce) {
  ctx.mode.fmMode = 1;
  ctx.ui.listsSuppressed = 1;  // only TV changes keep the panels hidden
  for (const char* f : {"1017", "1017", "990"}) {
    ctx.settings.Write(keys::kFmChannel, f);
    Issue(cmd::kAddChannel);
  }
  ctx.settings.Write(keys::kFmChannel, "1017");
  Issue(cmd::kRemoveChannel);
  Issue(cmd::kRemoveChannel);
  EXPECT_EQ(Setting(keys::kFmCount), "1");
  EXPECT_EQ(Setting(keys::kFmList, 1), "990");
  EXPECT_EQ(Setting(keys::kFmList, 2), "-");
  EXPECT_EQ(PostedToPanel().size(), 3u);  // for the changes only
  EXPECT_TRUE(ToVideo(cmd::kVideoChannelAdded).empty());
}

}  // namespace
}  // namespace tv::commands
