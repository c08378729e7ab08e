// What tests may look at inside the platform: the pictures a device drew and
// how a sprite batch reached the renderer.
#pragma once

#include <cstdint>
#include <vector>

#include "d3dx9.h"

struct ZoltFrame {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // R,G,B,A bytes, rows top to bottom; A is always 255

    // The pixel at (x, y) as 0xRRGGBB.
    uint32_t At(int x, int y) const {
        const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
        return uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2];
    }
};

// The device's back buffer as drawn so far. False when the device has nothing
// to draw with (no renderer) or cannot be read.
PLATFORM_API bool ZoltReadBackBuffer(IDirect3DDevice9* device, ZoltFrame* frame);

// How many geometry submissions the batch has made since it was created.
PLATFORM_API uint64_t ZoltSpriteGeometryCalls(ID3DXSprite* sprite);
