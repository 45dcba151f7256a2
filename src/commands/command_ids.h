#pragma once
// Every command id of the panel and of its protocol with the video window program, the
// playback window and the schedule program. All travel as WM_COMMAND (273): wParam low word =
// id, lParam = one integer. The panel, the simulated card and the remote include this header;
// no other file spells a command number.

#include <cstdint>

namespace tv::cmd {

using Id = std::uint16_t;

// ---- the panel's own commands: buttons, keys, menus, self-posted follow-ups ----------------
inline constexpr Id kTrayShowHide = 32771;  // tray icon double click
inline constexpr Id kTrayClose = 32772;     // tray menu "Close": end the program
inline constexpr Id kFileEdit = 32775;      // captured-file menu
inline constexpr Id kFileSaveAs = 32776;
inline constexpr Id kFileDelete = 32777;
inline constexpr Id kFileEmail = 32778;
inline constexpr Id kFileDeleteAll = 32779;
inline constexpr Id kAbout = 40002;
inline constexpr Id kVolumeDown = 40005;
inline constexpr Id kVolumeUp = 40006;
inline constexpr Id kChannelDown = 40007;
inline constexpr Id kChannelUp = 40008;
inline constexpr Id kMinimize = 40009;
inline constexpr Id kSourceComposite = 40010;
inline constexpr Id kSourceSVideo = 40011;
inline constexpr Id kSourceAir = 40012;
inline constexpr Id kAddChannel = 40014;
inline constexpr Id kRemoveChannel = 40015;
inline constexpr Id kRecord = 40016;
inline constexpr Id kPlay = 40017;
inline constexpr Id kCloseTv = 40018;
inline constexpr Id kForward = 40029;
inline constexpr Id kBack = 40030;
inline constexpr Id kPause = 40031;
inline constexpr Id kStop = 40032;
inline constexpr Id kSourceCable = 40034;
inline constexpr Id kMute = 40037;
inline constexpr Id kTimeShift = 40038;
inline constexpr Id kSourceFm = 40039;
inline constexpr Id kSnapshot = 40040;
inline constexpr Id kSchedule = 40041;
inline constexpr Id kPreview = 40042;
inline constexpr Id kSettings = 40043;
inline constexpr Id kScan = 40044;
inline constexpr Id kNextSkin = 40045;
inline constexpr Id kDigit0 = 40100;  // 40100..40109: digits 0..9
inline constexpr Id kDigit9 = 40109;
inline constexpr Id kRecall = 40112;
inline constexpr Id kToggleDownPart = 40117;
inline constexpr Id kFileEmailButton = 40118;
inline constexpr Id kListViewMode = 40119;
inline constexpr Id kOpenSnapshot = 40120;
inline constexpr Id kOpenMovie = 40121;
inline constexpr Id kTeletext = 40122;
inline constexpr Id kAudioSettings = 40123;
inline constexpr Id kToggleSidePart = 40316;
inline constexpr Id kAirCableSwitch = 40318;
inline constexpr Id kCycleSource = 40319;
inline constexpr Id kAudioAdjustMode = 40320;
inline constexpr Id kVideoAdjustMode = 40321;
inline constexpr Id kSoundModeKey = 40322;
inline constexpr Id kPlus = 40323;
inline constexpr Id kMinus = 40324;
inline constexpr Id kFullScreen = 40325;
inline constexpr Id kReopenTv = 44000;
inline constexpr Id kWebsite = 44001;
inline constexpr Id kRefillChannelList = 44002;

// ---- commands the panel accepts from the peers -------------------------------------------
inline constexpr Id kPeerEndProgram = 105;
inline constexpr Id kPeerSnapshotDone = 14526;
inline constexpr Id kPeerChannelChanged = 40110;
inline constexpr Id kPeerScanEnded = 40111;
inline constexpr Id kPeerReady =
    40113;  // acknowledgement of a start, source switch or playback command
inline constexpr Id kPeerRecordingState = 40114;
inline constexpr Id kPeerPreviewEnded = 40115;
inline constexpr Id kPeerScheduleClosed = 40116;
inline constexpr Id kPeerCapturedFile = 40124;
inline constexpr Id kPeerFilesPanelClosed = 40125;
inline constexpr Id kPeerRecordSize = 40201;
inline constexpr Id kTimeShiftPosition = 40301;
inline constexpr Id kPeerRecordTime = 40311;
inline constexpr Id kPeerRecordingEnded = 40312;
inline constexpr Id kPeerSnapshotDone2 = 40314;
inline constexpr Id kPeerPlaybackSeconds = 40315;
inline constexpr Id kPeerSidePanels = 40326;
inline constexpr Id kScheduleAsk = 42222;
inline constexpr Id kScheduleActive = 42223;
inline constexpr Id kPeerTunedChannel = 42224;
inline constexpr Id kPeerAudioAnswer = 42225;
inline constexpr Id kQueryRadio = 42227;  // sent to the peer; the peer answers with the same id
inline constexpr Id kPeerReselectSource = 42228;
inline constexpr Id kPeerAskTimeShiftStart = 46101;
inline constexpr Id kPeerAudioDone = 46102;
inline constexpr Id kPeerTvPageDone = 46103;
inline constexpr Id kPeerRecordPageAnswer1 = 46203;
inline constexpr Id kPeerRecordPageAnswer2 = 46204;
inline constexpr Id kPeerSoundCardVolume = 51222;

// ---- commands the panel sends to the video window ----------------------------------------
inline constexpr Id kVideoComposite = 2001;
inline constexpr Id kVideoAir = 2002;
inline constexpr Id kVideoCable = 2003;
inline constexpr Id kVideoSVideo = 2004;
inline constexpr Id kVideoScanCable = 2005;  // lParam 1 start, 0 stop
inline constexpr Id kVideoScanAir = 2006;
inline constexpr Id kVideoRecordToggle = 2008;
inline constexpr Id kVideoPartialNumber = 2009;
inline constexpr Id kVideoVolume = 2010;
inline constexpr Id kVideoMuteOn = 2011;
inline constexpr Id kVideoMuteOff = 2012;
inline constexpr Id kVideoShowBrightness = 2013;
inline constexpr Id kVideoShowContrast = 2014;
inline constexpr Id kVideoShowHue = 2015;
inline constexpr Id kVideoShowSaturation = 2016;
inline constexpr Id kVideoTuneFm = 2017;  // lParam in units of 100 kHz
inline constexpr Id kVideoTvPage = 2020;
inline constexpr Id kVideoStartPreview = 2021;
inline constexpr Id kVideoChannelRemoved = 2022;
inline constexpr Id kVideoChannelAdded = 2023;
inline constexpr Id kVideoApplyCapture = 3000;
inline constexpr Id kVideoSnapshot = 3001;
inline constexpr Id kVideoTimeShiftStart = 3005;
inline constexpr Id kVideoTimeShiftStop = 3007;
inline constexpr Id kVideoAudio1 = 4006;
inline constexpr Id kVideoAudio2 = 4007;
inline constexpr Id kVideoRecordState = 4101;
inline constexpr Id kVideoTvPageValue1 = 7788;
inline constexpr Id kVideoTvPageValue2 = 7790;
inline constexpr Id kVideoRecordPage1 = 7791;
inline constexpr Id kVideoRecordPage2 = 7792;
inline constexpr Id kVideoTuneChannel = 8000;  // lParam channel number or full-scan index
inline constexpr Id kVideoFineTune = 8001;
inline constexpr Id kVideoSaveFrequency = 8002;
inline constexpr Id kVideoChipAudio = 40002;
inline constexpr Id kVideoBrightness = 40200;
inline constexpr Id kVideoContrast = 40201;
inline constexpr Id kVideoSaturation = 40202;
inline constexpr Id kVideoHue = 40203;
inline constexpr Id kVideoRadio = 40206;
inline constexpr Id kVideoBass = 40210;
inline constexpr Id kVideoTreble = 40211;
inline constexpr Id kVideoBalance = 40212;
inline constexpr Id kVideoPanelMinimized = 40214;
inline constexpr Id kVideoAudioDialog = 42226;
inline constexpr Id kVideoAudioInputChanged = 43258;
inline constexpr Id kVideoSoundMode = 45000;
inline constexpr Id kVideoScanFm = 45001;  // lParam 1 start, 0 stop
inline constexpr Id kVideoTvPageRefresh = 45790;
inline constexpr Id kVideoFullScanState = 45791;
inline constexpr Id kVideoTuneFrequency = 55555;  // lParam in units of 10 kHz
inline constexpr Id kVideoShowIndex = 55556;
inline constexpr Id kVideoSkinChanged = 55557;

// ---- the playback window of time shift --------------------------------------------------
inline constexpr Id kPlaybackSeek = 4005;  // lParam in units of 6 seconds
inline constexpr Id kPlaybackPlay = 40026;
inline constexpr Id kPlaybackStop = 40027;
inline constexpr Id kPlaybackPause = 40028;
inline constexpr Id kPlaybackForward = 40029;
inline constexpr Id kPlaybackRewind = 40030;
inline constexpr Id kPlaybackStartSecond = 46001;
inline constexpr Id kPlaybackStartMinute = 46002;
inline constexpr Id kPlaybackStartHour = 46003;

// ---- private messages (message numbers, not WM_COMMAND) to the schedule window ----------
inline constexpr std::uint32_t kScheduleRecordRefused = 42224;
inline constexpr std::uint32_t kScheduleFreeAnswer = 40040;
inline constexpr std::uint32_t kSchedulePeerAnswer = 40042;

// ---- from the video window program to the fully-scan state dialog ------------------------
inline constexpr Id kScanDialogFrequency = 47000;  // lParam: the frequency now, 10 kHz units
inline constexpr Id kScanDialogFound = 47001;      // lParam not 0: a station was found there

// ---- to the settings sheet and the TV settings page --------------------------------------
inline constexpr Id kSheetFullScanClosed = 47002;
inline constexpr Id kTvPageScanEnded = 1095;

// The source command for a stored [TovixCrossbar] "InputSource" (1 composite, 2 S-Video,
// 3 cable, 4 air, 5 FM); 0 for any other value, which selects nothing.
inline constexpr Id SourceCommandFor(int inputSource) {
  constexpr Id kByInput[] = {0,          kSourceComposite, kSourceSVideo, kSourceCable,
                             kSourceAir, kSourceFm};
  return inputSource >= 1 && inputSource <= 5 ? kByInput[inputSource] : Id{0};
}

// ---- message numbers of the panel window ---------------------------------------------------
inline constexpr std::uint32_t kTrayCallbackMessage = 2024;

}  // namespace tv::cmd
