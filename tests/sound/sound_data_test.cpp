// The sound data registry seen through plays: files read once and kept, found
// by exact bare name, and odd but readable files.
#include <filesystem>

#include "sound/sound_run.h"

namespace sound_test {
namespace {

// Once played, a file's data stays registered: it plays after the file is gone.
// So do names of 50 characters and more, each under its whole name.
TEST(SoundDataTest, PlayedFilesStayRegisteredUnderTheirWholeName) {
    std::string stem(55, 'n');  // names of 60 characters
    std::string names[] = {"a.wav", stem + "1.wav", stem + "2.wav"};
    double amplitudes[] = {0.2, 0.4, 0.6};
    SoundRun run;
    std::string script = "init 64 64\n" + Now("engine 0 0");
    for (int k = 0; k < 3; ++k) {
        run.Tone(names[k], 100, amplitudes[k]);
        script += At(2 + 20 * k, Fon("first" + std::to_string(k), {.file = names[k]})) +
                  At(3 + 20 * k, "delete " + names[k]) +
                  At(62 + 20 * k, Fon("again" + std::to_string(k), {.file = names[k]}));
    }
    run.Run(script, 120);
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(names[k]);
        EXPECT_FALSE(std::filesystem::exists(run.Dir() + "/" + names[k]));
        EXPECT_NE(run.Id("again" + std::to_string(k)), 0u);
        EXPECT_NEAR(run.Level(T(2 + 20 * k), T(12 + 20 * k)), amplitudes[k], kLevelTolerance);
        EXPECT_NEAR(run.Level(T(62 + 20 * k), T(72 + 20 * k)), amplitudes[k], kLevelTolerance);
    }
}

TEST(SoundDataTest, NameInAnotherLetterCaseIsNotFound) {
    SoundRun run;
    run.Tone("a.wav", 100, 0.5);
    run.Run("init 64 64\n" + At(2, Fon("upper", {.file = "A.wav"})) +
                At(20, Fon("exact", {.file = "a.wav"})),
            40);
    EXPECT_EQ(run.Id("upper"), 0u);
    EXPECT_NEAR(run.Level(T(2), T(20)), 0, kLevelTolerance);
    EXPECT_NE(run.Id("exact"), 0u);
    EXPECT_NEAR(run.Level(T(20), T(30)), 0.5, kLevelTolerance);
}

// Two folders hold a file of one name; the walk meets the folders in the order
// the directory lists them, and the first one's file is the one that plays.
TEST(SoundDataTest, FirstFileMetInTheWalkWins) {
    SoundRun run;
    run.Tone("x/s.wav", 100, 0.2);
    run.Tone("y/s.wav", 100, 0.6);
    run.Run("init 64 64\n" + At(2, Fon("s", {.file = "s.wav"})), 20);
    double first = 0;
    for (const auto& entry : std::filesystem::directory_iterator(run.Dir())) {
        std::string name = entry.path().filename().string();
        if (name == "x" || name == "y") {
            first = name == "x" ? 0.2 : 0.6;
            break;
        }
    }
    EXPECT_NEAR(run.Level(T(2), T(12)), first, kLevelTolerance);
}

// An empty "data" chunk registers a sound that plays nothing and leaves the
// table at the next update.
TEST(SoundDataTest, EmptyDataChunkRegistersAndPlaysNothing) {
    SoundRun run;
    run.Wav("e.wav", Pcm16({}));
    run.Run("init 64 64\n" + Now("engine 0 0") + At(2, Fon("a", {.file = "e.wav"})) +
                At(2, "state a") + At(3, "state a") + At(3, "delete e.wav") +
                At(4, Fon("again", {.file = "e.wav"})),
            10);
    EXPECT_NE(run.Id("a"), 0u);
    EXPECT_EQ(run.State(2, "a"), 1);
    EXPECT_EQ(run.State(3, "a"), 0);
    EXPECT_NE(run.Id("again"), 0u) << "registered, so found without the file";
    EXPECT_NEAR(run.Level(T(0), T(10)), 0, kLevelTolerance);
}

TEST(SoundDataTest, FloatSamplesPlay) {
    SoundRun run;
    run.Wav("f.wav", Float32(Tone(200, 0.5)));
    run.Run("init 64 64\n" + At(2, Fon("a", {.file = "f.wav"})), 30);
    EXPECT_NE(run.Id("a"), 0u);
    EXPECT_NEAR(run.Level(T(2), T(22)), 0.5, kLevelTolerance);
    EXPECT_NEAR(run.Level(T(22), T(30)), 0, kLevelTolerance);
}

// A "data" chunk that claims 400 ms but holds 200 ms plays its samples, then
// silence for the rest of the declared length.
TEST(SoundDataTest, CutOffDataChunkPlaysItsSamplesThenSilence) {
    SoundRun run;
    WavFixture cut = Pcm16(Tone(200, 0.5));
    cut.declaredBytes = static_cast<uint32_t>(cut.data.size() * 2);
    run.Wav("cut.wav", cut);
    run.Run("init 64 64\n" + At(2, Fon("a", {.file = "cut.wav"})) + At(41, "state a") +
                At(43, "state a"),
            50);
    EXPECT_NEAR(run.Level(T(2), T(22)), 0.5, kLevelTolerance);
    EXPECT_NEAR(run.Level(T(22), T(50)), 0, kLevelTolerance);
    EXPECT_EQ(run.State(41, "a"), 1) << "plays for the declared length";
    EXPECT_EQ(run.State(43, "a"), 0);
}

// Preloading a folder registers its WAV files, found by bare name anywhere
// below it; a file outside it is read only at its first play.
TEST(SoundDataTest, PreloadedFolderIsInTheRegistry) {
    SoundRun run;
    run.Tone("pre/p.wav", 100, 0.2);
    run.Tone("pre/deeper/q.wav", 100, 0.3);
    run.Tone("outside.wav", 100, 0.5);
    run.Run("window 64 64\nresources pre\n" + Now("engine 0 0") + At(1, "delete pre/p.wav") +
                At(1, "delete pre/deeper/q.wav") + At(1, "delete outside.wav") +
                At(2, Fon("p", {.file = "p.wav"})) + At(2, Fon("q", {.file = "q.wav"})) +
                At(2, Fon("outside", {.file = "outside.wav"})),
            20);
    EXPECT_NE(run.Id("p"), 0u);
    EXPECT_NE(run.Id("q"), 0u);
    EXPECT_EQ(run.Id("outside"), 0u);
    // The two in phase; the clock stood at 250 ms more after the loading dialog.
    EXPECT_NEAR(run.Level(T(2) + 250, T(12) + 250), 0.5, kLevelTolerance);
}

}  // namespace
}  // namespace sound_test
