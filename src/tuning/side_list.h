#pragma once
// The channel list beside the panel (the SideList): its fill from the channel store, the tuning
// of an activated entry, and the channel-name dialog of a right click.

#include <optional>
#include <string>
#include <string_view>

#include "app/panel_context.h"
#include "base/key_table.h"
#include "platform/dialog.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {

inline constexpr int kTvIcon = 1324;
inline constexpr int kRadioIcon = 1325;
inline constexpr int kChannelNameTemplate = IDD_CHANNEL_NAME;

// Refills the SideList from the current list of the channel store. Callers other than the
// opening of the channel list panel call it only while that panel is open and the list exists.
void FillSideList(PanelContext& ctx);
// The same, only while the panel is open and the list exists (the panel's command 44002).
void RefillSideListIfOpen(PanelContext& ctx);

// An activated entry (double click or Enter): tunes it, unless a video input is the source.
void ActivateSideListEntry(PanelContext& ctx);
// A right click with a selected entry: the channel-name dialog, modal to the panel.
void RunChannelNameDialog(PanelContext& ctx);

// Entry texts: "21: News" / "21:......." for the air, cable and FM lists (key as stored),
// "3:News" / "3:......." for the full-scan list.
enum class EntryStyle { Channel, FullScan };
std::string EntryText(EntryStyle style, std::string_view key,
                      const std::optional<std::string>& name);
// The entry's key: its text before the first ":".
std::string EntryKey(std::string_view text);

// The name section the dialog reads at its start and writes at Save: the full-scan names in
// full-scan mode, else FM names in FM mode, else air or cable by the band. At the start any
// AirBand other than 0 means air; at Save only 1 does.
enum class NameMoment { Start, Save };
const keys::Section& NameSectionFor(PanelContext& ctx, NameMoment moment);

// The dialog's controls.
namespace name_dialog {
inline constexpr int kKeyLabel = IDC_CHN_KEY_LABEL;
inline constexpr int kKeyEdit = IDC_CHN_KEY_EDIT;
inline constexpr int kNameLabel = IDC_CHN_NAME_LABEL;
inline constexpr int kNameEdit = IDC_CHN_NAME_EDIT;
inline constexpr int kSave = 1;
inline constexpr int kClose = 2;
}  // namespace name_dialog

// The dialog's behaviour: it reads the selected entry when it starts and keeps that key, so a
// refill of the list while it is open does not change what Save writes.
class ChannelNameDialog : public DialogHandler {
 public:
  explicit ChannelNameDialog(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  PanelContext& ctx_;
};

}  // namespace tv::tuning
