#include "tuning/country_setup.h"

namespace tv::tuning {

// The setup dialog is not wired yet: the panel starts without asking.
void RunCountrySetupDialog(PanelContext&) {}

}  // namespace tv::tuning
