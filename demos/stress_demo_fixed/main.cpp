// Stress test with a fixed pool: all 10 000 balls exist from the start and
// each press of the space bar sets 200 more of them rolling, up to all.
#include "stress_balls.h"

namespace {

constexpr int kPool = 10000;
Ball* balls[kPool];
int count = 200;
bool held = false;

void Frame() {
    DrawBackground();
    UpdateBalls(balls, count);
    if (SpacePressed(held)) {
        count += 200;
        if (count > kPool) count = kPool;
    }
    PrintCount(count);
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    SetUpStressDemo(instance, previous, show);
    for (Ball*& ball : balls) ball = CreateBall();
    RunEngine(Frame);
    for (Ball* ball : balls) delete ball;
    return 0;
}
