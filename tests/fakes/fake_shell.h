#pragma once
// The desktop's services recorded: system flags as a little table, hot keys, started
// programs, the tooltip control, tray icons and the popup menus shown.

#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace tv::fakes {

struct StartedProgram {
  std::string commandLine;
  int showState = 0;
};

struct ShownMenu {
  WindowRef owner;
  int menu = 0;
  std::vector<MenuItemText> items;
};

class FakeShell : public Shell {
 public:
  std::uint32_t QuerySystemFlag(std::uint32_t getAction) override {
    events.push_back("Query " + std::to_string(getAction));
    return systemFlags[getAction];
  }
  // A set action a writes the flag read by get action a - 1 for the screen saver (16/17) and
  // a - 2 for the power phases (83/85, 84/86).
  bool SetSystemFlag(std::uint32_t setAction, std::uint32_t value) override {
    events.push_back("Set " + std::to_string(setAction) + " " + std::to_string(value));
    systemSets.emplace_back(setAction, value);
    const bool phase = setAction == 85 || setAction == 86;
    systemFlags[setAction == 17 ? 16 : phase ? setAction - 2 : setAction] = value;
    return true;
  }
  bool RegisterHotKey(WindowRef, int, std::uint32_t, std::uint32_t virtualKey) override {
    events.push_back("HotKey " + std::to_string(virtualKey));
    if (hotKeyAvailable) hotKeys.push_back(virtualKey);
    return hotKeyAvailable;
  }
  void StartProgram(const std::string& commandLine, int showState) override {
    events.push_back("Start " + commandLine + " " + std::to_string(showState));
    started.push_back(StartedProgram{commandLine, showState});
  }
  bool CreateTooltips(WindowRef, const std::vector<Tooltip>& newTools,
                      TooltipDelays newDelays) override {
    events.push_back("CreateTooltips " + std::to_string(newTools.size()));
    if (!tooltipsCanBeCreated) return false;
    tooltipsAlive = true;
    tools = newTools;
    delays = newDelays;
    ++tooltipCreations;
    return true;
  }
  void DestroyTooltips() override {
    events.push_back("DestroyTooltips");
    tooltipsAlive = false;
    tools.clear();
  }
  bool HasTooltips() override { return tooltipsAlive; }
  bool AddTrayIcon(WindowRef, int, std::uint32_t, const std::string& tip) override {
    events.push_back("AddTrayIcon");
    trayIcon = true;
    trayTip = tip;
    return true;
  }
  void RemoveTrayIcon(WindowRef, int) override {
    events.push_back("RemoveTrayIcon");
    trayIcon = false;
  }
  void ShowPopupMenu(WindowRef owner, int menu, const std::vector<MenuItemText>& items) override {
    events.push_back("Menu " + std::to_string(menu));
    menus.push_back(ShownMenu{owner, menu, items});
  }

  std::map<std::uint32_t, std::uint32_t> systemFlags;               // values of the "get" actions
  std::vector<std::pair<std::uint32_t, std::uint32_t>> systemSets;  // (action, value) in order
  bool hotKeyAvailable = true;
  std::vector<std::uint32_t> hotKeys;  // virtual keys registered
  std::vector<StartedProgram> started;
  bool tooltipsCanBeCreated = true;
  bool tooltipsAlive = false;
  std::vector<Tooltip> tools;
  TooltipDelays delays;
  int tooltipCreations = 0;
  bool trayIcon = false;
  std::string trayTip;
  std::vector<ShownMenu> menus;
  std::vector<std::string> events;
};

}  // namespace tv::fakes
