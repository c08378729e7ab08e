// Shapes as signed distances (negative inside, in pixels), painted with
// antialiased edges, flat or lit as if rounded towards the viewer.
#pragma once

#include <functional>
#include <vector>

#include "image.h"

namespace pictures {

struct Vec2 {
    float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s) {
    return {a.x * s, a.y * s};
}
float Length(Vec2 v);
Vec2 Rotated(Vec2 v, float radians);      // y points down, so positive turns clockwise on screen
Vec2 Polar(float length, float radians);  // (length, 0) rotated

struct Shape {
    std::function<float(Vec2)> distance;
    float left = 0, top = 0, right = 0, bottom = 0;  // bounds of the inside
};

Shape Circle(Vec2 centre, float radius);
Shape Ellipse(Vec2 centre, float rx, float ry);
// A stroke from a to b, radius ra at a and rb at b, round at both ends.
Shape Capsule(Vec2 a, Vec2 b, float ra, float rb);
Shape Capsule(Vec2 a, Vec2 b, float radius);
Shape Box(Vec2 centre, Vec2 half, float corner, float angle = 0.0f);
Shape Polygon(std::vector<Vec2> points);

Shape Union(Shape a, Shape b);
Shape Intersection(Shape a, Shape b);
Shape Without(Shape a, Shape cut);
Shape Grown(Shape shape, float by);  // negative shrinks

// What colour a pixel inside a shape gets.
using Paint = std::function<Rgba(Vec2)>;

// Lit surface: `depth` is how far (px) in from the edge the surface rises to
// its full height; 0 gives a flat face. `shine` adds a highlight (metal).
struct Material {
    Rgba colour;
    float depth = 0.0f;
    float shine = 0.0f;
};

void Fill(Image& image, const Shape& shape, const Paint& paint);
void Fill(Image& image, const Shape& shape, Rgba colour);
void Fill(Image& image, const Shape& shape, const Material& material);
// The shape drawn over a rim `width` px wide of the outline colour.
void FillOutlined(Image& image, const Shape& shape, const Material& material, Rgba outline,
                  float width);
// As Fill, but what leaves one edge comes back at the other, for pictures that tile.
void FillWrapped(Image& image, const Shape& shape, const Paint& paint);

}  // namespace pictures
