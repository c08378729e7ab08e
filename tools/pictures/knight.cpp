// knight.png: a knight in plate armour with a red cape and plume, walking.
// Row 0: walking right, frames 0..14, one whole stride cycle (frame 0 is the
// standing pose: legs together, arms down). Row 1: the same mirrored, walking
// left. Row 2: walking towards the viewer in frames 32..39, away in 40..47.
#include <algorithm>
#include <cmath>

#include "pictures.h"
#include "shapes.h"

namespace pictures {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kThigh = 23.0f, kShin = 22.0f, kUpperArm = 15.0f, kForearm = 14.0f;
constexpr float kGround = 121.0f;  // bottom of the soles
constexpr float kHipHeight = 72.0f;

const Rgba kOutline = FromHex(0x15171d);
const Rgba kSteel = FromHex(0xb4bfcc);
const Rgba kTrim = FromHex(0xd9a93c);
const Rgba kCape = FromHex(0xa8262a);
const Rgba kLeather = FromHex(0x6a4326);
const Rgba kSlit = FromHex(0x0b0c10);
const Rgba kShieldField = FromHex(0x24509c);

// One piece of the figure, with its dark rim.
void Piece(Image& f, const Shape& s, Rgba colour, float depth = 5.0f, float shine = 0.8f) {
    FillOutlined(f, s, Material{colour, depth, shine}, kOutline, 1.0f);
}

// Direction at `angle` from straight down, positive towards the front (+x).
Vec2 Down(float angle) {
    return {std::sin(angle), std::cos(angle)};
}

// A clear frame with a soft shadow on the ground under the feet.
Image EmptyFrame() {
    Image f(kKnightFrameWidth, kKnightFrameHeight);
    Fill(f, Ellipse({32.0f, kGround - 1.0f}, 16.0f, 3.5f), Rgba{0.0f, 0.0f, 0.0f, 0.25f});
    return f;
}

// --- seen from the side, facing right ---

struct SideLeg {
    Vec2 hip, knee, ankle;
    float shin;  // angle of the shin from straight down
};

SideLeg PlaceSideLeg(Vec2 hip, float thigh, float bend) {
    const Vec2 knee = hip + Down(thigh) * kThigh;
    return {hip, knee, knee + Down(thigh - bend) * kShin, thigh - bend};
}

void DrawSideLeg(Image& f, const SideLeg& leg, float tone) {
    const Rgba steel = Scaled(kSteel, tone);
    // The boot follows the shin a little: toes up on landing, down when pushing off.
    const float tilt = -leg.shin * 0.7f;
    const Vec2 toe = leg.ankle + Rotated({8.0f, 2.5f}, tilt);
    Piece(f, Capsule(leg.ankle + Rotated({-2.0f, 1.5f}, tilt), toe, 3.8f, 2.4f),
          Scaled(FromHex(0x8d97a6), tone));
    Piece(f, Capsule(leg.knee, leg.ankle, 4.6f, 3.4f), steel);
    Piece(f, Capsule(leg.hip, leg.knee, 6.0f, 4.8f), steel);
    Piece(f, Circle(leg.knee, 3.4f), Scaled(kTrim, tone), 3.0f, 0.6f);
}

void DrawSword(Image& f, Vec2 hand, Vec2 along, float length) {
    const Vec2 across{-along.y, along.x};
    Piece(f, Capsule(hand + along * 4.5f, hand + along * length, 2.2f, 0.7f), FromHex(0xe4eaf2),
          1.5f, 1.0f);
    Piece(f,
          Capsule(hand + along * 4.0f - across * 5.5f, hand + along * 4.0f + across * 5.5f, 1.3f),
          kTrim, 1.0f, 0.6f);
    Piece(f, Circle(hand - along * 4.0f, 1.8f), kTrim, 1.5f, 0.6f);
}

void DrawSideArm(Image& f, Vec2 shoulder, float swing, float tone, bool sword) {
    const Rgba steel = Scaled(kSteel, tone);
    const Vec2 elbow = shoulder + Down(swing) * kUpperArm;
    const Vec2 hand = elbow + Down(swing + 0.5f) * kForearm;
    if (sword) {
        // Held low, pointing down and forward, swinging with the arm.
        const float lower = 0.45f + swing * 0.3f;
        const Vec2 along{std::sin(lower), std::cos(lower)};
        DrawSword(f, hand, along, 29.0f);
    }
    Piece(f, Capsule(elbow, hand, 3.3f, 2.8f), steel);
    Piece(f, Capsule(shoulder, elbow, 3.8f, 3.3f), steel);
    Piece(f, Circle(hand, 3.3f), Scaled(FromHex(0x7d8796), tone));
    // The pauldron caps the shoulder.
    Piece(f, Ellipse(shoulder + Vec2{0, 0.5f}, 6.5f, 5.5f), steel, 5.0f, 1.0f);
}

void DrawSideHelmet(Image& f, Vec2 at) {
    // Plume first, flowing back from the crown.
    Piece(f, Capsule(at + Vec2{2, -12}, at + Vec2{-8, -11}, 3.8f, 3.2f), kCape, 3.0f, 0.2f);
    Piece(f, Capsule(at + Vec2{-8, -11}, at + Vec2{-15, -1}, 3.2f, 1.4f), kCape, 3.0f, 0.2f);
    const Shape helm =
        Union(Box(at + Vec2{0, 1}, {9.0f, 10.5f}, 4.0f), Circle(at + Vec2{0, -3}, 9.0f));
    Piece(f, helm, kSteel, 6.0f, 1.0f);
    Fill(f, Box(at + Vec2{6.0f, -1.0f}, {4.0f, 1.1f}, 0.5f), kSlit);  // eye slit
    for (float dy : {4.0f, 7.0f}) Fill(f, Circle(at + Vec2{6.5f, dy}, 0.8f), kSlit);
    Fill(f, Box(at + Vec2{0.5f, -1.0f}, {0.6f, 9.0f}, 0.3f), Rgba{0.35f, 0.38f, 0.45f, 0.6f});
    Fill(f, Box(at + Vec2{0, 10.2f}, {8.0f, 1.0f}, 0.5f), kTrim);
}

void DrawSideTorso(Image& f, Vec2 at) {
    Piece(f, Box(at + Vec2{0, -16}, {4.5f, 3.0f}, 1.5f), FromHex(0x8d97a6));  // gorget
    const Shape chest =
        Union(Box(at, {9.5f, 14.0f}, 5.0f), Ellipse(at + Vec2{3.5f, -4.5f}, 8.0f, 9.5f));
    Piece(f, chest, kSteel, 7.0f, 1.0f);
    Piece(f, Polygon({at + Vec2{-9, 13}, at + Vec2{10, 13}, at + Vec2{12, 25}, at + Vec2{-10, 25}}),
          kSteel, 4.0f);
    Fill(f, Box(at + Vec2{1, 24.0f}, {10.5f, 1.0f}, 0.5f), kTrim);
    Piece(f, Box(at + Vec2{0.5f, 12.5f}, {9.5f, 2.2f}, 1.0f), kLeather, 2.0f, 0.1f);
    Fill(f, Box(at + Vec2{4.0f, 12.5f}, {1.8f, 1.6f}, 0.5f), kTrim);  // buckle
}

Image SideFrame(float phase) {
    Image f = EmptyFrame();
    const float s = std::sin(phase), c = std::cos(phase);
    const float stride = 0.42f;
    // A leg bends its knee while it swings forward, less while still behind the
    // body, and stands straight when both legs are together (frame 0).
    auto bend = [s](float forward, float reach) {
        return 0.8f * std::max(0.0f, forward) * std::min(1.0f, 3.0f * std::abs(s)) *
               (0.6f + 0.4f * reach);
    };
    const Vec2 hip{32.0f, kHipHeight};
    SideLeg nearLeg = PlaceSideLeg(hip, stride * s, bend(c, s));
    SideLeg farLeg = PlaceSideLeg(hip + Vec2{-1.0f, 0}, -stride * s, bend(-c, -s));
    // Keep the lower foot on the ground: the body dips when the legs spread.
    const float drop = kGround - 4.0f - std::max(nearLeg.ankle.y, farLeg.ankle.y);
    for (SideLeg* leg : {&nearLeg, &farLeg})
        leg->hip.y += drop, leg->knee.y += drop, leg->ankle.y += drop;
    const Vec2 body{32.0f, 54.0f + drop};
    const float arm = 0.38f * s;

    // The cape, waving a little with the stride, behind everything.
    const float wave = 1.5f * std::sin(phase * 2.0f);
    Piece(f,
          Polygon({body + Vec2{-6, -14}, body + Vec2{-2, -13}, body + Vec2{-4, 10},
                   body + Vec2{-10 - wave, 38}, body + Vec2{-17 - wave, 36}, body + Vec2{-12, 4}}),
          Scaled(kCape, 0.8f), 4.0f, 0.1f);
    DrawSideArm(f, body + Vec2{3.0f, -11.0f}, arm, 0.7f, false);
    DrawSideLeg(f, farLeg, 0.72f);
    DrawSideLeg(f, nearLeg, 1.0f);
    DrawSideTorso(f, body);
    DrawSideHelmet(f, body + Vec2{1.0f, -28.0f});
    DrawSideArm(f, body + Vec2{-3.0f, -10.0f}, -arm, 1.0f, true);
    return f;
}

// --- seen from the front or the back ---

struct FrontLegs {
    Vec2 hip[2], knee[2], ankle[2];
};

// Legs of a walk seen head-on: the swinging leg's knee and foot rise.
FrontLegs PlaceFrontLegs(float phase, float drop) {
    FrontLegs legs;
    const float s = std::sin(phase);
    const float lift[2] = {6.0f * std::max(0.0f, -s), 6.0f * std::max(0.0f, s)};
    for (int i = 0; i < 2; ++i) {
        const float x = i == 0 ? 26.5f : 37.5f;
        legs.hip[i] = {x, kHipHeight + drop};
        legs.knee[i] = {x + (i == 0 ? -0.5f : 0.5f), kHipHeight + kThigh - lift[i] * 0.8f + drop};
        legs.ankle[i] = {x + (i == 0 ? -0.5f : 0.5f), kGround - 4.0f - lift[i]};
    }
    return legs;
}

void DrawFrontLegs(Image& f, const FrontLegs& legs, bool facing) {
    for (int i = 0; i < 2; ++i) {
        Piece(f, Capsule(legs.knee[i], legs.ankle[i], 4.8f, 3.8f), kSteel);
        Piece(f, Capsule(legs.hip[i], legs.knee[i], 6.0f, 5.0f), kSteel);
        // Boots: toes towards the viewer, or heels from behind.
        const Vec2 a = legs.ankle[i];
        if (facing) {
            Piece(f, Ellipse(a + Vec2{0, 2.5f}, 4.8f, 3.2f), FromHex(0x8d97a6));
            Piece(f, Circle(legs.knee[i], 3.4f), kTrim, 3.0f, 0.6f);
        } else {
            Piece(f, Ellipse(a + Vec2{0, 2.0f}, 4.2f, 2.8f), FromHex(0x8d97a6));
        }
    }
}

// Where the hand of an arm hanging from `shoulder` is; `out` is -1 or 1 for the
// side, `swing` how far forward the arm swings (the hand rises).
Vec2 FrontHand(Vec2 shoulder, float out, float swing) {
    return shoulder + Vec2{out * 2.5f, kUpperArm + kForearm - std::abs(swing) * 0.3f - swing};
}

void DrawFrontArm(Image& f, Vec2 shoulder, float out, float swing) {
    const Vec2 elbow = shoulder + Vec2{out * 2.0f, kUpperArm - std::abs(swing) * 0.3f};
    const Vec2 hand = FrontHand(shoulder, out, swing);
    Piece(f, Capsule(elbow, hand, 3.6f, 3.1f), kSteel);
    Piece(f, Capsule(shoulder, elbow, 4.3f, 3.7f), kSteel);
    Piece(f, Circle(hand, 3.4f), FromHex(0x7d8796));
}

Shape HeaterShield(Vec2 centre) {
    return Polygon({centre + Vec2{-8, -11}, centre + Vec2{8, -11}, centre + Vec2{8, 1},
                    centre + Vec2{0, 13}, centre + Vec2{-8, 1}});
}

Image FrontFrame(float phase, bool facing) {
    Image f = EmptyFrame();
    const float s = std::sin(phase);
    const float drop = -1.5f * std::abs(s);  // the body rises as a leg passes
    const FrontLegs legs = PlaceFrontLegs(phase, drop);
    const Vec2 body{32.0f, 54.0f + drop};
    // His right side is on the viewer's left when he faces us, on the right from behind.
    const float right = facing ? -1.0f : 1.0f;
    const Vec2 swordShoulder = body + Vec2{13.0f * right, -9.0f};
    const Vec2 shieldShoulder = body + Vec2{-13.0f * right, -9.0f};
    const float swing = 3.0f * s;  // arms swing against the legs
    const Vec2 swordHand = FrontHand(swordShoulder, right, swing);
    const Vec2 shieldHand = FrontHand(shieldShoulder, -right, -swing);
    const float wave = std::sin(phase * 2.0f);

    const Shape cape = Polygon({body + Vec2{-11, -15}, body + Vec2{11, -15},
                                body + Vec2{15 + wave, 34}, body + Vec2{-15 + wave, 34}});
    if (facing) Piece(f, cape, Scaled(kCape, 0.7f), 4.0f, 0.1f);
    if (!facing) {
        // From behind, the shield's back shows beside him before his arm.
        Piece(f, HeaterShield(shieldHand + Vec2{-3.0f * right, -4.0f}), FromHex(0x7a5232), 4.0f,
              0.2f);
    }
    DrawFrontLegs(f, legs, facing);
    // Torso: breastplate or backplate, tassets, belt.
    Piece(f, Box(body + Vec2{0, -16}, {5.5f, 3.0f}, 1.5f), FromHex(0x8d97a6));
    Piece(f, Box(body, {11.0f, 14.5f}, 6.0f), kSteel, 8.0f, 1.0f);
    Piece(f,
          Polygon({body + Vec2{-11, 13}, body + Vec2{11, 13}, body + Vec2{13, 25},
                   body + Vec2{-13, 25}}),
          kSteel, 4.0f);
    Fill(f, Box(body + Vec2{0, 19}, {0.6f, 6.0f}, 0.3f), kOutline);
    Fill(f, Box(body + Vec2{0, 24}, {12.5f, 1.0f}, 0.5f), kTrim);
    Piece(f, Box(body + Vec2{0, 12.5f}, {11.5f, 2.2f}, 1.0f), kLeather, 2.0f, 0.1f);
    if (facing) {
        Fill(f, Box(body + Vec2{0, -1}, {0.7f, 11.0f}, 0.3f), Rgba{1, 1, 1, 0.35f});  // ridge
        Fill(f, Box(body + Vec2{0, 12.5f}, {2.2f, 1.7f}, 0.5f), kTrim);
    }
    DrawFrontArm(f, swordShoulder, right, swing);
    DrawFrontArm(f, shieldShoulder, -right, -swing);
    if (!facing) {
        Piece(f, cape, kCape, 5.0f, 0.15f);
        for (float x : {-6.0f, 0.0f, 6.0f})
            Fill(f, Capsule(body + Vec2{x * 0.8f, -8}, body + Vec2{x * 1.2f + wave, 32}, 0.8f),
                 Rgba{0.3f, 0.02f, 0.04f, 0.45f});  // folds
    }
    for (float side : {-1.0f, 1.0f})
        Piece(f, Ellipse(body + Vec2{13.0f * side, -11.0f}, 6.5f, 5.5f), kSteel, 5.0f, 1.0f);
    DrawSword(f, swordHand, Vec2{0.2f * right, 1.0f} * (1.0f / 1.02f), 34.0f);
    Piece(f, Circle(swordHand, 3.4f), FromHex(0x7d8796));  // the fist round the grip
    if (facing) {
        const Vec2 c = shieldHand + Vec2{-2.0f * right, -2.0f};
        Piece(f, HeaterShield(c), kSteel, 3.0f, 0.8f);
        Fill(f, Intersection(HeaterShield(c), Grown(HeaterShield(c), -1.8f)), kShieldField);
        Fill(f, Box(c + Vec2{0, -1}, {1.3f, 9.0f}, 0.4f), kTrim);
        Fill(f, Box(c + Vec2{0, -4}, {6.0f, 1.3f}, 0.4f), kTrim);
    }
    // Helmet and plume.
    const Vec2 head = body + Vec2{0, -28.0f};
    for (float side : {-1.0f, 1.0f})
        Piece(f, Capsule(head + Vec2{side * 1.5f, -10}, head + Vec2{side * 4.5f, -16}, 3.0f, 1.6f),
              kCape, 3.0f, 0.2f);
    Piece(f, Capsule(head + Vec2{0, -11}, head + Vec2{0, -18.5f}, 3.4f, 2.0f), kCape, 3.0f, 0.2f);
    Piece(f, Union(Box(head + Vec2{0, 1}, {9.5f, 10.5f}, 4.0f), Circle(head + Vec2{0, -3}, 9.5f)),
          kSteel, 6.0f, 1.0f);
    if (facing) {
        Fill(f, Box(head + Vec2{0, -1}, {7.0f, 1.2f}, 0.5f), kSlit);
        Fill(f, Box(head + Vec2{0, 3}, {0.8f, 5.0f}, 0.3f), Rgba{1, 1, 1, 0.45f});
        for (float dx : {-4.0f, -2.0f, 2.0f, 4.0f})
            Fill(f, Circle(head + Vec2{dx, 5.5f}, 0.7f), kSlit);
    } else {
        Fill(f, Box(head + Vec2{0, -2}, {0.7f, 9.0f}, 0.3f), Rgba{0.3f, 0.33f, 0.4f, 0.7f});
    }
    Fill(f, Box(head + Vec2{0, 10.2f}, {8.5f, 1.0f}, 0.5f), kTrim);
    return f;
}

}  // namespace

Image DrawKnightSheet() {
    Image sheet(kKnightColumns * kKnightFrameWidth, kKnightRows * kKnightFrameHeight);
    auto put = [&](const Image& frame, int index) {
        Place(sheet, frame, (index % kKnightColumns) * kKnightFrameWidth,
              (index / kKnightColumns) * kKnightFrameHeight);
    };
    // 15 walking frames a side; the sixteenth cell repeats the standing pose.
    for (int i = 0; i < kKnightColumns; ++i) {
        const Image right = SideFrame(2.0f * kPi * (i % 15) / 15.0f);
        put(right, i);
        put(MirroredAcross(right), kKnightColumns + i);
    }
    for (int i = 0; i < 8; ++i) {
        put(FrontFrame(2.0f * kPi * i / 8.0f, true), 32 + i);
        put(FrontFrame(2.0f * kPi * i / 8.0f, false), 40 + i);
    }
    return sheet;
}

}  // namespace pictures
