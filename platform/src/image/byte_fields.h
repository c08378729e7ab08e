// Little- and big-endian fields of a file held in memory. Callers check the range with
// HasBytes before reading, so a read never leaves the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

inline bool HasBytes(std::span<const uint8_t> bytes, size_t offset, size_t count) {
    return offset <= bytes.size() && count <= bytes.size() - offset;
}

inline uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

inline uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

inline uint16_t ReadU16BigEndian(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

inline uint32_t ReadU32BigEndian(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) << 24 |
           static_cast<uint32_t>(bytes[offset + 1]) << 16 |
           static_cast<uint32_t>(bytes[offset + 2]) << 8 | static_cast<uint32_t>(bytes[offset + 3]);
}

}  // namespace platform
