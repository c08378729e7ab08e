// Chooses the host once and hands each request to it. Headless, windows are
// records only, the screen size comes from ZOLT_SCREEN, and a message box is
// written to standard error.
#include "win32/host.h"

#include <cstdio>
#include <cstdlib>

#include "core/settings.h"
#include "win32/sdl_host.h"

namespace platform {
namespace {

bool ChooseWindowed() {
    const Settings& settings = GetSettings();
    if (settings.video == VideoSetting::Headless) return false;
    std::string reason;
    if (SdlStartVideo(reason)) return true;
    if (settings.video == VideoSetting::Window) {
        std::fprintf(stderr, "zolt: ZOLT_VIDEO=window: no display opens (%s)\n", reason.c_str());
        std::exit(2);
    }
    return false;
}

}  // namespace

bool HostWindowed() {
    static const bool windowed = ChooseWindowed();
    return windowed;
}

void HostScreenSize(int& width, int& height) {
    if (HostWindowed()) return SdlScreenSize(width, height);
    width = GetSettings().screenWidth;
    height = GetSettings().screenHeight;
}

void HostCreateNativeWindow(Window& window) {
    if (HostWindowed()) SdlCreateWindow(window);
}

void HostShowNativeWindow(Window& window, bool show) {
    if (window.native) SdlShowWindow(window, show);
}

void HostDestroyNativeWindow(Window& window) {
    if (window.native) SdlDestroyWindow(window);
}

unsigned NativeWindowId(const Window& window) {
    return window.native ? SdlWindowId(window) : 0;
}

void HostPumpEvents() {
    if (HostWindowed()) SdlPumpEvents();
}

void HostShowMessageBox(const std::string& text, const std::string& caption) {
    if (HostWindowed()) return SdlMessageBox(text, caption);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

void HostSetCursor(int width, int height, int hotX, int hotY, const uint8_t* rgba) {
    if (HostWindowed()) SdlSetCursor(width, height, hotX, hotY, rgba);
}

void HostRestoreCursor() {
    if (HostWindowed()) SdlRestoreCursor();
}

}  // namespace platform
