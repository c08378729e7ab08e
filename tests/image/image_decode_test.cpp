// Files written by stb_image_write come back as the pixels that were written;
// truncated, oversized and foreign files give nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <stb_image_write.h>

#include "image/image_decode.h"
#include "image/image_format.h"

namespace platform {
namespace {

using Bytes = std::vector<uint8_t>;

void Append(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

// A 5x3 picture with a different colour and alpha in every pixel, so a
// mirrored, shifted or channel-swapped result shows.
DecodedImage Picture(bool opaque) {
    DecodedImage image{5, 3, {}};
    for (int i = 0; i < 15; ++i) {
        image.rgba.push_back(uint8_t(17 * i));
        image.rgba.push_back(uint8_t(255 - 13 * i));
        image.rgba.push_back(uint8_t(i % 2 ? 200 : 40));
        image.rgba.push_back(opaque ? 255 : uint8_t(10 + 16 * i));
    }
    return image;
}

// Writes the picture's first `channels` channels (3: RGB, 4: RGBA).
using Writer = std::function<int(Bytes*, int width, int height, int channels, const uint8_t*)>;

Bytes Write(const Writer& writer, const DecodedImage& image, int channels = 4) {
    Bytes pixels;
    for (size_t i = 0; i < image.rgba.size(); i += 4)
        pixels.insert(pixels.end(), &image.rgba[i], &image.rgba[i] + channels);
    Bytes out;
    EXPECT_NE(writer(&out, image.width, image.height, channels, pixels.data()), 0);
    return out;
}

int WritePng(Bytes* out, int w, int h, int channels, const uint8_t* pixels) {
    return stbi_write_png_to_func(Append, out, w, h, channels, pixels, w * channels);
}
int WriteBmp(Bytes* out, int w, int h, int channels, const uint8_t* pixels) {
    return stbi_write_bmp_to_func(Append, out, w, h, channels, pixels);
}
int WriteTgaRle(Bytes* out, int w, int h, int channels, const uint8_t* pixels) {
    stbi_write_tga_with_rle = 1;
    return stbi_write_tga_to_func(Append, out, w, h, channels, pixels);
}
int WriteTgaRaw(Bytes* out, int w, int h, int channels, const uint8_t* pixels) {
    stbi_write_tga_with_rle = 0;
    const int ok = stbi_write_tga_to_func(Append, out, w, h, channels, pixels);
    stbi_write_tga_with_rle = 1;
    return ok;
}
int WriteJpeg(Bytes* out, int w, int h, int channels, const uint8_t* pixels) {
    return stbi_write_jpg_to_func(Append, out, w, h, channels, pixels, 100);
}

struct LosslessCase {
    const char* name;
    Writer write;
    ImageFormat format;
    int channels;  // 3: written without alpha, read back opaque
};

class LosslessFormats : public testing::TestWithParam<LosslessCase> {};

TEST_P(LosslessFormats, DecodesTheWrittenPixels) {
    const DecodedImage picture = Picture(GetParam().channels == 3);
    const Bytes file = Write(GetParam().write, picture, GetParam().channels);
    EXPECT_EQ(DetectImageFormat(file), GetParam().format);
    const auto image = DecodeImage(file);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 5);
    EXPECT_EQ(image->height, 3);
    EXPECT_EQ(image->rgba, picture.rgba);
}

// Cut anywhere, the file gives nothing: the first half, or all but its last byte.
TEST_P(LosslessFormats, TruncatedFileGivesNothing) {
    const Bytes file = Write(GetParam().write, Picture(false), GetParam().channels);
    for (size_t keep : {size_t{0}, size_t{8}, file.size() / 2, file.size() - 1}) {
        EXPECT_FALSE(DecodeImage(std::span(file).first(keep))) << "kept " << keep;
    }
}

// 5 pixels of 3 bytes make rows that BMP pads to 16 bytes.
INSTANTIATE_TEST_SUITE_P(
    Formats, LosslessFormats,
    testing::Values(LosslessCase{"png", WritePng, ImageFormat::Png, 4},
                    LosslessCase{"png_rgb", WritePng, ImageFormat::Png, 3},
                    LosslessCase{"bmp", WriteBmp, ImageFormat::Bmp, 4},
                    LosslessCase{"bmp_padded_rows", WriteBmp, ImageFormat::Bmp, 3},
                    LosslessCase{"tga_rle", WriteTgaRle, ImageFormat::Tga, 4},
                    LosslessCase{"tga_raw", WriteTgaRaw, ImageFormat::Tga, 4},
                    LosslessCase{"tga_raw_rgb", WriteTgaRaw, ImageFormat::Tga, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JpegDecode, DecodesCloseToTheWrittenPixels) {
    // Flat 8x8 blocks survive JPEG's quantisation almost exactly.
    DecodedImage picture{16, 8, {}};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool left = x < 8;
            picture.rgba.insert(picture.rgba.end(),
                                {uint8_t(left ? 200 : 30), uint8_t(left ? 60 : 180), 90, 255});
        }
    }
    const Bytes file = Write(WriteJpeg, picture);
    ASSERT_EQ(DetectImageFormat(file), ImageFormat::Jpeg);
    const auto image = DecodeImage(file);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 16);
    ASSERT_EQ(image->height, 8);
    for (size_t i = 0; i < picture.rgba.size(); ++i) {
        EXPECT_NEAR(image->rgba[i], picture.rgba[i], 6) << "byte " << i;
    }
    EXPECT_FALSE(DecodeImage(std::span(file).first(file.size() - 1)));
    EXPECT_FALSE(DecodeImage(std::span(file).first(file.size() / 2)));

    // An end marker inside a segment before the image data (as in an embedded
    // thumbnail) does not make a cut file whole.
    Bytes withThumbnail(file.begin(), file.begin() + 2);
    withThumbnail.insert(withThumbnail.end(), {0xFF, 0xE1, 0x00, 0x06, 0xFF, 0xD9, 0xFF, 0xD9});
    withThumbnail.insert(withThumbnail.end(), file.begin() + 2, file.end());
    EXPECT_TRUE(DecodeImage(withThumbnail));
    EXPECT_FALSE(DecodeImage(std::span(withThumbnail).first(withThumbnail.size() - 2)));
}

// The largest side taken is 16384; one more is refused before decoding.
TEST(ImageSizeLimit, RefusesPicturesPastTheLargestSide) {
    for (const auto& [width, height, accepted] :
         {std::tuple{16384, 1, true}, {1, 16384, true}, {16385, 1, false}, {1, 16385, false}}) {
        const DecodedImage picture{width, height, Bytes(size_t(width) * height * 4, 128)};
        const auto image = DecodeImage(Write(WritePng, picture));
        EXPECT_EQ(image.has_value(), accepted) << width << "x" << height;
    }
}

TEST(ImageSizeLimit, RefusesTooManyPixels) {
    EXPECT_TRUE(IsAcceptedImageSize(16384, 4096));
    EXPECT_FALSE(IsAcceptedImageSize(16384, 4097));
    EXPECT_FALSE(IsAcceptedImageSize(0, 10));
    EXPECT_FALSE(IsAcceptedImageSize(10, -1));
}

// Headers that claim more than the file holds.
TEST(LyingHeaders, GiveNothing) {
    const DecodedImage picture = Picture(false);
    Bytes bmp = Write(WriteBmp, picture);
    bmp[22] = 4;  // height 3 -> 4 rows
    EXPECT_FALSE(DecodeImage(bmp));

    Bytes tga = Write(WriteTgaRaw, picture);
    tga[12] = 6;  // width 5 -> 6
    EXPECT_FALSE(DecodeImage(tga));

    Bytes png = Write(WritePng, picture);
    png[16] = 0x7F;  // IHDR width far past the limit
    EXPECT_FALSE(DecodeImage(png));
}

TEST(UnknownContent, GivesNothing) {
    const std::vector<Bytes> files{
        {},
        {'h', 'e', 'l', 'l', 'o'},
        {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0,
         ',', 0,   0,   0,   0,   1,   0, 1, 0, 0, 2, 0, ';'},
        {'P', '6', '\n', '1', ' ', '1', '\n', '2', '5', '5', '\n', 1, 2, 3},
        Bytes(64, 0),
    };
    for (const Bytes& file : files) {
        EXPECT_EQ(DetectImageFormat(file), ImageFormat::Unknown);
        EXPECT_FALSE(DecodeImage(file));
    }
}

}  // namespace
}  // namespace platform
