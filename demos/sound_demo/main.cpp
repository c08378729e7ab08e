// Sound demo: plays the cuckoo once, then holds the program for 45 seconds
// while the sound plays out on the audio engine's own threads, and quits.
#include "zolt.h"

namespace {

bool started = false;

void Frame() {
    if (!started) {
        SoundPlay(L"kuk.wav", 1.0f, 0, 0, 0, 0);
        started = true;
    }
    Sleep(45000);
    PostQuitMessage(0);
    DevelopHelp(true);
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    IniEngine(instance, previous, show, L"Звук", 0, 0);
    RunEngine(Frame);
    return 0;
}
