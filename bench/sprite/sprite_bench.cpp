// Nanoseconds per sprite for a frame of Draws and its End, every quad of one
// 8 x 8 texture, each with its own transform as the engine's scene sets it:
// upright, or each turned by its own angle.
#include <benchmark/benchmark.h>
#include <stb_image_write.h>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "d3dx9.h"
#include "headless_device.h"

namespace {

constexpr int kWidth = 640, kHeight = 480, kSide = 8;

IDirect3DTexture9* SolidTexture(IDirect3DDevice9* device) {
    const std::vector<uint8_t> rgba(kSide * kSide * 4, 0xC0);
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("zolt-sprite-bench-" + std::to_string(getpid()) + ".png");
    stbi_write_png(path.c_str(), kSide, kSide, 4, rgba.data(), kSide * 4);
    IDirect3DTexture9* texture = nullptr;
    D3DXCreateTextureFromFileW(device, path.wstring().c_str(), &texture);
    std::filesystem::remove(path);
    return texture;
}

void DrawAndEnd(benchmark::State& state) {
    const int quads = static_cast<int>(state.range(0));
    const bool turned = state.range(1) != 0;
    sprite_test::HeadlessDevice output;
    ID3DXSprite* sprite = nullptr;
    IDirect3DTexture9* texture = nullptr;
    if (!output.Open(kWidth, kHeight) || D3DXCreateSprite(output.device, &sprite) != D3D_OK ||
        (texture = SolidTexture(output.device)) == nullptr) {
        state.SkipWithError("no headless device");
        output.Close();
        return;
    }
    std::vector<D3DXMATRIX> transforms(quads);
    for (int i = 0; i < quads; ++i) {
        const D3DXVECTOR2 scaling{1, 1}, centre{kSide / 2, kSide / 2};
        const D3DXVECTOR2 at{float(i * 7 % (kWidth - kSide)), float(i * 13 % (kHeight - kSide))};
        D3DXMatrixTransformation2D(&transforms[i], nullptr, 0, &scaling, &centre,
                                   turned ? 0.01f * i : 0, &at);
    }
    for (auto _ : state) {
        sprite->Begin(D3DXSPRITE_ALPHABLEND);
        for (const D3DXMATRIX& transform : transforms) {
            sprite->SetTransform(&transform);
            sprite->Draw(texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
        }
        sprite->End();
    }
    // Inverted rate of sprites per nanosecond: nanoseconds per sprite.
    state.counters["ns_per_sprite"] =
        benchmark::Counter(double(quads) * double(state.iterations()) / 1e9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    texture->Release();
    sprite->Release();
    output.Close();
}

BENCHMARK(DrawAndEnd)
    ->ArgsProduct({{10000, 100000}, {0, 1}})
    ->ArgNames({"quads", "turned"})
    ->Unit(benchmark::kMillisecond);

}  // namespace
