#include "sound/random.h"

namespace {
unsigned state = 1;
}

int LibraryRand() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

void LibrarySrand(unsigned seed) {
    state = seed;
}
