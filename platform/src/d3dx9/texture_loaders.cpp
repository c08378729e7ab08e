// Textures made from image files and from the bitmap resources of modules.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <vector>

#include "core/text.h"
#include "d3d9/device.h"
#include "d3d9/texture.h"
#include "d3dx9.h"
#include "image/image_decode.h"

namespace platform {
namespace {

// No image file that decodes is this large: the biggest accepted picture,
// stored uncompressed, with room to spare. Larger files are not read at all.
constexpr uintmax_t kMaxImageFileSize = uintmax_t(kMaxImagePixels) * 4 * 2;

// The whole file, or nothing when it is not a readable regular file.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxImageFileSize) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) return std::nullopt;
    return bytes;
}

// A texture of the decoded picture into *out.
HRESULT TextureFromImage(IDirect3DDevice9* device, std::span<const uint8_t> bytes,
                         IDirect3DTexture9** out) {
    std::optional<DecodedImage> image = DecodeImage(bytes);
    if (!image) return D3DXERR_INVALIDDATA;
    Texture* texture =
        CreateDeviceTexture(*AsDevice(device), image->width, image->height, image->rgba.data());
    if (texture == nullptr) return D3DERR_NOTAVAILABLE;
    *out = texture;
    return D3D_OK;
}

}  // namespace
}  // namespace platform

using namespace platform;

HRESULT D3DXCreateTextureFromFileW(IDirect3DDevice9* device, LPCWSTR path,
                                   IDirect3DTexture9** out) {
    if (out == nullptr) return D3DERR_INVALIDCALL;
    *out = nullptr;
    if (device == nullptr || path == nullptr) return D3DERR_INVALIDCALL;
    std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(WidePathToNative(path));
    if (!bytes) return D3DXERR_INVALIDDATA;
    return TextureFromImage(device, *bytes, out);
}

HRESULT D3DXCreateTextureFromResourceW(IDirect3DDevice9* device, HMODULE module, LPCWSTR resource,
                                       IDirect3DTexture9** out) {
    if (out == nullptr) return D3DERR_INVALIDCALL;
    *out = nullptr;
    if (device == nullptr || resource == nullptr) return D3DERR_INVALIDCALL;
    HRSRC found = FindResourceW(module, resource, RT_BITMAP);
    if (found == nullptr) return D3DXERR_INVALIDDATA;
    const void* data = LockResource(LoadResource(module, found));
    if (data == nullptr) return D3DXERR_INVALIDDATA;
    std::span<const uint8_t> bytes(static_cast<const uint8_t*>(data),
                                   SizeofResource(module, found));
    return TextureFromImage(device, bytes, out);
}
