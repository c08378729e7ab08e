// Input set-up and teardown. Both devices share the engine's window in the
// foreground only, without exclusive use.
#include "core/engine_state.h"
#include "input/input_state.h"
#include "zolt.h"

namespace {

constexpr DWORD kCooperativeLevel = DISCL_NONEXCLUSIVE | DISCL_FOREGROUND;

void ReleaseDevice(IDirectInputDevice8W*& device) {
    if (device == nullptr) return;
    device->Unacquire();
    device->Release();
    device = nullptr;
}

// One device: created, given its format and level, and acquired if it can be
// now (the queries acquire it again when they fail). False at the first failure.
bool SetUpDevice(const GUID& kind, const DIDATAFORMAT& format, IDirectInputDevice8W*& device) {
    InputState& input = engine.input;
    if (FAILED(input.directInput->CreateDevice(kind, &device, nullptr))) return false;
    if (FAILED(device->SetDataFormat(&format))) return false;
    if (FAILED(device->SetCooperativeLevel(input.inputWindow, kCooperativeLevel))) return false;
    device->Acquire();
    return true;
}

}  // namespace

void ReleaseInput(InputState& input) {
    ReleaseDevice(input.keyboard);
    ReleaseDevice(input.mouse);
    if (input.directInput) input.directInput->Release();
    input.directInput = nullptr;
}

void SetUpInputDevices() {
    InputState& input = engine.input;
    if (!SetUpDevice(GUID_SysKeyboard, c_dfDIKeyboard, input.keyboard)) return;
    SetUpDevice(GUID_SysMouse, c_dfDIMouse, input.mouse);
}

void SetUpInput(HINSTANCE instance) {
    InputState& input = engine.input;
    input.inputWindow = engine.window;
    ReleaseInput(input);
    void* object = nullptr;
    if (FAILED(DirectInput8Create(instance, DIRECTINPUT_VERSION, IID_IDirectInput8W, &object,
                                  nullptr))) {
        return;
    }
    input.directInput = static_cast<IDirectInput8W*>(object);
    SetUpInputDevices();
}

void InputIni(HINSTANCE instance) {
    SetUpInput(instance);
}
