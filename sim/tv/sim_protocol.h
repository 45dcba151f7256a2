#pragma once
// The simulated card's own names: short aliases of its key and of the two commands it sends
// to the panel's fully-scan state dialog (both named in the shared headers), the dialog's
// controls by which it is recognised, and the name of the protocol trace.

#include <cstdint>

#include "base/key_table.h"
#include "commands/command_ids.h"

namespace tv::sim {

inline constexpr const keys::Key& kRadioPresent = keys::kSimulatedRadio;
inline constexpr cmd::Id kScanDialogFrequency = cmd::kScanDialogFrequency;
inline constexpr cmd::Id kScanDialogFound = cmd::kScanDialogFound;

// The state dialog is a top-level dialog of the panel with these two read-only edits.
inline constexpr int kScanDialogFrequencyEdit = 1157;
inline constexpr int kScanDialogStateEdit = 1166;

// The protocol trace, truncated at start, in the settings file's folder.
inline constexpr const char* kTraceFileName = "screen-trace.txt";

// The card's picture: internal frame size, scaled to the window.
inline constexpr int kFrameWidth = 640;
inline constexpr int kFrameHeight = 480;

}  // namespace tv::sim
