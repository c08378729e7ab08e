// The SDL host: real windows, their events, the message box and the cursor.
#pragma once

#include <cstdint>
#include <string>

#include "win32/window.h"

namespace platform {

// Starts SDL's video. Returns false, with the reason, when no display opens.
bool SdlStartVideo(std::string& reason);
void SdlScreenSize(int& width, int& height);
void SdlCreateWindow(Window& window);
void SdlShowWindow(Window& window, bool show);
void SdlDestroyWindow(Window& window);
unsigned SdlWindowId(const Window& window);
void SdlPumpEvents();
void SdlMessageBox(const std::string& text, const std::string& caption);
void SdlSetCursor(int width, int height, int hotX, int hotY, const uint8_t* rgba);
void SdlRestoreCursor();

}  // namespace platform
