#include "tuning/country_setup.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "base/key_table.h"
#include "base/profile_snapshot.h"
#include "base/settings_file.h"
#include "base/tuner_binding.h"
#include "panel/layout.h"
#include "settings/capture_devices.h"

namespace tv::tuning {
namespace {

using panel::Caption;

constexpr panel::DialogCaption kCaptions[] = {
    {setup::kDeviceGroup, Caption::IDCDEVICE},
    {setup::kAudioGroup, Caption::IDCAUDIOSETCOUNTRY},
    {setup::kAudioInputLabel, Caption::IDCINPUTSOURCE},
    {setup::kRecordLabel, Caption::IDCRECORDCONTROL},
    {setup::kCountryGroup, Caption::IDCCOUNCODE},
    {setup::kCodeLabel, Caption::IDCCODE},
    {setup::kOsCountryRadio, Caption::IDCRADIO1},
    {setup::kChosenCountryRadio, Caption::IDCRADIO2},
    {setup::kOk, Caption::IDOKCOUNTRY},
};

// The dialog sits left of the screen's centre, its top a little above it, whatever its size.
constexpr int kLeftOfCentre = 260;
constexpr int kAboveCentre = 65;

constexpr int kDeviceSlots = 10;
constexpr int kAudioSlots = 20;
constexpr int kCountryNameCount = 244;  // keys "1" to "244" of the skin's button section
constexpr std::uint32_t kCountryNameCapacity = 50;
constexpr std::uint32_t kCodeCapacity = 260;
constexpr const char* kAudioFormatOfNewCountry = "2";
constexpr std::int32_t kCableBand = 1;

// The leading signed decimal number of a text, the way the profile's integer reads take it.
int LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint32_t total = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    total = total * 10 + static_cast<std::uint32_t>(text[i] - '0');
  return static_cast<int>(negative ? 0u - total : total);
}

// The operating system's country: its calling code, 1 when it names none.
int OsCountryCode(PanelContext& ctx) {
  return LeadingNumber(WinIni(ctx.os.profile).Text(keys::kOsCountry, "1", keys::kTextCapacity));
}

// Codes 1 and 7 are shared by several countries, so a search by code would stop at whichever
// comes first in the library; the operating system means the one at the fixed position.
int CountryListPosition(PanelContext& ctx, int code) {
  if (code == 1) return kPositionOfCode1;
  if (code == 7) return kPositionOfCode7;
  const CountryMatch match = FindCountryPosition(*ctx.tuner, ctx.countryCount, code);
  return match.found ? match.position : ctx.countryCount;
}

// Adds the entries of an indexed section up to the first slots keys, skipping "NONE".
void AddListed(DialogControls& dialog, int control, const IniFile& ini,
               const keys::Section& section, int slots, std::uint32_t capacity) {
  for (int k = 0; k < slots; ++k) {
    const std::string entry = ini.Text(section, k, keys::kNone, capacity);
    if (entry != keys::kNone) dialog.AddItem(control, entry);
  }
}

}  // namespace

void AddCountryNames(PanelContext& ctx, DialogControls& dialog, int control) {
  const int skin = ctx.panelIni.RawInt(panel::kPanelSection, panel::kPanelNowKey, 1);
  const std::string section = panel::ButtonSection(skin);
  ProfileSnapshot snapshot(ctx.os.profile, ctx.where.panelIni);
  const IniFile names(snapshot, ctx.where.panelIni);
  for (int key = 1; key <= kCountryNameCount; ++key)
    dialog.AddItem(control, names.RawText(section.c_str(), DecimalText(key).c_str(), "",
                                          kCountryNameCapacity));
}

void CountrySetupDialog::OnInit(DialogControls& dialog) {
  panel::SetDialogCaptions(dialog, ctx_.layout, kCaptions);

  const WindowRef self = dialog.Window();
  WindowManager& windows = ctx_.os.windows;
  windows.SetTopmost(self, true);
  const ScreenRect rect = windows.WindowRect(self);
  const Size screen = windows.ScreenSize();
  windows.Move(self, screen.width / 2 - kLeftOfCentre, screen.height / 2 - kAboveCentre,
               rect.right - rect.left, rect.bottom - rect.top, true);

  settings::EnumerateCaptureDevices(ctx_);
  const IniFile& ini = ctx_.settings;
  AddListed(dialog, setup::kDeviceList, ini, keys::kDevices, kDeviceSlots,
            settings::kDeviceNameCapacity);
  dialog.Select(setup::kDeviceList, 0);

  AddListed(dialog, setup::kAudioInputList, ini, keys::kAudioLines, kAudioSlots,
            keys::kTextCapacity);
  dialog.Select(setup::kAudioInputList, ini.Int(keys::kAudioInput, 0));

  const int detected = OsCountryCode(ctx_);
  dialog.SetText(setup::kCodeEdit, DecimalText(detected));

  AddListed(dialog, setup::kRecordList, ini, keys::kRecordSources, kAudioSlots,
            keys::kTextCapacity);
  // The selector may have several sources on; the list shows the last of them.
  for (int k = 0; k < kAudioSlots; ++k)
    if (ini.Int(keys::kRecordState, k) == 1) dialog.Select(setup::kRecordList, k);

  dialog.CheckRadio(setup::kOsCountryRadio, setup::kChosenCountryRadio, setup::kOsCountryRadio);
  dialog.Enable(setup::kCountryList, false);

  AddCountryNames(ctx_, dialog, setup::kCountryList);
  const int position = CountryListPosition(ctx_, detected);
  dialog.Select(setup::kCountryList, position);
  ini.Write(keys::kDefCodePos, position);
}

void CountrySetupDialog::OnCommand(DialogControls& dialog, int control, int notification,
                                   std::intptr_t) {
  switch (control) {
    case setup::kCountryList:
      if (notification == kCbnSelChange) ShowCodeOfChosenCountry(dialog);
      break;
    case setup::kOsCountryRadio:
      SelectOsCountry(dialog);
      break;
    case setup::kChosenCountryRadio:
      dialog.Enable(setup::kCountryList, true);
      break;
    case setup::kOk:
      Save(dialog);
      break;
    default:
      break;
  }
}

void CountrySetupDialog::SelectOsCountry(DialogControls& dialog) {
  const int detected = OsCountryCode(ctx_);
  dialog.SetText(setup::kCodeEdit, DecimalText(detected));
  dialog.Select(setup::kCountryList, CountryListPosition(ctx_, detected));
  dialog.Enable(setup::kCountryList, false);
}

void CountrySetupDialog::ShowCodeOfChosenCountry(DialogControls& dialog) {
  std::int32_t code = -1;
  std::int32_t position = dialog.Selection(setup::kCountryList);
  std::int32_t standard = 0, highest = 0, lowest = 0;
  ctx_.tuner->GetFreqInfo(&code, &position, kCableBand, 0, 0, &standard, &highest, &lowest, 0);
  dialog.SetText(setup::kCodeEdit, DecimalText(code));
}

void CountrySetupDialog::Save(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  // The code is stored as the edit shows it; an empty one keeps the first-start state.
  const std::string code = dialog.Text(setup::kCodeEdit, kCodeCapacity);
  ini.Write(keys::kCountryCode, code);
  ini.Write(keys::kDefaultCountry, OsCountryCode(ctx_));
  const int position = dialog.Selection(setup::kCountryList);
  ini.Write(keys::kCodePos, position);
  ini.Write(keys::kDefaultName, dialog.ItemText(setup::kCountryList, position));

  // The band data come from the first country with the code, which for a shared code need not
  // be the one chosen in the list; without a match the last country's data stand.
  const CountryMatch match =
      FindCountryPosition(*ctx_.tuner, ctx_.countryCount, LeadingNumber(code));
  const FrequencyLimits limits = FrequencyLimitsFor(match.standard);
  ini.Write(keys::kMaxFreq, limits.maxFreq);
  ini.Write(keys::kMinFreq, limits.minFreq);
  ini.Write(keys::kRange, limits.range);
  ini.Write(keys::kAnalogVStandard, match.standard);
  ini.Write(keys::kVideoStandard, match.standard);
  ini.Write(keys::kAudioFormat, kAudioFormatOfNewCountry);

  std::int32_t bandCode = match.code;
  const CountryBands bands = ReadCountryBands(*ctx_.tuner, match.position, bandCode);
  ini.Write(keys::kMaxAir, bands.air.highest);
  ini.Write(keys::kMinAir, bands.air.lowest);
  ini.Write(keys::kMaxCable, bands.cable.highest);
  ini.Write(keys::kMinCable, bands.cable.lowest);

  ini.Write(keys::kSelectedDevice, dialog.Selection(setup::kDeviceList));
  ini.Write(keys::kAudioInput, dialog.Selection(setup::kAudioInputList));
  for (int k = 0; k < kAudioSlots; ++k)
    if (ini.Int(keys::kRecordState, k) == 1) ini.Write(keys::kRecordState, k, "0");
  ini.Write(keys::kRecordState, dialog.Selection(setup::kRecordList), "1");

  dialog.Close(1);
}

void RunCountrySetupDialog(PanelContext& ctx) {
  CountrySetupDialog dialog(ctx);
  ctx.os.dialogs.RunModal(kCountrySetupTemplate, ctx.windows.panel, dialog);
}

}  // namespace tv::tuning
