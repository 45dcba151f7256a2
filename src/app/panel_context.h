#pragma once
// All state of the running panel, created once at start-up and passed by reference. The INI
// files are not mirrored here: every value that another program may change is read from the
// file at the moment of use.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/locations.h"
#include "base/power_features.h"
#include "base/settings_file.h"
#include "panel/layout.h"
#include "platform/platform.h"
#include "platform/tuner_library.h"

namespace tv {

// The flags every command checks (process-wide signed 32-bit values, 0 or 1 unless noted).
struct ModeFlags {
  int videoBusy = 0;  // a command awaits the video program's acknowledgement 40113
  int tvClosed = 0;   // the TV was closed and the panel sits in the tray
  int airScan = 0;
  int cableScan = 0;
  int fmScan = 0;
  int fmMode = 0;         // the source is FM radio
  int videoInput = 0;     // the source is composite or S-Video: no channels
  int airBand = 0;        // 1 air, 0 cable
  int currentSource = 1;  // 1 FM, 2 air, 3 cable, 4 composite, 5 S-Video
  int recording = 0;
  int timeShift = 0;
  int snapshotBusy = 1;
  int scheduleActive = 0;
  int peerAnswer = 1;  // the video program's last answer to query 42227
  int previewActive = 0;
  int scanDialogOpen = 0;
  int recordArmed = 1;
  int scheduleOpen = 0;  // the schedule program was running when last asked for; 40116 clears it
};

// The panel window's own state: shape, pointer, held buttons, bars.
struct PanelUi {
  int hoverIndex = panel::kNoButton;
  bool overButton = false;
  bool buttonHeld = false;
  bool sliderDragging = false;
  bool seekThrottle = false;
  int sliderX = 0;
  int volume = 128;  // 0..220
  int muted = 0;
  int visible = 0;
  int downOpen = 0;
  int sideOpen = 0;         // the channel list is unfolded
  int contentOffset = 0;    // added to the x of the artwork while the side list is on the left
  int listsSuppressed = 0;  // the peer asked to hide the side panels
};

struct ChannelState {
  int currentChannel = 0;
  int fm100kHz = 0;  // the FM frequency tuned now
  int minAirChannel = 0, maxAirChannel = 0;
  int minCableChannel = 0, maxCableChannel = 0;
};

// Channel numbers and FM frequencies typed on the number buttons, between presses.
struct ChannelEntry {
  int digitState = 0;  // 0..3: how far a typed channel number has got
  int typedNumber = 0;
  int immediate = 0;             // the typed number is complete and needs no wait
  std::uint32_t digitTimer = 0;  // the running entry timer (118), 0 when none
  std::uint8_t fmDigits = 0;     // 0..4
  int fmTyped = 875;             // 100 kHz units
};

// The picture values the adjustment keys step; stored back when the program ends.
struct PictureValues {
  int brightness = 128;
  int contrast = 68;
  int hue = 0;
  int saturation = 64;
};

// The picture and tone adjustment modes of the plus and minus keys (1 brightness, 2 contrast,
// 3 hue, 4 saturation; 1 balance, 2 bass, 3 treble).
struct AdjustModes {
  int pictureCycle = 1;  // the quantity the next "V" shows
  int pictureQuantity = 1;
  int pictureMode = 0;
  int soundCycle = 1;
  int soundQuantity = 1;
  int soundMode = 0;
  int mixerReady = 0;  // the window's creation found a usable mixer; mute needs one
};

// The sound card's mixer as set up at window creation; the one mixer of the program.
struct MixerState {
  int ready = 0;
  std::uint32_t device = 0;
  std::optional<std::uint32_t> volumeControl, bassControl, trebleControl;  // of the speakers
  std::uint32_t channels = 0;                                              // of the speakers
  std::uint32_t inputMuteControl = 0;                                      // 0: none
  // What this program last set, as the audio dialog shows it for keys not yet stored.
  std::uint8_t volume = 0, balance = 128, bass = 0, treble = 0;
  int busy = 0;
};

// What the audio dialog keeps between openings: the sound modes the video program offers
// (its answer 42225; mono only until it answers) and whether the card's own chip audio
// settings are open (its 46102 clears it).
struct AudioDialogState {
  int modeMask = 1;
  int chipAudioOpen = 0;
};

struct TimeShiftClock {
  int startHour = 0, startMinute = 0, startSecond = 0;
  int scale = 100;  // units of 6 seconds that the full bar represents
  // DeleteTempFile: the misc page's box mirrors it, and each stop records whether it deleted
  // the time-shift file.
  int deleteTempFlag = 0;
};

// The captured-files list: the texts of each slot ("qv" + two digits), which the items point to
// by their parameter and the sort reads, and the list's view mode (1 icon, 2 list, 3 report).
struct CapturedFileTexts {
  std::string name, size, type, time, path;
};
struct CapturedFilesState {
  static constexpr int kSlots = 100;
  std::array<CapturedFileTexts, kSlots> slots;
  int viewMode = 1;
};

// Windows the panel knows; peers are looked up again before every use.
struct KnownWindows {
  WindowRef panel;
  WindowRef video;
  WindowRef playback;
  WindowRef schedule;
  WindowRef downList;
  WindowRef sideList;
  // The TV settings page, remembered when it opens and never forgotten: after the sheet has
  // closed, a scan's end still addresses it and the message is lost.
  WindowRef tvPage;
};

// The settings sheet while it is open. Pages are created when first shown, so a page that
// another page or a peer's command writes to may not exist yet: its controls are null until
// it has been shown, and again once the sheet has closed.
inline constexpr int kSheetPageCount = 5;
// The TV settings page's keypad and its video standard request: kept while the sheet is closed,
// so a number half typed before is still pending when the page opens again.
struct TvPageState {
  int keypadState = 0;  // digits typed since the last Enter: 0..3
  int keypadValue = 0;
  int videoStandardOpen = 0;  // the video program's standard dialog is open until 46103
};
struct SettingsSheetState {
  int open = 0;
  std::array<DialogControls*, kSheetPageCount> pages{};  // in the order of the tabs
  // The video page's last values sent to the video window; kept between openings.
  PictureValues videoSent;
  TvPageState tvPage;
  // The encoders the video program last reported (46203, 46204) for the record page; only its
  // answers change them.
  int mpeg4Available = 0;
  int otherAvailable = 0;
};

struct PanelContext {
  PanelContext(Platform& platform, Locations locations)
      : os(platform),
        where(std::move(locations)),
        settings(platform.profile, where.settingsIni),
        panelIni(platform.profile, where.panelIni) {}

  // The installation was located (start-up builds the context before it knows where).
  void SetLocations(Locations locations) {
    where = std::move(locations);
    settings = IniFile(os.profile, where.settingsIni);
    panelIni = IniFile(os.profile, where.panelIni);
  }

  Platform& os;
  Locations where;
  IniFile settings;
  IniFile panelIni;
  panel::PanelLayout layout;
  ModeFlags mode;
  PanelUi ui;
  ChannelState channels;
  ChannelEntry entry;
  PictureValues picture;
  AdjustModes adjust;
  MixerState mixer;
  AudioDialogState audio;
  TimeShiftClock timeShift;
  KnownWindows windows;
  CapturedFilesState capturedFiles;
  SettingsSheetState sheet;
  SavedPowerFlags power;
  TunerLibrary* tuner = nullptr;  // bound at start, kept for the life of the process
  int countryCount = 0;

  PanelShape Shape() const {
    if (ui.downOpen && ui.sideOpen) return PanelShape::All;
    if (ui.downOpen) return PanelShape::Down;
    if (ui.sideOpen) return PanelShape::Side;
    return PanelShape::Closed;
  }
};

// The window names the peers rely on.
inline constexpr const char* kPanelClass = "Brivanta Zentaro";
inline constexpr const char* kPanelTitle = "Panel";
inline constexpr const char* kVideoClass = "Brivanta Tovix";
inline constexpr const char* kVideoTitle = "Tv";
inline constexpr const char* kPlaybackClass = "PlayWndMediaPlayer";
inline constexpr const char* kPlaybackTitle = "PlayWnd Media Player";

}  // namespace tv
