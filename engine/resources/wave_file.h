// Reads the sample data of a RIFF/WAVE file, or of a "WAVE" or "WAV" resource
// of the executable, through the multimedia file functions.
#pragma once

#include <cstdint>

#include "mmreg.h"
#include "mmsystem.h"

struct WaveFile {
    // The "fmt " chunk as a WAVEFORMATEX: 18 bytes for PCM, 18 + cbSize
    // otherwise. Allocated with malloc; the owner frees it with free.
    WAVEFORMATEX* format = nullptr;
    HMMIO handle = nullptr;
    MMCKINFO dataChunk{};  // its cksize counts the data bytes not read yet
    MMCKINFO riffChunk{};
    uint32_t dataSize = 0;         // the "data" chunk's size when the file was opened
    BYTE* resourceCopy = nullptr;  // the resource's bytes, when read from one

    WaveFile() = default;
    WaveFile(const WaveFile&) = delete;
    WaveFile& operator=(const WaveFile&) = delete;
    ~WaveFile() { Close(); }  // format stays the owner's to free

    // Opens the file, or the resource of that name, reads its format and
    // moves to the first data byte. When only the "data" chunk is missing the
    // result is E_FAIL with format set and the file open until Close.
    HRESULT Open(const wchar_t* name);
    // Copies up to size further data bytes into buffer; count gets how many.
    // E_FAIL when the file ends before the data does.
    HRESULT Read(BYTE* buffer, DWORD size, DWORD* count);
    HRESULT Close();

    HRESULT ParseHeader();
    HRESULT SeekToData();
};
