// An open multimedia file: a file on disk or a caller's memory block, read
// through an I/O buffer whose state is the MMIOINFO the mmio functions hand out.
#pragma once

#include <cstdint>
#include <vector>

#include "mmsystem.h"

struct HMMIO__ {
    int fd = -1;         // -1 for a memory block
    int64_t size = 0;    // bytes in the file or the block
    MMIOINFO info{};     // pchBuffer is null when the file is unbuffered
    int64_t direct = 0;  // position of an unbuffered file
    std::vector<char> ownBuffer;

    HMMIO__() = default;
    HMMIO__(const HMMIO__&) = delete;
    HMMIO__& operator=(const HMMIO__&) = delete;
    ~HMMIO__();  // closes the file
};

namespace platform::mmio {

// Handles are checked against the open ones, so a stale or foreign handle is
// refused instead of followed.
HMMIO Register(HMMIO__* stream);
HMMIO__* Find(HMMIO handle);
HMMIO__* Unregister(HMMIO handle);

int64_t Position(const HMMIO__& stream);
// Moves to an absolute position in [0, size]; false outside it.
bool SeekTo(HMMIO__& stream, int64_t position);
// Refills the buffer with the bytes from position on; an empty buffer at the
// end of the file. False on a read error.
bool Refill(HMMIO__& stream, int64_t position);
// Up to size bytes from the current position; -1 on a read error.
int64_t ReadBytes(HMMIO__& stream, char* out, int64_t size);

}  // namespace platform::mmio
