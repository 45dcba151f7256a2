#pragma once
// The desktop around the panel: power-saving flags, the global hot key, started programs,
// the tooltip control, the notification-area icon and popup menus.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/geometry.h"
#include "platform/handles.h"

namespace tv {

struct Tooltip {
  int id = 0;
  Rect rect;  // window coordinates
  std::string text;
};

struct TooltipDelays {
  int initialMs = 1000;
  int autoPopMs = 2500;
  int reshowMs = 1000;
};

struct MenuItemText {
  std::uint16_t id = 0;
  std::string text;
};

// A registry value as stored: its type and bytes. A string value may lack its terminator or
// carry several; the reader decides what the bytes mean.
struct RegistryValue {
  bool found = false;  // the key exists but the value may not
  std::uint32_t type = 0;
  std::string bytes;
};

class Shell {
 public:
  virtual ~Shell() = default;

  // SystemParametersInfo: read a flag, or set one with the profile-update and broadcast flags.
  virtual std::uint32_t QuerySystemFlag(std::uint32_t getAction) = 0;
  virtual bool SetSystemFlag(std::uint32_t setAction, std::uint32_t value) = 0;

  virtual bool RegisterHotKey(WindowRef window, int id, std::uint32_t modifiers,
                              std::uint32_t virtualKey) = 0;
  // Loads the program's accelerator table; the message loop offers every message to it.
  virtual void LoadAcceleratorTable(int resourceId) = 0;

  // Starts a program by command line with a show state; the result is not looked at.
  virtual void StartProgram(const std::string& commandLine, int showState) = 0;

  // A value under HKEY_LOCAL_MACHINE\key, read by size and then into a buffer of that size;
  // nullopt when the key cannot be opened.
  virtual std::optional<RegistryValue> ReadMachineValue(const std::string& key,
                                                        const std::string& value) = 0;

  // One tooltip control for the panel: created with its tools, or destroyed.
  virtual bool CreateTooltips(WindowRef window, const std::vector<Tooltip>& tools,
                              TooltipDelays delays) = 0;
  virtual void DestroyTooltips() = 0;
  virtual bool HasTooltips() = 0;

  virtual bool AddTrayIcon(WindowRef window, int iconId, std::uint32_t callbackMessage,
                           const std::string& tip) = 0;
  virtual void RemoveTrayIcon(WindowRef window, int iconId) = 0;

  // Loads menu resource `menu`, takes its first submenu, sets the given item texts, shows it
  // at the cursor owned by `owner` (the chosen item arrives as WM_COMMAND) and destroys it.
  virtual void ShowPopupMenu(WindowRef owner, int menu, const std::vector<MenuItemText>& items) = 0;

  // The shell's folder browser, owned by owner, rooted at the desktop, with the title text and
  // no options; the chosen folder's file-system path, or nullopt when the user cancelled or
  // chose something without one (a virtual folder such as the printers).
  virtual std::optional<std::string> BrowseForFolder(WindowRef owner, const std::string& title) = 0;
};

}  // namespace tv
