// Runs the scene probe on a script, headless on a fixed clock, in a folder of
// fixture pictures the test writes, and reads back the frames it captured.
#pragma once

#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "support/run_program.h"

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgba& c) {
    return out << "(" << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a) << ")";
}

struct Picture {
    int width = 0, height = 0;
    std::vector<Rgba> pixels;
    // A pixel, or transparent black outside the picture (or when none was read).
    Rgba At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) return Rgba{0, 0, 0, 0};
        return pixels[static_cast<size_t>(y) * width + x];
    }
};

// The colour of cell k of a fixture sheet: distinct for k below 51.
inline Rgba CellColour(int k) {
    return Rgba{static_cast<uint8_t>(k * 5), static_cast<uint8_t>(255 - k * 5), 90, 255};
}

class SceneRun {
public:
    SceneRun() : dir_(testing_support::MakeTempDir()) {}

    // A picture of one colour, or of columns x rows cells coloured CellColour(k).
    void Solid(const std::string& name, int w, int h, Rgba c) {
        Write(name, w, h, [&](int, int) { return c; });
    }
    void Sheet(const std::string& name, int columns, int rows, int cw, int ch) {
        Write(name, columns * cw, rows * ch,
              [&](int x, int y) { return CellColour(y / ch * columns + x / cw); });
    }
    template <typename F>
    void Write(const std::string& name, int w, int h, F colourAt) {
        std::vector<Rgba> p(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) p[static_cast<size_t>(y) * w + x] = colourAt(x, y);
        stbi_write_png((dir_ + "/" + name).c_str(), w, h, 4, p.data(), w * 4);
    }

    // Runs the script; frames holds the ticks to capture.
    void Run(const std::string& script, const std::vector<int>& frames, int lastTick,
             const std::string& input = "", const std::string& clock = "fixed:10") {
        testing_support::WriteFile(dir_ + "/scene.txt", script);
        std::string list;
        for (int f : frames) list += (list.empty() ? "" : ",") + std::to_string(f);
        std::map<std::string, std::string> settings = {{"ZOLT_VIDEO", "headless"},
                                                       {"ZOLT_CLOCK", clock},
                                                       {"ZOLT_FRAMES", std::to_string(lastTick)},
                                                       {"ZOLT_AUDIO", "null"},
                                                       {"ZOLT_CAPTURE", dir_ + "/capture"},
                                                       {"ZOLT_TRACE", dir_ + "/trace.txt"}};
        if (!list.empty()) settings["ZOLT_CAPTURE_FRAMES"] = list;
        if (!input.empty()) {
            testing_support::WriteFile(dir_ + "/input.txt", input);
            settings["ZOLT_INPUT"] = dir_ + "/input.txt";
        }
        result = testing_support::RunProgram(ZOLT_SCENE_PROBE, {dir_ + "/scene.txt"}, settings, 60,
                                             dir_);
        out = testing_support::Lines(result.out);
        trace = testing_support::ReadLines(dir_ + "/trace.txt");
    }

    Picture Frame(int tick) const {
        char name[40];
        std::snprintf(name, sizeof name, "/capture/frame-%06d.png", tick);
        Picture picture;
        int channels;
        unsigned char* data =
            stbi_load((dir_ + name).c_str(), &picture.width, &picture.height, &channels, 4);
        if (data) {
            auto* first = reinterpret_cast<Rgba*>(data);
            picture.pixels.assign(first, first + picture.width * picture.height);
            stbi_image_free(data);
        }
        return picture;
    }

    const std::string& Dir() const { return dir_; }

    testing_support::ProgramResult result;
    std::vector<std::string> out;
    std::vector<std::string> trace;

private:
    std::string dir_;
};

constexpr Rgba kBlue{0, 0, 255, 255};
