// The sound demo's mix: the cuckoo once at the start, then silence until the
// program ends by itself about 45 seconds later.
#include <gtest/gtest.h>

#include <algorithm>

#include "demo_run.h"

namespace demos_test {
namespace {

TEST(SoundDemo, PlaysTheCuckooOnceThenEndsAfterFortyFiveSeconds) {
    const Sound cuckoo = ReadWav(std::string(SOUND_DEMO_DATA) + "/kuk.wav");
    ASSERT_GT(cuckoo.Seconds(), 1.0);
    const double length = cuckoo.Seconds(), recorded = cuckoo.Energy(0, length);

    const DemoRun run = RunDemo(SOUND_DEMO, SOUND_DEMO_DATA, 0);
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    // The one frame before the quit message is drawn; the loop then ends.
    EXPECT_EQ(std::count(run.trace.begin(), run.trace.end(), "present 1"), 1);
    EXPECT_EQ(std::count_if(run.trace.begin(), run.trace.end(),
                            [](const std::string& l) { return l.starts_with("present"); }),
              1);

    const Sound mix = ReadWav(run.MixPath());
    ASSERT_EQ(mix.channels, 2);
    EXPECT_GE(mix.Seconds(), 45.0);
    EXPECT_LT(mix.Seconds(), 45.5);
    const double played = mix.Energy(0, length);
    EXPECT_GT(played, 0.7 * recorded);  // at the recorded level, not faded or doubled
    EXPECT_LT(played, 1.3 * recorded);
    EXPECT_LT(mix.Energy(length + 0.1, mix.Seconds()), 1e-7);
}

}  // namespace
}  // namespace demos_test
