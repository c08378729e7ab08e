#include "demo_run.h"

#include <stb_image.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace demos_test {

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

}  // namespace

double Sound::Seconds() const {
    return rate && channels ? static_cast<double>(samples.size()) / channels / rate : 0;
}

double Sound::Energy(double from, double to) const {
    if (!rate || !channels) return 0;
    auto at = [&](double t) {
        double frame = std::clamp(t * rate, 0.0, static_cast<double>(samples.size() / channels));
        return static_cast<size_t>(frame) * channels;
    };
    size_t begin = at(from), end = at(to);
    if (end <= begin) return 0;
    double sum = 0;
    for (size_t i = begin; i < end; ++i) sum += double(samples[i]) * samples[i];
    return sum / static_cast<double>(end - begin);
}

Sound ReadWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> b{std::istreambuf_iterator<char>(in), {}};
    Sound sound;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4))
        return sound;
    int bits = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        size_t size = Le(b, at + 4, 4), body = at + 8;
        size = std::min(size, b.size() - body);
        if (!std::memcmp(b.data() + at, "fmt ", 4) && size >= 16) {
            sound.channels = static_cast<int>(Le(b, body + 2, 2));
            sound.rate = static_cast<int>(Le(b, body + 4, 4));
            bits = static_cast<int>(Le(b, body + 14, 2));
        } else if (!std::memcmp(b.data() + at, "data", 4) && bits == 16) {
            for (size_t i = body; i + 1 < body + size; i += 2) {
                sound.samples.push_back(static_cast<int16_t>(Le(b, i, 2)) / 32768.0f);
            }
        }
        at = body + size + (size & 1);
    }
    if (bits != 16) sound = {};
    return sound;
}

Picture ReadPng(const std::string& path) {
    Picture picture;
    int channels;
    unsigned char* data = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 4);
    if (!data) return {};
    auto* first = reinterpret_cast<Rgba*>(data);
    picture.pixels.assign(first, first + picture.width * picture.height);
    stbi_image_free(data);
    return picture;
}

Picture DemoRun::Frame(int tick) const {
    char name[40];
    std::snprintf(name, sizeof name, "/capture/frame-%06d.png", tick);
    return ReadPng(dir + name);
}

DemoRun RunDemo(const std::string& program, const std::string& dataDir, int ticks,
                const std::string& script) {
    DemoRun run;
    run.dir = testing_support::MakeTempDir();
    std::map<std::string, std::string> settings = {{"ZOLT_VIDEO", "headless"},
                                                   {"ZOLT_CLOCK", "fixed:16"},
                                                   {"ZOLT_AUDIO", "wav:" + run.MixPath()},
                                                   {"ZOLT_CAPTURE", run.dir + "/capture"},
                                                   {"ZOLT_TRACE", run.dir + "/trace.txt"}};
    if (ticks > 0) {
        settings["ZOLT_FRAMES"] = std::to_string(ticks);
        settings["ZOLT_CAPTURE_FRAMES"] = std::to_string(ticks);
    }
    if (!script.empty()) {
        testing_support::WriteFile(run.dir + "/input.txt", script);
        settings["ZOLT_INPUT"] = run.dir + "/input.txt";
    }
    run.result = testing_support::RunProgram(program, {}, settings, 120, dataDir);
    run.trace = testing_support::ReadLines(run.dir + "/trace.txt");
    return run;
}

std::string Click(int x, int y, int down, int up) {
    return std::to_string(down) + " cursor " + std::to_string(x) + " " + std::to_string(y) + "\n" +
           std::to_string(down) + " mouse down 0\n" + std::to_string(up) + " mouse up 0\n";
}

}  // namespace demos_test
