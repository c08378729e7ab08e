// Textures from image files of each format and from module bitmaps; files and
// resources that cannot give a picture fail cleanly.
#include "sprite_fixture.h"

extern "C" int SpriteBitmapLibraryMarker();

namespace sprite_test {
namespace {

// The fixture library's bitmaps, written at build time: 102 is 6 x 3 with
// left half red and right half blue; 103 is a bitmap cut short.
constexpr WORD kSheetBitmap = 102, kBrokenBitmap = 103, kMissingBitmap = 999;

class TextureLoad : public DeviceTest {
protected:
    // Draws texture at the origin and checks that it covers exactly
    // width x height pixels, left half red and right half blue.
    void ExpectRedBlue(const std::string& label, IDirect3DTexture9* texture, int width, int height,
                       int tolerance) {
        Clear();
        ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
        sprite->Draw(texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
        ASSERT_EQ(sprite->End(), D3D_OK);
        ExpectSamples(label,
                      {{0, 0, 0xFF0000},
                       {width / 2 - 1, height - 1, 0xFF0000},
                       {width / 2, 0, 0x0000FF},
                       {width - 1, height - 1, 0x0000FF},
                       {width, 0, kClearRgb},
                       {0, height, kClearRgb}},
                      tolerance);
    }

    static Picture RedBlue(int width, int height) {
        Picture picture{width, height, {}};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.argb.push_back(x < width / 2 ? 0xFFFF0000 : 0xFF0000FF);
        return picture;
    }
};

TEST_F(TextureLoad, MakesTexturesOfTheFilesOwnSizeInEachFormat) {
    struct Case {
        const char* name;
        FileKind kind;
        int width, height, tolerance;
    } cases[] = {
        {"picture.png", FileKind::Png, 6, 3, 0},
        {"picture.bmp", FileKind::Bmp, 5, 7, 0},  // odd sizes: no rounding to powers of two
        {"picture.tga", FileKind::Tga, 10, 2, 0},
        // JPEG works in 8 x 8 blocks and loses a little colour.
        {"picture.jpg", FileKind::Jpeg, 16, 8, 40},
        {"picture.dds", FileKind::Dds, 4, 5, 0},
    };
    for (const Case& c : cases) {
        const auto path = WriteFile(c.name, Encode(RedBlue(c.width, c.height), c.kind));
        IDirect3DTexture9* texture = nullptr;
        ASSERT_EQ(D3DXCreateTextureFromFileW(device, path.wstring().c_str(), &texture), D3D_OK)
            << c.name;
        ASSERT_NE(texture, nullptr) << c.name;
        textures.push_back(texture);
        ExpectRedBlue(c.name, texture, c.width, c.height, c.tolerance);
    }
}

TEST_F(TextureLoad, TakesPathsWithBackslashes) {
    const auto path = WriteFile("sub/dir/picture.png", Encode(RedBlue(4, 2), FileKind::Png));
    std::wstring windowsStyle = (folder / "sub\\dir\\picture.png").wstring();
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileW(device, windowsStyle.c_str(), &texture), D3D_OK);
    textures.push_back(texture);
    ExpectRedBlue("backslashes", texture, 4, 2, 0);
}

TEST_F(TextureLoad, FailsForFilesThatGiveNoPicture) {
    const std::vector<uint8_t> png = Encode(RedBlue(6, 3), FileKind::Png);
    std::vector<uint8_t> lying = png;
    lying[16] = 0x7F;  // the header's width, far beyond the data that follows
    struct Case {
        const char* name;
        std::optional<std::vector<uint8_t>> bytes;  // none: not written
    } cases[] = {
        {"missing.png", std::nullopt},
        {"empty.png", std::vector<uint8_t>{}},
        {"truncated.png", std::vector<uint8_t>(png.begin(), png.begin() + png.size() / 2)},
        {"lying.png", lying},
        {"text.png",
         std::vector<uint8_t>{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}},
    };
    for (const Case& c : cases) {
        const auto path = c.bytes ? WriteFile(c.name, *c.bytes) : folder / c.name;
        auto* texture = reinterpret_cast<IDirect3DTexture9*>(this);  // must be cleared
        EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileW(device, path.wstring().c_str(), &texture)))
            << c.name;
        EXPECT_EQ(texture, nullptr) << c.name;
    }
    IDirect3DTexture9* texture = nullptr;
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileW(device, folder.wstring().c_str(), &texture)))
        << "a folder";
    EXPECT_EQ(D3DXCreateTextureFromFileW(device, nullptr, &texture), D3DERR_INVALIDCALL);
    const auto good = WriteFile("good.png", png);
    EXPECT_EQ(D3DXCreateTextureFromFileW(nullptr, good.wstring().c_str(), &texture),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(D3DXCreateTextureFromFileW(device, good.wstring().c_str(), nullptr),
              D3DERR_INVALIDCALL);
}

TEST_F(TextureLoad, MakesTexturesFromALibrarysBitmaps) {
    ASSERT_EQ(SpriteBitmapLibraryMarker(), 1);
    HMODULE library = GetModuleHandleW(L"libzolt_test_sprite_bitmaps.so");
    ASSERT_NE(library, nullptr);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        D3DXCreateTextureFromResourceW(device, library, MAKEINTRESOURCEW(kSheetBitmap), &texture),
        D3D_OK);
    textures.push_back(texture);
    ExpectRedBlue("bitmap 102", texture, 6, 3, 0);

    struct Case {
        const char* name;
        HMODULE module;
        LPCWSTR resource;
    } failing[] = {
        {"broken bitmap", library, MAKEINTRESOURCEW(kBrokenBitmap)},
        {"missing bitmap", library, MAKEINTRESOURCEW(kMissingBitmap)},
        {"not the executable's", nullptr, MAKEINTRESOURCEW(kSheetBitmap)},
    };
    for (const Case& c : failing) {
        IDirect3DTexture9* none = reinterpret_cast<IDirect3DTexture9*>(this);
        EXPECT_TRUE(FAILED(D3DXCreateTextureFromResourceW(device, c.module, c.resource, &none)))
            << c.name;
        EXPECT_EQ(none, nullptr) << c.name;
    }
    EXPECT_EQ(
        D3DXCreateTextureFromResourceW(nullptr, library, MAKEINTRESOURCEW(kSheetBitmap), &texture),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTextureFromResourceW(device, library, nullptr, &texture),
              D3DERR_INVALIDCALL);
}

}  // namespace
}  // namespace sprite_test
