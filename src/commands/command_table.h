#pragma once
// Command id to handler: each room of commands offers its own table and the lookup searches
// them all. An id appears in one table only.

#include <cstdint>
#include <span>

#include "app/panel_context.h"

namespace tv::commands {

struct CommandHandler {
  std::uint16_t id;
  void (*run)(PanelContext& ctx, std::intptr_t lParam);
};
using HandlerTable = std::span<const CommandHandler>;

HandlerTable WindowCommandHandlers();    // panel_commands.cpp: TV close/reopen, tray, shapes
HandlerTable PeerCommandHandlers();      // peer_commands.cpp: what the peer programs send
HandlerTable ChannelCommandHandlers();   // channel_commands.cpp: sources, channels, digits
HandlerTable AdjustCommandHandlers();    // adjust_commands.cpp: volume, mute, picture, tone
HandlerTable DialogCommandHandlers();    // dialog_commands.cpp: settings sheet, about box
HandlerTable FileCommandHandlers();      // captured_files.cpp: the captured-files list
HandlerTable SideListCommandHandlers();  // side_list_commands.cpp: the channel list
HandlerTable ScanCommandHandlers();      // tuning/scanning.cpp: the scan command

// The handler of an id, or null when the id has none (it then goes to the default procedure).
const CommandHandler* FindHandler(std::uint16_t id);

}  // namespace tv::commands
