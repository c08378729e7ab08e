// The message-driven frame loop: one message a pass while any is queued, and an
// idle pass (frame function, device check, drawing) whenever the queue is empty.
#include "core/engine_state.h"
#include "core/graphics_device.h"
#include "sound/sound_engine.h"
#include "zolt.h"

namespace {

// Checks the device; returns whether this pass draws.
bool DeviceAllowsDrawing() {
    switch (engine.device->TestCooperativeLevel()) {
        case D3D_OK:
            return true;
        case D3DERR_DEVICELOST:
            Sleep(20);
            return false;
        case D3DERR_DEVICENOTRESET:
            ResetGraphicsDevice();
            return true;
        case D3DERR_DRIVERINTERNALERROR:
            MessageBoxW(nullptr, L"Internal Driver Error...Exiting", nullptr, MB_OK);
            PostQuitMessage(0);
            return false;
        default:
            return true;
    }
}

void DrawFrame() {
    IDirect3DDevice9* device = engine.device;
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF0000FF, 1.0f, 0);
    device->BeginScene();
    if (engine.scene.ready) RenderScene(engine.scene);
    if (engine.font.ready) RenderText(engine.font);
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
}

// The drawing half of an idle pass, and the sound update after it, which runs
// whether or not a frame was drawn.
void DrawAndUpdate() {
    if (engine.deviceReady && DeviceAllowsDrawing()) DrawFrame();
    if (engine.soundEngine) UpdateSounds(*engine.soundEngine);
}

}  // namespace

void RunEngine(FrameCallback callback) {
    while (engine.message.message != WM_QUIT) {
        if (PeekMessageW(&engine.message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&engine.message);
            DispatchMessageW(&engine.message);
            continue;
        }
        if (callback) callback();
        DrawAndUpdate();
    }
}

void Render() {
    DrawAndUpdate();
}
