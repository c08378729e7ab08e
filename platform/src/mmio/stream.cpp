#include "mmio/stream.h"

#include <cerrno>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include <unistd.h>

namespace platform::mmio {
namespace {

struct OpenHandles {
    std::mutex lock;
    std::unordered_set<HMMIO__*> streams;
};

// Never destroyed: a file may be closed from any static destructor.
OpenHandles& Handles() {
    static OpenHandles& handles = *new OpenHandles;
    return handles;
}

bool Buffered(const HMMIO__& s) {
    return s.info.pchBuffer != nullptr;
}

// pread until count bytes or the end of the file; -1 on an error.
int64_t ReadAt(int fd, char* out, int64_t count, int64_t offset) {
    int64_t got = 0;
    while (got < count) {
        ssize_t n = pread(fd, out + got, static_cast<size_t>(count - got), offset + got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        got += n;
    }
    return got;
}

// An empty buffer that starts at position.
void EmptyBufferAt(HMMIO__& s, int64_t position) {
    s.info.pchNext = s.info.pchEndRead = s.info.pchBuffer;
    s.info.lBufOffset = s.info.lDiskOffset = static_cast<LONG>(position);
}

}  // namespace

}  // namespace platform::mmio

HMMIO__::~HMMIO__() {
    if (fd >= 0) close(fd);
}

namespace platform::mmio {

HMMIO Register(HMMIO__* stream) {
    auto& h = Handles();
    std::lock_guard guard(h.lock);
    h.streams.insert(stream);
    stream->info.hmmio = stream;
    return stream;
}

HMMIO__* Find(HMMIO handle) {
    auto& h = Handles();
    std::lock_guard guard(h.lock);
    return h.streams.count(handle) ? handle : nullptr;
}

HMMIO__* Unregister(HMMIO handle) {
    auto& h = Handles();
    std::lock_guard guard(h.lock);
    return h.streams.erase(handle) ? handle : nullptr;
}

int64_t Position(const HMMIO__& s) {
    if (!Buffered(s)) return s.direct;
    return s.info.lBufOffset + (s.info.pchNext - s.info.pchBuffer);
}

bool SeekTo(HMMIO__& s, int64_t position) {
    if (position < 0 || position > s.size) return false;
    if (!Buffered(s)) {
        s.direct = position;
        return true;
    }
    int64_t bufferEnd = s.info.lBufOffset + (s.info.pchEndRead - s.info.pchBuffer);
    if (position >= s.info.lBufOffset && position <= bufferEnd) {
        s.info.pchNext = s.info.pchBuffer + (position - s.info.lBufOffset);
    } else {
        EmptyBufferAt(s, position);
    }
    return true;
}

bool Refill(HMMIO__& s, int64_t position) {
    if (s.fd < 0) {
        // The memory block is the buffer: all of it is always there.
        s.info.pchNext = s.info.pchBuffer + position;
        return true;
    }
    int64_t got = ReadAt(s.fd, s.info.pchBuffer, s.info.cchBuffer, position);
    if (got < 0) return false;
    EmptyBufferAt(s, position);
    s.info.pchEndRead = s.info.pchBuffer + got;
    s.info.lDiskOffset = static_cast<LONG>(position + got);
    return true;
}

int64_t ReadBytes(HMMIO__& s, char* out, int64_t size) {
    if (!Buffered(s)) {
        int64_t got = ReadAt(s.fd, out, size, s.direct);
        if (got > 0) s.direct += got;
        return got;
    }
    int64_t copied = 0;
    while (copied < size) {
        int64_t available = s.info.pchEndRead - s.info.pchNext;
        if (available == 0) {
            if (s.fd < 0) break;
            int64_t position = Position(s);
            if (size - copied >= s.info.cchBuffer) {
                // A large read goes straight to the caller, past the buffer.
                int64_t got = ReadAt(s.fd, out + copied, size - copied, position);
                if (got < 0) return -1;
                EmptyBufferAt(s, position + got);
                copied += got;
                break;
            }
            if (!Refill(s, position)) return -1;
            available = s.info.pchEndRead - s.info.pchNext;
            if (available == 0) break;
        }
        int64_t n = available < size - copied ? available : size - copied;
        std::memcpy(out + copied, s.info.pchNext, static_cast<size_t>(n));
        s.info.pchNext += n;
        copied += n;
    }
    return copied;
}

}  // namespace platform::mmio
