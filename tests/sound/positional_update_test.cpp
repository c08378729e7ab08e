// The per-frame update end to end: fading by distance, replays after a delay,
// repeat counts, and removals during the pass.
#include "sound/sound_run.h"

namespace sound_test {
namespace {

// A long sound at (1000, 1000) between radii 100 and 256 as the listener
// moves along x: linear between the radii, silent from the outer one on, and
// untouched with fading off.
TEST(PositionalUpdateTest, FadesLinearlyBetweenTheRadii) {
    struct Step {
        int distance;
        double factor;
    } steps[] = {{0, 1.0}, {100, 1.0}, {178, 0.5}, {217, 0.25}, {256, 0.0}, {400, 0.0}, {50, 1.0}};
    for (bool attenuate : {true, false}) {
        SCOPED_TRACE(attenuate ? "fading" : "no fading");
        SoundRun run;
        run.Tone("a.wav", 2000, 0.5);
        Ambient a{.file = "a.wav", .x = 1000, .y = 1000, .inner = 100, .outer = 256};
        std::string script =
            "init 64 64\n" + Now(attenuate ? "engine 0 1" : "engine 0 0") + At(2, Fon("a", a));
        auto tick = [](size_t k) { return 2 + 20 * static_cast<int>(k); };
        for (size_t k = 0; k < std::size(steps); ++k)
            script += At(tick(k), "listener " + std::to_string(1000 + steps[k].distance) + " 1000");
        run.Run(script, tick(std::size(steps)));
        for (size_t k = 0; k < std::size(steps); ++k) {
            SCOPED_TRACE("distance " + std::to_string(steps[k].distance));
            double factor = attenuate ? steps[k].factor : 1.0;
            EXPECT_NEAR(run.Level(T(tick(k)), T(tick(k + 1))), 0.5 * factor, kLevelTolerance);
        }
    }
}

// A sound repeating every 5 s starts again 5 s after its previous start, or in
// the first update after it played out when it lasts longer than that.
TEST(PositionalUpdateTest, ReplaysADelayAfterThePreviousStart) {
    struct Case {
        int lengthMs;
        int restartMs;  // after the first start
    } cases[] = {{2000, 5000}, {7000, 7000}};
    for (auto [length, restart] : cases) {
        SCOPED_TRACE("a sound of " + std::to_string(length) + " ms");
        SoundRun run;
        run.Tone("a.wav", length, 0.5);
        int end = 2 + (restart + 1000) / 10;
        run.Run("init 64 64\n" + At(2, Fon("a", {.file = "a.wav", .repeat = true, .delay = 5})) +
                    At(end, "stop a"),
                end + 10);
        int start = T(2);
        ExpectLevels(run, {{start, start + length, 0.5},
                           {start + length, start + restart, 0},
                           {start + restart, start + restart + 10, 0.5},
                           {start + restart, T(end), 0.5}});
    }
}

// A replay due while the listener is out of range is skipped, and the next
// try comes a full delay later even though the listener came back earlier.
TEST(PositionalUpdateTest, OutOfRangeWhenDueTriesAgainAFullDelayLater) {
    SoundRun run;
    run.Tone("a.wav", 200, 0.5);
    Ambient a{.file = "a.wav", .x = 1100, .y = 1000, .outer = 200, .repeat = true, .delay = 1};
    run.Run("init 64 64\n" + At(2, Fon("a", a)) + At(52, "listener 5000 1000") +
                At(152, "listener 1000 1000"),
            230);
    int start = T(2);
    ExpectLevels(run, {{start, start + 200, 0.5},
                       {start + 200, start + 2000, 0},
                       {start + 2000, start + 2200, 0.5}});
}

// The repeat count counts passes with nothing queued: with no delay that is
// plays; with a delay the waiting passes use it up before a replay; a negative
// delay never replays but keeps the entry.
TEST(PositionalUpdateTest, RepeatCountsAndNegativeDelays) {
    struct Case {
        const char* what;
        int count, delay;
        int heardMs;     // from the first start
        int lastTickIn;  // the last frame that finds the entry
        bool removed;    // gone in the frame after
    } cases[] = {
        {"3 with no delay: three plays", 3, 0, 600, 2 + 60, true},
        {"3 with a delay: three waiting passes", 3, 5, 200, 2 + 22, true},
        {"negative delay", 0, -1, 200, 2 + 200, false},
    };
    for (auto [what, count, delay, heard, lastTickIn, removed] : cases) {
        SCOPED_TRACE(what);
        SoundRun run;
        run.Tone("a.wav", 200, 0.5);
        run.Run(
            "init 64 64\n" +
                At(2, Fon("a", {.file = "a.wav", .repeat = true, .count = count, .delay = delay})) +
                At(lastTickIn, "state a") + At(lastTickIn + 1, "state a"),
            lastTickIn + 5);
        EXPECT_NEAR(run.Level(T(2), T(2) + heard), 0.5, kLevelTolerance);
        EXPECT_NEAR(run.Level(T(2) + heard, T(lastTickIn + 5)), 0, kLevelTolerance);
        EXPECT_EQ(run.State(lastTickIn, "a"), 1);
        EXPECT_EQ(run.State(lastTickIn + 1, "a"), removed ? 0 : 1);
    }
}

// A random replay happens when chance is at least the roll of 0 to 99.
TEST(PositionalUpdateTest, RandomReplaysAlwaysFromChance99AndNeverBelow0) {
    for (int chance : {99, -1}) {
        SCOPED_TRACE("chance " + std::to_string(chance));
        SoundRun run;
        run.Tone("a.wav", 100, 0.5);
        run.Run("init 64 64\n" +
                    At(2, Fon("a",
                              {.file = "a.wav", .repeat = true, .random = true, .chance = chance})),
                60);
        EXPECT_NEAR(run.Level(T(2), T(12)), 0.5, kLevelTolerance);
        EXPECT_NEAR(run.Level(T(12), T(60)), chance >= 99 ? 0.5 : 0, kLevelTolerance);
    }
}

// Entries a and c play out in the same update; removing a moves c into slot 0,
// and c is handled in that same pass.
TEST(PositionalUpdateTest, EntryMovedIntoSlotZeroIsHandledInTheSamePass) {
    SoundRun run;
    run.Tone("short.wav", 100, 0.2);
    run.Tone("long.wav", 1000, 0.2);
    run.Run("init 64 64\n" + Now("engine 0 0") + At(2, Fon("a", {.file = "short.wav"})) +
                At(2, Fon("b", {.file = "long.wav"})) + At(2, Fon("c", {.file = "short.wav"})) +
                At(12, "state c") + At(13, "state a") + At(13, "state b") + At(13, "state c"),
            20);
    ExpectStates(run, {{12, "c", 1}, {13, "a", 0}, {13, "b", 1}, {13, "c", 0}});
}

}  // namespace
}  // namespace sound_test
