// The simulated card: its world in-process, and screen.ex_ as the panel meets it: a separate
// process in an installation folder answering a fake panel window of this test program.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "base/key_table.h"
#include "app/panel_context.h"
#include "base/settings_file.h"
#include "base/tuner_binding.h"
#include "commands/command_ids.h"
#include "platform/tuner_library.h"
#include "sim_protocol.h"
#include "station_model.h"
#include "tuning_world.h"
#include "win32/platform/win32_platform.h"
#include "wine_test_support.h"

namespace tv::sim {
namespace {

using namespace std::string_literals;
using winetest::FreshFolder;
using winetest::ReadWholeFile;
using winetest::WaitFor;

// The United States as the panel's country setup writes it (QvTV.dll position 228): air
// channels 2-69, cable 1-125.
// clang-format off
void WriteUnitedStates(const IniFile& settings) {
  for (const auto& [key, value] :
       {std::pair{keys::kCountryCode, "1"}, {keys::kCodePos, "228"}, {keys::kMinAir, "2"},
        {keys::kMaxAir, "69"}, {keys::kMinCable, "1"}, {keys::kMaxCable, "125"},
        {keys::kMinFreq, "55250000"}, {keys::kMaxFreq, "801250000"}, {keys::kVideoStandard, "1"}})
    settings.Write(key, value);
}
// clang-format on

TEST(SimTvStations, AboutAThirdOfTheChannelsCarryANamedStationChosenTheSameWayEveryTime) {
  std::set<std::string_view> names;
  int present = 0, total = 0;
  for (const Band band : {Band::Air, Band::Cable}) {
    for (int n = 1; n <= 999; ++n, ++total) {
      const Station s = TvStation(1, band, n);
      EXPECT_TRUE(s.present != s.name.empty() && TvStation(1, band, n).name == s.name) << n;
      present += s.present ? 1 : 0;
      if (s.present) names.insert(s.name);
    }
  }
  EXPECT_NEAR(static_cast<double>(present) / total, 1.0 / 3.0, 0.05);
  EXPECT_GE(names.size(), 15u);

  int otherCountry = 0;  // another country, another world on the same channel numbers
  for (int n = 2; n <= 69; ++n)
    otherCountry += TvStation(1, Band::Air, n).present != TvStation(49, Band::Air, n).present;
  EXPECT_GT(otherCountry, 5);
}

TEST(SimTvWorld, ChannelsTuneToThePlanOrTheSavedFrequencyAndReceiveWhatIsNearTheCarrier) {
  // QvTV.dll from the test program's folder, bound as the card binds it.
  const std::unique_ptr<TunerLibrary> library = MakeSystemTunerLibrary();
  ASSERT_TRUE(library->Load(kTunerLibraryFile) && library->Lookup(TunerEntry::FreqInfo) &&
              library->Lookup(TunerEntry::CountryInfo));
  win32::Win32Profile profile;
  IniFile settings(profile, FreshFolder("simtv-model") + "\\Settings.ini");
  WriteUnitedStates(settings);
  const auto World = [&] { return TuningWorld(library.get(), settings); };
  EXPECT_EQ(ReadCountryCount(*library), 244);
  settings.Write(keys::kAirFrequencies, 12, "205350000");
  EXPECT_EQ(World().TunedFrequencyHz(Band::Air, 12), 205350000);
  settings.Write(keys::kAirFrequencies, 12, "nono");
  EXPECT_EQ(World().TunedFrequencyHz(Band::Air, 12), 205250000) << "the plan's frequency";

  // The country follows the list position, read at every use; "CountryCode" stays as it was.
  for (const auto& [position, code, air8Hz, fmLow] :
       {std::tuple{107, 81, 193250000, 760}, {81, 49, 196250000, 875}, {228, 1, 181250000, 875}}) {
    settings.Write(keys::kCodePos, position);
    EXPECT_EQ(std::tuple(World().CountryCode(), World().DefaultFrequencyHz(Band::Air, 8),
                         World().Fm().low),
              std::tuple(code, air8Hz, fmLow))
        << position;
  }
  EXPECT_EQ(settings.Int(keys::kCountryCode), 1);

  // Snow where no station is; a clean picture near the carrier, a weak one a little off.
  for (int n = 2; n <= 69; ++n) {
    const std::int64_t carrier = World().DefaultFrequencyHz(Band::Air, n);
    const bool present = TvStation(1, Band::Air, n).present;
    EXPECT_EQ(World().OnChannel(Band::Air, n, carrier).quality,
              present ? Quality::Clean : Quality::None);
    if (!present) continue;
    for (const auto& [offset, quality] :
         {std::pair{100000, Quality::Clean}, {-1000000, Quality::Weak}, {3000000, Quality::None}})
      EXPECT_EQ(World().OnChannel(Band::Air, n, carrier + offset).quality, quality) << offset;
    EXPECT_EQ(World().AtFrequency(carrier).name, TvStation(1, Band::Air, n).name);
  }
}

// What the fake panel received.
struct Received {
  cmd::Id id;
  LPARAM lParam;
  bool sent;
  bool operator==(const Received&) const = default;
};
std::vector<Received> g_received;

LRESULT CALLBACK FakePanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return DefWindowProcA(window, message, wParam, lParam);
  g_received.push_back({LOWORD(wParam), lParam, InSendMessage() != FALSE});
  return 0;
}

class SimTv : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received.clear();
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
    ASSERT_TRUE(CopyFileA(winetest::WindowsPath(SIM_TV_PROGRAM).c_str(),
                          (dir + "\\screen.ex_").c_str(), FALSE) &&
                CopyFileA((winetest::ProgramFolder() + "QvTV.dll").c_str(),
                          (dir + "\\QvTV.dll").c_str(), FALSE));
    for (const auto& [key, value] : {std::pair{keys::kAppDirectory, dir},
                                     {keys::kSettingsIniName, "Settings.ini"s},
                                     {keys::kPanelIniName, "Panel.ini"s}})
      WinIni(profile).Write(key, value);
    settings = IniFile(profile, dir + "\\Settings.ini");
    WriteUnitedStates(settings);
    settings.Write(keys::kCaptureFile, dir + "\\Capture\\");

    // The card on cable ("InputSource" 3) shown as the panel shows it, ready and free for
    // snapshots.
    settings.Write(keys::kInputSource, 3);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    std::string commandLine = dir + "\\screen.ex_";
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               dir.c_str(), &startup, &process));
    ASSERT_TRUE(WaitFor(
        [&] { return Count(cmd::kPeerReady) > 0 && Count(cmd::kPeerSnapshotDone) > 0; }, 20000))
        << "no 40113 and 14526";
    ASSERT_NE(Video(), nullptr);
  }

  void TearDown() override {
    if (process.hProcess != nullptr) {  // closing is tested once; here the quickest end will do
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    DestroyWindow(panel);
  }

  HWND Video() const { return FindWindowA(kVideoClass, kVideoTitle); }
  void Post(cmd::Id id, LPARAM lParam) { PostMessageA(Video(), WM_COMMAND, id, lParam); }
  void Send(cmd::Id id) { SendMessageA(Video(), WM_COMMAND, id, 0); }

  static int Count(cmd::Id id) {
    return static_cast<int>(std::count_if(g_received.begin(), g_received.end(),
                                          [&](const Received& r) { return r.id == id; }));
  }
  // Posts a command (or with `sent` sends it) and waits for one more `answer` than before.
  bool AndWait(cmd::Id id, LPARAM lParam, cmd::Id answer, DWORD timeoutMs = 5000, bool sent = 0) {
    const int before = Count(answer);
    sent ? Send(id) : Post(id, lParam);
    return WaitFor([&] { return Count(answer) > before; }, timeoutMs);
  }

  win32::Win32Profile profile;
  std::string dir;
  IniFile settings{profile, ""};
  HWND panel = nullptr;
  PROCESS_INFORMATION process{};
};

TEST_F(SimTv, AnswersDuringTheSendAndAcknowledgesSwitchesScansAndSnapshotsInTheTrace) {
  EXPECT_TRUE(IsWindowVisible(Video())) << "a TV source shows its picture";
  EXPECT_EQ(Count(cmd::kPeerSnapshotDone), 1) << "snapshots are free from the start";

  // The answer to 42227 must arrive before the panel's blocking send returns, read when asked.
  for (const int radio : {1, 0}) {
    settings.Write(kRadioPresent, radio);
    g_received.clear();
    Send(cmd::kQueryRadio);
    ASSERT_EQ(g_received.size(), 1u);
    EXPECT_TRUE(g_received[0] == (Received{cmd::kQueryRadio, radio, true}));
  }
  for (const cmd::Id source :
       {cmd::kVideoComposite, cmd::kVideoSVideo, cmd::kVideoRadio, cmd::kVideoAir})
    EXPECT_TRUE(AndWait(source, 0, cmd::kPeerReady, 3000, true)) << source;
  Post(cmd::kVideoTuneFm, 1017);
  EXPECT_TRUE(AndWait(cmd::kVideoTvPageRefresh, 0, cmd::kPeerTvPageDone));

  // A stopped scan ends at once and once; the channels not reached keep no mark.
  settings.DeleteSection(keys::kAirList);
  Post(cmd::kVideoScanAir, 1);
  winetest::Pump(300);
  const DWORD stopping = GetTickCount();
  ASSERT_TRUE(AndWait(cmd::kVideoScanAir, 0, cmd::kPeerScanEnded, 2000));
  EXPECT_LT(GetTickCount() - stopping, 1500u);
  winetest::Pump(300);
  EXPECT_EQ(Count(cmd::kPeerScanEnded), 1) << "one end for one scan";
  EXPECT_FALSE(settings.Text(keys::kAirList, 2).empty());
  EXPECT_EQ(settings.Text(keys::kAirList, 69, "missing"), "missing");

  // Snapshots are numbered bitmaps past the taken slots, each named to the panel during a send
  // so that it is read before the next is named; the end comes last.
  const std::string capture = dir + "\\Capture";
  CreateDirectoryA(capture.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(winetest::WindowsPath(SIM_TV_PROGRAM).c_str(),
                        (capture + "\\qv00.mpg").c_str(), FALSE));  // slot 00: a recording
  settings.Write(keys::kSnapShotNumber, 2);
  g_received.clear();
  ASSERT_TRUE(AndWait(cmd::kVideoSnapshot, 0, cmd::kPeerSnapshotDone));
  const std::string bitmap = ReadWholeFile(capture + "\\qv01.bmp");
  EXPECT_TRUE(bitmap.size() > 54 && bitmap.starts_with("BM") && bitmap[28] == 24);
  EXPECT_FALSE(ReadWholeFile(capture + "\\qv02.bmp").empty());
  EXPECT_TRUE(ReadWholeFile(capture + "\\qv03.bmp").empty());
  EXPECT_EQ(settings.Text(keys::kAddItem), capture + "\\qv02.bmp");
  ASSERT_EQ(Count(cmd::kPeerCapturedFile), 2);
  for (const Received& r : g_received)
    EXPECT_TRUE(r.id != cmd::kPeerCapturedFile || r.sent) << "read before the next is named";
  EXPECT_EQ(g_received.back().id, cmd::kPeerSnapshotDone);

  PostMessageA(Video(), WM_CLOSE, 0, 0);
  DWORD code = 99;
  EXPECT_TRUE(WaitForSingleObject(process.hProcess, 5000) == WAIT_OBJECT_0 &&
              GetExitCodeProcess(process.hProcess, &code) && code == 0)
      << code;

  // The trace: "ms direction delivery message id lParam window" per line.
  std::string trace = ReadWholeFile(dir + "\\" + kTraceFileName);
  std::erase(trace, '\r');
  for (const char* expected :
       {" out posted 273 40113 0 panel", " in sent 273 42227 0 tv", " out sent 273 42227 1 panel",
        " in posted 273 2017 1017 tv", " in posted 16 0 0 tv"}) {
    EXPECT_NE(trace.find(expected + "\n"s), std::string::npos) << expected;
  }
}

}  // namespace
}  // namespace tv::sim
