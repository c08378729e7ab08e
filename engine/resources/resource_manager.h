// The tables of the resources subsystem: textures, sound data and the files a
// preload walk found. Everything registered stays until the library unloads.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <d3d9.h>

struct SoundData;

// One registered texture, keyed by the file name exactly as it was asked for.
struct TextureEntry {
    std::wstring name;  // "default.bmp" for the placeholder
    IDirect3DTexture9* texture = nullptr;
};

// A file found by the preload walk.
struct ResourceFile {
    std::wstring name;  // the bare file name
    uint32_t size = 0;  // low 32 bits of its size; never 0
    int32_t kind = 0;   // 1 to 6, see GetResourceKind
};

struct ResourceManager {
    std::vector<TextureEntry> textures;   // the texture registry, in order of registration
    std::vector<SoundData*> sounds;       // the sound data registry
    std::vector<ResourceFile> files;      // files found by every preload walk
    const wchar_t* rootFolder = nullptr;  // the latest InitResources folder, read only then
};

// At unload: sound data first, then the files list, then the tables' storage.
void TearDownResources(ResourceManager& resources);
