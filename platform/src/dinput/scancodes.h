// SDL's scancodes (USB keyboard usages) as DirectInput key codes.
#pragma once

#include "dinput.h"

namespace platform {

// The key code of an SDL scancode, or 0 for a key the keyboard state does not name.
BYTE DikFromScancode(int scancode);

}  // namespace platform
