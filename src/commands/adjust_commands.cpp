// Volume, mute, and the picture and tone adjustment modes.
#include "commands/command_table.h"
#include "commands/deferred_work.h"

namespace tv::commands {

void EndVideoAdjust(PanelContext&) {}
void VideoAdjustStep(PanelContext&, int) {}
void EndAudioAdjust(PanelContext&) {}
void AudioAdjustStep(PanelContext&, int) {}
void NoteMixerReady(PanelContext&, bool) {}

HandlerTable AdjustCommandHandlers() {
  return {};
}

}  // namespace tv::commands
