#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

bool WriteWav(const std::string& path, const Samples& samples) {
    constexpr uint32_t kChannels = 1, kBits = 16, kBlock = kChannels * kBits / 8;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * kBlock);
    std::vector<uint8_t> file;
    file.reserve(44 + dataBytes);
    PutTag(file, "RIFF");
    Put(file, 36 + dataBytes, 4);
    PutTag(file, "WAVE");
    PutTag(file, "fmt ");
    Put(file, 16, 4);  // format record size
    Put(file, 1, 2);   // PCM
    Put(file, kChannels, 2);
    Put(file, kRate, 4);
    Put(file, kRate * kBlock, 4);  // bytes per second
    Put(file, kBlock, 2);
    Put(file, kBits, 2);
    PutTag(file, "data");
    Put(file, dataBytes, 4);
    for (float s : samples) {
        const long value = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put(file, static_cast<uint32_t>(static_cast<int16_t>(value)) & 0xFFFF, 2);
    }

    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
