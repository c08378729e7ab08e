// The RIFF chunk walk: entering and leaving chunks.
#include <cstdint>

#include "mmio/stream.h"

namespace {

using platform::mmio::Position;
using platform::mmio::ReadBytes;
using platform::mmio::SeekTo;

constexpr FOURCC kData = mmioFOURCC('d', 'a', 't', 'a');

struct Header {
    FOURCC id;
    DWORD size;
    FOURCC form;   // RIFF and LIST only
    bool hasForm;  // a RIFF or LIST chunk large enough to hold its form type
};

bool ReadDword(HMMIO__& s, DWORD& value) {
    unsigned char bytes[4];
    if (ReadBytes(s, reinterpret_cast<char*>(bytes), 4) != 4) return false;
    value = static_cast<DWORD>(bytes[0]) | (static_cast<DWORD>(bytes[1]) << 8) |
            (static_cast<DWORD>(bytes[2]) << 16) | (static_cast<DWORD>(bytes[3]) << 24);
    return true;
}

// Reads the chunk header at position, and the form type of a RIFF or LIST.
bool ReadHeader(HMMIO__& s, int64_t position, Header& header) {
    if (!SeekTo(s, position) || !ReadDword(s, header.id) || !ReadDword(s, header.size)) {
        return false;
    }
    header.hasForm = (header.id == FOURCC_RIFF || header.id == FOURCC_LIST) && header.size >= 4;
    header.form = 0;
    return !header.hasForm || ReadDword(s, header.form);
}

// Enters the chunk: fills chunk and moves to its data, after the form type.
MMRESULT Enter(HMMIO__& s, MMCKINFO& chunk, const Header& header, int64_t position) {
    chunk.ckid = header.id;
    chunk.cksize = header.size;
    if (header.hasForm) chunk.fccType = header.form;
    chunk.dwDataOffset = static_cast<DWORD>(position + 8);
    chunk.dwFlags = 0;
    return SeekTo(s, position + 8 + (header.hasForm ? 4 : 0)) ? MMSYSERR_NOERROR
                                                              : MMIOERR_CANNOTSEEK;
}

bool Matches(const Header& header, FOURCC id, const MMCKINFO& wanted, bool byForm) {
    if (header.id != id) return false;
    if (id == FOURCC_RIFF || id == FOURCC_LIST) {
        return header.hasForm && (!byForm || header.form == wanted.fccType);
    }
    return true;
}

}  // namespace

MMRESULT mmioDescend(HMMIO file, MMCKINFO* chunk, const MMCKINFO* parent, UINT flags) {
    HMMIO__* s = platform::mmio::Find(file);
    if (!s) return MMSYSERR_INVALHANDLE;
    if (!chunk) return MMSYSERR_INVALPARAM;
    UINT search = flags & (MMIO_FINDCHUNK | MMIO_FINDRIFF | MMIO_FINDLIST);
    if (flags != search || (search & (search - 1)) != 0) return MMSYSERR_INVALFLAG;

    int64_t position = Position(*s);
    Header header{};
    if (search == 0) {
        if (!ReadHeader(*s, position, header)) return MMIOERR_CHUNKNOTFOUND;
        if ((header.id == FOURCC_RIFF || header.id == FOURCC_LIST) && !header.hasForm) {
            return MMIOERR_CHUNKNOTFOUND;
        }
        return Enter(*s, *chunk, header, position);
    }

    FOURCC id = search == MMIO_FINDRIFF   ? FOURCC_RIFF
                : search == MMIO_FINDLIST ? FOURCC_LIST
                                          : chunk->ckid;
    bool byForm = search != MMIO_FINDCHUNK;
    // The walk stays inside the parent and the file; sizes are summed in 64
    // bits so that no declared size can wrap around.
    int64_t end = s->size;
    if (parent) {
        int64_t parentEnd = static_cast<int64_t>(parent->dwDataOffset) + parent->cksize;
        if (parentEnd < end) end = parentEnd;
    }
    while (position + 8 <= end) {
        if (!ReadHeader(*s, position, header)) return MMIOERR_CHUNKNOTFOUND;
        int64_t chunkEnd = position + 8 + static_cast<int64_t>(header.size);
        // A "data" chunk cut short by the end of the file is the last chunk:
        // it can be entered, reading it stops at the real end.
        bool cutShort = header.id == kData && chunkEnd > s->size;
        if (chunkEnd > end && !cutShort) return MMIOERR_CHUNKNOTFOUND;
        if (Matches(header, id, *chunk, byForm)) return Enter(*s, *chunk, header, position);
        if (cutShort) return MMIOERR_CHUNKNOTFOUND;
        position = chunkEnd + (header.size & 1);
    }
    return MMIOERR_CHUNKNOTFOUND;
}

MMRESULT mmioAscend(HMMIO file, MMCKINFO* chunk, UINT) {
    HMMIO__* s = platform::mmio::Find(file);
    if (!s) return MMSYSERR_INVALHANDLE;
    if (!chunk) return MMSYSERR_INVALPARAM;
    int64_t end = static_cast<int64_t>(chunk->dwDataOffset) + chunk->cksize;
    if (end > s->size) return MMIOERR_CANNOTSEEK;
    // The pad byte of an odd-sized last chunk may be missing.
    int64_t next = end + (chunk->cksize & 1);
    if (next > s->size) next = end;
    return SeekTo(*s, next) ? MMSYSERR_NOERROR : MMIOERR_CANNOTSEEK;
}
