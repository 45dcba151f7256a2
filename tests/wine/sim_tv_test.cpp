// screen.ex_ as the panel meets it: a separate process in an installation folder, found by
// class and title, driven by WM_COMMAND, answering a fake panel window of this test program.
// What the card shows and writes is the model tests' business; these check the protocol.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/key_table.h"
#include "app/panel_context.h"
#include "app/settings_file.h"
#include "commands/command_ids.h"
#include "sim_protocol.h"
#include "sim_tv_support.h"

namespace tv::sim {
namespace {

using test::FileExists;
using test::FreshFolder;
using test::ReadWholeFile;
using winetest::Pump;
using winetest::WaitFor;
using winetest::WindowsPath;

// What the fake panel received.
struct Received {
  cmd::Id id;
  LPARAM lParam;
  bool sent;
};
std::vector<Received> g_received;

LRESULT CALLBACK FakePanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    g_received.push_back({LOWORD(wParam), lParam, InSendMessage() != FALSE});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// The fully-scan state dialog of the panel: a dialog with the two edits the card looks for.
std::vector<Received> g_dialog;
WNDPROC g_dialogDefault = nullptr;
LRESULT CALLBACK FakeDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) >= kScanDialogFrequency) {
    g_dialog.push_back({LOWORD(wParam), lParam, false});
    return 0;
  }
  return CallWindowProcA(g_dialogDefault, window, message, wParam, lParam);
}

// Mean brightness of a 24-bit bitmap file's pixels.
double MeanLevel(const std::string& path, int* width, int* height) {
  const std::string bytes = ReadWholeFile(path);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return -1;
  auto u32 = [&](std::size_t at) {
    return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                            (static_cast<unsigned char>(bytes[at + 1]) << 8) |
                            (static_cast<unsigned char>(bytes[at + 2]) << 16));
  };
  *width = u32(18);
  *height = u32(22);
  if (bytes[28] != 24 || bytes.size() < 54u + static_cast<std::size_t>(*width * *height * 3)) {
    return -1;
  }
  double sum = 0;
  for (std::size_t i = 54; i < bytes.size(); ++i) sum += static_cast<unsigned char>(bytes[i]);
  return sum / static_cast<double>(bytes.size() - 54);
}

class SimTv : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received.clear();
    g_dialog.clear();
    WNDCLASSA wc{};
    wc.lpfnWndProc = FakePanelProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kPanelClass;
    RegisterClassA(&wc);
    panel = CreateWindowExA(0, kPanelClass, kPanelTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            wc.hInstance, nullptr);
    ASSERT_NE(panel, nullptr);

    // An installation as the panel's setup leaves it: the program and its library, win.ini
    // pointing at the folder, a settings file with a country.
    dir = FreshFolder("simtv");
    ASSERT_TRUE(
        CopyFileA(WindowsPath(SIM_TV_PROGRAM).c_str(), (dir + "\\screen.ex_").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA((winetest::ProgramFolder() + "QvTV.dll").c_str(),
                          (dir + "\\QvTV.dll").c_str(), FALSE));
    const WinIni winIni(profile);
    winIni.Write(keys::kAppDirectory, dir);
    winIni.Write(keys::kSettingsIniName, "Settings.ini");
    winIni.Write(keys::kPanelIniName, "Panel.ini");
    settings = IniFile(profile, dir + "\\Settings.ini");
    test::WriteUnitedStates(settings);
    settings.Write(keys::kCaptureFile, dir + "\\Capture\\");
    settings.Write(keys::kTimeShiftFileRoot, dir + "\\TimeShift.mpg");
  }

  void TearDown() override {
    if (process.hProcess != nullptr) {
      // Closing is tested once; here the quickest end will do.
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    DestroyWindow(panel);
  }

  bool Launch(int show, PROCESS_INFORMATION* started) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    std::string commandLine = dir + "\\screen.ex_";
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          dir.c_str(), &startup, started) != FALSE;
  }

  // Starts the card on a source ("InputSource": 1 AV, 2 S-Video, 3 cable, 4 air, 5 FM) with the
  // show state the panel would use, and waits until it reports ready and free for snapshots.
  void Start(int inputSource) {
    settings.Write(keys::kInputSource, inputSource);
    ASSERT_TRUE(Launch(inputSource <= 2 ? SW_SHOW : SW_HIDE, &process));
    ASSERT_TRUE(WaitFor(
        [&] { return Count(cmd::kPeerReady) > 0 && Count(cmd::kPeerSnapshotDone) > 0; }, 20000))
        << "no 40113 and 14526";
    ASSERT_NE(Video(), nullptr);
  }

  HWND Video() const { return FindWindowA(kVideoClass, kVideoTitle); }

  void Post(cmd::Id id, LPARAM lParam) { PostMessageA(Video(), WM_COMMAND, id, lParam); }
  void Send(cmd::Id id, LPARAM lParam) { SendMessageA(Video(), WM_COMMAND, id, lParam); }

  static int Count(cmd::Id id) {
    return static_cast<int>(std::count_if(g_received.begin(), g_received.end(),
                                          [&](const Received& r) { return r.id == id; }));
  }
  static const Received* Last(cmd::Id id) {
    for (auto it = g_received.rbegin(); it != g_received.rend(); ++it) {
      if (it->id == id) return &*it;
    }
    return nullptr;
  }
  // Posts a command and waits for the answer id to arrive once more than before.
  bool PostAndWait(cmd::Id id, LPARAM lParam, cmd::Id answer, DWORD timeoutMs = 5000) {
    const int before = Count(answer);
    Post(id, lParam);
    return WaitFor([&] { return Count(answer) > before; }, timeoutMs);
  }

  win32::Win32Profile profile;
  std::string dir;
  IniFile settings{profile, ""};
  HWND panel = nullptr;
  PROCESS_INFORMATION process{};
};

TEST_F(SimTv, StartsAnswersTheQueriesDuringTheSendAndAcknowledgesSourceSwitches) {
  Start(3);
  EXPECT_TRUE(IsWindowVisible(Video())) << "a TV source shows its picture";
  EXPECT_EQ(Count(cmd::kPeerSnapshotDone), 1) << "snapshots are free from the start";

  // The answer to 42227 must arrive before the panel's blocking send returns.
  auto askRadio = [&] {
    g_received.clear();
    Send(cmd::kQueryRadio, 0);
    const Received* answer = Last(cmd::kQueryRadio);
    return answer != nullptr && answer->sent ? answer->lParam : -1;
  };
  EXPECT_EQ(askRadio(), 1);
  settings.Write(kRadioPresent, 0);
  EXPECT_EQ(askRadio(), 0) << "read when asked";
  settings.Write(kRadioPresent, 1);

  g_received.clear();
  Send(cmd::kVideoAudioDialog, 0);
  Send(cmd::kVideoRecordPage1, 0);
  Send(cmd::kVideoRecordPage2, 0);
  ASSERT_EQ(g_received.size(), 3u);
  EXPECT_EQ(g_received[0].id, cmd::kPeerAudioAnswer);
  EXPECT_EQ(g_received[0].lParam, 1 | 2 | 16 | 32 | 64);
  EXPECT_EQ(g_received[1].id, cmd::kPeerRecordPageAnswer1);
  EXPECT_EQ(g_received[2].id, cmd::kPeerRecordPageAnswer2);

  for (const cmd::Id source :
       {cmd::kVideoComposite, cmd::kVideoSVideo, cmd::kVideoAir, cmd::kVideoRadio}) {
    const int before = Count(cmd::kPeerReady);
    Send(source, 0);
    EXPECT_TRUE(WaitFor([&] { return Count(cmd::kPeerReady) > before; }, 3000)) << source;
  }
  EXPECT_TRUE(PostAndWait(cmd::kVideoChipAudio, 0, cmd::kPeerAudioDone));

  // Each tuned FM frequency is stored for the panel's frequency steps; outside the band not.
  // (Posts are handled in order, so the answer to the last one comes after both.)
  Post(cmd::kVideoTuneFm, 1017);
  Post(cmd::kVideoTuneFm, 5000);
  EXPECT_TRUE(PostAndWait(cmd::kVideoTvPageRefresh, 0, cmd::kPeerTvPageDone));
  EXPECT_EQ(settings.Int(keys::kFmChannel), 1017);

  // A double click, real or posted by the panel, toggles full screen.
  RECT normal{};
  GetWindowRect(Video(), &normal);
  const auto sizeIs = [&](int width, int height) {
    RECT now{};
    GetWindowRect(Video(), &now);
    return now.right - now.left == width && now.bottom - now.top == height;
  };
  PostMessageA(Video(), WM_LBUTTONDBLCLK, 0, 0);
  EXPECT_TRUE(WaitFor(
      [&] { return sizeIs(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)); }));
  PostMessageA(Video(), WM_LBUTTONDBLCLK, 0, 0);
  EXPECT_TRUE(
      WaitFor([&] { return sizeIs(normal.right - normal.left, normal.bottom - normal.top); }));

  // A second start leaves the running card and its trace alone.
  const HWND first = Video();
  PROCESS_INFORMATION second{};
  ASSERT_TRUE(Launch(SW_SHOW, &second));
  EXPECT_TRUE(
      WaitFor([&] { return WaitForSingleObject(second.hProcess, 0) == WAIT_OBJECT_0; }, 8000));
  CloseHandle(second.hProcess);
  CloseHandle(second.hThread);
  EXPECT_EQ(Video(), first);

  const DWORD closing = GetTickCount();
  PostMessageA(Video(), WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 5000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  EXPECT_LT(GetTickCount() - closing, 3000u);

  // The trace: "ms direction delivery message id lParam window" per line.
  std::istringstream trace(ReadWholeFile(dir + "\\" + kTraceFileName));
  std::vector<std::string> lines;
  for (std::string line; std::getline(trace, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line.substr(std::min(line.find(' '), line.size())));
  }
  for (const char* expected :
       {" out posted 273 40113 0 panel", " in sent 273 42227 0 tv", " out sent 273 42227 1 panel",
        " in posted 273 2017 1017 tv", " in posted 16 0 0 tv"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
  }
}

TEST_F(SimTv, AnAirScanMarksEveryChannelOfTheBandAndCanBeStopped) {
  Start(4);
  settings.DeleteSection(keys::kAirList);
  const DWORD started = GetTickCount();
  ASSERT_TRUE(PostAndWait(cmd::kVideoScanAir, 1, cmd::kPeerScanEnded, 10000));
  const DWORD took = GetTickCount() - started;
  EXPECT_GE(took, 1000u) << "a scan takes a moment, with its progress on the picture";
  EXPECT_LE(took, 8000u);
  int marked = 0;
  for (int n = 2; n <= 69; ++n) {
    const std::string mark = settings.Text(keys::kAirList, n);
    marked += mark == "TRUE" || mark == "FALSE" ? 1 : 0;
  }
  EXPECT_EQ(marked, 68);

  // Stopped early: the end is reported at once, the channels not reached keep no mark.
  settings.DeleteSection(keys::kAirList);
  const int before = Count(cmd::kPeerScanEnded);
  Post(cmd::kVideoScanAir, 1);
  Pump(300);
  const DWORD stopping = GetTickCount();
  Post(cmd::kVideoScanAir, 0);
  ASSERT_TRUE(WaitFor([&] { return Count(cmd::kPeerScanEnded) > before; }, 2000));
  EXPECT_LT(GetTickCount() - stopping, 1500u);
  Pump(300);
  EXPECT_EQ(Count(cmd::kPeerScanEnded), before + 1) << "one end for one scan";
  EXPECT_FALSE(settings.Text(keys::kAirList, 2).empty());
  EXPECT_EQ(settings.Text(keys::kAirList, 69, "missing"), "missing");
}

TEST_F(SimTv, TheRadioStaysHiddenAndShowsItsDialInASnapshot) {
  Start(5);
  EXPECT_FALSE(IsWindowVisible(Video())) << "the panel starts the radio hidden";
  ASSERT_TRUE(PostAndWait(cmd::kVideoSnapshot, 0, cmd::kPeerSnapshotDone));
  int w = 0, h = 0;
  EXPECT_GT(MeanLevel(settings.Text(keys::kAddItem), &w, &h), 10);
}

TEST_F(SimTv, AFullScanKeepsTheStateDialogInformed) {
  Start(3);
  // The panel's state dialog, a real dialog window with its two edits.
  const HWND dialog = CreateWindowExA(0, "#32770", "Fully Scan State", WS_POPUP, 0, 0, 200, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(dialog, nullptr);
  for (const int id : {kScanDialogFrequencyEdit, kScanDialogStateEdit}) {
    CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
  }
  g_dialogDefault = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FakeDialogProc)));

  ASSERT_TRUE(PostAndWait(cmd::kVideoFullScanState, 1, cmd::kPeerScanEnded, 10000));
  EXPECT_GT(settings.Int(keys::kFullScanCount), 20);
  Pump(100);
  long long lastFrequency = 0;
  int found = 0;
  for (const Received& r : g_dialog) {
    if (r.id == kScanDialogFrequency) {
      EXPECT_GT(r.lParam, lastFrequency) << "the sweep only goes up";
      lastFrequency = r.lParam;
    } else if (r.id == kScanDialogFound) {
      found += r.lParam != 0 ? 1 : 0;
    }
  }
  EXPECT_GE(lastFrequency, 80000);  // 10 kHz units: the end of the band
  EXPECT_GT(found, 5);
  DestroyWindow(dialog);
}

TEST_F(SimTv, SnapshotsAreNumberedBitmapsOfThePictureAndFollowItsAdjustments) {
  Start(1);
  const std::string capture = dir + "\\Capture";
  CreateDirectoryA(capture.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(WindowsPath(SIM_TV_PROGRAM).c_str(), (capture + "\\qv00.mpg").c_str(),
                        FALSE));  // slot 00 is taken by a recording
  settings.Write(keys::kSnapShotNumber, 2);
  g_received.clear();
  ASSERT_TRUE(PostAndWait(cmd::kVideoSnapshot, 0, cmd::kPeerSnapshotDone));
  int w = 0, h = 0;
  const double normal = MeanLevel(capture + "\\qv01.bmp", &w, &h);
  EXPECT_EQ(w, kFrameWidth);
  EXPECT_EQ(h, kFrameHeight);
  EXPECT_GT(normal, 20);
  EXPECT_TRUE(FileExists(capture + "\\qv02.bmp"));
  EXPECT_FALSE(FileExists(capture + "\\qv03.bmp"));
  EXPECT_EQ(settings.Text(keys::kAddItem), capture + "\\qv02.bmp");
  ASSERT_EQ(Count(cmd::kPeerCapturedFile), 2);
  for (const Received& r : g_received) {
    EXPECT_TRUE(r.id != cmd::kPeerCapturedFile || r.sent) << "read before the next is named";
  }
  EXPECT_EQ(g_received.back().id, cmd::kPeerSnapshotDone);

  settings.Write(keys::kSnapShotNumber, 1);
  Post(cmd::kVideoBrightness, 250);
  ASSERT_TRUE(PostAndWait(cmd::kVideoSnapshot, 0, cmd::kPeerSnapshotDone));
  EXPECT_GT(MeanLevel(capture + "\\qv03.bmp", &w, &h), normal + 40);
  Post(cmd::kVideoBrightness, 128);
  Post(cmd::kVideoSaturation, 0);
  Post(cmd::kVideoContrast, 400);  // out of range: ignored
  ASSERT_TRUE(PostAndWait(cmd::kVideoSnapshot, 0, cmd::kPeerSnapshotDone));
  const std::string grey = ReadWholeFile(capture + "\\qv04.bmp");
  ASSERT_GT(grey.size(), 54u + 3 * 1000);
  for (std::size_t i = 54; i < 54 + 3 * 1000; i += 3) {
    EXPECT_NEAR(static_cast<unsigned char>(grey[i]), static_cast<unsigned char>(grey[i + 2]), 3)
        << "without saturation the colour bars are grey";
  }
}

TEST_F(SimTv, RecordingAndTimeShiftReportTheirProgressAndEnd) {
  Start(4);
  Send(cmd::kVideoRecordState, 1);
  ASSERT_TRUE(PostAndWait(cmd::kVideoRecordToggle, 0, cmd::kPeerRecordingState));
  EXPECT_EQ(Last(cmd::kPeerRecordingState)->lParam, 1);
  ASSERT_TRUE(WaitFor([&] { return Count(cmd::kPeerRecordTime) >= 2; }, 4000));
  EXPECT_GE(Last(cmd::kPeerRecordTime)->lParam, 1500);
  EXPECT_GT(Last(cmd::kPeerRecordSize)->lParam, 0);
  EXPECT_GE(Count(cmd::kPeerSnapshotDone2), 1) << "14526 would not pass the panel now";

  Send(cmd::kVideoRecordState, 0);
  ASSERT_TRUE(PostAndWait(cmd::kVideoRecordToggle, 0, cmd::kPeerRecordingEnded));
  ASSERT_TRUE(WaitFor([&] { return Last(cmd::kPeerRecordingState)->lParam == 0; }, 2000));
  const std::string recording = settings.Text(keys::kAddItem);
  EXPECT_EQ(recording, dir + "\\Capture\\qv00.mpg");
  EXPECT_GT(ReadWholeFile(recording).size(), 16000u);
  EXPECT_TRUE(FileExists(dir + "\\Capture\\qv00.bmp")) << "the recording's thumbnail";

  // Time shift: the player opens, asks for the start time and obeys the transport.
  ASSERT_TRUE(PostAndWait(cmd::kVideoTimeShiftStart, 0, cmd::kPeerReady));
  HWND player = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (player = FindWindowA(kPlaybackClass, kPlaybackTitle)); }, 3000));
  ASSERT_TRUE(WaitFor([&] { return Count(cmd::kPeerAskTimeShiftStart) > 0; }, 3000));
  PostMessageA(player, WM_COMMAND, cmd::kPlaybackStartHour, 13);
  const auto acknowledged = [&](cmd::Id transport, bool send) {
    const int before = Count(cmd::kPeerReady);
    if (send) {
      SendMessageA(player, WM_COMMAND, transport, 0);
    } else {
      PostMessageA(player, WM_COMMAND, transport, 0);
    }
    return WaitFor([&] { return Count(cmd::kPeerReady) > before; }, 2000);
  };
  for (const cmd::Id transport : {cmd::kPlaybackPause, cmd::kPlaybackPlay, cmd::kPlaybackRewind}) {
    EXPECT_TRUE(acknowledged(transport, false)) << transport;
  }
  EXPECT_TRUE(acknowledged(cmd::kPlaybackSeek, true));
  ASSERT_TRUE(WaitFor([&] { return Count(cmd::kPeerPlaybackSeconds) > 0; }, 3000));
  EXPECT_LE(Last(cmd::kPeerPlaybackSeconds)->lParam, 2);

  ASSERT_TRUE(PostAndWait(cmd::kVideoTimeShiftStop, 0, cmd::kPeerSnapshotDone2));
  EXPECT_TRUE(DeleteFileA((dir + "\\TimeShift.mpg").c_str())) << "closed for the panel to delete";
  EXPECT_TRUE(acknowledged(cmd::kPlaybackStop, true));
  EXPECT_TRUE(
      WaitFor([&] { return FindWindowA(kPlaybackClass, kPlaybackTitle) == nullptr; }, 2000));
}

TEST_F(SimTv, FineTuningMovesAroundThePlanFrequencyAndSavingStoresIt) {
  Start(4);
  Send(cmd::kVideoTuneChannel, 12);  // sent: before the sends below
  const struct {
    LPARAM slider;
    const char* stored;
  } steps[] = {{510, "205350000"},
               {437, "204620000"},
               {500, "205250000"},
               {1001, "205250000"}};  // beyond the slider: nothing
  for (const auto& step : steps) {
    Send(cmd::kVideoFineTune, step.slider);
    Send(cmd::kVideoSaveFrequency, step.slider);
    EXPECT_EQ(settings.Text(keys::kAirFrequencies, 12), step.stored) << step.slider;
  }

  Send(cmd::kVideoCable, 0);
  Send(cmd::kVideoTuneChannel, 12);
  Send(cmd::kVideoSaveFrequency, 520);
  EXPECT_EQ(settings.Text(keys::kCableFrequencies, 12, "missing"), "205450000");
}

TEST_F(SimTv, ThePreviewShowsItsTilesInTurnAndHandsBackAtTheEndOrWhenRetuned) {
  settings.Write(keys::kSurfingTime, 1);
  settings.Write(keys::kSurfingWindows, "1 x 2");
  for (const int n : {3, 5, 8, 13}) settings.WriteFlag(keys::kAirList, n, true);
  Start(4);
  const DWORD started = GetTickCount();
  ASSERT_TRUE(PostAndWait(cmd::kVideoStartPreview, 0, cmd::kPeerPreviewEnded, 6000));
  const DWORD took = GetTickCount() - started;
  EXPECT_GE(took, 1800u) << "two tiles of a second each";
  EXPECT_LE(took, 4000u);
  ASSERT_TRUE(WaitFor([&] { return g_received.back().id == cmd::kPeerReady; }, 1000));

  // Tuning during the preview ends it at once; so does a source without channels.
  Post(cmd::kVideoStartPreview, 0);
  Pump(200);
  const DWORD tuning = GetTickCount();
  ASSERT_TRUE(PostAndWait(cmd::kVideoTuneChannel, 5, cmd::kPeerPreviewEnded, 3000));
  EXPECT_LT(GetTickCount() - tuning, 800u);
  Send(cmd::kVideoComposite, 0);
  const DWORD composite = GetTickCount();
  ASSERT_TRUE(PostAndWait(cmd::kVideoStartPreview, 0, cmd::kPeerPreviewEnded, 3000));
  EXPECT_LT(GetTickCount() - composite, 800u);
}

TEST_F(SimTv, ThousandsOfRandomCommandsLeaveItRunningAndTheSettingsFileWellFormed) {
  Start(4);
  settings.Write(keys::kSurfingTime, 1);
  settings.Write(keys::kSurfingWindows, "1 x 2");
  const cmd::Id known[] = {cmd::kVideoComposite,      cmd::kVideoAir,
                           cmd::kVideoCable,          cmd::kVideoSVideo,
                           cmd::kVideoScanCable,      cmd::kVideoScanAir,
                           cmd::kVideoRecordToggle,   cmd::kVideoPartialNumber,
                           cmd::kVideoVolume,         cmd::kVideoMuteOn,
                           cmd::kVideoShowHue,        cmd::kVideoTuneFm,
                           cmd::kVideoTvPage,         cmd::kVideoStartPreview,
                           cmd::kVideoChannelAdded,   cmd::kVideoSnapshot,
                           cmd::kVideoTimeShiftStart, cmd::kVideoTimeShiftStop,
                           cmd::kVideoRecordState,    cmd::kVideoTuneChannel,
                           cmd::kVideoFineTune,       cmd::kVideoSaveFrequency,
                           cmd::kVideoBrightness,     cmd::kVideoHue,
                           cmd::kVideoRadio,          cmd::kVideoBass,
                           cmd::kQueryRadio,          cmd::kVideoSoundMode,
                           cmd::kVideoScanFm,         cmd::kVideoFullScanState,
                           cmd::kVideoTuneFrequency,  cmd::kVideoShowIndex,
                           cmd::kVideoAudio1};
  std::mt19937 random(20240611);
  const LPARAM edges[] = {0, 1, -1, 2, 500, 1017, 65535, 0x7FFFFFFF, -0x7FFFFFFF - 1};
  int queries = 0;
  for (int i = 0; i < 3000; ++i) {
    const cmd::Id id = random() % 2 == 0 ? known[random() % std::size(known)]
                                         : static_cast<cmd::Id>(random() & 0xFFFF);
    const LPARAM lParam = random() % 2 == 0
                              ? edges[random() % std::size(edges)]
                              : static_cast<LPARAM>(static_cast<std::int32_t>(random()));
    ASSERT_TRUE(PostMessageA(Video(), WM_COMMAND, id, lParam)) << i;
    queries += id == cmd::kQueryRadio ? 1 : 0;
    if (i % 100 == 0) Pump(10);
  }
  // Posted queries are answered in turn: the last answer comes when all before it are done.
  Post(cmd::kQueryRadio, 0);
  ASSERT_TRUE(WaitFor([&] { return Count(cmd::kQueryRadio) == queries + 1; }, 30000));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  DWORD_PTR result = 0;
  EXPECT_NE(SendMessageTimeoutA(Video(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result), 0);

  std::istringstream file(ReadWholeFile(dir + "\\Settings.ini"));
  int lines = 0;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    ++lines;
    EXPECT_TRUE((line.front() == '[' && line.back() == ']') || line.find('=') != std::string::npos)
        << line;
  }
  EXPECT_GT(lines, 5);
  for (int n = 2; n <= 69; ++n) {
    const std::string mark = settings.Text(keys::kAirList, n, "TRUE");
    EXPECT_TRUE(mark == "TRUE" || mark == "FALSE") << n << " " << mark;
  }
}

}  // namespace
}  // namespace tv::sim
