#pragma once
// The record settings page as the video window program reaches it: which encoders the card
// has, answered during the page's sends 7791 and 7792.

#include "app/panel_context.h"

namespace tv::settings {

// 46203: whether the MPEG-4 encoder is available.
void NoteMpeg4Encoder(PanelContext& ctx, int available);
// 46204: whether the other encoder is available.
void NoteOtherEncoder(PanelContext& ctx, int available);

}  // namespace tv::settings
