// The keyboard and mouse as the engine reads them: DirectInput's object and
// two devices, and the state each query polls into.
#pragma once

#include <dinput.h>
#include <win32.h>

struct InputState {
    IDirectInput8W* directInput = nullptr;
    IDirectInputDevice8W* keyboard = nullptr;  // with c_dfDIKeyboard
    IDirectInputDevice8W* mouse = nullptr;     // with c_dfDIMouse: relative axes
    DIMOUSESTATE mouseState{};                 // from the latest mouse poll
    BYTE keyState[256] = {};                   // from the latest keyboard poll; bit 7 down
    HWND inputWindow = nullptr;                // cooperative level and client coordinates
};

// Takes the engine's window as the input window and creates DirectInput and,
// when that succeeds, the devices. An earlier set-up's objects are released first.
void SetUpInput(HINSTANCE instance);
// Creates and acquires the keyboard, then the mouse; stops at the first step that fails.
void SetUpInputDevices();
// Unacquires and releases the keyboard and the mouse, then releases DirectInput.
void ReleaseInput(InputState& input);
