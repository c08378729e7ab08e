#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A bitmap font laid out in the Windows-1251 code page: 16 x 16 square cells,
// the glyph of code c in column c % 16 and row c / 16, and one advance byte per
// code as the text renderer reads it.
struct GlyphAtlas {
    static constexpr int kCell = 32;
    static constexpr int kGrid = 16;
    static constexpr int kSide = kCell * kGrid;

    std::vector<uint8_t> coverage;     // kSide * kSide, first row at the top
    std::array<int8_t, 256> widths{};  // stored advance of each code, 0 for empty cells
    int pixelSize = 0;                 // the font's size in pixels per em
    int baseline = 0;                  // baseline row within a cell, from its top
};

// Renders the atlas from a TrueType font file; on failure returns false and
// says why in `error`.
bool BuildGlyphAtlas(const std::string& fontPath, GlyphAtlas& atlas, std::string& error);

// The byte to store for a glyph whose advance is `advance` pixels at scale 1.
// The renderer moves the pen by scale * w + 2 for w below half a cell and by
// scale * w otherwise, so narrow glyphs store their advance less the fixed 2.
int StoredWidth(int advance);

// How far the renderer moves the pen after a glyph of stored width `w`.
int PenAdvance(int w, float scale);
