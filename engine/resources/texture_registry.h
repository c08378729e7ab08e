// The texture registry: file names to textures, loaded on first use and kept.
// A name that cannot be loaded yields the placeholder, entry 0.
#pragma once

#include <d3d9.h>

// The texture registered under name, loaded now when it is not yet; the
// placeholder when it cannot be loaded; null when there is no placeholder either.
IDirect3DTexture9* GetTexture(const wchar_t* name);
// Registers a new entry for name when its file is found and loads.
bool LoadTexture(const wchar_t* name);
// Registers the library's placeholder picture as "default.bmp" when the table is empty.
void RegisterPlaceholderTexture();
