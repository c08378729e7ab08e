// The engine's keyboard and mouse queries, end to end: the input probe runs
// headless on a fixed clock with scripted input and prints, each frame, what
// its queries answered. Frame N is tick N, after that tick's script events.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "core/probe.h"

namespace {

// The probe's line for frame n, or "" when it printed none.
std::string Frame(const ProbeRun& run, int n) {
    std::string prefix = "frame " + std::to_string(n) + " ";
    for (const std::string& line : run.out) {
        if (line.compare(0, prefix.size(), prefix) == 0) return line.substr(prefix.size());
    }
    return "";
}

ProbeRun RunQueries(const std::string& calls, const std::string& script, int frames,
                    std::vector<std::string> extra = {}) {
    extra.insert(extra.end(), {"--calls", calls});
    ProbeRun run = RunProbe(extra, {{"ZOLT_FRAMES", std::to_string(frames)}}, script);
    EXPECT_EQ(run.result.exitCode, 0) << run.result.err;
    return run;
}

// The codes KeysChek reports: Esc, the digit row, minus, equals, Backspace,
// Tab, the letter rows and the numeric pad's digits and minus.
std::set<int> ReportedKeys() {
    std::set<int> keys;
    for (auto [first, last] : {std::pair{1, 25}, {30, 38}, {44, 50}, {71, 77}, {79, 82}}) {
        for (int k = first; k <= last; ++k) keys.insert(k);
    }
    return keys;
}

TEST(KeysChek, ReportsExactlyItsKeysEachHeldAlone) {
    // Key k is held during tick 2k+1 only.
    std::ostringstream script;
    for (int k = 0; k < 256; ++k)
        script << 2 * k + 1 << " key down " << k << "\n" << 2 * k + 2 << " key up " << k << "\n";
    ProbeRun run = RunQueries("KeysChek", script.str(), 512);
    std::set<int> reported = ReportedKeys();
    ASSERT_EQ(reported.size(), 52u);
    for (int k = 0; k < 256; ++k) {
        int expected = reported.count(k) ? k : 0;
        EXPECT_EQ(Frame(run, 2 * k + 1), "KeysChek=" + std::to_string(expected)) << "key " << k;
        EXPECT_EQ(Frame(run, 2 * k + 2), "KeysChek=0") << "after key " << k;
    }
}

TEST(KeysChek, ReportsTheLowestHeldKeyOfItsSet) {
    // All 52 held with keys outside the set; released one a tick from the lowest.
    std::ostringstream script;
    for (int k : ReportedKeys()) script << "1 key down " << k << "\n";
    for (int k : {0, 26, 57, 59, 78, 83, 200, 255}) script << "1 key down " << k << "\n";
    int tick = 2;
    for (int k : ReportedKeys()) script << tick++ << " key up " << k << "\n";
    ProbeRun run = RunQueries("KeysChek", script.str(), tick);
    tick = 1;
    for (int k : ReportedKeys()) EXPECT_EQ(Frame(run, tick++), "KeysChek=" + std::to_string(k));
    EXPECT_EQ(Frame(run, tick), "KeysChek=0");  // only keys outside the set are left
}

TEST(KeysChek, WAndATogetherGiveWAndTheSpaceBarAloneGivesNothing) {
    ProbeRun run =
        RunQueries("KeysChek,KeyChek:57,KeyChek:17,KeyChek:30",
                   "1 key down 17\n1 key down 30\n2 key up 17\n2 key up 30\n2 key down 57\n", 2);
    EXPECT_EQ(Frame(run, 1), "KeysChek=17 KeyChek:57=0 KeyChek:17=1 KeyChek:30=1");
    EXPECT_EQ(Frame(run, 2), "KeysChek=0 KeyChek:57=1 KeyChek:17=0 KeyChek:30=0");
}

TEST(KeyChek, CodesOutsideTheKeyTableAreNeverDown) {
    // The mouse's side button byte lies just before the key bytes; it is held
    // and polled first, so a read before the table would see it.
    ProbeRun run = RunQueries("MouseLBPress,KeyChek:-1,KeyChek:256,KeyChek:-1000000,KeyChek:255",
                              "1 mouse down 3\n1 key down 255\n1 key down 0\n", 1);
    EXPECT_EQ(Frame(run, 1),
              "MouseLBPress=0 KeyChek:-1=0 KeyChek:256=0 KeyChek:-1000000=0 KeyChek:255=1");
}

struct MouseCase {
    std::string calls;
    std::string frame2;  // after "mouse move 5 7", "mouse wheel 240" and "mouse down 1" at tick 2
};

TEST(MouseQueries, EachQueryPollsAnewAndConsumesTheMovement) {
    const MouseCase cases[] = {
        {"MouseMoveX,MouseMoveY,RollingMouse", "MouseMoveX=5 MouseMoveY=0 RollingMouse=0"},
        {"MouseMoveY,MouseMoveX", "MouseMoveY=7 MouseMoveX=0"},
        {"RollingMouse,RollingMouse", "RollingMouse=240 RollingMouse=0"},
        {"MouseLBPress,MouseMoveX", "MouseLBPress=0 MouseMoveX=0"},
        {"MouseRBPress,MouseRBPress,MouseLBPress", "MouseRBPress=1 MouseRBPress=1 MouseLBPress=0"},
    };
    for (const MouseCase& c : cases) {
        ProbeRun run =
            RunQueries(c.calls, "2 mouse move 5 7\n2 mouse wheel 240\n2 mouse down 1\n", 3);
        EXPECT_EQ(Frame(run, 2), c.frame2) << c.calls;
    }
}

TEST(MouseQueries, MovementAddsUpBetweenPollsAndTheWheelCountsInNotches) {
    const std::string script =
        "1 mouse move 3 0\n1 mouse move -10 0\n1 mouse wheel 120\n1 mouse wheel 120\n"
        "2 mouse wheel -120\n";
    ProbeRun moves = RunQueries("MouseMoveX", script, 3);
    EXPECT_EQ(Frame(moves, 1), "MouseMoveX=-7");
    EXPECT_EQ(Frame(moves, 2), "MouseMoveX=0");
    ProbeRun wheel = RunQueries("RollingMouse", script, 3);
    EXPECT_EQ(Frame(wheel, 1), "RollingMouse=240");
    EXPECT_EQ(Frame(wheel, 2), "RollingMouse=-120");
    EXPECT_EQ(Frame(wheel, 3), "RollingMouse=0");
}

struct RecordCase {
    std::string query;
    std::string frames[6];  // frames 2 to 7
};

TEST(MouseQueries, FailedPollsAnswerFromTheLastRecord) {
    // The window loses the focus at tick 3 and has it again at tick 6; the
    // button goes up at tick 4 and more movement comes at tick 5. Without the
    // focus the record of frame 2 is answered; so is it by the first query
    // with the focus back, which acquires the mouse again; the next one reads.
    const RecordCase cases[] = {
        {"MouseMoveX", {"5", "5", "5", "5", "5", "9"}},
        {"MouseLBPress", {"1", "1", "1", "1", "1", "0"}},
    };
    for (const RecordCase& c : cases) {
        ProbeRun run = RunQueries(c.query,
                                  "2 mouse move 5 0\n2 mouse down 0\n3 focus out\n4 mouse up 0\n"
                                  "5 mouse move 9 0\n6 focus in\n",
                                  7);
        for (int frame = 2; frame <= 7; ++frame) {
            EXPECT_EQ(Frame(run, frame), c.query + "=" + c.frames[frame - 2])
                << c.query << " frame " << frame;
        }
    }
}

TEST(KeyQueries, AnswerNothingWhileTheWindowLacksTheFocus) {
    ProbeRun run = RunQueries("KeyChek:17,KeysChek", "1 key down 17\n2 focus out\n4 focus in\n", 5);
    EXPECT_EQ(Frame(run, 1), "KeyChek:17=1 KeysChek=17");
    EXPECT_EQ(Frame(run, 2), "KeyChek:17=0 KeysChek=0");
    EXPECT_EQ(Frame(run, 3), "KeyChek:17=0 KeysChek=0");
    // The first query with the focus back acquires the keyboard again.
    EXPECT_EQ(Frame(run, 4), "KeyChek:17=0 KeysChek=17");
    EXPECT_EQ(Frame(run, 5), "KeyChek:17=1 KeysChek=17");
}

TEST(KeyQueries, WindowIniAloneLeavesTheHiddenWindowWithoutFocusUntilItGetsIt) {
    ProbeRun run =
        RunQueries("KeysChek,KeysChek", "1 key down 30\n3 focus in\n", 3, {"--setup", "window"});
    EXPECT_EQ(Frame(run, 1), "KeysChek=0 KeysChek=0");
    EXPECT_EQ(Frame(run, 3), "KeysChek=0 KeysChek=30");
}

struct CursorCase {
    std::string cursor;
    std::string answer;
};

TEST(GetMouse, GivesTheCursorInClientCoordinatesUnclamped) {
    const CursorCase cases[] = {
        {"100 50", "GetMouseX=100 GetMouseY=50"},
        {"-5 20", "GetMouseX=-5 GetMouseY=20"},
        {"30 -40", "GetMouseX=30 GetMouseY=-40"},
        {"900 700", "GetMouseX=900 GetMouseY=700"},  // beyond the 784 x 561 client area
    };
    for (const CursorCase& c : cases) {
        ProbeRun run = RunQueries("GetMouseX,GetMouseY", "1 cursor " + c.cursor + "\n", 1);
        EXPECT_EQ(Frame(run, 1), c.answer) << c.cursor;
    }
}

const char kEveryQuery[] =
    "KeyChek:30,KeysChek,MouseLBPress,MouseRBPress,MouseMoveX,MouseMoveY,RollingMouse,"
    "GetMouseX,GetMouseY";
const char kEveryInput[] =
    "1 key down 30\n1 mouse down 0\n1 mouse down 1\n1 mouse move 4 6\n1 mouse wheel 120\n"
    "1 cursor 10 20\n";

TEST(InputSetUp, QueriesWithoutDevicesAnswerNothing) {
    std::string nothing =
        "KeyChek:30=0 KeysChek=0 MouseLBPress=0 MouseRBPress=0 MouseMoveX=0 MouseMoveY=0 "
        "RollingMouse=0 GetMouseX=0 GetMouseY=0";
    ProbeRun before = RunQueries(kEveryQuery, kEveryInput, 1, {"--before"});
    ASSERT_FALSE(before.out.empty());
    EXPECT_EQ(before.out[0], "before " + nothing);
    // With no window to read for, the set-up stops at the keyboard's
    // cooperative level: the keyboard, formatted, reads at its default level
    // (in the background) once a query has acquired it; no mouse is made.
    ProbeRun windowless = RunQueries(kEveryQuery, kEveryInput, 2, {"--setup", "input"});
    EXPECT_EQ(Frame(windowless, 2),
              "KeyChek:30=1 KeysChek=30 MouseLBPress=0 MouseRBPress=0 MouseMoveX=0 MouseMoveY=0 "
              "RollingMouse=0 GetMouseX=0 GetMouseY=0");
}

TEST(InputSetUp, ARepeatedSetUpLeavesWorkingDevices) {
    ProbeRun run =
        RunQueries("KeyChek:30,KeysChek,RollingMouse,MouseLBPress,MouseRBPress,GetMouseX",
                   kEveryInput, 1, {"--setup", "twice"});
    EXPECT_EQ(Frame(run, 1),
              "KeyChek:30=1 KeysChek=30 RollingMouse=120 MouseLBPress=1 MouseRBPress=1 "
              "GetMouseX=10");
}

}  // namespace
