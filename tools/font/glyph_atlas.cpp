#include "glyph_atlas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <memory>

#include "cp1251.h"

namespace {

constexpr int kCell = GlyphAtlas::kCell;
// Rows and columns kept clear at each edge of a cell, so that linear sampling of
// a scaled glyph does not pick up its neighbour's ink.
constexpr int kMargin = 1;
constexpr int kInkSpan = kCell - 2 * kMargin;

struct LibraryCloser {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceCloser {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using Library = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryCloser>;
using Face = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceCloser>;

struct RenderedGlyph {
    int width = 0, rows = 0;  // bitmap size
    int left = 0, top = 0;    // bitmap offset from the pen on the baseline (top is up)
    int advance = 0;          // pixels
    std::vector<uint8_t> pixels;
};

// Renders one glyph, condensed across by `squeeze` (1 leaves it as designed).
bool RenderGlyph(FT_Face face, FT_UInt index, double squeeze, RenderedGlyph& out) {
    FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(squeeze * 0x10000)), 0, 0, 0x10000};
    FT_Set_Transform(face, squeeze == 1.0 ? nullptr : &matrix, nullptr);
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_LIGHT | FT_LOAD_RENDER) != 0) return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows > 0) return false;
    out.width = static_cast<int>(bitmap.width);
    out.rows = static_cast<int>(bitmap.rows);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    out.pixels.assign(static_cast<size_t>(out.width) * out.rows, 0);
    for (int y = 0; y < out.rows; ++y) {
        const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        std::copy(row, row + out.width, out.pixels.begin() + static_cast<ptrdiff_t>(y) * out.width);
    }
    return true;
}

// The glyph index of every code the font can show, 0 where the cell stays empty.
std::array<FT_UInt, 256> MapCodes(FT_Face face) {
    std::array<FT_UInt, 256> indices{};
    for (int code = 0; code < 256; ++code) {
        const char32_t unicode = Cp1251ToUnicode(static_cast<uint8_t>(code));
        if (unicode != 0) indices[code] = FT_Get_Char_Index(face, unicode);
    }
    return indices;
}

// Highest and lowest ink rows over all mapped glyphs, relative to the baseline.
bool MeasureInk(FT_Face face, const std::array<FT_UInt, 256>& indices, int& top, int& bottom) {
    top = 0;
    bottom = 0;
    for (FT_UInt index : indices) {
        if (index == 0) continue;
        RenderedGlyph glyph;
        if (!RenderGlyph(face, index, 1.0, glyph)) return false;
        if (glyph.rows == 0) continue;
        top = std::max(top, glyph.top);
        bottom = std::min(bottom, glyph.top - glyph.rows);
    }
    return true;
}

// Copies a glyph into its cell: at the cell's left edge plus its left bearing
// (kept inside the margins), its baseline on the cell's `baseline` row.
void PlaceGlyph(const RenderedGlyph& glyph, int code, int baseline, GlyphAtlas& atlas) {
    const int cellX = (code % GlyphAtlas::kGrid) * kCell;
    const int cellY = (code / GlyphAtlas::kGrid) * kCell;
    const int x0 =
        std::clamp(glyph.left, kMargin, std::max(kMargin, kCell - kMargin - glyph.width));
    const int y0 = baseline - glyph.top;
    for (int y = 0; y < glyph.rows; ++y) {
        if (y0 + y < kMargin || y0 + y >= kCell - kMargin) continue;
        for (int x = 0; x < glyph.width && x0 + x < kCell - kMargin; ++x) {
            const size_t at =
                static_cast<size_t>(cellY + y0 + y) * GlyphAtlas::kSide + cellX + x0 + x;
            atlas.coverage[at] = glyph.pixels[static_cast<size_t>(y) * glyph.width + x];
        }
    }
}

}  // namespace

int StoredWidth(int advance) {
    const int narrow = advance - 2;
    const int stored = narrow < kCell / 2 ? narrow : advance;
    return std::clamp(stored, 1, 127);
}

int PenAdvance(int w, float scale) {
    if (w < kCell / 2) return static_cast<int>(scale * static_cast<float>(w) + 2.0f);
    return static_cast<int>(scale * static_cast<float>(w));
}

bool BuildGlyphAtlas(const std::string& fontPath, GlyphAtlas& atlas, std::string& error) {
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    Library library(rawLibrary);
    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), fontPath.c_str(), 0, &rawFace) != 0) {
        error = "cannot open the font " + fontPath;
        return false;
    }
    Face face(rawFace);
    const std::array<FT_UInt, 256> indices = MapCodes(face.get());

    // The largest size whose tallest and deepest glyphs fit a cell together.
    int top = 0, bottom = 0;
    int size = kCell;
    for (; size > 8; --size) {
        if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(size)) != 0 ||
            !MeasureInk(face.get(), indices, top, bottom)) {
            error = "cannot render the font " + fontPath;
            return false;
        }
        if (top - bottom <= kInkSpan) break;
    }

    // Centre the line (ascender to descender) in the cell, then keep all ink inside.
    const FT_Size_Metrics& metrics = face->size->metrics;
    const int ascender = static_cast<int>((metrics.ascender + 32) >> 6);
    const int descender = static_cast<int>((-metrics.descender + 32) >> 6);
    int baseline = (kCell - ascender - descender) / 2 + ascender;
    baseline = std::clamp(baseline, kMargin + top, kCell - kMargin + bottom);

    atlas.coverage.assign(static_cast<size_t>(GlyphAtlas::kSide) * GlyphAtlas::kSide, 0);
    atlas.widths.fill(0);
    atlas.pixelSize = size;
    atlas.baseline = baseline;
    for (int code = 0; code < 256; ++code) {
        if (indices[code] == 0) continue;
        RenderedGlyph glyph;
        if (!RenderGlyph(face.get(), indices[code], 1.0, glyph)) {
            error = "cannot render the glyph of code " + std::to_string(code);
            return false;
        }
        if (glyph.width > kInkSpan) {
            // Too wide for a cell (the per mille sign): condense it to fit.
            const double squeeze = static_cast<double>(kInkSpan) / (glyph.width + 1);
            if (!RenderGlyph(face.get(), indices[code], squeeze, glyph)) {
                error = "cannot render the glyph of code " + std::to_string(code);
                return false;
            }
        }
        PlaceGlyph(glyph, code, baseline, atlas);
        atlas.widths[code] = static_cast<int8_t>(StoredWidth(glyph.advance));
    }
    return true;
}
