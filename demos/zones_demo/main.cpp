// Sound zones: a knight walks over a grass field with W, A, S and D; the view
// follows him and he is the listener. Four ambient sounds sit at fixed places,
// each shown as a coloured circle as large as its outer radius.
#include <mmsystem.h>

#include "zolt.h"

namespace {

constexpr int kKeyW = 17, kKeyA = 30, kKeyS = 31, kKeyD = 32;
enum Direction { kNone = 0, kRight = 1, kLeft = 2, kDown = 3, kUp = 4 };

struct Knight {
    int animation = 0;
    bool moving = false;
    float x = 300, y = 300;
    int direction = kNone;
    DWORD lastUpdate = 0;
    float frameTime = 0;
};

Knight* knight = nullptr;

struct Zone {
    const wchar_t* file;
    int x, y, inner, outer;
    bool random;
    int chance;
    int circleX, circleY, circleSize;
    float circleScale;
    unsigned long colour;
};

// Each circle's box is centred on its sound and twice the outer radius across;
// range.png is 512 pixels across, hence the scale.
const Zone kZones[] = {
    {L"wp.wav", 100, 100, 100, 256, false, 0, -156, -156, 512, 1.0f, 0xFFFFFFFF},
    {L"bird.wav", 1000, 100, 100, 512, false, 0, 488, -412, 1024, 2.0f, 0xFF0000FF},
    {L"wolf.wav", 100, 800, 200, 512, false, 0, -412, 288, 1024, 2.0f, 0xFFFF0000},
    {L"nig.wav", 1000, 1000, 100, 512, true, 50, 488, 488, 1024, 2.0f, 0xFF00FF00},
};

// The first WASD key held picks the direction, once per walk: it turns the
// knight, selects that direction's walk and takes the first step.
void ChooseDirection(Knight& k) {
    struct Choice {
        int key, direction;
        float dx, dy;
    };
    static const Choice kChoices[] = {
        {kKeyS, kDown, 0, 1}, {kKeyW, kUp, 0, -1}, {kKeyA, kLeft, -1, 0}, {kKeyD, kRight, 1, 0}};
    for (const Choice& c : kChoices) {
        if (k.moving || !KeyChek(c.key)) continue;
        k.direction = c.direction;
        SetAnimation(k.animation, k.direction);
        k.x += c.dx;
        k.y += c.dy;
        k.moving = true;
    }
}

void UpdateKnight(Knight& k) {
    ChooseDirection(k);
    k.frameTime = static_cast<float>(static_cast<DWORD>(timeGetTime() - k.lastUpdate));
    k.lastUpdate = timeGetTime();
    if (KeysChek() != 0) {
        const double step = k.frameTime * 90.0 / 1000.0;
        switch (k.direction) {
            case kRight:
                k.x = static_cast<float>(k.x + step);
                break;
            case kLeft:
                k.x = static_cast<float>(k.x - step);
                break;
            case kDown:
                k.y = static_cast<float>(k.y + step);
                break;
            case kUp:
                k.y = static_cast<float>(k.y - step);
                break;
            default:
                break;
        }
    } else {
        SetAnimationSpeed(k.animation, 0);
        k.moving = false;
    }
    if (!DrawSpriteA(k.animation, static_cast<int>(k.x), static_cast<int>(k.y), 1, 0, 1.0f,
                     0xFFFFFFFF))
        ResetAnimation(k.animation);
    SetViewport(static_cast<int>(k.x - 512), static_cast<int>(k.y - 384));
    SetSoundListener(static_cast<int>(k.x), static_cast<int>(k.y));
}

void Frame() {
    for (int x = 0; x <= 2432; x += 128)
        for (int y = 0; y <= 2432; y += 128)
            DrawSprite(L"ter.png", x, y, 128, 128, 4, 0, 1.0f, 0xFFFFFFFF);
    for (const Zone& z : kZones)
        DrawSprite(L"range.png", z.circleX, z.circleY, z.circleSize, z.circleSize, 3, 0,
                   z.circleScale, z.colour);
    UpdateKnight(*knight);
    Print(L"Цветные круги - это зоны действия различных звуков", 350, 20, 0.8f, 0xFFFFFFFF);
    Print(L"УПРАВЛЕНИЕ: \"W\" - вверх, \"A\" - влево, \"S\" - вниз, \"D\" - вправо.", 20, 700, 0.8f,
          0xFFFFFFFF);
    DevelopHelp(true);
}

}  // namespace

int wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR, int show) {
    WindowIni(instance, previous, show, L"EAX", 1024, 768, nullptr);
    ResourceIni(nullptr);
    SceneManagerIni(5);
    SoundEngineIni(10, true);
    TextIni(L"Arial32.tga", L"Arial32.dat", 32);

    // Ranges of the sheet (first, last, frames per second): one walk per direction.
    static const int kRanges[] = {0, 14, 16, 16, 30, 16, 32, 39, 8, 40, 47, 8};
    knight = new Knight;
    knight->animation = CreateAnimationEx(L"knight.png", kRanges, 4, 0, 16, 64, 128, 1);
    knight->lastUpdate = timeGetTime();

    for (const Zone& z : kZones)
        FonSoundPlay(z.file, 1.0f, z.x, z.y, z.inner, z.outer, true, 0, 5, z.random, z.chance);

    RunEngine(Frame);
    delete knight;
    knight = nullptr;
    return 0;
}
