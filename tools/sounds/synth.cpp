#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;

// Level of a partial at `frequency`: 1 well below half the rate, falling
// smoothly to 0 near it, so a sweeping partial neither aliases nor switches
// on with a click.
double NyquistGuard(double frequency) {
    const double top = 0.45 * kRate, band = 0.08 * kRate;
    return std::clamp((top - frequency) / band, 0.0, 1.0);
}

}  // namespace

double Random::Uniform() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<double>((state_ * 0x2545F4914F6CDD1DULL) >> 11) * 0x1.0p-53;
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::SetBandPass(double centre, double q) {
    const double w = kTwoPi * std::min(centre, 0.45 * kRate) / kRate;
    const double alpha = std::sin(w) / (2 * q);
    Set(alpha, 0, -alpha, 1 + alpha, -2 * std::cos(w), 1 - alpha);
}

void Biquad::SetLowPass(double corner, double q) {
    const double w = kTwoPi * std::min(corner, 0.45 * kRate) / kRate;
    const double alpha = std::sin(w) / (2 * q);
    const double c = std::cos(w);
    Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

float Biquad::Process(float in) {
    const double out = b0_ * in + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = in;
    y2_ = y1_;
    y1_ = out;
    return static_cast<float>(out);
}

void AddVoice(Samples& out, double start, double duration,
              const std::function<double(double)>& frequency,
              const std::function<double(double)>& amplitude,
              std::initializer_list<Partial> partials) {
    const size_t first = SampleCount(start);
    const size_t count = SampleCount(duration);
    if (out.size() < first + count) out.resize(first + count, 0.0f);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double u = static_cast<double>(i) / count;
        const double f = frequency(u);
        phase += kTwoPi * f / kRate;
        double value = 0;
        for (const Partial& p : partials) {
            value += p.gain * NyquistGuard(p.ratio * f) * std::sin(p.ratio * phase);
        }
        out[first + i] += static_cast<float>(amplitude(u) * value);
    }
}

double NoteShape(double u, double rise, double fall) {
    if (u <= 0 || u >= 1) return 0;
    const double up = rise > 0 ? std::min(1.0, u / rise) : 1.0;
    const double down = fall > 0 ? std::min(1.0, (1 - u) / fall) : 1.0;
    return (0.5 - 0.5 * std::cos(std::numbers::pi * up)) *
           (0.5 - 0.5 * std::cos(std::numbers::pi * down));
}

void AddEchoes(Samples& samples, std::initializer_list<Echo> echoes) {
    const Samples dry = samples;
    for (const Echo& echo : echoes) {
        const size_t delay = SampleCount(echo.delay);
        if (samples.size() < dry.size() + delay) samples.resize(dry.size() + delay, 0.0f);
        Biquad dull;
        dull.SetLowPass(2500, 0.7);
        for (size_t i = 0; i < dry.size(); ++i) {
            samples[i + delay] += static_cast<float>(echo.gain) * dull.Process(dry[i]);
        }
    }
}

void Finish(Samples& samples, double fadeSeconds, double peak) {
    const size_t fade = std::min(SampleCount(fadeSeconds), samples.size() / 2);
    for (size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / fade));
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
    float loudest = 0;
    for (float s : samples) loudest = std::max(loudest, std::abs(s));
    if (loudest == 0) return;
    const float scale = static_cast<float>(peak) / loudest;
    for (float& s : samples) s *= scale;
}
