// Opening, closing and reading multimedia files, and their I/O buffer.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text.h"
#include "mmio/stream.h"

using platform::mmio::Find;

namespace {

MMRESULT OpenFile(HMMIO__& s, LPCWSTR name) {
    if (!name) return MMIOERR_FILENOTFOUND;
    std::string path = platform::WidePathToNative(name);
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? MMIOERR_FILENOTFOUND : MMIOERR_CANNOTOPEN;
    struct stat st {};
    // Offsets are LONG, so a file must fit in its range.
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > LONG_MAX) {
        close(fd);
        return MMIOERR_CANNOTOPEN;
    }
    s.fd = fd;
    s.size = st.st_size;
    return MMSYSERR_NOERROR;
}

MMRESULT SetUpFileBuffer(HMMIO__& s, const MMIOINFO* info, DWORD flags) {
    LONG size = info && info->cchBuffer > 0 ? info->cchBuffer : 0;
    if (flags & MMIO_ALLOCBUF) {
        try {
            s.ownBuffer.resize(static_cast<size_t>(size > 0 ? size : MMIO_DEFAULTBUFFER));
        } catch (const std::bad_alloc&) {
            return MMIOERR_OUTOFMEMORY;
        }
        s.info.pchBuffer = s.ownBuffer.data();
        s.info.cchBuffer = static_cast<LONG>(s.ownBuffer.size());
    } else if (info && info->pchBuffer && size > 0) {
        s.info.pchBuffer = info->pchBuffer;  // the caller's own buffer
        s.info.cchBuffer = size;
    } else {
        return MMSYSERR_NOERROR;  // unbuffered
    }
    s.info.pchNext = s.info.pchEndRead = s.info.pchBuffer;
    return MMSYSERR_NOERROR;
}

MMRESULT OpenMemory(HMMIO__& s, const MMIOINFO& info) {
    if (info.cchBuffer < 0 || (info.cchBuffer > 0 && !info.pchBuffer)) return MMSYSERR_INVALPARAM;
    // The block serves as the buffer; an empty block still gets a valid one.
    static char empty;
    s.size = info.cchBuffer;
    s.info.pchBuffer = info.pchBuffer ? info.pchBuffer : &empty;
    s.info.cchBuffer = info.cchBuffer;
    s.info.pchNext = s.info.pchBuffer;
    s.info.pchEndRead = s.info.pchBuffer + info.cchBuffer;
    s.info.lDiskOffset = info.cchBuffer;
    return MMSYSERR_NOERROR;
}

MMRESULT Open(HMMIO__& s, LPCWSTR name, const MMIOINFO* info, DWORD flags) {
    if (flags & ~MMIO_ALLOCBUF) return MMSYSERR_INVALFLAG;  // read-only
    if (info && info->pIOProc) return MMIOERR_CANNOTOPEN;   // no custom I/O procedures
    FOURCC proc = info ? info->fccIOProc : 0;
    if (proc == FOURCC_MEM) {
        s.info.fccIOProc = FOURCC_MEM;
        return OpenMemory(s, *info);
    }
    if (proc != 0 && proc != FOURCC_DOS) return MMIOERR_CANNOTOPEN;
    s.info.fccIOProc = FOURCC_DOS;
    MMRESULT result = OpenFile(s, name);
    if (result != MMSYSERR_NOERROR) return result;
    return SetUpFileBuffer(s, info, flags);
}

// Takes the caller's read position within the buffer, if it is one.
MMRESULT TakeNext(HMMIO__& s, const MMIOINFO& info) {
    if (info.pchBuffer != s.info.pchBuffer || info.pchNext < s.info.pchBuffer ||
        info.pchNext > s.info.pchEndRead) {
        return MMSYSERR_INVALPARAM;
    }
    s.info.pchNext = info.pchNext;
    return MMSYSERR_NOERROR;
}

}  // namespace

HMMIO mmioOpenW(LPCWSTR name, MMIOINFO* info, DWORD flags) {
    auto stream = std::unique_ptr<HMMIO__>(new (std::nothrow) HMMIO__);
    MMRESULT result = stream ? Open(*stream, name, info, flags) : MMIOERR_OUTOFMEMORY;
    if (info) info->wErrorRet = result;
    if (result != MMSYSERR_NOERROR) return nullptr;
    return platform::mmio::Register(stream.release());
}

MMRESULT mmioClose(HMMIO file, UINT) {
    HMMIO__* s = platform::mmio::Unregister(file);
    if (!s) return MMSYSERR_INVALHANDLE;
    delete s;
    return MMSYSERR_NOERROR;
}

LONG mmioRead(HMMIO file, char* buffer, LONG size) {
    HMMIO__* s = Find(file);
    if (!s || size < 0 || (size > 0 && !buffer)) return -1;
    return static_cast<LONG>(platform::mmio::ReadBytes(*s, buffer, size));
}

LONG mmioSeek(HMMIO file, LONG offset, int origin) {
    HMMIO__* s = Find(file);
    if (!s) return -1;
    int64_t base;
    switch (origin) {
        case SEEK_SET:
            base = 0;
            break;
        case SEEK_CUR:
            base = platform::mmio::Position(*s);
            break;
        case SEEK_END:
            base = s->size;
            break;
        default:
            return -1;
    }
    int64_t target = base + offset;
    if (!platform::mmio::SeekTo(*s, target)) return -1;
    return static_cast<LONG>(target);
}

MMRESULT mmioGetInfo(HMMIO file, MMIOINFO* info, UINT) {
    HMMIO__* s = Find(file);
    if (!s) return MMSYSERR_INVALHANDLE;
    if (!info) return MMSYSERR_INVALPARAM;
    *info = s->info;
    if (!s->info.pchBuffer) info->lDiskOffset = static_cast<LONG>(s->direct);
    return MMSYSERR_NOERROR;
}

MMRESULT mmioSetInfo(HMMIO file, const MMIOINFO* info, UINT) {
    HMMIO__* s = Find(file);
    if (!s) return MMSYSERR_INVALHANDLE;
    if (!info) return MMSYSERR_INVALPARAM;
    if (!s->info.pchBuffer) return MMSYSERR_NOERROR;  // nothing to take back
    return TakeNext(*s, *info);
}

MMRESULT mmioAdvance(HMMIO file, MMIOINFO* info, UINT flags) {
    HMMIO__* s = Find(file);
    if (!s) return MMSYSERR_INVALHANDLE;
    if (!s->info.pchBuffer) return MMIOERR_UNBUFFERED;
    if (flags != MMIO_READ) return MMIOERR_CANNOTWRITE;
    if (info) {
        MMRESULT taken = TakeNext(*s, *info);
        if (taken != MMSYSERR_NOERROR) return taken;
    }
    if (!platform::mmio::Refill(*s, platform::mmio::Position(*s))) return MMIOERR_CANNOTREAD;
    if (info) *info = s->info;
    return MMSYSERR_NOERROR;
}
