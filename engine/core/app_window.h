// The engine's one window: its class, its creation and its messages.
#pragma once

#include <win32.h>

// Creates the window hidden, centred on the screen; sets engine.window.
void CreateAppWindow(int32_t width, int32_t height, const wchar_t* cursorFile, HINSTANCE instance,
                     const wchar_t* title);
LRESULT EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
