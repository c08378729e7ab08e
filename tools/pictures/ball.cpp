// roll.png: a light ball whose markings turn 12 degrees a frame, so that the
// 30 frames make one whole turn; light and shade stay where they are.
#include <algorithm>
#include <cmath>

#include "pictures.h"
#include "shapes.h"

namespace pictures {

namespace {

struct Vec3 {
    float x, y, z;
};
float Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The ball's surface colour at a point of the unit sphere facing the viewer,
// with its markings turned by `turn` radians about the line of sight.
Rgba Marking(Vec3 p, float turn) {
    const Rgba shell = FromHex(0xf4f1ea), band = FromHex(0x9aa6b8), spot = FromHex(0x5d6678);
    const float tilt = 0.95f;
    const Vec3 axis{std::cos(turn) * std::sin(tilt), std::sin(turn) * std::sin(tilt),
                    std::cos(tilt)};
    const Vec3 star{std::cos(turn + 2.2f) * 0.62f, std::sin(turn + 2.2f) * 0.62f, 0.785f};
    Rgba c = shell;
    const float across = std::abs(Dot(p, axis));
    c = Mix(c, band, std::clamp((0.3f - across) * 40.0f, 0.0f, 1.0f));
    const float toSpot = std::acos(std::clamp(Dot(p, star), -1.0f, 1.0f));
    c = Mix(c, spot, std::clamp((0.33f - toSpot) * 40.0f, 0.0f, 1.0f));
    return c;
}

Image DrawBallFrame(float turn) {
    const float size = kBallFrame, radius = 22.5f, centre = size / 2.0f;
    Image frame(kBallFrame, kBallFrame);
    // A soft contact shadow to the lower right, then the ball with its rim.
    Fill(frame, Circle({centre + 1.0f, centre + 1.5f}, radius), Rgba{0, 0, 0, 0.25f});
    Fill(frame, Circle({centre, centre}, radius + 1.0f), FromHex(0x3a3f4a));
    Fill(frame, Circle({centre, centre}, radius), [=](Vec2 p) {
        const float x = (p.x - centre) / radius, y = (p.y - centre) / radius;
        const float z = std::sqrt(std::max(0.0f, 1.0f - x * x - y * y));
        const Vec3 n{x, y, z};
        const Vec3 light{-0.45f, -0.6f, 0.66f};
        const float diffuse = std::max(0.0f, Dot(n, light));
        const Vec3 half{-0.45f, -0.6f, 1.66f};
        const float spec = std::pow(std::max(0.0f, Dot(n, half) / 1.83f), 30.0f);
        Rgba c = Scaled(Marking(n, turn), 0.45f + 0.65f * diffuse);
        return Mix(c, Rgba{1, 1, 1, 1}, spec * 0.8f);
    });
    BleedColourIntoClear(frame, 3);
    return frame;
}

}  // namespace

Image DrawBallSheet() {
    const int rows = kBallFrames / kBallColumns;
    Image sheet(kBallColumns * kBallFrame, rows * kBallFrame);
    for (int i = 0; i < kBallFrames; ++i) {
        const float turn = i * 12.0f * 3.14159265f / 180.0f;
        Place(sheet, DrawBallFrame(turn), (i % kBallColumns) * kBallFrame,
              (i / kBallColumns) * kBallFrame);
    }
    return sheet;
}

}  // namespace pictures
