// The device: cooperative level, reset, clearing, scenes and presentation.
#include "d3d9/device.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

#include "core/clock.h"
#include "core/device_condition.h"
#include "core/trace.h"
#include "d3d9/capture.h"

namespace platform {
namespace {

std::vector<Device*> liveDevices;

bool Live(Device* device) {
    return std::find(liveDevices.begin(), liveDevices.end(), device) != liveDevices.end();
}

}  // namespace

Device* AsDevice(IDirect3DDevice9* device) { return static_cast<Device*>(device); }

void RegisterDevice(Device* device) { liveDevices.push_back(device); }

void DeviceLosesWindow(Device* device) {
    if (!Live(device)) return;
    CloseDeviceOutput(*device);
    device->window = nullptr;
}

}  // namespace platform

using namespace platform;

ULONG IDirect3DDevice9::AddRef() { return ++AsDevice(this)->references; }

ULONG IDirect3DDevice9::Release() {
    Device* self = AsDevice(this);
    ULONG left = --self->references;
    if (left == 0) {
        liveDevices.erase(std::find(liveDevices.begin(), liveDevices.end(), self));
        CloseDeviceOutput(*self);
        ReleaseDirect3D(self->direct3D);
        delete self;
    }
    return left;
}

HRESULT IDirect3DDevice9::TestCooperativeLevel() {
    switch (GetDeviceCondition()) {
        case DeviceCondition::Ok: return D3D_OK;
        case DeviceCondition::Lost: return D3DERR_DEVICELOST;
        case DeviceCondition::NotReset: return D3DERR_DEVICENOTRESET;
        case DeviceCondition::DriverError: return D3DERR_DRIVERINTERNALERROR;
    }
    return D3D_OK;
}

HRESULT IDirect3DDevice9::Reset(D3DPRESENT_PARAMETERS* parameters) {
    if (parameters == nullptr || !parameters->Windowed) return D3DERR_INVALIDCALL;
    switch (GetDeviceCondition()) {
        case DeviceCondition::Lost: return D3DERR_DEVICELOST;
        case DeviceCondition::DriverError: return D3DERR_DRIVERINTERNALERROR;
        default: break;
    }
    SetDeviceCondition(DeviceCondition::Ok);
    AsDevice(this)->inScene = false;
    Trace("reset");
    return D3D_OK;
}

HRESULT IDirect3DDevice9::SetRenderState(D3DRENDERSTATETYPE, DWORD) { return D3D_OK; }

HRESULT IDirect3DDevice9::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    if (sampler == 0 && (type == D3DSAMP_MAGFILTER || type == D3DSAMP_MINFILTER)) {
        AsDevice(this)->linearFilter = value == D3DTEXF_LINEAR;
    }
    return D3D_OK;
}

HRESULT IDirect3DDevice9::Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                                float, DWORD) {
    Device* self = AsDevice(this);
    if (!self->renderer || !(flags & D3DCLEAR_TARGET)) return D3D_OK;
    SDL_SetRenderDrawColor(self->renderer, (color >> 16) & 0xFF, (color >> 8) & 0xFF,
                           color & 0xFF, 0xFF);
    if (count == 0 || rects == nullptr) {
        SDL_RenderClear(self->renderer);
        return D3D_OK;
    }
    for (DWORD i = 0; i < count; ++i) {
        SDL_Rect r{rects[i].x1, rects[i].y1, rects[i].x2 - rects[i].x1, rects[i].y2 - rects[i].y1};
        if (r.w > 0 && r.h > 0) SDL_RenderFillRect(self->renderer, &r);
    }
    return D3D_OK;
}

HRESULT IDirect3DDevice9::BeginScene() {
    Device* self = AsDevice(this);
    if (self->inScene) return D3DERR_INVALIDCALL;
    self->inScene = true;
    return D3D_OK;
}

HRESULT IDirect3DDevice9::EndScene() {
    Device* self = AsDevice(this);
    if (!self->inScene) return D3DERR_INVALIDCALL;
    self->inScene = false;
    return D3D_OK;
}

HRESULT IDirect3DDevice9::Present(const RECT*, const RECT*, HWND, const RGNDATA*) {
    Device* self = AsDevice(this);
    if (GetDeviceCondition() != DeviceCondition::Ok) return D3DERR_DEVICELOST;
    if (!self->renderer) return D3DERR_INVALIDCALL;
    uint64_t tick = CurrentTick();
    CaptureFrame(self->renderer, self->width, self->height, tick);
    if (!self->surface) SDL_RenderPresent(self->renderer);
    if (TraceEnabled()) Trace("present " + std::to_string(tick));
    return D3D_OK;
}
