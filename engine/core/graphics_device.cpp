#include "core/graphics_device.h"

#include "core/engine_state.h"

HRESULT CreateGraphicsDevice(HWND window) {
    // A repeated set-up lets go of the earlier device (textures made on it keep
    // it alive while they need it), and nothing draws until the new one is ready.
    engine.deviceReady = false;
    if (engine.device) engine.device->Release();
    if (engine.direct3D) engine.direct3D->Release();
    engine.device = nullptr;
    engine.direct3D = Direct3DCreate9(D3D_SDK_VERSION);
    if (engine.direct3D == nullptr) return E_FAIL;
    if (FAILED(engine.direct3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &engine.displayMode))) {
        return E_FAIL;
    }

    D3DPRESENT_PARAMETERS& pp = engine.presentParameters;
    pp = D3DPRESENT_PARAMETERS{};
    pp.BackBufferWidth = 0;  // the client area's size
    pp.BackBufferHeight = 0;
    pp.BackBufferFormat = engine.displayMode.Format;
    pp.BackBufferCount = 1;
    pp.MultiSampleType = D3DMULTISAMPLE_NONE;
    pp.MultiSampleQuality = 0;
    pp.SwapEffect = D3DSWAPEFFECT_COPY;
    pp.hDeviceWindow = nullptr;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D16;
    pp.Flags = 0;
    pp.FullScreen_RefreshRateInHz = 0;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;

    if (FAILED(engine.direct3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                             D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp,
                                             &engine.device))) {
        return E_FAIL;
    }
    engine.device->SetRenderState(D3DRS_ZENABLE, TRUE);
    engine.device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    engine.device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    engine.device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    engine.device->SetSamplerState(0, D3DSAMP_MIPFILTER, D3DTEXF_LINEAR);
    engine.deviceReady = true;
    return S_OK;
}

void ResetGraphicsDevice() {
    ID3DXSprite* sceneSprite = engine.scene.ready ? engine.scene.sprite : nullptr;
    ID3DXSprite* textSprite = engine.font.ready ? engine.font.sprite : nullptr;
    if (sceneSprite) sceneSprite->OnLostDevice();
    if (textSprite) textSprite->OnLostDevice();
    engine.device->Reset(&engine.presentParameters);
    if (sceneSprite) sceneSprite->OnResetDevice();
    if (textSprite) textSprite->OnResetDevice();
}
