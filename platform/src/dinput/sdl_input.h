// The SDL host's part of the input devices.
#pragma once

#include "dinput.h"
#include "win32/window.h"

namespace platform {

// Starts adding SDL's mouse events to HostInput(); once, however often called.
void SdlWatchMouse();
// Marks down (0x80) the keys SDL's keyboard state holds down.
void SdlAddKeysDown(BYTE keys[256]);
// After a poll of the mouse: releases that came before the poll saw their press now apply.
void SdlMouseTaken();
// The pointer relative to the window's real client area; unchanged without a real window.
void SdlCursorInWindow(const Window& window, POINT& cursor);

}  // namespace platform
