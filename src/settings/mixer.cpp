#include "settings/mixer.h"

namespace tv::settings {

// Until the mixer is wired to the sound card these take the path of a machine without a
// usable mixer: nothing to set up, nothing to change.
bool SetUpMixer(PanelContext&, int) {
  return false;
}
void SetVolume(PanelContext&, int) {}
void SetInputMute(PanelContext&, int) {}

}  // namespace tv::settings
