// Any bytes given to the cursor parser: no crash, no read outside them, and a
// parsed cursor always has its pixels and a hotspot inside the image.
#include <cstdlib>

#include "cursor/cursor_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto cursor = platform::ParseCursorFile({data, size});
    if (!cursor) return 0;
    const bool sizeOk = cursor->width >= 1 && cursor->width <= 256 && cursor->height >= 1 &&
                        cursor->height <= 256 &&
                        cursor->rgba.size() == size_t(cursor->width) * cursor->height * 4;
    const bool hotspotOk = cursor->hotspotX >= 0 && cursor->hotspotX < cursor->width &&
                           cursor->hotspotY >= 0 && cursor->hotspotY < cursor->height;
    if (!sizeOk || !hotspotOk) std::abort();
    return 0;
}
