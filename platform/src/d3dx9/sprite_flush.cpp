// Submission of the queued quads: one geometry call for each run of quads that
// share a texture, in the order they were drawn.
#include "d3dx9/sprite.h"

namespace platform {
namespace {

// Two triangles for each of quads quads, split along the diagonal from the
// top-left to the bottom-right corner: (0 1 3) and (0 3 2) of every four
// vertices. SDL's software renderer recognises this order as a rectangle and
// copies it whole, with the right texture coordinates.
void CoverQuads(std::vector<int>& indices, size_t quads) {
    for (size_t quad = indices.size() / 6; quad < quads; ++quad) {
        const int v = static_cast<int>(quad * 4);
        indices.insert(indices.end(), {v, v + 1, v + 3, v, v + 3, v + 2});
    }
}

}  // namespace

void SubmitQueuedQuads(Sprite& sprite) {
    SDL_Renderer* renderer = sprite.device->renderer;
    if (renderer) CoverQuads(sprite.indices, sprite.vertices.size() / 4);
    for (SpriteRun& run : sprite.runs) {
        SDL_Texture* picture = run.texture->picture;
        if (renderer && picture) {
            SDL_SetTextureBlendMode(picture,
                                    sprite.alphaBlend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
            SDL_SetTextureScaleMode(
                picture, sprite.device->linearFilter ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
            // Indices count from the run's first vertex, so one index list serves every run.
            SDL_RenderGeometry(renderer, picture, &sprite.vertices[size_t(run.firstQuad) * 4],
                               run.quads * 4, sprite.indices.data(), run.quads * 6);
            ++sprite.geometryCalls;
        }
        run.texture->Release();
    }
    sprite.runs.clear();
    sprite.vertices.clear();
}

}  // namespace platform
