// Mouse queries. Each polls the mouse itself, so the movement and wheel a
// query reports are those since the previous query of any of them. A failed
// poll acquires the mouse again and answers from the record as it stands.
#include "core/engine_state.h"
#include "input/input_state.h"
#include "zolt.h"

namespace {

// The record to answer from, or null without a mouse.
const DIMOUSESTATE* PollMouse() {
    InputState& input = engine.input;
    if (input.mouse == nullptr) return nullptr;
    if (FAILED(input.mouse->GetDeviceState(sizeof input.mouseState, &input.mouseState))) {
        input.mouse->Acquire();
    }
    return &input.mouseState;
}

bool ButtonDown(int button) {
    const DIMOUSESTATE* state = PollMouse();
    return state && (state->rgbButtons[button] & 0x80) != 0;
}

// The cursor in the input window's client area, or nothing when it cannot be converted.
bool CursorInClient(POINT& point) {
    GetCursorPos(&point);
    return ScreenToClient(engine.input.inputWindow, &point);
}

}  // namespace

bool MouseLBPress() {
    return ButtonDown(0);
}
bool MouseRBPress() {
    return ButtonDown(1);
}

int MouseMoveX() {
    const DIMOUSESTATE* state = PollMouse();
    return state ? state->lX : 0;
}

int MouseMoveY() {
    const DIMOUSESTATE* state = PollMouse();
    return state ? state->lY : 0;
}

int RollingMouse() {
    const DIMOUSESTATE* state = PollMouse();
    return state ? state->lZ : 0;
}

int GetMouseX() {
    POINT point{};
    return CursorInClient(point) ? point.x : 0;
}

int GetMouseY() {
    POINT point{};
    return CursorInClient(point) ? point.y : 0;
}
