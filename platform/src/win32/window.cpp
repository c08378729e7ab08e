// Window classes and windows, with the Windows semantics the engine relies on.
#include "win32/window.h"

#include <algorithm>
#include <map>
#include <memory>
#include <sstream>

#include "core/text.h"
#include "core/trace.h"
#include "win32/dialog.h"
#include "win32/host.h"

namespace platform {
namespace {

struct WindowClass {
    WNDCLASSEXW record{};
    std::wstring name;
    ATOM atom = 0;
};

std::vector<WindowClass> classes;
std::map<uintptr_t, std::unique_ptr<Window>> windows;
uintptr_t nextHandle = 0x1000;
HWND focus = nullptr;

const WindowClass* FindClass(LPCWSTR name) {
    if (name == nullptr) return nullptr;
    for (const WindowClass& c : classes) {
        if (IS_INTRESOURCE(name) ? c.atom == reinterpret_cast<ULONG_PTR>(name) : c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

void ClientSizeFor(Window& window) {
    int frameW = (window.style & WS_CAPTION) == WS_CAPTION ? kFrameWidth : 0;
    int frameH = (window.style & WS_CAPTION) == WS_CAPTION ? kFrameHeight : 0;
    window.clientWidth =
        std::max(0, static_cast<int>(window.rect.right - window.rect.left) - frameW);
    window.clientHeight =
        std::max(0, static_cast<int>(window.rect.bottom - window.rect.top) - frameH);
}

}  // namespace

Window* FindWindow(HWND handle) {
    auto it = windows.find(reinterpret_cast<uintptr_t>(handle));
    return it == windows.end() ? nullptr : it->second.get();
}

Window* MainWindow() {
    for (auto& [id, window] : windows) {
        if (window->owner == nullptr && !(window->style & WS_CHILD)) return window.get();
    }
    return nullptr;
}

Window* WindowNeedingPaint(HWND filter) {
    for (auto& [id, window] : windows) {
        if (window->visible && window->invalid && window->thread == std::this_thread::get_id() &&
            (filter == nullptr || filter == window->handle)) {
            return window.get();
        }
    }
    return nullptr;
}

Window* FindNativeWindow(unsigned sdlWindowId) {
    for (auto& [id, window] : windows) {
        if (window->native && NativeWindowId(*window) == sdlWindowId) return window.get();
    }
    return nullptr;
}

HWND FocusedWindow() {
    return focus;
}

void MoveFocus(HWND window) {
    if (window == focus) return;
    HWND old = focus;
    focus = window;
    if (FindWindow(old)) SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
    if (FindWindow(window)) SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}

}  // namespace platform

using namespace platform;

ATOM RegisterClassExW(const WNDCLASSEXW* record) {
    if (record == nullptr || record->cbSize != sizeof(WNDCLASSEXW) ||
        record->lpfnWndProc == nullptr || record->lpszClassName == nullptr ||
        IS_INTRESOURCE(record->lpszClassName) || FindClass(record->lpszClassName)) {
        return 0;
    }
    WindowClass c;
    c.record = *record;
    c.name = record->lpszClassName;
    c.record.lpszClassName = nullptr;  // the copy in name is the one kept
    c.atom = static_cast<ATOM>(0xC000 + classes.size());
    classes.push_back(std::move(c));
    return classes.back().atom;
}

HWND CreateWindowExW(DWORD, LPCWSTR className, LPCWSTR title, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU, HINSTANCE, void*) {
    const WindowClass* windowClass = FindClass(className);
    if (windowClass == nullptr) return nullptr;
    if (parent != nullptr && FindWindow(parent) == nullptr) return nullptr;

    auto window = std::make_unique<Window>();
    window->handle = reinterpret_cast<HWND>(nextHandle);
    nextHandle += 2;
    window->className = windowClass->name;
    window->title = title ? title : L"";
    window->proc = windowClass->record.lpfnWndProc;
    window->style = style & ~WS_VISIBLE;
    window->owner = parent;
    width = std::max(0, width);
    height = std::max(0, height);
    window->rect = {x, y, x + width, y + height};
    ClientSizeFor(*window);
    window->thread = std::this_thread::get_id();
    HWND handle = window->handle;
    Window& created = *window;
    windows[reinterpret_cast<uintptr_t>(handle)] = std::move(window);

    if (TraceEnabled() && !IsDialogClass(created.className)) {
        std::ostringstream line;
        line << "window " << x << " " << y << " " << width << " " << height << " client "
             << created.clientWidth << " " << created.clientHeight;
        Trace(line.str());
    }
    if (!IsDialogClass(created.className)) HostCreateNativeWindow(created);
    if (created.proc(handle, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
    return handle;
}

BOOL DestroyWindow(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr || window->thread != std::this_thread::get_id()) return FALSE;
    // Owned windows go first, as their owner disappears.
    std::vector<HWND> owned;
    for (auto& [id, other] : windows) {
        if (other->owner == handle) owned.push_back(other->handle);
    }
    for (HWND h : owned) DestroyWindow(h);
    if (focus == handle) MoveFocus(nullptr);

    // Take the window out of the registry first, so nothing reaches it while it goes.
    auto node = windows.extract(reinterpret_cast<uintptr_t>(handle));
    std::unique_ptr<Window> dying = std::move(node.mapped());
    dying->proc(handle, WM_DESTROY, 0, 0);
    for (auto& hook : dying->onDestroy) hook();
    HostDestroyNativeWindow(*dying);
    return TRUE;
}

BOOL IsWindow(HWND handle) {
    return FindWindow(handle) != nullptr;
}

BOOL IsWindowVisible(HWND handle) {
    Window* window = FindWindow(handle);
    return window && window->visible;
}

BOOL ShowWindow(HWND handle, int command) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    BOOL wasVisible = window->visible;
    bool show = command != SW_HIDE;
    if (show == static_cast<bool>(wasVisible)) return wasVisible;

    window->visible = show;
    window->invalid = show;
    HostShowNativeWindow(*window, show);
    if (show && !IsDialogClass(window->className)) Trace("show");
    SendMessageW(handle, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    // A top-level window that appears is activated and takes the keyboard focus.
    if (show && window->owner == nullptr) MoveFocus(handle);
    if (!show && focus == handle) MoveFocus(nullptr);
    return wasVisible;
}

BOOL UpdateWindow(HWND handle) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    if (window->visible && window->invalid) SendMessageW(handle, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT*, BOOL) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    window->invalid = true;
    return TRUE;
}

BOOL ValidateRect(HWND handle, const RECT* rect) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    // Only the whole client area is tracked: a partial rectangle leaves it invalid.
    if (rect == nullptr ||
        (rect->left <= 0 && rect->top <= 0 && rect->right >= window->clientWidth &&
         rect->bottom >= window->clientHeight)) {
        window->invalid = false;
    }
    return TRUE;
}

BOOL GetClientRect(HWND handle, RECT* rect) {
    Window* window = FindWindow(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = {0, 0, window->clientWidth, window->clientHeight};
    return TRUE;
}

BOOL GetWindowRect(HWND handle, RECT* rect) {
    Window* window = FindWindow(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = window->rect;
    return TRUE;
}

HWND GetFocus() {
    return focus;
}

int GetSystemMetrics(int index) {
    int width, height;
    HostScreenSize(width, height);
    if (index == SM_CXSCREEN) return width;
    if (index == SM_CYSCREEN) return height;
    return 0;
}

LRESULT DefWindowProcW(HWND handle, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(handle);
            return 0;
        case WM_PAINT:
            ValidateRect(handle, nullptr);
            return 0;
        default:
            return 0;
    }
}
