// A cursor file is a directory of images: a 6-byte header (reserved 0, type 2,
// image count), a 16-byte entry per image (width, height, colour count,
// reserved, hotspot x and y, byte size, offset), then the images themselves.
#include "cursor/cursor_file.h"

#include "cursor/cursor_dib.h"
#include "image/byte_fields.h"
#include "image/image_decode.h"
#include "image/image_format.h"

namespace platform {
namespace {

constexpr size_t kDirectorySize = 6, kEntrySize = 16;
constexpr uint16_t kCursorType = 2;

struct CursorEntry {
    int width = 0;
    int height = 0;
    int hotspotX = 0;
    int hotspotY = 0;
    int bitCount = 0;
    bool png = false;
    std::span<const uint8_t> image;
};

// An entry whose image lies inside the file and agrees with the entry's size.
std::optional<CursorEntry> ReadEntry(std::span<const uint8_t> bytes, size_t at) {
    CursorEntry entry;
    entry.width = bytes[at] == 0 ? 256 : bytes[at];  // 0 stands for 256
    entry.height = bytes[at + 1] == 0 ? 256 : bytes[at + 1];
    entry.hotspotX = ReadU16(bytes, at + 4);
    entry.hotspotY = ReadU16(bytes, at + 6);
    const uint32_t size = ReadU32(bytes, at + 8), offset = ReadU32(bytes, at + 12);
    if (!HasBytes(bytes, offset, size)) return std::nullopt;
    if (entry.hotspotX >= entry.width || entry.hotspotY >= entry.height) return std::nullopt;
    entry.image = bytes.subspan(offset, size);
    entry.png = DetectImageFormat(entry.image) == ImageFormat::Png;
    if (entry.png) {
        // The size in the header chunk, checked before anything is decoded.
        if (!HasBytes(entry.image, 16, 8) ||
            ReadU32BigEndian(entry.image, 16) != uint32_t(entry.width) ||
            ReadU32BigEndian(entry.image, 20) != uint32_t(entry.height))
            return std::nullopt;
        entry.bitCount = 32;
        return entry;
    }
    const auto dib = ReadCursorDibInfo(entry.image);
    if (!dib || dib->width != entry.width || dib->height != entry.height) return std::nullopt;
    entry.bitCount = dib->bitCount;
    return entry;
}

std::optional<std::vector<uint8_t>> DecodeEntry(const CursorEntry& entry) {
    if (!entry.png) return DecodeCursorDib(entry.image);
    auto image = DecodeImage(entry.image);
    if (!image || image->width != entry.width || image->height != entry.height) return std::nullopt;
    return std::move(image->rgba);
}

}  // namespace

std::optional<CursorImage> ParseCursorFile(std::span<const uint8_t> bytes) {
    if (!HasBytes(bytes, 0, kDirectorySize) || ReadU16(bytes, 0) != 0 ||
        ReadU16(bytes, 2) != kCursorType)
        return std::nullopt;
    const size_t count = ReadU16(bytes, 4);
    if (count == 0 || !HasBytes(bytes, kDirectorySize, count * kEntrySize)) return std::nullopt;

    std::optional<CursorEntry> best;
    for (size_t i = 0; i < count; ++i) {
        const auto entry = ReadEntry(bytes, kDirectorySize + i * kEntrySize);
        if (!entry) return std::nullopt;
        const int area = entry->width * entry->height;
        if (!best || area > best->width * best->height ||
            (area == best->width * best->height && entry->bitCount > best->bitCount))
            best = entry;
    }
    auto rgba = DecodeEntry(*best);
    if (!rgba) return std::nullopt;
    return CursorImage{best->width, best->height, best->hotspotX, best->hotspotY, std::move(*rgba)};
}

}  // namespace platform
