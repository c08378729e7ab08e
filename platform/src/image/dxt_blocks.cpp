#include "image/dxt_blocks.h"

#include "image/byte_fields.h"

namespace platform {
namespace {

struct Rgb {
    int r, g, b;
};

Rgb From565(uint16_t c) {
    const int r = c >> 11 & 0x1F, g = c >> 5 & 0x3F, b = c & 0x1F;
    return {r << 3 | r >> 2, g << 2 | g >> 4, b << 3 | b >> 2};
}

// (wa * a + wb * b) / (wa + wb), truncated, channel by channel.
Rgb Blend(Rgb a, int wa, Rgb b, int wb) {
    const int sum = wa + wb;
    return {(wa * a.r + wb * b.r) / sum, (wa * a.g + wb * b.g) / sum, (wa * a.b + wb * b.b) / sum};
}

// The colour half of every block: two 5:6:5 end points and 2-bit indices. When
// the first end point is not above the second and the block may use it (DXT1),
// index 2 is their mean and index 3 is transparent black.
void DecodeColors(std::span<const uint8_t> block, bool allowTransparent, BlockPixels& out) {
    const uint16_t c0 = ReadU16(block, 0), c1 = ReadU16(block, 2);
    const Rgb e0 = From565(c0), e1 = From565(c1);
    std::array<Rgb, 4> palette{e0, e1, Blend(e0, 2, e1, 1), Blend(e0, 1, e1, 2)};
    std::array<uint8_t, 4> alpha{255, 255, 255, 255};
    if (c0 <= c1 && allowTransparent) {
        palette[2] = Blend(e0, 1, e1, 1);
        palette[3] = {0, 0, 0};
        alpha[3] = 0;
    }
    const uint32_t indices = ReadU32(block, 4);
    for (int i = 0; i < 16; ++i) {
        const uint32_t index = indices >> (2 * i) & 3;
        out[4 * i] = static_cast<uint8_t>(palette[index].r);
        out[4 * i + 1] = static_cast<uint8_t>(palette[index].g);
        out[4 * i + 2] = static_cast<uint8_t>(palette[index].b);
        out[4 * i + 3] = alpha[index];
    }
}

// DXT3 alpha: 4 bits a pixel, scaled to 8 bits.
void DecodeExplicitAlpha(std::span<const uint8_t> block, BlockPixels& out) {
    for (int i = 0; i < 16; ++i) {
        const int nibble = block[i / 2] >> (4 * (i % 2)) & 0xF;
        out[4 * i + 3] = static_cast<uint8_t>(nibble * 17);
    }
}

// DXT5 alpha: two end points and 3-bit indices. With the first end point above
// the second, six values lie between them; otherwise four do, and indices 6
// and 7 are 0 and 255.
void DecodeInterpolatedAlpha(std::span<const uint8_t> block, BlockPixels& out) {
    const int a0 = block[0], a1 = block[1];
    std::array<int, 8> values{a0, a1};
    if (a0 > a1) {
        for (int i = 1; i <= 6; ++i) values[1 + i] = ((7 - i) * a0 + i * a1) / 7;
    } else {
        for (int i = 1; i <= 4; ++i) values[1 + i] = ((5 - i) * a0 + i * a1) / 5;
        values[6] = 0;
        values[7] = 255;
    }
    uint64_t indices = 0;
    for (int i = 0; i < 6; ++i) indices |= uint64_t{block[2 + i]} << (8 * i);
    for (int i = 0; i < 16; ++i)
        out[4 * i + 3] = static_cast<uint8_t>(values[indices >> (3 * i) & 7]);
}

}  // namespace

size_t DxtBlockBytes(DxtFormat format) {
    return format == DxtFormat::Dxt1 ? 8 : 16;
}

BlockPixels DecodeDxtBlock(DxtFormat format, std::span<const uint8_t> block) {
    BlockPixels out{};
    switch (format) {
        case DxtFormat::Dxt1:
            DecodeColors(block, true, out);
            break;
        case DxtFormat::Dxt3:
            DecodeColors(block.subspan(8), false, out);
            DecodeExplicitAlpha(block, out);
            break;
        case DxtFormat::Dxt5:
            DecodeColors(block.subspan(8), false, out);
            DecodeInterpolatedAlpha(block, out);
            break;
    }
    return out;
}

}  // namespace platform
