// Stand-ins for the programs the panel starts besides the video window: the teletext viewer,
// the schedule program and the web browser (see README.md). One program; the file name it was
// started under decides what it is.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/panel_context.h"
#include "base/locations.h"
#include "base/settings_file.h"
#include "commands/command_ids.h"
#include "panel/layout_tables.h"
#include "win32/platform/win32_platform.h"

namespace {

enum class Part { Teletext, Planner, Browser, Unknown };

constexpr const char* kDefaultPlannerTitle = "Schedule Recording Settings";
constexpr const char* kPlannerTitleKey = "IDS_PLANNER_DIALOG";
constexpr std::uint32_t kTitleCapacity = 51;
// Private messages travel at or above WM_USER; the schedule protocol's are far above it.
constexpr UINT kFirstPrivateMessage = WM_USER;

std::string g_logPath;

std::string ModulePath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

Part PartOf(const std::string& fileName) {
  const std::string name = Lower(fileName);
  if (name == "infopage.ex_") return Part::Teletext;
  if (name == "planner.exe") return Part::Planner;
  if (name == "iexplore.exe") return Part::Browser;
  return Part::Unknown;
}

void Log(const std::string& line) {
  FILE* file = std::fopen(g_logPath.c_str(), "ab");
  if (file == nullptr) return;
  std::fprintf(file, "%s\r\n", line.c_str());
  std::fclose(file);
}

std::string PlannerTitle() {
  tv::win32::Win32Profile profile;
  tv::win32::Win32FileSystem files;
  const tv::Locations where = tv::ResolveLocations(profile, files);
  const tv::IniFile layout(profile, where.panelIni);
  return layout.RawText(tv::panel::kPanelSection, kPlannerTitleKey, kDefaultPlannerTitle,
                        kTitleCapacity);
}

HWND FindPanel() {
  return FindWindowA(tv::kPanelClass, tv::kPanelTitle);
}

LRESULT CALLBACK PlannerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= kFirstPrivateMessage && message < 0xC000) {
    Log("message " + std::to_string(message) + " " + std::to_string(wParam) + " " +
        std::to_string(lParam));
    return 0;
  }
  if (message == WM_DESTROY) {
    // The panel may start the program again only once it knows this one has gone.
    PostMessageA(FindPanel(), WM_COMMAND, tv::cmd::kPeerScheduleClosed, 0);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK ViewerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int RunWindow(HINSTANCE instance, const char* className, WNDPROC proc, const std::string& title,
              int x) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = className;
  if (!RegisterClassA(&wc)) return 1;
  HWND window = CreateWindowExA(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, x, 40, 320, 160,
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

// "send ID LPARAM": the schedule program's side of the protocol on request.
int SendToPanel(int argc, char** argv) {
  if (argc != 4) return 2;
  char* end = nullptr;
  const unsigned long id = std::strtoul(argv[2], &end, 10);
  if (*end != '\0' || id > 0xFFFF) return 2;
  const long value = std::strtol(argv[3], &end, 0);
  if (*end != '\0') return 2;
  HWND panel = FindPanel();
  if (panel == nullptr) {
    Log("no panel");
    return 1;
  }
  SendMessageA(panel, WM_COMMAND, id, static_cast<LPARAM>(value));
  Log("sent " + std::to_string(id) + " " + std::to_string(value));
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::string path = ModulePath();
  const std::size_t slash = path.find_last_of('\\');
  const std::string folder = path.substr(0, slash);
  const std::string fileName = path.substr(slash + 1);
  g_logPath = folder + "\\" + fileName.substr(0, fileName.find('.')) + "-log.txt";

  const Part part = PartOf(fileName);
  if (part == Part::Planner && __argc >= 2 && std::string(__argv[1]) == "send")
    return SendToPanel(__argc, __argv);
  Log(std::string("start ") + GetCommandLineA());
  switch (part) {
    case Part::Teletext:
      return RunWindow(instance, "CompanionTeletext", ViewerProc, "Teletext", 360);
    case Part::Planner:
      return RunWindow(instance, "CompanionPlanner", PlannerProc, PlannerTitle(), 700);
    case Part::Browser:
    case Part::Unknown:
      return 0;
  }
  return 0;
}
