// The player demo worked with scripted clicks: which presses start, pause,
// stop or mute its sounds, heard in the recorded mix.
#include <gtest/gtest.h>

#include <vector>

#include "demo_run.h"

namespace demos_test {
namespace {

constexpr int kTickMs = 16;
constexpr int kTicks = 300;

// Presses start at these ticks and the mix is judged between them, over
// spans longer than the cuckoo's longest pause.
constexpr int kPress[] = {60, 160, 260};

struct Span {
    int from, to;  // ticks
    bool loud;
};

double EnergyBetween(const Sound& mix, int fromTick, int toTick) {
    return mix.Energy(fromTick * kTickMs / 1000.0, toTick * kTickMs / 1000.0);
}

void ExpectSpans(const Sound& mix, const std::vector<Span>& spans) {
    for (const Span& s : spans) {
        const double e = EnergyBetween(mix, s.from, s.to);
        if (s.loud) {
            EXPECT_GT(e, 1e-4) << "ticks " << s.from << " to " << s.to << " should sound";
        } else {
            EXPECT_LT(e, 1e-7) << "ticks " << s.from << " to " << s.to << " should be silent";
        }
    }
}

struct Point {
    int x, y;
};

// Short clicks, one at each press tick.
std::string Clicks(const std::vector<Point>& points) {
    std::string script;
    for (size_t i = 0; i < points.size(); ++i) {
        script += Click(points[i].x, points[i].y, kPress[i], kPress[i] + 2);
    }
    return script;
}

Sound RunPlayer(const std::string& script) {
    const DemoRun run = RunDemo(PLAYER_DEMO, PLAYER_DEMO_DATA, kTicks, script);
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    Sound mix = ReadWav(run.MixPath());
    EXPECT_GT(mix.Seconds(), kTicks * kTickMs / 1000.0 - 0.1);
    return mix;
}

const Point kKukStop{21, 56}, kKukMinus{66, 56}, kKukPlay{113, 55}, kWindPlay{113, 140},
    kAllStop{21, 226}, kAllMinus{66, 226}, kAllPlay{113, 226};

// Silent before the first press and, for each press, loud or not after it.
std::vector<Span> After(std::vector<bool> loud) {
    std::vector<Span> spans{{0, kPress[0] - 2, false}};
    for (size_t i = 0; i < loud.size(); ++i) {
        const int end = i + 1 < loud.size() ? kPress[i + 1] - 2 : kTicks - 4;
        spans.push_back({kPress[i] + 8, end, loud[i]});
    }
    return spans;
}

TEST(PlayerDemo, ButtonsStartPauseAndStopTheSounds) {
    struct Case {
        const char* what;
        std::vector<Point> clicks;
        std::vector<bool> loud;
    };
    const Case cases[] = {
        {"no press", {}, {}},
        {"cuckoo play, then pause", {kKukPlay, kKukPlay}, {true, false}},
        {"wind play", {kWindPlay}, {true}},
        {"all play, then all pause, then all play",
         {kAllPlay, kAllPlay, kAllPlay},
         {true, false, true}},
        {"a stopped sound does not come back",
         {kKukPlay, kKukStop, kKukPlay},
         {true, false, false}},
        {"all stop, then all play", {kWindPlay, kAllStop, kAllPlay}, {true, false, false}},
        {"one sound on: all play pauses both",
         {kWindPlay, kAllPlay, kAllPlay},
         {true, false, true}},
        {"volume from 1 to 0, then to -1", {kKukPlay, kKukMinus, kKukMinus}, {true, false, true}},
        {"master volume from 1 to 0", {kKukPlay, kAllMinus}, {true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectSpans(RunPlayer(Clicks(c.clicks)), After(c.loud));
    }
}

TEST(PlayerDemo, PlayRegionsIncludeTheirBoundsAndNothingElse) {
    struct Case {
        Point at;
        bool plays;
    };
    const Case cases[] = {
        {{91, 33}, true},
        {{136, 78}, true},
        {{90, 55}, false},
        {{137, 55}, false},
        {{113, 32}, false},
        {{113, 79}, false},
        {{38, 55}, false},
        {{-5, 55}, false},
        // The third row's play button is lower than its key picture's top.
        {{91, 214}, true},
        {{136, 238}, true},
        {{113, 213}, false},
        {{113, 239}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("click at " + std::to_string(c.at.x) + ", " + std::to_string(c.at.y));
        ExpectSpans(RunPlayer(Clicks({c.at})), After({c.plays}));
    }
}

TEST(PlayerDemo, AHeldPressActsOnce) {
    // Held for 90 frames, the minus button steps the volume from 1 to 0 once;
    // stepping on would reach -1 and below, which sound again.
    std::string script = Click(kKukPlay.x, kKukPlay.y, kPress[0], kPress[0] + 2) +
                         Click(kKukMinus.x, kKukMinus.y, kPress[1], kPress[1] + 90);
    ExpectSpans(RunPlayer(script), After({true, false}));
}

}  // namespace
}  // namespace demos_test
