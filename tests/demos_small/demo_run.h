// Runs a demo program headless in its data folder on a fixed clock of 16 ms a
// tick, and reads back what it left: the captured frame, the recorded mix and
// the trace.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace demos_test {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Rgba&) const = default;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Rgba> pixels;
    Rgba At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// 16-bit stereo samples of a WAV file, as floats in [-1, 1].
struct Sound {
    int rate = 0, channels = 0;
    std::vector<float> samples;  // interleaved
    double Seconds() const;
    // Mean square over all channels between two times in seconds (clamped to
    // the sound), 0 for an empty span.
    double Energy(double from, double to) const;
};

// Reads a PCM WAV file of 16-bit samples; empty when it cannot.
Sound ReadWav(const std::string& path);
// Reads a PNG file as RGBA; empty when it cannot.
Picture ReadPng(const std::string& path);

struct DemoRun {
    std::string dir;  // the run's own folder: capture, mix and trace
    testing_support::ProgramResult result;
    std::vector<std::string> trace;

    std::string MixPath() const { return dir + "/mix.wav"; }
    Picture Frame(int tick) const;
};

// Runs program in dataDir for ticks ticks (0: until it ends by itself) with
// the mix recorded, the given tick's frame captured and script as its input.
DemoRun RunDemo(const std::string& program, const std::string& dataDir, int ticks,
                const std::string& script = "");

// One click of the left button at (x, y), held from tick down to tick up.
std::string Click(int x, int y, int down, int up);

}  // namespace demos_test
