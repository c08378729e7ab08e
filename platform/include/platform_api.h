// Export marker of the platform library: everything else in it is hidden.
#pragma once

#if defined(ZOLT_PLATFORM_BUILD)
#define PLATFORM_API __attribute__((visibility("default")))
#else
#define PLATFORM_API
#endif
