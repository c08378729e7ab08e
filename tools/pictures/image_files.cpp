#include "image_files.h"

#include <stb_image_write.h>

namespace pictures {

bool WriteImage(const std::string& path, const Image& image, FileKind kind) {
    const int channels = (kind == FileKind::Png || kind == FileKind::Bmp32) ? 4 : 3;
    const std::vector<uint8_t> bytes = ToBytes(image, channels);
    const char* file = path.c_str();
    switch (kind) {
        case FileKind::Png:
            return stbi_write_png(file, image.width, image.height, 4, bytes.data(),
                                  image.width * 4) != 0;
        case FileKind::Bmp32:  // stb writes four channels as a 32-bit bitmap with an alpha mask
        case FileKind::Bmp24:
            return stbi_write_bmp(file, image.width, image.height, channels, bytes.data()) != 0;
        case FileKind::Jpeg:
            return stbi_write_jpg(file, image.width, image.height, 3, bytes.data(), 92) != 0;
    }
    return false;
}

}  // namespace pictures
