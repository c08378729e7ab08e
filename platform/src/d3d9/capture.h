// Frame capture (ZOLT_CAPTURE): presented frames written as PNG files named by tick.
#pragma once

#include <cstdint>

struct SDL_Renderer;

namespace platform {

bool CaptureWanted(uint64_t tick);
// Reads the presented frame from the renderer and writes or keeps it, as the
// settings ask.
void CaptureFrame(SDL_Renderer* renderer, int width, int height, uint64_t tick);
// Writes the kept last frame, if there is one not written yet.
void CaptureFlush();

}  // namespace platform
