#include "tuning/side_list.h"

namespace tv::tuning {

// Rebuilds the items and the image list of the SideList (the channel list view owns them).
void FillSideList(PanelContext&) {}

}  // namespace tv::tuning
