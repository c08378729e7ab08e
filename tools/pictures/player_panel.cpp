// player.png and pause.png: the sound player's panel of three rows of buttons
// (stop, minus, play, plus), and the pause sign laid over a row's play button.
#include <algorithm>

#include "pictures.h"
#include "shapes.h"

namespace pictures {

namespace {

constexpr int kPanelWidth = 244, kPanelHeight = 251, kRowStep = 85;
const Rgba kIcon = FromHex(0xeef3fa);
const Rgba kEdge = FromHex(0x0b0f16);

// A button's pixel span, first and last pixel included.
struct Span {
    int left, top, right, bottom;
    Vec2 centre() const { return {(left + right + 1) / 2.0f, (top + bottom + 1) / 2.0f}; }
    Vec2 half() const { return {(right + 1 - left) / 2.0f, (bottom + 1 - top) / 2.0f}; }
};

Paint Gradient(Rgba top, Rgba bottom, float y0, float height) {
    return [=](Vec2 p) { return Mix(top, bottom, std::clamp((p.y - y0) / height, 0.0f, 1.0f)); };
}

// A rounded key with a bevel: dark rim, light top edge, gradient face.
void DrawKey(Image& image, const Span& span) {
    const Vec2 c = span.centre(), h = span.half();
    Fill(image, Box(c, h, 5.0f), kEdge);
    Fill(image, Box(c, h - Vec2{1, 1}, 4.0f), FromHex(0x8a9ab5));
    Fill(image, Box(c + Vec2{0, 0.75f}, h - Vec2{1, 1.75f}, 4.0f),
         Gradient(FromHex(0x5d6e8a), FromHex(0x34405a), c.y - h.y, 2 * h.y));
}

// The round play key; the pause sign uses the same disc so it covers it exactly.
void DrawRoundKey(Image& image, Vec2 centre, float radius, Rgba colour) {
    Fill(image, Circle(centre, radius), kEdge);
    Fill(image, Circle(centre, radius - 1.0f), Scaled(colour, 1.5f));
    Fill(image, Circle(centre + Vec2{0, 0.6f}, radius - 2.2f), Material{colour, 18.0f, 0.6f});
}

}  // namespace

Image DrawPlayerPanel() {
    Image image(kPanelWidth, kPanelHeight);
    Fill(image,
         Box({kPanelWidth / 2.0f, kPanelHeight / 2.0f}, {kPanelWidth / 2.0f, kPanelHeight / 2.0f},
             0),
         Gradient(FromHex(0x1d2430), FromHex(0x121720), 0, kPanelHeight));
    for (int row = 0; row < 3; ++row) {
        const int dy = row * kRowStep;
        const float top = dy + 4.0f, bottom = dy + 81.0f;
        // The row's card; its upper strip, where the title is printed, stays flat.
        const Vec2 cardCentre{kPanelWidth / 2.0f, (top + bottom) / 2.0f};
        const Vec2 cardHalf{kPanelWidth / 2.0f - 4.0f, (bottom - top) / 2.0f};
        Fill(image, Box(cardCentre, cardHalf, 7.0f), FromHex(0x3a4a63));
        Fill(image, Box(cardCentre, cardHalf - Vec2{1, 1}, 6.0f), FromHex(0x263142));
        // The volume figure's window.
        const Span screen{186, dy + 38, 237, dy + 76};
        Fill(image, Box(screen.centre(), screen.half(), 4.0f), FromHex(0x3a4a63));
        Fill(image, Box(screen.centre(), screen.half() - Vec2{1, 1}, 3.0f), FromHex(0x0e131b));

        const Span stop{9, dy + 44, 33, dy + 68};
        const Span minus{44, dy + 44, 88, dy + 68};
        const Span plus{139, dy + 44, 183, dy + 68};
        for (const Span& key : {stop, minus, plus}) DrawKey(image, key);
        Fill(image, Box(stop.centre(), {5.5f, 5.5f}, 1.0f), kIcon);
        Fill(image, Box(minus.centre(), {8.0f, 2.0f}, 1.0f), kIcon);
        Fill(image, Box(plus.centre(), {8.0f, 2.0f}, 1.0f), kIcon);
        Fill(image, Box(plus.centre(), {2.0f, 8.0f}, 1.0f), kIcon);

        const Span play{91, dy + 33, 136, dy + 78};
        const Vec2 c = play.centre();
        DrawRoundKey(image, c, play.half().x, FromHex(0x2f8a4c));
        Fill(image, Polygon({c + Vec2{-6, -10}, c + Vec2{11, 0}, c + Vec2{-6, 10}}), kIcon);
    }
    return image;
}

Image DrawPauseSign() {
    // The play key's region lies at 10..55 across and 11..56 down in this picture.
    Image image(66, 68);
    const Vec2 c{33.0f, 34.0f};
    DrawRoundKey(image, c, 23.0f, FromHex(0xc7781f));
    Fill(image, Box(c + Vec2{-5, 0}, {3.0f, 9.5f}, 1.0f), kIcon);
    Fill(image, Box(c + Vec2{5, 0}, {3.0f, 9.5f}, 1.0f), kIcon);
    BleedColourIntoClear(image, 2);
    return image;
}

}  // namespace pictures
