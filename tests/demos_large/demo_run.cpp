#include "demos_large/demo_run.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

namespace {

// The 16-bit samples of a WAV file's data chunk, with its channel count and rate.
std::vector<int16_t> ReadWave(const std::string& path, int& channels, int& rate) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples;
    auto u32 = [&](size_t at) {
        uint32_t v;
        std::memcpy(&v, bytes.data() + at, 4);
        return v;
    };
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = u32(at + 4);
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && at + 16 <= bytes.size()) {
            channels = static_cast<uint8_t>(bytes[at + 10]);
            rate = static_cast<int>(u32(at + 12));
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            const size_t n = std::min<size_t>(size, bytes.size() - at - 8) / 2;
            samples.resize(n);
            std::memcpy(samples.data(), bytes.data() + at + 8, n * 2);
            break;
        }
        at += 8 + size + (size & 1);
    }
    return samples;
}

}  // namespace

Picture LoadPicture(const std::string& path) {
    Picture picture;
    int channels;
    unsigned char* data = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 4);
    if (data) {
        auto* first = reinterpret_cast<Rgba*>(data);
        picture.pixels.assign(first, first + picture.width * picture.height);
        stbi_image_free(data);
    }
    return picture;
}

std::vector<float> LoadSound(const std::string& path, int& rate) {
    int channels = 1;
    std::vector<int16_t> raw = ReadWave(path, channels, rate);
    std::vector<float> mono(raw.size() / std::max(channels, 1));
    for (size_t i = 0; i < mono.size(); ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) sum += raw[i * channels + c];
        mono[i] = sum / channels / 32768.0f;
    }
    return mono;
}

double Rms(const std::vector<float>& samples, int rate, double from, double to) {
    const size_t first = static_cast<size_t>(std::max(0.0, from) * rate);
    const size_t last = std::min(samples.size(), static_cast<size_t>(to * rate));
    double sum = 0;
    for (size_t i = first; i < last; ++i) sum += double(samples[i]) * samples[i];
    return last > first ? std::sqrt(sum / double(last - first)) : 0;
}

DemoRun::DemoRun(const std::string& name, const std::string& program, const std::string& input,
                 const std::vector<int>& frames, int lastTick, const std::string& clock)
    : dir(testing_support::MakeTempDir()) {
    std::string list;
    for (int f : frames) list += (list.empty() ? "" : ",") + std::to_string(f);
    testing_support::WriteFile(dir + "/input.txt", input);
    std::map<std::string, std::string> settings = {{"ZOLT_VIDEO", "headless"},
                                                   {"ZOLT_CLOCK", clock},
                                                   {"ZOLT_FRAMES", std::to_string(lastTick)},
                                                   {"ZOLT_AUDIO", "wav:" + dir + "/sound.wav"},
                                                   {"ZOLT_CAPTURE", dir},
                                                   {"ZOLT_CAPTURE_FRAMES", list},
                                                   {"ZOLT_INPUT", dir + "/input.txt"}};
    result = testing_support::RunProgram(program, {}, settings, 240,
                                         std::string(DEMOS_DATA_DIR) + "/" + name);
    sound = LoadSound(dir + "/sound.wav", rate);
}

Picture DemoRun::Frame(int tick) const {
    char name[40];
    std::snprintf(name, sizeof name, "/frame-%06d.png", tick);
    return LoadPicture(dir + name);
}
