#include "core/app_window.h"

#include "core/engine_state.h"
#include "zolt.h"

namespace {

void InstallCursorFrom(const wchar_t* file) {
    if (HCURSOR cursor = LoadCursorFromFileW(file)) SetSystemCursor(cursor, OCR_NORMAL);
}

// The outer rectangle of a window of the requested size on a screen of sw x sh.
// Wider arithmetic keeps extreme requests from overflowing.
RECT Placement(int32_t width, int32_t height, int32_t sw, int32_t sh) {
    int64_t x = sw > width ? (int64_t{sw} - width) / 2 : 0;
    int64_t y = sh > height ? (int64_t{sh} - height) / 2 : 0;
    int64_t w = sw > width ? width : sw;
    // The height is kept when the screen is taller than the request less 30.
    int64_t h = int64_t{sh} > int64_t{height} - 30 ? height : int64_t{sh} - 30;
    return RECT{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(w),
                static_cast<LONG>(h)};
}

}  // namespace

void CreateAppWindow(int32_t width, int32_t height, const wchar_t* cursorFile, HINSTANCE instance,
                     const wchar_t* title) {
    engine.requestedWidth = width;
    engine.requestedHeight = height;
    if (cursorFile) {
        engine.cursorFile = std::wstring(cursorFile);
        InstallCursorFrom(engine.cursorFile->c_str());
    }
    engine.instance = instance;

    WNDCLASSEXW& wc = engine.windowClass;
    wc.cbSize = sizeof(WNDCLASSEXW);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = EngineWindowProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = L"windowsclass";
    wc.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
    RegisterClassExW(&wc);

    int32_t sw = GetSystemMetrics(SM_CXSCREEN);
    int32_t sh = GetSystemMetrics(SM_CYSCREEN);
    RECT r = Placement(width, height, sw, sh);
    engine.window =
        CreateWindowExW(0, L"windowsclass", title, WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU,
                        r.left, r.top, r.right, r.bottom, nullptr, nullptr, instance, nullptr);
    engine.message = MSG{};
}

LRESULT EngineWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_SETFOCUS:
            if (engine.cursorFile) InstallCursorFrom(engine.cursorFile->c_str());
            break;
        case WM_KILLFOCUS:
            SystemParametersInfoW(SPI_SETCURSORS, 0, nullptr, SPIF_SENDCHANGE);
            break;
        case WM_PAINT:
            ValidateRect(window, nullptr);
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void SetCursor(const wchar_t* file) {
    InstallCursorFrom(file);
}
