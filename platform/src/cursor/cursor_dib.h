// The device-independent bitmap of one cursor image: a BITMAPINFOHEADER whose
// height counts the colour bitmap and the AND mask together, a palette for 1,
// 4 and 8 bits a pixel, the colour rows and the 1-bit mask rows, both bottom-up
// and padded to 4 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct DibInfo {
    int width = 0;
    int height = 0;  // of the image: half the header's height
    int bitCount = 0;
};

// The header, when it is one this reader takes and the bytes hold all its data.
std::optional<DibInfo> ReadCursorDibInfo(std::span<const uint8_t> dib);

// RGBA rows top to bottom. 32-bit pixels keep their alpha unless every alpha
// byte is 0; then, as at every lower depth, a set mask bit makes a pixel
// transparent. A palette index past the palette gives nothing.
std::optional<std::vector<uint8_t>> DecodeCursorDib(std::span<const uint8_t> dib);

}  // namespace platform
