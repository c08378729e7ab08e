// The host the windows live in: real SDL windows with a display, or none
// (headless). Chosen once, at first need, from ZOLT_VIDEO and the display.
#pragma once

#include <cstdint>
#include <string>

#include "win32/window.h"

namespace platform {

bool HostWindowed();
void HostScreenSize(int& width, int& height);

// Real windows, in the SDL host; these do nothing headless.
void HostCreateNativeWindow(Window& window);
void HostShowNativeWindow(Window& window, bool show);
void HostDestroyNativeWindow(Window& window);
unsigned NativeWindowId(const Window& window);
// Turns the host's pending events into messages.
void HostPumpEvents();

void HostShowMessageBox(const std::string& text, const std::string& caption);
// A cursor image: RGBA pixels, rows top to bottom, with its hot spot.
void HostSetCursor(int width, int height, int hotX, int hotY, const uint8_t* rgba);
void HostRestoreCursor();

}  // namespace platform
