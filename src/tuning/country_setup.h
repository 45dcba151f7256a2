#pragma once
// The first-start dialog that asks for the TV card, the audio input and the country, and
// stores them with the country's band data from the tuner library.

#include "app/panel_context.h"
#include "platform/dialog.h"

namespace tv::tuning {

// The dialog template in the program's resources, and its controls.
inline constexpr int kCountrySetupTemplate = 151;

namespace setup {
inline constexpr int kOk = kIdDialogOk;
inline constexpr int kDeviceGroup = 1180;
inline constexpr int kDeviceList = 1140;
inline constexpr int kAudioGroup = 1181;
inline constexpr int kAudioInputLabel = 1182;
inline constexpr int kAudioInputList = 1143;
inline constexpr int kRecordLabel = 1211;
inline constexpr int kRecordList = 1212;
inline constexpr int kCountryGroup = 1183;
inline constexpr int kOsCountryRadio = 1100;
inline constexpr int kCodeLabel = 1184;
inline constexpr int kCodeEdit = 1010;
inline constexpr int kChosenCountryRadio = 1101;
inline constexpr int kCountryList = 1099;
}  // namespace setup

// Country list positions for the calling codes that several countries share: the layout
// file's name list and the tuner library keep the country the operating system means there.
inline constexpr int kPositionOfCode1 = 228;
inline constexpr int kPositionOfCode7 = 180;

class CountrySetupDialog : public DialogHandler {
 public:
  explicit CountrySetupDialog(PanelContext& ctx) : ctx_(ctx) {}
  void OnInit(DialogControls& dialog) override;
  // The country list's selection, the two radio buttons and OK; everything else, Escape and
  // the close request included, leaves the dialog as it is.
  void OnCommand(DialogControls& dialog, int control, int notification,
                 std::intptr_t lParam) override;

 private:
  void SelectOsCountry(DialogControls& dialog);
  void ShowCodeOfChosenCountry(DialogControls& dialog);
  void Save(DialogControls& dialog);

  PanelContext& ctx_;
};

// The 244 country names of the current skin's button section (keys "1" to "244", a missing key
// as an empty entry), so that entry i is the tuner library's country i.
void AddCountryNames(PanelContext& ctx, DialogControls& dialog, int control);

// Runs the dialog modally, owned by the panel; returns when OK has stored the choice.
void RunCountrySetupDialog(PanelContext& ctx);

}  // namespace tv::tuning
