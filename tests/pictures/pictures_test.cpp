// The generated pictures: the sizes and formats the programs rely on, clear
// borders around sprite frames, seamless tiles, and the places the programs
// draw onto left as they need them.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "noise.h"
#include "pictures.h"

namespace pictures {
namespace {

float Luma(const Rgba& p) {
    return 0.3f * p.r + 0.59f * p.g + 0.11f * p.b;
}

float Difference(const Rgba& a, const Rgba& b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) + std::abs(a.a - b.a);
}

Image Frame(const Image& sheet, int index, int columns, int w, int h) {
    return Crop(sheet, (index % columns) * w, (index / columns) * h, w, h);
}

float MeanDifference(const Image& a, const Image& b) {
    float sum = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) sum += Difference(a.pixels[i], b.pixels[i]);
    return sum / a.pixels.size();
}

// A folder of this run alone (other build trees may run the same test at
// once), removed afterwards.
struct Scratch {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zolt-pictures-test-" + std::to_string(getpid()));
    Scratch() { std::filesystem::create_directories(folder); }
    ~Scratch() { std::filesystem::remove_all(folder); }
};

TEST(PictureFiles, AreWrittenWithTheSizeAndDepthTheProgramsRead) {
    struct Expected {
        const char* file;
        int width, height, channels;
    };
    const Expected table[] = {
        {"placeholder.bmp", 64, 64, 4}, {"splash.bmp", 300, 110, 3}, {"knight.png", 1024, 384, 4},
        {"ter.png", 128, 128, 4},       {"range.png", 512, 512, 4},  {"roll.png", 255, 306, 4},
        {"Wo.jpg", 256, 256, 3},        {"player.png", 244, 251, 4}, {"pause.png", 66, 68, 4},
    };
    const Scratch scratch;
    const std::filesystem::path& folder = scratch.folder;
    const auto& assets = PictureAssets();
    ASSERT_EQ(assets.size(), std::size(table));
    for (size_t i = 0; i < assets.size(); ++i) {
        SCOPED_TRACE(table[i].file);
        ASSERT_STREQ(assets[i].file, table[i].file);
        const std::string path = (folder / assets[i].file).string();
        ASSERT_TRUE(WriteImage(path, assets[i].draw(), assets[i].kind));
        int w = 0, h = 0, channels = 0;
        ASSERT_TRUE(stbi_info(path.c_str(), &w, &h, &channels));
        EXPECT_EQ(w, table[i].width);
        EXPECT_EQ(h, table[i].height);
        EXPECT_EQ(channels, table[i].channels);
    }
    // The bitmaps' own header: bits per pixel at offset 28.
    for (auto [file, bits] : {std::pair{"placeholder.bmp", 32}, std::pair{"splash.bmp", 24}}) {
        std::ifstream in(folder / file, std::ios::binary);
        char header[30] = {};
        in.read(header, sizeof header);
        EXPECT_EQ(static_cast<unsigned char>(header[28]), bits) << file;
    }
    // The placeholder's alpha survives reading: it must be seen, not vanish.
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load((folder / "placeholder.bmp").c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr);
    int opaque = 0;
    for (int i = 0; i < w * h; ++i) opaque += pixels[i * 4 + 3] == 255;
    EXPECT_EQ(opaque, w * h);
    stbi_image_free(pixels);
}

// Every frame of a sheet holds something and keeps a clear border, so that
// neighbouring frames never show at the edge of a scaled or filtered draw.
TEST(SpriteSheets, FramesAreFilledAndKeepAClearBorder) {
    struct Sheet {
        const char* name;
        Image (*draw)();
        int columns, frames, width, height;
    };
    const Sheet table[] = {
        {"knight", DrawKnightSheet, kKnightColumns, kKnightColumns * kKnightRows, kKnightFrameWidth,
         kKnightFrameHeight},
        {"ball", DrawBallSheet, kBallColumns, kBallFrames, kBallFrame, kBallFrame},
    };
    for (const Sheet& sheet : table) {
        const Image image = sheet.draw();
        for (int i = 0; i < sheet.frames; ++i) {
            SCOPED_TRACE(std::string(sheet.name) + " frame " + std::to_string(i));
            const Image frame = Frame(image, i, sheet.columns, sheet.width, sheet.height);
            int visible = 0;
            float border = 0;
            for (int y = 0; y < frame.height; ++y) {
                for (int x = 0; x < frame.width; ++x) {
                    const float a = frame.at(x, y).a;
                    if (a > 0.5f) ++visible;
                    if (x == 0 || y == 0 || x == frame.width - 1 || y == frame.height - 1)
                        border = std::max(border, a);
                }
            }
            EXPECT_GT(visible, frame.width * frame.height / 10);
            EXPECT_EQ(border, 0.0f);
        }
    }
}

TEST(KnightSheet, WalksLeftAsTheMirrorOfRightAndKeepsHisFeetOnTheGround) {
    const Image sheet = DrawKnightSheet();
    auto frame = [&](int i) {
        return Frame(sheet, i, kKnightColumns, kKnightFrameWidth, kKnightFrameHeight);
    };
    auto lowestRow = [](const Image& f) {
        for (int y = f.height - 1; y >= 0; --y)
            for (int x = 0; x < f.width; ++x)
                if (f.at(x, y).a > 0.5f) return y;
        return -1;
    };
    const int ground = lowestRow(frame(0));
    for (int i = 0; i < 15; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(MeanDifference(MirroredAcross(frame(i)), frame(16 + i)), 0.0f);
        EXPECT_NEAR(lowestRow(frame(i)), ground, 2);
    }
    // Each range is a stride: neighbouring frames move, the figure never freezes.
    for (auto [first, last] : {std::pair{0, 14}, std::pair{32, 39}, std::pair{40, 47}}) {
        for (int i = first; i <= last; ++i) {
            SCOPED_TRACE(i);
            const int next = i == last ? first : i + 1;
            EXPECT_GT(MeanDifference(frame(i), frame(next)), 0.005f);
            EXPECT_NEAR(lowestRow(frame(i)), ground, 2);
        }
    }
}

TEST(BallSheet, ThirtyFramesMakeOneEvenTurn) {
    const Image sheet = DrawBallSheet();
    auto frame = [&](int i) {
        return Frame(sheet, i % kBallFrames, kBallColumns, kBallFrame, kBallFrame);
    };
    // The step from the last frame back to the first is like every other step.
    float least = 1e9f, most = 0;
    for (int i = 0; i < kBallFrames; ++i) {
        const float step = MeanDifference(frame(i), frame(i + 1));
        least = std::min(least, step), most = std::max(most, step);
    }
    EXPECT_GT(least, 0.0f);
    EXPECT_LT(most, least * 1.5f);
}

// The step across the wrap edges against the steps just beside them, both
// ways: about 1 for a tile that repeats without a seam.
float SeamRatio(const Image& tile) {
    const int w = tile.width, h = tile.height;
    float seam = 0, beside = 0;
    for (int i = 0; i < h; ++i) {
        seam += Difference(tile.at(w - 1, i), tile.at(0, i));
        beside += (Difference(tile.at(w - 2, i), tile.at(w - 1, i)) +
                   Difference(tile.at(0, i), tile.at(1, i))) /
                  2.0f;
    }
    for (int i = 0; i < w; ++i) {
        seam += Difference(tile.at(i, h - 1), tile.at(i, 0));
        beside += (Difference(tile.at(i, h - 2), tile.at(i, h - 1)) +
                   Difference(tile.at(i, 0), tile.at(i, 1))) /
                  2.0f;
    }
    return seam / beside;
}

TEST(Tiles, MeetThemselvesWithoutASeam) {
    struct Tile {
        const char* name;
        Image (*draw)();
    };
    for (const Tile& t : {Tile{"grass", DrawGrass}, Tile{"backdrop", DrawBackdrop}}) {
        SCOPED_TRACE(t.name);
        const Image tile = t.draw();
        EXPECT_LT(SeamRatio(tile), 1.15f);
        EXPECT_TRUE(std::all_of(tile.pixels.begin(), tile.pixels.end(),
                                [](const Rgba& p) { return p.a == 1.0f; }));
    }
}

TEST(Tiles, NoiseRepeatsWithThePicture) {
    for (int cells : {2, 4, 32}) {
        for (float x : {0.0f, 17.5f, 100.25f}) {
            for (float y : {0.0f, 3.0f, 90.5f}) {
                const float here = TiledNoise(x, y, 128, cells, 3, 0.3f);
                EXPECT_NEAR(TiledNoise(x + 128, y, 128, cells, 3, 0.3f), here, 1e-4f);
                EXPECT_NEAR(TiledNoise(x, y + 128, 128, cells, 3, 0.3f), here, 1e-4f);
            }
        }
    }
}

TEST(ZoneDisc, IsFaintInsideWithABrightRimAndClearOutside) {
    const Image disc = DrawZoneDisc();
    auto alphaAt = [&](float radius, float angle) {
        const int x = static_cast<int>(256 + radius * std::cos(angle));
        const int y = static_cast<int>(256 + radius * std::sin(angle));
        return disc.at(x, y).a;
    };
    for (float angle : {0.3f, 1.9f, 3.5f, 5.0f}) {
        EXPECT_NEAR(alphaAt(120, angle), 0.22f, 0.08f);
        EXPECT_GT(alphaAt(251, angle), 0.8f);
        EXPECT_EQ(alphaAt(257, angle), 0.0f);
    }
    EXPECT_EQ(disc.at(0, 0).a, 0.0f);
    EXPECT_EQ(disc.at(511, 511).a, 0.0f);
    // White throughout, so the program's tint alone gives the colour.
    EXPECT_TRUE(std::all_of(disc.pixels.begin(), disc.pixels.end(), [](const Rgba& p) {
        return p.r == 1.0f && p.g == 1.0f && p.b == 1.0f;
    }));
}

TEST(PlayerPanel, LeavesPlainDarkPlacesForTheTextItPrints) {
    const Image panel = DrawPlayerPanel();
    EXPECT_TRUE(std::all_of(panel.pixels.begin(), panel.pixels.end(),
                            [](const Rgba& p) { return p.a == 1.0f; }));
    struct Place {
        int left, top, right, bottom;
    };
    for (int row = 0; row < 3; ++row) {
        const int dy = row * 85;
        for (const Place& place :
             {Place{10, 15 + dy, 180, 31 + dy}, Place{190, 42 + dy, 234, 72 + dy}}) {
            SCOPED_TRACE(row);
            float low = 1, high = 0;
            for (int y = place.top; y <= place.bottom; ++y)
                for (int x = place.left; x <= place.right; ++x)
                    low = std::min(low, Luma(panel.at(x, y))),
                    high = std::max(high, Luma(panel.at(x, y)));
            EXPECT_LT(high, 0.3f);         // white text stands out
            EXPECT_LT(high - low, 0.02f);  // and nothing competes with it
        }
    }
}

TEST(PauseSign, CoversThePlayKeyAndNothingElse) {
    // Drawn at (81, 22), the play key's disc (46 px across) lies at 10..55 and
    // 11..56 inside the sign: opaque there up to its antialiased rim, clear elsewhere.
    const Image pause = DrawPauseSign();
    for (int y = 0; y < pause.height; ++y) {
        for (int x = 0; x < pause.width; ++x) {
            const bool region = x >= 10 && x <= 55 && y >= 11 && y <= 56;
            if (!region) {
                EXPECT_EQ(pause.at(x, y).a, 0.0f) << x << "," << y;
            } else if (std::hypot(x + 0.5f - 33.0f, y + 0.5f - 34.0f) <= 22.0f) {
                EXPECT_EQ(pause.at(x, y).a, 1.0f) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace pictures
