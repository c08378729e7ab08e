// Decoding of one 4x4 block of the DXT1, DXT3 and DXT5 compressed formats.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

// The block's 16 pixels as R,G,B,A bytes, row by row from the top left.
using BlockPixels = std::array<uint8_t, 64>;

enum class DxtFormat { Dxt1, Dxt3, Dxt5 };

// Bytes one block of the format takes: 8 for DXT1, 16 for DXT3 and DXT5.
size_t DxtBlockBytes(DxtFormat format);

// `block` holds DxtBlockBytes(format) bytes.
BlockPixels DecodeDxtBlock(DxtFormat format, std::span<const uint8_t> block);

}  // namespace platform
