// Cost of mixing: time per output frame per playing voice, and how many such
// voices one core mixes in real time at 48 kHz.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "audio/mixer.h"
#include "audio/sample_format.h"

namespace platform {
namespace {

constexpr size_t kBlock = 512;  // frames a device asks for at a time
constexpr double kOutputRate = 48000;

struct Source {
    WORD tag;
    WORD channels;
    WORD bits;
    DWORD rate;
};

const Source kSources[] = {
    {WAVE_FORMAT_PCM, 1, 16, 44100},         // resampled mono, the common sound file
    {WAVE_FORMAT_PCM, 2, 16, 48000},         // stereo at the output rate
    {WAVE_FORMAT_IEEE_FLOAT, 2, 32, 22050},  // float, resampled up
};

void MixVoices(benchmark::State& state) {
    const Source& source = kSources[state.range(0)];
    const size_t voices = static_cast<size_t>(state.range(1));
    WAVEFORMATEX f{source.tag,
                   source.channels,
                   source.rate,
                   0,
                   static_cast<WORD>(source.channels * source.bits / 8),
                   source.bits,
                   0};
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    SampleFormat format = *ReadSampleFormat(&f);
    // Four seconds of noise-like data, shared by every voice.
    std::vector<uint8_t> data(4 * source.rate * f.nBlockAlign);
    uint32_t seed = 1;
    for (auto& b : data) b = static_cast<uint8_t>((seed = seed * 1664525u + 1013904223u) >> 24);
    if (source.tag == WAVE_FORMAT_IEEE_FLOAT) {
        auto* samples = reinterpret_cast<float*>(data.data());
        for (size_t i = 0; i < data.size() / 4; ++i) samples[i] = std::sin(i * 0.01f);
    }
    XAUDIO2_BUFFER buffer{};
    buffer.AudioBytes = static_cast<UINT32>(data.size());
    buffer.pAudioData = data.data();

    Mixer mixer(static_cast<uint32_t>(kOutputRate));
    MixBus* bus = mixer.AddBus();
    std::vector<MixVoice*> playing;
    for (size_t i = 0; i < voices; ++i) {
        MixVoice* v = mixer.AddVoice(bus, format);
        mixer.SetVolume(v, 0.5f);
        mixer.Start(v);
        playing.push_back(v);
    }
    std::vector<float> out(2 * kBlock);
    for (auto _ : state) {
        for (MixVoice* v : playing) {
            if (mixer.State(v).queued == 0) mixer.Submit(v, buffer);
        }
        mixer.Mix(out.data(), kBlock);
        benchmark::DoNotOptimize(out.data());
    }
    double voiceFrames = static_cast<double>(kBlock * voices);
    // CPU time per voice frame (shown with an SI prefix: "3.4n" is 3.4 ns), and
    // voice seconds mixed per CPU second: the voices one core keeps up with.
    state.counters["time_per_frame_voice"] = benchmark::Counter(
        voiceFrames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["realtime_voices"] = benchmark::Counter(
        voiceFrames / kOutputRate, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(MixVoices)
    ->ArgNames({"source", "voices"})
    ->ArgsProduct({{0, 1, 2}, {1, 32, 256}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace platform
