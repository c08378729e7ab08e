#include "stress_balls.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {
constexpr int kSpace = 57;
}  // namespace

// A ball can draw a zero direction (one chance in 1.4 million); dividing it
// would give a ball without a position, so it rolls to the right instead.
void NormaliseDirection(float& x, float& y) {
    const float length = std::sqrt(x * x + y * y);
    if (length == 0) {
        x = 1;
        y = 0;
        return;
    }
    x /= length;
    y /= length;
}

void SetUpStressDemo(HINSTANCE instance, HINSTANCE previous, int show) {
    IniEngine(instance, previous, show, L"Стресс тест движка", 800, 600);
    TextIni(L"Arial32.tga", L"Arial32.dat", 32);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

Ball* CreateBall() {
    Ball* ball = new Ball;
    ball->animation = CreateAnimation(L"roll.png", 30, 15, 5, 51, 0, 1);
    ball->x = static_cast<float>(std::rand() % 700);
    ball->y = static_cast<float>(std::rand() % 500);
    ball->dx = static_cast<float>(std::rand() % 1400 - 700);
    ball->dy = static_cast<float>(std::rand() % 1000 - 500);
    NormaliseDirection(ball->dx, ball->dy);
    ball->layer = std::rand() % 4;
    ball->scale = static_cast<float>(std::rand() % 50 + 70) / 100;
    const unsigned long alpha = std::rand() % 155 + 100;
    const unsigned long red = std::rand() % 255;
    const unsigned long green = std::rand() % 255;
    const unsigned long blue = std::rand() % 255;
    ball->color = (alpha << 24) + (red << 16) + (green << 8) + blue;
    ball->lastUpdate = timeGetTime();
    return ball;
}

void UpdateBall(Ball& ball) {
    // Only the first wall that holds turns the ball: x walls before y walls.
    float nx = 0, ny = 0;
    if (ball.x <= -10) {
        ball.x = -10;
        nx = 1;
    } else if (ball.x >= 750) {
        ball.x = 750;
        nx = -1;
    } else if (ball.y <= -10) {
        ball.y = -10;
        ny = -1;
    } else if (ball.y >= 520) {
        ball.y = 520;
        ny = 1;
    }
    if (nx != 0 || ny != 0) {
        const float d = nx * ball.dx + ny * ball.dy;
        ball.dx -= 2 * d * nx;
        ball.dy -= 2 * d * ny;
        NormaliseDirection(ball.dx, ball.dy);
    }
    const DWORD now = timeGetTime();
    ball.frameTime = static_cast<float>(static_cast<DWORD>(now - ball.lastUpdate));
    ball.lastUpdate = now;
    const float t = ball.frameTime / 10;
    ball.x += ball.dx * t;
    ball.y += ball.dy * t;
    if (!DrawSpriteA(ball.animation, static_cast<int>(ball.x), static_cast<int>(ball.y), ball.layer,
                     0, ball.scale, ball.color))
        ResetAnimation(ball.animation);
}

void DrawBackground() {
    for (int x = 0; x <= 768; x += 256)
        for (int y = 0; y <= 512; y += 256)
            DrawSprite(L"Wo.jpg", x, y, 256, 256, 4, 0, 1.0f, 0xFFFFFFFF);
}

void UpdateBalls(Ball* const* balls, int count) {
    for (int i = 0; i < count; ++i) UpdateBall(*balls[i]);
}

bool SpacePressed(bool& held) {
    if (!KeyChek(kSpace)) {
        held = false;
        return false;
    }
    if (held) return false;
    held = true;
    return true;
}

void PrintCount(int count) {
    // The first letter is a Latin capital C, the rest Cyrillic.
    Print(
        L"C"
        L"прайтов: ",
        0, 50, 1.0f, 0xFFFFFFFF);
    Print(std::to_wstring(count).c_str(), 20, 80, 1.0f, 0xFFFFFFFF);
    Print(L"Нажмите пробел для увеличения колличества объектов", 20, 530, 0.8f, 0xFFFFFFFF);
    DevelopHelp(true);
}
