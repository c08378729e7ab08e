// DDS files assembled from known pixels and blocks; the expected colours are
// worked out by hand from the formats' definitions.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "image/image_decode.h"

namespace platform {
namespace {

using Bytes = std::vector<uint8_t>;
using Rgba = std::array<uint8_t, 4>;

constexpr uint32_t kAlphaPixels = 0x1, kFourCcFlag = 0x4, kRgbFlag = 0x40;

void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

struct PixelFormat {
    uint32_t flags = 0;
    std::string fourCc;
    uint32_t bitCount = 0;
    std::array<uint32_t, 4> masks{};  // red, green, blue, alpha
};

Bytes Dds(uint32_t width, uint32_t height, const PixelFormat& format, const Bytes& data) {
    Bytes file(128, 0);
    file[0] = 'D', file[1] = 'D', file[2] = 'S', file[3] = ' ';
    Put32(file, 4, 124);
    Put32(file, 8, 0x1007);  // caps, height, width, pixel format
    Put32(file, 12, height);
    Put32(file, 16, width);
    Put32(file, 76, 32);
    Put32(file, 80, format.flags);
    for (size_t i = 0; i < format.fourCc.size(); ++i) file[84 + i] = uint8_t(format.fourCc[i]);
    Put32(file, 88, format.bitCount);
    for (int i = 0; i < 4; ++i) Put32(file, 92 + 4 * i, format.masks[i]);
    Put32(file, 108, 0x1000);
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

Rgba PixelAt(const DecodedImage& image, int x, int y) {
    const size_t at = (size_t(y) * image.width + x) * 4;
    return {image.rgba[at], image.rgba[at + 1], image.rgba[at + 2], image.rgba[at + 3]};
}

std::vector<Rgba> Pixels(const DecodedImage& image) {
    std::vector<Rgba> out;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) out.push_back(PixelAt(image, x, y));
    return out;
}

const PixelFormat kArgb32{kRgbFlag | kAlphaPixels, "", 32, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}};
const PixelFormat kAbgr32{kRgbFlag | kAlphaPixels, "", 32, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}};
const PixelFormat kXrgb32{kRgbFlag, "", 32, {0xFF0000, 0xFF00, 0xFF, 0}};
const PixelFormat kRgb24{kRgbFlag, "", 24, {0xFF0000, 0xFF00, 0xFF, 0}};
const PixelFormat kRgb565{kRgbFlag, "", 16, {0xF800, 0x07E0, 0x001F, 0}};
const PixelFormat kArgb1555{kRgbFlag | kAlphaPixels, "", 16, {0x7C00, 0x03E0, 0x001F, 0x8000}};

struct UncompressedCase {
    const char* name;
    PixelFormat format;
    Bytes data;  // two pixels, as stored
    std::vector<Rgba> expected;
};

class UncompressedDds : public testing::TestWithParam<UncompressedCase> {};

TEST_P(UncompressedDds, DecodesThroughTheChannelMasks) {
    const auto& c = GetParam();
    const Bytes file = Dds(2, 1, c.format, c.data);
    for (const auto& image : {DecodeDds(file), DecodeImage(file)}) {
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, 2);
        EXPECT_EQ(image->height, 1);
        EXPECT_EQ(Pixels(*image), c.expected);
    }
    EXPECT_FALSE(DecodeDds(std::span(file).first(file.size() - 1)));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, UncompressedDds,
    testing::Values(
        UncompressedCase{
            "argb32", kArgb32, {1, 2, 3, 4, 10, 20, 30, 40}, {{3, 2, 1, 4}, {30, 20, 10, 40}}},
        UncompressedCase{
            "abgr32", kAbgr32, {1, 2, 3, 4, 10, 20, 30, 40}, {{1, 2, 3, 4}, {10, 20, 30, 40}}},
        UncompressedCase{"xrgb32_ignores_the_fourth_byte",
                         kXrgb32,
                         {1, 2, 3, 4, 10, 20, 30, 0},
                         {{3, 2, 1, 255}, {30, 20, 10, 255}}},
        UncompressedCase{
            "rgb24", kRgb24, {1, 2, 3, 10, 20, 30}, {{3, 2, 1, 255}, {30, 20, 10, 255}}},
        // 0xF81F: red and blue at full scale; 0x07E0: green at full scale.
        UncompressedCase{
            "rgb565", kRgb565, {0x1F, 0xF8, 0xE0, 0x07}, {{255, 0, 255, 255}, {0, 255, 0, 255}}},
        // 0x8000: opaque black; 0x7C00: transparent red.
        UncompressedCase{
            "argb1555", kArgb1555, {0x00, 0x80, 0x00, 0x7C}, {{0, 0, 0, 255}, {255, 0, 0, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A colour block: two 5:6:5 end points, then one byte of 2-bit indices a row,
// the leftmost pixel in the low bits.
Bytes ColorBlock(uint16_t c0, uint16_t c1, std::array<uint8_t, 4> rows) {
    return {uint8_t(c0), uint8_t(c0 >> 8), uint8_t(c1), uint8_t(c1 >> 8),
            rows[0],     rows[1],          rows[2],     rows[3]};
}

constexpr uint8_t kIndices0123 = 0b11'10'01'00;  // pixels use indices 0, 1, 2, 3

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const PixelFormat kDxt1{kFourCcFlag, "DXT1"};
const PixelFormat kDxt3{kFourCcFlag, "DXT3"};
const PixelFormat kDxt5{kFourCcFlag, "DXT5"};

std::vector<Rgba> FirstRow(const DecodedImage& image) {
    auto pixels = Pixels(image);
    pixels.resize(image.width);
    return pixels;
}

TEST(Dxt1, FourColourModeInterpolatesThirds) {
    // White above black: index 2 is two thirds white, index 3 one third.
    const auto image =
        DecodeImage(Dds(4, 4, kDxt1, ColorBlock(0xFFFF, 0x0000, {kIndices0123, 0, 0, 0xFF})));
    ASSERT_TRUE(image);
    EXPECT_EQ(FirstRow(*image),
              (std::vector<Rgba>{
                  {255, 255, 255, 255}, {0, 0, 0, 255}, {170, 170, 170, 255}, {85, 85, 85, 255}}));
    EXPECT_EQ(PixelAt(*image, 0, 1), (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(PixelAt(*image, 2, 3), (Rgba{85, 85, 85, 255}));
}

TEST(Dxt1, ThreeColourModeHasTheMeanAndTransparentBlack) {
    // 0x8000 (red 16 of 31, i.e. 132) is above black: mean 66, index 3 transparent.
    const auto image =
        DecodeImage(Dds(4, 4, kDxt1, ColorBlock(0x0000, 0x8000, {kIndices0123, 0, 0, 0})));
    ASSERT_TRUE(image);
    EXPECT_EQ(FirstRow(*image),
              (std::vector<Rgba>{{0, 0, 0, 255}, {132, 0, 0, 255}, {66, 0, 0, 255}, {0, 0, 0, 0}}));
}

TEST(Dxt1, EdgeBlocksAreCroppedToTheImage) {
    // 5x3: two blocks across, one down. Red everywhere in the first, green in the second.
    const Bytes blocks = Concat(ColorBlock(0xF800, 0xF800, {}), ColorBlock(0x07E0, 0x07E0, {}));
    const auto image = DecodeImage(Dds(5, 3, kDxt1, blocks));
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 5);
    ASSERT_EQ(image->height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(PixelAt(*image, x, y), (x < 4 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255}));
        }
    }
}

TEST(Dxt3, ExplicitAlphaAndAlwaysFourColours) {
    // Alpha nibbles 0..15 in pixel order; black not above white would be
    // three-colour in DXT1, but here index 3 is one third black, opaque apart
    // from its own alpha.
    Bytes alpha;
    for (int i = 0; i < 8; ++i) alpha.push_back(uint8_t((2 * i) | (2 * i + 1) << 4));
    const auto image = DecodeImage(
        Dds(4, 4, kDxt3, Concat(alpha, ColorBlock(0x0000, 0xFFFF, {kIndices0123, 0, 0, 0}))));
    ASSERT_TRUE(image);
    EXPECT_EQ(FirstRow(*image),
              (std::vector<Rgba>{
                  {0, 0, 0, 0}, {255, 255, 255, 17}, {85, 85, 85, 34}, {170, 170, 170, 51}}));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(PixelAt(*image, i % 4, i / 4)[3], 17 * i);
}

// A DXT5 alpha block: two end points, then 3-bit indices, pixel 0 in the low bits.
Bytes AlphaBlock(uint8_t a0, uint8_t a1, const std::array<int, 16>& indices) {
    uint64_t bits = 0;
    for (int i = 0; i < 16; ++i) bits |= uint64_t(indices[i]) << (3 * i);
    Bytes block{a0, a1};
    for (int i = 0; i < 6; ++i) block.push_back(uint8_t(bits >> (8 * i)));
    return block;
}

struct Dxt5Case {
    const char* name;
    uint8_t a0, a1;
    std::array<int, 8> alphaOfIndex;
};

class Dxt5Alpha : public testing::TestWithParam<Dxt5Case> {};

TEST_P(Dxt5Alpha, InterpolatesBetweenTheEndPoints) {
    const auto& c = GetParam();
    const std::array<int, 16> indices{0, 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 0};
    const Bytes block = Concat(AlphaBlock(c.a0, c.a1, indices), ColorBlock(0xF800, 0xF800, {}));
    const auto image = DecodeImage(Dds(4, 4, kDxt5, block));
    ASSERT_TRUE(image);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(PixelAt(*image, i % 4, i / 4),
                  (Rgba{255, 0, 0, uint8_t(c.alphaOfIndex[indices[i]])}))
            << "pixel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Dxt5Alpha,
    testing::Values(Dxt5Case{"eight_values", 210, 0, {210, 0, 180, 150, 120, 90, 60, 30}},
                    Dxt5Case{
                        "six_values_then_0_and_255", 0, 200, {0, 200, 40, 80, 120, 160, 0, 255}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BrokenCase {
    const char* name;
    Bytes file;
};

Bytes WithField(Bytes file, size_t at, uint32_t value) {
    Put32(file, at, value);
    return file;
}

const Bytes kGoodDxt1 = Dds(4, 4, kDxt1, ColorBlock(0xFFFF, 0, {}));
const Bytes kGoodArgb = Dds(1, 1, kArgb32, {1, 2, 3, 4});

class BrokenDds : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenDds, GivesNothing) {
    EXPECT_FALSE(DecodeDds(GetParam().file));
    EXPECT_FALSE(DecodeImage(GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenDds,
    testing::Values(BrokenCase{"header_cut", Bytes(kGoodDxt1.begin(), kGoodDxt1.begin() + 100)},
                    BrokenCase{"block_cut", Bytes(kGoodDxt1.begin(), kGoodDxt1.end() - 1)},
                    BrokenCase{"wrong_magic", WithField(kGoodDxt1, 0, 0x20534444 + 1)},
                    BrokenCase{"wrong_header_size", WithField(kGoodDxt1, 4, 120)},
                    BrokenCase{"wrong_format_size", WithField(kGoodDxt1, 76, 24)},
                    BrokenCase{"zero_width", WithField(kGoodDxt1, 16, 0)},
                    BrokenCase{"height_past_the_data", WithField(kGoodDxt1, 12, 8)},
                    BrokenCase{"side_past_the_limit", WithField(kGoodDxt1, 16, 16385)},
                    BrokenCase{"huge_sides",
                               WithField(WithField(kGoodDxt1, 16, 0xFFFFFFFF), 12, 0xFFFFFFFF)},
                    BrokenCase{"unknown_four_cc", WithField(kGoodDxt1, 84, 0x30315844)},  // "DX10"
                    BrokenCase{"neither_rgb_nor_four_cc", WithField(kGoodArgb, 80, 0x20000)},
                    BrokenCase{"eight_bit_rgb", WithField(kGoodArgb, 88, 8)},
                    BrokenCase{"zero_red_mask", WithField(kGoodArgb, 92, 0)},
                    BrokenCase{"split_green_mask", WithField(kGoodArgb, 96, 0x0000F0F0)},
                    BrokenCase{"mask_past_the_pixel",
                               WithField(WithField(kGoodArgb, 88, 24), 104, 0xFF000000)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace platform
