// Once a batch's storage has grown, a frame of draws allocates nothing: counted
// by replacing the program's operator new.
#include <cstdlib>
#include <new>

#include "sprite_fixture.h"

namespace {

bool counting = false;
size_t allocations = 0;

}  // namespace

void* operator new(size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// GCC takes these replacements for a mismatch with the new above; they are its pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace sprite_test {
namespace {

class SpriteAllocation : public DeviceTest {};

TEST_F(SpriteAllocation, AFrameLikeAnEarlierOneAllocatesNothing) {
    IDirect3DTexture9* a = Load(Solid(2, 2, 0xFFFF0000));
    IDirect3DTexture9* b = Load(Solid(2, 2, 0xFF0000FF));
    auto frame = [&](int quads) {
        sprite->Begin(D3DXSPRITE_ALPHABLEND);
        for (int i = 0; i < quads; ++i) {
            const D3DXMATRIX at = Translate(float(i % 40), float(i % 30));
            sprite->SetTransform(&at);
            const RECT cell{0, 0, 1 + i % 2, 2};
            sprite->Draw(i % 3 == 0 ? a : b, &cell, nullptr, nullptr, 0xFFFFFFFF);
        }
        sprite->End();
    };
    frame(500);
    counting = true;
    frame(500);
    frame(200);
    counting = false;
    EXPECT_EQ(allocations, 0u);
    EXPECT_GT(ZoltSpriteGeometryCalls(sprite), 600u);  // the frames were drawn
}

}  // namespace
}  // namespace sprite_test
