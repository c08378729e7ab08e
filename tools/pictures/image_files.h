// Writes pictures to disk in the file formats the demos and the library read.
#pragma once

#include <string>

#include "image.h"

namespace pictures {

enum class FileKind {
    Png,    // 8-bit RGBA
    Bmp32,  // 32 bits a pixel, with alpha
    Bmp24,  // 24 bits a pixel, no alpha
    Jpeg,   // no alpha
};

// False when the file cannot be written.
bool WriteImage(const std::string& path, const Image& image, FileKind kind);

}  // namespace pictures
