#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

// Building blocks of the sound generator: mono float samples at one rate.
constexpr int kRate = 22050;
using Samples = std::vector<float>;

// A small deterministic generator (xorshift64*), the same on every platform.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed ? seed : 1) {}
    double Uniform();  // [0, 1)
    double Between(double low, double high) { return low + (high - low) * Uniform(); }
    float Bipolar() { return static_cast<float>(2.0 * Uniform() - 1.0); }  // [-1, 1)

private:
    uint64_t state_;
};

// A second-order filter whose band can move from sample to sample.
class Biquad {
public:
    void SetBandPass(double centre, double q);
    void SetLowPass(double corner, double q);
    float Process(float in);

private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One harmonic of a voice: its frequency as a multiple of the fundamental, and its level.
struct Partial {
    double ratio;
    double gain;
};

// Adds a voiced sound from `start` seconds for `duration` seconds. `frequency`
// and `amplitude` take the position within the sound, 0 to 1.
void AddVoice(Samples& out, double start, double duration,
              const std::function<double(double)>& frequency,
              const std::function<double(double)>& amplitude,
              std::initializer_list<Partial> partials = {{1, 1}});

// A note's loudness at position u (0 to 1): raised-cosine rise and fall, each
// taking the given share of the note.
double NoteShape(double u, double rise, double fall);

// Adds delayed, dulled copies of the sound, as a forest or a valley answers.
struct Echo {
    double delay;  // seconds
    double gain;
};
void AddEchoes(Samples& samples, std::initializer_list<Echo> echoes);

// Fades both ends over `fadeSeconds` and scales the sound so its peak is `peak`.
void Finish(Samples& samples, double fadeSeconds, double peak);

// Samples in `seconds`.
inline size_t SampleCount(double seconds) {
    return static_cast<size_t>(seconds * kRate);
}
