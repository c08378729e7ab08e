// The rolling balls of the two stress programs and the parts of their frame
// they share: the background, the ball updates, the space bar and the texts.
#pragma once

#include <mmsystem.h>

#include "zolt.h"

struct Ball {
    int animation = 0;
    float x = 0, y = 0;
    float dx = 0, dy = 0;  // direction of travel, a unit vector
    int layer = 0;
    float scale = 1;
    unsigned long color = 0;
    DWORD lastUpdate = 0;
    float frameTime = 0;
};

// Scales (x, y) to length 1; a zero vector becomes (1, 0).
void NormaliseDirection(float& x, float& y);
// Sets the engine up for an 800 x 600 window with the font, and seeds rand.
void SetUpStressDemo(HINSTANCE instance, HINSTANCE previous, int show);
// A new ball of random place, direction, layer, size and colour.
Ball* CreateBall();
// Bounces a ball off the walls, moves it 100 pixels a second and draws it.
void UpdateBall(Ball& ball);

void DrawBackground();
void UpdateBalls(Ball* const* balls, int count);
// True once for each press of the space bar, however long it is held.
bool SpacePressed(bool& held);
// The ball count, the hint and the frame rate.
void PrintCount(int count);
