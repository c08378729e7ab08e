// range.png: the zone of a sound. White everywhere so the program's tint gives
// its colour; a faint inside, a crisp rim at the edge, a mark at the centre.
#include <algorithm>
#include <cmath>

#include "pictures.h"

namespace pictures {

namespace {
// How much of a pixel lies within `half` px of `radius`, antialiased.
float Band(float r, float radius, float half) {
    return std::clamp(half + 0.5f - std::abs(r - radius), 0.0f, 1.0f);
}
float Smooth(float edge0, float edge1, float v) {
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}
}  // namespace

Image DrawZoneDisc() {
    const int size = 512;
    const float centre = size / 2.0f;
    const float rim = 251.0f;  // middle of the rim line
    Image image(size, size, Rgba{1, 1, 1, 0});
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float r = std::hypot(x + 0.5f - centre, y + 0.5f - centre);
            float alpha = 0.0f;
            if (r < rim) {
                // Faint inside, slowly stronger outwards, glowing just inside the rim.
                alpha =
                    0.18f + 0.08f * Smooth(0.3f * rim, rim, r) + 0.3f * std::exp(-(rim - r) / 9.0f);
            } else {
                alpha = 0.45f * std::exp(-(r - rim) / 1.5f);  // a thin halo outside
            }
            alpha = std::max(alpha, 0.95f * Band(r, rim, 2.5f));
            // The sound's own place: a small ring and dot.
            alpha = std::max(alpha, 0.7f * Band(r, 7.0f, 1.0f));
            alpha = std::max(alpha, 0.7f * std::clamp(2.5f - r, 0.0f, 1.0f));
            if (r > centre - 0.5f) alpha = 0.0f;  // nothing beyond the picture's inscribed circle
            image.at(x, y).a = std::min(alpha, 1.0f);
        }
    }
    return image;
}

}  // namespace pictures
