#pragma once
// "tvremote list": reads and drives the panel's two list windows from outside the panel.

#include <span>
#include <string>

namespace tv::remote {

int RunList(std::span<const std::string> words);

}  // namespace tv::remote
