// The sound engine: the audio engine and its mastering voice, the table of
// sounds playing, paused or waiting to be replayed, the listener, the start-rate
// limit per file name, and the roll that decides random replays.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <xaudio2.h>

struct SoundData;

struct SoundEntry {
    uint32_t id = 0;  // never 0 once given
    SoundData* data = nullptr;
    int32_t x = 0;
    int32_t y = 0;
    IXAudio2SourceVoice* voice = nullptr;  // destroyed when the entry leaves the table
    bool ambient = false;
    float volume = 1;
    int32_t outerRadius = 0;
    int32_t innerRadius = 0;
    bool repeat = false;
    int32_t repeatCount = 0;
    int32_t delaySeconds = 0;
    uint32_t lastStart = 0;
    bool random = false;
    int32_t chance = 0;
};

struct SoundEngine {
    IXAudio2* audio = nullptr;
    IXAudio2MasteringVoice* masterVoice = nullptr;
    std::vector<SoundEntry> soundTable;
    bool attenuate = false;
    int32_t listenerX = 1000;
    int32_t listenerY = 1000;
    int32_t startsPerSecond = 10;
    int32_t roll = 0;  // 0 to 99
};

// A new engine with the given limit and fading; its audio when it can be had.
SoundEngine* CreateSoundEngine(int32_t startsPerSecond, bool attenuate);
// Stops and destroys every voice, then lets go of the audio engine.
void DestroySoundEngine(SoundEngine* engine);

std::optional<size_t> FindSound(const SoundEngine& engine, uint32_t id);
bool SoundExists(const SoundEngine& engine, uint32_t id);
void RemoveSound(SoundEngine& engine, size_t index);
// Distance of (x, y) from the listener, in whole pixels.
int32_t SoundDistance(const SoundEngine& engine, int32_t x, int32_t y);
// Whether a sound of this file may start now under the start-rate limit.
bool StartAllowed(const SoundEngine& engine, const wchar_t* name);
uint32_t NewSoundId(const SoundEngine& engine);

// One pass of the table: removes played-out sounds, replays repeating ones and
// fades playing ones by distance.
void UpdateSounds(SoundEngine& engine);
