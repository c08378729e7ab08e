#include "audio/mixer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

#include "audio/sample_format.h"
#include "audio_fixture.h"

namespace platform {
namespace {

using audio_test::MakeFormat;
using audio_test::Pcm16Bytes;
using audio_test::WholeBuffer;

constexpr uint32_t kRate = 48000;

SampleFormat Mono16(uint32_t rate = kRate) {
    WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_PCM, 1, 16, rate);
    return *ReadSampleFormat(&f.Format);
}

std::vector<float> MixFrames(Mixer& mixer, size_t frames) {
    std::vector<float> out(2 * frames, 123.0f);  // Mix must overwrite
    mixer.Mix(out.data(), frames);
    return out;
}

// A ramp whose every frame is different, to see where a voice is.
std::vector<uint8_t> Ramp16(size_t frames) {
    std::vector<int16_t> s(frames);
    for (size_t i = 0; i < frames; ++i) s[i] = static_cast<int16_t>(i * 16);
    return Pcm16Bytes(s);
}

float RampValue(size_t frame) {
    return static_cast<float>(frame * 16) / 32768.0f;
}

struct Playing {
    Mixer mixer{kRate};
    MixBus* bus = mixer.AddBus();

    MixVoice* Play(const std::vector<uint8_t>& bytes, const SampleFormat& format = Mono16()) {
        MixVoice* v = mixer.AddVoice(bus, format);
        EXPECT_EQ(mixer.Submit(v, WholeBuffer(bytes)), S_OK);
        mixer.Start(v);
        return v;
    }
};

TEST(Mixer, ScalesByVoiceAndBusVolume) {
    struct Case {
        float voice, bus, scale;
    };
    const Case cases[] = {{1, 1, 1}, {0.5f, 1, 0.5f}, {1, 0.25f, 0.25f}, {-1, 1, -1},
                          {0, 1, 0}, {2, -0.5f, -1},  {1, 0, 0}};
    std::vector<uint8_t> half = Pcm16Bytes(std::vector<int16_t>(64, 16384));
    for (const Case& c : cases) {
        Playing p;
        MixVoice* v = p.Play(half);
        p.mixer.SetVolume(v, c.voice);
        p.mixer.SetVolume(p.bus, c.bus);
        std::vector<float> out = MixFrames(p.mixer, 8);
        for (float s : out) ASSERT_FLOAT_EQ(s, 0.5f * c.scale) << c.voice << " " << c.bus;
        // A silent voice still moves on.
        EXPECT_EQ(p.mixer.State(v).samplesPlayed, 8u);
    }
}

TEST(Mixer, StopKeepsBufferAndPosition) {
    Playing p;
    std::vector<uint8_t> ramp = Ramp16(400);
    MixVoice* v = p.Play(ramp);
    MixFrames(p.mixer, 100);
    p.mixer.Stop(v);
    for (float s : MixFrames(p.mixer, 50)) ASSERT_EQ(s, 0.0f);
    MixVoiceState paused = p.mixer.State(v);
    EXPECT_EQ(paused.queued, 1u);
    EXPECT_EQ(paused.samplesPlayed, 100u);
    p.mixer.Start(v);
    std::vector<float> out = MixFrames(p.mixer, 10);
    for (size_t i = 0; i < 10; ++i) EXPECT_FLOAT_EQ(out[2 * i], RampValue(100 + i));
}

TEST(Mixer, PlaysOutOnceAndReportsQueue) {
    Playing p;
    std::vector<uint8_t> ramp = Ramp16(100);
    MixVoice* idle = p.mixer.AddVoice(p.bus, Mono16());
    EXPECT_EQ(p.mixer.State(idle).queued, 0u);
    MixVoice* v = p.Play(ramp);
    MixFrames(p.mixer, 99);
    EXPECT_EQ(p.mixer.State(v).queued, 1u);
    std::vector<float> out = MixFrames(p.mixer, 5);
    EXPECT_FLOAT_EQ(out[0], RampValue(99));
    for (size_t i = 2; i < out.size(); ++i) EXPECT_EQ(out[i], 0.0f);
    MixVoiceState done = p.mixer.State(v);
    EXPECT_EQ(done.queued, 0u);
    EXPECT_EQ(done.samplesPlayed, 100u);
    // Still started: a new buffer plays at once.
    ASSERT_EQ(p.mixer.Submit(v, WholeBuffer(ramp)), S_OK);
    EXPECT_FLOAT_EQ(MixFrames(p.mixer, 2)[2], RampValue(1));
}

TEST(Mixer, QueuedBuffersFollowEachOther) {
    Playing p;
    std::vector<uint8_t> ramp = Ramp16(50);
    int first = 1, second = 2;
    MixVoice* v = p.mixer.AddVoice(p.bus, Mono16());
    ASSERT_EQ(p.mixer.Submit(v, WholeBuffer(ramp, &first)), S_OK);
    XAUDIO2_BUFFER part = WholeBuffer(ramp, &second);
    part.PlayBegin = 10;
    part.PlayLength = 5;
    ASSERT_EQ(p.mixer.Submit(v, part), S_OK);
    p.mixer.Start(v);
    EXPECT_EQ(p.mixer.State(v).context, &first);
    std::vector<float> out = MixFrames(p.mixer, 60);
    EXPECT_FLOAT_EQ(out[2 * 49], RampValue(49));
    for (size_t i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(out[2 * (50 + i)], RampValue(10 + i));
    EXPECT_EQ(out[2 * 55], 0.0f);
    EXPECT_EQ(p.mixer.State(v).samplesPlayed, 55u);
}

TEST(Mixer, RefusesBuffersItCannotPlay) {
    Playing p;
    std::vector<uint8_t> ten = Ramp16(10);
    MixVoice* v = p.mixer.AddVoice(p.bus, Mono16());
    struct Case {
        const char* what;
        UINT32 bytes;
        bool data;
        UINT32 begin, length;
    };
    const Case cases[] = {
        {"no bytes", 0, true, 0, 0},
        {"half a frame", 1, true, 0, 0},
        {"no data", 20, false, 0, 0},
        {"begin at the end", 20, true, 10, 0},
        {"length past the end", 20, true, 4, 7},
    };
    for (const Case& c : cases) {
        XAUDIO2_BUFFER b = WholeBuffer(ten);
        b.AudioBytes = c.bytes;
        if (!c.data) b.pAudioData = nullptr;
        b.PlayBegin = c.begin;
        b.PlayLength = c.length;
        EXPECT_EQ(p.mixer.Submit(v, b), XAUDIO2_E_INVALID_CALL) << c.what;
    }
    EXPECT_EQ(p.mixer.State(v).queued, 0u);
    for (UINT32 i = 0; i < XAUDIO2_MAX_QUEUED_BUFFERS; ++i) {
        ASSERT_EQ(p.mixer.Submit(v, WholeBuffer(ten)), S_OK);
    }
    EXPECT_EQ(p.mixer.Submit(v, WholeBuffer(ten)), XAUDIO2_E_INVALID_CALL);
}

TEST(Mixer, FlushKeepsOnlyThePlayingBuffer) {
    Playing p;
    std::vector<uint8_t> ramp = Ramp16(50);
    MixVoice* v = p.Play(ramp);
    ASSERT_EQ(p.mixer.Submit(v, WholeBuffer(ramp)), S_OK);
    MixFrames(p.mixer, 10);
    p.mixer.Flush(v);
    EXPECT_EQ(p.mixer.State(v).queued, 1u);
    EXPECT_FLOAT_EQ(MixFrames(p.mixer, 1)[0], RampValue(10));
    p.mixer.Stop(v);
    p.mixer.Flush(v);
    EXPECT_EQ(p.mixer.State(v).queued, 0u);
}

TEST(Mixer, DecodesEverySampleFormat) {
    // Two frames: (0.5, -0.25) and (-1, 0); mono formats carry the left channel.
    struct Case {
        const char* name;
        WORD tag;
        WORD channels;
        WORD bits;
        GUID sub;
        std::vector<uint8_t> bytes;
    };
    const GUID pcm = KSDATAFORMAT_SUBTYPE_PCM, flt = KSDATAFORMAT_SUBTYPE_IEEE_FLOAT;
    const Case cases[] = {
        {"u8 stereo", WAVE_FORMAT_PCM, 2, 8, pcm, {192, 96, 0, 128}},
        {"u8 mono", WAVE_FORMAT_PCM, 1, 8, pcm, {192, 0}},
        {"s16 stereo", WAVE_FORMAT_PCM, 2, 16, pcm, {0x00, 0x40, 0x00, 0xE0, 0x00, 0x80, 0, 0}},
        {"s16 mono", WAVE_FORMAT_PCM, 1, 16, pcm, {0x00, 0x40, 0x00, 0x80}},
        {"s24 stereo", WAVE_FORMAT_PCM, 2, 24, pcm, {0, 0, 0x40, 0, 0, 0xE0, 0, 0, 0x80, 0, 0, 0}},
        {"s32 stereo",
         WAVE_FORMAT_PCM,
         2,
         32,
         pcm,
         {0, 0, 0, 0x40, 0, 0, 0, 0xE0, 0, 0, 0, 0x80, 0, 0, 0, 0}},
        {"f32 stereo",
         WAVE_FORMAT_IEEE_FLOAT,
         2,
         32,
         flt,
         {0, 0, 0, 0x3F, 0, 0, 0x80, 0xBE, 0, 0, 0x80, 0xBF, 0, 0, 0, 0}},
        {"extensible s16 mono", WAVE_FORMAT_EXTENSIBLE, 1, 16, pcm, {0x00, 0x40, 0x00, 0x80}},
        {"extensible f32 mono",
         WAVE_FORMAT_EXTENSIBLE,
         1,
         32,
         flt,
         {0, 0, 0, 0x3F, 0, 0, 0x80, 0xBF}},
    };
    for (const Case& c : cases) {
        WAVEFORMATEXTENSIBLE f = MakeFormat(c.tag, c.channels, c.bits);
        f.SubFormat = c.sub;
        std::optional<SampleFormat> format = ReadSampleFormat(&f.Format);
        ASSERT_TRUE(format) << c.name;
        Playing p;
        p.Play(c.bytes, *format);
        std::vector<float> out = MixFrames(p.mixer, 3);
        float right0 = c.channels == 2 ? -0.25f : 0.5f;
        float right1 = c.channels == 2 ? 0.0f : -1.0f;
        const float expected[] = {0.5f, right0, -1.0f, right1, 0, 0};
        for (size_t i = 0; i < 6; ++i) EXPECT_FLOAT_EQ(out[i], expected[i]) << c.name << " " << i;
    }
}

TEST(Mixer, FloatSamplesThatAreNotNumbersAreSilenced) {
    const float samples[] = {NAN, INFINITY, -1e30f, 0.25f};
    std::vector<uint8_t> bytes(sizeof samples);
    std::memcpy(bytes.data(), samples, sizeof samples);
    WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_IEEE_FLOAT, 1, 32);
    Playing p;
    p.Play(bytes, *ReadSampleFormat(&f.Format));
    std::vector<float> out = MixFrames(p.mixer, 4);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_EQ(out[2], 0.0f);
    EXPECT_EQ(out[4], -kMaxFloatSample);
    EXPECT_EQ(out[6], 0.25f);
}

// Energy of one frequency in a signal (Goertzel).
double Power(const std::vector<float>& left, double frequency, double rate) {
    double w = 2 * std::numbers::pi * frequency / rate, c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (float x : left) {
        double s = x + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return (s1 * s1 + s2 * s2 - c * s1 * s2) / (left.size() * left.size() / 4.0);
}

TEST(Mixer, ResamplesKeepingFrequencyWithoutAudibleImages) {
    constexpr double kSource = 22050, kTone = 1000;
    Playing p;
    std::vector<uint8_t> sine =
        Pcm16Bytes(audio_test::Sine16(kTone, kSource, static_cast<size_t>(kSource)));
    MixVoice* v = p.Play(sine, Mono16(static_cast<uint32_t>(kSource)));
    std::vector<float> out = MixFrames(p.mixer, 47990);
    EXPECT_EQ(p.mixer.State(v).queued, 1u);
    std::vector<float> left;
    for (size_t i = 0; i < 47990; i += 1) left.push_back(out[2 * i]);
    // One second of 1 kHz crosses zero upward about a thousand times.
    int rising = 0;
    for (size_t i = 1; i < left.size(); ++i) rising += left[i - 1] < 0 && left[i] >= 0;
    EXPECT_NEAR(rising, 1000, 1);
    double tone = Power(left, kTone, kRate);
    EXPECT_NEAR(tone, 0.25, 0.01);  // amplitude 0.5
    for (double image : {kSource - kTone, kSource + kTone, 2 * kTone}) {
        EXPECT_LT(10 * std::log10(Power(left, image, kRate) / tone), -40) << image;
    }
    MixFrames(p.mixer, 20);
    EXPECT_EQ(p.mixer.State(v).queued, 0u);
}

TEST(Mixer, OneBufferPlaysOnTwoVoicesUntouched) {
    Playing p;
    const std::vector<uint8_t> ramp = Ramp16(100);
    const std::vector<uint8_t> copy = ramp;
    MixVoice* a = p.Play(ramp);
    MixFrames(p.mixer, 30);
    MixVoice* b = p.Play(ramp);
    p.mixer.SetVolume(b, -1.0f);
    std::vector<float> out = MixFrames(p.mixer, 80);
    for (size_t i = 0; i < 70; ++i) {
        ASSERT_FLOAT_EQ(out[2 * i], RampValue(30 + i) - RampValue(i)) << i;
    }
    EXPECT_EQ(p.mixer.State(a).queued, 0u);
    EXPECT_EQ(p.mixer.State(b).queued, 1u);
    EXPECT_EQ(ramp, copy);
}

TEST(Mixer, SkipMovesVoicesAsMixingWould) {
    Playing mixed, skipped;
    std::vector<uint8_t> ramp = Ramp16(3000);
    MixVoice* m = mixed.Play(ramp, Mono16(44100));
    MixVoice* s = skipped.Play(ramp, Mono16(44100));
    MixFrames(mixed.mixer, 2000);
    skipped.mixer.Skip(2000);
    EXPECT_EQ(skipped.mixer.State(s).samplesPlayed, mixed.mixer.State(m).samplesPlayed);
    EXPECT_EQ(MixFrames(skipped.mixer, 4), MixFrames(mixed.mixer, 4));
    skipped.mixer.Skip(size_t{1} << 40);
    EXPECT_EQ(skipped.mixer.State(s).queued, 0u);
}

TEST(Mixer, RemovedVoiceIsNoLongerRead) {
    // A voice removed while another thread mixes must never be read after
    // RemoveVoice returns: its buffer is overwritten with full-scale samples
    // at once, which would show in the mix.
    constexpr size_t kBlock = 4096;
    Mixer mixer(kRate);
    MixBus* bus = mixer.AddBus();
    std::atomic<bool> running{true};
    std::atomic<float> loudest{0.0f};
    std::thread device([&] {
        std::vector<float> out(2 * kBlock);
        while (running) {
            mixer.Mix(out.data(), kBlock);
            float most = loudest;
            for (float s : out) most = std::max(most, std::fabs(s));
            loudest = most;
        }
    });
    for (int i = 0; i < 1000; ++i) {
        auto bytes = std::make_unique<std::vector<uint8_t>>(
            Pcm16Bytes(std::vector<int16_t>(4 * kBlock, 8192)));
        MixVoice* v = mixer.AddVoice(bus, Mono16());
        ASSERT_EQ(mixer.Submit(v, WholeBuffer(*bytes)), S_OK);
        mixer.Start(v);
        // Remove at a varying moment, often while the other thread is in the voice.
        auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(i % 50);
        while (std::chrono::steady_clock::now() < until) {
        }
        mixer.RemoveVoice(v);
        std::fill(bytes->begin(), bytes->end(), uint8_t{0x80});  // -1.0 in every sample
        bytes.reset();
    }
    running = false;
    device.join();
    EXPECT_LE(loudest.load(), 0.25f);
}

}  // namespace
}  // namespace platform
