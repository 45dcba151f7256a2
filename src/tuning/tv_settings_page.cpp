#include "tuning/tv_settings_page.h"

#include <cstdlib>
#include <string>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "tuning/country_choice.h"
#include "tuning/country_setup.h"
#include "tuning/side_list.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {
namespace {

using panel::Caption;

constexpr panel::DialogCaption kCaptions[] = {
    {IDC_TVS_CARD_LABEL, Caption::IDCTVCARD},
    {IDC_TVS_BAND_GROUP, Caption::IDCCATEGORY},
    {IDC_TVS_AIR_RADIO, Caption::IDCRADIOAIR},
    {IDC_TVS_CABLE_RADIO, Caption::IDCRADIOCABLE},
    {IDC_TVS_COUNTRY_GROUP, Caption::IDCCOUNTRY},
    {IDC_TVS_AUTO_COUNTRY_RADIO, Caption::IDCRADIOAUTODETECT},
    {IDC_TVS_CHOSEN_COUNTRY_RADIO, Caption::IDCRADIOSELECTCOUNTRY},
    {IDC_TVS_CODE_LABEL, Caption::IDCCOUNTRYCODE},
    {IDC_TVS_VIDEO_STANDARD, Caption::IDCBUTTONVDOSTAND},
    {IDC_TVS_CHANNEL_GROUP, Caption::IDCCHANNELEDIT},
    {IDC_TVS_CHANNEL_LABEL, Caption::IDCCHNO},
    {IDC_TVS_NAME_LABEL, Caption::IDCSTATICCHANGE},
    {IDC_TVS_NAME_BUTTON, Caption::IDCBUTTONEDITNAME},
    {IDC_TVS_KEY_ENTER, Caption::IDCNUMBUTTONENTER},
    {IDC_TVS_UP, Caption::IDCNUMBUTTONUP1},
    {IDC_TVS_DOWN, Caption::IDCNUMBUTTONDOWN1},
    {IDC_TVS_LIST_LABEL, Caption::IDCCHLIST},
    {IDC_TVS_ADD, Caption::IDCNUMBUTTONADD},
    {IDC_TVS_DELETE, Caption::IDCNUMBUTTONDELETE},
    {IDC_TVS_AUTO_SCAN, Caption::IDCNUMBUTTONAUTOSCAN},
    {IDC_TVS_MIN_LABEL, Caption::IDCSTATICMIN},
    {IDC_TVS_MAX_LABEL, Caption::IDCSTATICMAX},
    {IDC_TVS_FINE_GROUP, Caption::IDCFINETUNECH},
    {IDC_TVS_FINE_DEFAULT, Caption::IDCBUTTONFREQDEF},
    {IDC_TVS_SAVE_FREQUENCY, Caption::IDCBUTTONSAVEFORFREQ},
};

// The keys in the order of their digits 0..9.
constexpr int kDigitKeys[] = {IDC_TVS_KEY0, IDC_TVS_KEY1, IDC_TVS_KEY2, IDC_TVS_KEY3, IDC_TVS_KEY4,
                              IDC_TVS_KEY5, IDC_TVS_KEY6, IDC_TVS_KEY7, IDC_TVS_KEY8, IDC_TVS_KEY9};

// What channel editing switches on and off; the country list only ever goes off here.
constexpr int kEditingControls[] = {
    IDC_TVS_AUTO_COUNTRY_RADIO,
    IDC_TVS_CHOSEN_COUNTRY_RADIO,
    IDC_TVS_CHANNEL_LIST,
    IDC_TVS_AIR_RADIO,
    IDC_TVS_CABLE_RADIO,
    IDC_TVS_NAME_EDIT,
    IDC_TVS_AUTO_SCAN,
    IDC_TVS_KEY1,
    IDC_TVS_KEY2,
    IDC_TVS_KEY3,
    IDC_TVS_KEY4,
    IDC_TVS_KEY5,
    IDC_TVS_KEY6,
    IDC_TVS_KEY7,
    IDC_TVS_KEY8,
    IDC_TVS_KEY9,
    IDC_TVS_KEY0,
    IDC_TVS_KEY_ENTER,
    IDC_TVS_UP,
    IDC_TVS_DOWN,
    IDC_TVS_DELETE,
    IDC_TVS_ADD,
    IDC_TVS_FINE_DEFAULT,
    IDC_TVS_SAVE_FREQUENCY,
    IDC_TVS_FINE_SLIDER,
    IDC_TVS_NAME_BUTTON,
};

constexpr int kDeviceSlots = 10;
constexpr std::uint32_t kDeviceNameCapacity = 1024;
constexpr std::uint32_t kChannelTextCapacity = 4;  // the name is stored under 3 characters
constexpr std::uint32_t kNameCapacity = keys::kTextCapacity;
constexpr int kSliderMiddle = 500;
constexpr int kSliderMax = 1000;
constexpr int kSliderStepHz = 10000;
constexpr int kChannelShownByDefault = 8;
constexpr int kLabelAir = 1;
constexpr int kLabelCable = 2;

int DigitOf(int control) {
  for (int d = 0; d < 10; ++d)
    if (kDigitKeys[d] == control) return d;
  return -1;
}

// The number at the start of a list entry or an edit's text; none reads as 0.
int LeadingNumber(const std::string& text) {
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace

void VideoStandardDialogClosed(PanelContext& ctx) {
  ctx.sheet.tvPage.videoStandardOpen = 0;
}

int KeypadLimit(PanelContext& ctx) {
  const IniFile& ini = ctx.settings;
  if (FullScanMode(ini)) return FullScanCount(ini, 0);
  return ini.Int(ctx.mode.airBand == 1 ? keys::kMaxAir : keys::kMaxCable, 0);
}

void TvSettingsPage::OnInit(DialogControls& dialog) {
  panel::SetDialogCaptions(dialog, ctx_.layout, kCaptions);
  if (!commands::FindVideoWindow(ctx_)) return;
  // Kept after the sheet has closed: a scan's end still addresses the page, and is lost.
  ctx_.windows.tvPage = dialog.Window();

  const IniFile& ini = ctx_.settings;
  for (int k = 0; k < kDeviceSlots; ++k) {
    const std::string device = ini.Text(keys::kDevices, k, keys::kNone, kDeviceNameCapacity);
    if (device != keys::kNone) dialog.AddItem(IDC_TVS_CARD_LIST, device);
  }
  dialog.Select(IDC_TVS_CARD_LIST, ini.Int(keys::kSelectedDevice));

  dialog.SetSliderRange(IDC_TVS_FINE_SLIDER, 0, kSliderMax);
  AddCountryNames(ctx_, dialog, IDC_TVS_COUNTRY_LIST);

  const int channel = ctx_.channels.currentChannel;
  dialog.SetText(IDC_TVS_CHANNEL_EDIT, DecimalText(channel));
  dialog.CheckRadio(IDC_TVS_AIR_RADIO, IDC_TVS_CABLE_RADIO,
                    band() == Band::Air ? IDC_TVS_AIR_RADIO : IDC_TVS_CABLE_RADIO);
  ShowName(dialog, channel);
  ShowBandLimits(dialog);
  FineTuneDisplay(dialog);
  ShowCountryState(ctx_, dialog);
  FillChannelList(dialog);
  SelectByPrefix(dialog, channel);
  ApplyEnableRule(dialog);
}

void TvSettingsPage::OnNotify(DialogControls& dialog, int, int) {
  ApplyEnableRule(dialog);
}

void TvSettingsPage::OnCommand(DialogControls& dialog, int control, int notification,
                               std::intptr_t) {
  if (!commands::FindVideoWindow(ctx_)) return;
  const ModeFlags& mode = ctx_.mode;
  const bool busy =
      mode.airScan == 1 || mode.cableScan == 1 || mode.videoInput == 1 || mode.fmScan == 1;
  if (busy && control != IDC_TVS_AUTO_SCAN) return;

  if (const int digit = DigitOf(control); digit >= 0) {
    KeypadDigit(dialog, digit);
    return;
  }
  switch (control) {
    case IDC_TVS_KEY_ENTER:
      KeypadEnter(dialog);
      break;
    case IDC_TVS_DOWN:
      Step(dialog, +1);
      break;
    case IDC_TVS_UP:
      Step(dialog, -1);
      break;
    case IDC_TVS_CHANNEL_LIST:
      if (notification == kCbnSelChange) ChannelChosen(dialog);
      break;
    case IDC_TVS_AIR_RADIO:
      SwitchBand(dialog, Band::Air);
      break;
    case IDC_TVS_CABLE_RADIO:
      SwitchBand(dialog, Band::Cable);
      break;
    case IDC_TVS_ADD:
      AddChannel(dialog);
      break;
    case IDC_TVS_DELETE:
      DeleteChannel(dialog);
      break;
    case IDC_TVS_NAME_BUTTON:
      StoreName(dialog);
      break;
    case IDC_TVS_AUTO_SCAN:
      dialog.ResetItems(IDC_TVS_CHANNEL_LIST);
      dialog.Redraw(IDC_TVS_CHANNEL_LIST);
      PostCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kScan, 0);
      break;
    case IDC_TVS_VIDEO_STANDARD:
      if (ctx_.sheet.tvPage.videoStandardOpen == 0) {
        ctx_.sheet.tvPage.videoStandardOpen = 1;
        PostCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoTvPageRefresh, 0);
      }
      break;
    case IDC_TVS_CARD_LIST:
      if (notification == kCbnSelChange) ChangeDevice(dialog);
      break;
    case IDC_TVS_FINE_DEFAULT:
    case IDC_TVS_SAVE_FREQUENCY:
      FineTuneButton(dialog, control);
      break;
    case cmd::kTvPageScanEnded:
      FillChannelList(dialog);
      break;
    case IDC_TVS_AUTO_COUNTRY_RADIO:
    case IDC_TVS_CHOSEN_COUNTRY_RADIO:
    case IDC_TVS_COUNTRY_LIST:
      ChooseCountry(ctx_, dialog, control, notification);
      break;
    default:
      break;
  }
}

// The second digit is taken without a look at the limit; the third only while both the number
// so far and the result stay within it. A fourth is never taken.
void TvSettingsPage::KeypadDigit(DialogControls& dialog, int digit) {
  TvPageState& k = ctx_.sheet.tvPage;
  const int limit = KeypadLimit(ctx_);
  switch (k.keypadState) {
    case 0:
      if (digit == 0) return;
      k.keypadValue = digit;
      break;
    case 1:
      k.keypadValue = k.keypadValue * 10 + digit;
      break;
    case 2:
      if (k.keypadValue > limit || k.keypadValue * 10 + digit > limit) return;
      k.keypadValue = k.keypadValue * 10 + digit;
      break;
    default:
      return;
  }
  ++k.keypadState;
  dialog.SetText(IDC_TVS_KEYPAD_EDIT, DecimalText(k.keypadValue));
}

void TvSettingsPage::KeypadEnter(DialogControls& dialog) {
  TvPageState& k = ctx_.sheet.tvPage;
  k.keypadState = 0;
  if (k.keypadValue > 0 && commands::FindVideoWindow(ctx_)) TuneTo(dialog, k.keypadValue & 0xFFFF);
  k.keypadValue = 0;
}

// Every number of the band's range, listed or not; the wrap happens only exactly one past an
// end, so a channel already outside the range walks on.
void TvSettingsPage::Step(DialogControls& dialog, int direction) {
  const ChannelRange range = BandRange(ctx_.channels, band());
  const long long current = ctx_.channels.currentChannel;
  long long next = current + direction;
  if (direction > 0 && next == range.highest + 1LL) next = range.lowest;
  if (direction < 0 && next == range.lowest - 1LL) next = range.highest;
  TuneTo(dialog, static_cast<int>(next));
}

void TvSettingsPage::TuneTo(DialogControls& dialog, int channel) {
  ctx_.channels.currentChannel = channel;
  dialog.SetText(IDC_TVS_CHANNEL_EDIT, DecimalText(channel));
  ctx_.settings.Write(ChannelKey(band()), channel);
  ShowName(dialog, channel);
  PostCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoTuneChannel, channel);
  panel::DrawChannelNumber(ctx_, channel);
  SelectByPrefix(dialog, channel);
  FineTuneDisplay(dialog);
}

void TvSettingsPage::ChannelChosen(DialogControls& dialog) {
  const int selected = dialog.Selection(IDC_TVS_CHANNEL_LIST);
  if (selected < 0) return;
  const int channel = LeadingNumber(dialog.ItemText(IDC_TVS_CHANNEL_LIST, selected));
  ctx_.channels.currentChannel = channel;
  ctx_.settings.Write(keys::kTvChannel, channel);
  ctx_.settings.Write(ChannelKey(band()), channel);
  dialog.SetText(IDC_TVS_CHANNEL_EDIT, DecimalText(channel));
  PostCommand(ctx_.os.messenger, ctx_.windows.video, cmd::kVideoTuneChannel, channel);
  panel::DrawChannelNumber(ctx_, channel);
  ShowName(dialog, channel);
  FineTuneDisplay(dialog);
}

// The panel's own source command does the switch of the video program; cable is sent, so the
// panel's command runs to its end inside this one.
void TvSettingsPage::SwitchBand(DialogControls& dialog, Band to) {
  const int channel = ctx_.settings.Int(ChannelKey(to), 0);
  ctx_.channels.currentChannel = channel;
  ctx_.settings.Write(keys::kTvChannel, channel);
  const bool air = to == Band::Air;
  panel::DrawSourceLabel(ctx_, air ? kLabelAir : kLabelCable);
  ctx_.mode.airBand = air ? 1 : 0;
  if (air)
    PostCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kSourceAir, 0);
  else
    SendCommand(ctx_.os.messenger, ctx_.windows.panel, cmd::kSourceCable, 0);
  FillChannelList(dialog);
  SelectByPrefix(dialog, channel);
  dialog.SetText(IDC_TVS_CHANNEL_EDIT, DecimalText(channel));
  ShowName(dialog, channel);
  FineTuneDisplay(dialog);
  ShowBandLimits(dialog);
}

// A channel added or deleted here starts again without a name.
void TvSettingsPage::AddChannel(DialogControls& dialog) {
  const int channel = ctx_.channels.currentChannel;
  SetInList(ctx_.settings, band(), channel, true);
  ctx_.settings.Delete(NameSection(band()), channel);
  FillChannelList(dialog);
  dialog.Redraw(IDC_TVS_CHANNEL_LIST);
  RefillSideListIfOpen();
}

// The list box loses the first entry that begins with the channel's text, which for an
// unlisted 1 is "10": the file is right, the box shows one entry less until it is refilled.
void TvSettingsPage::DeleteChannel(DialogControls& dialog) {
  const int channel = ctx_.channels.currentChannel;
  SetInList(ctx_.settings, band(), channel, false);
  ctx_.settings.Delete(NameSection(band()), channel);
  const int entry = dialog.FindPrefix(IDC_TVS_CHANNEL_LIST, -1, DecimalText(channel));
  if (entry >= 0) dialog.DeleteItem(IDC_TVS_CHANNEL_LIST, entry);
  RefillSideListIfOpen();
}

// The name goes under the channel edit's text as it stands; an empty edit has no key to give.
void TvSettingsPage::StoreName(DialogControls& dialog) {
  const std::string channel = dialog.Text(IDC_TVS_CHANNEL_EDIT, kChannelTextCapacity);
  const std::string name = dialog.Text(IDC_TVS_NAME_EDIT, kNameCapacity);
  if (channel.empty()) return;
  ctx_.settings.RawWrite(NameSection(band()).name, channel.c_str(), name.c_str());
  RefillSideListIfOpen();
}

// The video program runs on the device chosen at its start: it is closed and started again
// through the panel's source command for the stored source.
void TvSettingsPage::ChangeDevice(DialogControls& dialog) {
  ctx_.settings.Write(keys::kSelectedDevice, dialog.Selection(IDC_TVS_CARD_LIST));
  if (commands::FindVideoWindow(ctx_)) ctx_.os.messenger.Send(ctx_.windows.video, kWmClose, 0, 0);
  const cmd::Id source = cmd::SourceCommandFor(ctx_.settings.Int(keys::kInputSource));
  if (source != 0) PostCommand(ctx_.os.messenger, ctx_.windows.panel, source, 0);
}

void TvSettingsPage::FineTuneButton(DialogControls& dialog, int control) {
  Messenger& m = ctx_.os.messenger;
  if (control == IDC_TVS_SAVE_FREQUENCY) {
    SendCommand(m, ctx_.windows.video, cmd::kVideoSaveFrequency,
                dialog.SliderPos(IDC_TVS_FINE_SLIDER));
    return;
  }
  dialog.SetSliderPos(IDC_TVS_FINE_SLIDER, kSliderMiddle);
  SendCommand(m, ctx_.windows.video, cmd::kVideoFineTune, kSliderMiddle);
  SendCommand(m, ctx_.windows.video, cmd::kVideoSaveFrequency, kSliderMiddle);
  dialog.SetText(IDC_TVS_OFFSET_EDIT, "0");
}

void TvSettingsPage::OnScroll(DialogControls& dialog, int control, int) {
  if (control != IDC_TVS_FINE_SLIDER) return;
  const int position = dialog.SliderPos(IDC_TVS_FINE_SLIDER);
  dialog.SetText(
      IDC_TVS_OFFSET_EDIT,
      FineTuneOffsetText(static_cast<std::int64_t>(position - kSliderMiddle) * kSliderStepHz));
  if (const WindowRef video = commands::FindVideoWindow(ctx_))
    SendCommand(ctx_.os.messenger, video, cmd::kVideoFineTune, position);
}

void TvSettingsPage::ApplyEnableRule(DialogControls& dialog) {
  const bool allowed = ctx_.mode.videoInput == 0 && !FullScanMode(ctx_.settings);
  for (int control : kEditingControls) dialog.Enable(control, allowed);
  if (!allowed) dialog.Enable(IDC_TVS_COUNTRY_LIST, false);
}

void TvSettingsPage::FillChannelList(DialogControls& dialog) {
  dialog.ResetItems(IDC_TVS_CHANNEL_LIST);
  const ChannelRange range = BandRange(ctx_.channels, band());
  for (long long n = range.lowest; n <= range.highest; ++n)
    if (InList(ctx_.settings, band(), static_cast<int>(n)))
      dialog.AddItem(IDC_TVS_CHANNEL_LIST, DecimalText(n));
}

void TvSettingsPage::SelectByPrefix(DialogControls& dialog, int channel) {
  dialog.Select(IDC_TVS_CHANNEL_LIST,
                dialog.FindPrefix(IDC_TVS_CHANNEL_LIST, -1, DecimalText(channel)));
}

void TvSettingsPage::ShowName(DialogControls& dialog, int channel) {
  dialog.SetText(IDC_TVS_NAME_EDIT, ChannelName(ctx_.settings, NameSection(band()), channel,
                                                NameReader::TvSettingsPage)
                                        .value_or(""));
}

void TvSettingsPage::ShowBandLimits(DialogControls& dialog) {
  const bool air = band() == Band::Air;
  dialog.SetText(IDC_TVS_MIN_EDIT, ctx_.settings.Text(air ? keys::kMinAir : keys::kMinCable));
  dialog.SetText(IDC_TVS_MAX_EDIT, ctx_.settings.Text(air ? keys::kMaxAir : keys::kMaxCable));
}

void TvSettingsPage::FineTuneDisplay(DialogControls& dialog) {
  const int channel = ctx_.settings.Int(ChannelKey(band()), kChannelShownByDefault);
  const std::int64_t offset = FineTuneOffsetHz(ctx_, band(), channel);
  dialog.SetSliderPos(IDC_TVS_FINE_SLIDER, FineTuneSliderPosition(offset));
  dialog.SetText(IDC_TVS_OFFSET_EDIT, FineTuneOffsetText(offset));
}

void TvSettingsPage::RefillSideListIfOpen() {
  if (ctx_.ui.sideOpen == 1 && ctx_.windows.sideList) FillSideList(ctx_);
}

}  // namespace tv::tuning
