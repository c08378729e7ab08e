// The text demo's picture: its ten lines in their bands and colours over the
// blue background, and the frame-rate figure above them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "demo_run.h"

namespace demos_test {
namespace {

constexpr Rgba kBackground{0, 0, 255, 255};
constexpr int kCell = 32;

// What one band of rows holds: pixels that differ from the background, those
// of the expected colour, those that are no blend of it over the background,
// and the rows and first column of the differing pixels.
struct Band {
    int lit = 0, matching = 0, foreign = 0, firstRow = -1, lastRow = -1, firstColumn = -1;
    int Height() const { return lit ? lastRow - firstRow + 1 : 0; }
};

bool Near(Rgba a, Rgba b) {
    return std::abs(a.r - b.r) <= 24 && std::abs(a.g - b.g) <= 24 && std::abs(a.b - b.b) <= 24;
}

// Whether p is, within a few levels, colour laid over the background with
// some coverage: what an antialiased glyph edge gives.
bool Blend(Rgba p, Rgba colour) {
    const double d[3] = {double(colour.r - kBackground.r), double(colour.g - kBackground.g),
                         double(colour.b - kBackground.b)};
    const double q[3] = {double(p.r - kBackground.r), double(p.g - kBackground.g),
                         double(p.b - kBackground.b)};
    const double length = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
    const double a =
        length > 0 ? std::clamp((q[0] * d[0] + q[1] * d[1] + q[2] * d[2]) / length, 0.0, 1.0) : 0;
    for (int i = 0; i < 3; ++i) {
        if (std::abs(q[i] - a * d[i]) > 24) return false;
    }
    return true;
}

Band Look(const Picture& f, int top, int bottom, Rgba colour) {
    Band band;
    for (int y = top; y < std::min(bottom, f.height); ++y) {
        for (int x = 0; x < f.width; ++x) {
            Rgba p = f.At(x, y);
            if (p == kBackground) continue;
            ++band.lit;
            band.matching += Near(p, colour);
            band.foreign += !Blend(p, colour);
            if (band.firstRow < 0) band.firstRow = y;
            band.lastRow = y;
            if (band.firstColumn < 0 || x < band.firstColumn) band.firstColumn = x;
        }
    }
    return band;
}

struct Line {
    int y;
    float scale;
    Rgba colour;
    bool seen;
};

// Blue on the blue background leaves its line unseen, and the last line's
// glyphs begin below the 561 rows of the window's client area.
constexpr Line kLines[] = {
    {50, 1.0f, {255, 255, 255}, true},  {100, 3.0f, {255, 255, 255}, true},
    {200, 0.5f, {255, 255, 255}, true}, {250, 1.0f, {255, 0, 0}, true},
    {300, 1.0f, {0, 0, 255}, false},    {350, 1.0f, {0, 255, 0}, true},
    {400, 1.0f, {255, 0, 255}, true},   {450, 1.0f, {0, 255, 255}, true},
    {500, 1.0f, {0, 100, 255}, true},   {550, 1.0f, {255, 255, 0}, false},
};

class TextDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run_ = new DemoRun(RunDemo(TEXT_DEMO, TEXT_DEMO_DATA, 64));
        frame_ = new Picture(run_->Frame(64));
    }
    static void TearDownTestSuite() {
        delete frame_;
        delete run_;
    }
    static DemoRun* run_;
    static Picture* frame_;
};

DemoRun* TextDemo::run_ = nullptr;
Picture* TextDemo::frame_ = nullptr;

TEST_F(TextDemo, LinesLieInTheirBandsInTheirColours) {
    const Picture& f = *frame_;
    ASSERT_EQ(f.width, 784) << run_->result.err;  // an 800 x 600 window's client area
    ASSERT_EQ(f.height, 561);
    int total = Look(f, 0, f.height, kBackground).lit, inBands = 0;
    for (const Line& line : kLines) {
        const Band band =
            Look(f, line.y, line.y + static_cast<int>(kCell * line.scale), line.colour);
        inBands += band.lit;
        SCOPED_TRACE("line at y " + std::to_string(line.y));
        if (!line.seen) {
            EXPECT_EQ(band.lit, 0);
            continue;
        }
        EXPECT_GT(band.matching, 40);
        EXPECT_EQ(band.foreign, 0);
        EXPECT_GE(band.firstColumn, 10);
        EXPECT_LE(band.firstColumn, 16);
    }
    inBands += Look(f, 10, 10 + kCell, kBackground).lit;  // the frame-rate figure
    EXPECT_EQ(inBands, total) << "pixels outside every line";
}

TEST_F(TextDemo, ScaledLinesAreTallerAndSmaller) {
    const Picture& f = *frame_;
    ASSERT_GT(f.width, 0) << run_->result.err;
    const Band normal = Look(f, 50, 50 + kCell, {255, 255, 255});
    const Band large = Look(f, 100, 100 + 3 * kCell, {255, 255, 255});
    const Band small = Look(f, 200, 200 + kCell / 2, {255, 255, 255});
    ASSERT_GT(normal.Height(), 10);
    EXPECT_GT(large.Height(), 2.5 * normal.Height());
    EXPECT_GT(large.lastRow, 100 + 2 * kCell);
    // Its text has no capitals, so it is less than half as tall as the first.
    EXPECT_LT(small.Height(), 0.6 * normal.Height());
    EXPECT_GT(small.Height(), 0.25 * normal.Height());
}

TEST_F(TextDemo, FrameRateFigureIsGreenAtTheTopLeft) {
    const Picture& f = *frame_;
    ASSERT_GT(f.width, 0) << run_->result.err;
    const Band figure = Look(f, 10, 10 + kCell, {0, 255, 0});
    EXPECT_GT(figure.matching, 20);  // 62.5 frames a second on a 16 ms tick
    EXPECT_EQ(Look(f, 10, 10 + kCell, {255, 0, 0}).matching, 0);
    EXPECT_GE(figure.firstColumn, 10);
    EXPECT_LE(figure.firstColumn, 14);
}

TEST_F(TextDemo, ClosingTheWindowEndsTheProgram) {
    EXPECT_EQ(run_->result.exitCode, 0) << run_->result.err;
    EXPECT_EQ(std::count(run_->trace.begin(), run_->trace.end(), "present 64"), 1);
}

}  // namespace
}  // namespace demos_test
