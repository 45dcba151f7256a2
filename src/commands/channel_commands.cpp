// Sources, channel and FM steps, typed channel numbers and frequencies, recall, add and remove.
#include <climits>
#include <cstdint>
#include <string>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "commands/deferred_work.h"
#include "commands/panel_commands.h"
#include "commands/video_window.h"
#include "panel/layout.h"
#include "panel/lcd.h"
#include "panel/panel_timers.h"
#include "panel/tooltips.h"
#include "settings/mixer.h"
#include "tuning/channel_store.h"
#include "tuning/side_list.h"

namespace tv::commands {
namespace {

using tuning::Band;

constexpr std::uint32_t kChannelStepMs = 1;
constexpr std::uint32_t kFmStepMs = 400;
constexpr std::uint32_t kDigitWaitMs = 2000;
constexpr int kWrapLimit = 2;
constexpr int kHzPer10kHz = 10000;  // the video program tunes frequencies in 10 kHz units

// Country code 81 has the low FM band; every other country the common one.
constexpr int kCountryLowFmBand = 81;
struct FmBand {
  int bottom, top;
};
constexpr FmBand kLowFmBand{760, 900};
constexpr FmBand kCommonFmBand{875, 1080};

// LCD labels: the source symbol and the mode symbol of what the LCD's number means.
enum SourceLabel { kLabelAir = 1, kLabelCable, kLabelComposite, kLabelSVideo, kLabelFm };
enum ModeLabel { kModeTv = 1, kModeVideoInput = 3 };
// DrawFmFrequency styles.
constexpr int kFmTyping = 2;
constexpr int kFmTuned = 4;

enum class SourceKind { Air, Cable, VideoInput, Fm };

struct SourceRow {
  cmd::Id command;
  int inputSource;  // [TovixCrossbar] "InputSource"
  int showAtLaunch;
  int currentSource;
  cmd::Id switchCommand;  // sent when the video program already runs; 0 for FM
  SourceKind kind;
  int sourceLabel;
};

constexpr SourceRow kSources[] = {
    {cmd::kSourceAir, 4, kSwHide, 2, cmd::kVideoAir, SourceKind::Air, kLabelAir},
    {cmd::kSourceCable, 3, kSwHide, 3, cmd::kVideoCable, SourceKind::Cable, kLabelCable},
    {cmd::kSourceComposite, 1, kSwShow, 4, cmd::kVideoComposite, SourceKind::VideoInput,
     kLabelComposite},
    {cmd::kSourceSVideo, 2, kSwShow, 5, cmd::kVideoSVideo, SourceKind::VideoInput, kLabelSVideo},
    {cmd::kSourceFm, 5, kSwHide, 1, 0, SourceKind::Fm, kLabelFm},
};

const SourceRow& RowOf(cmd::Id command) {
  for (const SourceRow& row : kSources)
    if (row.command == command) return row;
  return kSources[0];
}

bool IsTv(const SourceRow& row) {
  return row.kind == SourceKind::Air || row.kind == SourceKind::Cable;
}

Band BandOf(const SourceRow& row) {
  return row.kind == SourceKind::Air ? Band::Air : Band::Cable;
}

void PostToPanel(PanelContext& ctx, cmd::Id id) {
  PostCommand(ctx.os.messenger, ctx.windows.panel, id, 0);
}

void PostToVideo(PanelContext& ctx, cmd::Id id, std::intptr_t lParam) {
  PostCommand(ctx.os.messenger, FindVideoWindow(ctx), id, lParam);
}

FmBand FmBandOf(const IniFile& ini) {
  return ini.Int(keys::kCountryCode) == kCountryLowFmBand ? kLowFmBand : kCommonFmBand;
}

// The channel list follows the source and the lists; it is refilled only while it is shown.
void RefillChannelListIfShown(PanelContext& ctx) {
  if (ctx.ui.sideOpen && ctx.windows.sideList) tuning::FillSideList(ctx);
}

// ---- choosing a source -----------------------------------------------------------------

void SetSourceFlags(PanelContext& ctx, const SourceRow& row) {
  ctx.mode.fmMode = row.kind == SourceKind::Fm ? 1 : 0;
  ctx.mode.videoInput = row.kind == SourceKind::VideoInput ? 1 : 0;
  ctx.mode.currentSource = row.currentSource;
  if (row.kind == SourceKind::Air) ctx.mode.airBand = 1;
  if (row.kind == SourceKind::Cable || row.kind == SourceKind::Fm) ctx.mode.airBand = 0;
}

// The number the source shows on the LCD: the band's channel, the FM frequency (which brings
// its own mode symbol), or the mode symbol of a video input alone.
void ShowSourceNumber(PanelContext& ctx, const SourceRow& row) {
  IniFile& ini = ctx.settings;
  if (IsTv(row)) {
    const int channel = ini.Int(tuning::ChannelKey(BandOf(row)), 0);
    ctx.channels.currentChannel = channel;
    ini.Write(keys::kTvChannel, channel);
    panel::DrawBandLabel(ctx, kModeTv);
    panel::DrawChannelNumber(ctx, channel);
  } else if (row.kind == SourceKind::Fm) {
    ctx.channels.fm100kHz = ini.Int(keys::kFmChannel, 0);
    panel::DrawFmFrequency(ctx, ctx.channels.fm100kHz, kFmTuned);
  } else {
    panel::DrawBandLabel(ctx, kModeVideoInput);
  }
}

// A launch on a band never scanned asks for the scan once the program had time to come up. Only
// an explicit "FALSE" counts: the panel's start writes it for every band not yet scanned. In
// full-scan mode a finished full scan ends the command here. True when the command goes on.
bool ScanUnscannedBand(PanelContext& ctx, const SourceRow& row) {
  IniFile& ini = ctx.settings;
  if (tuning::FullScanMode(ini)) {
    if (ini.IsTrue(keys::kFullScanDone)) return false;
    ScanAfterLaunch(ctx);
    return true;
  }
  const keys::Key& alreadyScan = tuning::AlreadyScanKey(BandOf(row));
  if (ini.Text(alreadyScan, "", alreadyScan.capacity) == keys::kFalse) ScanAfterLaunch(ctx);
  return true;
}

// True when the command goes on after the launch.
bool LaunchVideoProgram(PanelContext& ctx, const SourceRow& row) {
  StartVideoProgram(ctx, row.showAtLaunch);
  ctx.mode.tvClosed = 0;
  SetSourceFlags(ctx, row);
  ShowSourceNumber(ctx, row);
  if (IsTv(row) && !ScanUnscannedBand(ctx, row)) return false;
  FindVideoWindow(ctx);  // usually not up yet; whatever follows looks again

  return true;
}

void SwitchVideoProgram(PanelContext& ctx, const SourceRow& row) {
  ctx.mode.videoBusy = 1;
  SetSourceFlags(ctx, row);
  Messenger& m = ctx.os.messenger;
  if (row.kind == SourceKind::Fm) {
    // The radio plays through the sound card: silence it while the video window goes away.
    settings::SetVolume(ctx, 0);
    ctx.os.windows.Show(ctx.windows.video, kSwHide);
    SendCommand(m, ctx.windows.video, cmd::kVideoRadio, 0);
    settings::SetVolume(ctx, ctx.ui.volume);
  } else {
    SendCommand(m, ctx.windows.video, row.switchCommand, 0);
    if (row.command == cmd::kSourceSVideo) ctx.os.windows.Show(ctx.windows.video, kSwShow);
  }
  ShowSourceNumber(ctx, row);
}

void RebuildStepTooltips(PanelContext& ctx, const SourceRow& row) {
  panel::LoadStepTooltips(ctx.layout, ctx.panelIni, row.kind == SourceKind::Fm);
  panel::RebuildTooltips(ctx);
}

void SelectSource(PanelContext& ctx, cmd::Id command) {
  const SourceRow& row = RowOf(command);
  IniFile& ini = ctx.settings;
  if (row.kind == SourceKind::Fm) {
    if (QueryRadio(ctx) == 0) return;
    if (ScanRuns(ctx.mode)) return;
  }

  // While the video program has not acknowledged the last start or switch, the source stays.
  if (ctx.mode.videoBusy == 0) {
    ini.Write(keys::kInputSource, row.inputSource);
    ctx.entry.fmDigits = 0;
    if (FindVideoWindow(ctx)) {
      SwitchVideoProgram(ctx, row);
    } else if (!LaunchVideoProgram(ctx, row)) {
      return;
    }
    RefillChannelListIfShown(ctx);
    panel::DrawSourceLabel(ctx, row.sourceLabel);
  }

  RebuildStepTooltips(ctx, row);

  if (row.kind == SourceKind::Fm && ini.Text(keys::kFmCount).empty()) ScanAfterLaunch(ctx);
  if (row.kind == SourceKind::VideoInput && ctx.ui.sideOpen)
    SendCommand(ctx.os.messenger, ctx.windows.panel, cmd::kToggleSidePart, 0);
  ctx.os.windows.SetFocus(ctx.windows.panel);
}

void SourceAir(PanelContext& ctx, std::intptr_t) {
  SelectSource(ctx, cmd::kSourceAir);
}
void SourceCable(PanelContext& ctx, std::intptr_t) {
  SelectSource(ctx, cmd::kSourceCable);
}
void SourceComposite(PanelContext& ctx, std::intptr_t) {
  SelectSource(ctx, cmd::kSourceComposite);
}
void SourceSVideo(PanelContext& ctx, std::intptr_t) {
  SelectSource(ctx, cmd::kSourceSVideo);
}
void SourceFm(PanelContext& ctx, std::intptr_t) {
  SelectSource(ctx, cmd::kSourceFm);
}

// 40319: the sources in turn, FM only when the video program can offer the radio.
void CycleSource(PanelContext& ctx, std::intptr_t) {
  if (!FindVideoWindow(ctx) || ctx.mode.tvClosed != 0) return;
  struct Next {
    int source;
    cmd::Id command;
  };
  constexpr Next kAfter[] = {{2, cmd::kSourceAir},
                             {3, cmd::kSourceCable},
                             {4, cmd::kSourceComposite},
                             {5, cmd::kSourceSVideo}};
  const int current = ctx.mode.currentSource;
  if (current >= 1 && current <= 4) {
    ctx.mode.currentSource = kAfter[current - 1].source;
    PostToPanel(ctx, kAfter[current - 1].command);
  } else if (current == 5) {
    if (QueryRadio(ctx) == 1) {
      ctx.mode.currentSource = 1;
      PostToPanel(ctx, cmd::kSourceFm);
    } else {
      ctx.mode.currentSource = 2;
      PostToPanel(ctx, cmd::kSourceAir);
    }
  }
}

// 40318: the other TV band.
void SwitchAirCable(PanelContext& ctx, std::intptr_t) {
  if (!FindVideoWindow(ctx) || ctx.mode.tvClosed != 0 || ctx.mode.fmMode != 0) return;
  PostToPanel(ctx, ctx.mode.airBand == 1 ? cmd::kSourceCable : cmd::kSourceAir);
}

// ---- stepping --------------------------------------------------------------------------

void StepCommand(PanelContext& ctx, int direction) {
  if (ctx.mode.tvClosed || ctx.mode.videoBusy) return;
  ctx.entry.fmDigits = 0;
  // The step runs from a timer so that the button press returns at once.
  if (ctx.mode.fmMode) {
    ctx.os.timers.Start(direction > 0 ? panel::kTimerFmUp : panel::kTimerFmDown, kFmStepMs);
  } else if (!ctx.mode.videoInput) {
    ctx.os.timers.Start(direction > 0 ? panel::kTimerChannelUp : panel::kTimerChannelDown,
                        kChannelStepMs);
  }
}

void ChannelUp(PanelContext& ctx, std::intptr_t) {
  StepCommand(ctx, +1);
}
void ChannelDown(PanelContext& ctx, std::intptr_t) {
  StepCommand(ctx, -1);
}

void StepFullScanList(PanelContext& ctx, int direction) {
  IniFile& ini = ctx.settings;
  const int count = tuning::FullScanCount(ini, 1);
  int index = ini.Int(keys::kFullScanNow) + direction;
  if (index > count) index = 1;
  if (index < 1) index = count;
  const int freqHz = tuning::FullScanFrequencyHz(ini, index);
  PostToVideo(ctx, cmd::kVideoTuneFrequency, freqHz / kHzPer10kHz);
  PostCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoShowIndex, index);
  panel::DrawChannelNumber(ctx, index);
  ini.Write(keys::kFullScanNow, index);
}

// The next channel of the band's list, wrapping at the band's limits. A list with nothing in
// it would step for ever: the step stops wherever it is once it has wrapped a second time.
//
// A stored channel far outside the band (a peer may report any number) would be walked towards
// the band one number at a time, a read of the settings file each, for up to four billion
// steps: such a walk starts at the band's edge instead. It differs from the long walk only for
// channels listed outside the band, which no list of a scan holds.
int NextListedChannel(PanelContext& ctx, Band band, int channel, int direction) {
  const tuning::ChannelRange range = tuning::BandRange(ctx.channels, band);
  if (direction > 0 && range.lowest > INT_MIN && channel < range.lowest - 1)
    channel = range.lowest - 1;
  if (direction < 0 && range.highest < INT_MAX && channel > range.highest + 1)
    channel = range.highest + 1;
  int wraps = 1;
  for (;;) {
    if (direction > 0 && channel >= range.highest) {
      channel = range.lowest;
      ++wraps;
    } else if (direction < 0 && channel <= range.lowest) {
      channel = range.highest;
      ++wraps;
    } else {
      channel += direction;
    }
    if (tuning::InList(ctx.settings, band, channel) || wraps > kWrapLimit) return channel;
  }
}

void StepBandList(PanelContext& ctx, int direction) {
  if (!FindVideoWindow(ctx)) return;
  IniFile& ini = ctx.settings;
  const Band band = tuning::CurrentBand(ctx.mode);
  const int current = ini.Int(tuning::ChannelKey(band), 0);
  ini.Write(tuning::RecallKey(band), current);
  const int channel = NextListedChannel(ctx, band, current, direction);
  ctx.channels.currentChannel = channel;
  PostCommand(ctx.os.messenger, ctx.windows.video, cmd::kVideoTuneChannel, channel);
  panel::DrawChannelNumber(ctx, channel);
  ini.Write(tuning::ChannelKey(band), channel);
}

// ---- typed channel numbers -------------------------------------------------------------

void StopDigitTimer(PanelContext& ctx) {
  if (ctx.entry.digitTimer != 0) ctx.os.timers.Stop(ctx.entry.digitTimer);
  ctx.entry.digitTimer = 0;
}

void StartDigitTimer(PanelContext& ctx) {
  ctx.os.timers.Start(panel::kTimerDigitEntry, kDigitWaitMs);
  ctx.entry.digitTimer = panel::kTimerDigitEntry;
}

// Two-digit bands complete as soon as no further digit can fit under the band's highest
// channel; bands with hundreds wait for a third digit only while one can still fit. After a
// third digit the full-scan list still waits for the timeout; only the band lists tune at once.
void TypeChannelDigit(PanelContext& ctx, int digit) {
  IniFile& ini = ctx.settings;
  const bool fullScan = tuning::FullScanMode(ini);
  int highest = 0;
  if (fullScan)
    highest = tuning::FullScanCount(ini, 0);
  else
    highest = ini.Int(ctx.mode.airBand == 1 ? keys::kMaxAir : keys::kMaxCable, 0);
  const int tens = highest / 10;
  const int ones = highest % 10;
  const bool hundreds = highest >= 100;

  ChannelEntry& e = ctx.entry;
  const int stateBefore = e.digitState;
  const int numberBefore = e.typedNumber;
  if (e.digitState == 0) {
    e.digitState = 1;
    e.typedNumber = digit;
    if (hundreds) {
      e.immediate = 1;
    } else {
      e.immediate = 0;
      if (digit > tens) e.digitState = 2;
    }
  } else if (e.digitState == 1 && e.immediate == 1) {
    e.typedNumber = 10 * e.typedNumber + digit;
    e.immediate = e.typedNumber <= tens ? 1 : 0;
    e.digitState = 2;
  } else if (e.digitState == 1) {
    if (!(e.typedNumber == tens && digit > ones)) e.typedNumber = 10 * e.typedNumber + digit;
    e.digitState = 2;
    e.immediate = 0;
  } else if (e.digitState == 2 && e.typedNumber <= tens) {
    if (e.typedNumber == tens && digit > ones) {
      e.immediate = 0;
    } else {
      e.typedNumber = 10 * e.typedNumber + digit;
      e.digitState = 3;
      e.immediate = fullScan ? 0 : 1;
    }
  }
  if (e.digitState != stateBefore || e.typedNumber != numberBefore)
    PostToVideo(ctx, cmd::kVideoPartialNumber, e.typedNumber);

  const bool complete =
      (e.immediate == 0 && e.digitState == 2) || (e.immediate == 1 && e.digitState == 3);
  if (complete) {
    StopDigitTimer(ctx);
    e.digitState = 0;
    // Completed through the panel's queue, as the timeout would, after this digit's command.
    ctx.os.messenger.Post(ctx.windows.panel, kWmTimer, panel::kTimerDigitEntry, 0);
  } else {
    if (e.immediate == 1) StopDigitTimer(ctx);
    StartDigitTimer(ctx);
  }
}

// ---- typed FM frequencies --------------------------------------------------------------

// Digits build "dd.d" or "1dd.d" MHz in 100 kHz units; a digit that cannot lead to a
// frequency of the band is refused and the entry waits for another.
bool AcceptFmDigit(ChannelEntry& e, int d, bool lowBand) {
  int& v = e.fmTyped;
  std::uint8_t& p = e.fmDigits;
  if (lowBand) {
    switch (p) {
      case 0:
        v = d;
        if (d < 7) return false;
        p = 2;
        return true;
      case 2:
        if ((v == 9 && d != 0) || (v == 7 && d < 6)) return false;
        v = 10 * v + d;
        p = 3;
        return true;
      case 3:
        if (v == 90 && d != 0) return false;
        v = 10 * v + d;
        p = 4;
        return true;
      default:
        return false;
    }
  }
  switch (p) {
    case 0:
      v = d;
      if (d == 1) {
        p = 1;
        return true;
      }
      if (d == 8 || d == 9) {
        p = 2;
        return true;
      }
      return false;
    case 1:
      if (d != 0) return false;
      v = 10;
      p = 2;
      return true;
    case 2:
      if ((v == 10 && d == 9) || (v == 8 && d < 7)) return false;
      v = 10 * v + d;
      p = 3;
      return true;
    case 3:
      if ((v == 108 && d != 0) || (v == 87 && d < 5)) return false;
      v = 10 * v + d;
      p = 4;
      return true;
    default:
      return false;
  }
}

void TypeFmDigit(PanelContext& ctx, int digit) {
  const FmBand band = FmBandOf(ctx.settings);
  ChannelEntry& e = ctx.entry;
  if (!AcceptFmDigit(e, digit, band.bottom == kLowFmBand.bottom)) return;
  panel::DrawFmFrequency(ctx, e.fmTyped, kFmTyping);
  if (e.fmDigits != 4) return;
  if (e.fmTyped >= band.bottom && e.fmTyped <= band.top)
    PostToVideo(ctx, cmd::kVideoTuneFm, e.fmTyped);
  e.fmTyped = 0;
  e.fmDigits = 0;
}

void Digit(PanelContext& ctx, int digit) {
  if (ctx.mode.tvClosed || ctx.mode.videoBusy) return;
  if (ctx.mode.fmMode) {
    TypeFmDigit(ctx, digit);
    return;
  }
  if (ctx.mode.videoInput) return;
  TypeChannelDigit(ctx, digit);
}

template <int D>
void DigitCommand(PanelContext& ctx, std::intptr_t) {
  Digit(ctx, D);
}

// ---- recall, add and remove ------------------------------------------------------------

void Recall(PanelContext& ctx, std::intptr_t) {
  if (ctx.mode.fmMode || ctx.mode.videoInput) return;
  IniFile& ini = ctx.settings;
  if (tuning::FullScanMode(ini)) {
    const int recalled = ini.Int(keys::kFullScanRecall);
    if (recalled == 0) return;
    ini.Write(keys::kFullScanRecall, ini.Int(keys::kFullScanNow));
    ini.Write(keys::kFullScanNow, recalled);
    PostToVideo(ctx, cmd::kVideoTuneChannel, recalled);
    return;
  }
  const Band band = tuning::CurrentBand(ctx.mode);
  const int recalled = ini.Int(tuning::RecallKey(band), 0);
  if (recalled == 0) return;
  PostToVideo(ctx, cmd::kVideoTuneChannel, recalled);
  panel::DrawChannelNumber(ctx, recalled);
  ini.Write(tuning::ChannelKey(band), recalled);
  ini.Write(keys::kTvChannel, recalled);
  ini.Write(tuning::RecallKeyOfRecallCommand(band), ctx.channels.currentChannel);
  ctx.channels.currentChannel = recalled;
}

enum class ListChange { Add, Remove };

void ChangeList(PanelContext& ctx, ListChange change) {
  IniFile& ini = ctx.settings;
  if (ctx.mode.tvClosed || ctx.mode.videoInput || ScanRuns(ctx.mode) || tuning::FullScanMode(ini))
    return;
  const bool add = change == ListChange::Add;
  if (ctx.mode.fmMode) {
    const std::string frequency = ini.Text(keys::kFmChannel);
    const bool changed =
        add ? tuning::AddFmEntry(ini, frequency) : tuning::RemoveFmEntry(ini, frequency);
    if (!changed) return;
  } else {
    const int channel = ctx.channels.currentChannel;
    tuning::SetInList(ini, tuning::CurrentBand(ctx.mode), channel, add);
    PostToVideo(ctx, add ? cmd::kVideoChannelAdded : cmd::kVideoChannelRemoved, channel);
    // The peer asked for the side panels to stay hidden; a TV list change leaves them so.
    if (ctx.ui.listsSuppressed) return;
  }
  // Show the list that changed.
  if (ctx.ui.sideOpen)
    RefillChannelListIfShown(ctx);
  else
    PostToPanel(ctx, cmd::kToggleSidePart);
}

void AddChannel(PanelContext& ctx, std::intptr_t) {
  ChangeList(ctx, ListChange::Add);
}
void RemoveChannel(PanelContext& ctx, std::intptr_t) {
  ChangeList(ctx, ListChange::Remove);
}

constexpr CommandHandler kHandlers[] = {
    {cmd::kSourceComposite, SourceComposite},
    {cmd::kSourceSVideo, SourceSVideo},
    {cmd::kSourceAir, SourceAir},
    {cmd::kSourceCable, SourceCable},
    {cmd::kSourceFm, SourceFm},
    {cmd::kChannelDown, ChannelDown},
    {cmd::kChannelUp, ChannelUp},
    {cmd::kDigit0, DigitCommand<0>},
    {cmd::kDigit0 + 1, DigitCommand<1>},
    {cmd::kDigit0 + 2, DigitCommand<2>},
    {cmd::kDigit0 + 3, DigitCommand<3>},
    {cmd::kDigit0 + 4, DigitCommand<4>},
    {cmd::kDigit0 + 5, DigitCommand<5>},
    {cmd::kDigit0 + 6, DigitCommand<6>},
    {cmd::kDigit0 + 7, DigitCommand<7>},
    {cmd::kDigit0 + 8, DigitCommand<8>},
    {cmd::kDigit9, DigitCommand<9>},
    {cmd::kRecall, Recall},
    {cmd::kAddChannel, AddChannel},
    {cmd::kRemoveChannel, RemoveChannel},
    {cmd::kAirCableSwitch, SwitchAirCable},
    {cmd::kCycleSource, CycleSource},
};

}  // namespace

// Timer 118.
void CompleteChannelEntry(PanelContext& ctx) {
  StopDigitTimer(ctx);
  ChannelEntry& e = ctx.entry;
  const int number = e.typedNumber;
  if (number == 0) return;
  IniFile& ini = ctx.settings;
  if (tuning::FullScanMode(ini)) {
    // A number beyond the list is not taken, and the entry stays where it was.
    if (number > tuning::FullScanCount(ini, 1)) return;
    ini.Write(keys::kFullScanRecall, ini.Text(keys::kFullScanNow));
    ini.Write(keys::kFullScanNow, number);
    PostToVideo(ctx, cmd::kVideoTuneChannel, number);
  } else {
    const Band band = tuning::CurrentBand(ctx.mode);
    ini.Write(tuning::RecallKey(band), ctx.channels.currentChannel);
    ctx.channels.currentChannel = number;
    PostToVideo(ctx, cmd::kVideoTuneChannel, number);
    panel::DrawChannelNumber(ctx, number);
    ini.Write(tuning::ChannelKey(band), number);
  }
  e.digitState = 0;
  e.typedNumber = 0;
}

// Timers 121 (+1) and 120 (-1).
void StepChannel(PanelContext& ctx, int direction) {
  if (tuning::FullScanMode(ctx.settings))
    StepFullScanList(ctx, direction);
  else
    StepBandList(ctx, direction);
}

// Timers 125 (+1) and 126 (-1). The step starts from "FMChannel", which only the video program
// writes when it has tuned: steps faster than it stores them do not add up.
void StepFm(PanelContext& ctx, int direction) {
  const FmBand band = FmBandOf(ctx.settings);
  int value = ctx.settings.Int(keys::kFmChannel, band.bottom);
  if (direction > 0)
    value = value >= band.top ? band.bottom : value + 1;
  else
    value = value <= band.bottom ? band.top : value - 1;
  ctx.channels.fm100kHz = value;
  if (direction > 0)
    PostToVideo(ctx, cmd::kVideoTuneFm, value);
  else
    SendCommand(ctx.os.messenger, FindVideoWindow(ctx), cmd::kVideoTuneFm, value);
  panel::DrawFmFrequency(ctx, value, kFmTuned);
}

HandlerTable ChannelCommandHandlers() {
  return kHandlers;
}

}  // namespace tv::commands
