#include "peer_link.h"

#include <cstdio>
#include <string>

#include "app/panel_context.h"

namespace tv::sim {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

HWND FindPanel() {
  return FindWindowA(kPanelClass, kPanelTitle);
}

}  // namespace

Trace::~Trace() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool Trace::Open(const std::string& path) {
  // Readable and even deletable by others while we run: tests and users watch it live.
  file_ = CreateFileA(path.c_str(), GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  start_ = GetTickCount();
  return file_ != INVALID_HANDLE_VALUE;
}

void Trace::Write(const char* direction, bool sent, UINT message, WPARAM wParam, LPARAM lParam,
                  const char* window) {
  if (file_ == INVALID_HANDLE_VALUE) return;
  char line[160];
  const int n = std::snprintf(
      line, sizeof line, "%lu %s %s %u %u %lld %s\r\n",
      static_cast<unsigned long>(GetTickCount() - start_), direction, sent ? "sent" : "posted",
      message, static_cast<unsigned>(LOWORD(wParam)), static_cast<long long>(lParam), window);
  if (n <= 0) return;
  DWORD written = 0;
  WriteFile(file_, line, static_cast<DWORD>(n), &written, nullptr);
  FlushFileBuffers(file_);
}

void Trace::Note(const std::string& text) {
  if (file_ == INVALID_HANDLE_VALUE) return;
  const std::string line = std::to_string(GetTickCount() - start_) + " note " + text + "\r\n";
  DWORD written = 0;
  WriteFile(file_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  FlushFileBuffers(file_);
}

void PeerLink::Received(const char* window, UINT message, WPARAM wParam, LPARAM lParam) {
  trace_.Write("in", InSendMessage() != FALSE, message, wParam, lParam, window);
}

bool PeerLink::PostToPanel(cmd::Id id, LPARAM lParam) {
  return PostTo(FindPanel(), "panel", id, lParam);
}

bool PeerLink::SendToPanel(cmd::Id id, LPARAM lParam) {
  const HWND panel = FindPanel();
  if (panel == nullptr) return false;
  trace_.Write("out", true, WM_COMMAND, id, lParam, "panel");
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(panel, WM_COMMAND, id, lParam, SMTO_NORMAL, kSendTimeoutMs, &result) !=
         0;
}

bool PeerLink::AnswerPanel(cmd::Id id, LPARAM lParam, bool questionWasSent) {
  return questionWasSent ? SendToPanel(id, lParam) : PostToPanel(id, lParam);
}

bool PeerLink::PostTo(HWND window, const char* name, cmd::Id id, LPARAM lParam) {
  if (window == nullptr) return false;
  trace_.Write("out", false, WM_COMMAND, id, lParam, name);
  return PostMessageA(window, WM_COMMAND, id, lParam) != 0;
}

}  // namespace tv::sim
