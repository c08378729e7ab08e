// Builds small RIFF files byte by byte, including broken ones.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace riff {

inline std::string Le16(uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

inline std::string Le32(uint32_t v) {
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}

// A chunk whose header declares size, whatever the body holds; no pad byte.
inline std::string ChunkDeclaring(const std::string& id, uint32_t size, const std::string& body) {
    return id + Le32(size) + body;
}

// A well-formed chunk, with its pad byte when the body's length is odd.
inline std::string Chunk(const std::string& id, const std::string& body) {
    std::string chunk = ChunkDeclaring(id, static_cast<uint32_t>(body.size()), body);
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

// A RIFF (or other) outer chunk with its form type and sub-chunks.
inline std::string Riff(const std::string& chunks, const std::string& form = "WAVE",
                        const std::string& id = "RIFF") {
    return Chunk(id, form + chunks);
}

// The 16 bytes every "fmt " chunk starts with.
inline std::string Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

// Writes bytes to a fresh file in the test's temporary folder; returns its path.
inline std::string WriteTemp(const std::string& name, const std::string& bytes) {
    auto dir = std::filesystem::path(testing::TempDir()) / "zolt-riff";
    std::filesystem::create_directories(dir);
    auto path = dir / name;
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

}  // namespace riff
