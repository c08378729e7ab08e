// Sprite-sheet animations: frames numbered from the sheet's top-left cell, row
// by row, advanced by the clock while drawn, stopping on the last frame.
#include <algorithm>
#include <limits>

#include "core/engine_state.h"
#include "resources/texture_registry.h"
#include "scene/scene_manager.h"
#include "zolt.h"

namespace {

Animation* FindAnimation(int id) {
    auto& table = engine.scene.animations;
    if (id < 0 || static_cast<size_t>(id) >= table.size()) return nullptr;
    return &table[static_cast<size_t>(id)];
}

int32_t Narrow(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Moves the frame on by every whole period the elapsed time exceeds one period
// by; the remainder carries over. Speeds above 1000 give a period of 1 ms, and
// a speed of 0 (or below) pauses without counting the paused time later.
void Advance(Animation& a) {
    uint32_t now = timeGetTime();
    if (a.speed <= 0) {
        a.lastAdvance = now;
        return;
    }
    uint32_t period = a.speed > 1000 ? 1 : static_cast<uint32_t>(1000 / a.speed);
    a.elapsed = now - a.lastAdvance;
    if (a.elapsed < period) return;
    uint32_t steps = (a.elapsed - 1) / period;  // how often "elapsed > period" holds
    a.elapsed -= steps * period;
    int64_t frame = int64_t{a.frame} + steps;
    a.lastAdvance = timeGetTime() - a.elapsed;
    if (frame > a.lastFrame) {
        a.frame = a.lastFrame;
        a.running = false;
    } else {
        a.frame = Narrow(frame);
        a.running = true;
    }
}

}  // namespace

int CreateAnimationEx(const wchar_t* file, const int* ranges, int count, int speed, int columns,
                      int width, int height, int layer) {
    SceneManager& scene = engine.scene;
    Animation a;
    a.texture = GetTexture(file);
    a.frameWidth = width;
    a.frameHeight = height == 0 ? width : height;
    a.speed = speed;
    a.lastAdvance = timeGetTime();
    a.columns = std::max(1, columns);
    a.elapsed = 0;
    a.frame = 0;
    a.visible = false;
    a.running = true;
    // No ranges to copy: one range of frame 0 alone, at the given speed.
    if (ranges == nullptr || count < 1) {
        a.ranges = {FrameRange{0, 0, speed}};
    } else {
        for (int i = 0; i < count; ++i) {
            a.ranges.push_back(FrameRange{ranges[3 * i], ranges[3 * i + 1], ranges[3 * i + 2]});
        }
    }
    a.lastFrame = a.ranges.back().last;
    a.layer = ClampLayer(scene, layer);
    a.rangeCount = static_cast<int32_t>(a.ranges.size());
    a.currentRange = 1;
    scene.animations.push_back(std::move(a));
    return static_cast<int>(scene.animations.size() - 1);
}

int CreateAnimation(const wchar_t* file, int frames, int speed, int columns, int width, int height,
                    int layer) {
    const int range[3] = {0, frames - 1, speed};
    return CreateAnimationEx(file, range, 1, speed, columns, width, height, layer);
}

bool DrawSpriteA(int id, int x, int y, int layer, float angle, float scale, unsigned long color) {
    SceneManager& scene = engine.scene;
    Animation* a = FindAnimation(id);
    if (!scene.ready || a == nullptr) return true;
    a->layer = ClampLayer(scene, layer);
    bool draw = true;
    if (a->layer == 0) {
        a->x = static_cast<float>(x);
        a->y = static_cast<float>(y);
    } else {
        int32_t w = ScaledSize(a->frameWidth, scale), h = ScaledSize(a->frameHeight, scale);
        draw = !OutsideView(scene, x, y, w, h);
        a->x = static_cast<float>(int64_t{x} - scene.viewportX);
        a->y = static_cast<float>(int64_t{y} - scene.viewportY);
    }
    if (draw) {
        a->visible = true;
        a->rotation = ToRadians(angle);
        a->scale = scale;
        a->color = static_cast<D3DCOLOR>(color);
    }
    return a->running;
}

void SetAnimation(int id, int range) {
    Animation* a = FindAnimation(id);
    if (a == nullptr || range < 1 || range > a->rangeCount) return;
    const FrameRange& r = a->ranges[static_cast<size_t>(range - 1)];
    if (range != a->currentRange) a->frame = r.first;
    a->currentRange = range;
    a->lastFrame = r.last;
    a->speed = r.speed;
}

void ResetAnimation(int id) {
    if (Animation* a = FindAnimation(id))
        a->frame = a->ranges[static_cast<size_t>(a->currentRange - 1)].first;
}

void SetAnimationSpeed(int id, int speed) {
    if (Animation* a = FindAnimation(id)) a->speed = speed;
}

void DrawLayerAnimations(SceneManager& scene, int32_t layer) {
    for (Animation& a : scene.animations) {
        if (!a.visible || a.layer != layer) continue;
        Advance(a);
        int64_t column = a.frame, row = 0;
        if (a.frame > a.columns - 1) {
            column = a.frame % a.columns;
            row = a.frame / a.columns;
        }
        int64_t left = a.frameWidth * column, top = a.frameHeight * row;
        SetRect(&scene.sourceRect, Narrow(left), Narrow(top), Narrow(left + a.frameWidth),
                Narrow(top + a.frameHeight));
        DrawTransformed(scene, a.texture, &scene.sourceRect, a.scale, a.frameWidth / 2,
                        a.frameHeight / 2, a.rotation, a.x, a.y, a.color);
        a.visible = false;
    }
}
