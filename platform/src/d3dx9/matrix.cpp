// 2D transformation matrices for row vectors (a point p maps to p * M).
#include <cmath>

#include "d3dx9.h"

namespace {

// The 2D part of a row-vector matrix: (x, y) maps to
// (x * a + y * c + tx, x * b + y * d + ty).
struct Affine {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
};

// first, then second.
Affine Then(const Affine& first, const Affine& second) {
    return Affine{first.a * second.a + first.b * second.c,
                  first.a * second.b + first.b * second.d,
                  first.c * second.a + first.d * second.c,
                  first.c * second.b + first.d * second.d,
                  first.tx * second.a + first.ty * second.c + second.tx,
                  first.tx * second.b + first.ty * second.d + second.ty};
}

Affine Translation(float x, float y) {
    return Affine{1, 0, 0, 1, x, y};
}

// (1, 0) turns towards (0, 1): clockwise on a screen whose y points down.
Affine Rotation(float angle) {
    const float cosine = std::cos(angle), sine = std::sin(angle);
    return Affine{cosine, sine, -sine, cosine, 0, 0};
}

Affine Scaling(float x, float y) {
    return Affine{x, 0, 0, y, 0, 0};
}

}  // namespace

D3DXMATRIX* D3DXMatrixTransformation2D(D3DXMATRIX* out, const D3DXVECTOR2* scalingCenter,
                                       float scalingRotation, const D3DXVECTOR2* scaling,
                                       const D3DXVECTOR2* rotationCenter, float rotation,
                                       const D3DXVECTOR2* translation) {
    if (out == nullptr) return nullptr;
    const D3DXVECTOR2 origin{0, 0}, unit{1, 1};
    const D3DXVECTOR2& sc = scalingCenter ? *scalingCenter : origin;
    const D3DXVECTOR2& s = scaling ? *scaling : unit;
    const D3DXVECTOR2& rc = rotationCenter ? *rotationCenter : origin;
    const D3DXVECTOR2& t = translation ? *translation : origin;

    // Scale along axes turned by scalingRotation, about the scaling centre.
    Affine m = Translation(-sc.x, -sc.y);
    m = Then(m, Rotation(-scalingRotation));
    m = Then(m, Scaling(s.x, s.y));
    m = Then(m, Rotation(scalingRotation));
    m = Then(m, Translation(sc.x, sc.y));
    // Turn about the rotation centre, then move.
    m = Then(m, Translation(-rc.x, -rc.y));
    m = Then(m, Rotation(rotation));
    m = Then(m, Translation(rc.x + t.x, rc.y + t.y));

    *out = D3DXMATRIX{};
    out->_11 = m.a;
    out->_12 = m.b;
    out->_21 = m.c;
    out->_22 = m.d;
    out->_33 = 1;
    out->_41 = m.tx;
    out->_42 = m.ty;
    out->_44 = 1;
    return out;
}
