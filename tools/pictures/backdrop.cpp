// Wo.jpg: a calm, dark stone floor behind the balls, repeating without seams.
#include <algorithm>
#include <cmath>

#include "noise.h"
#include "pictures.h"

namespace pictures {

Image DrawBackdrop() {
    const int size = 256;
    const int tile = 64;  // four slabs across; the grout lines fall on the picture's edges
    Image image(size, size);
    const Rgba deep = FromHex(0x1c2a3c), stone = FromHex(0x34465c);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float clouds = TiledNoise(x, y, size, 4, 4, 1.7f);
            Rgba c = Mix(deep, stone, std::clamp(0.55f + 0.35f * clouds, 0.0f, 1.0f));
            // Distance to the nearest grout line, both ways, with the slabs' edges bevelled.
            const float fx = std::fmod(x + 0.5f, static_cast<float>(tile));
            const float fy = std::fmod(y + 0.5f, static_cast<float>(tile));
            const float edge = std::min({fx, tile - fx, fy, tile - fy});
            if (edge < 1.5f) {
                c = Scaled(c, 0.6f);
            } else if (edge < 4.0f) {
                // Top and left rims catch the light, bottom and right ones fall in shade.
                const bool lit = std::min(fx, fy) < std::min(tile - fx, tile - fy);
                c = Scaled(c, lit ? 1.12f : 0.85f);
            }
            image.at(x, y) = c;
        }
    }
    return image;
}

}  // namespace pictures
