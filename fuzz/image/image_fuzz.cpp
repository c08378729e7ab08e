// Any bytes given to the image decoder: no crash, no read outside them, and a
// decoded picture always has the pixels its size says.
#include <cstdlib>

#include "image/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto image = platform::DecodeImage({data, size});
    if (image && (!platform::IsAcceptedImageSize(image->width, image->height) ||
                  image->rgba.size() != size_t(image->width) * image->height * 4))
        std::abort();
    return 0;
}
