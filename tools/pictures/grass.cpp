// ter.png: grass seen from above, repeating without seams.
#include <cmath>

#include "noise.h"
#include "pictures.h"
#include "shapes.h"

namespace pictures {

Image DrawGrass() {
    const int size = 128;
    Image image(size, size);
    const Rgba dark = FromHex(0x2f6a22), light = FromHex(0x5c9a33), dry = FromHex(0x7c9a3a);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float patches = TiledNoise(x, y, size, 4, 3, 0.3f);
            const float grain = TiledNoise(x, y, size, 32, 2, 5.7f);
            const float dryness = TiledNoise(x, y, size, 2, 2, 9.1f);
            Rgba c = Mix(dark, light, std::clamp(0.5f + 0.45f * patches, 0.0f, 1.0f));
            c = Mix(c, dry, std::clamp(dryness * 0.6f, 0.0f, 0.35f));
            image.at(x, y) = Scaled(c, 1.0f + 0.12f * grain);
        }
    }
    // Blades: short strokes leaning every way a little, lighter at the tip.
    Random random(17);
    for (int i = 0; i < 900; ++i) {
        const Vec2 root{random.Between(0, size), random.Between(0, size)};
        const float length = random.Between(2.5f, 6.5f);
        const float lean = random.Between(-0.6f, 0.6f) + (random.Unit() < 0.5f ? 0.0f : 3.14159f);
        const Vec2 tip = root + Polar(length, -1.5708f + lean * 0.8f);
        const float tone = random.Between(0.75f, 1.35f);
        const Rgba base = Scaled(Mix(dark, light, random.Unit()), tone);
        const Rgba shadow{0.1f, 0.25f, 0.06f, 0.35f};
        FillWrapped(image, Capsule(root + Vec2{0.6f, 0.6f}, tip + Vec2{0.6f, 0.6f}, 0.7f, 0.3f),
                    [shadow](Vec2) { return shadow; });
        FillWrapped(image, Capsule(root, tip, 0.65f, 0.25f), [=](Vec2 p) {
            const float along = std::clamp(Length(p - root) / length, 0.0f, 1.0f);
            return Scaled(base, 0.85f + 0.35f * along);
        });
    }
    return image;
}

}  // namespace pictures
