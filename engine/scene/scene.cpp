#include <algorithm>
#include <cmath>
#include <limits>

#include "core/engine_state.h"
#include "core/numbers.h"
#include "resources/texture_registry.h"
#include "scene/scene_manager.h"
#include "zolt.h"

float ToRadians(float degrees) {
    return static_cast<float>(static_cast<double>(degrees) * 6.2831855 / 360);
}

int32_t ScaledSize(int32_t size, float scale) {
    return TruncateToInt32(static_cast<float>(size) * scale);
}

int32_t ClampLayer(const SceneManager& scene, int32_t layer) {
    if (layer < 0) return 0;
    if (layer >= scene.layerCount) return scene.layerCount - 1;
    return layer;
}

bool OutsideView(const SceneManager& scene, int64_t x, int64_t y, int64_t width, int64_t height) {
    return x + width <= scene.viewportX || x >= int64_t{scene.viewportX} + scene.clientRect.right ||
           y + height <= scene.viewportY || y >= int64_t{scene.viewportY} + scene.clientRect.bottom;
}

void SceneManagerIni(int layers) {
    SceneManager& scene = engine.scene;
    if (scene.sprite) scene.sprite->Release();  // a repeated set-up's batch
    scene.sprite = nullptr;
    D3DXCreateSprite(engine.device, &scene.sprite);
    scene.viewportX = 0;
    scene.viewportY = 0;
    GetClientRect(engine.window, &scene.clientRect);
    scene.layerCount = layers;
    scene.ready = true;
}

void SetViewport(int x, int y) {
    engine.scene.viewportX = std::max(0, x);
    engine.scene.viewportY = std::max(0, y);
}

void DrawSprite(const wchar_t* file, int x, int y, int width, int height, int layer, float angle,
                float scale, unsigned long color) {
    SceneManager& scene = engine.scene;
    if (!scene.ready) return;
    SpriteCommand command;
    if (layer == 0) {
        command.layer = 0;
        command.x = static_cast<float>(x);
        command.y = static_cast<float>(y);
    } else {
        // World layers: culled by the unscaled rectangle before any lookup.
        if (OutsideView(scene, x, y, width, height)) return;
        command.layer = ClampLayer(scene, layer);
        command.x = static_cast<float>(int64_t{x} - scene.viewportX);
        command.y = static_cast<float>(int64_t{y} - scene.viewportY);
    }
    command.texture = GetTexture(file);
    command.rotation = ToRadians(angle);
    command.scale = scale;
    command.scaledWidth = ScaledSize(width, scale);
    command.scaledHeight = ScaledSize(height, scale);
    command.color = static_cast<D3DCOLOR>(color);
    scene.spriteQueue.push_back(command);
}

void DrawTransformed(SceneManager& scene, IDirect3DTexture9* texture, const RECT* source,
                     float scale, int32_t centreX, int32_t centreY, float rotation, float x,
                     float y, D3DCOLOR color) {
    D3DXVECTOR2 scaling{scale, scale};
    D3DXVECTOR2 centre{static_cast<float>(centreX), static_cast<float>(centreY)};
    D3DXVECTOR2 translation{x, y};
    D3DXMatrixTransformation2D(&scene.transform, nullptr, 0, &scaling, &centre, rotation,
                               &translation);
    scene.sprite->SetTransform(&scene.transform);
    scene.sprite->Draw(texture, source, nullptr, nullptr, color);
}

void RenderScene(SceneManager& scene) {
    ID3DXSprite* sprite = scene.sprite;
    if (sprite) sprite->Begin(D3DXSPRITE_ALPHABLEND);
    for (int32_t layer = scene.layerCount - 1; sprite && layer >= 0; --layer) {
        for (const SpriteCommand& c : scene.spriteQueue) {
            if (c.layer != layer) continue;
            DrawTransformed(scene, c.texture, nullptr, c.scale, c.scaledWidth / 2,
                            c.scaledHeight / 2, c.rotation, c.x, c.y, c.color);
        }
        DrawLayerAnimations(scene, layer);
    }
    scene.spriteQueue.clear();
    if (sprite) sprite->End();
}

void TearDownScene(SceneManager& scene) {
    scene.spriteQueue = {};
    scene.animations = {};
    if (scene.sprite) scene.sprite->Release();
    scene.sprite = nullptr;
}
