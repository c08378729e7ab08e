// Lettering with FreeType, antialiased, laid over a picture.
#pragma once

#include <string>
#include <string_view>

#include "image.h"
#include "shapes.h"

namespace pictures {

// The path of a DejaVu font file, e.g. "DejaVuSans-Bold.ttf".
std::string FontPath(std::string_view file);

struct TextStyle {
    std::string font;  // a font file path
    int pixelSize = 12;
    Rgba colour{0, 0, 0, 1};
};

// Width in pixels of the text's advance.
float TextWidth(const TextStyle& style, std::u32string_view text);
// Draws the text with its baseline starting at `origin`. Throws std::runtime_error
// when the font cannot be read.
void DrawText(Image& image, const TextStyle& style, std::u32string_view text, Vec2 origin);
// Draws the text centred across on `centre.x`, baseline at `centre.y`.
void DrawTextCentred(Image& image, const TextStyle& style, std::u32string_view text, Vec2 centre);

}  // namespace pictures
