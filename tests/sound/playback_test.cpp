// The playback commands end to end: what the recorded mix holds after plays,
// stops, pauses, restores and volume changes.
#include "sound/sound_run.h"

namespace sound_test {
namespace {

// A one-shot at a position plays at its volume until the first update; with
// fading on, every distance is at least its outer radius of 0, so from then on
// it is silent.
TEST(PlaybackTest, OneShotIsFadedFromTheFirstUpdate) {
    for (bool attenuate : {false, true}) {
        SCOPED_TRACE(attenuate ? "fading" : "no fading");
        SoundRun run;
        run.Tone("a.wav", 500, 0.5);
        run.Run("init 64 64\n" + Now(attenuate ? "engine 0 1" : "engine 0 0") +
                    At(2, "play a.wav 1 100 100 0 0") + At(2, "sleep 50"),
                60);
        EXPECT_NEAR(run.Level(T(2), T(2) + 50), 0.5, kLevelTolerance);
        EXPECT_NEAR(run.Level(T(2) + 50, T(2) + 500), attenuate ? 0 : 0.5, kLevelTolerance);
    }
}

// A repeating ambient sound with no position and no delay starts again in the
// update in which it played out, until it is stopped.
TEST(PlaybackTest, RepeatingWithoutDelayLoopsUntilStopped) {
    SoundRun run;
    run.Tone("a.wav", 200, 0.5);
    run.Run("init 64 64\n" + At(2, Fon("loop", {.file = "a.wav", .repeat = true})) +
                At(80, "state loop") + At(80, "stop loop") + At(81, "state loop"),
            100);
    for (int ms = T(2); ms < T(80); ms += 10) {
        EXPECT_NEAR(run.Level(ms, ms + 10), 0.5, kLevelTolerance) << "at " << ms << " ms";
    }
    EXPECT_NEAR(run.Level(T(80), T(100)), 0, kLevelTolerance);
    EXPECT_EQ(run.State(80, "loop"), 1);
    EXPECT_EQ(run.State(81, "loop"), 0);
}

// Stopping one sound or all takes them out of the mix and the table; stopping
// all with nothing in the table does nothing.
TEST(PlaybackTest, StopsOneOrAll) {
    SoundRun run;
    for (const char* file : {"a.wav", "b.wav", "c.wav", "d.wav"}) run.Tone(file, 1000, 0.2);
    run.Run("init 64 64\n" + Now("stopall") + At(2, Fon("a", {.file = "a.wav"})) +
                At(2, Fon("b", {.file = "b.wav"})) + At(2, Fon("c", {.file = "c.wav"})) +
                At(10, "stop a") + At(11, "state a") + At(11, "state b") + At(20, "stopall") +
                At(21, "state b") + At(21, "state c") + At(30, "stopall") +
                At(40, Fon("d", {.file = "d.wav"})),
            60);
    ExpectLevels(run,
                 {{T(2), T(10), 0.6}, {T(10), T(20), 0.4}, {T(20), T(40), 0}, {T(40), T(60), 0.2}});
    ExpectStates(run, {{11, "a", 0}, {11, "b", 1}, {21, "b", 0}, {21, "c", 0}});
    EXPECT_NE(run.Id("d"), 0u);
}

// A paused sound stays in the table and resumes where it stopped: 300 ms at
// 0.2 then 300 ms at 0.6, paused after 200 ms for 300 ms.
TEST(PlaybackTest, PauseKeepsThePositionAndRestoreResumes) {
    struct Case {
        const char* pause;
        const char* restore;
    } cases[] = {{"pause a", "restore a"}, {"pauseall", "restoreall"}};
    for (auto [pause, restore] : cases) {
        SCOPED_TRACE(pause);
        SoundRun run;
        run.Wav("a.wav", Pcm16(Join(Tone(300, 0.2), Tone(300, 0.6))));
        run.Run("init 64 64\n" + At(2, Fon("a", {.file = "a.wav"})) + At(22, pause) +
                    At(40, "state a") + At(52, restore) + At(91, "state a") + At(93, "state a"),
                100);
        ExpectLevels(run, {{T(2), T(22), 0.2},
                           {T(22), T(52), 0},
                           {T(52), T(62), 0.2},
                           {T(62), T(92), 0.6},
                           {T(92), T(100), 0}});
        ExpectStates(run, {{40, "a", 1}, {91, "a", 1}, {93, "a", 0}});
    }
}

// A sound's own volume holds until the next update, which puts a faded sound
// back to its distance's volume (0.5 at 178 between radii 100 and 256) and
// leaves one with no position alone.
TEST(PlaybackTest, SoundVolumeOfAFadedSoundLastsUntilTheNextUpdate) {
    struct Case {
        const char* what;
        int x, y;
        double before, after;  // levels of a tone of amplitude 0.5
    } cases[] = {{"faded", 1178, 1000, 0.25, 0.25}, {"no position", 0, 0, 0.5, 0.8}};
    for (auto [what, x, y, before, after] : cases) {
        SCOPED_TRACE(what);
        SoundRun run;
        run.Tone("a.wav", 200, 0.5);
        Ambient a{.file = "a.wav", .x = x, .y = y, .inner = 100, .outer = 256, .repeat = true};
        run.Run("init 64 64\n" + Now("engine 0 1") + At(2, Fon("a", a)) + At(10, "volume a 1.6") +
                    At(10, "sleep 30"),
                30);
        ExpectLevels(run,
                     {{T(2), T(10), before}, {T(10), T(10) + 30, 0.8}, {T(10) + 30, T(30), after}});
    }
}

// The mastering volume scales the sounds playing and those started later.
TEST(PlaybackTest, SoundsVolumeScalesEverySound) {
    SoundRun run;
    run.Tone("a.wav", 200, 0.4);
    run.Tone("b.wav", 500, 0.6);
    run.Run("init 64 64\n" + At(2, Fon("a", {.file = "a.wav", .repeat = true})) +
                At(20, "volumeall 0.5") + At(40, "stop a") + At(40, Fon("b", {.file = "b.wav"})),
            100);
    ExpectLevels(run, {{T(2), T(20), 0.4}, {T(20), T(40), 0.2}, {T(40), T(90), 0.3}});
}

}  // namespace
}  // namespace sound_test
