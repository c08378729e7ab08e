// splash.bmp: the picture of the loading window. The engine's name on a night
// sky over a meadow, and a calm band at the bottom for the loading text.
#include <algorithm>
#include <cmath>

#include "lettering.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace pictures {

Image DrawSplash() {
    const int width = 300, height = 110, band = 86;  // the loading text goes below `band`
    Image image(width, height);
    for (int y = 0; y < band; ++y) {
        for (int x = 0; x < width; ++x) {
            const float t = y / static_cast<float>(band);
            image.at(x, y) = Mix(FromHex(0x0d1630), FromHex(0x2c4a7a), t);
        }
    }
    Random random(5);
    for (int i = 0; i < 60; ++i) {
        const Vec2 star{random.Between(0, width), random.Between(0, band - 30)};
        Fill(image, Circle(star, random.Between(0.4f, 1.0f)),
             Rgba{1, 1, 0.9f, random.Between(0.4f, 0.9f)});
    }
    // Rolling hills along the bottom of the picture part.
    for (int x = 0; x < width; ++x) {
        const float crest = band - 12 - 6 * std::sin(x * 0.021f + 0.7f) - 3 * std::sin(x * 0.057f);
        for (int y = 0; y < band; ++y) {
            const float cover = std::clamp(y + 0.5f - crest, 0.0f, 1.0f);
            BlendOver(image.at(x, y), Mix(FromHex(0x2f6b2a), FromHex(0x1d4a1c), (y - crest) / 14),
                      cover);
        }
    }
    // The name: outlined, with a drop shadow and a light-to-gold face.
    const TextStyle name{FontPath("DejaVuSans-Bold.ttf"), 60, Rgba{0, 0, 0, 0.55f}};
    const Vec2 at{width / 2.0f, 62};
    DrawTextCentred(image, name, U"zolt", at + Vec2{3, 3});
    TextStyle rim = name;
    rim.colour = FromHex(0x101426);
    for (Vec2 d : {Vec2{-2, 0}, Vec2{2, 0}, Vec2{0, -2}, Vec2{0, 2}, Vec2{-1.5f, -1.5f},
                   Vec2{1.5f, 1.5f}, Vec2{-1.5f, 1.5f}, Vec2{1.5f, -1.5f}})
        DrawTextCentred(image, rim, U"zolt", at + d);
    Image face(width, height);
    TextStyle gold = name;
    gold.colour = Rgba{1, 1, 1, 1};
    DrawTextCentred(face, gold, U"zolt", at);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float t = std::clamp((y - 18.0f) / 46.0f, 0.0f, 1.0f);
            const Rgba tone = Mix(FromHex(0xfff6d8), FromHex(0xf0a830), t);
            BlendOver(image.at(x, y), tone, face.at(x, y).a);
        }
    }
    const TextStyle tagline{FontPath("DejaVuSans.ttf"), 10, FromHex(0xb9c8e8)};
    DrawTextCentred(image, tagline, U"2D game engine", {width / 2.0f, 78});

    // The band for the dialog's text: plain and light, with a thin rule above it.
    for (int y = band; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = y == band ? FromHex(0x8a97ad) : FromHex(0xeceff4);
    for (Rgba& p : image.pixels) p.a = 1.0f;
    return image;
}

}  // namespace pictures
