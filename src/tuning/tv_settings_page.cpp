#include "tuning/tv_settings_page.h"

namespace tv::tuning {

// Clears the page's "video standard dialog open" state (the TV settings page owns it).
void VideoStandardDialogClosed(PanelContext&) {}

}  // namespace tv::tuning
