// Cursor files assembled byte by byte: DIB images at each depth, a PNG image,
// several images to choose from, and files that are broken in one field.
#include <gtest/gtest.h>

#include <array>
#include <stb_image_write.h>
#include <string>

#include "cursor/cursor_file.h"

namespace platform {
namespace {

using Bytes = std::vector<uint8_t>;
using Rgba = std::array<uint8_t, 4>;

void Put16(Bytes& b, size_t at, uint16_t v) {
    b[at] = uint8_t(v), b[at + 1] = uint8_t(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// A DIB as a cursor stores it: the header with the doubled height, the palette
// (B,G,R,0 entries), the colour rows and the mask rows, each given bottom-up and
// already padded to 4 bytes.
Bytes Dib(int width, int height, int bitCount, const std::vector<Rgba>& paletteBgr0,
          const Bytes& colorRows, const Bytes& maskRows) {
    Bytes dib(40, 0);
    Put32(dib, 0, 40);
    Put32(dib, 4, uint32_t(width));
    Put32(dib, 8, uint32_t(2 * height));
    Put16(dib, 12, 1);
    Put16(dib, 14, uint16_t(bitCount));
    Put32(dib, 32, uint32_t(paletteBgr0.size()));
    for (const Rgba& entry : paletteBgr0) dib.insert(dib.end(), entry.begin(), entry.end());
    dib.insert(dib.end(), colorRows.begin(), colorRows.end());
    dib.insert(dib.end(), maskRows.begin(), maskRows.end());
    return dib;
}

// One colour everywhere (palette entry 0 below 24 bits), fully opaque.
Bytes SolidDib(int width, int height, int bitCount, Rgba bgr0) {
    const size_t stride = (size_t(width) * bitCount + 31) / 32 * 4;
    const size_t maskStride = (size_t(width) + 31) / 32 * 4;
    Bytes rows(stride * height, 0);
    std::vector<Rgba> palette;
    if (bitCount <= 8) {
        palette.push_back(bgr0);
    } else {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < bitCount / 8; ++c)
                    rows[y * stride + x * (bitCount / 8) + c] = c < 3 ? bgr0[c] : 255;
    }
    return Dib(width, height, bitCount, palette, rows, Bytes(maskStride * height, 0));
}

struct Entry {
    int width, height;  // as stored: 0 stands for 256
    int hotspotX, hotspotY;
    Bytes image;
};

Bytes CursorFile(const std::vector<Entry>& entries, uint16_t type = 2) {
    Bytes file(6 + 16 * entries.size(), 0);
    Put16(file, 2, type);
    Put16(file, 4, uint16_t(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const size_t at = 6 + 16 * i;
        file[at] = uint8_t(entries[i].width);
        file[at + 1] = uint8_t(entries[i].height);
        Put16(file, at + 4, uint16_t(entries[i].hotspotX));
        Put16(file, at + 6, uint16_t(entries[i].hotspotY));
        Put32(file, at + 8, uint32_t(entries[i].image.size()));
        Put32(file, at + 12, uint32_t(file.size()));
        file.insert(file.end(), entries[i].image.begin(), entries[i].image.end());
    }
    return file;
}

std::vector<Rgba> Pixels(const CursorImage& image) {
    std::vector<Rgba> out;
    for (size_t i = 0; i + 3 < image.rgba.size(); i += 4)
        out.push_back({image.rgba[i], image.rgba[i + 1], image.rgba[i + 2], image.rgba[i + 3]});
    return out;
}

constexpr Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255},
    kWhite{255, 255, 255, 255};
constexpr Rgba kClear{0, 0, 0, 0};

struct DibCase {
    const char* name;
    Bytes dib;                   // a 2x2 image
    std::vector<Rgba> expected;  // top left, top right, bottom left, bottom right
};

// Mask rows for a 2x2 image whose top right pixel is transparent (bit set).
const Bytes kMaskTopRight{0x00, 0, 0, 0, 0x40, 0, 0, 0};
const std::vector<Rgba> kPaletteRgbw{
    {0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}, {255, 255, 255, 0}};
const std::vector<Rgba> kPicture{
    kRed, {0, 255, 0, 0}, kBlue, kWhite};  // top right made transparent

class CursorDibDepths : public testing::TestWithParam<DibCase> {};

TEST_P(CursorDibDepths, DecodesBottomUpRowsWithTheMask) {
    const auto cursor = ParseCursorFile(CursorFile({{2, 2, 1, 0, GetParam().dib}}));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->width, 2);
    EXPECT_EQ(cursor->height, 2);
    EXPECT_EQ(cursor->hotspotX, 1);
    EXPECT_EQ(cursor->hotspotY, 0);
    EXPECT_EQ(Pixels(*cursor), GetParam().expected);
}

// Pictures: top row red, green; bottom row blue, white (the first stored row
// is the bottom one). Palette indices: red 0, green 1, blue 2, white 3.
INSTANTIATE_TEST_SUITE_P(
    Depths, CursorDibDepths,
    testing::Values(
        DibCase{"one_bit",
                Dib(2, 2, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, {0x40, 0, 0, 0, 0x80, 0, 0, 0},
                    kMaskTopRight),
                {{255, 255, 255, 255}, {0, 0, 0, 0}, {0, 0, 0, 255}, {255, 255, 255, 255}}},
        DibCase{"four_bit",
                Dib(2, 2, 4, kPaletteRgbw, {0x23, 0, 0, 0, 0x01, 0, 0, 0}, kMaskTopRight),
                kPicture},
        DibCase{"eight_bit", Dib(2, 2, 8, kPaletteRgbw, {2, 3, 0, 0, 0, 1, 0, 0}, kMaskTopRight),
                kPicture},
        DibCase{"twenty_four_bit",
                Dib(2, 2, 24, {}, {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0},
                    kMaskTopRight),
                kPicture},
        // Alpha in the pixels wins over a mask that hides everything.
        DibCase{"thirty_two_bit_alpha",
                Dib(2, 2, 32, {}, {255, 0, 0, 128, 255, 255, 255, 0, 0, 0, 255, 255, 0, 255, 0, 64},
                    {0xC0, 0, 0, 0, 0xC0, 0, 0, 0}),
                {{255, 0, 0, 255}, {0, 255, 0, 64}, {0, 0, 255, 128}, {255, 255, 255, 0}}},
        // Every alpha byte 0: the mask decides.
        DibCase{"thirty_two_bit_no_alpha",
                Dib(2, 2, 32, {}, {255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0},
                    kMaskTopRight),
                kPicture}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CursorFile, PixelsPackedAcrossBytesAndPaddedRows) {
    // 1 bit, 10 pixels wide: the ninth and tenth pixels sit in the second byte.
    const Bytes colour{0b10000000, 0b01000000, 0, 0};
    const Bytes mask{0b00000000, 0b10000000, 0, 0};
    const auto cursor = ParseCursorFile(CursorFile(
        {{10, 1, 0, 0, Dib(10, 1, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, colour, mask)}}));
    ASSERT_TRUE(cursor);
    const auto pixels = Pixels(*cursor);
    ASSERT_EQ(pixels.size(), 10u);
    EXPECT_EQ(pixels[0], (Rgba{255, 255, 255, 255}));
    EXPECT_EQ(pixels[1], (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(pixels[8], (Rgba{0, 0, 0, 0}));
    EXPECT_EQ(pixels[9], (Rgba{255, 255, 255, 255}));
}

void Append(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

Bytes Png(int width, int height, const Bytes& rgba) {
    Bytes out;
    stbi_write_png_to_func(Append, &out, width, height, 4, rgba.data(), width * 4);
    return out;
}

TEST(CursorFile, PngImageWithTheEntrysHotspot) {
    const Bytes rgba{255, 0, 0, 255, 0, 255, 0, 100, 0, 0, 255, 0,
                     9,   8, 7, 6,   1, 2,   3, 4,   5, 6, 7,   8};
    const auto cursor = ParseCursorFile(CursorFile({{3, 2, 2, 1, Png(3, 2, rgba)}}));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->width, 3);
    EXPECT_EQ(cursor->height, 2);
    EXPECT_EQ(cursor->hotspotX, 2);
    EXPECT_EQ(cursor->hotspotY, 1);
    EXPECT_EQ(cursor->rgba, rgba);
}

TEST(CursorFile, TakesTheLargestThenTheDeepestImage) {
    const Rgba red{0, 0, 255, 0}, green{0, 255, 0, 0}, blue{255, 0, 0, 0}, white{255, 255, 255, 0};
    const auto cursor = ParseCursorFile(CursorFile({{2, 2, 0, 0, SolidDib(2, 2, 32, red)},
                                                    {3, 3, 1, 1, SolidDib(3, 3, 8, green)},
                                                    {3, 3, 2, 2, SolidDib(3, 3, 32, blue)},
                                                    {3, 3, 0, 1, SolidDib(3, 3, 4, white)}}));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->width, 3);
    EXPECT_EQ(cursor->hotspotX, 2);
    EXPECT_EQ(Pixels(*cursor), std::vector<Rgba>(9, kBlue));
}

TEST(CursorFile, ZeroSizeInTheEntryMeans256) {
    const auto cursor =
        ParseCursorFile(CursorFile({{0, 0, 255, 128, SolidDib(256, 256, 1, {0, 255, 0, 0})}}));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(cursor->width, 256);
    EXPECT_EQ(cursor->height, 256);
    EXPECT_EQ(cursor->hotspotX, 255);
    EXPECT_EQ(Pixels(*cursor), std::vector<Rgba>(256 * 256, kGreen));
}

Bytes WithField32(Bytes b, size_t at, uint32_t v) {
    Put32(b, at, v);
    return b;
}
Bytes WithByte(Bytes b, size_t at, uint8_t v) {
    b[at] = v;
    return b;
}
Bytes Cut(const Bytes& b, size_t less) {
    return Bytes(b.begin(), b.end() - less);
}

const Bytes kDib8 = SolidDib(2, 2, 8, {0, 0, 255, 0});
const Bytes kGood = CursorFile({{2, 2, 0, 0, kDib8}});
constexpr size_t kDibAt = 6 + 16;  // where the one image of a one-entry file starts

struct BrokenCase {
    const char* name;
    Bytes file;
};

class BrokenCursor : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenCursor, GivesNothing) {
    EXPECT_FALSE(ParseCursorFile(GetParam().file));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenCursor,
    testing::Values(
        BrokenCase{"empty", {}},
        BrokenCase{"directory_cut", Bytes(kGood.begin(), kGood.begin() + 5)},
        BrokenCase{"entries_cut", Bytes(kGood.begin(), kGood.begin() + 20)},
        BrokenCase{"image_cut", Cut(kGood, 1)},
        BrokenCase{"reserved_not_zero", WithByte(kGood, 0, 1)},
        BrokenCase{"icon", CursorFile({{2, 2, 0, 0, kDib8}}, 1)},
        BrokenCase{"no_images", CursorFile({})},
        BrokenCase{"offset_past_the_end", WithField32(kGood, 6 + 12, 0xFFFFFFF0)},
        BrokenCase{"byte_size_past_the_end", WithField32(kGood, 6 + 8, 0xFFFFFFFF)},
        BrokenCase{"mask_short_of_the_byte_size",
                   WithField32(Cut(kGood, 1), 6 + 8, uint32_t(kDib8.size() - 1))},
        BrokenCase{"entry_wider_than_the_bitmap", WithByte(kGood, 6, 3)},
        BrokenCase{"height_not_doubled", WithField32(kGood, kDibAt + 8, 2)},
        BrokenCase{"compressed_bitmap", WithField32(kGood, kDibAt + 16, 1)},
        BrokenCase{"sixteen_bits", WithField32(kGood, kDibAt + 14, 16)},
        BrokenCase{"more_colours_than_the_depth_has", WithField32(kGood, kDibAt + 32, 257)},
        BrokenCase{
            "index_past_the_palette",
            CursorFile({{2, 2, 0, 0,
                         Dib(2, 2, 8, {{0, 0, 0, 0}}, {0, 1, 0, 0, 0, 0, 0, 0}, Bytes(8, 0))}})},
        BrokenCase{"hotspot_outside", CursorFile({{2, 2, 2, 0, kDib8}})},
        BrokenCase{"png_of_another_size", CursorFile({{3, 3, 0, 0, Png(2, 2, Bytes(16, 7))}})},
        BrokenCase{"png_cut", CursorFile({{2, 2, 0, 0, Cut(Png(2, 2, Bytes(16, 7)), 4)}})},
        // One broken image spoils the file even when a good one is larger.
        BrokenCase{"one_bad_entry", CursorFile({{3, 3, 0, 0, SolidDib(3, 3, 32, {})},
                                                {2, 2, 0, 0, Cut(kDib8, 1)}})}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace platform
