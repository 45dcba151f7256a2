#pragma once
// The player of the time-shift recording: a small window of class "PlayWndMediaPlayer", title
// "PlayWnd Media Player", that the panel drives with its transport commands. It plays the
// stream the card records since time shift started: its length grows until the recording
// stops, and the position moves by the transport (play 1x, fast forward and rewind 4x, pause,
// seek in 6-second units). Every transport command is acknowledged with 40113; the position
// goes to the panel as 40315 (seconds) once a second. When it opens it asks the panel for the
// start time (46101) and shows what comes back (46001-46003).

#include <windows.h>

#include <string>

#include "peer_link.h"

namespace tv::sim {

class PlaybackWindow {
 public:
  explicit PlaybackWindow(PeerLink& link) : link_(link) {}
  PlaybackWindow(const PlaybackWindow&) = delete;
  PlaybackWindow& operator=(const PlaybackWindow&) = delete;
  ~PlaybackWindow() { Close(); }

  static bool Register(HINSTANCE instance);

  // Opens at the live end of a recording that starts now.
  bool Open(HINSTANCE instance, const RECT& beside);
  // The card stopped writing: the length stays where it is. The window closes by itself a
  // little later unless the panel stops it first.
  void RecordingStopped();
  void Close();
  bool IsOpen() const { return window_ != nullptr; }

 private:
  enum class Mode { Playing, Paused, Forward, Rewind };
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Command(cmd::Id id, LPARAM lParam);
  void Tick();
  long long LengthMs() const;
  void Paint(HWND window);

  PeerLink& link_;
  HWND window_ = nullptr;
  Mode mode_ = Mode::Playing;
  DWORD recordStart_ = 0;
  DWORD recordEnd_ = 0;
  bool recording_ = false;
  long long positionMs_ = 0;
  DWORD lastTick_ = 0;
  DWORD lastReport_ = 0;
  int startHour_ = -1, startMinute_ = -1, startSecond_ = -1;
};

}  // namespace tv::sim
