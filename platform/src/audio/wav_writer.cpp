#include "audio/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

constexpr uint32_t kHeaderBytes = 44;
constexpr uint32_t kFrameBytes = 4;
// The RIFF size field counts everything after its own 8 bytes.
constexpr uint64_t kMaxFrames = (0xFFFFFFFFull - (kHeaderBytes - 8)) / kFrameBytes;

void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void PutU32(uint8_t* p, uint32_t v) {
    PutU16(p, static_cast<uint16_t>(v));
    PutU16(p + 2, static_cast<uint16_t>(v >> 16));
}

int16_t ToPcm16(float v) {
    if (!(v == v)) return 0;  // NaN
    v = std::clamp(v, -1.0f, 1.0f);
    return static_cast<int16_t>(std::lrint(v * 32767.0f));
}

}  // namespace

WavWriter::~WavWriter() {
    Close();
}

bool WavWriter::Open(const std::string& path, uint32_t rate) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    frames_ = 0;
    uint8_t h[kHeaderBytes];
    std::memcpy(h, "RIFF", 4);
    PutU32(h + 4, kHeaderBytes - 8);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    PutU32(h + 16, 16);
    PutU16(h + 20, 1);  // PCM
    PutU16(h + 22, 2);
    PutU32(h + 24, rate);
    PutU32(h + 28, rate * kFrameBytes);
    PutU16(h + 32, kFrameBytes);
    PutU16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    PutU32(h + 40, 0);
    if (std::fwrite(h, 1, sizeof h, file_) != sizeof h || std::fflush(file_) != 0) {
        Close();
        return false;
    }
    return true;
}

bool WavWriter::Append(const float* stereo, size_t frames) {
    if (!file_) return false;
    size_t room = static_cast<size_t>(kMaxFrames - frames_);
    size_t take = std::min(frames, room);
    uint8_t block[4096 * kFrameBytes];
    size_t done = 0;
    bool ok = true;
    while (done < take && ok) {
        size_t n = std::min<size_t>(take - done, 4096);
        for (size_t i = 0; i < 2 * n; ++i) {
            PutU16(block + 2 * i, static_cast<uint16_t>(ToPcm16(stereo[2 * done + i])));
        }
        size_t written = std::fwrite(block, kFrameBytes, n, file_);
        frames_ += written;
        done += written;
        ok = written == n;
    }
    ok = WriteSizes() && ok;
    return ok && take == frames;
}

bool WavWriter::WriteSizes() {
    uint32_t dataBytes = static_cast<uint32_t>(frames_ * kFrameBytes);
    uint8_t riff[4], data[4];
    PutU32(riff, dataBytes + kHeaderBytes - 8);
    PutU32(data, dataBytes);
    bool ok = std::fseek(file_, 4, SEEK_SET) == 0 && std::fwrite(riff, 1, 4, file_) == 4 &&
              std::fseek(file_, 40, SEEK_SET) == 0 && std::fwrite(data, 1, 4, file_) == 4 &&
              std::fseek(file_, 0, SEEK_END) == 0;
    return std::fflush(file_) == 0 && ok;
}

void WavWriter::Close() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
}

}  // namespace platform
