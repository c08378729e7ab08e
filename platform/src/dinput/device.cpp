// The keyboard and mouse devices: data format, cooperative level, acquisition,
// and immediate polls of what the host sees.
#include <cstring>

#include "dinput/device.h"
#include "dinput/host_devices.h"
#include "win32/window.h"

namespace platform {
namespace {

InputDevice* AsDevice(IDirectInputDevice8W* object) {
    return static_cast<InputDevice*>(object);
}

DWORD DataSizeFor(InputDeviceKind kind) {
    return kind == InputDeviceKind::Keyboard ? c_dfDIKeyboard.dwDataSize : c_dfDIMouse.dwDataSize;
}

// A foreground device reads only while its window has the keyboard focus.
bool HasFocusItNeeds(const InputDevice& device) {
    return !(device.level & DISCL_FOREGROUND) || FocusedWindow() == device.window;
}

bool OneOf(DWORD flags, DWORD a, DWORD b) {
    return ((flags & a) != 0) != ((flags & b) != 0);
}

}  // namespace
}  // namespace platform

using namespace platform;

ULONG IDirectInputDevice8W::AddRef() {
    return ++AsDevice(this)->references;
}

ULONG IDirectInputDevice8W::Release() {
    InputDevice* self = AsDevice(this);
    ULONG left = --self->references;
    if (left == 0) delete self;
    return left;
}

HRESULT IDirectInputDevice8W::SetDataFormat(const DIDATAFORMAT* format) {
    InputDevice* self = AsDevice(this);
    // Each device reads in its own predefined format only.
    if (format == nullptr || format->dwSize != sizeof(DIDATAFORMAT) ||
        format->dwDataSize != DataSizeFor(self->kind)) {
        return DIERR_INVALIDPARAM;
    }
    self->format = format;
    return DI_OK;
}

HRESULT IDirectInputDevice8W::SetCooperativeLevel(HWND window, DWORD flags) {
    InputDevice* self = AsDevice(this);
    if (FindWindow(window) == nullptr) return DIERR_INVALIDPARAM;
    if (!OneOf(flags, DISCL_EXCLUSIVE, DISCL_NONEXCLUSIVE) ||
        !OneOf(flags, DISCL_FOREGROUND, DISCL_BACKGROUND)) {
        return DIERR_INVALIDPARAM;
    }
    self->window = window;
    self->level = flags;
    return DI_OK;
}

HRESULT IDirectInputDevice8W::Acquire() {
    InputDevice* self = AsDevice(this);
    if (self->format == nullptr) return DIERR_INVALIDPARAM;
    if (!HasFocusItNeeds(*self)) return DIERR_OTHERAPPHASPRIO;
    if (self->acquired) return DI_NOEFFECT;
    self->acquired = true;
    return DI_OK;
}

HRESULT IDirectInputDevice8W::Unacquire() {
    InputDevice* self = AsDevice(this);
    if (!self->acquired) return DI_NOEFFECT;
    self->acquired = false;
    return DI_OK;
}

HRESULT IDirectInputDevice8W::GetDeviceState(DWORD size, void* data) {
    InputDevice* self = AsDevice(this);
    if (data == nullptr) return DIERR_INVALIDPARAM;
    if (!self->acquired) return DIERR_NOTACQUIRED;
    if (!HasFocusItNeeds(*self)) {
        // Losing the focus takes the device away until it is acquired again.
        self->acquired = false;
        return DIERR_INPUTLOST;
    }
    if (size != self->format->dwDataSize) return DIERR_INVALIDPARAM;
    if (self->kind == InputDeviceKind::Keyboard) {
        ReadHostKeys(static_cast<BYTE*>(data));
    } else {
        DIMOUSESTATE state = TakeHostMouse();
        std::memcpy(data, &state, sizeof state);
    }
    return DI_OK;
}
