// The one graphics device everything is drawn with, and its reset after a loss.
#pragma once

#include <win32.h>

HRESULT CreateGraphicsDevice(HWND window);
void ResetGraphicsDevice();
