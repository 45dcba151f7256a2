#include "settings/audio_dialog.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "base/key_table.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "settings/mixer.h"
#include "settings/settings_dialog_ids.h"

namespace tv::settings {
namespace {

using panel::Caption;

constexpr panel::DialogCaption kCaptions[] = {
    {IDC_AUD_GROUP, Caption::IDCSoundCardSetting},
    {IDC_AUD_BALANCE_LABEL, Caption::IDCBALANCE},
    {IDC_AUD_BASS_LABEL, Caption::IDCBASS},
    {IDC_AUD_TREBLE_LABEL, Caption::IDCTREBLE},
    {IDC_AUD_VOLUME_LABEL, Caption::IDCVOLUME},
    {IDC_AUD_DEFAULT, Caption::IDCBTNDEFAULT},
    {kIdDialogOk, Caption::BAUDIOIDOK},
    {IDC_AUD_CHIP_AUDIO, Caption::IDCBUTTONAUDIO},
    {IDC_AUD_INPUT_LABEL, Caption::IDCAUDIOINPUTSOURCE},
    {IDC_AUD_RECORD_LABEL, Caption::IDCRECCON},
};

// The mask bit of each sound-mode control, as [AudioFormat] and command 45000 carry it.
constexpr struct {
  int control;
  int bit;
} kSoundModes[] = {
    {IDC_AUD_MONO, 1},       {IDC_AUD_STEREO, 2},          {IDC_AUD_MAIN, 16},
    {IDC_AUD_SECONDARY, 32}, {IDC_AUD_MAIN_SECONDARY, 64},
};
// Check boxes that behave as one exclusive group.
constexpr int kMainAudioGroup[] = {IDC_AUD_MAIN, IDC_AUD_SECONDARY, IDC_AUD_MAIN_SECONDARY};

constexpr int kDefaultVolume = 110;

struct Slider {
  int slider, box;
  const keys::Key* key;
  int max;
  int cachedCode;
  bool (*apply)(PanelContext&, int);
  cmd::Id post;  // 0: nothing goes to the video window
  int defaultValue;
};
// In the order they are read, set up and written.
constexpr Slider kSliders[] = {
    {IDC_AUD_BALANCE_SLIDER, IDC_AUD_BALANCE_EDIT, &keys::kBalance, 255, kCachedBalance, SetBalance,
     0, 128},
    {IDC_AUD_BASS_SLIDER, IDC_AUD_BASS_EDIT, &keys::kBass, 255, kCachedBass, SetBass,
     cmd::kVideoAudio1, 0},
    {IDC_AUD_TREBLE_SLIDER, IDC_AUD_TREBLE_EDIT, &keys::kTreble, 255, kCachedTreble, SetTreble,
     cmd::kVideoAudio2, 0},
    {IDC_AUD_VOLUME_SLIDER, IDC_AUD_VOLUME_EDIT, &keys::kVolume, 220, kCachedVolume, SetVolume, 0,
     kDefaultVolume},
};

constexpr int kListSlots = 20;              // [AudioDevice] and [RecordDevice] "0".."19"
constexpr std::uint32_t kBoxCapacity = 16;  // a number box's text as Close stores it
constexpr int kChipAudioResult = IDC_AUD_CHIP_AUDIO;

bool IsVolume(const Slider& s) {
  return s.key == &keys::kVolume;
}

// The panel's own volume and its readout follow the dialog's volume slider.
void FollowVolume(PanelContext& ctx, int volume) {
  ctx.ui.volume = volume;
  panel::DrawVolumeBar(ctx, volume);
}

void PostToVideo(PanelContext& ctx, cmd::Id id, std::intptr_t lParam) {
  if (commands::FindVideoWindow(ctx)) PostCommand(ctx.os.messenger, ctx.windows.video, id, lParam);
}

void SendToVideo(PanelContext& ctx, cmd::Id id, std::intptr_t lParam) {
  if (commands::FindVideoWindow(ctx)) SendCommand(ctx.os.messenger, ctx.windows.video, id, lParam);
}

// Appends every value of an indexed section that is not the missing-key sentinel.
void FillFromSection(DialogControls& dialog, int list, const IniFile& ini,
                     const keys::Section& section) {
  for (int n = 0; n < kListSlots; ++n) {
    const std::string name = ini.Text(section, n);
    if (name != section.text) dialog.AddItem(list, name);
  }
}

}  // namespace

void NoteSoundModes(PanelContext& ctx, int mask) {
  ctx.audio.modeMask = mask;
}

void ChipAudioClosed(PanelContext& ctx) {
  ctx.audio.chipAudioOpen = 0;
}

void OpenAudioDialog(PanelContext& ctx) {
  AudioDialog dialog(ctx);
  ctx.os.dialogs.RunModal(kAudioDialogTemplate, ctx.windows.panel, dialog);
}

void AudioDialog::OnInit(DialogControls& dialog) {
  dialog.SetTitle(ctx_.layout.Text(Caption::AUDIOSETTINGS_CAPTION));
  panel::SetDialogCaptions(dialog, ctx_.layout, kCaptions);
  // The video program answers with 42225 (NoteSoundModes) before this send returns.
  SendToVideo(ctx_, cmd::kVideoAudioDialog, 0);
  ShowModes(dialog);
  FillLines(dialog);
  ShowSliders(dialog);
}

void AudioDialog::ShowModes(DialogControls& dialog) {
  const int format = ctx_.settings.Int(keys::kAudioFormat);
  for (const auto& m : kSoundModes) {
    dialog.Enable(m.control, (ctx_.audio.modeMask & m.bit) != 0);
    dialog.Check(m.control, (format & m.bit) != 0);
  }
}

// An input line index that names no entry (-1, or beyond the list) shows no line chosen. Of
// several recording sources stored as chosen, the last one that is in the list is shown.
void AudioDialog::FillLines(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  FillFromSection(dialog, IDC_AUD_INPUT_LIST, ini, keys::kAudioLines);
  dialog.Select(IDC_AUD_INPUT_LIST, ini.Int(keys::kAudioInput, 0));

  FillFromSection(dialog, IDC_AUD_RECORD_LIST, ini, keys::kRecordSources);
  const int sources = dialog.ItemCount(IDC_AUD_RECORD_LIST);
  for (int n = 0; n < std::min(sources, kListSlots); ++n)
    if (ini.Int(keys::kRecordState, n, 0) == 1) dialog.Select(IDC_AUD_RECORD_LIST, n);
}

// A missing key shows what this program last set on the card, or 0 without a mixer. A stored
// value beyond the slider's range is shown as it is; the slider stands at its nearer end.
void AudioDialog::ShowSliders(DialogControls& dialog) {
  for (const Slider& s : kSliders) {
    dialog.SetSliderRange(s.slider, 0, s.max);
    int value = ctx_.settings.Int(*s.key, keys::kAudioDialogMissing);
    if (value == keys::kAudioDialogMissing) {
      value = 0;
      GetCachedValue(ctx_, s.cachedCode, value);
    }
    dialog.SetSliderPos(s.slider, value);
    dialog.SetText(s.box, DecimalText(value));
  }
}

void AudioDialog::OnScroll(DialogControls& dialog, int control, int) {
  const auto s = std::find_if(std::begin(kSliders), std::end(kSliders),
                              [control](const Slider& q) { return q.slider == control; });
  if (s == std::end(kSliders)) return;
  const int value = dialog.SliderPos(s->slider);
  dialog.SetText(s->box, DecimalText(value));
  s->apply(ctx_, value);
  if (s->post != 0) PostToVideo(ctx_, s->post, 0);
  if (IsVolume(*s)) FollowVolume(ctx_, value);
}

void AudioDialog::OnCommand(DialogControls& dialog, int control, int notification, std::intptr_t) {
  if (notification != kBnClicked) return;
  switch (control) {
    case kIdDialogOk:
      StoreSliders(dialog);
      StoreRecordSource(dialog);
      StoreInputLine(dialog);
      dialog.Close(1);
      return;
    case IDC_AUD_DEFAULT:
      RestoreDefaults(dialog);
      return;
    case IDC_AUD_ENTER:
      EnterSoundMode(dialog);
      return;
    case IDC_AUD_CHIP_AUDIO:
      OpenChipAudio(dialog);
      return;
    default:
      break;
  }
  const bool inGroup = std::find(std::begin(kMainAudioGroup), std::end(kMainAudioGroup), control) !=
                       std::end(kMainAudioGroup);
  if (!inGroup || !dialog.IsChecked(control)) return;
  for (int other : kMainAudioGroup)
    if (other != control) dialog.Check(other, false);
}

// Applied to the card at once, stored only by Close; nothing goes to the video window.
void AudioDialog::RestoreDefaults(DialogControls& dialog) {
  for (const Slider& s : kSliders) {
    dialog.SetSliderPos(s.slider, s.defaultValue);
    dialog.SetText(s.box, DecimalText(s.defaultValue));
  }
  for (const Slider& s : kSliders) s.apply(ctx_, s.defaultValue);
  FollowVolume(ctx_, kDefaultVolume);
}

// The boxes' texts as they are: a stored value beyond the range that no slider moved stays.
void AudioDialog::StoreSliders(DialogControls& dialog) {
  for (const Slider& s : kSliders) ctx_.settings.Write(*s.key, dialog.Text(s.box, kBoxCapacity));
}

// Exactly one source is stored as chosen; with none chosen in the list the stored states stay.
// The set-up then applies them to the card.
void AudioDialog::StoreRecordSource(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  const int chosen = dialog.Selection(IDC_AUD_RECORD_LIST);
  if (chosen >= 0) {
    for (int n = 0; n < kListSlots; ++n)
      if (ini.Int(keys::kRecordState, n, 0) == 1) ini.Write(keys::kRecordState, n, "0");
    ini.Write(keys::kRecordState, chosen, "1");
  }
  SetUpMixer(ctx_, 1);
}

// The video program takes its sound from elsewhere when the sound card's line is "None", so it
// is told when the choice crosses that entry.
void AudioDialog::StoreInputLine(DialogControls& dialog) {
  const IniFile& ini = ctx_.settings;
  const int chosen = dialog.Selection(IDC_AUD_INPUT_LIST);
  const int before = ini.Int(keys::kAudioInput, 0);
  if (chosen < 0 || chosen == before) return;
  ini.Write(keys::kAudioInput, chosen);
  SetUpMixer(ctx_, 1);
  if (ini.Text(keys::kAudioLines, chosen) == kNoInputLine ||
      ini.Text(keys::kAudioLines, before) == kNoInputLine)
    SendToVideo(ctx_, cmd::kVideoAudioInputChanged, 0);
}

void AudioDialog::EnterSoundMode(DialogControls& dialog) {
  int mask = 0;
  for (const auto& m : kSoundModes)
    if (dialog.IsChecked(m.control)) mask |= m.bit;
  ctx_.settings.Write(keys::kAudioFormat, mask);
  SendToVideo(ctx_, cmd::kVideoSoundMode, mask);
}

// Once open, the card's chip audio settings are not asked for again until the card reports
// them closed.
void AudioDialog::OpenChipAudio(DialogControls& dialog) {
  if (ctx_.audio.chipAudioOpen != 0) return;
  ctx_.audio.chipAudioOpen = 1;
  PostToVideo(ctx_, cmd::kVideoChipAudio, 0);
  StoreSliders(dialog);
  dialog.Close(kChipAudioResult);
}

}  // namespace tv::settings
