// The developer overlay: twice the calls counted in windows of at least 500 ms,
// shown at (10, 10), green from 30 up and red below.
#include <string>

#include "core/engine_state.h"
#include "zolt.h"

void DevelopHelp(bool show) {
    if (!show || !engine.font.ready) return;
    FrameRateCounter& counter = engine.frameRate;
    uint32_t now = timeGetTime();
    ++counter.callCount;
    if (now - counter.windowStart >= 500) {
        counter.shownRate = 2 * counter.callCount;
        counter.callCount = 0;
        counter.windowStart = timeGetTime();
    }
    QueueText(engine.font, std::to_wstring(counter.shownRate).c_str(), 10, 10, 1.0f,
              counter.shownRate >= 30 ? 0xFF00FF00 : 0xFFFF0000);
}
