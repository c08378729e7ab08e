// Opens each input with WaveFile twice, as a file and as a "WAVE" resource of
// the program read from memory, reads all its data, and checks that both
// sources give the same result and never more bytes than the data holds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "resources/wave_file.h"
#include "win32_modules.h"

namespace {

constexpr const wchar_t* kResourceName = L"zolt fuzz input";

// The resource's bytes point at the current input.
ZoltResourceEntry input = {0, L"WAVE", 0, kResourceName, nullptr, nullptr};

struct Outcome {
    HRESULT open;
    std::string format;
    std::string data;
    HRESULT lastRead;
};

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "wave_fuzz: %s\n", what);
        std::abort();
    }
}

Outcome ReadWave(const wchar_t* name, size_t pieceSeed) {
    WaveFile wave;
    Outcome outcome{wave.Open(name), "", "", S_OK};
    if (wave.format) {
        outcome.format.assign(reinterpret_cast<const char*>(wave.format),
                              sizeof(WAVEFORMATEX) + wave.format->cbSize);
    }
    if (outcome.open == S_OK) {
        Check(wave.format != nullptr, "opened without a format");
        std::vector<BYTE> piece(4096);
        uint64_t total = 0;
        DWORD step = static_cast<DWORD>(pieceSeed % 4000 + 1);
        for (;;) {
            DWORD count = 0;
            outcome.lastRead = wave.Read(piece.data(), step, &count);
            Check(count <= step, "read more than asked");
            if (outcome.lastRead != S_OK || count == 0) break;
            total += count;
            Check(total <= wave.dataSize, "read past the data chunk");
            outcome.data.append(reinterpret_cast<char*>(piece.data()), count);
        }
    }
    wave.Close();
    std::free(wave.format);
    return outcome;
}

std::wstring InputFile() {
    std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path = folder + "/zolt-wave-fuzz-" + std::to_string(getpid()) + ".wav";
    return std::wstring(path.begin(), path.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool registered = (ZoltRegisterResources(&input, 1), true);
    static const std::wstring file = InputFile();
    (void)registered;

    std::string path(file.begin(), file.end());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return 0;
    std::fwrite(data, 1, size, out);
    std::fclose(out);

    std::vector<unsigned char> bytes(data, data + size);
    input.begin = bytes.data();
    input.end = bytes.data() + bytes.size();

    Outcome fromFile = ReadWave(file.c_str(), size);
    Outcome fromMemory = ReadWave(kResourceName, size);
    Check(fromFile.open == fromMemory.open, "file and memory open differently");
    Check(fromFile.format == fromMemory.format, "file and memory formats differ");
    Check(fromFile.data == fromMemory.data, "file and memory data differ");
    Check(fromFile.lastRead == fromMemory.lastRead, "file and memory reads end differently");
    std::remove(path.c_str());
    return 0;
}
