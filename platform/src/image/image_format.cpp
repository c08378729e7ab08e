#include "image/image_format.h"

#include <algorithm>
#include <array>

#include "image/byte_fields.h"

namespace platform {
namespace {

template <size_t N>
bool StartsWith(std::span<const uint8_t> bytes, const std::array<uint8_t, N>& magic) {
    return bytes.size() >= N && std::equal(magic.begin(), magic.end(), bytes.begin());
}

constexpr size_t kTgaHeaderSize = 18;

bool IsTgaHeader(std::span<const uint8_t> bytes) {
    if (bytes.size() < kTgaHeaderSize) return false;
    const uint8_t colorMapType = bytes[1], imageType = bytes[2], bitsPerPixel = bytes[16];
    const bool mapped = imageType == 1 || imageType == 9;
    const bool unmapped = imageType == 2 || imageType == 3 || imageType == 10 || imageType == 11;
    if (colorMapType > 1 || !(mapped || unmapped) || (mapped && colorMapType != 1)) return false;
    if (mapped && bitsPerPixel != 8 && bitsPerPixel != 16) return false;
    if (bitsPerPixel != 8 && bitsPerPixel != 15 && bitsPerPixel != 16 && bitsPerPixel != 24 &&
        bitsPerPixel != 32)
        return false;
    return ReadU16(bytes, 12) != 0 && ReadU16(bytes, 14) != 0;
}

// Uncompressed BMP (the only kind the reader takes): the rows after the data offset.
bool BmpHasPixels(std::span<const uint8_t> bytes) {
    if (!HasBytes(bytes, 0, 30)) return false;
    const uint32_t dataOffset = ReadU32(bytes, 10);
    const uint32_t infoSize = ReadU32(bytes, 14);
    int64_t width, height, bitsPerPixel;
    if (infoSize == 12) {
        width = ReadU16(bytes, 18);
        height = ReadU16(bytes, 20);
        bitsPerPixel = ReadU16(bytes, 24);
    } else {
        width = static_cast<int32_t>(ReadU32(bytes, 18));
        height = static_cast<int32_t>(ReadU32(bytes, 22));
        bitsPerPixel = ReadU16(bytes, 28);
    }
    if (height < 0) height = -height;
    if (width <= 0 || bitsPerPixel <= 0 || bitsPerPixel > 32) return false;
    const int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return dataOffset <= bytes.size() &&
           height <= static_cast<int64_t>(bytes.size() - dataOffset) / rowBytes;
}

// TGA: the id field, the colour map and every pixel, following the run-length
// packets of a compressed image.
bool TgaHasPixels(std::span<const uint8_t> bytes) {
    const size_t mapBytes = size_t{ReadU16(bytes, 5)} * ((bytes[7] + 7u) / 8u);
    const size_t pixelBytes = (bytes[16] + 7u) / 8u;
    const size_t pixels = size_t{ReadU16(bytes, 12)} * ReadU16(bytes, 14);
    size_t at = kTgaHeaderSize + bytes[0] + mapBytes;
    if (bytes[2] < 9) return HasBytes(bytes, at, pixels * pixelBytes);
    for (size_t done = 0; done < pixels;) {
        if (!HasBytes(bytes, at, 1)) return false;
        const uint8_t packet = bytes[at++];
        const size_t count = (packet & 0x7Fu) + 1u;
        const size_t dataBytes = packet & 0x80u ? pixelBytes : count * pixelBytes;
        if (!HasBytes(bytes, at, dataBytes)) return false;
        at += dataBytes;
        done += count;
    }
    return true;
}

// PNG: every chunk whole, up to the end chunk.
bool PngHasPixels(std::span<const uint8_t> bytes) {
    static constexpr std::array<uint8_t, 4> kEnd{'I', 'E', 'N', 'D'};
    for (size_t at = 8;;) {
        if (!HasBytes(bytes, at, 8)) return false;
        const size_t length = ReadU32BigEndian(bytes, at);
        if (!HasBytes(bytes, at + 8, length) || !HasBytes(bytes, at + 8 + length, 4)) return false;
        if (std::equal(kEnd.begin(), kEnd.end(), bytes.begin() + at + 4)) return true;
        at += 12 + length;
    }
}

// JPEG: walk the marker segments to the first start of scan, then look for the
// end-of-image marker; inside scan data 0xFF is never followed by 0xD9 otherwise.
bool JpegHasPixels(std::span<const uint8_t> bytes) {
    size_t at = 2;
    for (;;) {
        if (!HasBytes(bytes, at, 2) || bytes[at] != 0xFF) return false;
        const uint8_t marker = bytes[at + 1];
        if (marker == 0xFF) {  // fill byte before a marker
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length field
            at += 2;
            continue;
        }
        if (marker == 0xD9 || !HasBytes(bytes, at + 2, 2)) return false;
        const size_t length = ReadU16BigEndian(bytes, at + 2);
        if (length < 2) return false;
        at += 2 + length;
        if (marker == 0xDA) break;
    }
    for (; at + 1 < bytes.size(); ++at) {
        if (bytes[at] == 0xFF && bytes[at + 1] == 0xD9) return true;
    }
    return false;
}

}  // namespace

ImageFormat DetectImageFormat(std::span<const uint8_t> bytes) {
    static constexpr std::array<uint8_t, 8> kPng{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    static constexpr std::array<uint8_t, 3> kJpeg{0xFF, 0xD8, 0xFF};
    static constexpr std::array<uint8_t, 2> kBmp{'B', 'M'};
    static constexpr std::array<uint8_t, 4> kDds{'D', 'D', 'S', ' '};
    if (StartsWith(bytes, kPng)) return ImageFormat::Png;
    if (StartsWith(bytes, kJpeg)) return ImageFormat::Jpeg;
    if (StartsWith(bytes, kBmp)) return ImageFormat::Bmp;
    if (StartsWith(bytes, kDds)) return ImageFormat::Dds;
    if (IsTgaHeader(bytes)) return ImageFormat::Tga;
    return ImageFormat::Unknown;
}

bool HasAllPixelData(ImageFormat format, std::span<const uint8_t> bytes) {
    switch (format) {
        case ImageFormat::Png:
            return PngHasPixels(bytes);
        case ImageFormat::Bmp:
            return BmpHasPixels(bytes);
        case ImageFormat::Tga:
            return TgaHasPixels(bytes);
        case ImageFormat::Jpeg:
            return JpegHasPixels(bytes);
        default:
            return true;
    }
}

}  // namespace platform
