// The set-up exports: the whole engine at once, or the window alone and the
// device on its own.
#include "core/app_window.h"
#include "core/engine_state.h"
#include "core/graphics_device.h"
#include "resources/resource_setup.h"
#include "zolt.h"

void IniEngine(HINSTANCE instance, HINSTANCE, int, const wchar_t* title, int width, int height) {
    CreateAppWindow(width, height, nullptr, instance, title);
    CreateGraphicsDevice(engine.window);
    InitResources(nullptr);
}

void WindowIni(HINSTANCE instance, HINSTANCE, int, const wchar_t* title, int width, int height,
               wchar_t* cursorFile) {
    CreateAppWindow(width, height, cursorFile, instance, title);
    CreateGraphicsDevice(engine.window);
}

void GraphicsIni(HWND window) { CreateGraphicsDevice(window ? window : engine.window); }
