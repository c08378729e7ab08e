// Sprite batch drawing, checked on the read-back back buffer.
#include <numbers>

#include "sprite_fixture.h"

namespace sprite_test {
namespace {

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kYellow = 0xFFFF00;
constexpr float kQuarterTurn = std::numbers::pi_v<float> / 2;

class SpriteDraw : public DeviceTest {
protected:
    void SetUp() override {
        DeviceTest::SetUp();
        if (!HasFatalFailure()) sheet = Load(Quadrants(8, 4));  // quadrants of 4 x 2
    }

    // One Begin/Draw/End under transform.
    void DrawOnce(const D3DXMATRIX& transform, IDirect3DTexture9* texture, const RECT* source,
                  const D3DXVECTOR3* centre, const D3DXVECTOR3* position, D3DCOLOR colour,
                  DWORD flags = D3DXSPRITE_ALPHABLEND) {
        ASSERT_EQ(sprite->Begin(flags), D3D_OK);
        ASSERT_EQ(sprite->SetTransform(&transform), D3D_OK);
        sprite->Draw(texture, source, centre, position, colour);
        ASSERT_EQ(sprite->End(), D3D_OK);
    }

    IDirect3DTexture9* sheet = nullptr;
};

TEST_F(SpriteDraw, PlacesTheQuadByPositionCentreAndTransform) {
    const D3DXVECTOR2 two{2, 2}, middle{4, 2}, at{10, 10};
    // Where the sheet's quadrants land, and pixels just outside it.
    const std::vector<Sample> atTenFive = {
        {10, 5, kRed},      {13, 5, kRed},     {14, 5, kGreen},   {17, 6, kGreen},
        {10, 7, kBlue},     {17, 8, kYellow},  {9, 5, kClearRgb}, {18, 5, kClearRgb},
        {10, 4, kClearRgb}, {10, 9, kClearRgb}};
    struct Case {
        const char* name;
        D3DXMATRIX transform;
        std::optional<D3DXVECTOR3> centre, position;
        std::vector<Sample> samples;
    } cases[] = {
        {"translated", Translate(10, 5), {}, {}, atTenFive},
        {"position_less_centre", Translate(0, 0), D3DXVECTOR3{2, 1, 0}, D3DXVECTOR3{12, 6, 0},
         atTenFive},
        {"position_then_transform", Translate(5, 5), {}, D3DXVECTOR3{5, 0, 0}, atTenFive},
        // A quarter turn about the middle (4, 2): 8 x 4 becomes 4 x 8 over
        // x 12..15, y 8..15, and the top-left quadrant goes to the top right.
        {"quarter_turn_about_middle",
         Transform(nullptr, &middle, kQuarterTurn, &at),
         {},
         {},
         {{15, 9, kRed},
          {14, 8, kRed},
          {15, 14, kGreen},
          {12, 9, kBlue},
          {12, 14, kYellow},
          {11, 9, kClearRgb},
          {16, 9, kClearRgb},
          {15, 7, kClearRgb},
          {15, 16, kClearRgb}}},
        // A turn that leaves the axes: each quadrant's middle goes where the
        // rotation about (4, 2) takes it.
        {"thirty_degrees_about_middle",
         Transform(nullptr, &middle, std::numbers::pi_v<float> / 6, &at),
         {},
         {},
         {{12, 10, kRed},
          {16, 12, kGreen},
          {11, 11, kBlue},
          {15, 13, kYellow},
          {10, 8, kClearRgb}}},
        // Scaled twice about the top-left corner, which stays at (10, 5);
        // sampled inside the quadrants, away from where linear filtering mixes them.
        {"scaled_about_top_left",
         [&] {
             const D3DXVECTOR2 t{10, 5};
             return Transform(&two, nullptr, 0, &t);
         }(),
         {},
         {},
         {{10, 5, kRed},
          {15, 7, kRed},
          {19, 5, kGreen},
          {25, 5, kGreen},
          {10, 12, kBlue},
          {25, 12, kYellow},
          {9, 5, kClearRgb},
          {26, 5, kClearRgb},
          {10, 13, kClearRgb}}},
        // Half a turn about the middle: the same place, the top-left quadrant
        // at the bottom right.
        {"half_turn_about_middle",
         [&] {
             const D3DXVECTOR2 t{10, 5};
             return Transform(nullptr, &middle, std::numbers::pi_v<float>, &t);
         }(),
         {},
         {},
         {{17, 8, kRed},
          {14, 7, kRed},
          {13, 8, kGreen},
          {10, 7, kGreen},
          {17, 5, kBlue},
          {14, 6, kBlue},
          {13, 5, kYellow},
          {10, 6, kYellow},
          {9, 5, kClearRgb},
          {18, 5, kClearRgb},
          {10, 9, kClearRgb},
          {10, 4, kClearRgb}}},
        // Three quarters of a turn: the top-left quadrant goes to the bottom left.
        {"three_quarter_turn_about_middle",
         Transform(nullptr, &middle, 3 * kQuarterTurn, &at),
         {},
         {},
         {{12, 14, kRed},
          {12, 9, kGreen},
          {15, 14, kBlue},
          {15, 9, kYellow},
          {11, 9, kClearRgb},
          {16, 9, kClearRgb}}},
        {"mirrored_upside_down",
         [&] {
             const D3DXVECTOR2 mirror{1, -1}, t{10, 9};
             return Transform(&mirror, nullptr, 0, &t);
         }(),
         {},
         {},
         {{10, 8, kRed},
          {17, 7, kGreen},
          {10, 5, kBlue},
          {17, 6, kYellow},
          {10, 4, kClearRgb},
          {10, 9, kClearRgb}}},
        // A negative scale mirrors: the quad spans x 10..17 with red on the right.
        {"mirrored",
         [&] {
             const D3DXVECTOR2 mirror{-1, 1}, t{18, 5};
             return Transform(&mirror, nullptr, 0, &t);
         }(),
         {},
         {},
         {{17, 5, kRed},
          {14, 5, kRed},
          {13, 5, kGreen},
          {10, 6, kGreen},
          {17, 7, kBlue},
          {10, 8, kYellow},
          {9, 5, kClearRgb},
          {18, 5, kClearRgb}}},
    };
    for (const Case& c : cases) {
        Clear();
        DrawOnce(c.transform, sheet, nullptr, c.centre ? &*c.centre : nullptr,
                 c.position ? &*c.position : nullptr, 0xFFFFFFFF);
        ExpectSamples(c.name, c.samples);
    }
}

TEST_F(SpriteDraw, ModulatesByTheColourAndBlendsByAlpha) {
    // White opaque, then red with no alpha at all.
    Picture picture{2, 1, {0xFFFFFFFF, 0x00FF0000}};
    IDirect3DTexture9* texture = Load(picture);
    constexpr uint32_t kHalfClear = ((kClear & 0xFF) + 1) / 2;
    struct Case {
        const char* name;
        D3DCOLOR colour;
        DWORD flags;
        uint32_t opaqueTexel, clearTexel;  // what each of the two pixels shows
    } cases[] = {
        {"white_keeps_texels", 0xFFFFFFFF, D3DXSPRITE_ALPHABLEND, 0xFFFFFF, kClearRgb},
        {"grey_halves", 0xFF808080, D3DXSPRITE_ALPHABLEND, 0x808080, kClearRgb},
        {"green_filters", 0xFF00FF00, D3DXSPRITE_ALPHABLEND, 0x00FF00, kClearRgb},
        {"half_alpha_blends_over_clear", 0x80FFFFFF, D3DXSPRITE_ALPHABLEND, 0x808080 + kHalfClear,
         kClearRgb},
        {"without_blending_opaque", 0x80FFFFFF, 0, 0xFFFFFF, kRed},
        {"without_blending_modulated", 0x00FF00FF, 0, 0xFF00FF, kRed},
    };
    for (const Case& c : cases) {
        Clear();
        DrawOnce(Translate(3, 3), texture, nullptr, nullptr, nullptr, c.colour, c.flags);
        ExpectSamples(c.name, {{3, 3, c.opaqueTexel}, {4, 3, c.clearTexel}, {5, 3, kClearRgb}});
    }
}

TEST_F(SpriteDraw, DrawsTheSourceRectangleClippedToTheTexture) {
    struct Case {
        const char* name;
        RECT source;
        std::vector<Sample> samples;
        uint64_t geometryCalls;
    } cases[] = {
        {"top_right_cell",
         {4, 0, 8, 2},
         {{10, 5, kGreen}, {13, 6, kGreen}, {14, 5, kClearRgb}, {10, 7, kClearRgb}},
         1},
        // Reaches past the right and bottom edges: only the 2 x 2 inside is drawn,
        // without stretching.
        {"clipped_at_the_edges",
         {6, 2, 12, 6},
         {{10, 5, kYellow}, {11, 6, kYellow}, {12, 5, kClearRgb}, {10, 7, kClearRgb}},
         1},
        {"clipped_at_negative_corner",
         {-2, -2, 2, 1},
         {{10, 5, kRed}, {11, 5, kRed}, {12, 5, kClearRgb}, {10, 6, kClearRgb}},
         1},
        {"wholly_outside", {8, 0, 12, 4}, {{10, 5, kClearRgb}, {9, 4, kClearRgb}}, 0},
        {"inverted", {6, 2, 4, 0}, {{10, 5, kClearRgb}, {8, 3, kClearRgb}}, 0},
    };
    for (const Case& c : cases) {
        Clear();
        const uint64_t before = ZoltSpriteGeometryCalls(sprite);
        DrawOnce(Translate(10, 5), sheet, &c.source, nullptr, nullptr, 0xFFFFFFFF);
        ExpectSamples(c.name, c.samples);
        EXPECT_EQ(ZoltSpriteGeometryCalls(sprite) - before, c.geometryCalls) << c.name;
    }
}

TEST_F(SpriteDraw, KeepsDrawOrderAndSubmitsOneCallPerRunOfATexture) {
    IDirect3DTexture9* red = Load(Solid(4, 4, 0xFFFF0000));
    IDirect3DTexture9* blue = Load(Solid(4, 4, 0xFF0000FF));
    struct Case {
        const char* name;
        std::string draws;  // r, b: a draw of that texture; f: Flush
        uint64_t geometryCalls;
        uint32_t top;  // the last draw's colour, which covers the others
    } cases[] = {
        {"one_texture", "rrrrrrrr", 1, kRed},     {"two_runs", "rrrrbbbb", 2, kBlue},
        {"interleaved", "rbrbr", 5, kRed},        {"flush_splits_a_run", "rrfrr", 2, kRed},
        {"flush_of_nothing", "ff", 0, kClearRgb},
    };
    for (const Case& c : cases) {
        Clear();
        const uint64_t before = ZoltSpriteGeometryCalls(sprite);
        ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
        const D3DXMATRIX at = Translate(8, 8);
        sprite->SetTransform(&at);
        for (char draw : c.draws) {
            if (draw == 'f') {
                EXPECT_EQ(sprite->Flush(), D3D_OK);
            } else {
                EXPECT_EQ(
                    sprite->Draw(draw == 'r' ? red : blue, nullptr, nullptr, nullptr, 0xFFFFFFFF),
                    D3D_OK);
            }
        }
        ASSERT_EQ(sprite->End(), D3D_OK);
        EXPECT_EQ(ZoltSpriteGeometryCalls(sprite) - before, c.geometryCalls) << c.name;
        ExpectSamples(c.name, {{9, 9, c.top}});
    }
}

TEST_F(SpriteDraw, LaterDrawsCoverEarlierOnesWhereTheyOverlap) {
    IDirect3DTexture9* red = Load(Solid(6, 6, 0xFFFF0000));
    IDirect3DTexture9* blue = Load(Solid(6, 6, 0xFF0000FF));
    ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
    const D3DXVECTOR3 first{4, 4, 0}, second{7, 7, 0};
    sprite->Draw(red, nullptr, nullptr, &first, 0xFFFFFFFF);
    sprite->Draw(blue, nullptr, nullptr, &second, 0xFFFFFFFF);
    ASSERT_EQ(sprite->End(), D3D_OK);
    ExpectSamples("overlap", {{5, 5, kRed},
                              {8, 8, kBlue},
                              {9, 9, kBlue},
                              {12, 12, kBlue},
                              {5, 9, kRed},
                              {4, 10, kClearRgb}});
}

TEST_F(SpriteDraw, RefusesDrawsOutsideBeginAndEnd) {
    EXPECT_EQ(sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->End(), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->Flush(), D3DERR_INVALIDCALL);
    ASSERT_EQ(sprite->Begin(0), D3D_OK);
    EXPECT_EQ(sprite->Begin(0), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->End(), D3D_OK);
    EXPECT_EQ(sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    EXPECT_EQ(ZoltSpriteGeometryCalls(sprite), 0u);
    ExpectSamples("nothing drawn", {{0, 0, kClearRgb}, {3, 1, kClearRgb}});
}

TEST_F(SpriteDraw, NullTextureDrawsNothingAndLeavesTheRunsAlone) {
    ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
    EXPECT_EQ(sprite->Draw(nullptr, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    ASSERT_EQ(sprite->End(), D3D_OK);
    EXPECT_EQ(ZoltSpriteGeometryCalls(sprite), 0u);

    // Between two draws of one texture, it does not split their run.
    ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
    sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->Draw(nullptr, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    ASSERT_EQ(sprite->End(), D3D_OK);
    EXPECT_EQ(ZoltSpriteGeometryCalls(sprite), 1u);
}

TEST_F(SpriteDraw, ATextureReleasedBeforeEndStillDraws) {
    IDirect3DTexture9* texture = Load(Solid(4, 4, 0xFF00FF00));
    textures.pop_back();  // this test lets go of it itself
    ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
    sprite->Draw(texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    texture->Release();  // the caller's last reference
    ASSERT_EQ(sprite->End(), D3D_OK);
    ExpectSamples("released", {{1, 1, kGreen}, {4, 4, kClearRgb}});
}

TEST_F(SpriteDraw, SurvivesALostAndResetDevice) {
    ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
    sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    // An open batch is ended: what it held is drawn and it takes no more draws.
    EXPECT_EQ(sprite->OnLostDevice(), D3D_OK);
    ExpectSamples("ended by loss", {{0, 0, kRed}, {8, 0, kClearRgb}});
    EXPECT_EQ(sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3DERR_INVALIDCALL);
    EXPECT_EQ(sprite->End(), D3DERR_INVALIDCALL);

    D3DPRESENT_PARAMETERS parameters{};
    parameters.Windowed = TRUE;
    EXPECT_EQ(device->Reset(&parameters), D3D_OK);
    EXPECT_EQ(sprite->OnResetDevice(), D3D_OK);
    Clear();
    DrawOnce(Translate(20, 10), sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    ExpectSamples("after reset", {{20, 10, kRed}, {27, 13, kYellow}, {0, 0, kClearRgb}});
}

TEST_F(SpriteDraw, DrawsNothingOnceTheWindowTookTheRendererAway) {
    ASSERT_EQ(sprite->Begin(D3DXSPRITE_ALPHABLEND), D3D_OK);
    EXPECT_EQ(sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3D_OK);
    ASSERT_TRUE(DestroyWindow(output.window));
    // The queued quad and later ones have no picture left to draw.
    EXPECT_EQ(sprite->Draw(sheet, nullptr, nullptr, nullptr, 0xFFFFFFFF), D3D_OK);
    EXPECT_EQ(sprite->End(), D3D_OK);
    EXPECT_EQ(ZoltSpriteGeometryCalls(sprite), 0u);
    ZoltFrame frame;
    EXPECT_FALSE(ZoltReadBackBuffer(device, &frame));
    IDirect3DTexture9* texture = nullptr;
    const std::wstring path =
        WriteFile("late.png", Encode(Solid(2, 2, 0xFFFFFFFF), FileKind::Png)).wstring();
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileW(device, path.c_str(), &texture)));
    EXPECT_EQ(texture, nullptr);
}

TEST_F(SpriteDraw, KeepsTheTransformUntilItIsSetAgain) {
    D3DXMATRIX got;
    ASSERT_EQ(sprite->GetTransform(&got), D3D_OK);
    EXPECT_EQ(got._11, 1);
    EXPECT_EQ(got._22, 1);
    EXPECT_EQ(got._41, 0);
    const D3DXMATRIX moved = Translate(6, 7);
    ASSERT_EQ(sprite->SetTransform(&moved), D3D_OK);
    ASSERT_EQ(sprite->Begin(0), D3D_OK);
    ASSERT_EQ(sprite->End(), D3D_OK);
    ASSERT_EQ(sprite->GetTransform(&got), D3D_OK);
    EXPECT_EQ(got._41, 6);
    EXPECT_EQ(got._42, 7);
    EXPECT_EQ(sprite->SetTransform(nullptr), D3DERR_INVALIDCALL);
}

TEST_F(SpriteDraw, SamplesLinearlyOnlyWhenTheSamplerSaysSo) {
    IDirect3DTexture9* texture = Load(Picture{2, 1, {0xFFFF0000, 0xFF0000FF}});
    const D3DXVECTOR2 eight{8, 8};
    const D3DXMATRIX stretched = Transform(&eight, nullptr, 0, nullptr);
    // Stretched 8 times, pixel 7 is the red texel's last; linear sampling
    // mixes in some of the blue neighbour there, point sampling does not.
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_POINT);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_POINT);
    DrawOnce(stretched, texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    ExpectSamples("point", {{7, 3, kRed}, {8, 3, kBlue}}, 0);

    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    Clear();
    DrawOnce(stretched, texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    const uint32_t mixed = Frame().At(7, 3);
    EXPECT_LT(mixed >> 16, 0xFFu) << std::hex << mixed;
    EXPECT_GT(mixed & 0xFF, 0u) << std::hex << mixed;
}

}  // namespace
}  // namespace sprite_test
