#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace pictures {

float Length(Vec2 v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

Vec2 Rotated(Vec2 v, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Vec2 Polar(float length, float radians) {
    return Rotated({length, 0.0f}, radians);
}

namespace {

float Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}

Shape Bounded(std::function<float(Vec2)> distance, float l, float t, float r, float b) {
    return {std::move(distance), l, t, r, b};
}

// Lambert light from the upper left with a soft ambient term and a highlight.
Rgba Lit(const Material& m, float nx, float ny, float nz) {
    const float lx = -0.45f, ly = -0.6f, lz = 0.66f;
    const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    float light = 0.55f + 0.6f * diffuse;
    Rgba out = Scaled(m.colour, light);
    if (m.shine > 0.0f) {
        // Half vector between the light and the viewer (0, 0, 1).
        const float hx = lx, hy = ly, hz = lz + 1.0f;
        const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
        const float spec = std::pow(std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl), 24.0f);
        out = Mix(out, Rgba{1, 1, 1, out.a}, std::min(1.0f, spec * m.shine));
    }
    return out;
}

void FillAt(Image& image, const Shape& shape, const Paint& paint, float ox, float oy) {
    const int x0 = std::max(0, static_cast<int>(std::floor(shape.left + ox - 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(shape.top + oy - 1)));
    const int x1 = std::min(image.width - 1, static_cast<int>(std::ceil(shape.right + ox + 1)));
    const int y1 = std::min(image.height - 1, static_cast<int>(std::ceil(shape.bottom + oy + 1)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const Vec2 p{x + 0.5f - ox, y + 0.5f - oy};
            const float coverage = std::clamp(0.5f - shape.distance(p), 0.0f, 1.0f);
            if (coverage > 0.0f) BlendOver(image.at(x, y), paint(p), coverage);
        }
    }
}

}  // namespace

Shape Circle(Vec2 c, float r) {
    return Bounded([c, r](Vec2 p) { return Length(p - c) - r; }, c.x - r, c.y - r, c.x + r,
                   c.y + r);
}

Shape Ellipse(Vec2 c, float rx, float ry) {
    return Bounded(
        [c, rx, ry](Vec2 p) {
            const Vec2 q = p - c;
            const float k0 = Length({q.x / rx, q.y / ry});
            const float k1 = Length({q.x / (rx * rx), q.y / (ry * ry)});
            return k1 > 0.0f ? k0 * (k0 - 1.0f) / k1 : -std::min(rx, ry);
        },
        c.x - rx, c.y - ry, c.x + rx, c.y + ry);
}

Shape Capsule(Vec2 a, Vec2 b, float ra, float rb) {
    const float r = std::max(ra, rb);
    auto distance = [a, b, ra, rb](Vec2 p) {
        const Vec2 ba = b - a, pa = p - a;
        const float l2 = Dot(ba, ba);
        if (l2 < 1e-6f) return Length(pa) - std::max(ra, rb);
        const float rr = ra - rb, a2 = l2 - rr * rr, il2 = 1.0f / l2;
        const float y = Dot(pa, ba), z = y - l2;
        const Vec2 xv = pa * l2 - ba * y;
        const float x2 = Dot(xv, xv), y2 = y * y * l2, z2 = z * z * l2;
        const float k = (rr > 0 ? 1.0f : (rr < 0 ? -1.0f : 0.0f)) * rr * rr * x2;
        if ((z > 0 ? 1.0f : -1.0f) * a2 * z2 > k) return std::sqrt(x2 + z2) * il2 - rb;
        if ((y > 0 ? 1.0f : -1.0f) * a2 * y2 < k) return std::sqrt(x2 + y2) * il2 - ra;
        return (std::sqrt(x2 * a2 * il2) + y * rr) * il2 - ra;
    };
    return Bounded(distance, std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
                   std::max(a.y, b.y) + r);
}

Shape Capsule(Vec2 a, Vec2 b, float radius) {
    return Capsule(a, b, radius, radius);
}

Shape Box(Vec2 c, Vec2 half, float corner, float angle) {
    const float reach = Length(half);
    return Bounded(
        [c, half, corner, angle](Vec2 p) {
            const Vec2 q0 = Rotated(p - c, -angle);
            const Vec2 q{std::abs(q0.x) - half.x + corner, std::abs(q0.y) - half.y + corner};
            const float outside = Length({std::max(q.x, 0.0f), std::max(q.y, 0.0f)});
            return outside + std::min(std::max(q.x, q.y), 0.0f) - corner;
        },
        c.x - reach, c.y - reach, c.x + reach, c.y + reach);
}

Shape Polygon(std::vector<Vec2> v) {
    float l = v[0].x, t = v[0].y, r = v[0].x, b = v[0].y;
    for (Vec2 p : v)
        l = std::min(l, p.x), t = std::min(t, p.y), r = std::max(r, p.x), b = std::max(b, p.y);
    auto distance = [v = std::move(v)](Vec2 p) {
        float d = Dot(p - v[0], p - v[0]);
        float sign = 1.0f;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
            const Vec2 e = v[j] - v[i], w = p - v[i];
            const Vec2 nearest = w - e * std::clamp(Dot(w, e) / Dot(e, e), 0.0f, 1.0f);
            d = std::min(d, Dot(nearest, nearest));
            const bool c1 = p.y >= v[i].y, c2 = (p.y < v[j].y), c3 = (e.x * w.y > e.y * w.x);
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
        }
        return sign * std::sqrt(d);
    };
    return Bounded(distance, l, t, r, b);
}

namespace {
// Two distances joined point by point by `pick`, inside the given bounds.
template <typename Pick>
Shape Joined(Shape a, Shape b, Pick pick, float l, float t, float r, float bt) {
    return Bounded([a = std::move(a.distance), b = std::move(b.distance),
                    pick](Vec2 p) { return pick(a(p), b(p)); },
                   l, t, r, bt);
}
}  // namespace

Shape Union(Shape a, Shape b) {
    const float l = std::min(a.left, b.left), t = std::min(a.top, b.top);
    const float r = std::max(a.right, b.right), bt = std::max(a.bottom, b.bottom);
    return Joined(
        std::move(a), std::move(b), [](float x, float y) { return std::min(x, y); }, l, t, r, bt);
}

Shape Intersection(Shape a, Shape b) {
    const float l = std::max(a.left, b.left), t = std::max(a.top, b.top);
    const float r = std::min(a.right, b.right), bt = std::min(a.bottom, b.bottom);
    return Joined(
        std::move(a), std::move(b), [](float x, float y) { return std::max(x, y); }, l, t, r, bt);
}

Shape Without(Shape a, Shape cut) {
    const float l = a.left, t = a.top, r = a.right, b = a.bottom;
    return Joined(
        std::move(a), std::move(cut), [](float x, float y) { return std::max(x, -y); }, l, t, r, b);
}

Shape Grown(Shape shape, float by) {
    const float m = std::max(by, 0.0f);
    return Bounded([d = std::move(shape.distance), by](Vec2 p) { return d(p) - by; },
                   shape.left - m, shape.top - m, shape.right + m, shape.bottom + m);
}

void Fill(Image& image, const Shape& shape, const Paint& paint) {
    FillAt(image, shape, paint, 0.0f, 0.0f);
}

void Fill(Image& image, const Shape& shape, Rgba colour) {
    Fill(image, shape, [colour](Vec2) { return colour; });
}

void Fill(Image& image, const Shape& shape, const Material& material) {
    if (material.depth <= 0.0f) {
        Fill(image, shape, Lit(material, 0.0f, 0.0f, 1.0f));
        return;
    }
    Fill(image, shape, [&](Vec2 p) {
        const float d = shape.distance(p);
        const float h = 0.25f;
        float gx = shape.distance({p.x + h, p.y}) - shape.distance({p.x - h, p.y});
        float gy = shape.distance({p.x, p.y + h}) - shape.distance({p.x, p.y - h});
        const float gl = std::sqrt(gx * gx + gy * gy);
        if (gl > 1e-6f) gx /= gl, gy /= gl;
        // A rounded profile: flat-on in the middle, turned away at the edge.
        const float edge = 1.0f - std::clamp(-d / material.depth, 0.0f, 1.0f);
        const float tilt = std::sin(edge * 1.45f);
        return Lit(material, gx * tilt, gy * tilt, std::sqrt(1.0f - tilt * tilt));
    });
}

void FillOutlined(Image& image, const Shape& shape, const Material& material, Rgba outline,
                  float width) {
    Fill(image, Grown(shape, width), outline);
    Fill(image, shape, material);
}

void FillWrapped(Image& image, const Shape& shape, const Paint& paint) {
    const float w = static_cast<float>(image.width), h = static_cast<float>(image.height);
    for (float oy : {-h, 0.0f, h}) {
        if (shape.bottom + oy < -1 || shape.top + oy > h + 1) continue;
        for (float ox : {-w, 0.0f, w}) {
            if (shape.right + ox < -1 || shape.left + ox > w + 1) continue;
            FillAt(image, shape, paint, ox, oy);
        }
    }
}

}  // namespace pictures
