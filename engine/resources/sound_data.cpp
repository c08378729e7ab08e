#include "resources/sound_data.h"

#include <cstdlib>

#include "core/engine_state.h"
#include "resources/file_search.h"

SoundData* GetSoundData(const wchar_t* name) {
    if (name == nullptr) return nullptr;
    std::vector<SoundData*>& sounds = engine.resources.sounds;
    for (SoundData* data : sounds) {
        if (data->name == name) return data;
    }
    return LoadSoundData(name) ? sounds.back() : nullptr;
}

bool LoadSoundData(const wchar_t* name) {
    auto* data = new SoundData;
    data->name = name;
    data->wave = new WaveFile;
    std::optional<std::wstring> path = FindResourceFile(name);
    if (data->wave->Open(path ? path->c_str() : nullptr) != S_OK) {
        DestroySoundData(data);
        return false;
    }
    // Zeroed, so a "data" chunk that ends early leaves silence, not stale memory.
    uint32_t size = data->wave->dataSize;
    auto* block = static_cast<BYTE*>(std::calloc(size ? size : 1, 1));
    if (block == nullptr) {
        DestroySoundData(data);
        return false;
    }
    data->buffer = XAUDIO2_BUFFER{};
    data->buffer.Flags = XAUDIO2_END_OF_STREAM;
    data->buffer.AudioBytes = size;
    data->buffer.pAudioData = block;
    DWORD read = 0;
    data->wave->Read(block, size, &read);
    engine.resources.sounds.push_back(data);
    return true;
}

void DestroySoundData(SoundData* data) {
    data->wave->Close();
    std::free(data->wave->format);
    delete data->wave;
    std::free(const_cast<BYTE*>(data->buffer.pAudioData));
    delete data;
}
