// The sound commands: one-shot and ambient plays, and stopping, pausing,
// restoring and the volume of one sound or of all.
#include <ctime>

#include "core/engine_state.h"
#include "resources/sound_data.h"
#include "sound/random.h"
#include "sound/sound_engine.h"
#include "zolt.h"

namespace {

struct PlayRequest {
    const wchar_t* file;
    float volume;
    int32_t x, y, inner, outer;
    bool ambient, repeat;
    int32_t repeatCount, delay;
    bool random;
    int32_t chance;
};

bool HasPosition(int32_t x, int32_t y) {
    return int64_t{x} + y != 0;
}

uint32_t Play(const PlayRequest& r) {
    SoundEngine* sound = engine.soundEngine;
    if (sound == nullptr || r.file == nullptr) return 0;
    if (!StartAllowed(*sound, r.file)) return 0;
    SoundData* data = GetSoundData(r.file);
    if (data == nullptr || sound->audio == nullptr) return 0;

    LibrarySrand(static_cast<unsigned>(std::time(nullptr)));
    SoundEntry entry;
    entry.lastStart = timeGetTime();
    entry.data = data;
    if (FAILED(sound->audio->CreateSourceVoice(&entry.voice, data->wave->format, 0, 4.0f)))
        return 0;
    sound->soundTable.push_back(entry);
    SoundEntry& e = sound->soundTable.back();
    e.id = NewSoundId(*sound);
    e.volume = r.volume;
    e.x = r.x, e.y = r.y, e.innerRadius = r.inner, e.outerRadius = r.outer;
    e.ambient = r.ambient, e.repeat = r.repeat, e.repeatCount = r.repeatCount;
    e.delaySeconds = r.delay, e.random = r.random, e.chance = r.chance;
    e.voice->SetVolume(r.volume);
    // An ambient sound out of range waits: the next update treats it as played out.
    if (!e.ambient || e.outerRadius >= SoundDistance(*sound, e.x, e.y) || !HasPosition(e.x, e.y)) {
        e.voice->SubmitSourceBuffer(&data->buffer);
        e.voice->Start();
    }
    return e.id;
}

template <typename Action>
void ForSound(uint32_t id, Action action) {
    SoundEngine* sound = engine.soundEngine;
    if (sound == nullptr) return;
    if (std::optional<size_t> index = FindSound(*sound, id)) action(*sound, *index);
}

}  // namespace

void SoundPlay(const wchar_t* file, float volume, int x, int y, int inner, int outer) {
    Play({file, volume, x, y, inner, outer, false, false, 0, 0, false, 0});
}

uint32_t FonSoundPlay(const wchar_t* file, float volume, int x, int y, int inner, int outer,
                      bool repeat, int repeatCount, int delay, bool random, int chance) {
    return Play(
        {file, volume, x, y, inner, outer, true, repeat, repeatCount, delay, random, chance});
}

void SoundsStop() {
    SoundEngine* sound = engine.soundEngine;
    while (sound && !sound->soundTable.empty()) {
        sound->soundTable.front().voice->Stop();
        RemoveSound(*sound, 0);
    }
}

void SoundStop(uint32_t id) {
    ForSound(id, [](SoundEngine& sound, size_t i) {
        sound.soundTable[i].voice->Stop();
        RemoveSound(sound, i);
    });
}

void SoundsPause() {
    if (SoundEngine* sound = engine.soundEngine) {
        for (SoundEntry& e : sound->soundTable) e.voice->Stop();
    }
}

void SoundPause(uint32_t id) {
    ForSound(id, [](SoundEngine& sound, size_t i) { sound.soundTable[i].voice->Stop(); });
}

void SoundsRestore() {
    if (SoundEngine* sound = engine.soundEngine) {
        for (SoundEntry& e : sound->soundTable) e.voice->Start();
    }
}

void SoundRestore(uint32_t id) {
    ForSound(id, [](SoundEngine& sound, size_t i) { sound.soundTable[i].voice->Start(); });
}

void SetSoundsVolume(float volume) {
    SoundEngine* sound = engine.soundEngine;
    if (sound && sound->masterVoice) sound->masterVoice->SetVolume(volume);
}

void SetSoundVolume(uint32_t id, float volume) {
    ForSound(id, [volume](SoundEngine& sound, size_t i) {
        sound.soundTable[i].voice->SetVolume(volume);
    });
}

bool GetSoundState(uint32_t id) {
    SoundEngine* sound = engine.soundEngine;
    return sound && id != 0 && SoundExists(*sound, id);
}
