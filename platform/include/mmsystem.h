// Windows multimedia services: the millisecond clock and RIFF file I/O.
#pragma once

#include <cstdio>  // SEEK_SET, SEEK_CUR, SEEK_END for mmioSeek

#include "wintypes.h"

// Milliseconds since the platform started, wrapping at 2^32.
PLATFORM_API DWORD timeGetTime();

// Multimedia file I/O: buffered reading of RIFF files from disk or from a
// memory block, and the chunk walk over them. Read-only.

using MMRESULT = UINT;
using FOURCC = DWORD;
using HMMIO = HMMIO__*;
struct HTASK__;
using HTASK = HTASK__*;
using LPMMIOPROC = LRESULT (*)(char* info, UINT message, LPARAM param1, LPARAM param2);

constexpr FOURCC mmioFOURCC(char c0, char c1, char c2, char c3) {
    return static_cast<FOURCC>(static_cast<BYTE>(c0)) |
           (static_cast<FOURCC>(static_cast<BYTE>(c1)) << 8) |
           (static_cast<FOURCC>(static_cast<BYTE>(c2)) << 16) |
           (static_cast<FOURCC>(static_cast<BYTE>(c3)) << 24);
}

constexpr FOURCC FOURCC_RIFF = mmioFOURCC('R', 'I', 'F', 'F');
constexpr FOURCC FOURCC_LIST = mmioFOURCC('L', 'I', 'S', 'T');
constexpr FOURCC FOURCC_DOS = mmioFOURCC('D', 'O', 'S', ' ');
constexpr FOURCC FOURCC_MEM = mmioFOURCC('M', 'E', 'M', ' ');

// The state of an open file and of its I/O buffer. mmioGetInfo hands out a copy;
// a caller reading the buffer directly moves pchNext and hands it back with
// mmioSetInfo or mmioAdvance.
struct MMIOINFO {
    DWORD dwFlags;
    FOURCC fccIOProc;  // FOURCC_MEM with a null name: read the memory block below
    LPMMIOPROC pIOProc;
    UINT wErrorRet;  // why mmioOpenW failed
    HTASK htask;
    LONG cchBuffer;     // size of the I/O buffer (of the memory block)
    char* pchBuffer;    // the I/O buffer (the memory block)
    char* pchNext;      // next byte to read
    char* pchEndRead;   // one past the last valid byte of the buffer
    char* pchEndWrite;  // unused: files are read-only
    LONG lBufOffset;    // file offset of pchBuffer
    LONG lDiskOffset;   // file offset of the next read from the file
    DWORD adwInfo[3];
    DWORD dwReserved1;
    DWORD dwReserved2;
    HMMIO hmmio;
};

struct MMCKINFO {
    FOURCC ckid;
    DWORD cksize;        // size of the chunk's data, without header and pad byte
    FOURCC fccType;      // form type of a RIFF or LIST chunk
    DWORD dwDataOffset;  // file offset of the chunk's data (of the form type)
    DWORD dwFlags;
};

constexpr DWORD MMIO_READ = 0x00000000;
constexpr DWORD MMIO_WRITE = 0x00000001;
constexpr DWORD MMIO_READWRITE = 0x00000002;
constexpr DWORD MMIO_ALLOCBUF = 0x00010000;
constexpr UINT MMIO_FINDCHUNK = 0x0010;
constexpr UINT MMIO_FINDRIFF = 0x0020;
constexpr UINT MMIO_FINDLIST = 0x0040;
constexpr LONG MMIO_DEFAULTBUFFER = 8192;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MMIOERR_FILENOTFOUND = 257;
constexpr MMRESULT MMIOERR_OUTOFMEMORY = 258;
constexpr MMRESULT MMIOERR_CANNOTOPEN = 259;
constexpr MMRESULT MMIOERR_CANNOTREAD = 261;
constexpr MMRESULT MMIOERR_CANNOTWRITE = 262;
constexpr MMRESULT MMIOERR_CANNOTSEEK = 263;
constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;
constexpr MMRESULT MMIOERR_UNBUFFERED = 266;

// Opens a file for reading (a Windows or native path), or, with a null name and
// info->fccIOProc FOURCC_MEM, the caller's block of info->cchBuffer bytes at
// info->pchBuffer, which must outlive the handle. With MMIO_ALLOCBUF the file is
// read through a buffer of info->cchBuffer bytes, or MMIO_DEFAULTBUFFER when
// there is no info or it is 0. Returns null on failure, the reason in
// info->wErrorRet when info is given.
PLATFORM_API HMMIO mmioOpenW(LPCWSTR name, MMIOINFO* info, DWORD flags);
PLATFORM_API MMRESULT mmioClose(HMMIO file, UINT flags);
// Bytes read (0 at the end of the file), or -1 on failure.
PLATFORM_API LONG mmioRead(HMMIO file, char* buffer, LONG size);
// origin SEEK_SET, SEEK_CUR or SEEK_END. The new position, or -1 when it would
// lie before the start or past the end of the file.
PLATFORM_API LONG mmioSeek(HMMIO file, LONG offset, int origin);
// Enters the chunk at the current position, or with MMIO_FINDCHUNK (FINDRIFF,
// FINDLIST) the first chunk from there whose ckid (form type) is chunk's; with a
// parent the walk stays inside it. A chunk that reaches past the end of its
// parent or of the file is not found, except a final "data" chunk cut short by
// the end of the file. Leaves the position at the chunk's data (after the form
// type of RIFF and LIST).
PLATFORM_API MMRESULT mmioDescend(HMMIO file, MMCKINFO* chunk, const MMCKINFO* parent, UINT flags);
// Moves to the end of the chunk, past its pad byte when its size is odd.
PLATFORM_API MMRESULT mmioAscend(HMMIO file, MMCKINFO* chunk, UINT flags);
PLATFORM_API MMRESULT mmioGetInfo(HMMIO file, MMIOINFO* info, UINT flags);
PLATFORM_API MMRESULT mmioSetInfo(HMMIO file, const MMIOINFO* info, UINT flags);
// MMIO_READ: takes info's pchNext (when info is given), refills the buffer from
// there and updates info. At the end of the file the buffer comes back empty.
PLATFORM_API MMRESULT mmioAdvance(HMMIO file, MMIOINFO* info, UINT flags);
