// A picture being drawn: straight (not premultiplied) RGBA in floats, 0..1,
// row by row from the top-left corner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

Rgba Mix(Rgba from, Rgba to, float t);   // every channel, alpha included
Rgba Scaled(Rgba colour, float factor);  // colour channels only, clamped to 0..1
Rgba Opaque(float r, float g, float b);
Rgba FromHex(uint32_t rgb, float alpha = 1.0f);  // 0xRRGGBB

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;

    Image() = default;
    Image(int w, int h, Rgba fill = {});
    Rgba& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Lays `top` over the pixel with coverage (0..1) scaling its alpha.
void BlendOver(Rgba& under, Rgba top, float coverage);

// Copies `source` into `target` with its top-left corner at (x, y), replacing pixels.
void Place(Image& target, const Image& source, int x, int y);
// Lays `source` over `target` at (x, y), blending.
void Overlay(Image& target, const Image& source, int x, int y);
Image Crop(const Image& source, int x, int y, int w, int h);
Image MirroredAcross(const Image& source);         // left and right swapped
Image Magnified(const Image& source, int factor);  // nearest neighbour

// Gives fully transparent pixels the colour of their visible neighbours, so that
// linear sampling at a shape's border does not pull in a foreign colour.
void BleedColourIntoClear(Image& image, int passes);

// 8-bit channels, 4 (RGBA) or 3 (RGB) a pixel, rows from the top.
std::vector<uint8_t> ToBytes(const Image& image, int channels);
Image FromBytes(const uint8_t* bytes, int w, int h, int channels);

}  // namespace pictures
