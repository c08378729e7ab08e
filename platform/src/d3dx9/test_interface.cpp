// What tests may read back: the device's drawn picture and a batch's submissions.
#include "platform_test.h"

#include <SDL.h>

#include "d3d9/device.h"
#include "d3dx9/sprite.h"

using namespace platform;

bool ZoltReadBackBuffer(IDirect3DDevice9* device, ZoltFrame* frame) {
    if (device == nullptr || frame == nullptr) return false;
    Device* self = AsDevice(device);
    if (self->renderer == nullptr || self->width <= 0 || self->height <= 0) return false;
    frame->width = self->width;
    frame->height = self->height;
    frame->rgba.assign(size_t(self->width) * self->height * 4, 0);
    SDL_Rect all{0, 0, self->width, self->height};
    if (SDL_RenderReadPixels(self->renderer, &all, SDL_PIXELFORMAT_RGBA32, frame->rgba.data(),
                             self->width * 4) != 0) {
        return false;
    }
    for (size_t i = 3; i < frame->rgba.size(); i += 4) frame->rgba[i] = 255;  // no alpha kept
    return true;
}

uint64_t ZoltSpriteGeometryCalls(ID3DXSprite* sprite) {
    return sprite ? AsSprite(sprite)->geometryCalls : 0;
}
