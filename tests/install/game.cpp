// The smallest game: a window, cleared every frame, closed after a few ticks.
#include <zolt.h>

int frames = 0;

void Frame() {
    if (++frames == 3) PostQuitMessage(0);
}

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    IniEngine(instance, previous, show, L"game", 320, 240);
    RunEngine(Frame);
    return frames == 3 ? 0 : 1;
}
