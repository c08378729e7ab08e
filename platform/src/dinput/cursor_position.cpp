// The cursor on the screen and in a window's client area. Screen coordinates
// follow the platform's windows: a window with a caption has its client area
// at its outer position plus the frame. Nothing is clamped to a window.
#include "dinput/host_devices.h"
#include "win32/window.h"

namespace platform {
namespace {

POINT ClientOrigin(const Window& window) {
    bool framed = (window.style & WS_CAPTION) == WS_CAPTION;
    return {window.rect.left + (framed ? kFrameLeft : 0),
            window.rect.top + (framed ? kFrameTop : 0)};
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    POINT client = HostCursorInMainWindow();
    Window* main = MainWindow();
    POINT origin = main ? ClientOrigin(*main) : POINT{0, 0};
    *point = {origin.x + client.x, origin.y + client.y};
    return TRUE;
}

BOOL ScreenToClient(HWND handle, POINT* point) {
    Window* window = FindWindow(handle);
    if (window == nullptr || point == nullptr) return FALSE;
    POINT origin = ClientOrigin(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}
