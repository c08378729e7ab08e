// placeholder.bmp: stands in for a picture that could not be loaded. A loud
// magenta and black striped frame, a torn picture sign and the word MISSING.
#include <cmath>

#include "lettering.h"
#include "pictures.h"
#include "shapes.h"

namespace pictures {

Image DrawPlaceholder() {
    const int size = 64;
    const Rgba magenta = FromHex(0xff00ff), black = FromHex(0x000000);
    Image image(size, size, FromHex(0x16001a));
    // Frame: diagonal magenta and black stripes, 5 pixels wide.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool frame = x < 5 || y < 5 || x >= size - 5 || y >= size - 5;
            if (frame) image.at(x, y) = ((x + y) / 4) % 2 == 0 ? magenta : black;
        }
    }
    Fill(image, Box({32, 32}, {27, 27}, 0), FromHex(0x000000));  // the inner edge line
    Fill(image, Box({32, 32}, {26, 26}, 0), FromHex(0x1c0022));

    // A framed landscape picture, torn in two along a zigzag.
    const Rgba paper = FromHex(0xf2f2f2), sky = FromHex(0x7fb3e6), hill = FromHex(0x3c9a4a);
    const Shape card = Box({32, 24}, {17, 12}, 1.5f);
    const Shape tear =
        Polygon({{31, 9}, {35, 16}, {29, 22}, {35, 28}, {30, 40}, {40, 40}, {41, 9}});
    const Vec2 shifts[] = {{-1.5f, 1.0f}, {1.5f, -1.0f}};
    for (int half = 0; half < 2; ++half) {
        const Shape piece = half == 0 ? Without(card, tear) : Intersection(card, tear);
        const Vec2 s = shifts[half];
        auto moved = [&](const Shape& shape) {
            return Shape{[d = shape.distance, s](Vec2 p) { return d(p - s); }, shape.left + s.x,
                         shape.top + s.y, shape.right + s.x, shape.bottom + s.y};
        };
        const Shape inner = Intersection(Box({32, 24}, {15, 10}, 0.5f), piece);
        Fill(image, moved(piece), paper);
        Fill(image, moved(inner), sky);
        Fill(image, moved(Intersection(Circle({28, 38}, 12), inner)), hill);
        Fill(image, moved(Intersection(Circle({22, 18}, 3), inner)), FromHex(0xffd23c));
    }

    TextStyle style{FontPath("DejaVuSansCondensed-Bold.ttf"), 11, magenta};
    DrawTextCentred(image, style, U"MISSING", {32, 52});
    for (Rgba& p : image.pixels) p.a = 1.0f;
    return image;
}

}  // namespace pictures
