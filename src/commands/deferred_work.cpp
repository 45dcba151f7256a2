#include "commands/deferred_work.h"

namespace tv::commands {

// Each body stays empty until its feature lands; the callers already run at the right moment.

void CompleteChannelEntry(PanelContext&) {}  // channel-number entry owns the typed digits
void StepChannel(PanelContext&, int) {}      // channel stepping owns the channel store walk
void StepFm(PanelContext&, int) {}           // FM tuning owns the frequency list and limits

void EndVideoAdjust(PanelContext&) {}        // picture adjustment owns its mode and cycle
void VideoAdjustStep(PanelContext&, int) {}  // picture adjustment owns ranges and peer posts
void EndAudioAdjust(PanelContext&) {}        // tone adjustment owns its mode and cycle
void AudioAdjustStep(PanelContext&, int) {}  // tone adjustment owns ranges and the mixer

void NoteMixerReady(PanelContext&, bool) {}  // the mixer feature decides what a missing card means

void SortFileList(PanelContext&, int) {}      // the captured-files browser owns its sort order
void TuneSideListChannel(PanelContext&) {}    // the channel list view owns its items
void OpenChannelNameDialog(PanelContext&) {}  // the channel list view owns the name dialog

}  // namespace tv::commands
