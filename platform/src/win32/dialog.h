// Modeless dialogs made from templates: their controls and what they show.
#pragma once

#include <string>
#include <vector>

#include "win32/window.h"

namespace platform {

struct DialogControl {
    int id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};        // client pixels
    std::wstring text;  // for text controls
    WORD bitmap = 0;    // the module's bitmap resource, for a bitmap control
};

struct Dialog {
    HWND window = nullptr;
    HMODULE module = nullptr;
    int width = 0;
    int height = 0;
    std::vector<DialogControl> controls;
    void* view = nullptr;  // what the SDL host shows it with
};

// Windows of the dialog class are dialogs: the trace names them apart.
bool IsDialogClass(const std::wstring& className);

// Pixels per four horizontal and eight vertical dialog units for the dialog font.
constexpr int kDialogBaseX = 10;
constexpr int kDialogBaseY = 19;

}  // namespace platform
