// The mixer: source voices that read queued sample buffers in place, each
// converted, resampled (linear interpolation) and scaled by its own volume and
// its bus's, summed into interleaved float stereo at the output rate.
// Every member function takes the mixer's lock, so the output's thread may mix
// while others change voices; once RemoveVoice returns, nothing reads that
// voice's buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/sample_format.h"
#include "xaudio2.h"

namespace platform {

// What a mastering voice is to the mixer: a volume over the voices it feeds.
struct MixBus {
    float volume = 1.0f;
    size_t voices = 0;
};

struct QueuedBuffer {
    const uint8_t* data = nullptr;  // the first frame to play
    uint32_t frames = 0;
    void* context = nullptr;
};

struct StereoFrame {
    float left = 0.0f;
    float right = 0.0f;
};

// Decodes one frame of a voice's format.
using DecodeFrameFn = StereoFrame (*)(const uint8_t* frame);
// Mixes frames of a voice's front buffer while its position is before last,
// the start of the buffer's last frame.
using MixSpanFn = size_t (*)(const uint8_t* data, uint64_t& position, uint64_t step, uint64_t last,
                             float gain, float* out, size_t frames);

struct MixVoice {
    MixBus* bus = nullptr;
    SampleFormat format;
    MixSpanFn span = nullptr;
    DecodeFrameFn decode = nullptr;
    float volume = 1.0f;
    bool started = false;
    uint64_t step = 0;        // source frames per output frame, 32.32 fixed point
    uint64_t position = 0;    // in the front buffer, 32.32 fixed point
    uint64_t framesDone = 0;  // frames of buffers already played out
    std::deque<QueuedBuffer> queue;
};

struct MixVoiceState {
    void* context = nullptr;  // of the buffer playing or next to play
    uint32_t queued = 0;
    uint64_t samplesPlayed = 0;
};

class Mixer {
public:
    explicit Mixer(uint32_t outputRate);
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    uint32_t OutputRate() const { return rate_; }

    MixBus* AddBus();
    // False, keeping the bus, while voices still feed it.
    bool RemoveBus(MixBus* bus);

    MixVoice* AddVoice(MixBus* bus, const SampleFormat& format);
    void RemoveVoice(MixVoice* voice);

    // The volume of a bus or of a voice.
    template <class Node>
    void SetVolume(Node* node, float volume) {
        std::lock_guard<std::mutex> guard(lock_);
        node->volume = volume;
    }
    template <class Node>
    float Volume(Node* node) {
        std::lock_guard<std::mutex> guard(lock_);
        return node->volume;
    }

    void Start(MixVoice* voice);
    void Stop(MixVoice* voice);
    // S_OK, or XAUDIO2_E_INVALID_CALL for a buffer without a whole frame, a play
    // range beyond its data, or a full queue.
    HRESULT Submit(MixVoice* voice, const XAUDIO2_BUFFER& buffer);
    void Flush(MixVoice* voice);
    MixVoiceState State(MixVoice* voice);

    // Writes the next frames of the mix (2 floats each) over out.
    void Mix(float* out, size_t frames);
    // Moves every playing voice on by frames without computing the mix.
    void Skip(size_t frames);

private:
    std::mutex lock_;
    uint32_t rate_;
    std::vector<std::unique_ptr<MixBus>> buses_;
    std::vector<std::unique_ptr<MixVoice>> voices_;
};

}  // namespace platform
