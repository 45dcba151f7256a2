#pragma once
// The multi-channel preview and the programs and dialogs the panel opens besides the video
// window: the teletext viewer, the schedule program, the web page in the system's browser, the
// settings sheet, the audio settings dialog and the about box.

#include <string>
#include <string_view>

#include "app/panel_context.h"
#include "commands/command_table.h"

namespace tv::commands {

// The registry location of the system web browser's folder.
inline constexpr const char* kBrowserKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
inline constexpr const char* kBrowserValue = "Path";

// The browser's folder from the stored bytes of its registry value: up to the first NUL (a
// value may lack its terminator) and then up to the first ";" (the value may list several).
std::string BrowserFolder(std::string_view storedBytes);

// 40042, 40122, 40041, 44001, 40043, 40123, 40002.
HandlerTable CompanionCommandHandlers();

}  // namespace tv::commands
