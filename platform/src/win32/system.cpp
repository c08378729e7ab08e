// The message box, rectangles, sleeping and the millisecond clock.
#include "core/clock.h"
#include "core/text.h"
#include "core/trace.h"
#include "win32/host.h"

using namespace platform;

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT) {
    std::string message = WideToUtf8(text);
    Trace("messagebox " + message);
    // Without a caption the system's own one is shown.
    HostShowMessageBox(message, caption ? WideToUtf8(caption) : std::string("Error"));
    return IDOK;
}

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom) {
    if (rect == nullptr) return FALSE;
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

void Sleep(DWORD milliseconds) {
    ClockSleep(milliseconds);
}

DWORD timeGetTime() {
    return ClockNow();
}
