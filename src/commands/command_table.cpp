#include "commands/command_table.h"

#include <algorithm>

#include "commands/companion_commands.h"
#include "commands/recording_commands.h"

namespace tv::commands {

const CommandHandler* FindHandler(std::uint16_t id) {
  for (HandlerTable table :
       {WindowCommandHandlers(), PeerCommandHandlers(), ChannelCommandHandlers(),
        AdjustCommandHandlers(), RecordingCommandHandlers(), CompanionCommandHandlers(),
        DialogCommandHandlers(), FileCommandHandlers(), SideListCommandHandlers(),
        ScanCommandHandlers()}) {
    auto it = std::find_if(table.begin(), table.end(),
                           [id](const CommandHandler& h) { return h.id == id; });
    if (it != table.end()) return &*it;
  }
  return nullptr;
}

}  // namespace tv::commands
