#include <cmath>
#include <numbers>

#include "sounds.h"

namespace {

using Pitch = std::function<double(double)>;

// `count` copies of a note, `gap` seconds from start to start, growing louder
// from `level` by `crescendo` each; returns the time after the last one.
double Repeat(Samples& out, double at, int count, double gap, double length, const Pitch& pitch,
              double level, double crescendo, std::initializer_list<Partial> partials) {
    for (int i = 0; i < count; ++i) {
        const double gain = level + crescendo * i;
        AddVoice(
            out, at + i * gap, length, pitch,
            [=](double u) { return gain * NoteShape(u, 0.15, 0.35); }, partials);
    }
    return at + count * gap;
}

}  // namespace

// A nightingale's song: phrases of different kinds, each repeated, separated
// by short pauses: slow swelling whistles, hard "tchook" notes, a fast
// trill, deep "jug" notes and a rising whistle ending in a rattle.
Samples MakeNightingale() {
    Samples out(SampleCount(5.2), 0.0f);
    const std::initializer_list<Partial> pure = {{1, 1}, {2, 0.04}};
    const std::initializer_list<Partial> rich = {{1, 1}, {2, 0.35}, {3, 0.15}};

    // "Piu piu piu": swelling whistles with a slight upward slur.
    double at = Repeat(
        out, 0.10, 4, 0.26, 0.16, [](double u) { return 1900 + 350 * u; }, 0.3, 0.18, pure);

    // "Tchook": fast falling strokes.
    at = Repeat(
        out, at + 0.2, 7, 0.075, 0.028, [](double u) { return 6200 - 4200 * u; }, 0.85, 0.0, rich);

    // A trill alternating between two pitches.
    for (int i = 0; i < 16; ++i) {
        const double f = i % 2 ? 2600 : 4100;
        AddVoice(
            out, at + 0.25 + i * 0.04, 0.03, [=](double u) { return f + 300 * u; },
            [](double u) { return 0.7 * NoteShape(u, 0.2, 0.3); }, pure);
    }
    at += 0.25 + 16 * 0.04;

    // Deep "jug-jug-jug".
    at = Repeat(
        out, at + 0.25, 5, 0.11, 0.065, [](double u) { return 1150 - 250 * u; }, 0.75, 0.0, rich);

    // A long rising whistle that breaks into a rattle.
    AddVoice(
        out, at + 0.25, 0.55, [](double u) { return 2500 + 2600 * u * u; },
        [](double u) { return 0.8 * NoteShape(u, 0.5, 0.1); }, pure);
    at += 0.8;
    for (int i = 0; i < 12; ++i) {
        AddVoice(
            out, at + i * 0.022, 0.016, [](double u) { return 5000 - 1500 * u; },
            [](double u) { return 0.6 * NoteShape(u, 0.2, 0.5); }, rich);
    }

    AddEchoes(out, {{0.09, 0.16}, {0.19, 0.08}});
    out.resize(SampleCount(5.2));
    Finish(out, 0.01, 0.7);
    return out;
}
