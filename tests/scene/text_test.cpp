// Bitmap-font text and the frame-rate overlay, end to end, with a fixture font:
// each glyph cell has a 2-pixel stripe at its left whose colour names the code,
// and the digits 0 to 9 a white stripe whose place in the cell names the digit.
#include <gtest/gtest.h>

#include <fstream>

#include "scene/scene_run.h"

namespace {

constexpr int kCell = 32;

Rgba CodeColour(int code) {
    return CellColour(code % 51);
}

// Widths by code: A 10, B 20, C -6, E -128, F 0, digits 30, the rest 10.
std::string Metrics(size_t length = 512) {
    std::string bytes(512, '\0');
    for (int c = 0; c < 256; ++c) bytes[2 * c] = 10;
    bytes[2 * 'B'] = 20;
    bytes[2 * 'C'] = static_cast<char>(-6);
    bytes[2 * 'E'] = static_cast<char>(0x80);
    bytes[2 * 'F'] = 0;
    for (int d = '0'; d <= '9'; ++d) bytes[2 * d] = 30;
    bytes.resize(length, '\x55');
    return bytes;
}

void WriteFont(SceneRun& run, size_t metricsLength = 512) {
    run.Write("font.png", 16 * kCell, 16 * kCell, [](int x, int y) {
        int code = y / kCell * 16 + x / kCell, cx = x % kCell;
        if (code >= '0' && code <= '9') {
            int at = 1 + 3 * (code - '0');
            return cx == at || cx == at + 1 ? Rgba{255, 255, 255, 255} : Rgba{0, 0, 0, 0};
        }
        if (code == 'D') return Rgba{255, 255, 255, 128};  // half covered everywhere
        return cx < 2 ? CodeColour(code) : Rgba{0, 0, 0, 0};
    });
    std::string metrics = Metrics(metricsLength);
    testing_support::WriteFile(run.Dir() + "/font.dat", metrics);
}

const std::string kInit = "init 800 600\ntextini font.png font.dat 32\n";

// Left edges of the stripes along row y from x0: where a pixel leaves the blue.
std::vector<int> StripeStarts(const Picture& f, int y, int x0 = 0) {
    std::vector<int> starts;
    bool inside = false;
    for (int x = x0; x < f.width; ++x) {
        bool lit = !(f.At(x, y) == kBlue);
        if (lit && !inside) starts.push_back(x);
        inside = lit;
    }
    return starts;
}

TEST(Text, PenAdvancesFollowTheWidthsAndTheScale) {
    struct Case {
        std::string text;
        float scale;
        int second;  // where the second glyph starts, from x = 100
    };
    const Case cases[] = {{"AA", 1, 12},
                          {"AA", 3, 32},
                          {"AA", 0.5f, 7},
                          {"BB", 1, 20},
                          {"BB", 3, 60},
                          {"BB", 0.5f, 10},
                          {"CA", 1, -4},
                          {"EA", 1, -126},
                          {"A\\u0100A", 1, 12},
                          {"A\xF0\x9F\x98\x80"
                           "A",
                           1, 12}};
    SceneRun run;
    WriteFont(run);
    // Two columns of five rows, far enough apart for glyphs three times enlarged.
    auto place = [](int i) { return std::pair{i < 5 ? 150 : 550, 20 + 110 * (i % 5)}; };
    std::string script = kInit;
    for (int i = 0; i < 10; ++i) {
        auto [x, y] = place(i);
        script += "every print " + std::to_string(x) + " " + std::to_string(y) + " " +
                  std::to_string(cases[i].scale) + " FFFFFFFF " + cases[i].text + "\n";
    }
    run.Run(script, {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    for (int i = 0; i < 10; ++i) {
        const Case& c = cases[i];
        auto [x, y] = place(i);
        std::vector<int> starts;
        for (int s : StripeStarts(f, y + 1, x - 140)) {
            if (s < x + 140) starts.push_back(s);
        }
        ASSERT_EQ(starts.size(), 2u) << c.text << " at " << c.scale;
        EXPECT_EQ(c.second < 0 ? starts[0] - x : starts[1] - x, c.second)
            << c.text << " at " << c.scale;
        EXPECT_EQ(c.second < 0 ? starts[1] : starts[0], x) << c.text;
    }
}

TEST(Text, CodesPickTheirCellsAndAScaleOtherThanOneDrawsTwice) {
    SceneRun run;
    WriteFont(run);
    run.Run(kInit +
                "every print 10 100 1 FFFFFFFF \\u0410\n"         // А: 192, column 0 of row 12
                "every print 10 140 1 FFFFFFFF \\u0010\n"         // code 16
                "every print 10 180 1 FFFFFFFF A\n"               // code 65
                "every print 10 220 1 FFFFFFFF \\u0401\\u0451\n"  // Ё 168, ё 184
                "every print 10 260 1 FFFFFFFF A\\nA\n"  // the line feed is glyph 10, same line
                "every print 400 100 1 FFFFFFFF D\n"     // half cover, drawn once
                "every print 400 200 2 FFFFFFFF D\n",    // drawn twice
            {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(10, 101), CodeColour(192));
    EXPECT_EQ(f.At(10, 141), CodeColour(16));
    EXPECT_EQ(f.At(10, 181), CodeColour(65));
    EXPECT_EQ(f.At(10, 221), CodeColour(168));
    EXPECT_EQ(f.At(22, 221), CodeColour(184));
    EXPECT_EQ(f.At(22, 261), CodeColour(10));
    EXPECT_EQ(f.At(34, 261), CodeColour(65));
    EXPECT_NEAR(f.At(410, 110).r, 128, 4);  // 50 % once
    EXPECT_NEAR(f.At(420, 220).r, 191, 4);  // 75 % after two passes
}

TEST(Text, PrintBeforeTheFontIsIgnoredAndTheQueueEmptiesEachFrame) {
    SceneRun run;
    WriteFont(run);
    std::string script = "init 800 600\nat 3 textini font.png font.dat 32\n";
    for (int tick = 1; tick <= 4; ++tick) {
        script += "at " + std::to_string(tick) + " print " + std::to_string(40 * tick) +
                  " 50 1 FFFFFFFF A\n";
    }
    run.Run(script, {2, 3, 4}, 4);
    EXPECT_EQ(StripeStarts(run.Frame(2), 51), std::vector<int>{}) << run.result.err;
    EXPECT_EQ(StripeStarts(run.Frame(3), 51), std::vector<int>{120});
    EXPECT_EQ(StripeStarts(run.Frame(4), 51), std::vector<int>{160});
}

TEST(Text, ShortMetricsLeaveZeroWidthsAndLongTextsAreDrawnWhole) {
    SceneRun run;
    WriteFont(run, 100);  // A's record lies beyond: width 0, advance 2
    run.Run(kInit + "every print 10 50 1 FFFFFFFF AA\n" + "every print 10 100 1 FFFFFFFF " +
                std::string(300, 'A') + "\n",
            {2}, 2);
    Picture f = run.Frame(2);
    ASSERT_EQ(f.width, 784) << run.result.err;
    EXPECT_EQ(f.At(12, 51), CodeColour(65));
    EXPECT_EQ(f.At(10 + 2 * 299, 101), CodeColour(65));  // the 300th glyph
}

TEST(Text, OnlyTheFirst512BytesOfTheMetricsCount) {
    SceneRun run;
    WriteFont(run, 600);  // the bytes after 512 would give every code 0x55
    run.Run(kInit + "every print 10 50 1 FFFFFFFF AA\n", {2}, 2);
    EXPECT_EQ(StripeStarts(run.Frame(2), 51), (std::vector<int>{10, 22})) << run.result.err;
}

TEST(Text, AFontWithoutATextureDrawsNothingAndKeepsWorking) {
    SceneRun run;
    WriteFont(run);
    for (std::string name : {"null", "missing.png", "sub\\font.png"}) {
        run.Run("init 800 600\ntextini " + name + " font.dat 32\nevery print 10 50 1 FFFFFFFF AA\n"
                "every develop\n", {3}, 3);
        Picture f = run.Frame(3);
        ASSERT_EQ(f.width, 784) << name << run.result.err;
        EXPECT_EQ(StripeStarts(f, 51), std::vector<int>{}) << name;
    }
}

// The digits the overlay shows at (10, 10) and their colour (red or green).
std::pair<std::string, char> Overlay(const Picture& f) {
    std::string digits;
    char colour = '?';
    for (int x0 = 10; x0 < 10 + 30 * 6; x0 += 30) {
        for (int dx = 0; dx < 30; ++dx) {
            Rgba p = f.At(x0 + dx, 20);
            if (p == kBlue) continue;
            colour = p.r > 200 ? 'r' : p.g > 200 ? 'g' : '?';
            digits += static_cast<char>('0' + (dx - 1) / 3);
            break;
        }
    }
    return {digits, colour};
}

TEST(DeveloperOverlay, ShowsTwiceTheCallsOfEachWindowOfHalfASecond) {
    struct Case {
        std::string name, clock, setup, calls;
        int tick;
        std::string digits;
        char colour;
    };
    const Case cases[] = {
        {"before the first window closes", "fixed:10", "", "every develop\n", 49, "0", 'r'},
        {"the first window at 500 ms", "fixed:10", "", "every develop\n", 50, "100", 'g'},
        {"a slow start closes it at once", "fixed:10", "sleepfirst 600\n", "every develop\n", 1,
         "2", 'r'},
        {"14 calls", "fixed:36", "", "every develop\n", 14, "28", 'r'},
        {"15 calls", "fixed:35", "", "every develop\n", 15, "30", 'g'},
        {"two calls a frame", "fixed:35", "", "every develop\nevery develop\n", 15, "58", 'g'},
        {"the clock wraps", "fixed:10:4294967000", "", "every develop\n", 50, "100", 'g'},
        {"shown off", "fixed:10", "", "every nodevelop\n", 60, "", '?'},
    };
    for (const Case& c : cases) {
        SceneRun run;
        WriteFont(run);
        run.Run(kInit + c.setup + c.calls, {c.tick}, c.tick, "", c.clock);
        auto [digits, colour] = Overlay(run.Frame(c.tick));
        EXPECT_EQ(digits, c.digits) << c.name << run.result.err;
        EXPECT_EQ(colour, c.colour) << c.name;
    }
}

TEST(DeveloperOverlay, DoesNothingBeforeTheFont) {
    SceneRun run;
    WriteFont(run);
    run.Run("init 800 600\nat 60 textini font.png font.dat 32\nevery develop\n", {59, 60}, 60);
    EXPECT_EQ(Overlay(run.Frame(59)).first, "") << run.result.err;
    // The counter did not run before the font: the window from load closes now.
    EXPECT_EQ(Overlay(run.Frame(60)).first, "2");
}

}  // namespace
