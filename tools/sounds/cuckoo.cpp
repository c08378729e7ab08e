#include <cmath>

#include "sounds.h"

// "Ku-koo": a higher short note, then a lower longer one about a major third
// down, each falling slightly in pitch; the calls repeat under a second apart.
Samples MakeCuckoo() {
    Samples out(SampleCount(4.2), 0.0f);
    Random random(0xC0C0);
    const std::initializer_list<Partial> hollow = {{1, 1}, {2, 0.06}, {3, 0.025}};
    for (int call = 0; call < 4; ++call) {
        const double at = 0.15 + call * 0.95 + random.Between(-0.03, 0.03);
        const double high = 700 + random.Between(-8, 8);
        AddVoice(
            out, at, 0.17, [=](double u) { return high * (1.01 - 0.03 * u); },
            [](double u) { return NoteShape(u, 0.2, 0.45); }, hollow);
        const double low = high * 0.80;
        AddVoice(
            out, at + 0.29, 0.30, [=](double u) { return low * (1.015 - 0.04 * u); },
            [](double u) { return 0.85 * NoteShape(u, 0.12, 0.6); }, hollow);
    }
    AddEchoes(out, {{0.13, 0.18}, {0.31, 0.09}});
    Finish(out, 0.02, 0.7);
    return out;
}
