// Text demo: one line at the normal size, one enlarged, one reduced, the same
// line in seven colours, and the frame-rate figure above them.
#include "zolt.h"

namespace {

struct Line {
    const wchar_t* text;
    int x, y;
    float scale;
    unsigned long colour;
};

constexpr const wchar_t* kAsOften = L"сколько угодно раз";

constexpr Line kLines[] = {
    {L"Ну вот мы и можем выводить текстовую информацию", 10, 50, 1.0f, 0xFFFFFFFF},
    {L"Можем увеличить", 10, 100, 3.0f, 0xFFFFFFFF},
    {L"или уменьшить.", 10, 200, 0.5f, 0xFFFFFFFF},
    {L"Можно сменить цвет", 10, 250, 1.0f, 0xFFFF0000},
    {kAsOften, 10, 300, 1.0f, 0xFF0000FF},
    {kAsOften, 10, 350, 1.0f, 0xFF00FF00},
    {kAsOften, 10, 400, 1.0f, 0xFFFF00FF},
    {kAsOften, 10, 450, 1.0f, 0xFF00FFFF},
    {kAsOften, 10, 500, 1.0f, 0xFF0064FF},
    {kAsOften, 10, 550, 1.0f, 0xFFFFFF00},
};

void Frame() {
    for (const Line& line : kLines) Print(line.text, line.x, line.y, line.scale, line.colour);
    DevelopHelp(true);
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    IniEngine(instance, previous, show, L"Демо Текст", 800, 600);
    TextIni(L"Arial32.tga", L"Arial32.dat", 32);
    RunEngine(Frame);
    return 0;
}
