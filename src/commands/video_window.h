#pragma once
// The peer programs as the commands reach them: looked up by class and title before every use
// (a found handle is remembered in the context but never trusted across commands), the video
// window program started, and the question whether the radio may be offered.

#include <string>

#include "app/panel_context.h"

namespace tv::commands {

WindowRef FindVideoWindow(PanelContext& ctx);
WindowRef FindPlaybackWindow(PanelContext& ctx);
// Title from the layout's "IDS_PLANNER_DIALOG", any class.
WindowRef FindScheduleWindow(PanelContext& ctx);

// win.ini [AP] "907APDirectory", or the current directory when that is empty: where the
// video window and schedule programs are.
std::string ProgramDirectory(PanelContext& ctx);

// Marks the video program busy until it acknowledges, and starts AppDirectory (or, when that is
// empty, the current directory) + "\screen.ex_" with the given show state. The result of the
// start is not looked at: a program that never comes leaves the panel busy.
void StartVideoProgram(PanelContext& ctx, int showState);

// The end of a launch when the band was never scanned (the source command decides, after it
// has shown the channel): the panel waits 6000 ms on its own thread, then posts itself the scan.
void ScanAfterLaunch(PanelContext& ctx);

// Query 42227: sends it to the video window and returns the answer the peer sent back during
// the call (the previous answer, initially 1, when it sent none).
int QueryRadio(PanelContext& ctx);

// The source command for the stored [TovixCrossbar] "InputSource", posted to the panel itself;
// nothing for values other than 1..5.
void ReselectStoredSource(PanelContext& ctx);

}  // namespace tv::commands
