#include "tuning/side_list.h"

#include <algorithm>
#include <cstdlib>

#include "base/profile_snapshot.h"
#include "commands/command_ids.h"
#include "commands/video_window.h"
#include "panel/lcd.h"
#include "panel/layout.h"
#include "tuning/channel_store.h"

namespace tv::tuning {
namespace {

constexpr std::uint32_t kEntryCapacity = 260;
constexpr int kIconSize = 16;
// A list longer than this is a broken settings file, not a channel list: the fill stops there.
constexpr int kMostEntries = 1000;
constexpr int kFmLcdTuned = 4;
constexpr const char* kNoNameDots = ":.......";

using panel::Caption;

void Insert(PanelContext& ctx, int position, const std::string& text) {
  ctx.os.lists.InsertItem(ctx.windows.sideList, ListItem{position, text, 0, 0});
}

void Clear(PanelContext& ctx) {
  ctx.os.lists.RemoveAllImages(ctx.windows.sideList, ImageSet::Small);
  ctx.os.lists.DeleteAllItems(ctx.windows.sideList);
}

int Capped(int count) {
  return count > kMostEntries ? kMostEntries : count;
}

void FillFullScan(PanelContext& ctx, const IniFile& ini) {
  const int count = Capped(FullScanCount(ini));
  for (int i = 1; i <= count; ++i)
    Insert(ctx, i,
           EntryText(EntryStyle::FullScan, DecimalText(i),
                     ChannelName(ini, keys::kFullScanNames, i, NameReader::ChannelListView)));
}

void FillBand(PanelContext& ctx, const IniFile& ini, Band band) {
  const ChannelRange range = BandRange(ctx.channels, band);
  int position = 0;
  // Broken limits must not make the panel read the file a billion times.
  const long long last = std::min<long long>(range.highest, 0LL + range.lowest + kMostEntries - 1);
  for (long long n = range.lowest; n <= last; ++n) {
    const int channel = static_cast<int>(n);
    if (!InList(ini, band, channel)) continue;
    Insert(ctx, position++,
           EntryText(EntryStyle::Channel, DecimalText(channel),
                     ChannelName(ini, NameSection(band), channel, NameReader::ChannelListView)));
  }
}

void FillFm(PanelContext& ctx, const IniFile& ini) {
  const int count = Capped(FmCount(ini));
  for (int i = 1; i <= count; ++i) {
    const std::string value = ini.Text(keys::kFmList, i, "");
    Insert(ctx, i,
           EntryText(EntryStyle::Channel, value,
                     ChannelName(ini, keys::kFmNames, value, NameReader::ChannelListView)));
  }
}

// The entry the single-entry actions work on: the list's selection mark.
std::optional<std::string> MarkedEntry(PanelContext& ctx) {
  const WindowRef list = ctx.windows.sideList;
  if (!list) return std::nullopt;
  const int item = ctx.os.lists.SelectionMark(list);
  if (item < 0) return std::nullopt;
  return ctx.os.lists.ItemText(list, item, 0, kEntryCapacity);
}

}  // namespace

std::string EntryText(EntryStyle style, std::string_view key,
                      const std::optional<std::string>& name) {
  std::string text(key);
  if (!name) return text + kNoNameDots;
  return text + (style == EntryStyle::FullScan ? ":" : ": ") + *name;
}

std::string EntryKey(std::string_view text) {
  return std::string(text.substr(0, text.find(':')));
}

void FillSideList(PanelContext& ctx) {
  const WindowRef list = ctx.windows.sideList;
  if (!list) return;
  const RedrawHold hold(ctx.os.lists, list);
  Clear(ctx);
  ctx.os.lists.NewImageList(list, ImageSet::Small, Size{kIconSize, kIconSize}, 1, 0);
  ctx.os.lists.AddIcon(list, ImageSet::Small, ctx.mode.fmMode == 1 ? kRadioIcon : kTvIcon);
  // The video program may have rescanned with another country: the limits are read again.
  RefreshBandLimits(ctx);

  // Up to a few hundred keys: the settings file is read once for the fill, not once a key.
  ProfileSnapshot snapshot(ctx.settings.Source(), ctx.settings.Path());
  const IniFile ini(snapshot, ctx.settings.Path());
  if (FullScanMode(ini)) {
    FillFullScan(ctx, ini);
    return;  // the full-scan list shows even for the video inputs
  }
  if (ctx.mode.fmMode == 0)
    FillBand(ctx, ini, CurrentBand(ctx.mode));
  else if (ctx.mode.airBand == 0)
    FillFm(ctx, ini);
  if (ctx.mode.videoInput == 1) Clear(ctx);
}

void RefillSideListIfOpen(PanelContext& ctx) {
  if (ctx.ui.sideOpen == 1 && ctx.windows.sideList) FillSideList(ctx);
}

void ActivateSideListEntry(PanelContext& ctx) {
  if (ctx.mode.videoInput == 1) return;
  const std::optional<std::string> entry = MarkedEntry(ctx);
  if (!entry) return;
  const std::string key = EntryKey(*entry);
  const int value = std::atoi(key.c_str());
  const IniFile& ini = ctx.settings;
  const WindowRef video = commands::FindVideoWindow(ctx);

  if (ctx.mode.fmMode == 1) {
    // The radio tunes before the panel shows the frequency: the send waits for the card.
    SendCommand(ctx.os.messenger, video, cmd::kVideoTuneFm, value);
    ini.Write(keys::kFmChannel, key);
    panel::DrawFmFrequency(ctx, value, kFmLcdTuned);
    return;
  }
  if (FullScanMode(ini)) {
    ini.Write(keys::kFullScanNow, key);
    PostCommand(ctx.os.messenger, video, cmd::kVideoTuneChannel, value);
    return;
  }
  // Choosing from the list is not a channel step: the recall channel stays as it was.
  ctx.channels.currentChannel = value;
  PostCommand(ctx.os.messenger, video, cmd::kVideoTuneChannel, value);
  panel::DrawChannelNumber(ctx, value);
  ini.Write(ChannelKey(CurrentBand(ctx.mode)), key);
}

void RunChannelNameDialog(PanelContext& ctx) {
  if (!MarkedEntry(ctx)) return;
  ChannelNameDialog dialog(ctx);
  ctx.os.dialogs.RunModal(kChannelNameTemplate, ctx.windows.panel, dialog);
}

const keys::Section& NameSectionFor(PanelContext& ctx, NameMoment moment) {
  if (FullScanMode(ctx.settings)) return keys::kFullScanNames;
  if (ctx.mode.fmMode == 1) return keys::kFmNames;
  const bool air = moment == NameMoment::Start ? ctx.mode.airBand != 0 : ctx.mode.airBand == 1;
  return air ? keys::kAirNames : keys::kCableNames;
}

void ChannelNameDialog::OnInit(DialogControls& dialog) {
  const panel::PanelLayout& layout = ctx_.layout;
  dialog.SetTitle(layout.Text(Caption::IDDDIALOGEDITNAME));
  dialog.SetText(name_dialog::kKeyLabel, layout.Text(Caption::IDCSTATICCH));
  dialog.SetText(name_dialog::kNameLabel, layout.Text(Caption::IDCSTATICNAME));
  dialog.SetText(name_dialog::kSave, layout.Text(Caption::IDOKSVAE));
  dialog.SetText(name_dialog::kClose, layout.Text(Caption::IDCANCELCLOSE));

  const std::string key = EntryKey(MarkedEntry(ctx_).value_or(""));
  dialog.SetText(name_dialog::kKeyEdit, key);
  const std::optional<std::string> name = ChannelName(
      ctx_.settings, NameSectionFor(ctx_, NameMoment::Start), key, NameReader::NameDialog);
  if (name) dialog.SetText(name_dialog::kNameEdit, *name);
}

void ChannelNameDialog::OnCommand(DialogControls& dialog, int control, int notification,
                                  std::intptr_t) {
  if (notification != kBnClicked) return;
  if (control == name_dialog::kClose) {
    dialog.Close(name_dialog::kClose);
    return;
  }
  if (control != name_dialog::kSave) return;
  const std::string key = dialog.Text(name_dialog::kKeyEdit, kEntryCapacity);
  // Without a key the name would land under an empty key name.
  if (key.empty()) return;
  const std::string name = dialog.Text(name_dialog::kNameEdit, kEntryCapacity);
  ctx_.settings.RawWrite(NameSectionFor(ctx_, NameMoment::Save).name, key.c_str(), name.c_str());
  RefillSideListIfOpen(ctx_);
}

}  // namespace tv::tuning
