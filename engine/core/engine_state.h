// The engine's one process-wide state, alive from the library's load to its unload.
#pragma once

#include <optional>
#include <string>

#include <d3d9.h>
#include <win32.h>

#include "input/input_state.h"

#include "resources/resource_manager.h"
#include "scene/scene_manager.h"
#include "text/bitmap_font.h"

struct SoundEngine;

struct EngineState {
    // Counters behind the developer overlay, counting from the library's load.
    FrameRateCounter frameRate{timeGetTime(), 0, 0};

    // Application window.
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    WNDCLASSEXW windowClass{};
    MSG message{};  // the frame loop's message record; the loop ends on WM_QUIT
    int32_t requestedWidth = 0;
    int32_t requestedHeight = 0;
    std::optional<std::wstring> cursorFile;  // from WindowIni, kept for the process's life

    // Graphics device.
    IDirect3D9* direct3D = nullptr;
    IDirect3DDevice9* device = nullptr;
    D3DPRESENT_PARAMETERS presentParameters{};
    D3DDISPLAYMODE displayMode{};
    bool deviceReady = false;

    // Keyboard and mouse.
    InputState input;

    // Textures, sound data and the preload's file list.
    ResourceManager resources;
    // Sprite queue, animations, layers and viewport.
    SceneManager scene;
    // The font, the text queue and the text sprite.
    BitmapFont font;
    // The current sound engine, null until one is made.
    SoundEngine* soundEngine = nullptr;

    EngineState() = default;
    ~EngineState();  // the unload teardown
    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;
};

extern EngineState engine;
