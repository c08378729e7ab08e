#include "noise.h"

#include <stb_perlin.h>

namespace pictures {

float TiledNoise(float x, float y, int period, int cells, int octaves, float seed) {
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int octave = 0; octave < octaves && cells <= 256; ++octave) {
        const float scale = static_cast<float>(cells) / period;
        sum += amplitude *
               stb_perlin_noise3(x * scale, y * scale, seed + octave * 7.31f, cells, cells, 0);
        total += amplitude;
        amplitude *= 0.5f;
        cells *= 2;
    }
    return sum / total * 1.6f;
}

float Random::Unit() {
    // xorshift32
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state >> 8) / 16777216.0f;
}

float Random::Between(float low, float high) {
    return low + (high - low) * Unit();
}

}  // namespace pictures
