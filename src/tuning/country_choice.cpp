#include "tuning/country_choice.h"

#include <cstdint>
#include <iterator>
#include <string>

#include "base/key_table.h"
#include "base/tuner_binding.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "settings/settings_sheet.h"
#include "tuning/channel_store.h"
#include "tuning/side_list.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {
namespace {

constexpr std::int32_t kCableBand = 1;
constexpr std::uint32_t kCountryTextCapacity = 260;
constexpr std::uint32_t kCountryWaitMs = 1000;
constexpr const char* kChannelAfterReset = "8";

// The library's answer for one country: its code, video standard and position.
struct Country {
  std::int32_t code = -1;
  std::int32_t standard = 0;
  std::int32_t position = -1;
};

// What the list shows chosen: asked by position, so a shared code still names this country.
Country SelectedCountry(PanelContext& ctx, DialogControls& page) {
  Country c;
  c.position = page.Selection(IDC_TVS_COUNTRY_LIST);
  std::int32_t position = c.position;
  std::int32_t highest = 0, lowest = 0;
  ctx.tuner->GetFreqInfo(&c.code, &position, kCableBand, 0, 0, &c.standard, &highest, &lowest, 0);
  return c;
}

// The scan limits of the standard's channel raster, shown on the fully scan page if it is up.
void WriteFrequencyLimits(PanelContext& ctx, std::int32_t standard) {
  const IniFile& ini = ctx.settings;
  const FrequencyLimits limits = FrequencyLimitsFor(standard);
  ini.Write(keys::kMaxFreq, limits.maxFreq);
  ini.Write(keys::kMinFreq, limits.minFreq);
  ini.Write(keys::kRange, limits.range);
  if (DialogControls* fullScan = ctx.sheet.pages[settings::kFullScanPage]) {
    fullScan->SetText(IDC_FSP_MIN_EDIT, ini.Text(keys::kMinFreq));
    fullScan->SetText(IDC_FSP_MAX_EDIT, ini.Text(keys::kMaxFreq));
  }
}

void WriteVideoStandard(PanelContext& ctx, std::int32_t standard) {
  ctx.settings.Write(keys::kVideoStandard, standard);
  ctx.settings.Write(keys::kAnalogVStandard, standard);
}

// Names and saved frequencies belong to the old channel plan; a chosen country drops the
// scanned lists as well.
void DeletePlanSections(PanelContext& ctx, bool lists) {
  const IniFile& ini = ctx.settings;
  ini.DeleteSection(keys::kCableNames);
  ini.DeleteSection(keys::kAirNames);
  if (lists) {
    ini.DeleteSection(keys::kAirList);
    ini.DeleteSection(keys::kCableList);
  }
  ini.DeleteSection(keys::kAirFrequencies);
  ini.DeleteSection(keys::kCableFrequencies);
}

// The new plan's band limits into memory and the file, and both lists reset to every channel.
void TakeBands(PanelContext& ctx, std::int32_t position, std::int32_t code) {
  const CountryBands bands = ReadCountryBands(*ctx.tuner, position, code);
  ChannelState& ch = ctx.channels;
  ch.maxAirChannel = bands.air.highest;
  ch.minAirChannel = bands.air.lowest;
  ch.maxCableChannel = bands.cable.highest;
  ch.minCableChannel = bands.cable.lowest;
  const IniFile& ini = ctx.settings;
  ini.Write(keys::kMaxAir, ch.maxAirChannel);
  ini.Write(keys::kMinAir, ch.minAirChannel);
  ini.Write(keys::kMaxCable, ch.maxCableChannel);
  ini.Write(keys::kMinCable, ch.minCableChannel);
  ResetBandList(ctx, Band::Air);
  ResetBandList(ctx, Band::Cable);
}

// The video program takes a new country in three steps, each given a second to settle.
void SendCountry(PanelContext& ctx, std::int32_t code) {
  const cmd::Id steps[] = {cmd::kVideoTvPageValue1, cmd::kVideoTvPage, cmd::kVideoTvPageValue2};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    if (i > 0) ctx.os.clock.Sleep(kCountryWaitMs);
    if (const WindowRef video = commands::FindVideoWindow(ctx))
      SendCommand(ctx.os.messenger, video, steps[i], code);
  }
}

// The page's band limits, its list (through its own message) and the side list follow.
void ShowNewPlan(PanelContext& ctx, DialogControls& page) {
  const ChannelRange range = BandRange(ctx.channels, CurrentBand(ctx.mode));
  page.SetText(IDC_TVS_MIN_EDIT, DecimalText(range.lowest));
  page.SetText(IDC_TVS_MAX_EDIT, DecimalText(range.highest));
  PostCommand(ctx.os.messenger, page.Window(), cmd::kTvPageScanEnded, 0);
  RefillSideListIfOpen(ctx);
}

// Back to the operating system's country, as recorded at the first start. A code no country
// has ends the search on the library's last country, whose data then stand.
void AutomaticCountry(PanelContext& ctx, DialogControls& page) {
  const IniFile& ini = ctx.settings;
  std::int32_t code = ini.Int(keys::kDefaultCountry, 0);
  ini.Write(keys::kCodePos, ini.Text(keys::kDefCodePos));
  const CountryMatch match = FindCountryPosition(*ctx.tuner, ctx.countryCount, code);
  if (match.position >= 0) code = match.code;  // the search's last answer
  WriteFrequencyLimits(ctx, match.standard);
  DeletePlanSections(ctx, false);
  WriteVideoStandard(ctx, match.standard);
  TakeBands(ctx, match.position, code);
  SendCountry(ctx, code);
  page.SetText(IDC_TVS_CODE_EDIT, DecimalText(code));
  ShowNewPlan(ctx, page);
  page.Enable(IDC_TVS_COUNTRY_LIST, false);
  page.SetText(IDC_TVS_CHANNEL_EDIT, kChannelAfterReset);
}

// "Select Country": the list's country again; the scan limits stay those of the one before.
void ChosenCountry(PanelContext& ctx, DialogControls& page) {
  page.Enable(IDC_TVS_COUNTRY_LIST, true);
  const int selected = page.Selection(IDC_TVS_COUNTRY_LIST);
  const std::string name =
      page.ItemText(IDC_TVS_COUNTRY_LIST, selected).substr(0, kCountryTextCapacity - 1);
  if (name.empty()) return;
  DeletePlanSections(ctx, true);
  const Country c = SelectedCountry(ctx, page);
  WriteVideoStandard(ctx, c.standard);
  TakeBands(ctx, c.position, c.code);
  ctx.settings.Write(keys::kDefaultName, name);
  page.SetText(IDC_TVS_CODE_EDIT, DecimalText(c.code));
  SendCountry(ctx, c.code);
  ShowNewPlan(ctx, page);
  // Only now: the video program reads the old position while it takes the country.
  ctx.settings.Write(keys::kCodePos, c.position);
}

void ListCountry(PanelContext& ctx, DialogControls& page) {
  DeletePlanSections(ctx, true);
  const Country c = SelectedCountry(ctx, page);
  WriteFrequencyLimits(ctx, c.standard);
  WriteVideoStandard(ctx, c.standard);
  TakeBands(ctx, c.position, c.code);
  ctx.settings.Write(keys::kDefaultName, page.ItemText(IDC_TVS_COUNTRY_LIST, c.position));
  page.SetText(IDC_TVS_CODE_EDIT, DecimalText(c.code));
  ctx.settings.Write(keys::kCodePos, c.position);
  SendCountry(ctx, c.code);
  ShowNewPlan(ctx, page);
  page.SetText(IDC_TVS_CHANNEL_EDIT, kChannelAfterReset);
}

}  // namespace

void ShowCountryState(PanelContext& ctx, DialogControls& page) {
  const IniFile& ini = ctx.settings;
  const std::string code = ini.Text(keys::kCountryCode);
  page.SetText(IDC_TVS_CODE_EDIT, code);
  if (ini.Int(keys::kDefaultCountry, 0) == 0) ini.Write(keys::kDefaultCountry, code);
  const bool chosen = ini.Int(keys::kDefaultCountry, 0) != ini.Int(keys::kCountryCode, 0);
  page.CheckRadio(IDC_TVS_AUTO_COUNTRY_RADIO, IDC_TVS_CHOSEN_COUNTRY_RADIO,
                  chosen ? IDC_TVS_CHOSEN_COUNTRY_RADIO : IDC_TVS_AUTO_COUNTRY_RADIO);
  if (chosen)
    page.Select(IDC_TVS_COUNTRY_LIST,
                page.FindPrefix(IDC_TVS_COUNTRY_LIST, -1, ini.Text(keys::kDefaultName)));
  page.Enable(IDC_TVS_COUNTRY_LIST, chosen);
}

void ChooseCountry(PanelContext& ctx, DialogControls& page, int control, int notification) {
  if (control == IDC_TVS_AUTO_COUNTRY_RADIO && notification == kBnClicked)
    AutomaticCountry(ctx, page);
  else if (control == IDC_TVS_CHOSEN_COUNTRY_RADIO && notification == kBnClicked)
    ChosenCountry(ctx, page);
  else if (control == IDC_TVS_COUNTRY_LIST && notification == kCbnSelEndOk)
    ListCountry(ctx, page);
}

}  // namespace tv::tuning
