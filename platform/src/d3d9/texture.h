// Textures: pictures held by the device's renderer, in the texture's own pixel size.
#pragma once

#include <cstdint>

#include "d3d9.h"
#include "d3d9/device.h"

struct SDL_Texture;

namespace platform {

struct Texture : IDirect3DTexture9 {
    ULONG references = 1;
    Device* device = nullptr;
    SDL_Texture* picture = nullptr;  // null once the device's renderer is gone
    int width = 0;
    int height = 0;
};

Texture* AsTexture(IDirect3DTexture9* texture);

// A texture of width x height RGBA pixels (rows top to bottom) on the device,
// or null when the device has nothing to draw with or the size is unusable.
Texture* CreateDeviceTexture(Device& device, int width, int height, const uint8_t* rgba);

// The renderer went away and took the pictures with it.
void ForgetTexturePictures(Device& device);

}  // namespace platform
