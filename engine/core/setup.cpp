// The set-up exports: the whole engine at once, or the window alone and the
// device on its own.
#include "core/app_window.h"
#include "core/engine_state.h"
#include "core/graphics_device.h"
#include "input/input_state.h"
#include "resources/resource_setup.h"
#include "zolt.h"

void IniEngine(HINSTANCE instance, HINSTANCE, int, const wchar_t* title, int width, int height) {
    CreateAppWindow(width, height, nullptr, instance, title);
    CreateGraphicsDevice(engine.window);
    InitResources(nullptr);
    SoundEngineIni(10, false);
    SceneManagerIni(5);
    SetUpInput(instance);
}

void WindowIni(HINSTANCE instance, HINSTANCE, int, const wchar_t* title, int width, int height,
               const wchar_t* cursorFile) {
    CreateAppWindow(width, height, cursorFile, instance, title);
    CreateGraphicsDevice(engine.window);
    SetUpInput(instance);
}

void GraphicsIni(HWND window) {
    CreateGraphicsDevice(window ? window : engine.window);
}
