// A headless window with a device and a sprite batch, and small pictures of
// known colours written to files and loaded as textures.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "d3dx9.h"
#include "headless_device.h"
#include "platform_test.h"
#include "win32.h"

namespace sprite_test {

constexpr int kClientWidth = 48;
constexpr int kClientHeight = 32;
constexpr D3DCOLOR kClear = 0xFF000040;  // what the back buffer is cleared to
constexpr uint32_t kClearRgb = kClear & 0xFFFFFF;

// Pixels as 0xAARRGGBB, rows top to bottom.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> argb;
};

// Width x height in four equal quadrants: red, green (top), blue, yellow (bottom).
Picture Quadrants(int width, int height);
Picture Solid(int width, int height, uint32_t argb);
std::vector<uint8_t> Rgba(const Picture& picture);

enum class FileKind { Png, Bmp, Tga, Jpeg, Dds };
// The picture in that file format; Jpeg loses a little colour.
std::vector<uint8_t> Encode(const Picture& picture, FileKind kind);

// Per channel, within tolerance.
bool Near(uint32_t rgb, uint32_t expected, int tolerance);

struct Sample {
    int x;
    int y;
    uint32_t rgb;
};

class DeviceTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Written into this test's folder and loaded; released at tear-down.
    IDirect3DTexture9* Load(const Picture& picture);
    std::filesystem::path WriteFile(const std::string& name, const std::vector<uint8_t>& bytes);
    // Clears the back buffer to kClear.
    void Clear();
    ZoltFrame Frame();
    // Checks each sample against the back buffer, naming the case on failure.
    void ExpectSamples(const std::string& label, const std::vector<Sample>& samples,
                       int tolerance = 2);

    HeadlessDevice output;
    IDirect3DDevice9* device = nullptr;  // output's
    ID3DXSprite* sprite = nullptr;
    std::filesystem::path folder;
    std::vector<IDirect3DTexture9*> textures;
};

D3DXMATRIX Transform(const D3DXVECTOR2* scaling, const D3DXVECTOR2* rotationCentre, float rotation,
                     const D3DXVECTOR2* translation);
D3DXMATRIX Translate(float x, float y);

}  // namespace sprite_test
