// The stress demos headless: presses of the space bar and the ball count they
// show, read against the same digits printed in the demos' font.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "demos_large/demo_run.h"

namespace {

// The count's box on screen, and where the reference rows are printed.
constexpr int kBoxX = 20, kBoxW = 200, kBoxH = 40;

// Text is the only pure white: the balls' colours stop at 254 and the
// background is dark.
bool White(const Rgba& p) {
    return p.r == 255 && p.g == 255 && p.b == 255;
}

// Pixels of the box at (kBoxX, y) that are white in one picture and not the other.
int TextDifference(const Picture& a, int ya, const Picture& b, int yb) {
    int differing = 0;
    for (int v = 0; v < kBoxH; ++v)
        for (int u = 0; u < kBoxW; ++u)
            differing += White(a.At(kBoxX + u, ya + v)) != White(b.At(kBoxX + u, yb + v));
    return differing;
}

// Each count printed in white on its own row, 50 pixels apart from y = 80.
Picture PrintedCounts(const std::vector<int>& counts) {
    SceneRun probe;
    for (const char* file : {"Arial32.tga", "Arial32.dat"})
        std::filesystem::copy_file(std::string(ASSETS_DIR) + "/" + file, probe.Dir() + "/" + file);
    std::string script = "init 816 639\ntextini Arial32.tga Arial32.dat 32\n";
    for (size_t i = 0; i < counts.size(); ++i)
        script += "every print 20 " + std::to_string(80 + 50 * i) + " 1 FFFFFFFF " +
                  std::to_string(counts[i]) + "\n";
    probe.Run(script, {2}, 2);
    return probe.Frame(2);
}

struct Shown {
    int tick, count;
};

// Runs a demo with a press of the space bar at each of the given ticks, one
// tick each unless the next event is later, and checks the count shown.
void CheckCounts(const std::string& name, const std::string& program, const std::string& input,
                 int lastTick, const std::vector<Shown>& shown) {
    std::vector<int> ticks, counts;
    for (const Shown& s : shown) ticks.push_back(s.tick), counts.push_back(s.count);
    const Picture reference = PrintedCounts(counts);
    ASSERT_GT(reference.width, 0);
    DemoRun run(name, program, input, ticks, lastTick);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    for (size_t i = 0; i < shown.size(); ++i) {
        const Picture frame = run.Frame(shown[i].tick);
        ASSERT_GT(frame.width, 0) << "tick " << shown[i].tick;
        EXPECT_EQ(TextDifference(frame, 80, reference, 80 + 50 * int(i)), 0)
            << "tick " << shown[i].tick << ": wanted " << shown[i].count;
        // A different count does not pass for it.
        const size_t other = (i + 1) % shown.size();
        if (shown[other].count != shown[i].count) {
            EXPECT_GT(TextDifference(frame, 80, reference, 80 + 50 * int(other)), 20);
        }
    }
}

TEST(StressDemoFixed, EachPressActivates200MoreUpToAll10000) {
    // Press 1 at tick 3; press 2 held from tick 5 to 9 counts once; presses 3
    // to 52 come every two ticks from tick 11.
    std::string input = "3 key down 57\n4 key up 57\n5 key down 57\n9 key up 57\n";
    for (int press = 3; press <= 52; ++press) {
        const int tick = 11 + 2 * (press - 3);
        input +=
            std::to_string(tick) + " key down 57\n" + std::to_string(tick + 1) + " key up 57\n";
    }
    // Press 49 (tick 103) reaches 10 000; the later ones change nothing.
    CheckCounts("stress_demo_fixed", STRESS_DEMO_FIXED, input, 112,
                {{2, 200}, {3, 400}, {8, 600}, {101, 9800}, {103, 10000}, {112, 10000}});
}

TEST(StressDemo, EachPressAddsAThousand) {
    CheckCounts("stress_demo", STRESS_DEMO,
                "3 key down 57\n4 key up 57\n6 key down 57\n10 key up 57\n", 12,
                {{2, 1000}, {3, 2000}, {9, 3000}, {12, 3000}});
}

}  // namespace
