// zones_demo headless: the knight's walk and the view, and the sounds he hears.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "demos_large/demo_run.h"

namespace {

constexpr int kFrameW = 64, kFrameH = 128;

// Where the knight stands in a frame: the window x at which one of his walk
// frames (sheet row 0) matches the picture best, with his top at window row y.
int FindKnight(const Picture& shot, const Picture& sheet, int y) {
    int bestX = -1, bestScore = -1;
    for (int cell = 0; cell < 15; ++cell) {
        for (int x = 0; x + kFrameW <= shot.width; ++x) {
            int score = 0;
            for (int v = 0; v < kFrameH; ++v) {
                for (int u = 0; u < kFrameW; ++u) {
                    const Rgba s = sheet.At(cell * kFrameW + u, v);
                    if (s.a != 255) continue;
                    const Rgba p = shot.At(x + u, y + v);
                    if (std::abs(p.r - s.r) + std::abs(p.g - s.g) + std::abs(p.b - s.b) < 12)
                        ++score;
                }
            }
            if (score > bestScore) bestScore = score, bestX = x;
        }
    }
    return bestX;
}

// The horizontal shift of the scenery from a to b: the offset that best lays
// rows 100..280 of b onto a (b(x) = a(x + shift)), searched over 0..maxShift.
int SceneryShift(const Picture& a, const Picture& b, int maxShift) {
    int best = -1;
    double bestError = 1e30;
    for (int shift = 0; shift <= maxShift; ++shift) {
        double error = 0;
        for (int y = 100; y < 280; y += 2)
            for (int x = 0; x + shift < a.width; x += 2) {
                const Rgba p = a.At(x + shift, y), q = b.At(x, y);
                error += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            }
        error /= (a.width - shift);
        if (error < bestError) bestError = error, best = shift;
    }
    return best;
}

// The first time, from `from` seconds on, that the sound is (or is not) silent.
double Find(const std::vector<float>& sound, int rate, double from, bool silent) {
    for (size_t i = static_cast<size_t>(from * rate); i < sound.size(); ++i)
        if ((std::abs(sound[i]) <= 1e-3f) == silent) return double(i) / rate;
    return -1;
}
double Onset(const std::vector<float>& sound, int rate, double from) {
    return Find(sound, rate, from, false);
}

TEST(ZonesDemo, KnightWalksRightAt90PixelsASecondAndTheViewFollowsPast512) {
    // D held from tick 1; at 16 ms a tick he walks 1.44 pixels a tick from x = 301.
    DemoRun run("zones_demo", ZONES_DEMO, "1 key down 32\n", {50, 100, 300, 400}, 400);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    const Picture sheet = LoadPicture(std::string(ASSETS_DIR) + "/knight.png");
    ASSERT_GT(sheet.width, 0);

    const int x50 = FindKnight(run.Frame(50), sheet, 300);
    const int x100 = FindKnight(run.Frame(100), sheet, 300);
    // The match may settle a pixel or two off on a similar walk frame.
    EXPECT_NEAR(x50, 301 + 1.44 * 50, 3);
    EXPECT_NEAR((x100 - x50) / (50 * 0.016), 90, 3) << "pixels a second";

    // Past x = 512 he stays at the centre of the view and the field moves under him.
    const int x300 = FindKnight(run.Frame(300), sheet, 300);
    EXPECT_NEAR(x300, 512, 3);
    EXPECT_NEAR(FindKnight(run.Frame(400), sheet, 300), x300, 1);
    struct Case {
        int from, to, shift;
    } cases[] = {{50, 100, 0}, {300, 400, 144}};
    for (const Case& c : cases)
        EXPECT_NEAR(SceneryShift(run.Frame(c.from), run.Frame(c.to), 200), c.shift, 1)
            << "ticks " << c.from << " to " << c.to;
}

TEST(ZonesDemo, OnlyTheSoundAtTheDefaultListenerStartsAndTheFirstUpdateSilencesIt) {
    // 200 ms a tick: the first update comes after the first 200 ms of sound.
    DemoRun run("zones_demo", ZONES_DEMO, "", {}, 20, "fixed:200");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    ASSERT_GE(run.sound.size(), size_t(run.rate) * 3);

    // The mix's first 190 ms against each file's first 190 ms: only nig.wav's.
    const double span = 0.19;
    const double mixed = Rms(run.sound, run.rate, 0, span);
    ASSERT_GT(mixed, 0.001);
    struct Case {
        const char* file;
        bool heard;
    } cases[] = {{"nig.wav", true}, {"wp.wav", false}, {"bird.wav", false}, {"wolf.wav", false}};
    for (const Case& c : cases) {
        int rate = 0;
        const std::vector<float> own = LoadSound(std::string(ASSETS_DIR) + "/" + c.file, rate);
        double dot = 0, ownEnergy = 0, mixEnergy = 0;
        for (int i = 0; i < int(span * run.rate); ++i) {
            const float o = own[size_t(double(i) * rate / run.rate)];
            dot += o * run.sound[i];
            ownEnergy += o * o;
            mixEnergy += run.sound[i] * run.sound[i];
        }
        const double correlation = dot / std::sqrt(ownEnergy * mixEnergy + 1e-30);
        if (c.heard) {
            EXPECT_GT(correlation, 0.9) << c.file;
        } else {
            EXPECT_LT(correlation, 0.5) << c.file;
        }
    }
    // From the first update to the first 5-second delay nothing is heard.
    EXPECT_EQ(Rms(run.sound, run.rate, 0.25, 3.9), 0);
}

TEST(ZonesDemo, WhiteZoneSoundIsAtHalfVolumeAt178PixelsAndFullWithinItsInnerRadius) {
    // Up to y = 100 (138 ticks of W), left to x = 278 (14 ticks of A), distance
    // 178 from (100, 100) when the 5-second replay comes; at 6.4 s on to x = 191,
    // within the inner radius, for the replay after it.
    DemoRun run("zones_demo", ZONES_DEMO,
                "1 key down 17\n139 key up 17\n145 key down 30\n159 key up 30\n"
                "400 key down 30\n460 key up 30\n",
                {}, 700);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(Rms(run.sound, run.rate, 0.05, 4.9), 0);
    const double half = Onset(run.sound, run.rate, 4.9);
    ASSERT_NEAR(half, 5.0, 0.1);
    // The replay follows the end of the first play (wp.wav lasts 5 s).
    const double full = Onset(run.sound, run.rate, Find(run.sound, run.rate, half + 4.9, true));
    ASSERT_NEAR(full, 10.0, 0.2);
    // The same stretch of wp.wav, 0.1 s to 1.3 s after each start.
    const double ratio = Rms(run.sound, run.rate, full + 0.1, full + 1.3) /
                         Rms(run.sound, run.rate, half + 0.1, half + 1.3);
    EXPECT_NEAR(ratio, 2.0, 0.08);
}

}  // namespace
