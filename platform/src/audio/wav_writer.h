// A 16-bit stereo WAV file written as the mix goes: after every append the
// file on disk is a complete WAV of what was written so far.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

class WavWriter {
public:
    WavWriter() = default;
    ~WavWriter();
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Creates or truncates the file and writes the header of an empty sound.
    bool Open(const std::string& path, uint32_t rate);
    bool IsOpen() const { return file_ != nullptr; }
    // Appends frames of interleaved float stereo, clamped to [-1, 1]. False when
    // the file cannot take them (a write failed, or the 4 GiB limit of the
    // format is reached); the frames that fit are kept and the file stays valid.
    bool Append(const float* stereo, size_t frames);
    uint64_t Frames() const { return frames_; }
    void Close();

private:
    bool WriteSizes();

    std::FILE* file_ = nullptr;
    uint64_t frames_ = 0;
};

}  // namespace platform
