#include <cmath>
#include <numbers>

#include "sounds.h"

namespace {

// One howl: the pitch slides up from `low` to `high`, holds with a slow
// vibrato, and sinks at the end as the breath runs out.
void Howl(Samples& out, double at, double length, double low, double high, uint64_t seed) {
    Random random(seed);
    const double wobble = random.Between(0, 6.28);
    const auto pitch = [=](double u) {
        const double t = u * length;
        double f;
        if (u < 0.2) {
            const double s = u / 0.2;
            f = low + (high - low) * std::sin(0.5 * std::numbers::pi * s);
        } else if (u < 0.7) {
            f = high * (1 + 0.04 * (u - 0.2));
        } else {
            const double s = (u - 0.7) / 0.3;
            f = high * 1.02 - (high * 1.02 - low * 0.85) * s * s;
        }
        return f * (1 + 0.012 * std::sin(2 * std::numbers::pi * 5.2 * t + wobble));
    };
    const auto loudness = [](double u) { return NoteShape(u, 0.12, 0.35) * (0.85 + 0.15 * u); };
    AddVoice(out, at, length, pitch, loudness,
             {{1, 1}, {2, 0.32}, {3, 0.12}, {4, 0.06}, {5, 0.025}});

    // Breath: noise in a band that follows the voice.
    Biquad breath;
    const size_t first = SampleCount(at), count = SampleCount(length);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double u = static_cast<double>(i) / count;
        breath.SetBandPass(2 * pitch(u), 4);
        out[first + i] += static_cast<float>(0.25 * loudness(u) * breath.Process(random.Bipolar()));
    }
}

}  // namespace

// A long howl and, after a breath, a second shorter one a little higher,
// answered by the valley.
Samples MakeWolf() {
    Samples out(SampleCount(5.6), 0.0f);
    Howl(out, 0.1, 3.0, 300, 470, 0x3011);
    Howl(out, 3.35, 1.8, 340, 520, 0x3012);
    AddEchoes(out, {{0.21, 0.22}, {0.45, 0.12}});
    out.resize(SampleCount(5.6));
    Finish(out, 0.05, 0.7);
    return out;
}
