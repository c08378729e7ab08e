#include "resources/texture_registry.h"

#include <d3dx9.h>

#include "core/engine_state.h"
#include "resources/file_search.h"

IDirect3DTexture9* GetTexture(const wchar_t* name) {
    std::vector<TextureEntry>& textures = engine.resources.textures;
    if (name != nullptr) {
        for (const TextureEntry& entry : textures) {
            if (entry.name == name) return entry.texture;
        }
        if (LoadTexture(name)) return textures.back().texture;
    }
    return textures.empty() ? nullptr : textures.front().texture;
}

bool LoadTexture(const wchar_t* name) {
    std::optional<std::wstring> path = FindResourceFile(name);
    IDirect3DTexture9* texture = nullptr;
    if (D3DXCreateTextureFromFileW(engine.device, path ? path->c_str() : nullptr, &texture) != 0) {
        return false;
    }
    engine.resources.textures.push_back(TextureEntry{name, texture});
    return true;
}

void RegisterPlaceholderTexture() {
    std::vector<TextureEntry>& textures = engine.resources.textures;
    if (!textures.empty()) return;
    HMODULE library = GetModuleHandleW(L"libzolt.so");
    IDirect3DTexture9* texture = nullptr;
    if (D3DXCreateTextureFromResourceW(engine.device, library, MAKEINTRESOURCEW(102), &texture) ==
        0) {
        textures.push_back(TextureEntry{L"default.bmp", texture});
    }
}
