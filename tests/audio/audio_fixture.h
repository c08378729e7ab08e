// Small builders shared by the audio tests: formats, sample buffers, sines.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>

#include "mmreg.h"
#include "xaudio2.h"

namespace audio_test {

inline WAVEFORMATEXTENSIBLE MakeFormat(WORD tag, WORD channels, WORD bits, DWORD rate = 48000) {
    WAVEFORMATEXTENSIBLE f{};
    f.Format.wFormatTag = tag;
    f.Format.nChannels = channels;
    f.Format.nSamplesPerSec = rate;
    f.Format.wBitsPerSample = bits;
    f.Format.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    f.Format.nAvgBytesPerSec = rate * f.Format.nBlockAlign;
    if (tag == WAVE_FORMAT_EXTENSIBLE) {
        f.Format.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
        f.wValidBitsPerSample = bits;
        f.SubFormat = KSDATAFORMAT_SUBTYPE_PCM;
    }
    return f;
}

inline std::vector<uint8_t> Pcm16Bytes(const std::vector<int16_t>& samples) {
    std::vector<uint8_t> bytes(samples.size() * 2);
    std::memcpy(bytes.data(), samples.data(), bytes.size());
    return bytes;
}

// A mono 16-bit sine of the given frequency, rate and length in frames.
inline std::vector<int16_t> Sine16(double frequency, double rate, size_t frames,
                                   double amplitude = 0.5) {
    std::vector<int16_t> s(frames);
    for (size_t i = 0; i < frames; ++i) {
        s[i] = static_cast<int16_t>(std::lrint(
            32767.0 * amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate)));
    }
    return s;
}

inline XAUDIO2_BUFFER WholeBuffer(const std::vector<uint8_t>& bytes, void* context = nullptr) {
    XAUDIO2_BUFFER b{};
    b.Flags = XAUDIO2_END_OF_STREAM;
    b.AudioBytes = static_cast<UINT32>(bytes.size());
    b.pAudioData = bytes.data();
    b.pContext = context;
    return b;
}

}  // namespace audio_test
