#include "pictures.h"

namespace pictures {

const std::vector<PictureAsset>& PictureAssets() {
    static const std::vector<PictureAsset> assets = {
        {"placeholder.bmp", FileKind::Bmp32, DrawPlaceholder},
        {"splash.bmp", FileKind::Bmp24, DrawSplash},
        {"knight.png", FileKind::Png, DrawKnightSheet},
        {"ter.png", FileKind::Png, DrawGrass},
        {"range.png", FileKind::Png, DrawZoneDisc},
        {"roll.png", FileKind::Png, DrawBallSheet},
        {"Wo.jpg", FileKind::Jpeg, DrawBackdrop},
        {"player.png", FileKind::Png, DrawPlayerPanel},
        {"pause.png", FileKind::Png, DrawPauseSign},
    };
    return assets;
}

}  // namespace pictures
