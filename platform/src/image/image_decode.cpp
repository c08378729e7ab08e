#include "image/image_decode.h"

#include <climits>
#include <cstring>
#include <memory>

#include <stb_image.h>

#include "image/image_format.h"

namespace platform {
namespace {

// PNG, JPEG, BMP and TGA. The size is read from the header first, so a file
// that announces too large a picture is refused before anything is allocated.
std::optional<DecodedImage> DecodeWithStb(std::span<const uint8_t> bytes) {
    if (bytes.size() > size_t{INT_MAX}) return std::nullopt;
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels) ||
        !IsAcceptedImageSize(width, height))
        return std::nullopt;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(data, length, &width, &height, &channels, 4), stbi_image_free);
    if (!pixels || !IsAcceptedImageSize(width, height)) return std::nullopt;
    DecodedImage image{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    std::memcpy(image.rgba.data(), pixels.get(), image.rgba.size());
    return image;
}

}  // namespace

bool IsAcceptedImageSize(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

std::optional<DecodedImage> DecodeImage(std::span<const uint8_t> bytes) {
    const ImageFormat format = DetectImageFormat(bytes);
    if (format == ImageFormat::Unknown || !HasAllPixelData(format, bytes)) return std::nullopt;
    if (format == ImageFormat::Dds) return DecodeDds(bytes);
    return DecodeWithStb(bytes);
}

}  // namespace platform
