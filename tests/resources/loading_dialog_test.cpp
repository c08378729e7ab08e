// The loading dialog of a preload, end to end: the probe program sets up with
// WindowIni, then ResourceIni with a folder, headless on a fixed clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/probe.h"

namespace fs = std::filesystem;

namespace {

void WriteFileOfSize(const fs::path& path, size_t size) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
}

std::vector<int> DialogValues(const ProbeRun& run) {
    std::vector<int> values;
    for (auto& line : run.trace) {
        if (line.rfind("dialog item 1007 ", 0) == 0) values.push_back(std::stoi(line.substr(17)));
    }
    return values;
}

ProbeRun RunWithFolder(const fs::path& folder, int times = 1) {
    std::vector<std::string> args = {"--window"};
    for (int i = 0; i < times; ++i) args.insert(args.end(), {"--resources", folder.string()});
    return RunProbe(args, {{"ZOLT_FRAMES", "1"}, {"ZOLT_CLOCK", "fixed:10"}});
}

TEST(LoadingDialog, CountsUpToExactly100ThenClosesAfter250MsAndTheWindowShows) {
    fs::path dir = testing_support::MakeTempDir();
    for (int i = 0; i < 150; ++i)
        WriteFileOfSize(dir / ("f" + std::to_string(i) + ".png"), 100 + i * 7);
    WriteFileOfSize(dir / "big" / "huge.wav", 90000);  // one file worth many percent
    ProbeRun run = RunWithFolder(dir);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    std::vector<int> values = DialogValues(run);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back(), 100);
    EXPECT_LE(values.size(), 100u);
    for (size_t i = 1; i < values.size(); ++i) EXPECT_GT(values[i], values[i - 1]);
    auto at = [&](const std::string& line) {
        return std::find(run.trace.begin(), run.trace.end(), line) - run.trace.begin();
    };
    EXPECT_LT(at("dialog open"), at("dialog item 1007 100"));
    EXPECT_LT(at("dialog item 1007 100"), at("dialog close"));
    EXPECT_LT(at("dialog close"), at("show"));
    // The first tick comes 250 ms after the start, plus its own step.
    EXPECT_EQ(run.out.front(), "frame 1 time 260");
    fs::remove_all(dir);
}

TEST(LoadingDialog, OneFileGoesStraightTo100) {
    fs::path dir = testing_support::MakeTempDir();
    WriteFileOfSize(dir / "only.png", 5000);
    ProbeRun run = RunWithFolder(dir);
    EXPECT_EQ(DialogValues(run), std::vector<int>{100});
    fs::remove_all(dir);
}

TEST(LoadingDialog, AnEmptyWalkShowsNoDialogAndDoesNotWait) {
    fs::path dir = testing_support::MakeTempDir();
    WriteFileOfSize(dir / "readme.txt", 10);
    WriteFileOfSize(dir / "UPPER.PNG", 10);
    for (const std::string& folder : {dir.string(), dir.string() + "/missing", std::string("-")}) {
        ProbeRun run = RunWithFolder(folder);
        ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
        EXPECT_EQ(run.CountTraced("dialog"), 0) << folder;
        EXPECT_EQ(run.CountTraced("show"), 1) << folder;
        EXPECT_EQ(run.out.front(), "frame 1 time 10") << folder;
    }
    fs::remove_all(dir);
}

TEST(LoadingDialog, TheSameFolderTwiceCountsOverBothLists) {
    fs::path dir = testing_support::MakeTempDir();
    WriteFileOfSize(dir / "a.png", 100);
    WriteFileOfSize(dir / "b.png", 100);
    ProbeRun run = RunWithFolder(dir, 2);
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    EXPECT_EQ(run.CountTraced("dialog open"), 2);
    // First walk: 2 files, 50 then 100. Second: 4 records, 25, 50, 75, 100.
    EXPECT_EQ(DialogValues(run), (std::vector<int>{50, 100, 25, 50, 75, 100}));
    EXPECT_EQ(run.CountTraced("show"), 1);  // showing a visible window changes nothing
    fs::remove_all(dir);
}

}  // namespace
