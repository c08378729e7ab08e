#include "audio/wav_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "audio/output.h"

namespace platform {
namespace {

std::string TempPath(const char* name) {
    return ::testing::TempDir() + "/" + name + std::to_string(getpid());
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

int16_t S16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int16_t>(b[at] | b[at + 1] << 8);
}

// The file as a reader sees it: a complete header whose sizes match the file.
void ExpectWav(const std::vector<uint8_t>& file, uint32_t frames) {
    ASSERT_EQ(file.size(), 44u + 4u * frames);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(U32(file, 4), file.size() - 8);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(U32(file, 16), 16u);
    EXPECT_EQ(U32(file, 20), 1u | 2u << 16);  // PCM, two channels
    EXPECT_EQ(U32(file, 24), 48000u);
    EXPECT_EQ(U32(file, 28), 48000u * 4);
    EXPECT_EQ(U32(file, 32), 4u | 16u << 16);  // block align, bits
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(U32(file, 40), 4u * frames);
}

TEST(WavWriter, FileIsCompleteAfterEveryAppend) {
    std::string path = TempPath("mix.wav");
    WavWriter wav;
    ASSERT_TRUE(wav.Open(path, 48000));
    ASSERT_NO_FATAL_FAILURE(ExpectWav(ReadAll(path), 0));
    const float first[] = {0.5f, -0.5f, 2.0f, -7.0f, NAN, 1.0f};
    ASSERT_TRUE(wav.Append(first, 3));
    std::vector<uint8_t> file = ReadAll(path);
    ASSERT_NO_FATAL_FAILURE(ExpectWav(file, 3));
    const int16_t expected[] = {16384, -16384, 32767, -32767, 0, 32767};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(S16(file, 44 + 2 * i), expected[i]) << i;
    std::vector<float> more(2 * 10000, 0.25f);
    ASSERT_TRUE(wav.Append(more.data(), 10000));
    wav.Close();
    file = ReadAll(path);
    ASSERT_NO_FATAL_FAILURE(ExpectWav(file, 10003));
    EXPECT_EQ(S16(file, 44 + 4 * 10002 + 2), 8192);
    std::remove(path.c_str());
    EXPECT_FALSE(wav.Open(::testing::TempDir() + "/no-such-folder/mix.wav", 48000));
    EXPECT_FALSE(wav.Append(first, 1));
}

TEST(ClockPacer, OwesFramesForTheTimePassed) {
    ClockPacer pacer;
    pacer.lastMs = 0xFFFFFF00u;  // just before the clock wraps
    EXPECT_EQ(FramesDue(pacer, 0xFFFFFF00u), 0u);
    uint64_t total = 0;
    for (uint32_t now = 0xFFFFFF00u + 7; now != 0xFFFFFF00u + 7 * 101; now += 7) {
        total += FramesDue(pacer, now);
    }
    EXPECT_EQ(total, 700u * 48);  // across the wrap, no frame lost to rounding
    EXPECT_EQ(FramesDue(pacer, 0xFFFFFF00u + 700 + 45000), 45000u * 48);
}

// A program that plays a sound and sleeps 45 s on a fixed clock, then ends
// without releasing anything, as the engine does.
std::string RunProbe(const std::string& wav, const std::string& errors) {
    std::string command =
        "ZOLT_AUDIO=wav:" + wav + " ZOLT_CLOCK=fixed:16 " + ZOLT_AUDIO_PROBE + " 2>" + errors;
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::vector<uint8_t> text = ReadAll(errors);
    std::remove(errors.c_str());
    return {text.begin(), text.end()};
}

TEST(WavOutput, RecordsTheMixInClockTimeUntilTheProcessEnds) {
    std::string path = TempPath("probe.wav"), errors = TempPath("probe.err");
    EXPECT_EQ(RunProbe(path, errors), "");
    std::vector<uint8_t> file = ReadAll(path);
    ASSERT_NO_FATAL_FAILURE(ExpectWav(file, 45 * 48000));
    // The probe's sound: one second of 0.5 at 24 kHz from the start, inverted
    // from 500 ms on; its last frame leads half-way into the silence after it.
    EXPECT_EQ(S16(file, 44), 16384);
    EXPECT_EQ(S16(file, 44 + 4 * 23999 + 2), 16384);
    EXPECT_EQ(S16(file, 44 + 4 * 24000), -16384);
    EXPECT_EQ(S16(file, 44 + 4 * 47998 + 2), -16384);
    EXPECT_EQ(S16(file, 44 + 4 * 47999), -8192);
    EXPECT_EQ(S16(file, 44 + 4 * 48000), 0);
    EXPECT_EQ(S16(file, 44 + 4 * (45 * 48000 - 1)), 0);
    std::remove(path.c_str());
}

TEST(WavOutput, UnwritableFileIsReported) {
    std::string errors = TempPath("probe.err");
    std::string message = RunProbe(::testing::TempDir() + "/no-such-folder/x.wav", errors);
    EXPECT_NE(message.find("cannot write"), std::string::npos) << message;
    EXPECT_NE(message.find("no-such-folder/x.wav"), std::string::npos) << message;
}

}  // namespace
}  // namespace platform
