#include "sound/sound_engine.h"

#include <objbase.h>

#include <cmath>
#include <ctime>

#include "core/engine_state.h"
#include "resources/sound_data.h"
#include "sound/random.h"
#include "zolt.h"

SoundEngine* CreateSoundEngine(int32_t startsPerSecond, bool attenuate) {
    auto* sound = new SoundEngine;
    LibrarySrand(static_cast<unsigned>(std::time(nullptr)));
    sound->listenerX = 1000;
    sound->listenerY = 1000;
    sound->roll = LibraryRand() % 100;
    sound->startsPerSecond = startsPerSecond;
    // COM already set up on this thread (S_FALSE) serves as well as a first set-up.
    HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (com == S_OK || com == S_FALSE) {
        IXAudio2* audio = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2,
                                       reinterpret_cast<void**>(&audio)))) {
            if (SUCCEEDED(audio->Initialize(0, XAUDIO2_ANY_PROCESSOR))) {
                sound->audio = audio;
                if (FAILED(audio->CreateMasteringVoice(&sound->masterVoice)))
                    sound->masterVoice = nullptr;
            } else {
                audio->Release();
            }
        }
    }
    sound->attenuate = attenuate;
    return sound;
}

void DestroySoundEngine(SoundEngine* sound) {
    if (sound == nullptr) return;
    while (!sound->soundTable.empty()) {
        sound->soundTable.front().voice->Stop();
        RemoveSound(*sound, 0);
    }
    if (sound->masterVoice) sound->masterVoice->DestroyVoice();
    if (sound->audio) sound->audio->Release();
    delete sound;
}

void SoundEngineIni(int startsPerSecond, bool attenuate) {
    // The engine it replaces stops its sounds and goes.
    DestroySoundEngine(engine.soundEngine);
    engine.soundEngine = CreateSoundEngine(startsPerSecond, attenuate);
}

void SetSoundListener(int x, int y) {
    if (SoundEngine* sound = engine.soundEngine) {
        sound->listenerX = x;
        sound->listenerY = y;
    }
}

std::optional<size_t> FindSound(const SoundEngine& sound, uint32_t id) {
    for (size_t i = 0; i < sound.soundTable.size(); ++i) {
        if (sound.soundTable[i].id == id) return i;
    }
    return std::nullopt;
}

bool SoundExists(const SoundEngine& sound, uint32_t id) {
    return FindSound(sound, id).has_value();
}

void RemoveSound(SoundEngine& sound, size_t index) {
    std::vector<SoundEntry>& table = sound.soundTable;
    if (index >= table.size()) return;
    if (table[index].voice) table[index].voice->DestroyVoice();
    if (index + 1 < table.size()) table[index] = table.back();
    table.pop_back();
}

int32_t SoundDistance(const SoundEngine& sound, int32_t x, int32_t y) {
    // In 64 bits, so no position makes the squares overflow.
    int64_t dx = std::llabs(int64_t{x} - sound.listenerX);
    int64_t dy = std::llabs(int64_t{y} - sound.listenerY);
    auto root = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    return root >= 2147483647.0f ? INT32_MAX : static_cast<int32_t>(root);
}

bool StartAllowed(const SoundEngine& sound, const wchar_t* name) {
    if (sound.startsPerSecond <= 0) return true;
    uint32_t gap = static_cast<uint32_t>(1000 / sound.startsPerSecond);
    uint32_t now = timeGetTime();
    for (const SoundEntry& entry : sound.soundTable) {
        if (entry.data->name == name && now - entry.lastStart < gap) return false;
    }
    return true;
}

uint32_t NewSoundId(const SoundEngine& sound) {
    uint32_t id = timeGetTime();
    // 0 is taken by the new entry itself, so the id is never 0.
    while (id == 0 || SoundExists(sound, id)) id += static_cast<uint32_t>(LibraryRand());
    return id;
}
