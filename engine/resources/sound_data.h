// The sound data registry: WAV file names to their whole sample data in memory,
// their format, and one buffer description every voice of the sound shares.
#pragma once

#include <string>

#include <xaudio2.h>

#include "resources/wave_file.h"

struct SoundData {
    std::wstring name;         // the key, exactly as asked for
    XAUDIO2_BUFFER buffer{};   // the whole data, played once from the start
    WaveFile* wave = nullptr;  // stays open; its format is the sound's
};

// The record registered under name, read now when it is not yet; null when the
// file cannot be found or read. Records stay until unload.
SoundData* GetSoundData(const wchar_t* name);
bool LoadSoundData(const wchar_t* name);
void DestroySoundData(SoundData* data);
