// The platform's graphics device: an SDL renderer drawing into a window (SDL
// host) or into an offscreen surface (headless), with the state Direct3D keeps.
#pragma once

#include <cstdint>
#include <vector>

#include "d3d9.h"

struct SDL_Renderer;
struct SDL_Surface;

namespace platform {

struct Direct3D;
struct Texture;

struct Device : IDirect3DDevice9 {
    ULONG references = 1;
    Direct3D* direct3D = nullptr;
    HWND window = nullptr;
    int width = 0;  // back buffer size: the window's client area
    int height = 0;
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* surface = nullptr;  // the headless back buffer
    bool inScene = false;
    bool linearFilter = true;  // sampler 0 magnification and minification
    std::vector<Texture*> textures;  // live textures, whose pictures the renderer holds
};

Device* AsDevice(IDirect3DDevice9* device);

// Live devices, so a window that goes away can reach a device that still exists.
void RegisterDevice(Device* device);
// The device's window went away: it lets go of its renderer and draws no more.
void DeviceLosesWindow(Device* device);
void CloseDeviceOutput(Device& device);
void ReleaseDirect3D(Direct3D* object);

}  // namespace platform
