// 2D transformations checked by where they send points, and by the parts of the
// 4x4 matrix a 2D transform must leave as the identity.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

#include "d3dx9.h"

namespace {

constexpr float kQuarterTurn = std::numbers::pi_v<float> / 2;

struct Point {
    float x, y;
};

Point Map(const D3DXMATRIX& m, Point p) {
    return {p.x * m._11 + p.y * m._21 + m._41, p.x * m._12 + p.y * m._22 + m._42};
}

struct MatrixCase {
    const char* name;
    std::optional<D3DXVECTOR2> scalingCentre;
    float scalingRotation;
    std::optional<D3DXVECTOR2> scaling;
    std::optional<D3DXVECTOR2> rotationCentre;
    float rotation;
    std::optional<D3DXVECTOR2> translation;
    std::vector<std::pair<Point, Point>> mapped;  // from, to
};

const D3DXVECTOR2* Optional(const std::optional<D3DXVECTOR2>& v) {
    return v ? &*v : nullptr;
}

TEST(MatrixTransformation2D, MapsPointsInTheOrderScaleTurnMove) {
    const MatrixCase cases[] = {
        {"all_null_is_identity", {}, 0, {}, {}, 0, {}, {{{0, 0}, {0, 0}}, {{3, -7}, {3, -7}}}},
        {"scale_about_origin",
         {},
         0,
         D3DXVECTOR2{2, 3},
         {},
         0,
         {},
         {{{0, 0}, {0, 0}}, {{1, 1}, {2, 3}}, {{-2, 4}, {-4, 12}}}},
        {"scale_about_centre",
         D3DXVECTOR2{5, 5},
         0,
         D3DXVECTOR2{2, 2},
         {},
         0,
         {},
         {{{5, 5}, {5, 5}}, {{6, 5}, {7, 5}}, {{5, 4}, {5, 3}}}},
        // Scaling (2, 1) along axes turned a quarter: it stretches along y.
        {"scaling_rotation_turns_the_axes",
         {},
         kQuarterTurn,
         D3DXVECTOR2{2, 1},
         {},
         0,
         {},
         {{{1, 0}, {1, 0}}, {{0, 1}, {0, 2}}}},
        // y points down: a positive quarter turn takes right to down (clockwise).
        {"quarter_turn_about_origin",
         {},
         0,
         {},
         {},
         kQuarterTurn,
         {},
         {{{1, 0}, {0, 1}}, {{0, 1}, {-1, 0}}}},
        {"quarter_turn_about_centre",
         {},
         0,
         {},
         D3DXVECTOR2{4, 2},
         kQuarterTurn,
         {},
         {{{4, 2}, {4, 2}}, {{5, 2}, {4, 3}}, {{0, 0}, {6, -2}}}},
        {"translation",
         {},
         0,
         {},
         {},
         0,
         D3DXVECTOR2{10, -20},
         {{{0, 0}, {10, -20}}, {{1, 2}, {11, -18}}}},
        // Scale, then turn about (1, 0), then move: (1, 0) -> (2, 0) -> (1, 1) -> (11, 21).
        {"scale_turn_move",
         {},
         0,
         D3DXVECTOR2{2, 2},
         D3DXVECTOR2{1, 0},
         kQuarterTurn,
         D3DXVECTOR2{10, 20},
         {{{1, 0}, {11, 21}}, {{0, 0}, {11, 19}}}},
        // The centre is in scaled coordinates: the engine's sprites turn about
        // the middle of their scaled size.
        {"turn_centre_after_scaling",
         {},
         0,
         D3DXVECTOR2{2, 2},
         D3DXVECTOR2{8, 4},
         kQuarterTurn,
         {},
         {{{4, 2}, {8, 4}}, {{0, 0}, {12, -4}}}},
    };
    for (const MatrixCase& c : cases) {
        D3DXMATRIX m;
        ASSERT_EQ(D3DXMatrixTransformation2D(&m, Optional(c.scalingCentre), c.scalingRotation,
                                             Optional(c.scaling), Optional(c.rotationCentre),
                                             c.rotation, Optional(c.translation)),
                  &m);
        for (const auto& [from, to] : c.mapped) {
            const Point got = Map(m, from);
            EXPECT_NEAR(got.x, to.x, 1e-4)
                << c.name << " from (" << from.x << ", " << from.y << ")";
            EXPECT_NEAR(got.y, to.y, 1e-4)
                << c.name << " from (" << from.x << ", " << from.y << ")";
        }
        // Nothing leaks into z or the projective column.
        EXPECT_EQ(m._13, 0) << c.name;
        EXPECT_EQ(m._23, 0) << c.name;
        EXPECT_EQ(m._31, 0) << c.name;
        EXPECT_EQ(m._32, 0) << c.name;
        EXPECT_EQ(m._33, 1) << c.name;
        EXPECT_EQ(m._43, 0) << c.name;
        EXPECT_EQ(m._14, 0) << c.name;
        EXPECT_EQ(m._24, 0) << c.name;
        EXPECT_EQ(m._34, 0) << c.name;
        EXPECT_EQ(m._44, 1) << c.name;
    }
}

}  // namespace
