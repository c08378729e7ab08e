#include "image.h"

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {
float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}
}  // namespace

Rgba Mix(Rgba from, Rgba to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Rgba Scaled(Rgba colour, float factor) {
    return {Clamp01(colour.r * factor), Clamp01(colour.g * factor), Clamp01(colour.b * factor),
            colour.a};
}

Rgba Opaque(float r, float g, float b) {
    return {r, g, b, 1.0f};
}

Rgba FromHex(uint32_t rgb, float alpha) {
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f,
            alpha};
}

Image::Image(int w, int h, Rgba fill)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

void BlendOver(Rgba& under, Rgba top, float coverage) {
    const float a = Clamp01(top.a * coverage);
    if (a <= 0.0f) return;
    const float out = a + under.a * (1.0f - a);
    const float keep = under.a * (1.0f - a);
    under.r = (top.r * a + under.r * keep) / out;
    under.g = (top.g * a + under.g * keep) / out;
    under.b = (top.b * a + under.b * keep) / out;
    under.a = out;
}

namespace {
template <typename Combine>
void ForOverlap(Image& target, const Image& source, int x, int y, Combine combine) {
    for (int sy = 0; sy < source.height; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= target.height) continue;
        for (int sx = 0; sx < source.width; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= target.width) continue;
            combine(target.at(tx, ty), source.at(sx, sy));
        }
    }
}
}  // namespace

void Place(Image& target, const Image& source, int x, int y) {
    ForOverlap(target, source, x, y, [](Rgba& t, const Rgba& s) { t = s; });
}

void Overlay(Image& target, const Image& source, int x, int y) {
    ForOverlap(target, source, x, y, [](Rgba& t, const Rgba& s) { BlendOver(t, s, 1.0f); });
}

Image Crop(const Image& source, int x, int y, int w, int h) {
    Image out(w, h);
    Place(out, source, -x, -y);
    return out;
}

Image MirroredAcross(const Image& source) {
    Image out(source.width, source.height);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x) out.at(x, y) = source.at(source.width - 1 - x, y);
    return out;
}

Image Magnified(const Image& source, int factor) {
    Image out(source.width * factor, source.height * factor);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.at(x, y) = source.at(x / factor, y / factor);
    return out;
}

void BleedColourIntoClear(Image& image, int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        Image next = image;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (image.at(x, y).a > 0.0f) continue;
                float r = 0, g = 0, b = 0, weight = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= image.width || ny >= image.height) continue;
                        const Rgba& n = image.at(nx, ny);
                        // Pixels coloured by an earlier pass count a little, so colour spreads.
                        const float w = n.a > 0.0f ? 1.0f : (n.r + n.g + n.b > 0.0f ? 0.01f : 0.0f);
                        r += n.r * w, g += n.g * w, b += n.b * w, weight += w;
                    }
                }
                if (weight > 0.0f) next.at(x, y) = {r / weight, g / weight, b / weight, 0.0f};
            }
        }
        image = std::move(next);
    }
}

std::vector<uint8_t> ToBytes(const Image& image, int channels) {
    std::vector<uint8_t> bytes;
    bytes.reserve(image.pixels.size() * channels);
    auto byte = [](float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); };
    for (const Rgba& p : image.pixels) {
        bytes.push_back(byte(p.r));
        bytes.push_back(byte(p.g));
        bytes.push_back(byte(p.b));
        if (channels == 4) bytes.push_back(byte(p.a));
    }
    return bytes;
}

Image FromBytes(const uint8_t* bytes, int w, int h, int channels) {
    Image out(w, h);
    for (size_t i = 0; i < out.pixels.size(); ++i) {
        const uint8_t* p = bytes + i * channels;
        out.pixels[i] = {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f,
                         channels == 4 ? p[3] / 255.0f : 1.0f};
    }
    return out;
}

}  // namespace pictures
