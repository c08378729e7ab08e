#include <gtest/gtest.h>
#include <stb_image.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kCell = 32;
constexpr int kSide = 16 * kCell;

struct Font {
    std::unique_ptr<unsigned char, void (*)(void*)> rgba{nullptr, stbi_image_free};
    int width = 0, height = 0;
    std::vector<unsigned char> metrics;

    int Alpha(int x, int y) const {
        return rgba.get()[(static_cast<size_t>(y) * width + x) * 4 + 3];
    }
    // The advance byte of `code`, sign-extended as the engine reads it.
    int Width(int code) const { return static_cast<signed char>(metrics[2 * code]); }
    // Columns [first, last] of the cell of `code` that hold ink; first > last when empty.
    std::pair<int, int> InkColumns(int code) const {
        int first = kCell, last = -1;
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                if (Alpha(code % 16 * kCell + x, code / 16 * kCell + y) == 0) continue;
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
        return {first, last};
    }
    bool Empty(int code) const { return InkColumns(code).second < 0; }
};

const Font& LoadFont() {
    static const Font font = [] {
        Font f;
        int channels = 0;
        f.rgba.reset(stbi_load(ZOLT_ASSETS_DIR "/Arial32.tga", &f.width, &f.height, &channels, 4));
        std::ifstream in(ZOLT_ASSETS_DIR "/Arial32.dat", std::ios::binary);
        f.metrics.assign(std::istreambuf_iterator<char>(in), {});
        return f;
    }();
    return font;
}

class FontAssets : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(font.rgba, nullptr) << stbi_failure_reason();
        ASSERT_EQ(font.width, kSide);
        ASSERT_EQ(font.height, kSide);
        ASSERT_EQ(font.metrics.size(), 512u);
    }
    const Font& font = LoadFont();
};

// Letters and digits at their code page positions; a vertically flipped
// texture would move Cyrillic into the control rows and fail here too.
TEST_F(FontAssets, GlyphsSitInTheirCodePageCells) {
    EXPECT_FALSE(font.Empty('A'));  // column 1, row 4
    EXPECT_FALSE(font.Empty('z'));
    EXPECT_FALSE(font.Empty('0'));
    EXPECT_FALSE(font.Empty(192));  // А, column 0, row 12
    EXPECT_FALSE(font.Empty(255));  // я
    EXPECT_FALSE(font.Empty(168));  // Ё
    EXPECT_FALSE(font.Empty(184));  // ё
    for (int code = 0; code < 32; ++code) EXPECT_TRUE(font.Empty(code)) << "control code " << code;
    EXPECT_TRUE(font.Empty(127));
    EXPECT_TRUE(font.Empty(' '));
}

// The texture is white and carries the glyph in its alpha, so the text colour
// modulates it unchanged; cell borders stay clear so scaled text, sampled
// linearly, never shows a neighbour's ink.
TEST_F(FontAssets, WhiteGlyphsWithClearCellBorders) {
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const unsigned char* p = font.rgba.get() + (static_cast<size_t>(y) * kSide + x) * 4;
            ASSERT_EQ(p[0] & p[1] & p[2], 255) << "at " << x << "," << y;
            const bool border = x % kCell == 0 || x % kCell == kCell - 1 || y % kCell == 0 ||
                                y % kCell == kCell - 1;
            if (border) {
                ASSERT_EQ(p[3], 0) << "ink on a cell border at " << x << "," << y;
            }
        }
    }
}

TEST_F(FontAssets, AdvancesArePositiveForEveryGlyphAndZeroOnlyForEmptyCells) {
    for (int code = 0; code < 256; ++code) {
        EXPECT_EQ(font.metrics[2 * code + 1], 0) << "code " << code;
        if (!font.Empty(code)) {
            EXPECT_GT(font.Width(code), 0) << "code " << code;
        }
        if (font.Width(code) == 0) {
            EXPECT_TRUE(font.Empty(code)) << "code " << code;
        }
    }
    EXPECT_GT(font.Width(' '), 0);
    EXPECT_EQ(font.Width(0), 0);
}

// The pen step at scale 1: w + 2 below half a cell, w above.
int StepAtScaleOne(int w) {
    return w < kCell / 2 ? w + 2 : w;
}

// No letter's ink runs more than a few faint pixels (as T and Y do in print)
// into the next letter's place.
TEST_F(FontAssets, LettersDoNotRunIntoTheNextOne) {
    std::vector<int> letters;
    for (int c = 'A'; c <= 'Z'; ++c) letters.push_back(c);
    for (int c = 'a'; c <= 'z'; ++c) letters.push_back(c);
    for (int c = 192; c <= 255; ++c) letters.push_back(c);
    for (int code : letters) {
        const int inkEnd = font.InkColumns(code).second + 1;
        EXPECT_GE(StepAtScaleOne(font.Width(code)) - inkEnd, -3) << "code " << code;
    }
}

// Letters standing on upright stems have equal side bearings, so the space
// left after the ink matches the space before it, for narrow letters (stored
// less the pen rule's fixed 2) and wide ones alike.
TEST_F(FontAssets, StemLettersAreSpacedEvenlyOnBothSides) {
    const int stemLetters[] = {'H', 'I', 'N', 'O', 'i', 'l', 'n', 'o', 'u',
                               205, 206, 207, 216, 237, 238, 239, 248};  // Н О П Ш н о п ш
    for (int code : stemLetters) {
        const auto [first, last] = font.InkColumns(code);
        const int after = StepAtScaleOne(font.Width(code)) - (last + 1);
        EXPECT_NEAR(after, first, 1) << "code " << code;
    }
}

}  // namespace
