// The per-sprite cost of the scene: queueing with DrawSprite and DrawSpriteA,
// and a whole headless frame (the frame function's calls, then drawing and
// presenting) with 10 000 and 100 000 sprites. The engine runs in process,
// headless, on one small texture.
#include <benchmark/benchmark.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/engine_state.h"
#include "zolt.h"

namespace {

// One engine for the whole program, in a folder with the sprite's picture.
void SetUpOnce() {
    static bool done = [] {
        std::string dir = std::filesystem::temp_directory_path() / ("zolt-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        uint8_t pixels[16 * 16 * 4];
        for (int i = 0; i < 16 * 16; ++i) {
            pixels[4 * i] = 200, pixels[4 * i + 1] = 120, pixels[4 * i + 2] = 40, pixels[4 * i + 3] = 255;
        }
        stbi_write_png("ball.png", 16, 16, 4, pixels, 64);
        stbi_write_png("sheet.png", 4, 64, 4, pixels, 16);
        IniEngine(nullptr, nullptr, SW_SHOWNORMAL, L"bench", 800, 600);
        return true;
    }();
    (void)done;
}

// A frame's queueing: count sprites spread over the view and the world layers.
void QueueSprites(int count) {
    for (int i = 0; i < count; ++i) {
        DrawSprite(L"ball.png", (i * 37) % 760, (i * 53) % 540, 16, 16, 1 + i % 4, 0, 1.0f, 0xFFFFFFFF);
    }
}

void BM_DrawSprite(benchmark::State& state) {
    SetUpOnce();
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QueueSprites(count);
        state.PauseTiming();
        engine.scene.spriteQueue.clear();  // what a drawn frame does, kept out of the timing
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_DrawSpriteA(benchmark::State& state) {
    SetUpOnce();
    const int count = static_cast<int>(state.range(0));
    static int first = -1;
    static int made = 0;
    for (; made < count; ++made) {
        int id = CreateAnimation(L"sheet.png", 16, 15, 1, 4, 4, 1);
        if (first < 0) first = id;
    }
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) DrawSpriteA(first + i, (i * 37) % 760, (i * 53) % 540, 1, 0, 1.0f, 0xFFFFFFFF);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_WholeFrame(benchmark::State& state) {
    SetUpOnce();
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        QueueSprites(count);
        Render();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

BENCHMARK(BM_DrawSprite)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSpriteA)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeFrame)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
