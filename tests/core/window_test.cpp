// The engine's window: placement on the screen, the client area, the captured
// frame, custom cursors and focus, and settings that cannot be read.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <fstream>

#include "core/probe.h"

namespace {

using Settings = std::map<std::string, std::string>;

struct Placement {
    int width, height;
    std::string window;  // the trace line
};

TEST(AppWindow, IsPlacedOnTheScreenAsRequested) {
    const Placement cases[] = {
        {800, 600, "window 560 240 800 600 client 784 561"},
        {2000, 600, "window 0 240 1920 600 client 1904 561"},
        {800, 1100, "window 560 0 800 1100 client 784 1061"},
        {800, 1110, "window 560 0 800 1050 client 784 1011"},
        {800, 1050, "window 560 15 800 1050 client 784 1011"},
        {0, 0, "window 960 540 0 0 client 0 0"},
    };
    for (const Placement& c : cases) {
        ProbeRun run =
            RunProbe({"--width", std::to_string(c.width), "--height", std::to_string(c.height)},
                     {{"ZOLT_FRAMES", "1"}, {"ZOLT_SCREEN", "1920x1080"}});
        ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
        ASSERT_FALSE(run.trace.empty());
        EXPECT_EQ(run.trace[0], c.window) << c.width << " x " << c.height;
    }
}

TEST(AppWindow, CapturedFrameIsOpaqueBlueOfTheClientSize) {
    std::string dir = testing_support::MakeTempDir();
    ProbeRun run = RunProbe({}, {{"ZOLT_FRAMES", "3"}, {"ZOLT_CAPTURE", dir}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    int w, h, channels;
    unsigned char* pixels = stbi_load((dir + "/frame-000003.png").c_str(), &w, &h, &channels, 4);
    ASSERT_NE(pixels, nullptr) << run.result.err;
    EXPECT_EQ(w, 784);
    EXPECT_EQ(h, 561);
    size_t notBlue = 0;
    for (int i = 0; i < w * h; ++i) {
        const unsigned char* p = pixels + 4 * i;
        notBlue += !(p[0] == 0 && p[1] == 0 && p[2] == 255 && p[3] == 255);
    }
    EXPECT_EQ(notBlue, 0u);
    stbi_image_free(pixels);
}

TEST(AppWindow, ChosenTicksAreCapturedByNumber) {
    std::string dir = testing_support::MakeTempDir();
    ProbeRun run =
        RunProbe({}, {{"ZOLT_FRAMES", "5"}, {"ZOLT_CAPTURE", dir}, {"ZOLT_CAPTURE_FRAMES", "2,4"}});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    for (int tick = 1; tick <= 5; ++tick) {
        char name[32];
        std::snprintf(name, sizeof name, "/frame-%06d.png", tick);
        EXPECT_EQ(std::ifstream(dir + name).good(), tick == 2 || tick == 4) << name;
    }
}

// A 2 x 2 cursor in the .cur format: one 32-bit image with its hot spot at (1, 0).
std::string TinyCursor() {
    auto u16 = [](int v) { return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)}; };
    auto u32 = [&](int v) { return u16(v & 0xFFFF) + u16((v >> 16) & 0xFFFF); };
    std::string pixels(2 * 2 * 4, '\xFF');
    std::string mask(2 * 4, '\0');
    std::string dib = u32(40) + u32(2) + u32(4) + u16(1) + u16(32) + u32(0) +
                      u32(static_cast<int>(pixels.size() + mask.size())) + u32(0) + u32(0) +
                      u32(0) + u32(0) + pixels + mask;
    return u16(0) + u16(2) + u16(1) + std::string{2, 2, 0, 0} + u16(1) + u16(0) +
           u32(static_cast<int>(dib.size())) + u32(22) + dib;
}

TEST(AppWindow, CursorFileIsInstalledAtCreationAndAtEveryFocus) {
    ProbeRun setup = RunProbe({"--no-setup"}, {});
    std::string cursor = setup.dir + "/arrow.cur";
    testing_support::WriteFile(cursor, TinyCursor());
    ProbeRun run = RunProbe({"--window", "--cursor", cursor}, {{"ZOLT_FRAMES", "6"}},
                            "2 focus out\n4 focus in\n");
    ASSERT_EQ(run.result.exitCode, 0) << run.result.err;
    std::vector<std::string> cursorLines;
    for (auto& line : run.trace) {
        if (line.rfind("cursor", 0) == 0) cursorLines.push_back(line);
    }
    // Created, then the window gains focus only when focus comes in (it is never
    // shown); each loss restores, and the unload restores once more.
    std::vector<std::string> expected = {"cursor set " + cursor, "cursor set " + cursor,
                                         "cursor restore", "cursor restore"};
    EXPECT_EQ(cursorLines, expected);
}

TEST(AppWindow, UnusableCursorFilesChangeNothing) {
    ProbeRun setup = RunProbe({"--no-setup"}, {});
    std::string full = TinyCursor();
    const std::pair<const char*, std::string> files[] = {
        {"empty.cur", ""},
        {"truncated.cur", full.substr(0, full.size() - 5)},
        {"text.cur", "not a cursor at all"},
        {"missing.cur", "-"}};
    for (auto& [name, content] : files) {
        std::string path = setup.dir + "/" + name;
        if (content != "-") testing_support::WriteFile(path, content);
        ProbeRun run = RunProbe({"--window", "--cursor", path}, {{"ZOLT_FRAMES", "2"}});
        ASSERT_EQ(run.result.exitCode, 0) << name << run.result.err;
        EXPECT_EQ(run.CountTraced("cursor set"), 0) << name;
        EXPECT_EQ(run.CountTraced("present "), 2) << name;
    }
}

TEST(PlatformSettings, UnreadableSettingsStopTheProgramNamingThem) {
    const std::pair<Settings, std::string> cases[] = {
        {{{"ZOLT_SCREEN", "big"}}, "ZOLT_SCREEN"},
        {{{"ZOLT_CLOCK", "fixed:fast"}}, "ZOLT_CLOCK"},
        {{{"ZOLT_VIDEO", "tv"}}, "ZOLT_VIDEO"},
        {{{"ZOLT_FRAMES", "0"}}, "ZOLT_FRAMES"},
        {{{"ZOLT_INPUT", "/nonexistent/script"}}, "ZOLT_INPUT"},
    };
    for (auto& [settings, name] : cases) {
        ProbeRun run = RunProbe({}, settings);
        EXPECT_EQ(run.result.exitCode, 2) << name;
        EXPECT_NE(run.result.err.find(name), std::string::npos) << run.result.err;
    }
    ProbeRun bad = RunProbe({}, {}, "1 key down 30\n2 jump high\n");
    EXPECT_EQ(bad.result.exitCode, 2);
    EXPECT_NE(bad.result.err.find("input.txt:2: unknown event 'jump high'"), std::string::npos)
        << bad.result.err;
}

}  // namespace
