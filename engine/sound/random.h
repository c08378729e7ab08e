// The library's own random numbers, apart from the C library's: a program that
// seeds its generator does not change the engine's, nor the other way round.
#pragma once

// 0 to 32767, from the generator of the Windows C run-time.
int LibraryRand();
void LibrarySrand(unsigned seed);
