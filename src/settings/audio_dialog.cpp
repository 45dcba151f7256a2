#include "settings/audio_dialog.h"

namespace tv::settings {

// Stores the mask that decides which sound modes the dialog offers (the dialog owns it).
void NoteSoundModes(PanelContext&, int) {}

// Clears the dialog's "chip audio open" state (the dialog owns it).
void ChipAudioClosed(PanelContext&) {}

}  // namespace tv::settings
