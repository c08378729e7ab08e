// Runs the sound probe on a script, headless on a fixed clock with the mix
// recorded to a WAV file, in a folder of WAV fixtures the test writes, and reads
// back what the probe printed and how loud the mix was over windows of time.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/run_program.h"

namespace sound_test {

constexpr uint32_t kRate = 48000;  // the fixtures' rate and the recorded mix's
constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;

// A 1 kHz sine of the given peak amplitude, ms milliseconds at kRate: every
// whole millisecond holds whole periods, so its level over one is exact.
inline std::vector<float> Tone(int ms, double amplitude) {
    std::vector<float> s(static_cast<size_t>(ms) * kRate / 1000);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * 1000.0 * i / kRate));
    return s;
}

inline std::vector<float> Join(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A mono WAV file's parts; declaredBytes makes the "data" chunk claim more
// bytes than it holds, as a cut-off file does.
struct WavFixture {
    uint16_t tag = kPcm;
    uint16_t bits = 16;
    std::vector<uint8_t> data;
    std::optional<uint32_t> declaredBytes;
};

inline WavFixture Pcm16(const std::vector<float>& samples) {
    WavFixture w;
    for (float s : samples) {
        auto v = static_cast<int16_t>(std::lrint(s * 32767.0));
        w.data.push_back(static_cast<uint8_t>(v & 0xFF));
        w.data.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    }
    return w;
}

inline WavFixture Float32(const std::vector<float>& samples) {
    WavFixture w{kFloat, 32, std::vector<uint8_t>(samples.size() * 4), std::nullopt};
    std::memcpy(w.data.data(), samples.data(), w.data.size());
    return w;
}

inline std::string FileBytes(const WavFixture& w) {
    std::string out;
    auto u16 = [&](uint32_t v) { out.append({char(v & 0xFF), char((v >> 8) & 0xFF)}); };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    uint32_t fmtBytes = w.tag == kPcm ? 16 : 18;
    uint32_t dataBytes = w.declaredBytes.value_or(static_cast<uint32_t>(w.data.size()));
    out += "RIFF";
    u32(4 + 8 + fmtBytes + 8 + dataBytes);
    out += "WAVEfmt ";
    u32(fmtBytes);
    u16(w.tag);
    u16(1);
    u32(kRate);
    u32(kRate * w.bits / 8);
    u16(w.bits / 8);
    u16(w.bits);
    if (w.tag != kPcm) u16(0);
    out += "data";
    u32(dataBytes);
    out.append(w.data.begin(), w.data.end());
    return out;
}

// The arguments of an ambient play, for a script's "fon" call.
struct Ambient {
    std::string file;
    int x = 0, y = 0, inner = 0, outer = 0;
    bool repeat = false;
    int count = 0, delay = 0;
    bool random = false;
    int chance = 0;
    float volume = 1;
};

inline std::string Fon(const std::string& name, const Ambient& a) {
    std::ostringstream s;
    s << "fon " << name << " " << a.file << " " << a.volume << " " << a.x << " " << a.y << " "
      << a.inner << " " << a.outer << " " << a.repeat << " " << a.count << " " << a.delay << " "
      << a.random << " " << a.chance;
    return s.str();
}

// Script lines: a call in frame tick, or before the frame loop.
inline std::string At(int tick, const std::string& call) {
    return "at " + std::to_string(tick) + " " + call + "\n";
}
inline std::string Now(const std::string& call) {
    return "now " + call + "\n";
}

// How near a measured level must come to the expected one.
constexpr double kLevelTolerance = 0.01;

// Clock milliseconds at which frame (tick) k begins on the fixed:10 clock.
inline int T(int tick) {
    return tick * 10;
}

class SoundRun;

// An expected level of the mix over [fromMs, toMs) of the clock.
struct Window {
    int fromMs, toMs;
    double level;
};
void ExpectLevels(const SoundRun& run, std::initializer_list<Window> windows);

// What "state NAME" printed in a frame.
struct StateSeen {
    int frame;
    const char* name;
    int value;
};
void ExpectStates(const SoundRun& run, std::initializer_list<StateSeen> states);

class SoundRun {
public:
    SoundRun() : dir_(testing_support::MakeTempDir()) {}

    // Writes a fixture at path (folders made as needed), relative to the folder.
    void Wav(const std::string& path, const WavFixture& w) {
        std::filesystem::path full = std::filesystem::path(dir_) / path;
        std::filesystem::create_directories(full.parent_path());
        testing_support::WriteFile(full.string(), FileBytes(w));
    }
    void Tone(const std::string& path, int ms, double amplitude) {
        Wav(path, Pcm16(sound_test::Tone(ms, amplitude)));
    }

    void Run(const std::string& script, int lastTick, const std::string& clock = "fixed:10") {
        testing_support::WriteFile(dir_ + "/script.txt", script);
        std::map<std::string, std::string> settings = {{"ZOLT_VIDEO", "headless"},
                                                       {"ZOLT_CLOCK", clock},
                                                       {"ZOLT_FRAMES", std::to_string(lastTick)},
                                                       {"ZOLT_AUDIO", "wav:" + dir_ + "/mix.out"}};
        result = testing_support::RunProgram(ZOLT_SOUND_PROBE, {dir_ + "/script.txt"}, settings,
                                             120, dir_);
        out = testing_support::Lines(result.out);
        ReadMix();
    }

    // The id the latest "fon NAME" printed; 0 when none did.
    uint32_t Id(const std::string& name) const {
        uint32_t id = 0;
        for (const std::string& line : out) {
            std::istringstream in(line);
            std::string frame, what, n;
            uint32_t value = 0;
            if (in >> frame >> what >> n >> value && what == "fon" && n == name) id = value;
        }
        return id;
    }

    // What "state NAME" printed in that frame: 1, 0, or -1 when it printed nothing.
    int State(int frame, const std::string& name) const {
        for (const std::string& line : out) {
            std::istringstream in(line);
            int f = 0, value = -1;
            std::string what, n;
            if (in >> f >> what >> n >> value && f == frame && what == "state" && n == name)
                return value;
        }
        return -1;
    }

    // Peak amplitude of a sine with the left channel's mean power over the
    // clock's milliseconds [fromMs, toMs); 0 where nothing was recorded.
    double Level(int fromMs, int toMs) const {
        double power = 0;
        size_t count = 0;
        for (int64_t f = Frame(fromMs); f < Frame(toMs); ++f, ++count) {
            if (f >= 0 && static_cast<size_t>(f) < left_.size()) power += left_[f] * left_[f];
        }
        return count ? std::sqrt(2 * power / count) : 0;
    }

    const std::string& Dir() const { return dir_; }

    testing_support::ProgramResult result;
    std::vector<std::string> out;

private:
    int64_t Frame(int ms) const { return (int64_t{ms} - audioStart_) * kRate / 1000; }

    void ReadMix() {
        left_.clear();
        audioStart_ = 0;
        for (const std::string& line : out) {
            if (line.rfind("audio ", 0) == 0) audioStart_ = std::stoll(line.substr(6));
        }
        std::ifstream in(dir_ + "/mix.out", std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        // The writer's header is 44 bytes: RIFF, "fmt " of 16, then "data".
        if (bytes.size() < 44 || bytes.compare(36, 4, "data") != 0) return;
        for (size_t i = 44; i + 4 <= bytes.size(); i += 4) {
            int16_t v;
            std::memcpy(&v, bytes.data() + i, 2);
            left_.push_back(v / 32767.0);
        }
    }

    std::string dir_;
    int64_t audioStart_ = 0;
    std::vector<double> left_;
};

inline void ExpectLevels(const SoundRun& run, std::initializer_list<Window> windows) {
    for (const Window& w : windows) {
        EXPECT_NEAR(run.Level(w.fromMs, w.toMs), w.level, kLevelTolerance)
            << "from " << w.fromMs << " to " << w.toMs << " ms";
    }
}

inline void ExpectStates(const SoundRun& run, std::initializer_list<StateSeen> states) {
    for (const StateSeen& s : states) {
        EXPECT_EQ(run.State(s.frame, s.name), s.value) << s.name << " in frame " << s.frame;
    }
}

}  // namespace sound_test
