// The sound engine end to end: starts within the outer radius at any distance,
// the start-rate limit, ids, replacing the engine, and calls before any engine.
#include <set>

#include "sound/sound_run.h"

namespace sound_test {
namespace {

// An ambient sound that does not repeat starts only within its outer radius of
// the listener at (1000, 1000); one that did not start is gone after the next
// update. Positions far enough away to overflow 32-bit squares still count.
TEST(SoundEngineTest, StartsOnlyWithinTheOuterRadius) {
    struct Case {
        const char* what;
        int x, y, outer;
        bool started;
    } cases[] = {
        {"distance 5, radius 5", 1003, 1004, 5, true},
        {"distance 5, radius 4", 1003, 1004, 4, false},
        {"at the listener, radius 0", 1000, 1000, 0, true},
        {"dx 50000, radius 50000", 51000, 1000, 50000, true},
        {"dx 50000, radius 49999", 51000, 1000, 49999, false},
        {"dx dy 40000, radius 56568", 41000, 41000, 56568, true},
        {"dx dy 40000, radius 56567", 41000, 41000, 56567, false},
        {"dx 1e9, radius 2e9", -999999000, 1000, 2000000000, true},
        {"dx 1e9, radius 999999000", -999999000, 1000, 999999000, false},
        {"(5, -5) has no position", 5, -5, 0, true},
        {"(5, -4) is far", 5, -4, 0, false},
    };
    SoundRun run;
    run.Tone("a.wav", 100, 0.5);
    std::string script = "init 64 64\nnow engine 0 0\n";
    auto tick = [](size_t k) { return 2 + 20 * static_cast<int>(k); };
    for (size_t k = 0; k < std::size(cases); ++k) {
        auto [what, x, y, outer, started] = cases[k];
        std::string name = "s" + std::to_string(k);
        script += At(tick(k), Fon(name, {.file = "a.wav", .x = x, .y = y, .outer = outer})) +
                  At(tick(k), "state " + name) + At(tick(k) + 1, "state " + name);
    }
    run.Run(script, tick(std::size(cases)));
    for (size_t k = 0; k < std::size(cases); ++k) {
        auto [what, x, y, outer, started] = cases[k];
        std::string name = "s" + std::to_string(k);
        SCOPED_TRACE(what);
        EXPECT_NE(run.Id(name), 0u);
        EXPECT_EQ(run.State(tick(k), name), 1) << "in the table until the next update";
        EXPECT_EQ(run.State(tick(k) + 1, name), started ? 1 : 0);
        int start = T(tick(k));
        EXPECT_NEAR(run.Level(start, start + 100), started ? 0.5 : 0, kLevelTolerance);
    }
    EXPECT_EQ(run.result.exitCode, 0);
}

// The same file may start again once 1000 / startsPerSecond ms have passed
// since a start of it still in the table; 0 sets no limit, nor does 1001.
TEST(SoundEngineTest, RateLimitsStartsOfOneFile) {
    struct Case {
        const char* engine;  // the set-up after IniEngine's default of 10 a second
        int gapMs;
        bool secondStarts;
    } cases[] = {
        {"", 0, false},
        {"", 90, false},
        {"", 99, false},
        {"", 100, true},
        {"engine 0 0", 0, true},
        {"engine 1001 0", 0, true},
        {"engine 1000 0", 0, false},
        {"engine 1000 0", 1, true},
    };
    for (auto [setup, gap, secondStarts] : cases) {
        SCOPED_TRACE(std::string(setup) + " gap " + std::to_string(gap));
        SoundRun run;
        run.Tone("a.wav", 1000, 0.2);
        run.Tone("b.wav", 1000, 0.2);
        std::string script = "init 64 64\n";
        if (*setup) script += Now(setup);
        script += At(2, Fon("first", {.file = "a.wav"})) + At(2, Fon("other", {.file = "b.wav"})) +
                  At(2, "sleep " + std::to_string(gap)) + At(2, Fon("second", {.file = "a.wav"}));
        run.Run(script, 4);
        EXPECT_NE(run.Id("first"), 0u);
        EXPECT_NE(run.Id("other"), 0u) << "another file is not held back";
        EXPECT_EQ(run.Id("second") != 0, secondStarts);
        // Three in phase, or two.
        int start = T(2) + gap;
        EXPECT_NEAR(run.Level(start, start + 10), secondStarts ? 0.6 : 0.4, kLevelTolerance);
    }
}

TEST(SoundEngineTest, SoundsOfOneMillisecondGetDifferentIds) {
    SoundRun run;
    run.Tone("a.wav", 100, 0.1);
    std::string script = "init 64 64\nnow engine 0 0\n";
    for (int k = 0; k < 5; ++k) script += At(2, Fon("s" + std::to_string(k), {.file = "a.wav"}));
    run.Run(script, 3);
    std::set<uint32_t> ids;
    for (int k = 0; k < 5; ++k) ids.insert(run.Id("s" + std::to_string(k)));
    EXPECT_EQ(ids.size(), 5u);
    EXPECT_FALSE(ids.contains(0));
}

// SoundEngineIni after IniEngine on the same thread has working audio, and the
// engine it replaces stops its sounds, which leave with it.
TEST(SoundEngineTest, ReplacingTheEngineStopsItsSoundsAndTheNewOnePlays) {
    SoundRun run;
    run.Tone("a.wav", 200, 0.5);
    run.Tone("b.wav", 200, 0.3);
    run.Run("init 64 64\n" + At(2, Fon("old", {.file = "a.wav", .repeat = true})) +
                At(20, "engine 0 1") + At(21, "state old") + At(30, Fon("new", {.file = "b.wav"})) +
                At(31, "state new"),
            60);
    EXPECT_NEAR(run.Level(T(2), T(20)), 0.5, kLevelTolerance);
    EXPECT_NEAR(run.Level(T(20), T(30)), 0, kLevelTolerance);
    EXPECT_EQ(run.State(21, "old"), 0);
    EXPECT_NE(run.Id("new"), 0u);
    EXPECT_EQ(run.State(31, "new"), 1);
    EXPECT_NEAR(run.Level(T(30), T(50)), 0.3, kLevelTolerance);
    EXPECT_NEAR(run.Level(T(50), T(60)), 0, kLevelTolerance);
}

// Before any sound engine every command does nothing and plays give 0; one made
// later plays.
TEST(SoundEngineTest, CommandsBeforeAnyEngineDoNothing) {
    SoundRun run;
    run.Tone("a.wav", 200, 0.5);
    std::string calls[] = {"play a.wav 1 0 0 0 0",
                           Fon("early", {.file = "a.wav"}),
                           "state early",
                           "stop early",
                           "pause early",
                           "restore early",
                           "volume early 0.5",
                           "stopall",
                           "pauseall",
                           "restoreall",
                           "volumeall 0.5",
                           "listener 5 5"};
    std::string script;
    for (const std::string& call : calls) script += Now(call);
    script += "window 64 64\n";
    for (const std::string& call : calls) script += At(1, call);
    script += At(2, "engine 10 0") + At(3, Fon("late", {.file = "a.wav"}));
    run.Run(script, 30);
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.Id("early"), 0u);
    EXPECT_EQ(run.State(0, "early"), 0);
    EXPECT_EQ(run.State(1, "early"), 0);
    EXPECT_NE(run.Id("late"), 0u);
    EXPECT_NEAR(run.Level(T(3), T(23)), 0.5, kLevelTolerance);
}

// The program ends, and the library unloads, while sounds of both kinds play.
TEST(SoundEngineTest, EndsCleanlyWhileSoundsPlay) {
    SoundRun run;
    run.Tone("a.wav", 200, 0.2);
    run.Tone("b.wav", 2000, 0.2);
    run.Run("init 64 64\n" + At(2, Fon("loop", {.file = "a.wav", .repeat = true})) +
                At(2, "play b.wav 1 0 0 0 0"),
            30);
    EXPECT_EQ(run.result.exitCode, 0);
    EXPECT_EQ(run.result.err, "");
    EXPECT_NEAR(run.Level(T(2), T(30)), 0.4, kLevelTolerance);
}

}  // namespace
}  // namespace sound_test
