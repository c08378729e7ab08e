// The keyboard and mouse as the host sees them, between polls of the input devices:
// key bytes (bit 7 down) by DirectInput key code, relative mouse movement and
// wheel accumulated since the last poll, button bytes, and the cursor position.
#pragma once

#include <cstdint>

#include "wintypes.h"

namespace platform {

struct HostInputState {
    uint8_t keys[256] = {};
    int32_t mouseDx = 0;
    int32_t mouseDy = 0;
    int32_t mouseDz = 0;
    uint8_t buttons[4] = {};
    POINT cursor{};  // client coordinates of the main window
};

HostInputState& HostInput();

}  // namespace platform
