// Recognising an image file by its content, and checking that it holds all the
// pixel data its header announces (the stb readers fill a short file with zeros).
#pragma once

#include <cstdint>
#include <span>

namespace platform {

enum class ImageFormat { Unknown, Png, Jpeg, Bmp, Tga, Dds };

// By magic bytes; TGA, which has none, by a header whose fields are all valid.
ImageFormat DetectImageFormat(std::span<const uint8_t> bytes);

// For BMP and TGA: whether the file is long enough for its pixels; for PNG:
// whether every chunk is whole up to the end chunk; for JPEG: whether the image
// data reaches an end marker. Other formats: true.
bool HasAllPixelData(ImageFormat format, std::span<const uint8_t> bytes);

}  // namespace platform
