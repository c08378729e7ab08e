// The Direct3D object: the default adapter's display mode and device creation.
#include <SDL.h>

#include <algorithm>

#include "core/settings.h"
#include "d3d9/capture.h"
#include "d3d9/device.h"
#include "d3d9/texture.h"
#include "win32/host.h"
#include "win32/window.h"

namespace platform {

struct Direct3D : IDirect3D9 {
    ULONG references = 1;
};

namespace {

Direct3D* AsDirect3D(IDirect3D9* object) { return static_cast<Direct3D*>(object); }

bool OpenRenderer(Device& device, Window& window) {
    if (window.native) {
        // Presentation never waits for the display: no vsync flag.
        device.renderer = SDL_CreateRenderer(window.native, -1, SDL_RENDERER_ACCELERATED);
        if (!device.renderer) device.renderer = SDL_CreateRenderer(window.native, -1, 0);
    } else {
        device.surface = SDL_CreateRGBSurfaceWithFormat(0, std::max(1, device.width),
                                                        std::max(1, device.height), 32,
                                                        SDL_PIXELFORMAT_ARGB8888);
        if (device.surface) device.renderer = SDL_CreateSoftwareRenderer(device.surface);
    }
    if (device.renderer) SDL_SetRenderDrawBlendMode(device.renderer, SDL_BLENDMODE_NONE);
    return device.renderer != nullptr;
}

}  // namespace

void CloseDeviceOutput(Device& device) {
    CaptureFlush();
    ForgetTexturePictures(device);
    if (device.renderer) SDL_DestroyRenderer(device.renderer);
    if (device.surface) SDL_FreeSurface(device.surface);
    device.renderer = nullptr;
    device.surface = nullptr;
}

void ReleaseDirect3D(Direct3D* object) { object->Release(); }

}  // namespace platform

using namespace platform;

IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    return new Direct3D;
}

ULONG IDirect3D9::AddRef() { return ++AsDirect3D(this)->references; }

ULONG IDirect3D9::Release() {
    Direct3D* self = AsDirect3D(this);
    ULONG left = --self->references;
    if (left == 0) delete self;
    return left;
}

HRESULT IDirect3D9::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode) {
    if (adapter != D3DADAPTER_DEFAULT || mode == nullptr) return D3DERR_INVALIDCALL;
    int width, height;
    HostScreenSize(width, height);
    *mode = D3DDISPLAYMODE{static_cast<UINT>(width), static_cast<UINT>(height), 60,
                           D3DFMT_X8R8G8B8};
    return D3D_OK;
}

HRESULT IDirect3D9::CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                 DWORD behaviorFlags, D3DPRESENT_PARAMETERS* parameters,
                                 IDirect3DDevice9** out) {
    if (out == nullptr) return D3DERR_INVALIDCALL;
    *out = nullptr;
    if (adapter != D3DADAPTER_DEFAULT || parameters == nullptr || !parameters->Windowed) {
        return D3DERR_INVALIDCALL;
    }
    bool hardware = behaviorFlags & D3DCREATE_HARDWARE_VERTEXPROCESSING;
    bool software = behaviorFlags & D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    if (hardware == software) return D3DERR_INVALIDCALL;
    HWND target = parameters->hDeviceWindow ? parameters->hDeviceWindow : focusWindow;
    Window* window = FindWindow(target);
    if (window == nullptr) return D3DERR_INVALIDCALL;
    if (type != D3DDEVTYPE_HAL || GetSettings().deviceNone) return D3DERR_NOTAVAILABLE;

    auto* device = new Device;
    device->window = target;
    device->width = parameters->BackBufferWidth ? parameters->BackBufferWidth : window->clientWidth;
    device->height =
        parameters->BackBufferHeight ? parameters->BackBufferHeight : window->clientHeight;
    if (!OpenRenderer(*device, *window)) {
        delete device;
        return D3DERR_NOTAVAILABLE;
    }
    parameters->BackBufferWidth = device->width;
    parameters->BackBufferHeight = device->height;
    device->direct3D = AsDirect3D(this);
    AddRef();
    // The window's renderer goes with the window; the device then draws nothing.
    RegisterDevice(device);
    window->onDestroy.push_back([device] { DeviceLosesWindow(device); });
    *out = device;
    return D3D_OK;
}
