#include <cmath>
#include <numbers>

#include "sounds.h"

// Filtered noise whose loudness and pitch follow slow gusts, with a faint
// whistle riding on the strongest ones. The gusts are periodic over the sound
// and at a lull at both ends, so that repeating it makes no seam.
Samples MakeWind() {
    constexpr double kLength = 6.0;
    const size_t count = SampleCount(kLength);
    Samples out(count, 0.0f);
    Random random(0x3173D);
    Biquad body, dull, rumble, whistle;
    rumble.SetLowPass(140, 0.7);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / count;  // 0 to 1 over the loop
        const double w = 2 * std::numbers::pi * t;
        // Gust strength from 0 (lull) to about 1, 0 at both ends.
        const double gust = 0.45 * (1 - std::cos(w)) * (0.75 + 0.25 * std::sin(3 * w + 0.7)) +
                            0.12 * (1 - std::cos(5 * w)) * 0.5;
        body.SetBandPass(220 + 520 * gust, 1.0 + 1.5 * gust);
        dull.SetLowPass(900 + 900 * gust, 0.7);
        whistle.SetBandPass(520 + 380 * gust + 40 * std::sin(7 * w), 30);
        const float noise = random.Bipolar();
        const double level = 0.15 + 0.85 * gust;
        out[i] = static_cast<float>(level * dull.Process(body.Process(noise)) +
                                    2.2 * gust * gust * whistle.Process(noise) +
                                    (0.4 + 0.4 * gust) * rumble.Process(noise));
    }
    Finish(out, 0.08, 0.6);
    return out;
}
