// zolt: a small 2D game engine. The whole interface is these free functions;
// the types they take come from the platform's Windows-style header. Strings are
// wide strings that the engine copies, or reads only during the call.
#pragma once

#include <cstdint>

#include <win32.h>

#if defined(ZOLT_ENGINE_BUILD)
#define ZOLT_API __attribute__((visibility("default")))
#else
#define ZOLT_API
#endif

// The application's per-frame function.
using FrameCallback = void (*)();

// Set-up and the frame loop.
ZOLT_API void IniEngine(HINSTANCE instance, HINSTANCE previous, int show, const wchar_t* title,
                        int width, int height);
ZOLT_API void WindowIni(HINSTANCE instance, HINSTANCE previous, int show, const wchar_t* title,
                        int width, int height, const wchar_t* cursorFile);
ZOLT_API void GraphicsIni(HWND window);
ZOLT_API void RunEngine(FrameCallback callback);
ZOLT_API void Render();

// Registers the placeholder picture, preloads every picture and sound below
// folder (null: none) behind a loading dialog, and shows the window.
ZOLT_API void ResourceIni(const wchar_t* folder);

// The scene: layers numbered 0 (the screen, on top) to layers - 1; the others
// are world layers, offset by the viewport and culled against the view.
ZOLT_API void SceneManagerIni(int layers);
ZOLT_API void SetViewport(int x, int y);
// Queues file's picture at its own size times scale, its top-left corner at
// (x, y), turned by angle degrees about the centre of width x height times
// scale, every pixel multiplied by color (0xAARRGGBB).
ZOLT_API void DrawSprite(const wchar_t* file, int x, int y, int width, int height, int layer,
                         float angle, float scale, unsigned long color);

// Sprite-sheet animations: frames of width x height (height 0: square) in rows
// of columns, numbered from 0. ranges holds count triples {first, last, speed}.
ZOLT_API int CreateAnimation(const wchar_t* file, int frames, int speed, int columns, int width,
                             int height, int layer);
ZOLT_API int CreateAnimationEx(const wchar_t* file, const int* ranges, int count, int speed,
                               int columns, int width, int height, int layer);
// Draws the animation this frame; false once it stopped on its last frame.
ZOLT_API bool DrawSpriteA(int id, int x, int y, int layer, float angle, float scale,
                          unsigned long color);
ZOLT_API void SetAnimation(int id, int range);
ZOLT_API void ResetAnimation(int id);
ZOLT_API void SetAnimationSpeed(int id, int speed);

// Text: TextIni loads the font (a 16 x 16 glyph sheet found by bare name, and a
// metrics file of 256 two-byte records opened by path); Print queues a line for
// this frame; DevelopHelp(true) shows the frame rate at (10, 10).
ZOLT_API void TextIni(const wchar_t* textureFile, const wchar_t* metricsFile, int size);
ZOLT_API void Print(const wchar_t* text, int x, int y, float scale, unsigned long color);
ZOLT_API void DevelopHelp(bool show);

// Sound. The engine plays WAV files found by bare name. A sound at a position
// whose x and y add up to 0 has no position. SoundEngineIni makes a new engine
// with a limit of starts a second per file (0: none) and distance fading.
ZOLT_API void SoundEngineIni(int startsPerSecond, bool attenuate);
ZOLT_API void SetSoundListener(int x, int y);
ZOLT_API void SoundPlay(const wchar_t* file, float volume, int x, int y, int innerRadius,
                        int outerRadius);
// An ambient sound, started within outerRadius of the listener and replayed
// delay seconds after each start; its id, or 0 when nothing was started.
ZOLT_API uint32_t FonSoundPlay(const wchar_t* file, float volume, int x, int y, int innerRadius,
                               int outerRadius, bool repeat, int repeatCount, int delay,
                               bool random, int chance);
ZOLT_API void SoundsStop();
ZOLT_API void SoundStop(uint32_t id);
ZOLT_API void SoundsPause();
ZOLT_API void SoundPause(uint32_t id);
ZOLT_API void SoundsRestore();
ZOLT_API void SoundRestore(uint32_t id);
ZOLT_API void SetSoundsVolume(float volume);
ZOLT_API void SetSoundVolume(uint32_t id, float volume);
ZOLT_API bool GetSoundState(uint32_t id);

// Replaces the normal arrow cursor with the one in a Windows .cur file.
ZOLT_API void SetCursor(const wchar_t* file);

// Keyboard and mouse. Every query polls its device when called; the mouse's
// movement and wheel are those since the previous mouse query.
ZOLT_API void InputIni(HINSTANCE instance);
ZOLT_API bool KeyChek(int dik);
ZOLT_API int KeysChek();
ZOLT_API bool MouseLBPress();
ZOLT_API bool MouseRBPress();
ZOLT_API int MouseMoveX();
ZOLT_API int MouseMoveY();
ZOLT_API int RollingMouse();
ZOLT_API int GetMouseX();
ZOLT_API int GetMouseY();
