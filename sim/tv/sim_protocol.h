#pragma once
// What the simulated card adds to the shared vocabulary: its own settings key, the two
// commands it sends to the panel's fully-scan state dialog, the dialog's controls by which it
// is recognised, and the name of the protocol trace. Everything else comes from
// app/key_table.h and commands/command_ids.h.

#include <cstdint>

#include "app/key_table.h"
#include "commands/command_ids.h"

namespace tv::sim {

// [SimulatedCard] "Radio": 1 (default) the card has an FM receiver, 0 it has none; the answer
// to query 42227.
inline constexpr keys::Key kRadioPresent{.section = "SimulatedCard", .name = "Radio", .number = 1};

// To the fully-scan state dialog while a full scan sweeps: the frequency now (10 kHz units)
// and whether a station was found there (lParam not 0).
inline constexpr cmd::Id kScanDialogFrequency = 47000;
inline constexpr cmd::Id kScanDialogFound = 47001;

// The state dialog is a top-level dialog of the panel with these two read-only edits.
inline constexpr int kScanDialogFrequencyEdit = 1157;
inline constexpr int kScanDialogStateEdit = 1166;

// The protocol trace, truncated at start, in the settings file's folder.
inline constexpr const char* kTraceFileName = "screen-trace.txt";

// The card's picture: internal frame size, scaled to the window.
inline constexpr int kFrameWidth = 640;
inline constexpr int kFrameHeight = 480;

}  // namespace tv::sim
