// Decoding of image files held in memory into 8-bit RGBA pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// Larger images are refused, so a header that lies cannot ask for a huge buffer.
inline constexpr int kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 26;  // 256 MiB of RGBA

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // R,G,B,A bytes, rows top to bottom
};

// PNG, JPEG, BMP, TGA or DDS, recognised by content. Anything unreadable,
// truncated or too large gives nothing.
std::optional<DecodedImage> DecodeImage(std::span<const uint8_t> bytes);

// DDS: uncompressed 16-, 24- and 32-bit RGB(A) with channel masks, DXT1, DXT3 and
// DXT5; the first surface of the top mip level.
std::optional<DecodedImage> DecodeDds(std::span<const uint8_t> bytes);

// Whether a picture of this size may be decoded (both sides at least 1).
bool IsAcceptedImageSize(int64_t width, int64_t height);

}  // namespace platform
