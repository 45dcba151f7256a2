#pragma once
// The desktop's services recorded: system flags as a little table, started programs, the
// tooltip control and the tray icon, with the order of the calls that tests check as events.

#include <map>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace tv::fakes {

struct StartedProgram {
  std::string commandLine;
  int showState = 0;
};

class FakeShell : public Shell {
 public:
  std::uint32_t QuerySystemFlag(std::uint32_t getAction) override {
    events.push_back("Query " + std::to_string(getAction));
    return systemFlags[getAction];
  }
  bool SetSystemFlag(std::uint32_t setAction, std::uint32_t value) override {
    events.push_back("Set " + std::to_string(setAction) + " " + std::to_string(value));
    systemSets.emplace_back(setAction, value);
    return true;
  }
  bool RegisterHotKey(WindowRef, int, std::uint32_t, std::uint32_t) override { return true; }
  void StartProgram(const std::string& commandLine, int showState) override {
    started.push_back(StartedProgram{commandLine, showState});
  }
  bool CreateTooltips(WindowRef, const std::vector<Tooltip>& newTools, TooltipDelays) override {
    events.push_back("CreateTooltips");
    tooltipsAlive = true;
    tools = newTools;
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
  void ShowPopupMenu(WindowRef, int, const std::vector<MenuItemText>&) override {}

  std::map<std::uint32_t, std::uint32_t> systemFlags;               // values of the "get" actions
  std::vector<std::pair<std::uint32_t, std::uint32_t>> systemSets;  // (action, value) in order
  std::vector<StartedProgram> started;
  bool tooltipsAlive = false;
  std::vector<Tooltip> tools;
  bool trayIcon = false;
  std::string trayTip;
  std::vector<std::string> events;
};

}  // namespace tv::fakes
