#include "settings/record_page.h"

namespace tv::settings {

// Sets the page's MPEG-4 availability flag, which nothing clears (the record page owns it).
void NoteMpeg4Encoder(PanelContext&, int) {}

// Sets the page's other-encoder availability flag, which nothing clears (the record page owns it).
void NoteOtherEncoder(PanelContext&, int) {}

}  // namespace tv::settings
