#pragma once
// The video window of the simulated card: class "Brivanta Tovix", title "Tv". It shows the
// picture of the current source, obeys the panel's commands (one handler per command id,
// dispatched through a table), answers what the panel waits for, scans, records, time-shifts
// and takes snapshots. Settings are read from the shared settings file when a command needs
// them, never kept.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/locations.h"
#include "base/settings_file.h"
#include "capture_files.h"
#include "peer_link.h"
#include "picture.h"
#include "platform/tuner_library.h"
#include "playback_window.h"
#include "scanner.h"
#include "tuning_world.h"
#include "win32/platform/win32_platform.h"

namespace tv::sim {

enum class Source { Composite, SVideo, Air, Cable, Fm };

class VideoWindow {
 public:
  // library may be null: channels then sit on a plain raster (see TuningWorld).
  VideoWindow(HINSTANCE instance, Locations where, TunerLibrary* library, PeerLink& link);
  ~VideoWindow();
  VideoWindow(const VideoWindow&) = delete;
  VideoWindow& operator=(const VideoWindow&) = delete;

  static bool Register(HINSTANCE instance);
  // Creates the window on the stored source and tells the panel it is ready.
  bool Create(int showCommand);

 private:
  using Handler = void (VideoWindow::*)(cmd::Id id, LPARAM lParam, bool sent);
  struct Route {
    cmd::Id first, last;  // an id range served by one handler
    Handler handler;
    bool endsPreview;  // retunes the tuner, so a running preview ends first
  };
  static const Route kRoutes[];

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Command(cmd::Id id, LPARAM lParam, bool sent);

  // ---- command handlers ------------------------------------------------------------------
  void OnSource(cmd::Id id, LPARAM lParam, bool sent);
  void OnScan(cmd::Id id, LPARAM lParam, bool sent);
  void OnRecordState(cmd::Id id, LPARAM lParam, bool sent);
  void OnRecordToggle(cmd::Id id, LPARAM lParam, bool sent);
  void OnPartialNumber(cmd::Id id, LPARAM lParam, bool sent);
  void OnVolume(cmd::Id id, LPARAM lParam, bool sent);
  void OnMute(cmd::Id id, LPARAM lParam, bool sent);
  void OnShowPictureValue(cmd::Id id, LPARAM lParam, bool sent);
  void OnTuneFm(cmd::Id id, LPARAM lParam, bool sent);
  void OnCountry(cmd::Id id, LPARAM lParam, bool sent);
  void OnPreview(cmd::Id id, LPARAM lParam, bool sent);
  void OnChannelListChanged(cmd::Id id, LPARAM lParam, bool sent);
  void OnSnapshot(cmd::Id id, LPARAM lParam, bool sent);
  void OnTimeShift(cmd::Id id, LPARAM lParam, bool sent);
  void OnRecordPageQuery(cmd::Id id, LPARAM lParam, bool sent);
  void OnTuneChannel(cmd::Id id, LPARAM lParam, bool sent);
  void OnFineTune(cmd::Id id, LPARAM lParam, bool sent);
  void OnSaveFrequency(cmd::Id id, LPARAM lParam, bool sent);
  void OnChipAudio(cmd::Id id, LPARAM lParam, bool sent);
  void OnPictureValue(cmd::Id id, LPARAM lParam, bool sent);
  void OnSoundValue(cmd::Id id, LPARAM lParam, bool sent);
  void OnAudioDialogQuery(cmd::Id id, LPARAM lParam, bool sent);
  void OnRadioQuery(cmd::Id id, LPARAM lParam, bool sent);
  void OnSoundMode(cmd::Id id, LPARAM lParam, bool sent);
  void OnVideoStandard(cmd::Id id, LPARAM lParam, bool sent);
  void OnTuneFrequency(cmd::Id id, LPARAM lParam, bool sent);
  void OnShowIndex(cmd::Id id, LPARAM lParam, bool sent);
  void OnNotice(cmd::Id id, LPARAM lParam, bool sent);
  void OnApplyCapture(cmd::Id id, LPARAM lParam, bool sent);

  // ---- tuning and picture ----------------------------------------------------------------
  IniFile Settings() const;
  TuningWorld World() const;
  void OpenDevice();
  void SwitchTo(Source source);
  void TuneChannel(int number);
  void Retune();
  void UpdateScene();
  void UpdateIndicators();
  void Info(const std::string& text, int value = 0, int highest = 0);
  void FrameTick();
  void ToggleFullScreen();

  // ---- scans, preview, recording, time shift ---------------------------------------------
  void ScanTick();
  void EndScan();
  void PreviewStep();
  void EndPreview();
  void PublishStreamFormats();
  std::string CaptureSettings() const;
  void StartRecording();
  void StopRecording();
  void RecordTick();
  void StopTimeShift();
  void Shutdown();
  HWND FindScanDialog() const;

  HINSTANCE instance_;
  Locations where_;
  mutable win32::Win32Profile profile_;
  TunerLibrary* library_;
  PeerLink& link_;
  HWND window_ = nullptr;
  Picture picture_;

  Source source_ = Source::Cable;
  Band tvBand_ = Band::Cable;
  struct TvTuning {
    bool byFrequency = false;  // full-scan entries and 55555 tune a frequency
    int channel = 0;
    std::int64_t freqHz = 0;
    std::int64_t fineOffsetHz = 0;
    std::string label;
  } tv_;
  Reception reception_;
  int fm100kHz_ = 875;
  bool muted_ = false;
  std::string recording_;  // what the running recording was started with

  Scanner scanner_;
  std::optional<ScanStep> scanStep_;
  DWORD scanStarted_ = 0;

  struct Preview {
    bool running = false;
    int rows = 2, cols = 2;
    std::vector<Tile> tiles;
    std::size_t live = 0;
  } preview_;

  int requestedRecording_ = 0;
  GrowingFile recordFile_;
  DWORD recordStart_ = 0;

  bool timeShift_ = false;
  GrowingFile timeShiftFile_;
  PlaybackWindow playback_;

  bool fullScreen_ = false;
  WINDOWPLACEMENT savedPlacement_{};
  LONG_PTR savedStyle_ = 0;
};

}  // namespace tv::sim
