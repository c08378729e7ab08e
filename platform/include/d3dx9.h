// The Direct3D 9 helpers the engine draws with: 2D transformation matrices,
// the sprite batch and textures loaded from image files and module bitmaps.
#pragma once

#include "d3d9.h"
#include "win32_modules.h"

constexpr HRESULT D3DXERR_INVALIDDATA = static_cast<HRESULT>(0x88760B59u);

// Sprite batch Begin flags.
constexpr DWORD D3DXSPRITE_ALPHABLEND = 16;

struct D3DXVECTOR2 {
    float x;
    float y;
};

struct D3DXVECTOR3 {
    float x;
    float y;
    float z;
};

// Row-major, for row vectors: a point p maps to p * M, so the translation sits
// in the fourth row (_41, _42, _43).
struct D3DXMATRIX {
    union {
        struct {
            float _11, _12, _13, _14;
            float _21, _22, _23, _24;
            float _31, _32, _33, _34;
            float _41, _42, _43, _44;
        };
        float m[4][4];
    };
};

// A 2D transformation into out, which it returns: scaling about scalingCenter
// along axes turned by scalingRotation, then rotation by rotation radians about
// rotationCenter, then translation. A null centre is the origin, a null scaling
// is 1 and a null translation is none. With y pointing down, a positive angle
// turns clockwise on screen.
PLATFORM_API D3DXMATRIX* D3DXMatrixTransformation2D(D3DXMATRIX* out,
                                                    const D3DXVECTOR2* scalingCenter,
                                                    float scalingRotation,
                                                    const D3DXVECTOR2* scaling,
                                                    const D3DXVECTOR2* rotationCenter,
                                                    float rotation, const D3DXVECTOR2* translation);

// Draws textured quads in batches. Between Begin and End, each Draw queues one
// quad; the queue reaches the device at Flush and End, in the order of the Draws.
struct ID3DXSprite {
    PLATFORM_API ULONG AddRef();
    PLATFORM_API ULONG Release();
    // Opens the batch; D3DXSPRITE_ALPHABLEND blends by the texels' alpha,
    // otherwise quads are drawn opaque.
    PLATFORM_API HRESULT Begin(DWORD flags);
    PLATFORM_API HRESULT End();
    PLATFORM_API HRESULT Flush();
    // The transform later draws are mapped by (identity until set).
    PLATFORM_API HRESULT SetTransform(const D3DXMATRIX* transform);
    PLATFORM_API HRESULT GetTransform(D3DXMATRIX* transform);
    // Queues the source rectangle of texture (null: all of it, clipped to the
    // texture) with its top-left corner at position - centre (null: 0) before
    // the transform, every texel multiplied by colour (0xAARRGGBB).
    PLATFORM_API HRESULT Draw(IDirect3DTexture9* texture, const RECT* source,
                              const D3DXVECTOR3* centre, const D3DXVECTOR3* position,
                              D3DCOLOR colour);
    // Around a device reset: an open batch is ended first.
    PLATFORM_API HRESULT OnLostDevice();
    PLATFORM_API HRESULT OnResetDevice();

protected:
    ID3DXSprite() = default;
    ~ID3DXSprite() = default;
};

PLATFORM_API HRESULT D3DXCreateSprite(IDirect3DDevice9* device, ID3DXSprite** sprite);

// A texture of the image file's own pixel size (PNG, JPEG, BMP, TGA or DDS).
// The path may use backslashes. On failure *texture is null.
PLATFORM_API HRESULT D3DXCreateTextureFromFileW(IDirect3DDevice9* device, LPCWSTR path,
                                                IDirect3DTexture9** texture);

// A texture from the bitmap resource (RT_BITMAP, stored as a whole .bmp file)
// of module (null: the executable). On failure *texture is null.
PLATFORM_API HRESULT D3DXCreateTextureFromResourceW(IDirect3DDevice9* device, HMODULE module,
                                                    LPCWSTR resource, IDirect3DTexture9** texture);
