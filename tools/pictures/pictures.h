// The generated pictures of the library and the demos.
#pragma once

#include <vector>

#include "image.h"
#include "image_files.h"

namespace pictures {

// knight.png: 16 columns of frames; walks right 0..14, left 16..30, down 32..39, up 40..47.
inline constexpr int kKnightColumns = 16;
inline constexpr int kKnightFrameWidth = 64;
inline constexpr int kKnightFrameHeight = 128;
inline constexpr int kKnightRows = 3;
// roll.png: 5 columns, 6 rows of frames; the pattern turns 12 degrees a frame.
inline constexpr int kBallColumns = 5;
inline constexpr int kBallFrames = 30;
inline constexpr int kBallFrame = 51;

Image DrawPlaceholder();  // placeholder.bmp, 64 x 64
Image DrawSplash();       // splash.bmp, 300 x 110
Image DrawKnightSheet();  // knight.png
Image DrawGrass();        // ter.png, 128 x 128, tiles
Image DrawZoneDisc();     // range.png, 512 x 512
Image DrawBallSheet();    // roll.png
Image DrawBackdrop();     // Wo.jpg, 256 x 256, tiles
Image DrawPlayerPanel();  // player.png, 244 x 251
Image DrawPauseSign();    // pause.png

struct PictureAsset {
    const char* file;
    FileKind kind;
    Image (*draw)();
};

// Every picture the generator writes, with its file name and format.
const std::vector<PictureAsset>& PictureAssets();

}  // namespace pictures
