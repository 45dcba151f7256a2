#include "playback_window.h"

#include <cstdio>

#include "app/panel_context.h"

namespace tv::sim {
namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT kTickMs = 250;
constexpr UINT kReportMs = 1000;
// After the card stops recording, the panel's stop command normally follows at once.
constexpr UINT kCloseAfterStopMs = 1500;
constexpr int kFastFactor = 4;
constexpr long long kSeekUnitMs = 6000;

std::string Clock(long long ms) {
  const long long s = ms / 1000;
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, (s / 60) % 60, s % 60);
  return text;
}

}  // namespace

bool PlaybackWindow::Register(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kPlaybackClass;
  return RegisterClassA(&wc) != 0;
}

bool PlaybackWindow::Open(HINSTANCE instance, const RECT& beside) {
  Close();
  recordStart_ = GetTickCount();
  recording_ = true;
  positionMs_ = 0;
  mode_ = Mode::Playing;
  startHour_ = startMinute_ = startSecond_ = -1;
  lastTick_ = lastReport_ = recordStart_;
  // A plain bordered popup: it comes and goes with every time shift, and a framed window
  // would make closing wait for the desktop's window manager.
  window_ =
      CreateWindowExA(WS_EX_TOOLWINDOW, kPlaybackClass, kPlaybackTitle, WS_POPUP | WS_BORDER,
                      beside.left, beside.bottom + 8, 380, 110, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  SetTimer(window_, kTickTimer, kTickMs, nullptr);
  link_.PostToPanel(cmd::kPeerAskTimeShiftStart, 0);
  return true;
}

void PlaybackWindow::RecordingStopped() {
  if (!recording_) return;
  recording_ = false;
  recordEnd_ = GetTickCount();
  if (window_ != nullptr) SetTimer(window_, kCloseTimer, kCloseAfterStopMs, nullptr);
}

void PlaybackWindow::Close() {
  if (window_ == nullptr) return;
  const HWND window = window_;
  window_ = nullptr;
  DestroyWindow(window);
}

long long PlaybackWindow::LengthMs() const {
  return static_cast<long long>((recording_ ? GetTickCount() : recordEnd_) - recordStart_);
}

LRESULT CALLBACK PlaybackWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PlaybackWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr || (self->window_ != nullptr && self->window_ != window)) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  return self->Handle(window, message, wParam, lParam);
}

LRESULT PlaybackWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      link_.Received("playback", message, wParam, lParam);
      Command(LOWORD(wParam), lParam);
      return 0;
    case WM_TIMER:
      if (wParam == kCloseTimer) {
        // The panel never stopped the player: it still waits for an acknowledgement.
        link_.PostToPanel(cmd::kPeerReady, 0);
        Close();
      } else {
        Tick();
      }
      return 0;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      link_.Received("playback", message, wParam, lParam);
      Close();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void PlaybackWindow::Command(cmd::Id id, LPARAM lParam) {
  bool transport = true;
  switch (id) {
    case cmd::kPlaybackPlay:
      mode_ = Mode::Playing;
      break;
    case cmd::kPlaybackPause:
      mode_ = Mode::Paused;
      break;
    case cmd::kPlaybackForward:
      mode_ = Mode::Forward;
      break;
    case cmd::kPlaybackRewind:
      mode_ = Mode::Rewind;
      break;
    case cmd::kPlaybackSeek: {
      const long long to = lParam < 0 ? 0 : static_cast<long long>(lParam) * kSeekUnitMs;
      positionMs_ = to > LengthMs() ? LengthMs() : to;
      break;
    }
    case cmd::kPlaybackStop:
      link_.PostToPanel(cmd::kPeerReady, 0);
      Close();
      return;
    case cmd::kPlaybackStartSecond:
      startSecond_ = static_cast<int>(lParam);
      transport = false;
      break;
    case cmd::kPlaybackStartMinute:
      startMinute_ = static_cast<int>(lParam);
      transport = false;
      break;
    case cmd::kPlaybackStartHour:
      startHour_ = static_cast<int>(lParam);
      transport = false;
      break;
    default:
      transport = false;
      break;
  }
  if (transport) link_.PostToPanel(cmd::kPeerReady, 0);
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void PlaybackWindow::Tick() {
  const DWORD now = GetTickCount();
  const long long dt = static_cast<long long>(now - lastTick_);
  lastTick_ = now;
  const long long length = LengthMs();
  switch (mode_) {
    case Mode::Playing:
      positionMs_ += dt;
      break;
    case Mode::Paused:
      break;
    case Mode::Forward:
      positionMs_ += kFastFactor * dt;
      break;
    case Mode::Rewind:
      positionMs_ -= kFastFactor * dt;
      break;
  }
  // Fast winding ends at either end of the recording and plays on from there.
  if (positionMs_ >= length) {
    positionMs_ = length;
    if (mode_ == Mode::Forward) mode_ = Mode::Playing;
  }
  if (positionMs_ <= 0) {
    positionMs_ = 0;
    if (mode_ == Mode::Rewind) mode_ = Mode::Playing;
  }
  if (now - lastReport_ >= kReportMs) {
    lastReport_ = now;
    link_.PostToPanel(cmd::kPeerPlaybackSeconds, static_cast<LPARAM>(positionMs_ / 1000));
  }
  if (IsWindowVisible(window_)) InvalidateRect(window_, nullptr, FALSE);
}

void PlaybackWindow::Paint(HWND window) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const HBRUSH background = CreateSolidBrush(RGB(16, 18, 28));
  FillRect(memory, &client, background);
  DeleteObject(background);
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, RGB(230, 230, 240));
  SelectObject(memory, GetStockObject(DEFAULT_GUI_FONT));

  static constexpr const char* kModes[] = {"playing", "paused", "fast forward", "rewind"};
  const long long length = LengthMs();
  std::string lines[3];
  lines[0] = std::string("Time shift: ") + kModes[static_cast<int>(mode_)] +
             (recording_ ? "" : " (recording stopped)");
  lines[1] = Clock(positionMs_) + " / " + Clock(length);
  if (startHour_ >= 0 && startMinute_ >= 0 && startSecond_ >= 0) {
    char started[48];
    std::snprintf(started, sizeof started, "started at %02d:%02d:%02d", startHour_, startMinute_,
                  startSecond_);
    lines[2] = started;
  }
  for (int i = 0; i < 3; ++i) {
    RECT line{12, 8 + i * 22, client.right - 12, 30 + i * 22};
    DrawTextA(memory, lines[i].c_str(), -1, &line, DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
  }
  RECT bar{12, client.bottom - 28, client.right - 12, client.bottom - 14};
  const HBRUSH frame = CreateSolidBrush(RGB(160, 160, 170));
  FrameRect(memory, &bar, frame);
  DeleteObject(frame);
  if (length > 0) {
    RECT fill{bar.left + 2, bar.top + 2,
              bar.left + 2 + static_cast<LONG>((bar.right - bar.left - 4) * positionMs_ / length),
              bar.bottom - 2};
    const HBRUSH brush = CreateSolidBrush(RGB(80, 200, 255));
    FillRect(memory, &fill, brush);
    DeleteObject(brush);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window, &ps);
}

}  // namespace tv::sim
