#pragma once
// Device-independent bitmap files: what snapshots and recording thumbnails are written as.

#include <cstdint>
#include <string>
#include <vector>

namespace tv::sim {

// Pixels 0x00RRGGBB, rows top to bottom. Written as a 24-bit bottom-up BMP.
bool WriteBmp(const std::string& path, const std::vector<std::uint32_t>& pixels, int width,
              int height);

// The file's bytes as a BMP: 24-bit, with the size its header states.
std::vector<std::uint8_t> EncodeBmp(const std::vector<std::uint32_t>& pixels, int width,
                                    int height);

}  // namespace tv::sim
