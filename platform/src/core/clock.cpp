#include "core/clock.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "core/settings.h"

namespace platform {
namespace {

std::atomic<uint32_t> fixedNow{GetSettings().clockStart};
std::atomic<uint64_t> tick{0};

}  // namespace

uint32_t ClockNow() {
    if (GetSettings().fixedClock) return fixedNow.load();
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void ClockSleep(uint32_t milliseconds) {
    if (GetSettings().fixedClock) {
        fixedNow += milliseconds;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void ClockBeginTick() {
    ++tick;
    if (GetSettings().fixedClock) fixedNow += GetSettings().clockStep;
}

uint64_t CurrentTick() { return tick.load(); }

}  // namespace platform
