// screen.ex_: the video window program of the simulated TV card. The panel starts it from the
// installation folder and drives it by window messages; see README.md in this folder.
#include <windows.h>

#include <memory>
#include <string>

#include "base/locations.h"
#include "app/panel_context.h"
#include "base/tuner_binding.h"
#include "peer_link.h"
#include "sim_protocol.h"
#include "video_window.h"
#include "win32/platform/win32_platform.h"

namespace {

constexpr int kClosingWaits = 30;
constexpr DWORD kClosingWaitMs = 100;

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

// Next to the settings file; beside the program when the installation is not known.
std::string TracePath(const tv::Locations& where) {
  const std::size_t cut = where.settingsIni.find_last_of('\\');
  const std::string folder =
      cut == std::string::npos || cut == 0 ? ProgramFolder() : where.settingsIni.substr(0, cut);
  return folder + "\\" + tv::sim::kTraceFileName;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  // One card, one video window. A window that is just closing gets a moment to go; a running
  // one is left alone.
  for (int wait = 0; FindWindowA(tv::kVideoClass, tv::kVideoTitle) != nullptr; ++wait) {
    if (wait == kClosingWaits) return 0;
    Sleep(kClosingWaitMs);
  }

  tv::win32::Win32Profile profile;
  tv::win32::Win32FileSystem files;
  const tv::Locations where = tv::ResolveLocations(profile, files);

  tv::sim::Trace trace;
  trace.Open(TracePath(where));
  tv::sim::PeerLink link(trace);

  // Without the tuner library the card still runs, on a plain channel raster.
  std::unique_ptr<tv::TunerLibrary> library = tv::MakeSystemTunerLibrary();
  const bool bound = library->Load(tv::kTunerLibraryFile) &&
                     library->Lookup(tv::TunerEntry::FreqInfo) &&
                     library->Lookup(tv::TunerEntry::CountryInfo);
  if (!bound) library->Release();

  if (!tv::sim::VideoWindow::Register(instance)) return 1;
  tv::sim::VideoWindow video(instance, where, bound ? library.get() : nullptr, link);
  if (!video.Create(showCommand)) return 1;

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
