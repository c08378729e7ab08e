// Player demo: two looping sounds and the master volume, worked with the left
// mouse button on a panel of three rows of buttons (stop, minus, play/pause,
// plus). Each press triggers one action however long the button is held.
#include <cstdint>
#include <string>

#include "zolt.h"

namespace {

uint32_t kukId = 0, windId = 0;
float kukVolume = 1.0f, windVolume = 1.0f, masterVolume = 1.0f;
bool kukOn = false, windOn = false;
bool held = false;

void Stop(bool& on, uint32_t id) {
    SoundStop(id);
    on = false;
}

void StopAll() {
    SoundsStop();
    kukOn = windOn = false;
}

void TogglePlay(bool& on, uint32_t id) {
    if (on) {
        on = false;
        SoundPause(id);
    } else {
        on = true;
        SoundRestore(id);
    }
}

void StepVolume(float& volume, uint32_t id, float step) {
    volume += step;
    SetSoundVolume(id, volume);
}

void StepMaster(float step) {
    masterVolume += step;
    SetSoundsVolume(masterVolume);
}

void ToggleAll() {
    if (kukOn || windOn) {
        kukOn = windOn = false;
        SoundsPause();
    } else {
        kukOn = windOn = true;
        SoundsRestore();
    }
}

// A button's client region, bounds included, and what a press on it does.
struct Button {
    int left, right, top, bottom;
    void (*action)();
};

const Button kButtons[] = {
    {9, 33, 44, 68, [] { Stop(kukOn, kukId); }},
    {44, 88, 44, 68, [] { StepVolume(kukVolume, kukId, -1.0f); }},
    {91, 136, 33, 78, [] { TogglePlay(kukOn, kukId); }},
    {139, 183, 44, 68, [] { StepVolume(kukVolume, kukId, 1.0f); }},
    {9, 33, 129, 153, [] { Stop(windOn, windId); }},
    {44, 88, 129, 153, [] { StepVolume(windVolume, windId, -1.0f); }},
    {91, 136, 118, 163, [] { TogglePlay(windOn, windId); }},
    {139, 183, 129, 153, [] { StepVolume(windVolume, windId, 1.0f); }},
    {9, 33, 214, 238, StopAll},
    {44, 88, 214, 238, [] { StepMaster(-1.0f); }},
    {91, 136, 214, 238, ToggleAll},
    {139, 183, 203, 248, [] { StepMaster(1.0f); }},
};

// The button under the cursor while the left button is down, or none.
const Button* ButtonPressed() {
    if (!MouseLBPress()) return nullptr;
    const int x = GetMouseX(), y = GetMouseY();
    for (const Button& b : kButtons) {
        if (x >= b.left && x <= b.right && y >= b.top && y <= b.bottom) return &b;
    }
    return nullptr;
}

void PrintVolume(float volume, int y) {
    Print(std::to_wstring(static_cast<int>(volume)).c_str(), 190, y, 1.0f, 0xFFFFFFFF);
}

void DrawPanel() {
    DrawSprite(L"player.png", 0, 0, 100, 100, 1, 0, 1.0f, 0xFFFFFFFF);
    if (kukOn) DrawSprite(L"pause.png", 81, 22, 100, 100, 1, 0, 1.0f, 0xFFFFFFFF);
    if (windOn) DrawSprite(L"pause.png", 81, 107, 100, 100, 1, 0, 1.0f, 0xFFFFFFFF);
    if (kukOn || windOn) DrawSprite(L"pause.png", 81, 192, 100, 100, 1, 0, 1.0f, 0xFFFFFFFF);
    Print(L"Кукольный театр", 10, 15, 0.5f, 0xFFFFFFFF);
    Print(L"Roll with the wind", 10, 100, 0.5f, 0xFFFFFFFF);
    Print(L"Все звуки", 10, 185, 0.5f, 0xFFFFFFFF);
    PrintVolume(kukVolume, 42);
    PrintVolume(windVolume, 127);
    PrintVolume(masterVolume, 212);
}

void Frame() {
    DrawPanel();
    if (MouseLBPress() && !held) {
        held = true;
        if (const Button* b = ButtonPressed()) b->action();
    }
    if (!MouseLBPress()) held = false;
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    IniEngine(instance, previous, show, L"Проигрыватель", 260, 290);
    TextIni(L"Arial32.tga", L"Arial32.dat", 32);
    kukId = FonSoundPlay(L"kuk.wav", 1.0f, 0, 0, 0, 0, true, 0, 0, false, 0);
    windId = FonSoundPlay(L"wind.wav", 1.0f, 0, 0, 0, 0, true, 0, 0, false, 0);
    SoundsPause();
    RunEngine(Frame);
    return 0;
}
