#include "cursor/cursor_dib.h"

#include <algorithm>

#include "image/byte_fields.h"

namespace platform {
namespace {

constexpr uint32_t kMinHeaderSize = 40;
constexpr int kMaxCursorSide = 256;

// Where the parts of the bitmap lie, from a header already checked.
struct DibLayout {
    DibInfo info;
    size_t paletteAt = 0;
    size_t colors = 0;  // palette entries
    size_t colorAt = 0;
    size_t colorStride = 0;
    size_t maskAt = 0;
    size_t maskStride = 0;
};

std::optional<DibLayout> LayoutOf(std::span<const uint8_t> dib) {
    if (!HasBytes(dib, 0, kMinHeaderSize)) return std::nullopt;
    const uint32_t headerSize = ReadU32(dib, 0);
    const auto width = static_cast<int32_t>(ReadU32(dib, 4));
    const auto doubleHeight = static_cast<int32_t>(ReadU32(dib, 8));
    const int bitCount = ReadU16(dib, 14);
    const uint32_t compression = ReadU32(dib, 16), colorsUsed = ReadU32(dib, 32);
    if (headerSize < kMinHeaderSize || headerSize > dib.size() || compression != 0)
        return std::nullopt;
    if (width < 1 || width > kMaxCursorSide || doubleHeight < 2 ||
        doubleHeight > 2 * kMaxCursorSide || doubleHeight % 2 != 0)
        return std::nullopt;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return std::nullopt;

    DibLayout layout;
    layout.info = {width, doubleHeight / 2, bitCount};
    layout.paletteAt = headerSize;
    if (bitCount <= 8) {
        const size_t full = size_t{1} << bitCount;
        layout.colors = colorsUsed == 0 ? full : colorsUsed;
        if (layout.colors > full) return std::nullopt;
    }
    const auto height = size_t(layout.info.height);
    layout.colorAt = layout.paletteAt + layout.colors * 4;
    layout.colorStride = (size_t(width) * bitCount + 31) / 32 * 4;
    layout.maskAt = layout.colorAt + layout.colorStride * height;
    layout.maskStride = (size_t(width) + 31) / 32 * 4;
    if (!HasBytes(dib, layout.maskAt, layout.maskStride * height)) return std::nullopt;
    return layout;
}

// The bitCount-wide value at pixel x of a row, first pixel in the high bits.
uint32_t PackedIndex(std::span<const uint8_t> row, int x, int bitCount) {
    const size_t bit = size_t(x) * bitCount;
    const int shift = 8 - bitCount - int(bit % 8);
    return row[bit / 8] >> shift & ((1u << bitCount) - 1);
}

}  // namespace

std::optional<DibInfo> ReadCursorDibInfo(std::span<const uint8_t> dib) {
    const auto layout = LayoutOf(dib);
    if (!layout) return std::nullopt;
    return layout->info;
}

std::optional<std::vector<uint8_t>> DecodeCursorDib(std::span<const uint8_t> dib) {
    const auto layout = LayoutOf(dib);
    if (!layout) return std::nullopt;
    const auto [width, height, bitCount] = layout->info;
    std::vector<uint8_t> rgba(size_t(width) * height * 4);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const size_t fromBottom = size_t(height - 1 - y);
        const auto row =
            dib.subspan(layout->colorAt + fromBottom * layout->colorStride, layout->colorStride);
        for (int x = 0; x < width; ++x) {
            uint8_t* out = &rgba[(size_t(y) * width + x) * 4];
            const uint8_t* bgr;
            if (bitCount <= 8) {
                const uint32_t index = PackedIndex(row, x, bitCount);
                if (index >= layout->colors) return std::nullopt;
                bgr = &dib[layout->paletteAt + index * 4];
                out[3] = 255;
            } else {
                bgr = &row[size_t(x) * (bitCount / 8)];
                out[3] = bitCount == 32 ? bgr[3] : 255;
                anyAlpha = anyAlpha || out[3] != 0;
            }
            out[0] = bgr[2];
            out[1] = bgr[1];
            out[2] = bgr[0];
        }
    }
    if (bitCount == 32 && anyAlpha) return rgba;
    for (int y = 0; y < height; ++y) {
        const size_t fromBottom = size_t(height - 1 - y);
        const auto mask =
            dib.subspan(layout->maskAt + fromBottom * layout->maskStride, layout->maskStride);
        for (int x = 0; x < width; ++x) {
            rgba[(size_t(y) * width + x) * 4 + 3] = PackedIndex(mask, x, 1) ? 0 : 255;
        }
    }
    return rgba;
}

}  // namespace platform
