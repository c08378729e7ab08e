#include "core/engine_state.h"

#include "sound/sound_engine.h"

EngineState engine;

// At unload, in this order: the user's cursors come back, the text queue and the
// scene's tables are freed, the sound engine stops and goes (so no voice still
// reads sound data), the resources' tables are freed, the input devices and DirectInput are
// released, then the device and the Direct3D object.
EngineState::~EngineState() {
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, SPIF_SENDCHANGE);
    TearDownFont(font);
    TearDownScene(scene);
    DestroySoundEngine(soundEngine);
    soundEngine = nullptr;
    TearDownResources(resources);
    ReleaseInput(input);
    if (device) device->Release();
    if (direct3D) direct3D->Release();
    device = nullptr;
    direct3D = nullptr;
}
