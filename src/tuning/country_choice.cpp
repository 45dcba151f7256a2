#include "tuning/country_choice.h"

#include "base/key_table.h"
#include "tuning/tuning_dialog_ids.h"

namespace tv::tuning {

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

// The country choices reset the channel plan; they belong to the country feature.
void ChooseCountry(PanelContext&, DialogControls&, int, int) {}

}  // namespace tv::tuning
