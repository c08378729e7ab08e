// What the input devices read from the host: the scripted state headless, and
// SDL's keyboard, mouse events and pointer in a real window.
#pragma once

#include "dinput.h"

namespace platform {

// Prepares the host to report input; called as a device is created.
void StartHostDevices();
// The 256 key bytes: bit 7 set while a key is down.
void ReadHostKeys(BYTE keys[256]);
// Movement and wheel since the previous call, which they are consumed by, and the buttons.
DIMOUSESTATE TakeHostMouse();
// The cursor in the client coordinates of the main window.
POINT HostCursorInMainWindow();

}  // namespace platform
