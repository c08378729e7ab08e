// The platform object behind an IDirectInputDevice8W: which device it reads,
// the format it was given, its cooperative window and whether it is acquired.
#pragma once

#include "dinput.h"

namespace platform {

enum class InputDeviceKind { Keyboard, Mouse };

struct InputDevice : IDirectInputDevice8W {
    explicit InputDevice(InputDeviceKind k) : kind(k) {}

    ULONG references = 1;
    InputDeviceKind kind;
    const DIDATAFORMAT* format = nullptr;
    HWND window = nullptr;  // the cooperative window
    DWORD level = 0;        // the cooperative level flags
    bool acquired = false;
};

}  // namespace platform
