// The sprite batch's life and its Draw: each Draw becomes one quad in the queue.
#include "d3dx9/sprite.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace platform {
namespace {

D3DXMATRIX Identity() {
    D3DXMATRIX m{};
    m._11 = m._22 = m._33 = m._44 = 1;
    return m;
}

// The source rectangle clipped to a width x height texture; false when
// nothing is left of it.
bool ClipSource(const RECT* source, int width, int height, RECT& clipped) {
    clipped = RECT{0, 0, width, height};
    if (source) {
        clipped.left = std::max<LONG>(source->left, 0);
        clipped.top = std::max<LONG>(source->top, 0);
        clipped.right = std::min<LONG>(source->right, width);
        clipped.bottom = std::min<LONG>(source->bottom, height);
    }
    return clipped.left < clipped.right && clipped.top < clipped.bottom;
}

SDL_Color ColourOf(D3DCOLOR colour) {
    return SDL_Color{static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                     static_cast<Uint8>(colour), static_cast<Uint8>(colour >> 24)};
}

// One corner: (x, y) before the transform, (u, v) in the texture.
SDL_Vertex Corner(const D3DXMATRIX& m, float x, float y, SDL_Color colour, float u, float v) {
    return SDL_Vertex{SDL_FPoint{x * m._11 + y * m._21 + m._41, x * m._12 + y * m._22 + m._42},
                      colour, SDL_FPoint{u, v}};
}

// Which corners, in which order, the quad is stored with: 0 to 3 being its
// top-left, top-right, bottom-left and bottom-right before the transform.
// SDL's software renderer copies a quad whose corners form an upright
// rectangle as a rectangle, which it gets right only when the texture runs
// along the same axes: so a transform that keeps the axes (a scale, a mirror,
// half a turn) has its corners snapped to 1/256 pixel, which makes the
// rectangle exact despite rounding, and stored from the screen's top-left
// corner, so mirroring becomes flipped texture coordinates. Any other quad is
// stored as drawn and goes through the triangle rasteriser.
std::array<int, 4> StoreOrder(SDL_Vertex (&corners)[4], const D3DXMATRIX& m) {
    constexpr float kTilt = 1e-5f;
    const bool keepsAxes =
        std::abs(m._12) <= kTilt * std::abs(m._11) && std::abs(m._21) <= kTilt * std::abs(m._22);
    if (!keepsAxes) return {0, 1, 2, 3};
    for (SDL_Vertex& v : corners) {
        v.position.x = std::round(v.position.x * 256) / 256;
        v.position.y = std::round(v.position.y * 256) / 256;
    }
    const bool mirroredX = corners[1].position.x < corners[0].position.x;
    const bool mirroredY = corners[2].position.y < corners[0].position.y;
    const int first = (mirroredX ? 1 : 0) + (mirroredY ? 2 : 0);
    return {first, first ^ 1, first ^ 2, first ^ 3};
}

}  // namespace

Sprite* AsSprite(ID3DXSprite* sprite) {
    return static_cast<Sprite*>(sprite);
}

}  // namespace platform

using namespace platform;

HRESULT D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** out) {
    if (out == nullptr) return D3DERR_INVALIDCALL;
    *out = nullptr;
    if (device == nullptr) return D3DERR_INVALIDCALL;
    auto* sprite = new Sprite;
    sprite->device = AsDevice(device);
    sprite->device->AddRef();
    sprite->transform = Identity();
    *out = sprite;
    return D3D_OK;
}

ULONG ID3DXSprite::AddRef() {
    return ++AsSprite(this)->references;
}

ULONG ID3DXSprite::Release() {
    Sprite* self = AsSprite(this);
    ULONG left = --self->references;
    if (left == 0) {
        for (SpriteRun& run : self->runs) run.texture->Release();
        self->device->Release();
        delete self;
    }
    return left;
}

HRESULT ID3DXSprite::Begin(DWORD flags) {
    Sprite* self = AsSprite(this);
    if (self->open) return D3DERR_INVALIDCALL;
    self->open = true;
    self->alphaBlend = (flags & D3DXSPRITE_ALPHABLEND) != 0;
    return D3D_OK;
}

HRESULT ID3DXSprite::Flush() {
    Sprite* self = AsSprite(this);
    if (!self->open) return D3DERR_INVALIDCALL;
    SubmitQueuedQuads(*self);
    return D3D_OK;
}

HRESULT ID3DXSprite::End() {
    Sprite* self = AsSprite(this);
    if (!self->open) return D3DERR_INVALIDCALL;
    SubmitQueuedQuads(*self);
    self->open = false;
    return D3D_OK;
}

HRESULT ID3DXSprite::SetTransform(const D3DXMATRIX* transform) {
    if (transform == nullptr) return D3DERR_INVALIDCALL;
    AsSprite(this)->transform = *transform;
    return D3D_OK;
}

HRESULT ID3DXSprite::GetTransform(D3DXMATRIX* transform) {
    if (transform == nullptr) return D3DERR_INVALIDCALL;
    *transform = AsSprite(this)->transform;
    return D3D_OK;
}

HRESULT ID3DXSprite::Draw(IDirect3DTexture9* texture, const RECT* source, const D3DXVECTOR3* centre,
                          const D3DXVECTOR3* position, D3DCOLOR colour) {
    Sprite* self = AsSprite(this);
    if (!self->open || texture == nullptr) return D3DERR_INVALIDCALL;
    Texture* picture = AsTexture(texture);
    if (picture->device != self->device) return D3DERR_INVALIDCALL;
    RECT r;
    // A picture the renderer took away, or an empty rectangle, draws nothing.
    if (picture->picture == nullptr || !ClipSource(source, picture->width, picture->height, r)) {
        return D3D_OK;
    }

    const float left = (position ? position->x : 0) - (centre ? centre->x : 0);
    const float top = (position ? position->y : 0) - (centre ? centre->y : 0);
    const float right = left + static_cast<float>(r.right - r.left);
    const float bottom = top + static_cast<float>(r.bottom - r.top);
    const float u0 = static_cast<float>(r.left) / picture->width;
    const float v0 = static_cast<float>(r.top) / picture->height;
    const float u1 = static_cast<float>(r.right) / picture->width;
    const float v1 = static_cast<float>(r.bottom) / picture->height;
    const SDL_Color c = ColourOf(colour);
    const D3DXMATRIX& m = self->transform;
    SDL_Vertex corners[4] = {Corner(m, left, top, c, u0, v0), Corner(m, right, top, c, u1, v0),
                             Corner(m, left, bottom, c, u0, v1),
                             Corner(m, right, bottom, c, u1, v1)};
    for (int corner : StoreOrder(corners, m)) self->vertices.push_back(corners[corner]);

    if (self->runs.empty() || self->runs.back().texture != picture) {
        picture->AddRef();
        const int quad = static_cast<int>(self->vertices.size() / 4) - 1;
        self->runs.push_back(SpriteRun{picture, quad, 0});
    }
    ++self->runs.back().quads;
    return D3D_OK;
}

HRESULT ID3DXSprite::OnLostDevice() {
    Sprite* self = AsSprite(this);
    if (self->open) End();
    return D3D_OK;
}

HRESULT ID3DXSprite::OnResetDevice() {
    return D3D_OK;
}
