// The per-frame pass over the sound table: played-out sounds leave or wait for
// their replay; playing positional sounds fade with the listener's distance.
#include "core/engine_state.h"
#include "resources/sound_data.h"
#include "sound/random.h"
#include "sound/sound_engine.h"
#include "zolt.h"

namespace {

bool HasPosition(const SoundEntry& e) {
    return int64_t{e.x} + e.y != 0;
}

void Replay(SoundEntry& e) {
    e.voice->SubmitSourceBuffer(&e.data->buffer);
    e.voice->Start();
}

// Returns whether the entry was removed.
bool UpdatePlayedOut(SoundEngine& sound, size_t i) {
    SoundEntry& e = sound.soundTable[i];
    if (e.repeatCount > 0 && --e.repeatCount == 0) e.repeat = false;
    if (!e.repeat) {
        RemoveSound(sound, i);
        return true;
    }
    if (e.delaySeconds < 0) return false;
    if (uint64_t{timeGetTime() - e.lastStart} < uint64_t(e.delaySeconds) * 1000) return false;
    if (e.outerRadius >= SoundDistance(sound, e.x, e.y) || !HasPosition(e)) {
        if (e.random) {
            if (e.chance >= sound.roll) Replay(e);
            sound.roll = LibraryRand() % 100;
        } else {
            Replay(e);
        }
    }
    e.lastStart = timeGetTime();
    return false;
}

void Fade(const SoundEngine& sound, SoundEntry& e) {
    int32_t d = SoundDistance(sound, e.x, e.y);
    float volume;
    if (d >= e.outerRadius)
        volume = 0;
    else if (d <= e.innerRadius)
        volume = e.volume;
    else {
        double span = double(e.outerRadius) - e.innerRadius;
        volume = static_cast<float>(e.volume - (double(d) - e.innerRadius) * e.volume / span);
    }
    e.voice->SetVolume(volume);
}

}  // namespace

void UpdateSounds(SoundEngine& sound) {
    size_t n = sound.soundTable.size();
    for (size_t i = 0; i < n;) {
        XAUDIO2_VOICE_STATE state{};
        sound.soundTable[i].voice->GetState(&state);
        if (state.BuffersQueued == 0) {
            if (UpdatePlayedOut(sound, i)) {
                --n;
                continue;  // slot i now holds the entry that was last
            }
        } else if (sound.attenuate && HasPosition(sound.soundTable[i])) {
            Fade(sound, sound.soundTable[i]);
        }
        ++i;
    }
}
