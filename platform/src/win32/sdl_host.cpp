#include "win32/sdl_host.h"

#include <SDL.h>

#include <algorithm>

#include "core/text.h"

namespace platform {
namespace {

SDL_Cursor* customCursor = nullptr;

}  // namespace

bool SdlStartVideo(std::string& reason) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        reason = SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string name = driver ? driver : "";
    if (name == "offscreen" || name == "dummy") {
        reason = "video driver " + name + " has no display";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    return true;
}

void SdlScreenSize(int& width, int& height) {
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        width = height = 0;
        return;
    }
    width = mode.w;
    height = mode.h;
}

void SdlCreateWindow(Window& window) {
    // SDL has no empty window; a client area of 0 still gets one pixel.
    window.native =
        SDL_CreateWindow(WideToUtf8(window.title).c_str(), window.rect.left + kFrameLeft,
                         window.rect.top + kFrameTop, std::max(1, window.clientWidth),
                         std::max(1, window.clientHeight), SDL_WINDOW_HIDDEN);
}

void SdlShowWindow(Window& window, bool show) {
    if (show) {
        SDL_ShowWindow(window.native);
        SDL_RaiseWindow(window.native);
    } else {
        SDL_HideWindow(window.native);
    }
}

void SdlDestroyWindow(Window& window) {
    SDL_DestroyWindow(window.native);
    window.native = nullptr;
}

unsigned SdlWindowId(const Window& window) {
    return SDL_GetWindowID(window.native);
}

void SdlPumpEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type != SDL_WINDOWEVENT) continue;
        Window* window = FindNativeWindow(event.window.windowID);
        if (window == nullptr) continue;
        HWND handle = window->handle;
        switch (event.window.event) {
            case SDL_WINDOWEVENT_CLOSE:
                PostMessageW(handle, WM_CLOSE, 0, 0);
                break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                MoveFocus(handle);
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST:
                if (FocusedWindow() == handle) MoveFocus(nullptr);
                break;
            case SDL_WINDOWEVENT_EXPOSED:
                InvalidateRect(handle, nullptr, FALSE);
                break;
            default:
                break;
        }
    }
}

void SdlMessageBox(const std::string& text, const std::string& caption) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption.c_str(), text.c_str(), nullptr);
}

void SdlSetCursor(int width, int height, int hotX, int hotY, const uint8_t* rgba) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(rgba), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, hotX, hotY);
    SDL_FreeSurface(surface);
    if (cursor == nullptr) return;
    SDL_SetCursor(cursor);
    if (customCursor) SDL_FreeCursor(customCursor);
    customCursor = cursor;
}

void SdlRestoreCursor() {
    SDL_SetCursor(SDL_GetDefaultCursor());
    if (customCursor) SDL_FreeCursor(customCursor);
    customCursor = nullptr;
}

}  // namespace platform
