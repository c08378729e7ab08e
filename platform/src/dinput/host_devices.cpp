// Both hosts keep the input between polls in HostInput(): the script fills it
// headless; in a real window SDL's events add to it and SDL's keyboard and
// pointer are read at each poll.
#include "dinput/host_devices.h"

#include <cstring>

#include "dinput/sdl_input.h"
#include "win32/host.h"
#include "win32/host_input.h"

namespace platform {

void StartHostDevices() {
    if (HostWindowed()) SdlWatchMouse();
}

void ReadHostKeys(BYTE keys[256]) {
    std::memcpy(keys, HostInput().keys, 256);
    if (HostWindowed()) SdlAddKeysDown(keys);
}

DIMOUSESTATE TakeHostMouse() {
    HostInputState& input = HostInput();
    DIMOUSESTATE state{input.mouseDx, input.mouseDy, input.mouseDz, {}};
    std::memcpy(state.rgbButtons, input.buttons, sizeof state.rgbButtons);
    input.mouseDx = input.mouseDy = input.mouseDz = 0;
    if (HostWindowed()) SdlMouseTaken();
    return state;
}

POINT HostCursorInMainWindow() {
    POINT& cursor = HostInput().cursor;
    if (HostWindowed()) {
        if (Window* main = MainWindow()) SdlCursorInWindow(*main, cursor);
    }
    return cursor;
}

}  // namespace platform
