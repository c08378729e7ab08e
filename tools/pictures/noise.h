// Smooth noise that repeats with the picture, for surfaces that tile, and a
// small random generator with a fixed sequence, so every build draws the same.
#pragma once

#include <cstdint>

namespace pictures {

// Fractal noise at (x, y) of a picture `period` pixels wide and high (a power
// of two), `cells` noise cells across at the coarsest octave (a power of two);
// about -1..1, and equal at x and x + period, y and y + period.
float TiledNoise(float x, float y, int period, int cells, int octaves, float seed);

struct Random {
    uint32_t state;
    explicit Random(uint32_t seed) : state(seed * 2654435761u + 1u) {}
    float Unit();  // 0..1
    float Between(float low, float high);
};

}  // namespace pictures
