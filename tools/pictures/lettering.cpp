#include "lettering.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <functional>
#include <stdexcept>

namespace pictures {

std::string FontPath(std::string_view file) {
    return std::string(ZOLT_FONT_DIR) + "/" + std::string(file);
}

namespace {

// Lays the glyphs out along the baseline from x = 0 and hands each rendered
// bitmap, with its top-left corner, to `visit`; returns the total advance.
float LayOut(const TextStyle& style, std::u32string_view text,
             const std::function<void(const FT_Bitmap&, int left, int top)>& visit) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType does not start");
    FT_Face face = nullptr;
    if (FT_New_Face(library, style.font.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot read font " + style.font);
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.pixelSize));
    const bool kerning = FT_HAS_KERNING(face);
    float pen = 0.0f;
    FT_UInt previous = 0;
    for (char32_t c : text) {
        const FT_UInt glyph = FT_Get_Char_Index(face, c);
        if (kerning && previous != 0 && glyph != 0) {
            FT_Vector delta;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &delta);
            pen += delta.x / 64.0f;
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER) == 0) {
            const FT_GlyphSlot slot = face->glyph;
            visit(slot->bitmap, static_cast<int>(std::lround(pen)) + slot->bitmap_left,
                  -slot->bitmap_top);
            pen += slot->advance.x / 64.0f;
        }
        previous = glyph;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return pen;
}

}  // namespace

float TextWidth(const TextStyle& style, std::u32string_view text) {
    return LayOut(style, text, [](const FT_Bitmap&, int, int) {});
}

void DrawText(Image& image, const TextStyle& style, std::u32string_view text, Vec2 origin) {
    const int ox = static_cast<int>(std::lround(origin.x));
    const int oy = static_cast<int>(std::lround(origin.y));
    LayOut(style, text, [&](const FT_Bitmap& bitmap, int left, int top) {
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const int y = oy + top + static_cast<int>(row);
            if (y < 0 || y >= image.height) continue;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const int x = ox + left + static_cast<int>(col);
                if (x < 0 || x >= image.width) continue;
                const float coverage = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
                BlendOver(image.at(x, y), style.colour, coverage);
            }
        }
    });
}

void DrawTextCentred(Image& image, const TextStyle& style, std::u32string_view text, Vec2 centre) {
    DrawText(image, style, text, {centre.x - TextWidth(style, text) / 2.0f, centre.y});
}

}  // namespace pictures
