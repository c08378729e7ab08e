// A window of a given client size with a device drawing into it: headless when
// ZOLT_VIDEO says so, as the tests and benchmarks run.
#pragma once

#include "d3d9.h"
#include "win32.h"

namespace sprite_test {

struct HeadlessDevice {
    HWND window = nullptr;
    IDirect3D9* direct3D = nullptr;
    IDirect3DDevice9* device = nullptr;

    // False when any step fails; Close undoes what was made.
    bool Open(int clientWidth, int clientHeight);
    void Close();
};

}  // namespace sprite_test
