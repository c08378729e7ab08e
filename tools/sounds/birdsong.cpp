#include <cmath>

#include "sounds.h"

namespace {

// A quick whistled sweep from `from` to `to` Hz, slightly curved.
void Chirp(Samples& out, double at, double length, double from, double to, double level) {
    AddVoice(
        out, at, length, [=](double u) { return from + (to - from) * std::sqrt(u); },
        [=](double u) { return level * NoteShape(u, 0.15, 0.4); }, {{1, 1}, {2, 0.05}});
}

}  // namespace

// A small songbird: a few phrases of falling and rising chirps, a fast trill
// and a closing warble, with pauses between them.
Samples MakeBirdsong() {
    Samples out(SampleCount(3.7), 0.0f);
    Random random(0xB12D);

    // Phrase 1: three falling chirps, then a rising one.
    for (int i = 0; i < 3; ++i) {
        Chirp(out, 0.10 + i * 0.11, 0.06, 5200 + random.Between(-200, 200), 3000, 0.8);
    }
    Chirp(out, 0.45, 0.09, 2800, 4600, 0.9);

    // Phrase 2: a trill of short notes, quickening and climbing a little.
    double at = 0.85;
    for (int i = 0; i < 14; ++i) {
        const double base = 3600 + 25 * i;
        Chirp(out, at, 0.035, base + 500, base, 0.55 + 0.02 * i);
        at += 0.058 - 0.0012 * i;
    }

    // Phrase 3: alternating high and low notes, ending on a warbled whistle.
    at = 2.05;
    for (int i = 0; i < 5; ++i) {
        const bool high = i % 2 == 0;
        Chirp(out, at, 0.07, high ? 4800 : 3300, high ? 4200 : 3900, 0.75);
        at += 0.1 + random.Between(0, 0.02);
    }
    AddVoice(
        out, 2.65, 0.45,
        [](double u) { return 3500 + 700 * u + 260 * std::sin(2 * 3.14159265 * 22 * u * 0.45); },
        [](double u) { return 0.8 * NoteShape(u, 0.1, 0.5); }, {{1, 1}, {2, 0.04}});
    Chirp(out, 3.2, 0.08, 5400, 3400, 0.7);

    AddEchoes(out, {{0.07, 0.15}, {0.16, 0.08}});
    Finish(out, 0.01, 0.7);
    return out;
}
