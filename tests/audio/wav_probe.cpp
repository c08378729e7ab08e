// Plays one second of a constant 0.5, inverts the master volume half a second
// in, and sleeps until 45 s on the platform clock, then ends without releasing
// the engine. Exits 1 when a call fails.
#include <cstdint>
#include <vector>

#include "core/clock.h"
#include "objbase.h"
#include "xaudio2.h"

// Made before the engine and freed after it has finished, as sound data is.
std::vector<int16_t> samples(24000, 16384);
// Kept to the end, never released, as the sound engine keeps its own.
IXAudio2* audio = nullptr;

int main() {
    if (CoInitializeEx(nullptr, COINIT_MULTITHREADED) != S_OK) return 1;
    void* object = nullptr;
    if (FAILED(CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2,
                                &object))) {
        return 1;
    }
    audio = static_cast<IXAudio2*>(object);
    IXAudio2MasteringVoice* master = nullptr;
    if (FAILED(audio->Initialize(0, XAUDIO2_DEFAULT_PROCESSOR)) ||
        FAILED(audio->CreateMasteringVoice(&master))) {
        return 1;
    }
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 24000, 48000, 2, 16, 0};
    IXAudio2SourceVoice* voice = nullptr;
    if (FAILED(audio->CreateSourceVoice(&voice, &format, 0, 4.0f))) return 1;
    XAUDIO2_BUFFER buffer{};
    buffer.Flags = XAUDIO2_END_OF_STREAM;
    buffer.AudioBytes = static_cast<UINT32>(samples.size() * 2);
    buffer.pAudioData = reinterpret_cast<const BYTE*>(samples.data());
    if (FAILED(voice->SubmitSourceBuffer(&buffer)) || FAILED(voice->Start())) return 1;
    platform::ClockSleep(500);
    if (FAILED(master->SetVolume(-1.0f))) return 1;
    platform::ClockSleep(44500);
    return 0;
}
