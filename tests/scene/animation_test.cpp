// Animations on the fixed clock (10 ms a tick), end to end: each cell of the
// fixture sheets has its own colour, so a captured pixel names the frame shown.
#include <gtest/gtest.h>

#include <algorithm>

#include "scene/scene_run.h"

namespace {

const std::string kInit = "init 800 600\n";

// The frame number whose cell colour is at (x, y), or -1.
int FrameAt(const Picture& f, int x, int y) {
    for (int k = 0; k < 51; ++k) {
        if (f.At(x, y) == CellColour(k)) return k;
    }
    return -1;
}

std::vector<std::string> Reports(const SceneRun& run, const std::string& name) {
    std::vector<std::string> lines;
    for (auto& l : run.out) {
        if (l.find(" " + name + " ") != std::string::npos) lines.push_back(l);
    }
    return lines;
}

TEST(Animations, TheRollingBallSteps66MsAFrameAndStopsAfterItsLast) {
    SceneRun run;
    run.Sheet("roll.png", 5, 6, 51, 51);
    run.Run(kInit +
                "animation ball roll.png 30 15 5 51 0 1\n"
                "every draw ball 0 0 1 0 1 FFFFFFFF\n"
                "at 250 reset ball\n",
            {6, 7, 46, 47, 240, 251}, 260);
    EXPECT_EQ(FrameAt(run.Frame(6), 25, 25), 0) << run.result.err;
    EXPECT_EQ(FrameAt(run.Frame(7), 25, 25), 1);
    EXPECT_EQ(FrameAt(run.Frame(46), 25, 25), 6);
    EXPECT_EQ(FrameAt(run.Frame(47), 25, 25), 7);  // cut from (102, 51)-(153, 102)
    EXPECT_EQ(FrameAt(run.Frame(240), 25, 25), 29);
    EXPECT_LE(FrameAt(run.Frame(251), 25, 25), 1);  // back at the start after the reset
    std::vector<std::string> reports = Reports(run, "ball");
    auto stopped = std::find_if(reports.begin(), reports.end(),
                                [](auto& l) { return l.ends_with("stopped"); });
    ASSERT_NE(stopped, reports.end());
    // It stops once the frame would pass 29, and stays stopped until the reset.
    int firstStopped = std::stoi(stopped->substr(6));
    EXPECT_GT(firstStopped, 190);
    EXPECT_LT(firstStopped, 205);
    EXPECT_EQ(reports.at(248), "frame 249 ball stopped");
    EXPECT_EQ(reports.at(249), "frame 250 ball stopped");
    // Running again from the first advance after the reset, within a period.
    EXPECT_EQ(reports.at(257), "frame 258 ball running");
}

TEST(Animations, TheKnightStandsOnFrame0UntilARangeIsChosen) {
    SceneRun run;
    run.Sheet("knight.png", 16, 3, 64, 128);
    run.Run(
        kInit +
            "animationex knight knight.png 0 16 64 128 1 0 14 16 16 30 16 32 39 8 40 47 8\n"
            "every draw knight 0 0 1 0 1 FFFFFFFF\n"
            "at 20 set knight 3\n"    // frame 32 at 8 a second: 125 ms a frame
            "at 60 speed knight 0\n"  // frozen
            "at 80 set knight 3\n",   // the same range again: the frame stays, the speed comes back
        {19, 20, 33, 34, 59, 79, 96}, 97);
    EXPECT_EQ(FrameAt(run.Frame(19), 30, 60), 0) << run.result.err;
    EXPECT_EQ(FrameAt(run.Frame(20), 30, 60), 32);
    EXPECT_EQ(FrameAt(run.Frame(33), 30, 60), 33);  // the first step, 130 ms after frame 20
    int atFreeze = FrameAt(run.Frame(59), 30, 60);
    EXPECT_EQ(FrameAt(run.Frame(79), 30, 60), atFreeze);
    EXPECT_EQ(FrameAt(run.Frame(96), 30, 60), atFreeze + 1);
}

TEST(Animations, SeveralRangesPlayToTheEndOfTheFinalOneWithoutSetAnimation) {
    SceneRun run;
    run.Sheet("sheet.png", 8, 1, 20, 20);
    run.Run(kInit +
                "animationex a sheet.png 100 8 20 20 0 0 2 100 3 5 100 6 7 100\n"
                "every draw a 0 0 0 0 1 FFFFFFFF\n",
            {100}, 100);
    EXPECT_EQ(FrameAt(run.Frame(100), 10, 10), 7) << run.result.err;
}

TEST(Animations, ASecondDrawInOneFrameReplacesTheFirst) {
    SceneRun run;
    run.Sheet("sheet.png", 4, 1, 20, 20);
    run.Run(kInit +
                "animation a sheet.png 4 0 4 20 20 0\n"
                "every draw a 0 0 0 0 1 FFFFFFFF\n"
                "every draw a 100 0 0 0 1 FFFFFFFF\n",
            {2}, 2);
    Picture f = run.Frame(2);
    EXPECT_EQ(f.At(10, 10), kBlue) << run.result.err;
    EXPECT_EQ(FrameAt(f, 110, 10), 0);
}

TEST(Animations, TimeNotDrawnIsAppliedAtOnceWhenDrawnAgain) {
    SceneRun run;
    run.Sheet("roll.png", 5, 6, 51, 51);
    run.Run(kInit +
                "animation ball roll.png 30 15 5 51 0 1\n"
                "at 1 draw ball 0 0 1 0 1 FFFFFFFF\n"
                "at 2 sleep 10000\n"
                "from 3 draw ball 0 0 1 0 1 FFFFFFFF\n",
            {3}, 4);
    EXPECT_EQ(FrameAt(run.Frame(3), 25, 25), 29) << run.result.err;
    EXPECT_EQ(Reports(run, "ball").back(), "frame 4 ball stopped");
}

TEST(Animations, PeriodsFollowTheSpeedAndOddArgumentsAreSafe) {
    SceneRun run;
    run.Sheet("sheet.png", 50, 1, 4, 4);
    run.Run(
        kInit +
            "animation fast sheet.png 50 1000 50 4 4 0\n"    // 1 ms a frame
            "animation slow sheet.png 50 3 50 4 4 0\n"       // 333 ms a frame
            "animation faster sheet.png 50 5000 50 4 4 0\n"  // above 1000: 1 ms too
            "animation nocolumns sheet.png 50 0 0 4 4 0\n"   // columns below 1 count as 1
            "animationex none sheet.png 10 5 4 4 0\n"        // no ranges: frame 0 alone
            "every draw fast 0 0 0 0 1 FFFFFFFF\n"
            "every draw slow 0 10 0 0 1 FFFFFFFF\n"
            "every draw faster 0 20 0 0 1 FFFFFFFF\n"
            "every draw nocolumns 0 30 0 0 1 FFFFFFFF\n"
            "every draw none 0 40 0 0 1 FFFFFFFF\n"
            "at 1 set fast 0\nat 1 set fast -1\nat 1 set fast 5\n"  // no such ranges: ignored
            "at 2 drawid -1\nat 2 drawid 99\nat 2 setid -4 1\nat 2 resetid -1\nat 2 speedid 77 5\n",
        {3, 34}, 34);
    EXPECT_NE(std::find(run.out.begin(), run.out.end(), "frame 2 id -1 running"), run.out.end());
    EXPECT_NE(std::find(run.out.begin(), run.out.end(), "frame 2 id 99 running"), run.out.end());
    Picture early = run.Frame(3), late = run.Frame(34);
    EXPECT_EQ(FrameAt(early, 1, 1), 29) << run.result.err;  // 30 ms at 1 ms a frame: 29 steps
    EXPECT_EQ(FrameAt(early, 1, 21), 29);
    EXPECT_EQ(FrameAt(early, 1, 11), 0);
    EXPECT_EQ(FrameAt(late, 1, 11), 1);  // 340 ms: one step of 333
    EXPECT_EQ(FrameAt(late, 1, 31), 0);
    EXPECT_EQ(FrameAt(late, 1, 41), 0);
}

}  // namespace
