#pragma once
// Whether a skin picture file holds all the pixels its header announces. A picture cut short
// (a copy that stopped, a full disk) counts as missing, as a missing file does: the system's
// own loader may read past the end of such a file instead of refusing it.

#include <cstdint>
#include <string_view>

namespace tv::panel {

// The bytes needed from the start of a file to judge it.
inline constexpr std::size_t kBitmapHeaderBytes = 54;

// `head` is the file's first bytes (up to kBitmapHeaderBytes), `fileSize` its whole length.
bool IsCompleteBitmapFile(std::string_view head, std::uint64_t fileSize);

}  // namespace tv::panel
