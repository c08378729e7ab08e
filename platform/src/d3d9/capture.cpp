#include "d3d9/capture.h"

#include <SDL.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "core/settings.h"

namespace platform {
namespace {

struct KeptFrame {
    std::vector<uint8_t> rgba;
    int width = 0;
    int height = 0;
    uint64_t tick = 0;
    bool pending = false;

    ~KeptFrame() { CaptureFlush(); }
};

KeptFrame& Kept() {
    static KeptFrame kept;
    return kept;
}

bool WritePng(const std::vector<uint8_t>& rgba, int width, int height, uint64_t tick) {
    const std::string& folder = GetSettings().captureDir;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06llu.png", static_cast<unsigned long long>(tick));
    std::string path = (std::filesystem::path(folder) / name).string();
    if (!stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4)) {
        std::fprintf(stderr, "zolt: ZOLT_CAPTURE: cannot write %s\n", path.c_str());
        return false;
    }
    if (GetSettings().captureTicks.empty()) std::fprintf(stderr, "zolt: frame written to %s\n", path.c_str());
    return true;
}

}  // namespace

bool CaptureWanted(uint64_t tick) {
    const Settings& settings = GetSettings();
    if (settings.captureDir.empty()) return false;
    const auto& ticks = settings.captureTicks;
    return ticks.empty() || std::find(ticks.begin(), ticks.end(), tick) != ticks.end();
}

void CaptureFrame(SDL_Renderer* renderer, int width, int height, uint64_t tick) {
    if (width <= 0 || height <= 0 || !CaptureWanted(tick)) return;
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    SDL_Rect all{0, 0, width, height};
    if (SDL_RenderReadPixels(renderer, &all, SDL_PIXELFORMAT_RGBA32, rgba.data(), width * 4) != 0) {
        return;
    }
    for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;  // the back buffer has no alpha
    if (!GetSettings().captureTicks.empty()) {
        WritePng(rgba, width, height, tick);
        return;
    }
    KeptFrame& kept = Kept();
    kept.rgba = std::move(rgba);
    kept.width = width;
    kept.height = height;
    kept.tick = tick;
    kept.pending = true;
}

void CaptureFlush() {
    KeptFrame& kept = Kept();
    if (!kept.pending) return;
    kept.pending = false;
    WritePng(kept.rgba, kept.width, kept.height, kept.tick);
}

}  // namespace platform
