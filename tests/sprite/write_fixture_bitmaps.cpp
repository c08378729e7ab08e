// Writes the fixture library's bitmaps into the folder given: sheet.bmp, 6 x 3
// with the left half red and the right half blue, and broken.bmp, the same
// file cut off in its pixel data.
#include <stb_image_write.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    constexpr int kWidth = 6, kHeight = 3;
    std::vector<unsigned char> rgb;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool left = x < kWidth / 2;
            rgb.insert(rgb.end(), {static_cast<unsigned char>(left ? 255 : 0), 0,
                                   static_cast<unsigned char>(left ? 0 : 255)});
        }
    }
    std::vector<char> file;
    auto append = [](void* context, void* data, int size) {
        auto* out = static_cast<std::vector<char>*>(context);
        out->insert(out->end(), static_cast<char*>(data), static_cast<char*>(data) + size);
    };
    if (!stbi_write_bmp_to_func(append, &file, kWidth, kHeight, 3, rgb.data())) return 1;
    const std::string folder = argv[1];
    std::ofstream(folder + "/sheet.bmp", std::ios::binary).write(file.data(), file.size());
    std::ofstream(folder + "/broken.bmp", std::ios::binary).write(file.data(), file.size() - 20);
    return 0;
}
