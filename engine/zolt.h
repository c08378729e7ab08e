// zolt: a small 2D game engine. The whole interface is these free functions;
// the types they take come from the platform's Windows-style header.
#pragma once

#include <win32.h>

#if defined(ZOLT_ENGINE_BUILD)
#define ZOLT_API __attribute__((visibility("default")))
#else
#define ZOLT_API
#endif

// The application's per-frame function.
using FrameCallback = void (*)();

// Set-up and the frame loop.
ZOLT_API void IniEngine(HINSTANCE instance, HINSTANCE previous, int show, const wchar_t* title,
                        int width, int height);
ZOLT_API void WindowIni(HINSTANCE instance, HINSTANCE previous, int show, const wchar_t* title,
                        int width, int height, wchar_t* cursorFile);
ZOLT_API void GraphicsIni(HWND window);
ZOLT_API void RunEngine(FrameCallback callback);
ZOLT_API void Render();

// Replaces the normal arrow cursor with the one in a Windows .cur file.
ZOLT_API void SetCursor(wchar_t* file);
