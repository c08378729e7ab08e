#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

uint32_t Le(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

bool TagAt(const std::vector<uint8_t>& bytes, size_t at, const char* tag) {
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

class SoundAssets : public ::testing::TestWithParam<const char*> {};

// Each sound is a plain RIFF/WAVE file of 16-bit mono PCM at a standard rate,
// a few seconds long, below full scale and faded to silence at both ends
// (a sample far from 0 at either end clicks, above all when the sound repeats).
TEST_P(SoundAssets, IsAFadedMono16BitWaveOfAFewSeconds) {
    std::ifstream in(std::string(ZOLT_ASSETS_DIR "/") + GetParam(), std::ios::binary);
    ASSERT_TRUE(in) << GetParam();
    const std::vector<uint8_t> file(std::istreambuf_iterator<char>(in), {});
    ASSERT_GE(file.size(), 44u);
    ASSERT_TRUE(TagAt(file, 0, "RIFF") && TagAt(file, 8, "WAVE"));
    EXPECT_EQ(Le(file, 4, 4), file.size() - 8);

    size_t at = 12, data = 0, dataBytes = 0;
    uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, block = 0, bits = 0;
    while (at + 8 <= file.size()) {
        const size_t size = Le(file, at + 4, 4);
        ASSERT_LE(at + 8 + size, file.size()) << "chunk runs past the end";
        if (TagAt(file, at, "fmt ")) {
            ASSERT_GE(size, 16u);
            format = Le(file, at + 8, 2);
            channels = Le(file, at + 10, 2);
            rate = Le(file, at + 12, 4);
            byteRate = Le(file, at + 16, 4);
            block = Le(file, at + 20, 2);
            bits = Le(file, at + 22, 2);
        } else if (TagAt(file, at, "data")) {
            data = at + 8;
            dataBytes = size;
        }
        at += 8 + size + (size & 1);
    }
    EXPECT_EQ(format, 1u);
    EXPECT_EQ(channels, 1u);
    EXPECT_TRUE(rate == 22050 || rate == 44100) << rate;
    EXPECT_EQ(bits, 16u);
    EXPECT_EQ(block, 2u);
    EXPECT_EQ(byteRate, rate * 2);
    ASSERT_NE(data, 0u) << "no data chunk";
    ASSERT_EQ(dataBytes % 2, 0u);

    const size_t count = dataBytes / 2;
    const double seconds = static_cast<double>(count) / rate;
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 6.0);

    int peak = 0;
    for (size_t i = 0; i < count; ++i) {
        peak = std::max(peak, std::abs(static_cast<int16_t>(Le(file, data + 2 * i, 2))));
    }
    EXPECT_LT(peak, 32767 * 0.95) << "at or near full scale: clipped";
    EXPECT_GT(peak, 32767 * 0.1) << "barely audible";
    for (size_t i : {size_t{0}, count - 1}) {
        EXPECT_LT(std::abs(static_cast<int16_t>(Le(file, data + 2 * i, 2))), 100)
            << "sample " << i << " is not faded";
    }
}

INSTANTIATE_TEST_SUITE_P(DemoSounds, SoundAssets,
                         ::testing::Values("kuk.wav", "wind.wav", "wp.wav", "bird.wav", "wolf.wav",
                                           "nig.wav"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
