// The sprite batch: quads queued between Begin and End, handed to the device's
// renderer in runs that share a texture.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "d3d9/device.h"
#include "d3d9/texture.h"
#include "d3dx9.h"

namespace platform {

// Consecutive quads of one texture. The run holds a reference to its texture
// until it is submitted, so a texture released meanwhile is still drawable.
struct SpriteRun {
    Texture* texture = nullptr;
    int firstQuad = 0;
    int quads = 0;
};

struct Sprite : ID3DXSprite {
    ULONG references = 1;
    Device* device = nullptr;  // held
    bool open = false;
    bool alphaBlend = false;
    D3DXMATRIX transform{};
    // Four vertices a quad, in Draw order; storage is kept from batch to batch.
    std::vector<SDL_Vertex> vertices;
    std::vector<SpriteRun> runs;
    std::vector<int> indices;  // two triangles a quad, shared by every run
    uint64_t geometryCalls = 0;
};

Sprite* AsSprite(ID3DXSprite* sprite);

// Hands the queued quads to the renderer and empties the queue.
void SubmitQueuedQuads(Sprite& sprite);

}  // namespace platform
