// The platform clock behind timeGetTime and Sleep, and the tick count.
// Real: milliseconds of the monotonic clock. Fixed (ZOLT_CLOCK=fixed:STEP:START):
// reads START at load and moves only by STEP at every tick and by every Sleep.
#pragma once

#include <cstdint>

namespace platform {

uint32_t ClockNow();
void ClockSleep(uint32_t milliseconds);

// A tick is one idle pass of the frame loop; the first is tick 1.
void ClockBeginTick();
uint64_t CurrentTick();

}  // namespace platform
