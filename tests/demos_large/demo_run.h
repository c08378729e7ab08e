// Runs a demo headless in its data folder on a fixed clock, with scripted input,
// and reads back its captured frames and its recorded sound.
#pragma once

#include <ostream>  // scene_run.h prints pixels
#include <string>
#include <vector>

#include "scene/scene_run.h"

struct DemoRun {
    // Runs program (its data folder is DEMOS_DATA_DIR/name) for lastTick ticks of
    // clock, capturing the frames of the ticks in frames and the whole mix.
    DemoRun(const std::string& name, const std::string& program, const std::string& input,
            const std::vector<int>& frames, int lastTick, const std::string& clock = "fixed:16");

    Picture Frame(int tick) const;

    std::string dir;
    testing_support::ProgramResult result;
    int rate = 0;
    std::vector<float> sound;  // the mix, left and right averaged, in -1..1
};

Picture LoadPicture(const std::string& path);
// A mono 16-bit WAV file's samples in -1..1, and its rate.
std::vector<float> LoadSound(const std::string& path, int& rate);
// Root mean square of samples [from, to) seconds.
double Rms(const std::vector<float>& samples, int rate, double from, double to);
