// Direct3D 9 as the engine uses it: the Direct3D object, one windowed device,
// its few states, clearing, scenes, presentation, loss and reset.
#pragma once

#include "wintypes.h"

using D3DCOLOR = DWORD;

enum D3DFORMAT : DWORD {
    D3DFMT_UNKNOWN = 0,
    D3DFMT_A8R8G8B8 = 21,
    D3DFMT_X8R8G8B8 = 22,
    D3DFMT_R5G6B5 = 23,
    D3DFMT_D16 = 80,
};

enum D3DDEVTYPE : DWORD { D3DDEVTYPE_HAL = 1, D3DDEVTYPE_REF = 2 };

enum D3DSWAPEFFECT : DWORD {
    D3DSWAPEFFECT_DISCARD = 1,
    D3DSWAPEFFECT_FLIP = 2,
    D3DSWAPEFFECT_COPY = 3,
};

enum D3DMULTISAMPLE_TYPE : DWORD { D3DMULTISAMPLE_NONE = 0 };

enum D3DRENDERSTATETYPE : DWORD {
    D3DRS_ZENABLE = 7,
    D3DRS_CULLMODE = 22,
};

enum D3DCULL : DWORD { D3DCULL_NONE = 1, D3DCULL_CW = 2, D3DCULL_CCW = 3 };

enum D3DSAMPLERSTATETYPE : DWORD {
    D3DSAMP_MAGFILTER = 5,
    D3DSAMP_MINFILTER = 6,
    D3DSAMP_MIPFILTER = 7,
};

enum D3DTEXTUREFILTERTYPE : DWORD { D3DTEXF_NONE = 0, D3DTEXF_POINT = 1, D3DTEXF_LINEAR = 2 };

constexpr UINT D3D_SDK_VERSION = 32;
constexpr UINT D3DADAPTER_DEFAULT = 0;
constexpr DWORD D3DCREATE_SOFTWARE_VERTEXPROCESSING = 0x00000020;
constexpr DWORD D3DCREATE_HARDWARE_VERTEXPROCESSING = 0x00000040;
constexpr UINT D3DPRESENT_INTERVAL_DEFAULT = 0x00000000;
constexpr UINT D3DPRESENT_INTERVAL_IMMEDIATE = 0x80000000;
constexpr DWORD D3DCLEAR_TARGET = 0x00000001;
constexpr DWORD D3DCLEAR_ZBUFFER = 0x00000002;

constexpr HRESULT D3D_OK = S_OK;
constexpr HRESULT D3DERR_DRIVERINTERNALERROR = static_cast<HRESULT>(0x88760827u);
constexpr HRESULT D3DERR_DEVICELOST = static_cast<HRESULT>(0x88760868u);
constexpr HRESULT D3DERR_DEVICENOTRESET = static_cast<HRESULT>(0x88760869u);
constexpr HRESULT D3DERR_NOTAVAILABLE = static_cast<HRESULT>(0x8876086Au);
constexpr HRESULT D3DERR_INVALIDCALL = static_cast<HRESULT>(0x8876086Cu);

struct D3DDISPLAYMODE {
    UINT Width;
    UINT Height;
    UINT RefreshRate;
    D3DFORMAT Format;
};

struct D3DPRESENT_PARAMETERS {
    UINT BackBufferWidth;
    UINT BackBufferHeight;
    D3DFORMAT BackBufferFormat;
    UINT BackBufferCount;
    D3DMULTISAMPLE_TYPE MultiSampleType;
    DWORD MultiSampleQuality;
    D3DSWAPEFFECT SwapEffect;
    HWND hDeviceWindow;
    BOOL Windowed;
    BOOL EnableAutoDepthStencil;
    D3DFORMAT AutoDepthStencilFormat;
    DWORD Flags;
    UINT FullScreen_RefreshRateInHz;
    UINT PresentationInterval;
};

struct D3DRECT {
    LONG x1;
    LONG y1;
    LONG x2;
    LONG y2;
};

struct RGNDATA;

// Interfaces are reference counted; the platform owns their storage. They carry
// no data of their own here: each is the public face of a platform object.
struct IDirect3DDevice9;

struct IDirect3D9 {
    PLATFORM_API ULONG AddRef();
    PLATFORM_API ULONG Release();
    PLATFORM_API HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* mode);
    PLATFORM_API HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                      DWORD behaviorFlags, D3DPRESENT_PARAMETERS* parameters,
                                      IDirect3DDevice9** device);

protected:
    IDirect3D9() = default;
    ~IDirect3D9() = default;
};

// A picture on the device, made by the texture loaders of d3dx9.h. It keeps its
// device alive while it exists.
struct IDirect3DTexture9 {
    PLATFORM_API ULONG AddRef();
    PLATFORM_API ULONG Release();

protected:
    IDirect3DTexture9() = default;
    ~IDirect3DTexture9() = default;
};

struct IDirect3DDevice9 {
    PLATFORM_API ULONG AddRef();
    PLATFORM_API ULONG Release();
    PLATFORM_API HRESULT TestCooperativeLevel();
    PLATFORM_API HRESULT Reset(D3DPRESENT_PARAMETERS* parameters);
    PLATFORM_API HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value);
    PLATFORM_API HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value);
    PLATFORM_API HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                               float z, DWORD stencil);
    PLATFORM_API HRESULT BeginScene();
    PLATFORM_API HRESULT EndScene();
    PLATFORM_API HRESULT Present(const RECT* source, const RECT* destination,
                                 HWND destinationWindow, const RGNDATA* dirtyRegion);

protected:
    IDirect3DDevice9() = default;
    ~IDirect3DDevice9() = default;
};

PLATFORM_API IDirect3D9* Direct3DCreate9(UINT sdkVersion);
