// The stress demos' ball rules, in process: directions and the walls.
#include <gtest/gtest.h>

#include "stress_balls.h"

namespace {

TEST(StressBall, DirectionsBecomeUnitVectorsAndZeroRollsRight) {
    struct Case {
        float x, y, wantX, wantY;
    } cases[] = {{3, 4, 0.6f, 0.8f}, {-700, 0, -1, 0}, {0, -500, 0, -1}, {0, 0, 1, 0}};
    for (const Case& c : cases) {
        float x = c.x, y = c.y;
        NormaliseDirection(x, y);
        EXPECT_NEAR(x, c.wantX, 1e-6f) << c.x << "," << c.y;
        EXPECT_NEAR(y, c.wantY, 1e-6f) << c.x << "," << c.y;
    }
}

TEST(StressBall, OneWallTurnsTheBallPerUpdateXWallsFirst) {
    const float s = 0.6f, t = 0.8f;
    struct Case {
        float x, y, dx, dy;
        float wantX, wantY, wantDx, wantDy;  // position before the move
    } cases[] = {
        {-20, 300, -s, t, -10, 300, s, t},    // left wall
        {760, 300, s, -t, 750, 300, -s, -t},  // right wall
        {300, -15, s, -t, 300, -10, s, t},    // top wall
        {300, 530, -s, t, 300, 520, -s, -t},  // bottom wall
        {-20, -20, -s, -t, -10, -20, s, -t},  // corner: the x wall only
        {300, 300, s, t, 300, 300, s, t},     // no wall
    };
    for (const Case& c : cases) {
        Ball ball;
        ball.x = c.x, ball.y = c.y, ball.dx = c.dx, ball.dy = c.dy;
        ball.lastUpdate = timeGetTime();
        UpdateBall(ball);
        const float moved = ball.frameTime / 10;
        EXPECT_NEAR(ball.dx, c.wantDx, 1e-5f) << c.x << "," << c.y;
        EXPECT_NEAR(ball.dy, c.wantDy, 1e-5f) << c.x << "," << c.y;
        EXPECT_NEAR(ball.x, c.wantX + c.wantDx * moved, 1e-3f) << c.x << "," << c.y;
        EXPECT_NEAR(ball.y, c.wantY + c.wantDy * moved, 1e-3f) << c.x << "," << c.y;
    }
}

}  // namespace
