#include "tga_file.h"

#include <cstdio>
#include <memory>

namespace {

void PutLe16(uint8_t* at, int value) {
    at[0] = static_cast<uint8_t>(value & 0xFF);
    at[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

bool WriteWhiteAlphaTga(const std::string& path, int width, int height,
                        const std::vector<uint8_t>& alpha) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF) return false;
    if (alpha.size() != static_cast<size_t>(width) * height) return false;

    uint8_t header[18] = {};
    header[2] = 2;  // uncompressed true-colour
    PutLe16(header + 12, width);
    PutLe16(header + 14, height);
    header[16] = 32;           // bits per pixel
    header[17] = 0x20 | 0x08;  // top-left origin, 8 alpha bits

    std::vector<uint8_t> pixels(alpha.size() * 4);
    for (size_t i = 0; i < alpha.size(); ++i) {
        pixels[4 * i + 0] = 255;  // blue
        pixels[4 * i + 1] = 255;  // green
        pixels[4 * i + 2] = 255;  // red
        pixels[4 * i + 3] = alpha[i];
    }

    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file) return false;
    if (std::fwrite(header, 1, sizeof header, file.get()) != sizeof header) return false;
    if (std::fwrite(pixels.data(), 1, pixels.size(), file.get()) != pixels.size()) return false;
    return std::fclose(file.release()) == 0;
}
