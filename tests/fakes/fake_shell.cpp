#include "fakes/fake_shell.h"

namespace tv::fakes {
namespace {

std::uint32_t GetActionFor(std::uint32_t setAction) {
  switch (setAction) {
    case 17:
      return 16;  // screen saver
    case 85:
      return 83;  // low-power phase
    case 86:
      return 84;  // power-off phase
    default:
      return setAction;
  }
}

}  // namespace

std::uint32_t FakeShell::QuerySystemFlag(std::uint32_t getAction) {
  events.push_back("Query " + std::to_string(getAction));
  auto it = systemFlags.find(getAction);
  return it == systemFlags.end() ? 0 : it->second;
}

bool FakeShell::SetSystemFlag(std::uint32_t setAction, std::uint32_t value) {
  events.push_back("Set " + std::to_string(setAction) + " " + std::to_string(value));
  systemSets.emplace_back(setAction, value);
  systemFlags[GetActionFor(setAction)] = value;
  return true;
}

bool FakeShell::RegisterHotKey(WindowRef, int, std::uint32_t, std::uint32_t virtualKey) {
  events.push_back("HotKey " + std::to_string(virtualKey));
  if (!hotKeyAvailable) return false;
  hotKeys.push_back(virtualKey);
  return true;
}

void FakeShell::StartProgram(const std::string& commandLine, int showState) {
  events.push_back("Start " + commandLine + " " + std::to_string(showState));
  started.push_back(StartedProgram{commandLine, showState});
}

bool FakeShell::CreateTooltips(WindowRef, const std::vector<Tooltip>& newTools,
                               TooltipDelays newDelays) {
  events.push_back("CreateTooltips " + std::to_string(newTools.size()));
  if (!tooltipsCanBeCreated) return false;
  tooltipsAlive = true;
  tools = newTools;
  delays = newDelays;
  ++tooltipCreations;
  return true;
}

void FakeShell::DestroyTooltips() {
  events.push_back("DestroyTooltips");
  tooltipsAlive = false;
  tools.clear();
}

bool FakeShell::AddTrayIcon(WindowRef, int, std::uint32_t, const std::string& tip) {
  events.push_back("AddTrayIcon");
  trayIcon = true;
  trayTip = tip;
  return true;
}

void FakeShell::RemoveTrayIcon(WindowRef, int) {
  events.push_back("RemoveTrayIcon");
  trayIcon = false;
}

void FakeShell::ShowPopupMenu(WindowRef owner, int menu, const std::vector<MenuItemText>& items) {
  events.push_back("Menu " + std::to_string(menu));
  menus.push_back(ShownMenu{owner, menu, items});
}

}  // namespace tv::fakes
