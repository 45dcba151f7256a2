#include "video_window.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "base/key_table.h"
#include "app/panel_context.h"
#include "bmp_file.h"
#include "sim_protocol.h"
#include "win32/platform/win32_platform.h"

namespace tv::sim {
namespace {

constexpr UINT_PTR kFrameTimer = 1;
constexpr UINT_PTR kScanTimer = 2;
constexpr UINT_PTR kPreviewTimer = 3;
constexpr UINT_PTR kRecordTimer = 4;
constexpr UINT_PTR kTimeShiftTimer = 5;

constexpr UINT kFrameMs = 80;  // 12.5 pictures a second where something moves
constexpr UINT kScanTickMs = 40;
constexpr DWORD kBandScanMs = 2000;
constexpr DWORD kFullScanMs = 3000;
constexpr UINT kRecordTickMs = 1000;
constexpr std::uint32_t kStreamBytesPerSecond = 16 * 1024;
constexpr DWORD kOsdMs = 2000;

constexpr int kHighestChannel = 9999;
constexpr int kVolumeHighest = 220;
constexpr int kLevelHighest = 255;    // brightness, balance, bass, treble
constexpr int kPictureHighest = 127;  // contrast, saturation
constexpr int kFineTuneHighest = 1000;
constexpr int kFineTuneCentre = 500;
constexpr std::int64_t kFineTuneStepHz = 10000;
constexpr std::int64_t kFrequencyUnitHz = 10000;  // 55555
constexpr int kMostSnapshots = 10;
constexpr int kMostPreviewSide = 5;
constexpr int kMostPreviewSeconds = 30;
// The sound modes this card offers the audio dialog: mono, stereo, main, secondary, both.
constexpr LPARAM kSoundModes = 1 | 2 | 16 | 32 | 64;
// The stream formats this card's capture pin offers, under the numbers it gives them: real
// cards leave gaps and do not list "YUY2" first.
constexpr std::pair<int, const char*> kStreamFormatList[] = {
    {0, "RGB24"}, {1, "RGB555"}, {3, "YUY2"}, {4, "UYVY"}};
constexpr int kStreamFormatSlots = 20;

std::string FmText(int fm100kHz) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%d MHz", fm100kHz / 10, std::abs(fm100kHz % 10));
  return text;
}

std::string MhzText(std::int64_t hz) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld.%02lld MHz", static_cast<long long>(hz / 1000000),
                static_cast<long long>((hz / 10000) % 100));
  return text;
}

std::string Clock(DWORD ms) {
  char text[16];
  const DWORD s = ms / 1000;
  std::snprintf(text, sizeof text, "%02lu:%02lu", static_cast<unsigned long>(s / 60),
                static_cast<unsigned long>(s % 60));
  return text;
}

bool IsTvSource(Source s) {
  return s == Source::Air || s == Source::Cable;
}

Source SourceFromStored(int inputSource) {
  switch (inputSource) {
    case 1:
      return Source::Composite;
    case 2:
      return Source::SVideo;
    case 4:
      return Source::Air;
    case 5:
      return Source::Fm;
    default:
      return Source::Cable;
  }
}

// "2 x 3": rows and columns, each 1..5; anything else is the panel's default 2 x 2.
std::pair<int, int> PreviewGrid(const std::string& text) {
  int a = 0, b = 0;
  if (std::sscanf(text.c_str(), "%d x %d", &a, &b) == 2 && a >= 1 && a <= kMostPreviewSide &&
      b >= 1 && b <= kMostPreviewSide) {
    return {a, b};
  }
  return {2, 2};
}

BOOL CALLBACK MatchScanDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32770" && GetDlgItem(window, kScanDialogFrequencyEdit) != nullptr &&
      GetDlgItem(window, kScanDialogStateEdit) != nullptr) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

const VideoWindow::Route VideoWindow::kRoutes[] = {
    {cmd::kVideoComposite, cmd::kVideoSVideo, &VideoWindow::OnSource, true},
    {cmd::kVideoRadio, cmd::kVideoRadio, &VideoWindow::OnSource, true},
    {cmd::kVideoScanCable, cmd::kVideoScanAir, &VideoWindow::OnScan, true},
    {cmd::kVideoScanFm, cmd::kVideoScanFm, &VideoWindow::OnScan, true},
    {cmd::kVideoFullScanState, cmd::kVideoFullScanState, &VideoWindow::OnScan, true},
    {cmd::kVideoRecordState, cmd::kVideoRecordState, &VideoWindow::OnRecordState, false},
    {cmd::kVideoRecordToggle, cmd::kVideoRecordToggle, &VideoWindow::OnRecordToggle, false},
    {cmd::kVideoPartialNumber, cmd::kVideoPartialNumber, &VideoWindow::OnPartialNumber, false},
    {cmd::kVideoVolume, cmd::kVideoVolume, &VideoWindow::OnVolume, false},
    {cmd::kVideoMuteOn, cmd::kVideoMuteOff, &VideoWindow::OnMute, false},
    {cmd::kVideoShowBrightness, cmd::kVideoShowSaturation, &VideoWindow::OnShowPictureValue, false},
    {cmd::kVideoTuneFm, cmd::kVideoTuneFm, &VideoWindow::OnTuneFm, true},
    {cmd::kVideoTvPage, cmd::kVideoTvPage, &VideoWindow::OnCountry, false},
    {cmd::kVideoTvPageValue1, cmd::kVideoTvPageValue1, &VideoWindow::OnCountry, false},
    {cmd::kVideoTvPageValue2, cmd::kVideoTvPageValue2, &VideoWindow::OnCountry, false},
    {cmd::kVideoStartPreview, cmd::kVideoStartPreview, &VideoWindow::OnPreview, false},
    {cmd::kVideoChannelRemoved, cmd::kVideoChannelAdded, &VideoWindow::OnChannelListChanged, false},
    {cmd::kVideoSnapshot, cmd::kVideoSnapshot, &VideoWindow::OnSnapshot, false},
    {cmd::kVideoTimeShiftStart, cmd::kVideoTimeShiftStart, &VideoWindow::OnTimeShift, false},
    {cmd::kVideoTimeShiftStop, cmd::kVideoTimeShiftStop, &VideoWindow::OnTimeShift, false},
    {cmd::kVideoRecordPage1, cmd::kVideoRecordPage2, &VideoWindow::OnRecordPageQuery, false},
    {cmd::kVideoTuneChannel, cmd::kVideoTuneChannel, &VideoWindow::OnTuneChannel, true},
    {cmd::kVideoFineTune, cmd::kVideoFineTune, &VideoWindow::OnFineTune, true},
    {cmd::kVideoSaveFrequency, cmd::kVideoSaveFrequency, &VideoWindow::OnSaveFrequency, false},
    {cmd::kVideoChipAudio, cmd::kVideoChipAudio, &VideoWindow::OnChipAudio, false},
    {cmd::kVideoBrightness, cmd::kVideoHue, &VideoWindow::OnPictureValue, false},
    {cmd::kVideoBass, cmd::kVideoBalance, &VideoWindow::OnSoundValue, false},
    {cmd::kVideoAudio1, cmd::kVideoAudio2, &VideoWindow::OnSoundValue, false},
    {cmd::kVideoAudioDialog, cmd::kVideoAudioDialog, &VideoWindow::OnAudioDialogQuery, false},
    {cmd::kQueryRadio, cmd::kQueryRadio, &VideoWindow::OnRadioQuery, false},
    {cmd::kVideoSoundMode, cmd::kVideoSoundMode, &VideoWindow::OnSoundMode, false},
    {cmd::kVideoTvPageRefresh, cmd::kVideoTvPageRefresh, &VideoWindow::OnVideoStandard, false},
    {cmd::kVideoTuneFrequency, cmd::kVideoTuneFrequency, &VideoWindow::OnTuneFrequency, true},
    {cmd::kVideoShowIndex, cmd::kVideoShowIndex, &VideoWindow::OnShowIndex, false},
    {cmd::kVideoApplyCapture, cmd::kVideoApplyCapture, &VideoWindow::OnApplyCapture, false},
};

VideoWindow::VideoWindow(HINSTANCE instance, Locations where, TunerLibrary* library, PeerLink& link)
    : instance_(instance),
      where_(std::move(where)),
      library_(library),
      link_(link),
      playback_(link) {}

VideoWindow::~VideoWindow() = default;

bool VideoWindow::Register(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.lpszClassName = kVideoClass;
  return RegisterClassA(&wc) != 0 && PlaybackWindow::Register(instance);
}

IniFile VideoWindow::Settings() const {
  return IniFile(profile_, where_.settingsIni);
}

TuningWorld VideoWindow::World() const {
  return TuningWorld(library_, Settings());
}

bool VideoWindow::Create(int showCommand) {
  const IniFile settings = Settings();
  PictureSettings values;
  const int brightness = settings.Int(keys::kBrightness);
  const int contrast = settings.Int(keys::kContrast);
  const int saturation = settings.Int(keys::kSaturation);
  const int hue = settings.Int(keys::kHue);
  if (InPictureRange(brightness, kLevelHighest)) values.brightness = brightness;
  if (InPictureRange(contrast, kPictureHighest)) values.contrast = contrast;
  if (InPictureRange(saturation, kPictureHighest)) values.saturation = saturation;
  if (hue >= -128 && hue <= 127) values.hue = hue;
  picture_.SetAdjustments(values);

  RECT frame{0, 0, kFrameWidth, kFrameHeight};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  window_ = CreateWindowExA(0, kVideoClass, kVideoTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                            nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return false;

  PublishStreamFormats();
  source_ = SourceFromStored(settings.Int(keys::kInputSource));
  SwitchTo(source_);
  OpenDevice();
  // The radio needs no picture: it stays as hidden as the panel started it. Everything else
  // shows itself, whatever the panel asked for.
  ShowWindow(window_, source_ == Source::Fm ? showCommand : SW_SHOWNOACTIVATE);
  SetTimer(window_, kFrameTimer, kFrameMs, nullptr);
  FrameTick();
  link_.PostToPanel(cmd::kPeerReady, 0);
  // Snapshots stay refused by the panel until the card first says it is free.
  link_.PostToPanel(cmd::kPeerSnapshotDone, 0);
  return true;
}

LRESULT CALLBACK VideoWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<VideoWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return self->Handle(window, message, wParam, lParam);
}

LRESULT VideoWindow::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const bool sent = InSendMessage() != FALSE;
      link_.Received("tv", message, wParam, lParam);
      Command(LOWORD(wParam), lParam, sent);
      return 0;
    }
    case WM_CLOSE:
      link_.Received("tv", message, wParam, lParam);
      Shutdown();
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    case WM_LBUTTONDBLCLK:
      link_.Received("tv", message, wParam, lParam);
      ToggleFullScreen();
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE && fullScreen_) ToggleFullScreen();
      return 0;
    case WM_TIMER:
      switch (wParam) {
        case kFrameTimer:
          FrameTick();
          break;
        case kScanTimer:
          ScanTick();
          break;
        case kPreviewTimer:
          PreviewStep();
          break;
        case kRecordTimer:
          RecordTick();
          break;
        case kTimeShiftTimer:
          timeShiftFile_.AppendStream(kStreamBytesPerSecond);
          break;
        default:
          break;
      }
      return 0;
    case WM_SIZE:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(window, &ps);
      RECT client;
      GetClientRect(window, &client);
      picture_.Paint(dc, client);
      EndPaint(window, &ps);
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void VideoWindow::Command(cmd::Id id, LPARAM lParam, bool sent) {
  for (const Route& route : kRoutes) {
    if (id < route.first || id > route.last) continue;
    if (route.endsPreview && preview_.running) EndPreview();
    (this->*route.handler)(id, lParam, sent);
    return;
  }
  OnNotice(id, lParam, sent);
}

// ---- sources and tuning --------------------------------------------------------------------

// The card runs on the capture device the panel chose ([SelectDevice] "Index" into [DEVICE]),
// any of the devices the system lists under that name; a name the system does not list is
// shown and the card goes on without a picture of its own, so the panel is never left waiting.
void VideoWindow::OpenDevice() {
  constexpr std::uint32_t kDeviceNameCapacity = 1024;
  const IniFile settings = Settings();
  const int index = settings.Int(keys::kSelectedDevice);
  const std::string name = settings.Text(keys::kDevices, index, keys::kNone, kDeviceNameCapacity);
  win32::Win32CaptureEnumerator enumerator;
  bool listed = false;
  for (const auto& device : enumerator.ListVideoInputDevices().names)
    listed = listed || (device && *device == name);
  link_.Note("device " + std::to_string(index) + (listed ? " " : " missing ") + name);
  if (!listed) Info("No capture device \"" + name + "\"");
}

void VideoWindow::OnSource(cmd::Id id, LPARAM, bool) {
  const Source to = id == cmd::kVideoComposite ? Source::Composite
                    : id == cmd::kVideoAir     ? Source::Air
                    : id == cmd::kVideoCable   ? Source::Cable
                    : id == cmd::kVideoSVideo  ? Source::SVideo
                                               : Source::Fm;
  SwitchTo(to);
  if (to != Source::Fm && !IsWindowVisible(window_)) ShowWindow(window_, SW_SHOWNOACTIVATE);
  link_.PostToPanel(cmd::kPeerReady, 0);
}

void VideoWindow::SwitchTo(Source source) {
  source_ = source;
  const IniFile settings = Settings();
  static constexpr const char* kNames[] = {"AV-in", "S-Video", "TV air", "TV cable", "FM radio"};
  if (IsTvSource(source)) {
    tvBand_ = source == Source::Air ? Band::Air : Band::Cable;
    const int channel =
        settings.IsTrue(keys::kUseFullScan)
            ? settings.Int(keys::kFullScanNow)
            : settings.Int(source == Source::Air ? keys::kTvChannelAir : keys::kTvChannelCable);
    TuneChannel(channel);
  } else if (source == Source::Fm) {
    const FmBand band = World().Fm();
    const int stored = settings.Int(keys::kFmChannel);
    fm100kHz_ = band.Contains(stored) ? stored : band.low;
    UpdateScene();
  } else {
    UpdateScene();
  }
  Info(kNames[static_cast<int>(source)]);
}

void VideoWindow::TuneChannel(int number) {
  const IniFile settings = Settings();
  tv_.label = std::to_string(number);
  tv_.fineOffsetHz = 0;
  tv_.channel = number;
  if (settings.IsTrue(keys::kUseFullScan)) {
    // Full-scan mode: the number is an index into the swept list.
    tv_.byFrequency = true;
    const long long hz = std::atoll(settings.Text(keys::kFullScanList, number).c_str());
    tv_.freqHz = hz > 0 ? hz : 0;
  } else {
    tv_.byFrequency = false;
    const TuningWorld world = World();
    tv_.freqHz = world.TunedFrequencyHz(tvBand_, number);
    link_.Note("tune " + std::string(tvBand_ == Band::Air ? "air " : "cable ") +
               std::to_string(number) + " " + std::to_string(tv_.freqHz) + " country " +
               std::to_string(world.CountryCode()));
  }
  Retune();
  if (IsTvSource(source_)) picture_.ShowChannel(tv_.label, kOsdMs);
}

void VideoWindow::Retune() {
  const TuningWorld world = World();
  if (tv_.freqHz <= 0) {
    reception_ = {};
  } else if (tv_.byFrequency) {
    reception_ = world.AtFrequency(tv_.freqHz + tv_.fineOffsetHz);
  } else {
    reception_ = world.OnChannel(tvBand_, tv_.channel, tv_.freqHz + tv_.fineOffsetHz);
  }
  UpdateScene();
}

void VideoWindow::OnTuneChannel(cmd::Id, LPARAM lParam, bool) {
  if (lParam < 0 || lParam > kHighestChannel) {
    Info("No channel " + std::to_string(lParam));
    return;
  }
  TuneChannel(static_cast<int>(lParam));
}

void VideoWindow::OnTuneFrequency(cmd::Id, LPARAM lParam, bool) {
  // 10 kHz units; the tuner covers up to 2 GHz.
  if (lParam <= 0 || lParam > 200000) {
    Info("No frequency " + std::to_string(lParam));
    return;
  }
  tv_.byFrequency = true;
  tv_.freqHz = static_cast<std::int64_t>(lParam) * kFrequencyUnitHz;
  tv_.fineOffsetHz = 0;
  Retune();
  if (IsTvSource(source_)) Info(MhzText(tv_.freqHz));
}

void VideoWindow::OnShowIndex(cmd::Id, LPARAM lParam, bool) {
  if (lParam < 0 || lParam > kHighestChannel) return;
  tv_.label = std::to_string(lParam);
  tv_.channel = static_cast<int>(lParam);
  UpdateScene();
  if (IsTvSource(source_)) picture_.ShowChannel(tv_.label, kOsdMs);
}

void VideoWindow::OnPartialNumber(cmd::Id, LPARAM lParam, bool) {
  if (lParam < 0 || lParam > kHighestChannel) return;
  picture_.ShowChannel(std::to_string(lParam) + "-", kOsdMs);
}

void VideoWindow::OnTuneFm(cmd::Id, LPARAM lParam, bool) {
  const FmBand band = World().Fm();
  if (lParam < band.low || lParam > band.high) {
    Info("Outside the FM band: " + std::to_string(lParam));
    return;
  }
  fm100kHz_ = static_cast<int>(lParam);
  // The panel's frequency steps start from what the card tuned last.
  Settings().Write(keys::kFmChannel, fm100kHz_);
  UpdateScene();
  Info(FmText(fm100kHz_));
}

void VideoWindow::OnFineTune(cmd::Id, LPARAM lParam, bool) {
  if (lParam < 0 || lParam > kFineTuneHighest) return;
  // Slider 500 is the channel plan's frequency; one step is 10 kHz.
  const std::int64_t offset =
      (static_cast<std::int64_t>(lParam) - kFineTuneCentre) * kFineTuneStepHz;
  if (tv_.byFrequency) {
    tv_.fineOffsetHz = offset;
  } else {
    const std::int64_t plan = World().DefaultFrequencyHz(tvBand_, tv_.channel);
    tv_.fineOffsetHz = plan > 0 ? plan + offset - tv_.freqHz : 0;
  }
  Retune();
  Info("Fine tuning " + std::string(offset >= 0 ? "+" : "-") +
           std::to_string(std::llabs(offset) / 1000) + " kHz",
       static_cast<int>(lParam), kFineTuneHighest);
}

void VideoWindow::OnSaveFrequency(cmd::Id, LPARAM lParam, bool) {
  if (lParam < 0 || lParam > kFineTuneHighest || tv_.byFrequency) return;
  const std::int64_t plan = World().DefaultFrequencyHz(tvBand_, tv_.channel);
  if (plan <= 0) return;
  const std::int64_t hz =
      plan + (static_cast<std::int64_t>(lParam) - kFineTuneCentre) * kFineTuneStepHz;
  const keys::Section& section =
      tvBand_ == Band::Air ? keys::kAirFrequencies : keys::kCableFrequencies;
  Settings().Write(section, tv_.channel, DecimalText(hz));
  tv_.freqHz = hz;
  tv_.fineOffsetHz = 0;
  Retune();
  Info("Saved " + MhzText(hz) + " for channel " + std::to_string(tv_.channel));
}

void VideoWindow::OnCountry(cmd::Id, LPARAM lParam, bool) {
  // The panel has written the new country; what is on the channel may have changed.
  Info("Country " + std::to_string(lParam));
  if (IsTvSource(source_)) {
    tv_.freqHz = tv_.byFrequency ? tv_.freqHz : World().TunedFrequencyHz(tvBand_, tv_.channel);
    Retune();
  } else if (source_ == Source::Fm) {
    const FmBand band = World().Fm();
    if (!band.Contains(fm100kHz_)) fm100kHz_ = band.low;
    UpdateScene();
  }
}

void VideoWindow::UpdateScene() {
  Scene scene;
  if (preview_.running) {
    scene.kind = SceneKind::Mosaic;
    scene.rows = preview_.rows;
    scene.cols = preview_.cols;
    scene.tiles = preview_.tiles;
  } else if (scanner_.Running() && scanStep_) {
    const ScanStep& step = *scanStep_;
    if (scanner_.Kind() == ScanKind::Fm) {
      scene.kind = SceneKind::FmDial;
      scene.fm100kHz = step.number;
      scene.fmBand = World().Fm();
      scene.stationName = std::string(step.reception.name);
    } else {
      scene.kind = step.reception.quality == Quality::None ? SceneKind::Snow : SceneKind::TestCard;
      scene.channelLabel = scanner_.Kind() == ScanKind::Full ? "" : std::to_string(step.number);
      scene.stationName = std::string(step.reception.name);
    }
  } else {
    switch (source_) {
      case Source::Composite:
        scene.kind = SceneKind::Composite;
        break;
      case Source::SVideo:
        scene.kind = SceneKind::SVideo;
        break;
      case Source::Fm:
        scene.kind = SceneKind::FmDial;
        scene.fm100kHz = fm100kHz_;
        scene.fmBand = World().Fm();
        scene.stationName = std::string(FmStation(World().CountryCode(), fm100kHz_).name);
        break;
      case Source::Air:
      case Source::Cable:
        scene.kind = reception_.quality == Quality::None ? SceneKind::Snow : SceneKind::TestCard;
        scene.channelLabel = tv_.label;
        scene.stationName = std::string(reception_.name);
        scene.weak = reception_.quality == Quality::Weak;
        break;
    }
  }
  picture_.SetScene(scene);
}

void VideoWindow::UpdateIndicators() {
  std::string text;
  if (recordFile_.IsOpen())
    text += "REC " + recording_.substr(0, recording_.find(' ')) + " " +
            Clock(GetTickCount() - recordStart_) + "  ";
  if (timeShift_) text += "TIME SHIFT  ";
  if (muted_) text += "MUTE";
  while (!text.empty() && text.back() == ' ') text.pop_back();
  picture_.SetIndicators(text);
}

void VideoWindow::Info(const std::string& text, int value, int highest) {
  picture_.ShowInfo(text, value, highest, kOsdMs);
}

void VideoWindow::FrameTick() {
  if (window_ == nullptr || !IsWindowVisible(window_) || IsIconic(window_)) return;
  const RECT changed = picture_.Tick(GetTickCount());
  if (IsRectEmpty(&changed)) return;
  RECT client;
  GetClientRect(window_, &client);
  // Frame coordinates to window coordinates, with a pixel to spare for the stretching.
  RECT r{changed.left * client.right / kFrameWidth - 1,
         changed.top * client.bottom / kFrameHeight - 1,
         changed.right * client.right / kFrameWidth + 1,
         changed.bottom * client.bottom / kFrameHeight + 1};
  InvalidateRect(window_, &r, FALSE);
}

void VideoWindow::ToggleFullScreen() {
  if (!fullScreen_) {
    savedPlacement_.length = sizeof savedPlacement_;
    GetWindowPlacement(window_, &savedPlacement_);
    savedStyle_ = GetWindowLongPtrA(window_, GWL_STYLE);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor);
    SetWindowLongPtrA(window_, GWL_STYLE, (savedStyle_ & ~WS_OVERLAPPEDWINDOW) | WS_POPUP);
    const RECT& m = monitor.rcMonitor;
    SetWindowPos(window_, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_FRAMECHANGED | SWP_NOOWNERZORDER | SWP_SHOWWINDOW);
    fullScreen_ = true;
  } else {
    SetWindowLongPtrA(window_, GWL_STYLE, savedStyle_);
    SetWindowPlacement(window_, &savedPlacement_);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    fullScreen_ = false;
  }
  InvalidateRect(window_, nullptr, FALSE);
}

// ---- what the panel waits for --------------------------------------------------------------

void VideoWindow::OnRadioQuery(cmd::Id, LPARAM, bool sent) {
  const LPARAM radio = Settings().Int(kRadioPresent) == 0 ? 0 : 1;
  link_.AnswerPanel(cmd::kQueryRadio, radio, sent);
}

void VideoWindow::OnAudioDialogQuery(cmd::Id, LPARAM, bool sent) {
  link_.AnswerPanel(cmd::kPeerAudioAnswer, kSoundModes, sent);
}

void VideoWindow::OnRecordPageQuery(cmd::Id id, LPARAM, bool sent) {
  const bool mpeg4 = id == cmd::kVideoRecordPage1;
  const bool present =
      Settings().Int(mpeg4 ? keys::kSimulatedMpeg4Encoder : keys::kSimulatedOtherEncoder) != 0;
  link_.AnswerPanel(mpeg4 ? cmd::kPeerRecordPageAnswer1 : cmd::kPeerRecordPageAnswer2,
                    present ? 1 : 0, sent);
}

// ---- capture settings ----------------------------------------------------------------------

void VideoWindow::PublishStreamFormats() {
  const IniFile settings = Settings();
  settings.DeleteSection(keys::kStreamFormats);
  for (const auto& [n, name] : kStreamFormatList) settings.Write(keys::kStreamFormats, n, name);
}

// "MPEG2 640x480 YUY2 2000000": format, frame size, stream format, bit rate as stored now. The
// fixed-size formats record at the size the panel wrote for them.
std::string VideoWindow::CaptureSettings() const {
  const IniFile settings = Settings();
  const int n = settings.Int(keys::kCaptureStreamFormat, 3);
  const std::string stream = n >= 0 && n < kStreamFormatSlots
                                 ? settings.Text(keys::kStreamFormats, n, keys::kNone, 50)
                                 : std::string(keys::kNone);
  std::string rate = settings.Text(keys::kCaptureBitRate);
  return settings.Text(keys::kCompressFormat) + " " + settings.Text(keys::kCaptureStreamSize) +
         " " + stream + " " + (rate.empty() ? "-" : rate);
}

void VideoWindow::OnApplyCapture(cmd::Id, LPARAM lParam, bool) {
  const std::string now = CaptureSettings();
  link_.Note("capture " + std::to_string(lParam) + " " + now);
  Info(now.substr(0, now.rfind(' ')));
}

void VideoWindow::OnChipAudio(cmd::Id, LPARAM, bool) {
  Info("Chip audio settings");
  link_.PostToPanel(cmd::kPeerAudioDone, 0);
}

void VideoWindow::OnVideoStandard(cmd::Id, LPARAM, bool) {
  Info("Video standard " + std::to_string(Settings().Int(keys::kVideoStandard)));
  link_.PostToPanel(cmd::kPeerTvPageDone, 0);
}

// ---- sound and picture values --------------------------------------------------------------

void VideoWindow::OnVolume(cmd::Id, LPARAM lParam, bool) {
  if (lParam < 0 || lParam > kVolumeHighest) return;
  Info("Volume " + std::to_string(lParam), static_cast<int>(lParam), kVolumeHighest);
}

void VideoWindow::OnMute(cmd::Id id, LPARAM, bool) {
  muted_ = id == cmd::kVideoMuteOn;
  UpdateIndicators();
  Info(muted_ ? "Mute" : "Sound on");
}

void VideoWindow::OnShowPictureValue(cmd::Id id, LPARAM lParam, bool) {
  if (id == cmd::kVideoShowHue) {
    const std::optional<int> hue = HueFromShown(lParam);
    if (hue) Info("Hue " + std::to_string(*hue), *hue + 128, kLevelHighest);
    return;
  }
  const bool brightness = id == cmd::kVideoShowBrightness;
  const int highest = brightness ? kLevelHighest : kPictureHighest;
  if (!InPictureRange(lParam, highest)) return;
  const char* name = brightness                      ? "Brightness "
                     : id == cmd::kVideoShowContrast ? "Contrast "
                                                     : "Saturation ";
  Info(name + std::to_string(lParam), static_cast<int>(lParam), highest);
}

void VideoWindow::OnPictureValue(cmd::Id id, LPARAM lParam, bool) {
  PictureSettings values = picture_.Adjustments();
  if (id == cmd::kVideoHue) {
    const std::optional<int> hue = HueFromShown(lParam);
    if (!hue) return;
    values.hue = *hue;
  } else {
    const int highest = id == cmd::kVideoBrightness ? kLevelHighest : kPictureHighest;
    if (!InPictureRange(lParam, highest)) return;
    const int v = static_cast<int>(lParam);
    if (id == cmd::kVideoBrightness) values.brightness = v;
    if (id == cmd::kVideoContrast) values.contrast = v;
    if (id == cmd::kVideoSaturation) values.saturation = v;
  }
  picture_.SetAdjustments(values);
}

void VideoWindow::OnSoundValue(cmd::Id id, LPARAM lParam, bool) {
  // 4006 and 4007 only say that the audio dialog moved bass or treble on the sound card; the
  // value reaches the settings file only when the dialog closes, so none is shown.
  if (id == cmd::kVideoAudio1 || id == cmd::kVideoAudio2) {
    Info(id == cmd::kVideoAudio1 ? "Bass set on the sound card" : "Treble set on the sound card");
    return;
  }
  const bool bass = id == cmd::kVideoBass;
  const bool treble = id == cmd::kVideoTreble;
  const long long value = lParam;
  if (!InPictureRange(value, kLevelHighest)) return;
  const char* name = bass ? "Bass " : treble ? "Treble " : "Balance ";
  Info(name + std::to_string(value), static_cast<int>(value), kLevelHighest);
}

void VideoWindow::OnSoundMode(cmd::Id, LPARAM lParam, bool) {
  static constexpr std::pair<LPARAM, const char*> kModes[] = {
      {1, "mono"}, {2, "stereo"}, {16, "main"}, {32, "secondary"}, {64, "main + secondary"}};
  std::string text;
  for (const auto& [bit, name] : kModes) {
    if (lParam & bit) text += text.empty() ? name : std::string(", ") + name;
  }
  Info("Sound: " + (text.empty() ? std::string("as received") : text));
}

void VideoWindow::OnChannelListChanged(cmd::Id id, LPARAM lParam, bool) {
  Info("Channel " + std::to_string(lParam) +
       (id == cmd::kVideoChannelAdded ? " added" : " removed"));
}

void VideoWindow::OnNotice(cmd::Id id, LPARAM, bool) {
  // Commands without an effect of their own here; each is acknowledged on screen.
  switch (id) {
    case cmd::kVideoSkinChanged:
      Info("Skin changed");
      break;
    case cmd::kVideoPanelMinimized:
      Info("Panel minimised");
      break;
    case cmd::kVideoAudioInputChanged:
      Info("Audio input changed");
      break;
    default:
      Info("Command " + std::to_string(id));
      break;
  }
}

// ---- scans ---------------------------------------------------------------------------------

void VideoWindow::OnScan(cmd::Id id, LPARAM lParam, bool) {
  const ScanKind kind = id == cmd::kVideoScanAir     ? ScanKind::Air
                        : id == cmd::kVideoScanCable ? ScanKind::Cable
                        : id == cmd::kVideoScanFm    ? ScanKind::Fm
                                                     : ScanKind::Full;
  if (lParam == 0) {
    // Stopped by the panel: whatever was found so far stays, and the panel hears the end.
    EndScan();
    return;
  }
  if (lParam != 1) return;
  KillTimer(window_, kScanTimer);
  scanner_.Start(kind, World(), Settings());
  scanStep_.reset();
  scanStarted_ = GetTickCount();
  SetTimer(window_, kScanTimer, kScanTickMs, nullptr);
  ScanTick();
}

void VideoWindow::ScanTick() {
  if (!scanner_.Running()) {
    EndScan();
    return;
  }
  const DWORD duration = scanner_.Kind() == ScanKind::Full ? kFullScanMs : kBandScanMs;
  const int ticks = static_cast<int>(duration / kScanTickMs);
  const int perTick = (scanner_.Total() + ticks - 1) / ticks;
  const int foundBefore = scanner_.Found();
  if (const std::optional<ScanStep> step = scanner_.Advance(perTick)) scanStep_ = step;
  if (!scanStep_) {
    EndScan();
    return;
  }
  static constexpr const char* kTitles[] = {"Scanning air band", "Scanning cable band",
                                            "Scanning FM band", "Full scan"};
  const ScanKind kind = scanner_.Kind();
  std::string line;
  switch (kind) {
    case ScanKind::Air:
    case ScanKind::Cable:
      line = "Channel " + std::to_string(scanStep_->number);
      break;
    case ScanKind::Fm:
      line = FmText(scanStep_->number);
      break;
    case ScanKind::Full:
      line = MhzText(scanStep_->freqHz);
      break;
  }
  line += "   found " + std::to_string(scanner_.Found());
  picture_.SetScanPanel(
      {true, kTitles[static_cast<int>(kind)], line, scanner_.Done(), scanner_.Total()});
  if (kind == ScanKind::Full) {
    if (const HWND dialog = FindScanDialog()) {
      link_.PostTo(dialog, "fullscan", kScanDialogFrequency,
                   static_cast<LPARAM>(scanStep_->freqHz / kFrequencyUnitHz));
      link_.PostTo(dialog, "fullscan", kScanDialogFound, scanner_.Found() > foundBefore ? 1 : 0);
    }
  }
  if (scanner_.Running()) {
    UpdateScene();
  } else {
    EndScan();
  }
}

void VideoWindow::EndScan() {
  KillTimer(window_, kScanTimer);
  scanner_.Stop();
  scanStep_.reset();
  picture_.SetScanPanel({});
  UpdateScene();
  link_.PostToPanel(cmd::kPeerScanEnded, 0);
}

HWND VideoWindow::FindScanDialog() const {
  HWND found = nullptr;
  EnumWindows(MatchScanDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// ---- preview -------------------------------------------------------------------------------

void VideoWindow::OnPreview(cmd::Id, LPARAM, bool) {
  if (preview_.running) EndPreview();
  const IniFile settings = Settings();
  const auto [rows, cols] = PreviewGrid(settings.Text(keys::kSurfingWindows));
  int seconds = settings.Int(keys::kSurfingTime, 4);
  if (seconds < 1 || seconds > kMostPreviewSeconds) seconds = 4;
  preview_ = {};
  preview_.rows = rows;
  preview_.cols = cols;
  const std::size_t wanted = static_cast<std::size_t>(rows * cols);

  // The channels of the list from the current one on, in list order, wrapping.
  const TuningWorld world = World();
  if (IsTvSource(source_)) {
    std::vector<int> numbers;
    const bool fullScan = settings.IsTrue(keys::kUseFullScan);
    const ChannelRange range =
        fullScan ? ChannelRange{1, settings.Int(keys::kFullScanCount)} : world.Range(tvBand_);
    const keys::Section& list = tvBand_ == Band::Air ? keys::kAirList : keys::kCableList;
    for (int i = 0; i < range.Count() && numbers.size() < wanted; ++i) {
      const int from = range.Contains(tv_.channel) ? tv_.channel : range.low;
      const int n = range.low + (from - range.low + i) % range.Count();
      if (fullScan || settings.IsTrue(list, n)) numbers.push_back(n);
    }
    const std::vector<Carrier> carriers = world.StationCarriers();
    for (const int n : numbers) {
      Tile tile;
      tile.label = std::to_string(n);
      Reception r;
      if (fullScan) {
        r = world.AtFrequency(std::atoll(settings.Text(keys::kFullScanList, n).c_str()), carriers);
      } else {
        r = world.OnChannel(tvBand_, n, world.TunedFrequencyHz(tvBand_, n));
      }
      tile.quality = r.quality;
      tile.name = std::string(r.name);
      preview_.tiles.push_back(tile);
    }
  }
  if (preview_.tiles.empty()) {
    // Nothing to preview on this source: done at once.
    link_.PostToPanel(cmd::kPeerPreviewEnded, 0);
    link_.PostToPanel(cmd::kPeerReady, 0);
    return;
  }
  preview_.running = true;
  preview_.tiles[0].visited = preview_.tiles[0].live = true;
  SetTimer(window_, kPreviewTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  UpdateScene();
}

void VideoWindow::PreviewStep() {
  if (!preview_.running) return;
  preview_.tiles[preview_.live].live = false;
  if (++preview_.live >= preview_.tiles.size()) {
    EndPreview();
    return;
  }
  preview_.tiles[preview_.live].visited = preview_.tiles[preview_.live].live = true;
  UpdateScene();
}

void VideoWindow::EndPreview() {
  KillTimer(window_, kPreviewTimer);
  if (!preview_.running) return;
  preview_.running = false;
  UpdateScene();
  link_.PostToPanel(cmd::kPeerPreviewEnded, 0);
  link_.PostToPanel(cmd::kPeerReady, 0);
}

// ---- snapshots -----------------------------------------------------------------------------

void VideoWindow::OnSnapshot(cmd::Id, LPARAM, bool) {
  const IniFile settings = Settings();
  int count = settings.Int(keys::kSnapShotNumber);
  if (count < 1) count = keys::kSnapShotNumber.number;
  if (count > kMostSnapshots) count = kMostSnapshots;
  const std::string dir = CaptureDirectory(settings, where_.appDirectory);
  std::string last;
  for (int i = 0; i < count; ++i) {
    const std::optional<int> slot = FreeSlot(dir);
    if (!slot) break;
    const std::string path = SlotPath(dir, *slot, ".bmp");
    if (!WriteBmp(path, picture_.Capture(), kFrameWidth, kFrameHeight)) break;
    last = path;
    // The panel reads the name when it handles 40124, so it must have done so before the next
    // picture overwrites it.
    settings.Write(keys::kAddItem, path);
    link_.SendToPanel(cmd::kPeerCapturedFile, 0);
    FrameTick();  // the next picture of a series is a later one
  }
  Info(last.empty() ? "Snapshot failed" : "Snapshot " + last.substr(last.find_last_of('\\') + 1));
  link_.PostToPanel(cmd::kPeerSnapshotDone, 0);
}

// ---- recording -----------------------------------------------------------------------------

void VideoWindow::OnRecordState(cmd::Id, LPARAM lParam, bool) {
  if (lParam == 0 || lParam == 1) requestedRecording_ = static_cast<int>(lParam);
}

void VideoWindow::OnRecordToggle(cmd::Id, LPARAM, bool) {
  if (requestedRecording_ == 1 && !recordFile_.IsOpen()) {
    StartRecording();
  } else if (requestedRecording_ == 0 && recordFile_.IsOpen()) {
    StopRecording();
  } else {
    link_.PostToPanel(cmd::kPeerRecordingState, recordFile_.IsOpen() ? 1 : 0);
  }
}

void VideoWindow::StartRecording() {
  if (Settings().IsTrue(keys::kSimulatedDiskFull)) {
    Info("Disk full: not recording");
    link_.PostToPanel(cmd::kPeerRecordingState, 0);
    link_.PostToPanel(cmd::kPeerRecordingEnded, 0);
    link_.PostToPanel(cmd::kPeerSnapshotDone2, 0);
    return;
  }
  const std::string dir = CaptureDirectory(Settings(), where_.appDirectory);
  const std::optional<int> slot = FreeSlot(dir);
  if (!slot || !recordFile_.Create(SlotPath(dir, *slot, ".mpg"))) {
    Info("Cannot record into " + dir);
    link_.PostToPanel(cmd::kPeerRecordingState, 0);
    link_.PostToPanel(cmd::kPeerRecordingEnded, 0);
    link_.PostToPanel(cmd::kPeerSnapshotDone2, 0);
    return;
  }
  // The thumbnail the captured-files list shows for the recording.
  WriteBmp(SlotPath(dir, *slot, ".bmp"), picture_.Capture(), kFrameWidth, kFrameHeight);
  recordStart_ = GetTickCount();
  SetTimer(window_, kRecordTimer, kRecordTickMs, nullptr);
  recording_ = CaptureSettings();
  link_.Note("record " + recording_);
  // The screen has room for format, size and stream format; the trace has the bit rate too.
  Info("REC " + recording_.substr(0, recording_.rfind(' ')));
  UpdateIndicators();
  // While recording the panel lets only some commands through: 40314, not 14526.
  link_.PostToPanel(cmd::kPeerRecordingState, 1);
  link_.PostToPanel(cmd::kPeerSnapshotDone2, 0);
}

void VideoWindow::RecordTick() {
  if (!recordFile_.IsOpen()) {
    KillTimer(window_, kRecordTimer);
    return;
  }
  recordFile_.AppendStream(kStreamBytesPerSecond);
  const DWORD elapsedMs = GetTickCount() - recordStart_;
  link_.PostToPanel(cmd::kPeerRecordTime, static_cast<LPARAM>(elapsedMs));
  link_.PostToPanel(cmd::kPeerRecordSize, static_cast<LPARAM>(recordFile_.Size() / 1024));
  UpdateIndicators();
  // A card with a time limit ends the recording itself and tells the panel with 40114 0.
  const int limitSeconds = Settings().Int(keys::kSimulatedRecordSeconds);
  if (limitSeconds > 0 && elapsedMs / 1000 >= static_cast<DWORD>(limitSeconds)) StopRecording();
}

void VideoWindow::StopRecording() {
  KillTimer(window_, kRecordTimer);
  const std::string path = recordFile_.Path();
  recordFile_.Close();
  UpdateIndicators();
  Settings().Write(keys::kAddItem, path);
  link_.SendToPanel(cmd::kPeerCapturedFile, 0);
  link_.PostToPanel(cmd::kPeerRecordingEnded, 0);
  link_.PostToPanel(cmd::kPeerRecordingState, 0);
  Info("Recorded " + path.substr(path.find_last_of('\\') + 1));
}

// ---- time shift ----------------------------------------------------------------------------

void VideoWindow::OnTimeShift(cmd::Id id, LPARAM, bool) {
  if (id == cmd::kVideoTimeShiftStop) {
    StopTimeShift();
    // The panel asked for the time shift with its snapshot flag set; it is free again.
    link_.PostToPanel(cmd::kPeerSnapshotDone2, 0);
    return;
  }
  if (Settings().IsTrue(keys::kSimulatedDiskFull)) {
    Info("Disk full: no time shift");
    link_.PostToPanel(cmd::kPeerReady, 0);
    return;
  }
  const std::string path = Settings().Text(keys::kTimeShiftFileRoot);
  if (!timeShiftFile_.Create(path)) Info("Cannot write " + path);
  timeShift_ = true;
  SetTimer(window_, kTimeShiftTimer, kRecordTickMs, nullptr);
  RECT beside{};
  GetWindowRect(window_, &beside);
  playback_.Open(instance_, beside);
  UpdateIndicators();
  link_.PostToPanel(cmd::kPeerReady, 0);
}

void VideoWindow::StopTimeShift() {
  timeShift_ = false;
  KillTimer(window_, kTimeShiftTimer);
  // Closed at once: the panel deletes the file right after.
  timeShiftFile_.Close();
  playback_.RecordingStopped();
  UpdateIndicators();
}

void VideoWindow::Shutdown() {
  if (scanner_.Running()) EndScan();
  if (preview_.running) EndPreview();
  if (recordFile_.IsOpen()) StopRecording();
  StopTimeShift();
  playback_.Close();
  KillTimer(window_, kFrameTimer);
}

}  // namespace tv::sim
