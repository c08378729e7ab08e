// DDS files: a 4-byte magic, a 124-byte header with its 32-byte pixel format,
// then the surfaces, top mip level first.
#include <algorithm>
#include <bit>
#include <optional>

#include "image/byte_fields.h"
#include "image/dxt_blocks.h"
#include "image/image_decode.h"

namespace platform {
namespace {

constexpr size_t kHeaderSize = 124;
constexpr size_t kPixelFormatSize = 32;
constexpr size_t kDataOffset = 4 + kHeaderSize;

// Field offsets from the start of the file.
constexpr size_t kHeaderSizeAt = 4, kHeightAt = 12, kWidthAt = 16;
constexpr size_t kFormatSizeAt = 76, kFormatFlagsAt = 80, kFourCcAt = 84, kBitCountAt = 88;
constexpr size_t kMasksAt = 92;  // red, green, blue, alpha

constexpr uint32_t kAlphaPixels = 0x1, kFourCc = 0x4, kRgb = 0x40;

constexpr uint32_t FourCc(const char (&code)[5]) {
    return uint32_t(uint8_t(code[0])) | uint32_t(uint8_t(code[1])) << 8 |
           uint32_t(uint8_t(code[2])) << 16 | uint32_t(uint8_t(code[3])) << 24;
}

std::optional<DxtFormat> DxtFormatOf(uint32_t fourCc) {
    if (fourCc == FourCc("DXT1")) return DxtFormat::Dxt1;
    if (fourCc == FourCc("DXT3")) return DxtFormat::Dxt3;
    if (fourCc == FourCc("DXT5")) return DxtFormat::Dxt5;
    return std::nullopt;
}

std::optional<DecodedImage> DecodeBlocks(std::span<const uint8_t> data, int width, int height,
                                         DxtFormat format) {
    const size_t blocksAcross = (size_t(width) + 3) / 4, blocksDown = (size_t(height) + 3) / 4;
    const size_t blockBytes = DxtBlockBytes(format);
    if (!HasBytes(data, 0, blocksAcross * blocksDown * blockBytes)) return std::nullopt;
    DecodedImage image{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    for (size_t by = 0; by < blocksDown; ++by) {
        for (size_t bx = 0; bx < blocksAcross; ++bx) {
            const BlockPixels pixels = DecodeDxtBlock(
                format, data.subspan((by * blocksAcross + bx) * blockBytes, blockBytes));
            // Blocks on the right and bottom edges may stick out of the image.
            for (size_t y = 0; y < 4 && by * 4 + y < size_t(height); ++y) {
                for (size_t x = 0; x < 4 && bx * 4 + x < size_t(width); ++x) {
                    const size_t to = ((by * 4 + y) * width + bx * 4 + x) * 4;
                    std::copy_n(&pixels[(y * 4 + x) * 4], 4, &image.rgba[to]);
                }
            }
        }
    }
    return image;
}

// One channel of an uncompressed pixel: a contiguous mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    uint8_t Read(uint32_t pixel) const {
        return uint8_t((((pixel & mask) >> shift) * 255 + max / 2) / max);
    }
};

std::optional<Channel> ChannelOf(uint32_t mask, int bitCount) {
    if (mask == 0) return std::nullopt;
    const int shift = std::countr_zero(mask), bits = std::popcount(mask);
    if (bits > 8 || shift + bits > bitCount || std::countr_one(mask >> shift) != bits)
        return std::nullopt;
    return Channel{mask, shift, (1u << bits) - 1};
}

std::optional<DecodedImage> DecodeUncompressed(std::span<const uint8_t> file,
                                               std::span<const uint8_t> data, int width,
                                               int height) {
    const int bitCount = int(ReadU32(file, kBitCountAt));
    if (bitCount != 16 && bitCount != 24 && bitCount != 32) return std::nullopt;
    std::optional<Channel> channels[3];
    for (int c = 0; c < 3; ++c) {
        channels[c] = ChannelOf(ReadU32(file, kMasksAt + 4 * c), bitCount);
        if (!channels[c]) return std::nullopt;
    }
    std::optional<Channel> alpha;
    if (ReadU32(file, kFormatFlagsAt) & kAlphaPixels) {
        alpha = ChannelOf(ReadU32(file, kMasksAt + 12), bitCount);
        if (!alpha) return std::nullopt;
    }
    const size_t pixelBytes = size_t(bitCount) / 8;
    const size_t count = size_t(width) * height;
    if (!HasBytes(data, 0, count * pixelBytes)) return std::nullopt;
    DecodedImage image{width, height, std::vector<uint8_t>(count * 4)};
    for (size_t i = 0; i < count; ++i) {
        uint32_t pixel = 0;
        for (size_t b = 0; b < pixelBytes; ++b)
            pixel |= uint32_t(data[i * pixelBytes + b]) << (8 * b);
        for (int c = 0; c < 3; ++c) image.rgba[i * 4 + c] = channels[c]->Read(pixel);
        image.rgba[i * 4 + 3] = alpha ? alpha->Read(pixel) : 255;
    }
    return image;
}

}  // namespace

std::optional<DecodedImage> DecodeDds(std::span<const uint8_t> bytes) {
    if (!HasBytes(bytes, 0, kDataOffset) || ReadU32(bytes, 0) != FourCc("DDS ") ||
        ReadU32(bytes, kHeaderSizeAt) != kHeaderSize ||
        ReadU32(bytes, kFormatSizeAt) != kPixelFormatSize)
        return std::nullopt;
    const uint32_t width = ReadU32(bytes, kWidthAt), height = ReadU32(bytes, kHeightAt);
    if (!IsAcceptedImageSize(width, height)) return std::nullopt;
    const auto data = bytes.subspan(kDataOffset);
    const uint32_t flags = ReadU32(bytes, kFormatFlagsAt);
    if (flags & kFourCc) {
        const auto format = DxtFormatOf(ReadU32(bytes, kFourCcAt));
        if (!format) return std::nullopt;
        return DecodeBlocks(data, int(width), int(height), *format);
    }
    if (flags & kRgb) return DecodeUncompressed(bytes, data, int(width), int(height));
    return std::nullopt;
}

}  // namespace platform
