// Where the mix goes: an SDL audio device that pulls it, or, with no device,
// the platform clock, which the mix follows (skipped, or written to a WAV file)
// each time an audio call catches it up.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "audio/mixer.h"
#include "audio/wav_writer.h"

namespace platform {

constexpr uint32_t kDefaultOutputRate = 48000;

// How far a clock-driven mix is behind the clock.
struct ClockPacer {
    uint32_t rate = kDefaultOutputRate;
    uint32_t lastMs = 0;
    uint64_t elapsedMs = 0;  // since the start, across the clock's 32-bit wrap
    uint64_t framesDone = 0;
};

// The frames the mix owes at clock reading nowMs, counted as done.
uint64_t FramesDue(ClockPacer& pacer, uint32_t nowMs);

class AudioOutput {
public:
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    Mixer& mix() { return *mixer_; }
    // Brings a clock-driven mix up to the clock's reading; nothing for a device.
    void CatchUp();
    // Brings the mix up to the clock a last time, completes a WAV file and
    // closes a device; the mix stands still from then on.
    void Finish();

private:
    friend AudioOutput* OpenAudioOutput();
    AudioOutput() = default;
    bool OpenDevice();
    void OpenClocked();

    std::unique_ptr<Mixer> mixer_;
    uint32_t device_ = 0;  // SDL audio device id; 0 when the clock drives the mix
    std::mutex pacing_;
    ClockPacer pacer_;
    WavWriter wav_;
    std::vector<float> scratch_;
    bool finished_ = false;
};

// The process's output, opened on first call as the audio setting says and
// finished as the process ends, when a WAV file is completed up to the clock.
// Null when the device was asked for and none opens; a later call tries again.
AudioOutput* OpenAudioOutput();

}  // namespace platform
