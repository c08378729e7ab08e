#include <cmath>

#include "sounds.h"

// Many small bubbles, each a decaying tone whose pitch rises as it closes,
// over a soft murmur of band-limited noise.
Samples MakeBrook() {
    constexpr double kLength = 5.0;
    Samples out(SampleCount(kLength), 0.0f);
    Random random(0xB400C);

    for (double at = 0.0; at < kLength - 0.05;) {
        at += random.Between(0.002, 0.016);
        const double start = 300 * std::pow(8.0, random.Uniform());  // 300 to 2400 Hz
        const double decay = 0.004 + 12.0 / start * random.Between(0.3, 1.0);
        const double rise = random.Between(0.1, 0.6);
        const double size = std::pow(random.Uniform(), 2.5);
        const double length = std::min(5 * decay, kLength - at);
        AddVoice(
            out, at, length, [=](double u) { return start * (1 + rise * u); },
            [=](double u) {
                const double t = u * length;
                return size * std::min(1.0, t / 0.0015) * std::exp(-t / decay);
            });
    }

    Biquad murmur, hiss;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        murmur.SetBandPass(700 + 250 * std::sin(2.1 * t) + 120 * std::sin(5.3 * t), 1.2);
        hiss.SetBandPass(2600, 0.8);
        const float noise = random.Bipolar();
        out[i] += 0.35f * murmur.Process(noise) + 0.08f * hiss.Process(noise);
    }
    Finish(out, 0.06, 0.6);
    return out;
}
