// The source formats the mixer plays, read from a WAVEFORMATEX, and the
// decoding of one sample to a float in [-1, 1).
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "mmreg.h"

namespace platform {

enum class SampleEncoding { U8, S16, S24, S32, F32 };

struct SampleFormat {
    SampleEncoding encoding = SampleEncoding::S16;
    uint32_t channels = 1;    // 1 or 2
    uint32_t rate = 0;        // frames a second
    uint32_t blockAlign = 0;  // bytes a frame
};

// Highest source rate accepted; it keeps the mixer's position arithmetic far from overflow.
constexpr uint32_t kMaxSourceRate = 768000;

// The playable format described by format, or nothing for null, a channel count
// other than 1 or 2, a rate of 0 or above kMaxSourceRate, unsupported bits or
// tag, a block align other than channels times the sample size, or an
// extensible record whose cbSize is too short for its fields.
std::optional<SampleFormat> ReadSampleFormat(const WAVEFORMATEX* format);

// Float samples are passed through within this bound; anything not finite becomes 0,
// so a damaged file cannot poison the sum.
constexpr float kMaxFloatSample = 65536.0f;

template <SampleEncoding E>
inline float DecodeSample(const uint8_t* p) {
    if constexpr (E == SampleEncoding::U8) {
        return (static_cast<int>(p[0]) - 128) * (1.0f / 128.0f);
    } else if constexpr (E == SampleEncoding::S16) {
        int16_t v;
        std::memcpy(&v, p, 2);
        return v * (1.0f / 32768.0f);
    } else if constexpr (E == SampleEncoding::S24) {
        // Little-endian 24 bits, sign-extended through the top byte of an int32.
        int32_t v = static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 |
                                         static_cast<uint32_t>(p[1]) << 16 |
                                         static_cast<uint32_t>(p[2]) << 24);
        return static_cast<float>(v >> 8) * (1.0f / 8388608.0f);
    } else if constexpr (E == SampleEncoding::S32) {
        int32_t v;
        std::memcpy(&v, p, 4);
        return static_cast<float>(v) * (1.0f / 2147483648.0f);
    } else {
        float v;
        std::memcpy(&v, p, 4);
        if (!std::isfinite(v)) return 0.0f;
        return v < -kMaxFloatSample ? -kMaxFloatSample
                                    : (v > kMaxFloatSample ? kMaxFloatSample : v);
    }
}

// Bytes of one sample of an encoding.
constexpr uint32_t SampleBytes(SampleEncoding e) {
    switch (e) {
        case SampleEncoding::U8:
            return 1;
        case SampleEncoding::S16:
            return 2;
        case SampleEncoding::S24:
            return 3;
        default:
            return 4;
    }
}

}  // namespace platform
