// Windows multimedia services: the millisecond clock.
#pragma once

#include "wintypes.h"

// Milliseconds since the platform started, wrapping at 2^32.
PLATFORM_API DWORD timeGetTime();
