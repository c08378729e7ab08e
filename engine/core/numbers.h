// Conversions of computed values to the engine's 32-bit integers.
#pragma once

#include <algorithm>
#include <cstdint>

// Truncated toward zero and held to the 32-bit range; NaN gives 0.
inline int32_t TruncateToInt32(double value) {
    if (!(value == value)) return 0;
    return static_cast<int32_t>(std::clamp(value, -2147483648.0, 2147483647.0));
}
