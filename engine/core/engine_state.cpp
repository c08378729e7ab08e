#include "core/engine_state.h"

EngineState engine;

// At unload, in this order: the user's cursors come back, then the device and
// the Direct3D object are released.
EngineState::~EngineState() {
    SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, SPIF_SENDCHANGE);
    if (device) device->Release();
    if (direct3D) direct3D->Release();
    device = nullptr;
    direct3D = nullptr;
}
