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
  std::uint32_t QuerySystemFlag(std::uint32_t getAction) override;
  bool SetSystemFlag(std::uint32_t setAction, std::uint32_t value) override;
  bool RegisterHotKey(WindowRef window, int id, std::uint32_t modifiers,
                      std::uint32_t virtualKey) override;
  void StartProgram(const std::string& commandLine, int showState) override;
  bool CreateTooltips(WindowRef window, const std::vector<Tooltip>& tools,
                      TooltipDelays delays) override;
  void DestroyTooltips() override;
  bool HasTooltips() override { return tooltipsAlive; }
  bool AddTrayIcon(WindowRef window, int iconId, std::uint32_t callbackMessage,
                   const std::string& tip) override;
  void RemoveTrayIcon(WindowRef window, int iconId) override;
  void ShowPopupMenu(WindowRef owner, int menu, const std::vector<MenuItemText>& items) override;

  // Values of the "get" actions; a set action a writes the flag read by get action a - 1 for
  // the screen saver (16/17) and a - 2 for the power phases (83/85, 84/86).
  std::map<std::uint32_t, std::uint32_t> systemFlags;
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
