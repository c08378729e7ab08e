// Stress test: a growing crowd of rolling balls; each press of the space bar
// adds another thousand, without limit.
#include <vector>

#include "stress_balls.h"

namespace {

std::vector<Ball*> balls;
int count = 1000;
bool held = false;

void AddBalls(int n) {
    for (int i = 0; i < n; ++i) balls.push_back(CreateBall());
}

void Frame() {
    DrawBackground();
    UpdateBalls(balls.data(), count);
    if (SpacePressed(held)) {
        AddBalls(1000);
        count += 1000;
    }
    PrintCount(count);
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    SetUpStressDemo(instance, previous, show);
    AddBalls(count);
    RunEngine(Frame);
    for (Ball* ball : balls) delete ball;
    return 0;
}
