// Windows cursor files (.cur) held in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct CursorImage {
    int width = 0;
    int height = 0;
    int hotspotX = 0;  // from the top left, inside the image
    int hotspotY = 0;
    std::vector<uint8_t> rgba;  // R,G,B,A bytes, rows top to bottom
};

// The file's largest image (the deepest of equal size), from a DIB or a PNG.
// Icon files, and any file that is truncated, inconsistent or has a hotspot
// outside its image, give nothing.
std::optional<CursorImage> ParseCursorFile(std::span<const uint8_t> bytes);

}  // namespace platform
