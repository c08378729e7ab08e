// The DirectInput object: made for version 0x0800 only, it creates the system
// keyboard and the system mouse.
#include "dinput/device.h"
#include "dinput/host_devices.h"

const DIDATAFORMAT c_dfDIKeyboard = {sizeof(DIDATAFORMAT), 256};
const DIDATAFORMAT c_dfDIMouse = {sizeof(DIDATAFORMAT), sizeof(DIMOUSESTATE)};

namespace platform {
namespace {

struct DirectInput : IDirectInput8W {
    ULONG references = 1;
};

DirectInput* AsDirectInput(IDirectInput8W* object) {
    return static_cast<DirectInput*>(object);
}

}  // namespace
}  // namespace platform

using namespace platform;

HRESULT DirectInput8Create(HINSTANCE, DWORD version, const GUID& iid, void** out, void* outer) {
    if (out == nullptr) return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    if (version != DIRECTINPUT_VERSION) return DIERR_OLDDIRECTINPUTVERSION;
    if (!(iid == IID_IDirectInput8W)) return DIERR_NOINTERFACE;
    *out = static_cast<IDirectInput8W*>(new DirectInput);
    return DI_OK;
}

ULONG IDirectInput8W::AddRef() {
    return ++AsDirectInput(this)->references;
}

ULONG IDirectInput8W::Release() {
    DirectInput* self = AsDirectInput(this);
    ULONG left = --self->references;
    if (left == 0) delete self;
    return left;
}

HRESULT IDirectInput8W::CreateDevice(const GUID& device, IDirectInputDevice8W** out, void* outer) {
    if (out == nullptr) return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (outer != nullptr) return DIERR_NOAGGREGATION;
    InputDeviceKind kind;
    if (device == GUID_SysKeyboard)
        kind = InputDeviceKind::Keyboard;
    else if (device == GUID_SysMouse)
        kind = InputDeviceKind::Mouse;
    else
        return DIERR_DEVICENOTREG;
    StartHostDevices();
    *out = new InputDevice(kind);
    return DI_OK;
}
