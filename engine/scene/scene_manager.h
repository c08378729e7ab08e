// The scene: this frame's queued sprites on layers, the viewport, and the table
// of sprite-sheet animations. Layer 0 is the screen; higher layers are the
// world, offset by the viewport and culled against the view.
#pragma once

#include <cstdint>
#include <vector>

#include <d3dx9.h>

// One queued DrawSprite.
struct SpriteCommand {
    IDirect3DTexture9* texture = nullptr;
    float rotation = 0;  // radians
    float x = 0;         // window pixels of the image's top-left corner
    float y = 0;
    int32_t layer = 0;
    int32_t scaledWidth = 0;  // the given width and height times the scale
    int32_t scaledHeight = 0;
    float scale = 1;
    D3DCOLOR color = 0xFFFFFFFF;
};

// The frames first to last of a sheet, played at speed frames a second.
struct FrameRange {
    int32_t first = 0;
    int32_t last = 0;
    int32_t speed = 0;
};

struct Animation {
    IDirect3DTexture9* texture = nullptr;
    float rotation = 0;
    float scale = 1;
    float x = 0;
    float y = 0;
    D3DCOLOR color = 0xFFFFFFFF;
    int32_t frame = 0;
    int32_t lastFrame = 0;
    int32_t speed = 0;  // frames a second; 0 pauses
    uint32_t lastAdvance = 0;
    uint32_t elapsed = 0;
    int32_t frameWidth = 0;
    int32_t frameHeight = 0;
    int32_t columns = 1;
    bool visible = false;  // drawn in this frame
    int32_t rangeCount = 0;
    int32_t currentRange = 1;  // from 1
    std::vector<FrameRange> ranges;
    int32_t layer = 0;
    bool running = true;  // false once the frame ran past lastFrame
};

struct SceneManager {
    int32_t viewportX = 0;
    int32_t viewportY = 0;
    ID3DXSprite* sprite = nullptr;
    D3DXMATRIX transform{};
    int32_t layerCount = 0;
    std::vector<SpriteCommand> spriteQueue;  // kept allocated from frame to frame
    std::vector<Animation> animations;       // an animation's id is its index
    RECT clientRect{};                       // right and bottom: the view's size
    RECT sourceRect{};
    bool ready = false;
};

// Draws every layer from the highest to 0, each layer's sprites then its
// animations, and empties the queue.
void RenderScene(SceneManager& scene);
// The animations of one layer, inside the scene's batch.
void DrawLayerAnimations(SceneManager& scene, int32_t layer);
// Draws source of texture (null: all of it) scaled, turned by rotation about
// (centreX, centreY) and moved to (x, y), through the scene's batch.
void DrawTransformed(SceneManager& scene, IDirect3DTexture9* texture, const RECT* source,
                     float scale, int32_t centreX, int32_t centreY, float rotation, float x,
                     float y, D3DCOLOR color);
// The layer clamped to the scene's layers.
int32_t ClampLayer(const SceneManager& scene, int32_t layer);
// Whether a world rectangle lies wholly outside the view.
bool OutsideView(const SceneManager& scene, int64_t x, int64_t y, int64_t width, int64_t height);
// Degrees to radians, in double precision, stored as a float.
float ToRadians(float degrees);
// A product truncated toward zero, held to the 32-bit range.
int32_t ScaledSize(int32_t size, float scale);

void TearDownScene(SceneManager& scene);
