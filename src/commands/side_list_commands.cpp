// The panel's own command for the channel list: refill it (posted by the scans and the TV
// settings page after they changed the store).
#include "commands/command_ids.h"
#include "commands/command_table.h"
#include "tuning/side_list.h"

namespace tv::commands {
namespace {

void RefillChannelList(PanelContext& ctx, std::intptr_t) {
  tuning::RefillSideListIfOpen(ctx);
}

constexpr CommandHandler kHandlers[] = {{cmd::kRefillChannelList, RefillChannelList}};

}  // namespace

HandlerTable SideListCommandHandlers() {
  return kHandlers;
}

}  // namespace tv::commands
