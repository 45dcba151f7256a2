#pragma once
// The panel window's timers. Apart from the 333 ms tick every timer is one-shot: its handler
// stops it first and starts it again where the work repeats.

#include <cstdint>

#include "app/panel_context.h"

namespace tv::panel {

inline constexpr std::uint32_t kPanelTick = 40313;
inline constexpr std::uint32_t kPanelTickMs = 333;
inline constexpr std::uint32_t kTimerAutoRepeat = 117;
inline constexpr std::uint32_t kTimerDigitEntry = 118;
inline constexpr std::uint32_t kTimerChannelDown = 120;
inline constexpr std::uint32_t kTimerChannelUp = 121;
inline constexpr std::uint32_t kTimerVideoAdjustEnd = 122;
inline constexpr std::uint32_t kTimerVideoAdjustDown = 123;
inline constexpr std::uint32_t kTimerVideoAdjustUp = 124;
inline constexpr std::uint32_t kTimerFmUp = 125;
inline constexpr std::uint32_t kTimerFmDown = 126;
inline constexpr std::uint32_t kTimerTimeShiftBar = 127;
inline constexpr std::uint32_t kTimerSeekThrottle = 128;
inline constexpr std::uint32_t kTimerAudioAdjustEnd = 129;
inline constexpr std::uint32_t kTimerAudioAdjustUp = 130;
inline constexpr std::uint32_t kTimerAudioAdjustDown = 131;
inline constexpr std::uint32_t kTimerRecordArm = 2110;

void OnTimer(PanelContext& ctx, std::uint32_t id);

// Recorded time-shift length in units of 6 seconds, from the start time and the local clock.
int TimeShiftLength(PanelContext& ctx);
// The units of 6 seconds the full bar represents for a recorded length t.
int TimeShiftScale(int t);

}  // namespace tv::panel
