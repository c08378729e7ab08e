#include "preview.h"

#include <cmath>

#include "lettering.h"
#include "noise.h"
#include "pictures.h"

namespace pictures {

namespace {

// Lays `sprite` (or its rectangle sx, sy, sw, sh) over `target` with its top-left
// at (x, y), scaled and every pixel multiplied by `tint`, as the engine draws.
void DrawSprite(Image& target, const Image& sprite, int x, int y, float scale, Rgba tint,
                int sx = 0, int sy = 0, int sw = -1, int sh = -1) {
    if (sw < 0) sw = sprite.width, sh = sprite.height;
    const int w = static_cast<int>(sw * scale), h = static_cast<int>(sh * scale);
    for (int ty = 0; ty < h; ++ty) {
        for (int tx = 0; tx < w; ++tx) {
            if (x + tx < 0 || y + ty < 0 || x + tx >= target.width || y + ty >= target.height)
                continue;
            const Rgba s = sprite.at(sx + std::min(sw - 1, static_cast<int>(tx / scale)),
                                     sy + std::min(sh - 1, static_cast<int>(ty / scale)));
            BlendOver(target.at(x + tx, y + ty),
                      {s.r * tint.r, s.g * tint.g, s.b * tint.b, s.a * tint.a}, 1.0f);
        }
    }
}

Image Tiled(const Image& tile, int across, int down) {
    Image out(tile.width * across, tile.height * down);
    for (int j = 0; j < down; ++j)
        for (int i = 0; i < across; ++i) Place(out, tile, i * tile.width, j * tile.height);
    return out;
}

Image ZonesView() {
    Image view = Crop(Tiled(DrawGrass(), 8, 6), 0, 0, 1024, 768);
    const Image disc = DrawZoneDisc();
    DrawSprite(view, disc, -156, -156, 1.0f, FromHex(0xFFFFFF));
    DrawSprite(view, disc, 488, -412, 2.0f, FromHex(0x0000FF));
    DrawSprite(view, disc, -412, 288, 2.0f, FromHex(0xFF0000));
    DrawSprite(view, disc, 488, 488, 2.0f, FromHex(0x00FF00));
    const Image knight = DrawKnightSheet();
    for (int i = 0; i < 6; ++i)
        DrawSprite(view, knight, 260 + i * 70, 300, 1.0f, FromHex(0xFFFFFF), (i * 3) * 64, 0, 64,
                   128);
    DrawSprite(view, knight, 300, 450, 1.0f, FromHex(0xFFFFFF), 32 * 64 % 1024, 256, 64, 128);
    return view;
}

Image BallsView() {
    Image view = Crop(Tiled(DrawBackdrop(), 4, 3), 0, 0, 800, 600);
    const Image balls = DrawBallSheet();
    Random random(3);
    for (int i = 0; i < 60; ++i) {
        const int frame = i % kBallFrames;
        const Rgba tint{random.Unit(), random.Unit(), random.Unit(), random.Between(0.4f, 1.0f)};
        DrawSprite(view, balls, static_cast<int>(random.Between(0, 750)),
                   static_cast<int>(random.Between(0, 550)), random.Between(0.7f, 1.19f), tint,
                   (frame % kBallColumns) * kBallFrame, (frame / kBallColumns) * kBallFrame,
                   kBallFrame, kBallFrame);
    }
    return view;
}

Image PlayerView() {
    Image view = DrawPlayerPanel();
    const Image pause = DrawPauseSign();
    DrawSprite(view, pause, 81, 22, 1.0f, FromHex(0xFFFFFF));
    DrawSprite(view, pause, 81, 192, 1.0f, FromHex(0xFFFFFF));
    const TextStyle title{FontPath("DejaVuSans.ttf"), 13, Rgba{1, 1, 1, 1}};
    const TextStyle figure{FontPath("DejaVuSans-Bold.ttf"), 24, Rgba{1, 1, 1, 1}};
    const char32_t* titles[] = {U"Кукольный театр", U"Roll with the wind", U"Все звуки"};
    const char32_t* figures[] = {U"1", U"-3", U"12"};
    for (int row = 0; row < 3; ++row) {
        DrawText(view, title, titles[row], {10, 28.0f + 85 * row});
        DrawText(view, figure, figures[row], {192, 66.0f + 85 * row});
    }
    return Magnified(view, 2);
}

}  // namespace

bool WritePreviews(const std::string& folder) {
    Image knight = Magnified(DrawKnightSheet(), 2);
    Image backed(knight.width, knight.height, FromHex(0x6b7d5a));
    Overlay(backed, knight, 0, 0);
    const struct {
        const char* file;
        Image image;
    } views[] = {
        {"preview-knight.png", backed},
        {"preview-zones.png", ZonesView()},
        {"preview-grass.png", Tiled(DrawGrass(), 3, 3)},
        {"preview-balls.png", BallsView()},
        {"preview-backdrop.png", Tiled(DrawBackdrop(), 3, 3)},
        {"preview-player.png", PlayerView()},
        {"preview-placeholder.png", Magnified(DrawPlaceholder(), 4)},
        {"preview-splash.png", Magnified(DrawSplash(), 2)},
        {"preview-roll.png", Magnified(DrawBallSheet(), 2)},
    };
    for (const auto& view : views)
        if (!WriteImage(folder + "/" + view.file, view.image, FileKind::Png)) return false;
    return true;
}

}  // namespace pictures
