// The per-thread message queue. Posted messages come first, in order; then
// WM_QUIT once PostQuitMessage was called; then WM_PAINT for windows that need
// painting. When nothing is left the queue is empty: that is one idle pass of
// the caller's loop, a tick, and the moment scripted events and the host's
// "close after N ticks" take effect, just before the tick begins.
#include <deque>
#include <map>
#include <mutex>

#include "core/clock.h"
#include "core/settings.h"
#include "win32/host.h"
#include "win32/script_events.h"
#include "win32/window.h"

namespace platform {
namespace {

struct Queue {
    std::deque<MSG> posted;
    bool quit = false;
    int quitCode = 0;
};

std::mutex queuesLock;
std::map<std::thread::id, Queue> queues;

Queue& QueueOf(std::thread::id thread) {
    return queues[thread];
}

bool Matches(const MSG& msg, HWND filter, UINT min, UINT max) {
    if (filter != nullptr && msg.hwnd != filter) return false;
    if (min == 0 && max == 0) return true;
    return msg.message >= min && msg.message <= max;
}

bool TakePosted(MSG* out, HWND filter, UINT min, UINT max, bool remove) {
    std::lock_guard<std::mutex> guard(queuesLock);
    Queue& queue = QueueOf(std::this_thread::get_id());
    for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
        if (!Matches(*it, filter, min, max)) continue;
        *out = *it;
        if (remove) queue.posted.erase(it);
        return true;
    }
    if (queue.quit && filter == nullptr &&
        Matches(MSG{nullptr, WM_QUIT, 0, 0, 0, {}}, filter, min, max)) {
        *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0, ClockNow(), {}};
        if (remove) queue.quit = false;
        return true;
    }
    return false;
}

bool TakePaint(MSG* out, HWND filter, UINT min, UINT max) {
    MSG paint{filter, WM_PAINT, 0, 0, ClockNow(), {}};
    if (!Matches(paint, filter, min, max)) return false;
    Window* window = WindowNeedingPaint(filter);
    if (window == nullptr) return false;
    paint.hwnd = window->handle;
    *out = paint;
    return true;
}

bool PendingForThisThread() {
    std::lock_guard<std::mutex> guard(queuesLock);
    Queue& queue = QueueOf(std::this_thread::get_id());
    return !queue.posted.empty() || queue.quit;
}

uint64_t scriptAppliedThrough = 0;
bool closeRequested = false;

// Work due before the next tick begins. Returns true when it queued messages,
// which are then handled before the tick.
bool PrepareNextTick() {
    const Settings& settings = GetSettings();
    uint64_t done = CurrentTick();
    if (settings.frames && done >= *settings.frames && !closeRequested) {
        closeRequested = true;
        if (Window* main = MainWindow())
            PostMessageW(main->handle, WM_CLOSE, 0, 0);
        else
            PostQuitMessage(0);
        if (PendingForThisThread()) return true;
    }
    if (scriptAppliedThrough < done + 1) {
        scriptAppliedThrough = done + 1;
        ApplyScriptedEvents(done + 1);
        if (PendingForThisThread()) return true;
    }
    return false;
}

}  // namespace
}  // namespace platform

using namespace platform;

BOOL PeekMessageW(MSG* msg, HWND filter, UINT min, UINT max, UINT remove) {
    if (msg == nullptr) return FALSE;
    HostPumpEvents();
    bool removing = (remove & PM_REMOVE) != 0;
    while (true) {
        if (TakePosted(msg, filter, min, max, removing)) return TRUE;
        if (TakePaint(msg, filter, min, max)) return TRUE;
        if (!PrepareNextTick()) break;
    }
    ClockBeginTick();
    return FALSE;
}

// No keyboard messages are generated, so there is nothing to translate.
BOOL TranslateMessage(const MSG*) {
    return FALSE;
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (msg == nullptr) return 0;
    Window* window = FindWindow(msg->hwnd);
    if (window == nullptr) return 0;
    return window->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    std::thread::id thread = std::this_thread::get_id();
    if (handle != nullptr) {
        Window* window = FindWindow(handle);
        if (window == nullptr) return FALSE;
        thread = window->thread;
    }
    std::lock_guard<std::mutex> guard(queuesLock);
    QueueOf(thread).posted.push_back(MSG{handle, message, wParam, lParam, ClockNow(), {}});
    return TRUE;
}

LRESULT SendMessageW(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = FindWindow(handle);
    if (window == nullptr) return 0;
    return window->proc(handle, message, wParam, lParam);
}

void PostQuitMessage(int exitCode) {
    std::lock_guard<std::mutex> guard(queuesLock);
    Queue& queue = QueueOf(std::this_thread::get_id());
    queue.quit = true;
    queue.quitCode = exitCode;
}
