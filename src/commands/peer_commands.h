#pragma once
// What the peer programs send the panel: acknowledgements, reports and requests from the video
// window program, its playback window and the schedule program. Each arrives as a WM_COMMAND
// and passes the command gate like any other.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::commands {

// "Value" arguments are the low 16 bits of lParam; the others take the whole lParam as the
// signed 32-bit number a peer put there, even where the platform's lParam is wider.
inline int LowWord(std::intptr_t lParam) {
  return static_cast<int>(lParam & 0xFFFF);
}
inline std::int32_t FullValue(std::intptr_t lParam) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(lParam & 0xFFFFFFFF));
}

// A peer asks the panel to end (ignored while a scan runs).
void PeerEndProgram(PanelContext& ctx, std::intptr_t lParam);

// Schedule program, 42222: lParam 0 asks whether the panel is free to record (private message
// 40040, wParam 1 when neither a recording nor a time shift runs); any other lParam asks the
// video program's answer to query 42227 (private message 40042, wParam the answer). A schedule
// program that is not there gets nothing.
void AnswerScheduleProgram(PanelContext& ctx, std::intptr_t lParam);

}  // namespace tv::commands
