// Draws sample lines with the generated font the way the engine's text pass
// does (glyph code mapping, pen rule, linear sampling when scaled) into a PNG,
// and prints each line's width, to judge the font by eye. Not part of the assets.
#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "glyph_atlas.h"

namespace {

struct Line {
    std::u32string text;
    float scale;
    uint32_t color;
};

struct Canvas {
    int width, height;
    std::vector<float> rgb;  // width * height * 3, 0 to 1
};

// The engine's code for a character: itself up to 255, else shifted by 848.
int GlyphCode(char32_t ch) {
    return ch <= 255 ? static_cast<int>(ch) : static_cast<int>(ch) - 848;
}

float SampleLinear(const unsigned char* rgba, int side, float u, float v) {
    u = std::clamp(u, 0.0f, side - 1.0f);
    v = std::clamp(v, 0.0f, side - 1.0f);
    const int x0 = static_cast<int>(u), y0 = static_cast<int>(v);
    const int x1 = std::min(x0 + 1, side - 1), y1 = std::min(y0 + 1, side - 1);
    const float fx = u - x0, fy = v - y0;
    auto at = [&](int x, int y) {
        return rgba[(static_cast<size_t>(y) * side + x) * 4 + 3] / 255.0f;
    };
    return (at(x0, y0) * (1 - fx) + at(x1, y0) * fx) * (1 - fy) +
           (at(x0, y1) * (1 - fx) + at(x1, y1) * fx) * fy;
}

void DrawGlyph(Canvas& canvas, const unsigned char* rgba, int code, int x, int y, float scale,
               uint32_t color) {
    const int cell = GlyphAtlas::kCell;
    const float srcX = static_cast<float>(code % 16 * cell),
                srcY = static_cast<float>(code / 16 * cell);
    const int size = static_cast<int>(std::ceil(cell * scale));
    const float r = ((color >> 16) & 255) / 255.0f, g = ((color >> 8) & 255) / 255.0f,
                b = (color & 255) / 255.0f;
    for (int dy = 0; dy < size; ++dy) {
        for (int dx = 0; dx < size; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= canvas.width || py >= canvas.height) continue;
            float u = (dx + 0.5f) / scale - 0.5f, v = (dy + 0.5f) / scale - 0.5f;
            if (u > cell - 0.5f || v > cell - 0.5f) continue;
            u = std::max(u, -0.5f);
            v = std::max(v, -0.5f);
            const float a = scale == 1.0f
                                ? rgba[((static_cast<size_t>(srcY) + dy) * GlyphAtlas::kSide +
                                        static_cast<size_t>(srcX) + dx) *
                                           4 +
                                       3] /
                                      255.0f
                                : SampleLinear(rgba, GlyphAtlas::kSide, srcX + u, srcY + v);
            float* out = &canvas.rgb[(static_cast<size_t>(py) * canvas.width + px) * 3];
            out[0] += (r - out[0]) * a;
            out[1] += (g - out[1]) * a;
            out[2] += (b - out[2]) * a;
        }
    }
}

// Draws one line and returns its width in pixels (the pen's end).
int DrawLine(Canvas& canvas, const unsigned char* rgba, const int* widths, const Line& line, int x,
             int y) {
    int pen = 0;
    for (char32_t ch : line.text) {
        const int code = GlyphCode(ch);
        if (code < 0 || code > 255) continue;
        DrawGlyph(canvas, rgba, code, x + pen, y, line.scale, line.color);
        pen += PenAdvance(widths[code], line.scale);
    }
    return pen;
}

std::string Utf8(const std::u32string& text) {
    std::string out;
    for (char32_t ch : text) {
        if (ch < 0x80) {
            out += static_cast<char>(ch);
        } else if (ch < 0x800) {
            out += static_cast<char>(0xC0 | (ch >> 6));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (ch >> 12));
            out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER OUTPUT.png\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int side = 0, height = 0, channels = 0;
    unsigned char* rgba =
        stbi_load((folder + "/Arial32.tga").c_str(), &side, &height, &channels, 4);
    std::ifstream dat(folder + "/Arial32.dat", std::ios::binary);
    char records[512] = {};
    if (!rgba || side != GlyphAtlas::kSide || !dat.read(records, sizeof records)) {
        std::fprintf(stderr, "cannot read the font in %s\n", folder.c_str());
        return 1;
    }
    int widths[256];
    for (int c = 0; c < 256; ++c) widths[c] = static_cast<signed char>(records[2 * c]);

    const std::vector<Line> lines = {
        {U"Ну вот мы и можем выводить текстовую информацию", 1.0f, 0xFFFFFFFF},
        {U"Можем увеличить", 3.0f, 0xFFFFFFFF},
        {U"или уменьшить.", 0.5f, 0xFFFFFFFF},
        {U"Можно сменить цвет", 1.0f, 0xFFFF0000},
        {U"сколько угодно раз", 1.0f, 0xFF0064FF},
        {U"Кукольный театр", 0.5f, 0xFFFFFFFF},
        {U"Roll with the wind", 0.5f, 0xFFFFFFFF},
        {U"Все звуки -1 0 1 2 3", 0.5f, 0xFFFFFFFF},
        {U"Цветные круги - это зоны действия различных звуков", 0.8f, 0xFFFFFFFF},
        {U"УПРАВЛЕНИЕ: \"W\" - вверх, \"A\" - влево, \"S\" - вниз, \"D\" - вправо.", 0.8f,
         0xFFFFFFFF},
        {U"Нажмите пробел для увеличения колличества объектов", 0.8f, 0xFFFFFFFF},
        {U"Cпрайтов: 10000  FPS: 60", 1.0f, 0xFF00FF00},
        {U"The quick brown fox jumps over the lazy dog 0123456789", 1.0f, 0xFFFFFFFF},
        {U"The quick brown fox jumps over the lazy dog 0123456789", 0.8f, 0xFFFFFFFF},
        {U"The quick brown fox jumps over the lazy dog 0123456789", 0.5f, 0xFFFFFFFF},
        {U"Quick jigs (Wafer) 42%", 3.0f, 0xFFFFFFFF},
        {U"Съешь же ещё этих мягких французских булок, да выпей чаю", 1.0f, 0xFFFFFFFF},
        {U"СЪЕШЬ ЖЕ ЕЩЁ ЭТИХ МЯГКИХ ФРАНЦУЗСКИХ БУЛОК ЙЦУКЕН", 0.8f, 0xFFFFFFFF},
        {U"Щука, йод, ёж; «цитата» — №5", 3.0f, 0xFFFFFFFF},
    };
    Canvas canvas{1200, 0, {}};
    for (const Line& line : lines) canvas.height += static_cast<int>(32 * line.scale) + 6;
    canvas.rgb.assign(static_cast<size_t>(canvas.width) * canvas.height * 3, 0.15f);
    int y = 0;
    for (const Line& line : lines) {
        const int width = DrawLine(canvas, rgba, widths, line, 10, y);
        std::printf("%5d px at %.1f  %s\n", width, line.scale, Utf8(line.text).c_str());
        y += static_cast<int>(32 * line.scale) + 6;
    }
    std::vector<unsigned char> png(canvas.rgb.size());
    for (size_t i = 0; i < png.size(); ++i)
        png[i] = static_cast<unsigned char>(canvas.rgb[i] * 255 + 0.5f);
    stbi_image_free(rgba);
    return stbi_write_png(argv[2], canvas.width, canvas.height, 3, png.data(), canvas.width * 3)
               ? 0
               : 1;
}
