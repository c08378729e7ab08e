#include "sprite_fixture.h"

#include <stb_image_write.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace sprite_test {
namespace {

void Append(std::vector<uint8_t>* out, void* data, int size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Uncompressed 32-bit DDS: the pixels stored as little-endian 0xAARRGGBB.
std::vector<uint8_t> EncodeDds(const Picture& picture) {
    std::vector<uint8_t> file(128, 0);
    file[0] = 'D', file[1] = 'D', file[2] = 'S', file[3] = ' ';
    Put32(file, 4, 124);
    Put32(file, 8, 0x1007);  // caps, height, width, pixel format
    Put32(file, 12, picture.height);
    Put32(file, 16, picture.width);
    Put32(file, 76, 32);
    Put32(file, 80, 0x41);  // RGB with alpha
    Put32(file, 88, 32);
    Put32(file, 92, 0x00FF0000);
    Put32(file, 96, 0x0000FF00);
    Put32(file, 100, 0x000000FF);
    Put32(file, 104, 0xFF000000);
    Put32(file, 108, 0x1000);
    for (uint32_t pixel : picture.argb) {
        file.resize(file.size() + 4);
        Put32(file, file.size() - 4, pixel);
    }
    return file;
}

}  // namespace

Picture Quadrants(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2, bottom = y >= height / 2;
            picture.argb.push_back(bottom ? (right ? 0xFFFFFF00 : 0xFF0000FF)
                                          : (right ? 0xFF00FF00 : 0xFFFF0000));
        }
    }
    return picture;
}

Picture Solid(int width, int height, uint32_t argb) {
    return Picture{width, height, std::vector<uint32_t>(size_t(width) * height, argb)};
}

std::vector<uint8_t> Rgba(const Picture& picture) {
    std::vector<uint8_t> rgba;
    for (uint32_t p : picture.argb) {
        rgba.insert(rgba.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)});
    }
    return rgba;
}

std::vector<uint8_t> Encode(const Picture& picture, FileKind kind) {
    const std::vector<uint8_t> rgba = Rgba(picture);
    const int w = picture.width, h = picture.height;
    std::vector<uint8_t> out;
    auto write = [](void* context, void* data, int size) {
        Append(static_cast<std::vector<uint8_t>*>(context), data, size);
    };
    switch (kind) {
        case FileKind::Png:
            stbi_write_png_to_func(write, &out, w, h, 4, rgba.data(), w * 4);
            break;
        case FileKind::Bmp:
            stbi_write_bmp_to_func(write, &out, w, h, 4, rgba.data());
            break;
        case FileKind::Tga:
            stbi_write_tga_to_func(write, &out, w, h, 4, rgba.data());
            break;
        case FileKind::Jpeg:
            stbi_write_jpg_to_func(write, &out, w, h, 4, rgba.data(), 95);
            break;
        case FileKind::Dds:
            out = EncodeDds(picture);
            break;
    }
    return out;
}

bool Near(uint32_t rgb, uint32_t expected, int tolerance) {
    for (int shift : {16, 8, 0}) {
        const int a = (rgb >> shift) & 0xFF, b = (expected >> shift) & 0xFF;
        if (std::abs(a - b) > tolerance) return false;
    }
    return true;
}

void DeviceTest::SetUp() {
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    folder =
        std::filesystem::temp_directory_path() / ("zolt-sprite-" + std::to_string(getpid())) / name;
    std::filesystem::create_directories(folder);

    ASSERT_TRUE(output.Open(kClientWidth, kClientHeight));
    device = output.device;
    ASSERT_EQ(D3DXCreateSprite(device, &sprite), D3D_OK);
    Clear();
}

void DeviceTest::TearDown() {
    for (IDirect3DTexture9* texture : textures) texture->Release();
    if (sprite) sprite->Release();
    output.Close();
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}

std::filesystem::path DeviceTest::WriteFile(const std::string& name,
                                            const std::vector<uint8_t>& bytes) {
    std::filesystem::path path = folder / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

IDirect3DTexture9* DeviceTest::Load(const Picture& picture) {
    const std::string name = "picture" + std::to_string(textures.size()) + ".png";
    const std::wstring path = WriteFile(name, Encode(picture, FileKind::Png)).wstring();
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(D3DXCreateTextureFromFileW(device, path.c_str(), &texture), D3D_OK);
    if (texture) textures.push_back(texture);
    return texture;
}

void DeviceTest::Clear() {
    device->Clear(0, nullptr, D3DCLEAR_TARGET, kClear, 1.0f, 0);
}

ZoltFrame DeviceTest::Frame() {
    ZoltFrame frame;
    EXPECT_TRUE(ZoltReadBackBuffer(device, &frame));
    return frame;
}

void DeviceTest::ExpectSamples(const std::string& label, const std::vector<Sample>& samples,
                               int tolerance) {
    const ZoltFrame frame = Frame();
    ASSERT_EQ(frame.width, kClientWidth);
    ASSERT_EQ(frame.height, kClientHeight);
    for (const Sample& s : samples) {
        const uint32_t got = frame.At(s.x, s.y);
        EXPECT_TRUE(Near(got, s.rgb, tolerance))
            << label << ": pixel (" << s.x << ", " << s.y << ") is " << std::hex << got
            << ", expected " << s.rgb;
    }
}

D3DXMATRIX Transform(const D3DXVECTOR2* scaling, const D3DXVECTOR2* rotationCentre, float rotation,
                     const D3DXVECTOR2* translation) {
    D3DXMATRIX m;
    D3DXMatrixTransformation2D(&m, nullptr, 0, scaling, rotationCentre, rotation, translation);
    return m;
}

D3DXMATRIX Translate(float x, float y) {
    const D3DXVECTOR2 t{x, y};
    return Transform(nullptr, nullptr, 0, &t);
}

}  // namespace sprite_test
