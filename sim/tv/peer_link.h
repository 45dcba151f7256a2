#pragma once
// The card's side of the command protocol: finds the panel before every use, posts or sends
// WM_COMMAND to it, and writes every message in and out to the trace file.
//
// Trace file: one line per message, flushed at once, truncated when the program starts:
//   <ms> <in|out> <sent|posted> <message> <command id> <lParam> <window>
// ms is the time since the program started; "sent" means the sender waited for the answer
// (SendMessage), "posted" that it was queued; message is the decimal message number (273 for
// WM_COMMAND, 16 for WM_CLOSE, 515 for a double click); command id is the low word of wParam;
// window names our window that received it (tv, playback) or the one we wrote to (panel,
// fullscan). Lines "<ms> note <text>" tell what the card itself did (the device it opened,
// the capture settings it took, a recording it started).

#include <windows.h>

#include <string>

#include "commands/command_ids.h"

namespace tv::sim {

class Trace {
 public:
  Trace() = default;
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;
  ~Trace();

  bool Open(const std::string& path);
  void Write(const char* direction, bool sent, UINT message, WPARAM wParam, LPARAM lParam,
             const char* window);
  // A line about the card itself rather than a message: "<ms> note <text>".
  void Note(const std::string& text);

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
  DWORD start_ = GetTickCount();
};

class PeerLink {
 public:
  explicit PeerLink(Trace& trace) : trace_(trace) {}

  // A message our window is handling now; whether it was sent comes from InSendMessage.
  void Received(const char* window, UINT message, WPARAM wParam, LPARAM lParam);

  // To the panel window, looked up now; false when it is not there.
  bool PostToPanel(cmd::Id id, LPARAM lParam);
  // Waits until the panel has handled it (at most a few seconds, so a hung panel cannot hang
  // the card). Answers the panel expects during its own blocking send go this way.
  bool SendToPanel(cmd::Id id, LPARAM lParam);
  // Answer in the way the question came: sent while the panel waits, else posted.
  bool AnswerPanel(cmd::Id id, LPARAM lParam, bool questionWasSent);

  bool PostTo(HWND window, const char* name, cmd::Id id, LPARAM lParam);
  void Note(const std::string& text) { trace_.Note(text); }

 private:
  Trace& trace_;
};

}  // namespace tv::sim
