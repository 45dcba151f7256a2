#pragma once
// "tvremote dialog TITLE ACTION ...": drives a top-level dialog or a property sheet's current
// page from outside. A control set from another process tells its dialog nothing, so after
// setting it the remote sends the dialog the notification the control would have sent.

#include <windows.h>

#include <span>
#include <string>

namespace tv::remote {

int RunDialog(std::span<const std::string> words);

}  // namespace tv::remote
