// SDL's mouse events reach HostInput() through an event watch, which sees each
// event as SDL queues it and leaves the host's own event pump alone. SDL calls
// it on the thread that pumps events, the application's.
#include "dinput/sdl_input.h"

#include <SDL.h>

#include "dinput/scancodes.h"
#include "win32/host_input.h"

namespace platform {
namespace {

constexpr int kWheelNotch = 120;
constexpr int kButtons = 4;

// A click that starts and ends between two polls is still seen by the next
// poll: its release waits until then.
bool pressUnseen[kButtons] = {};
bool releaseWaiting[kButtons] = {};

int ButtonIndex(Uint8 sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT:
            return 0;
        case SDL_BUTTON_RIGHT:
            return 1;
        case SDL_BUTTON_MIDDLE:
            return 2;
        case SDL_BUTTON_X1:
            return 3;
        default:
            return -1;
    }
}

void SetButton(Uint8 sdlButton, bool down) {
    int b = ButtonIndex(sdlButton);
    if (b < 0) return;
    BYTE& state = HostInput().buttons[b];
    if (down) {
        state = 0x80;
        pressUnseen[b] = true;
        releaseWaiting[b] = false;
    } else if (pressUnseen[b]) {
        releaseWaiting[b] = true;
    } else {
        state = 0;
    }
}

int Watch(void*, SDL_Event* event) {
    HostInputState& input = HostInput();
    switch (event->type) {
        case SDL_MOUSEMOTION:
            input.mouseDx += event->motion.xrel;
            input.mouseDy += event->motion.yrel;
            break;
        case SDL_MOUSEWHEEL: {
            int notches = event->wheel.y;
            if (event->wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
            input.mouseDz += notches * kWheelNotch;
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            SetButton(event->button.button, true);
            break;
        case SDL_MOUSEBUTTONUP:
            SetButton(event->button.button, false);
            break;
        default:
            break;
    }
    return 1;
}

}  // namespace

void SdlWatchMouse() {
    static bool watching = false;
    if (watching) return;
    SDL_AddEventWatch(Watch, nullptr);
    watching = true;
}

void SdlAddKeysDown(BYTE keys[256]) {
    int count = 0;
    const Uint8* down = SDL_GetKeyboardState(&count);
    for (int scancode = 0; scancode < count; ++scancode) {
        if (!down[scancode]) continue;
        if (BYTE dik = DikFromScancode(scancode)) keys[dik] = 0x80;
    }
}

void SdlMouseTaken() {
    for (int b = 0; b < kButtons; ++b) {
        pressUnseen[b] = false;
        if (releaseWaiting[b]) HostInput().buttons[b] = 0;
        releaseWaiting[b] = false;
    }
}

void SdlCursorInWindow(const Window& window, POINT& cursor) {
    if (window.native == nullptr) return;
    int x = 0, y = 0;
    if (SDL_GetMouseFocus() == window.native) {
        // Over the window SDL follows the pointer from the window's own events.
        SDL_GetMouseState(&x, &y);
    } else {
        int windowX = 0, windowY = 0;
        SDL_GetGlobalMouseState(&x, &y);
        SDL_GetWindowPosition(window.native, &windowX, &windowY);
        x -= windowX;
        y -= windowY;
    }
    cursor = {x, y};
}

}  // namespace platform
