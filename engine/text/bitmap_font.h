// The bitmap font: a texture of 16 x 16 square glyph cells laid out in the
// Windows-1251 code page, one advance width per code, the per-frame text queue,
// and the sprite batch used for text alone.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <d3dx9.h>

// One queued Print: a line of text drawn from (x, y).
struct TextCommand {
    int32_t x = 0;
    int32_t y = 0;
    float scale = 1;
    D3DCOLOR color = 0xFFFFFFFF;
    std::wstring text;  // the command's own copy, any length
};

struct BitmapFont {
    int32_t cellSize = 0;
    IDirect3DTexture9* texture = nullptr;
    ID3DXSprite* sprite = nullptr;
    D3DXMATRIX glyphTransform{};
    std::vector<TextCommand> commands;
    std::array<int32_t, 256> glyphWidths{};
    bool ready = false;
};

// Fills the widths from the first 512 bytes of a metrics file: the first byte
// of each two is a signed width. Widths the file does not provide are 0.
void LoadGlyphWidths(BitmapFont& font, const wchar_t* path);
void QueueText(BitmapFont& font, const wchar_t* text, int32_t x, int32_t y, float scale,
               D3DCOLOR color);
// Draws the queued lines over the scene and empties the queue.
void RenderText(BitmapFont& font);
// The glyph code of a character: its Windows-1251 code, or -1 when there is none.
int32_t GlyphCode(wchar_t ch);
void TearDownFont(BitmapFont& font);

// The frame-rate figure of the developer overlay.
struct FrameRateCounter {
    uint32_t windowStart = 0;
    int32_t callCount = 0;
    int32_t shownRate = 0;
};
