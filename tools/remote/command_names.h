#pragma once
// The remote's names for every command the panel accepts: its own (buttons, keys, menus,
// self-posted follow-ups) and those its peers send it. Names are lower case with dashes and
// are matched without regard to case.

#include <optional>
#include <span>
#include <string_view>

#include "commands/command_ids.h"
#include "arguments.h"

namespace tv::remote {

enum class CommandOrigin { Panel, Peer };

struct CommandName {
  const char* name;
  cmd::Id id;
  CommandOrigin origin;
};

inline constexpr CommandOrigin kPanel = CommandOrigin::Panel;
inline constexpr CommandOrigin kPeer = CommandOrigin::Peer;

inline constexpr CommandName kCommandNames[] = {
    // Buttons of the skin.
    {"digit-0", cmd::kDigit0, kPanel},
    {"digit-1", cmd::kDigit0 + 1, kPanel},
    {"digit-2", cmd::kDigit0 + 2, kPanel},
    {"digit-3", cmd::kDigit0 + 3, kPanel},
    {"digit-4", cmd::kDigit0 + 4, kPanel},
    {"digit-5", cmd::kDigit0 + 5, kPanel},
    {"digit-6", cmd::kDigit0 + 6, kPanel},
    {"digit-7", cmd::kDigit0 + 7, kPanel},
    {"digit-8", cmd::kDigit0 + 8, kPanel},
    {"digit-9", cmd::kDigit9, kPanel},
    {"volume-down", cmd::kVolumeDown, kPanel},
    {"volume-up", cmd::kVolumeUp, kPanel},
    {"channel-down", cmd::kChannelDown, kPanel},
    {"channel-up", cmd::kChannelUp, kPanel},
    {"source-air", cmd::kSourceAir, kPanel},
    {"source-cable", cmd::kSourceCable, kPanel},
    {"source-composite", cmd::kSourceComposite, kPanel},
    {"source-svideo", cmd::kSourceSVideo, kPanel},
    {"source-fm", cmd::kSourceFm, kPanel},
    {"add-channel", cmd::kAddChannel, kPanel},
    {"remove-channel", cmd::kRemoveChannel, kPanel},
    {"close-tv", cmd::kCloseTv, kPanel},
    {"minimize", cmd::kMinimize, kPanel},
    {"about", cmd::kAbout, kPanel},
    {"record", cmd::kRecord, kPanel},
    {"play", cmd::kPlay, kPanel},
    {"forward", cmd::kForward, kPanel},
    {"back", cmd::kBack, kPanel},
    {"pause", cmd::kPause, kPanel},
    {"stop", cmd::kStop, kPanel},
    {"time-shift", cmd::kTimeShift, kPanel},
    {"mute", cmd::kMute, kPanel},
    {"snapshot", cmd::kSnapshot, kPanel},
    {"schedule", cmd::kSchedule, kPanel},
    {"preview", cmd::kPreview, kPanel},
    {"settings", cmd::kSettings, kPanel},
    {"scan", cmd::kScan, kPanel},
    {"next-skin", cmd::kNextSkin, kPanel},
    {"toggle-down", cmd::kToggleDownPart, kPanel},
    {"email", cmd::kFileEmailButton, kPanel},
    {"list-view", cmd::kListViewMode, kPanel},
    {"open-snapshot", cmd::kOpenSnapshot, kPanel},
    {"open-movie", cmd::kOpenMovie, kPanel},
    {"teletext", cmd::kTeletext, kPanel},
    {"audio-settings", cmd::kAudioSettings, kPanel},
    {"toggle-side", cmd::kToggleSidePart, kPanel},
    {"website", cmd::kWebsite, kPanel},
    // Keys.
    {"recall", cmd::kRecall, kPanel},
    {"air-cable", cmd::kAirCableSwitch, kPanel},
    {"cycle-source", cmd::kCycleSource, kPanel},
    {"audio-adjust", cmd::kAudioAdjustMode, kPanel},
    {"video-adjust", cmd::kVideoAdjustMode, kPanel},
    {"sound-mode", cmd::kSoundModeKey, kPanel},
    {"plus", cmd::kPlus, kPanel},
    {"minus", cmd::kMinus, kPanel},
    {"full-screen", cmd::kFullScreen, kPanel},
    // Tray and file menus, and the panel's own follow-ups.
    {"tray-toggle", cmd::kTrayShowHide, kPanel},
    {"end-program", cmd::kTrayClose, kPanel},
    {"reopen-tv", cmd::kReopenTv, kPanel},
    {"file-edit", cmd::kFileEdit, kPanel},
    {"file-save-as", cmd::kFileSaveAs, kPanel},
    {"file-delete", cmd::kFileDelete, kPanel},
    {"file-email", cmd::kFileEmail, kPanel},
    {"file-delete-all", cmd::kFileDeleteAll, kPanel},
    {"refill-channel-list", cmd::kRefillChannelList, kPanel},
    // From the video window program, its playback window and the schedule program.
    {"peer-end-program", cmd::kPeerEndProgram, kPeer},
    {"snapshot-done", cmd::kPeerSnapshotDone, kPeer},
    {"snapshot-done-2", cmd::kPeerSnapshotDone2, kPeer},
    {"channel-changed", cmd::kPeerChannelChanged, kPeer},
    {"scan-ended", cmd::kPeerScanEnded, kPeer},
    {"peer-ready", cmd::kPeerReady, kPeer},
    {"recording-state", cmd::kPeerRecordingState, kPeer},
    {"preview-ended", cmd::kPeerPreviewEnded, kPeer},
    {"schedule-closed", cmd::kPeerScheduleClosed, kPeer},
    {"captured-file", cmd::kPeerCapturedFile, kPeer},
    {"files-panel-closed", cmd::kPeerFilesPanelClosed, kPeer},
    {"record-size", cmd::kPeerRecordSize, kPeer},
    {"time-shift-position", cmd::kTimeShiftPosition, kPeer},
    {"record-time", cmd::kPeerRecordTime, kPeer},
    {"recording-ended", cmd::kPeerRecordingEnded, kPeer},
    {"playback-seconds", cmd::kPeerPlaybackSeconds, kPeer},
    {"side-panels", cmd::kPeerSidePanels, kPeer},
    {"schedule-ask", cmd::kScheduleAsk, kPeer},
    {"schedule-active", cmd::kScheduleActive, kPeer},
    {"tuned-channel", cmd::kPeerTunedChannel, kPeer},
    {"audio-answer", cmd::kPeerAudioAnswer, kPeer},
    {"radio-answer", cmd::kQueryRadio, kPeer},
    {"reselect-source", cmd::kPeerReselectSource, kPeer},
    {"ask-time-shift-start", cmd::kPeerAskTimeShiftStart, kPeer},
    {"audio-done", cmd::kPeerAudioDone, kPeer},
    {"tv-page-done", cmd::kPeerTvPageDone, kPeer},
    {"record-page-answer-1", cmd::kPeerRecordPageAnswer1, kPeer},
    {"record-page-answer-2", cmd::kPeerRecordPageAnswer2, kPeer},
    {"sound-card-volume", cmd::kPeerSoundCardVolume, kPeer},
};

inline std::optional<cmd::Id> CommandByName(std::string_view name) {
  for (const CommandName& c : kCommandNames)
    if (SameName(c.name, name)) return c.id;
  return std::nullopt;
}

// The first name of an id, for messages; null when the id has none.
inline const char* NameOfCommand(cmd::Id id) {
  for (const CommandName& c : kCommandNames)
    if (c.id == id) return c.name;
  return nullptr;
}

// A command given on the command line: a name, or a raw id 0..65535 in decimal or hex.
inline std::optional<cmd::Id> ParseCommand(std::string_view text) {
  if (const auto byName = CommandByName(text)) return byName;
  const std::optional<long long> number = ParseInteger(text);
  if (number && *number >= 0 && *number <= 0xFFFF) return static_cast<cmd::Id>(*number);
  return std::nullopt;
}

}  // namespace tv::remote
