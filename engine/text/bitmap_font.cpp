#include "text/bitmap_font.h"

#include <cstdio>
#include <wcrt.h>

#include "core/engine_state.h"
#include "core/numbers.h"
#include "resources/file_search.h"
#include "zolt.h"

int32_t GlyphCode(wchar_t ch) {
    // Ё and ё sit apart from the rest of the alphabet in the code page.
    if (ch == L'\u0401') return 168;
    if (ch == L'\u0451') return 184;
    int64_t code = ch <= 255 ? int64_t{ch} : int64_t{ch} - 848;
    return code >= 0 && code <= 255 ? static_cast<int32_t>(code) : -1;
}

void LoadGlyphWidths(BitmapFont& font, const wchar_t* path) {
    uint8_t bytes[512] = {};
    if (std::FILE* file = _wfopen(path, L"rb")) {
        std::fread(bytes, 1, sizeof bytes, file);
        std::fclose(file);
    }
    for (int c = 0; c < 256; ++c) font.glyphWidths[c] = static_cast<int8_t>(bytes[2 * c]);
}

void TextIni(const wchar_t* textureFile, const wchar_t* metricsFile, int size) {
    BitmapFont& font = engine.font;
    font.cellSize = size;
    // A second set-up lets go of what the first one made.
    if (font.sprite) font.sprite->Release();
    if (font.texture) font.texture->Release();
    font.sprite = nullptr;
    font.texture = nullptr;
    D3DXCreateSprite(engine.device, &font.sprite);
    std::optional<std::wstring> path = FindResourceFile(textureFile);
    D3DXCreateTextureFromFileW(engine.device, path ? path->c_str() : nullptr, &font.texture);
    LoadGlyphWidths(font, metricsFile);
    font.ready = true;
}

void QueueText(BitmapFont& font, const wchar_t* text, int32_t x, int32_t y, float scale,
               D3DCOLOR color) {
    if (!font.ready || text == nullptr) return;
    font.commands.push_back(TextCommand{x, y, scale, color, text});
}

void Print(const wchar_t* text, int x, int y, float scale, unsigned long color) {
    QueueText(engine.font, text, x, y, scale, static_cast<D3DCOLOR>(color));
}

void RenderText(BitmapFont& font) {
    ID3DXSprite* sprite = font.sprite;
    if (!font.commands.empty() && sprite) {
        sprite->Begin(D3DXSPRITE_ALPHABLEND);
        const int32_t cell = font.cellSize;
        for (const TextCommand& command : font.commands) {
            int passes = command.scale == 1.0f ? 1 : 2;
            D3DXVECTOR2 scaling{command.scale, command.scale};
            for (int pass = 0; pass < passes; ++pass) {
                int64_t pen = 0;
                for (wchar_t ch : command.text) {
                    int32_t code = GlyphCode(ch);
                    if (code < 0) continue;  // no glyph: nothing drawn, the pen stays
                    int32_t column = code % 16, row = code / 16;
                    RECT source{column * cell, row * cell, (column + 1) * cell, (row + 1) * cell};
                    D3DXVECTOR2 at{static_cast<float>(command.x + pen),
                                   static_cast<float>(command.y)};
                    D3DXMatrixTransformation2D(&font.glyphTransform, nullptr, 0, &scaling, nullptr,
                                               0, &at);
                    sprite->SetTransform(&font.glyphTransform);
                    sprite->Draw(font.texture, &source, nullptr, nullptr, command.color);
                    int32_t w = font.glyphWidths[code];
                    float advance = command.scale * static_cast<float>(w);
                    pen += TruncateToInt32(w < cell / 2 ? advance + 2 : advance);
                }
            }
        }
        sprite->End();
    }
    font.commands.clear();
}

void TearDownFont(BitmapFont& font) {
    font.commands = {};
}
