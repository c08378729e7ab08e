// The frame loop, end to end: the probe program runs headless on a fixed clock
// and its trace and output show what each tick did.
#include <gtest/gtest.h>

#include "core/probe.h"

namespace {

using Settings = std::map<std::string, std::string>;

TEST(FrameLoop, NullCallbackPresentsEveryTickUntilTheWindowCloses) {
    ProbeRun run = RunProbe({"--null"}, {{"ZOLT_FRAMES", "5"}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("present "), 5);
    for (int tick = 1; tick <= 5; ++tick)
        EXPECT_TRUE(run.Traced("present " + std::to_string(tick)));
    EXPECT_EQ(run.out.back(), "returned after 0 frames");
}

TEST(FrameLoop, QuitFromTheFrameFunctionFinishesThatPassThenEndsTheLoopForGood) {
    ProbeRun run = RunProbe({"--quit-at", "3", "--run-twice"}, {{"ZOLT_FRAMES", "50"}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_TRUE(run.Traced("present 3"));  // the quitting pass still draws
    EXPECT_FALSE(run.Traced("present 4"));
    ASSERT_EQ(run.out.size(), 5u);
    EXPECT_EQ(run.out[3], "returned after 3 frames");
    EXPECT_EQ(run.out[4], "returned again after 3 frames");  // at once, no frame
}

TEST(FrameLoop, ScriptedCloseEndsTheLoopBeforeItsTick) {
    ProbeRun run = RunProbe({}, {}, "3 close\n");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("present "), 2);
    EXPECT_EQ(run.out.back(), "returned after 2 frames");
}

TEST(FrameLoop, WindowIniAloneNeverShowsTheWindowButPresents) {
    ProbeRun run = RunProbe({"--window"}, {{"ZOLT_FRAMES", "3"}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("show"), 0);
    EXPECT_EQ(run.CountTraced("present "), 3);

    ProbeRun full = RunProbe({}, {{"ZOLT_FRAMES", "3"}});
    EXPECT_EQ(full.CountTraced("show"), 1);
}

TEST(FrameLoop, LostDeviceCallsTheFrameFunctionAndSleeps20MsPerTickWithoutDrawing) {
    ProbeRun run = RunProbe({}, {{"ZOLT_FRAMES", "6"}}, "2 device lost\n5 device ok\n");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    std::vector<std::string> expected = {"frame 1 time 10", "frame 2 time 20",  "frame 3 time 50",
                                         "frame 4 time 80", "frame 5 time 110", "frame 6 time 120"};
    ASSERT_GE(run.out.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(run.out[i], expected[i]);
    for (int tick : {2, 3, 4}) EXPECT_FALSE(run.Traced("present " + std::to_string(tick)));
    for (int tick : {1, 5, 6}) EXPECT_TRUE(run.Traced("present " + std::to_string(tick)));
}

TEST(FrameLoop, DeviceNeedingResetIsResetAndDrawsInTheSameTick) {
    ProbeRun run = RunProbe({}, {{"ZOLT_FRAMES", "4"}}, "3 device notreset\n");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    auto reset = std::find(run.trace.begin(), run.trace.end(), "reset");
    ASSERT_NE(reset, run.trace.end());
    ASSERT_NE(reset + 1, run.trace.end());
    EXPECT_EQ(*(reset - 1), "present 2");
    EXPECT_EQ(*(reset + 1), "present 3");
    EXPECT_EQ(run.CountTraced("reset"), 1);
}

TEST(FrameLoop, DriverErrorShowsOneMessageBoxAndEndsTheLoop) {
    ProbeRun run = RunProbe({}, {{"ZOLT_FRAMES", "50"}}, "3 device error\n");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("messagebox "), 1);
    EXPECT_TRUE(run.Traced("messagebox Internal Driver Error...Exiting"));
    EXPECT_FALSE(run.Traced("present 3"));
    EXPECT_EQ(run.out.back(), "returned after 3 frames");
    EXPECT_NE(run.result.err.find("Internal Driver Error...Exiting"), std::string::npos);
}

TEST(FrameLoop, WithoutADeviceTheFrameFunctionStillRunsEveryTick) {
    ProbeRun run = RunProbe({}, {{"ZOLT_FRAMES", "4"}, {"ZOLT_DEVICE", "none"}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("present "), 0);
    EXPECT_EQ(run.out.back(), "returned after 4 frames");
}

TEST(FrameLoop, RenderBeforeSetUpDoesNothing) {
    ProbeRun run = RunProbe({"--render-first", "--no-setup"}, {});
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    // Only the unload's restoring of the cursors is seen.
    EXPECT_EQ(run.trace, std::vector<std::string>{"cursor restore"});
}

TEST(FrameLoop, RepeatedSetUpMakesASecondWindowAndKeepsRunning) {
    ProbeRun run = RunProbe({"--setup-twice"}, {{"ZOLT_FRAMES", "3"}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("window "), 2);
    EXPECT_EQ(run.CountTraced("present "), 3);
}

}  // namespace
