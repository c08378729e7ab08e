#include "resources/wave_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "win32_modules.h"

namespace {

constexpr HRESULT CO_E_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);
constexpr FOURCC kWave = mmioFOURCC('W', 'A', 'V', 'E');
constexpr FOURCC kFmt = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC kData = mmioFOURCC('d', 'a', 't', 'a');
// wFormatTag to wBitsPerSample: the part of the "fmt " chunk every format has.
constexpr LONG kCommonFormatBytes = 16;

// The named resource of the executable, type "WAVE" or else "WAV".
HRSRC FindWaveResource(const wchar_t* name) {
    HRSRC found = FindResourceW(nullptr, name, L"WAVE");
    return found ? found : FindResourceW(nullptr, name, L"WAV");
}

}  // namespace

HRESULT WaveFile::Open(const wchar_t* name) {
    if (!name) return E_INVALIDARG;
    std::free(format);
    format = nullptr;
    // A reader opened again lets go of its earlier file first.
    Close();

    handle = mmioOpenW(name, nullptr, MMIO_ALLOCBUF | MMIO_READ);
    if (!handle) {
        HRSRC resource = FindWaveResource(name);
        if (!resource) return E_FAIL;
        HMODULE executable = GetModuleHandleW(nullptr);
        HGLOBAL loaded = LoadResource(executable, resource);
        if (!loaded) return E_FAIL;
        DWORD size = SizeofResource(executable, resource);
        if (size == 0) return E_FAIL;
        void* bytes = LockResource(loaded);
        if (!bytes) return E_FAIL;
        resourceCopy = static_cast<BYTE*>(std::malloc(size));
        if (!resourceCopy) return E_OUTOFMEMORY;
        std::memcpy(resourceCopy, bytes, size);

        MMIOINFO memory{};
        memory.fccIOProc = FOURCC_MEM;
        memory.cchBuffer = static_cast<LONG>(size);
        memory.pchBuffer = reinterpret_cast<char*>(resourceCopy);
        handle = mmioOpenW(nullptr, &memory, MMIO_ALLOCBUF | MMIO_READ);
    }

    HRESULT result = ParseHeader();
    if (FAILED(result)) {
        mmioClose(handle, 0);
        handle = nullptr;
        return result;
    }
    result = SeekToData();
    if (SUCCEEDED(result)) dataSize = dataChunk.cksize;
    return result;
}

HRESULT WaveFile::ParseHeader() {
    format = nullptr;
    if (mmioDescend(handle, &riffChunk, nullptr, 0) != MMSYSERR_NOERROR) return E_FAIL;
    if (riffChunk.ckid != FOURCC_RIFF || riffChunk.fccType != kWave) return E_FAIL;

    MMCKINFO fmtChunk{};
    fmtChunk.ckid = kFmt;
    if (mmioDescend(handle, &fmtChunk, &riffChunk, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
        return E_FAIL;
    }
    if (fmtChunk.cksize < static_cast<DWORD>(kCommonFormatBytes)) return E_FAIL;

    char common[kCommonFormatBytes];
    if (mmioRead(handle, common, kCommonFormatBytes) != kCommonFormatBytes) return E_FAIL;
    WORD tag;
    std::memcpy(&tag, common, sizeof(tag));

    if (tag == WAVE_FORMAT_PCM) {
        format = static_cast<WAVEFORMATEX*>(std::malloc(sizeof(WAVEFORMATEX)));
        if (!format) return E_FAIL;
        std::memcpy(format, common, kCommonFormatBytes);
        format->cbSize = 0;
    } else {
        WORD extra;
        if (mmioRead(handle, reinterpret_cast<char*>(&extra), sizeof(extra)) != sizeof(extra)) {
            return E_FAIL;
        }
        format = static_cast<WAVEFORMATEX*>(std::malloc(sizeof(WAVEFORMATEX) + extra));
        if (!format) return E_FAIL;
        std::memcpy(format, common, kCommonFormatBytes);
        format->cbSize = extra;
        char* specific = reinterpret_cast<char*>(format) + sizeof(WAVEFORMATEX);
        if (mmioRead(handle, specific, extra) != extra) {
            std::free(format);
            format = nullptr;
            return E_FAIL;
        }
    }

    if (mmioAscend(handle, &fmtChunk, 0) != MMSYSERR_NOERROR) {
        std::free(format);
        format = nullptr;
        return E_FAIL;
    }
    return S_OK;
}

HRESULT WaveFile::SeekToData() {
    if (!handle) return CO_E_NOTINITIALIZED;
    if (mmioSeek(handle, static_cast<LONG>(riffChunk.dwDataOffset + 4), SEEK_SET) == -1) {
        return E_FAIL;
    }
    dataChunk.ckid = kData;
    if (mmioDescend(handle, &dataChunk, &riffChunk, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) {
        return E_FAIL;
    }
    return S_OK;
}

HRESULT WaveFile::Read(BYTE* buffer, DWORD size, DWORD* count) {
    if (!handle) return CO_E_NOTINITIALIZED;
    if (!buffer || !count) return E_INVALIDARG;
    *count = 0;

    MMIOINFO io{};
    if (mmioGetInfo(handle, &io, 0) != MMSYSERR_NOERROR) return E_FAIL;
    DWORD n = size < dataChunk.cksize ? size : dataChunk.cksize;
    dataChunk.cksize -= n;

    // Copies run by run out of the I/O buffer, refilling it when it is used up.
    DWORD copied = 0;
    while (copied < n) {
        if (io.pchNext >= io.pchEndRead) {
            if (mmioAdvance(handle, &io, MMIO_READ) != MMSYSERR_NOERROR) return E_FAIL;
            if (io.pchNext >= io.pchEndRead) return E_FAIL;
        }
        auto available = static_cast<DWORD>(io.pchEndRead - io.pchNext);
        DWORD run = n - copied < available ? n - copied : available;
        std::memcpy(buffer + copied, io.pchNext, run);
        io.pchNext += run;
        copied += run;
    }

    if (mmioSetInfo(handle, &io, 0) != MMSYSERR_NOERROR) return E_FAIL;
    *count = n;
    return S_OK;
}

HRESULT WaveFile::Close() {
    if (handle) {
        mmioClose(handle, 0);
        handle = nullptr;
    }
    std::free(resourceCopy);
    resourceCopy = nullptr;
    return S_OK;
}
