#include "audio/output.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "core/clock.h"
#include "core/settings.h"

namespace platform {
namespace {

constexpr size_t kChunkFrames = 4096;

void PullMix(void* user, Uint8* stream, int bytes) {
    auto* out = reinterpret_cast<float*>(stream);
    size_t frames = static_cast<size_t>(bytes) / (2 * sizeof(float));
    static_cast<AudioOutput*>(user)->mix().Mix(out, frames);
    for (size_t i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace

uint64_t FramesDue(ClockPacer& pacer, uint32_t nowMs) {
    pacer.elapsedMs += static_cast<uint32_t>(nowMs - pacer.lastMs);
    pacer.lastMs = nowMs;
    uint64_t target = pacer.elapsedMs * pacer.rate / 1000;
    uint64_t due = target - pacer.framesDone;
    pacer.framesDone = target;
    return due;
}

bool AudioOutput::OpenDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec want{};
    want.freq = kDefaultOutputRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = PullMix;
    want.userdata = this;
    SDL_AudioSpec have{};
    SDL_AudioDeviceID id =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (id == 0 || have.freq <= 0) {
        if (id != 0) SDL_CloseAudioDevice(id);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // The device opens paused: the callback runs only once the mixer exists.
    mixer_ = std::make_unique<Mixer>(static_cast<uint32_t>(have.freq));
    device_ = id;
    SDL_PauseAudioDevice(id, 0);
    return true;
}

void AudioOutput::OpenClocked() {
    mixer_ = std::make_unique<Mixer>(kDefaultOutputRate);
    pacer_.rate = kDefaultOutputRate;
    pacer_.lastMs = ClockNow();
    const Settings& settings = GetSettings();
    if (settings.audio != AudioSetting::Wav) return;
    if (wav_.Open(settings.audioFile, kDefaultOutputRate)) {
        scratch_.resize(2 * kChunkFrames);
    } else {
        std::fprintf(stderr, "zolt: ZOLT_AUDIO: cannot write '%s'; the mix is not recorded\n",
                     settings.audioFile.c_str());
    }
}

void AudioOutput::CatchUp() {
    if (device_ != 0) return;
    std::lock_guard<std::mutex> guard(pacing_);
    if (finished_) return;
    uint64_t due = FramesDue(pacer_, ClockNow());
    if (due == 0) return;
    while (due > 0 && wav_.IsOpen()) {
        size_t n = static_cast<size_t>(std::min<uint64_t>(due, kChunkFrames));
        mixer_->Mix(scratch_.data(), n);
        due -= n;
        if (!wav_.Append(scratch_.data(), n)) {
            std::fprintf(stderr,
                         "zolt: ZOLT_AUDIO: cannot write more to '%s' (write failed or WAV "
                         "size limit reached); recording stops here\n",
                         GetSettings().audioFile.c_str());
            wav_.Close();
        }
    }
    if (due > 0) mixer_->Skip(static_cast<size_t>(due));
}

void AudioOutput::Finish() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);  // waits for a running callback
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        device_ = 0;
    } else {
        CatchUp();
    }
    std::lock_guard<std::mutex> guard(pacing_);
    wav_.Close();
    finished_ = true;
}

AudioOutput* OpenAudioOutput() {
    static std::mutex opening;
    // Never freed: voices may still be destroyed by other code as the process
    // ends, after the output has finished.
    static AudioOutput* output = nullptr;
    std::lock_guard<std::mutex> guard(opening);
    if (output) return output;
    std::unique_ptr<AudioOutput> made(new AudioOutput());
    AudioSetting setting = GetSettings().audio;
    if (setting == AudioSetting::Device || setting == AudioSetting::Auto) {
        if (!made->OpenDevice() && setting == AudioSetting::Device) return nullptr;
    }
    if (!made->mixer_) made->OpenClocked();
    output = made.release();
    // Finishes the output as the process ends. Made now, so it runs before the
    // teardown of anything that existed when the output opened, such as sound
    // data that voices still read.
    struct Finisher {
        AudioOutput* output;
        ~Finisher() { output->Finish(); }
    };
    static Finisher finisher{output};
    return output;
}

}  // namespace platform
