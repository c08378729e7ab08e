#include "d3d9/texture.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

Texture* AsTexture(IDirect3DTexture9* texture) { return static_cast<Texture*>(texture); }

Texture* CreateDeviceTexture(Device& device, int width, int height, const uint8_t* rgba) {
    if (!device.renderer || width <= 0 || height <= 0 || rgba == nullptr) return nullptr;
    SDL_Texture* picture = SDL_CreateTexture(device.renderer, SDL_PIXELFORMAT_RGBA32,
                                             SDL_TEXTUREACCESS_STATIC, width, height);
    if (picture == nullptr) return nullptr;
    SDL_UpdateTexture(picture, nullptr, rgba, width * 4);
    SDL_SetTextureBlendMode(picture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(picture, device.linearFilter ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    auto* texture = new Texture;
    texture->device = &device;
    texture->picture = picture;
    texture->width = width;
    texture->height = height;
    device.AddRef();
    device.textures.push_back(texture);
    return texture;
}

void ForgetTexturePictures(Device& device) {
    for (Texture* texture : device.textures) texture->picture = nullptr;
}

}  // namespace platform

using namespace platform;

ULONG IDirect3DTexture9::AddRef() { return ++AsTexture(this)->references; }

ULONG IDirect3DTexture9::Release() {
    Texture* self = AsTexture(this);
    ULONG left = --self->references;
    if (left == 0) {
        auto& list = self->device->textures;
        list.erase(std::remove(list.begin(), list.end(), self), list.end());
        if (self->picture) SDL_DestroyTexture(self->picture);
        self->device->Release();
        delete self;
    }
    return left;
}
