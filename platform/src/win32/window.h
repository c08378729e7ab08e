// The platform's windows: what an HWND stands for, and the registry of live ones.
#pragma once

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "win32.h"

struct SDL_Window;

namespace platform {

struct Window {
    HWND handle = nullptr;
    std::wstring className;
    std::wstring title;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    HWND owner = nullptr;
    RECT rect{};  // outer rectangle, screen coordinates
    int clientWidth = 0;
    int clientHeight = 0;
    bool visible = false;
    bool invalid = false;  // needs WM_PAINT
    std::thread::id thread;
    SDL_Window* native = nullptr;  // the real window, in the SDL host
    // Called as the window goes away, for example by a device drawing into it.
    std::vector<std::function<void()>> onDestroy;
};

// The live window a handle names, or null: a stale or invented handle names none.
Window* FindWindow(HWND handle);
// The window the host closes on a user's request: the first live top-level one.
Window* MainWindow();
// A visible window of this thread that needs painting (of filter, when given).
Window* WindowNeedingPaint(HWND filter);
// The window SDL knows by this id.
Window* FindNativeWindow(unsigned sdlWindowId);

// Keyboard focus. Moving it posts WM_KILLFOCUS to the old and WM_SETFOCUS to the new window.
HWND FocusedWindow();
void MoveFocus(HWND window);

// The border the client area lies in: 8 pixels each side, a 31-pixel caption and top.
constexpr int kFrameLeft = 8;
constexpr int kFrameTop = 31;
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 39;

}  // namespace platform
