// Applies the scripted input (ZOLT_INPUT) of the ticks about to begin.
#pragma once

#include <cstdint>

namespace platform {

// Applies every event of the ticks up to and including tick, once each.
void ApplyScriptedEvents(uint64_t tick);

}  // namespace platform
