#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "resources/wave_file.h"
#include "riff_builder.h"

namespace {

using riff::Chunk;
using riff::ChunkDeclaring;
using riff::Fmt;
using riff::Le16;
using riff::Le32;
using riff::Riff;

constexpr HRESULT CO_E_NOTINITIALIZED = static_cast<HRESULT>(0x800401F0u);

std::wstring Wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

const std::string kPcm = Fmt(1, 2, 44100, 16);
const std::string kSamples = "0123456789";

struct OpenCase {
    const char* label;
    std::string file;
    HRESULT result;
    std::string format;  // the whole WAVEFORMATEX block expected; empty: no format
    uint32_t dataSize;
    bool staysOpen;
};

std::vector<OpenCase> OpenCases() {
    const std::string fmtData = Chunk("fmt ", kPcm) + Chunk("data", kSamples);
    const std::string extensible = Fmt(0xFFFE, 2, 48000, 24) + Le16(22) + std::string(22, 'x');
    return {
        {"pcm", Riff(fmtData), S_OK, kPcm + Le16(0), 10, true},
        {"rifx", Riff(fmtData, "WAVE", "RIFX"), E_FAIL, "", 0, false},
        {"bare_samples", std::string(64, '\x10'), E_FAIL, "", 0, false},
        {"other_form", Riff(fmtData, "AVI "), E_FAIL, "", 0, false},
        {"empty_file", "", E_FAIL, "", 0, false},
        {"fmt_too_short", Riff(Chunk("fmt ", kPcm.substr(0, 14)) + Chunk("data", kSamples)), E_FAIL,
         "", 0, false},
        // PCM ignores whatever follows the 16 common bytes.
        {"pcm_fmt_18", Riff(Chunk("fmt ", kPcm + Le16(7)) + Chunk("data", kSamples)), S_OK,
         kPcm + Le16(0), 10, true},
        {"pcm_fmt_odd", Riff(Chunk("fmt ", kPcm + "abc") + Chunk("data", kSamples)), S_OK,
         kPcm + Le16(0), 10, true},
        {"float", Riff(Chunk("fmt ", Fmt(3, 1, 8000, 32) + Le16(0)) + Chunk("data", kSamples)),
         S_OK, Fmt(3, 1, 8000, 32) + Le16(0), 10, true},
        {"extensible", Riff(Chunk("fmt ", extensible) + Chunk("data", kSamples)), S_OK, extensible,
         10, true},
        // A 16-byte non-PCM chunk: the next chunk's first bytes give cbSize (4)
        // and the bytes after them its format data.
        {"nonpcm_fmt_16",
         Riff(Chunk("fmt ", Fmt(3, 1, 8000, 32)) + Chunk(std::string("\x04\x00zz", 4), "ab") +
              Chunk("data", kSamples)),
         S_OK, Fmt(3, 1, 8000, 32) + Le16(4) + "zz" + Le16(2), 10, true},
        {"nonpcm_extra_missing", Riff(Chunk("fmt ", Fmt(3, 1, 8000, 32) + Le16(40) + "short")),
         E_FAIL, "", 0, false},
        {"data_first", Riff(Chunk("data", kSamples) + Chunk("fmt ", kPcm)), S_OK, kPcm + Le16(0),
         10, true},
        {"list_between",
         Riff(Chunk("fmt ", kPcm) + Chunk("LIST", "INFOISFT" + Le32(3) + "zo\0") +
              Chunk("data", kSamples)),
         S_OK, kPcm + Le16(0), 10, true},
        {"fact_odd_between",
         Riff(Chunk("fmt ", kPcm) + Chunk("fact", "abc") + Chunk("data", kSamples)), S_OK,
         kPcm + Le16(0), 10, true},
        {"empty_data", Riff(Chunk("fmt ", kPcm) + Chunk("data", "")), S_OK, kPcm + Le16(0), 0,
         true},
        {"no_data", Riff(Chunk("fmt ", kPcm) + Chunk("fact", Le32(4))), E_FAIL, kPcm + Le16(0), 0,
         true},
        // The outer size is not checked against the file: a cut or streamed file opens.
        {"riff_size_past_end", ChunkDeclaring("RIFF", 0xFFFFFFFF, "WAVE" + fmtData), S_OK,
         kPcm + Le16(0), 10, true},
        // Sizes that point past the end of the file or the RIFF chunk.
        {"fmt_size_past_end", Riff(ChunkDeclaring("fmt ", 4000, kPcm)), E_FAIL, "", 0, false},
        {"fmt_size_wraps", Riff(ChunkDeclaring("fmt ", 0xFFFFFFF8, kPcm) + Chunk("data", kSamples)),
         E_FAIL, "", 0, false},
        {"list_size_past_end",
         Riff(Chunk("fmt ", kPcm) + ChunkDeclaring("LIST", 0x7FFFFFF0, "INFO") +
              Chunk("data", kSamples)),
         E_FAIL, kPcm + Le16(0), 0, true},
        {"data_outside_riff", Chunk("RIFF", "WAVE" + Chunk("fmt ", kPcm)) + Chunk("data", kSamples),
         E_FAIL, kPcm + Le16(0), 0, true},
        // A cut-short final "data" chunk keeps its declared size.
        {"data_cut_short", Riff(Chunk("fmt ", kPcm) + ChunkDeclaring("data", 1000, kSamples)), S_OK,
         kPcm + Le16(0), 1000, true},
    };
}

class WaveOpen : public testing::TestWithParam<OpenCase> {};

TEST_P(WaveOpen, ReadsHeaderAndFindsData) {
    const OpenCase& c = GetParam();
    WaveFile wave;
    std::string path = riff::WriteTemp(std::string(c.label) + ".wav", c.file);
    EXPECT_EQ(wave.Open(Wide(path).c_str()), c.result);
    if (c.format.empty()) {
        EXPECT_EQ(wave.format, nullptr);
    } else {
        ASSERT_NE(wave.format, nullptr);
        ASSERT_EQ(sizeof(WAVEFORMATEX) + wave.format->cbSize, c.format.size());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(wave.format), c.format.size()),
                  c.format);
    }
    EXPECT_EQ(wave.dataSize, c.dataSize);
    EXPECT_EQ(wave.handle != nullptr, c.staysOpen);
    EXPECT_EQ(wave.Close(), S_OK);
    EXPECT_EQ(wave.handle, nullptr);
    std::free(wave.format);
}

INSTANTIATE_TEST_SUITE_P(Files, WaveOpen, testing::ValuesIn(OpenCases()),
                         [](const auto& info) { return std::string(info.param.label); });

// An open reader over file; fails the test when it does not open.
struct OpenWave {
    WaveFile wave;
    explicit OpenWave(const std::string& file, const char* name = "read.wav") {
        EXPECT_EQ(wave.Open(Wide(riff::WriteTemp(name, file)).c_str()), S_OK);
    }
    ~OpenWave() { std::free(wave.format); }
};

TEST(WaveRead, HandsOutTheDataInPiecesUpToItsEnd) {
    OpenWave open(Riff(Chunk("fmt ", kPcm) + Chunk("data", kSamples) + Chunk("LIST", "INFO")));
    BYTE buffer[32] = {};
    DWORD count = 99;
    ASSERT_EQ(open.wave.Read(buffer, 4, &count), S_OK);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 4), "0123");
    ASSERT_EQ(open.wave.Read(buffer, sizeof(buffer), &count), S_OK);
    EXPECT_EQ(count, 6u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 6), "456789");
    ASSERT_EQ(open.wave.Read(buffer, sizeof(buffer), &count), S_OK);
    EXPECT_EQ(count, 0u);
}

TEST(WaveRead, CrossesManyBufferRefills) {
    std::string samples;
    for (int i = 0; i < 50000; ++i) samples += static_cast<char>(i * 7 + i / 256);
    OpenWave open(Riff(Chunk("fmt ", kPcm) + Chunk("data", samples)), "long.wav");
    ASSERT_EQ(open.wave.dataSize, samples.size());
    std::string got;
    std::vector<BYTE> buffer(9000);
    for (DWORD piece : {1u, 8191u, 2u, 9000u, 777u, 9000u, 9000u, 9000u, 9000u, 9000u}) {
        DWORD count = 0;
        ASSERT_EQ(open.wave.Read(buffer.data(), piece, &count), S_OK);
        got.append(reinterpret_cast<char*>(buffer.data()), count);
    }
    EXPECT_EQ(got, samples);
}

TEST(WaveRead, CutShortDataGivesWhatThereIsThenFails) {
    OpenWave open(Riff(Chunk("fmt ", kPcm) + ChunkDeclaring("data", 1000, kSamples)), "cut.wav");
    ASSERT_EQ(open.wave.dataSize, 1000u);
    BYTE piece[4];
    DWORD count = 0;
    ASSERT_EQ(open.wave.Read(piece, 4, &count), S_OK);
    EXPECT_EQ(count, 4u);
    // The rest of the declared size: what the file holds is copied, the rest
    // of the block is left as the caller had it (zeros), and nothing else.
    std::vector<BYTE> rest(1000, 0);
    EXPECT_EQ(open.wave.Read(rest.data(), 996, &count), E_FAIL);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(rest.data()), 6), "456789");
    EXPECT_EQ(std::vector<BYTE>(rest.begin() + 6, rest.end()), std::vector<BYTE>(994, 0));
}

TEST(WaveRead, RefusesMissingArgumentsAndClosedReaders) {
    WaveFile closed;
    BYTE buffer[4];
    DWORD count = 0;
    EXPECT_EQ(closed.Open(nullptr), E_INVALIDARG);
    EXPECT_EQ(closed.Read(buffer, 4, &count), CO_E_NOTINITIALIZED);
    EXPECT_EQ(closed.SeekToData(), CO_E_NOTINITIALIZED);

    OpenWave open(Riff(Chunk("fmt ", kPcm) + Chunk("data", kSamples)));
    EXPECT_EQ(open.wave.Read(nullptr, 4, &count), E_INVALIDARG);
    EXPECT_EQ(open.wave.Read(buffer, 4, nullptr), E_INVALIDARG);
    open.wave.Close();
    EXPECT_EQ(open.wave.Read(buffer, 4, &count), CO_E_NOTINITIALIZED);
    EXPECT_NE(open.wave.format, nullptr);  // kept for the owner
}

TEST(WaveRead, OpenAgainStartsOverOnTheNewFile) {
    OpenWave open(Riff(Chunk("fmt ", kPcm) + Chunk("data", "first")), "first.wav");
    std::string second =
        riff::WriteTemp("second.wav", Riff(Chunk("fmt ", kPcm) + Chunk("data", "2nd")));
    ASSERT_EQ(open.wave.Open(Wide(second).c_str()), S_OK);
    BYTE buffer[8];
    DWORD count = 0;
    ASSERT_EQ(open.wave.Read(buffer, sizeof(buffer), &count), S_OK);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), count), "2nd");
}

// Everything a reader hands out, for comparing two sources.
struct WaveContent {
    HRESULT result;
    std::string format;
    std::string data;
};

WaveContent ReadAll(const wchar_t* name) {
    WaveFile wave;
    WaveContent content{wave.Open(name), "", ""};
    if (content.result == S_OK) {
        content.format.assign(reinterpret_cast<const char*>(wave.format),
                              sizeof(WAVEFORMATEX) + wave.format->cbSize);
        content.data.resize(wave.dataSize);
        DWORD count = 0;
        content.result =
            wave.Read(reinterpret_cast<BYTE*>(content.data.data()), wave.dataSize, &count);
        content.data.resize(count);
    }
    wave.Close();
    std::free(wave.format);
    return content;
}

TEST(WaveResource, NameNotAFileIsReadFromTheExecutablesResources) {
    struct Case {
        const wchar_t* resource;
        const char* file;
        WORD tag;
        size_t dataBytes;
    } cases[] = {
        {L"tone", "tone.wav", WAVE_FORMAT_PCM, 16},           // type "WAVE"
        {L"Chirp", "chirp.wav", WAVE_FORMAT_IEEE_FLOAT, 32},  // type "WAV"
        {L"TONE", "tone.wav", WAVE_FORMAT_PCM, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        WaveContent fromFile = ReadAll(Wide(std::string(ZOLT_WAVE_FIXTURES "/") + c.file).c_str());
        WaveContent fromResource = ReadAll(c.resource);
        ASSERT_EQ(fromResource.result, S_OK);
        ASSERT_EQ(fromFile.result, S_OK);
        EXPECT_EQ(fromResource.format, fromFile.format);
        EXPECT_EQ(fromResource.data, fromFile.data);
        WORD tag;
        std::memcpy(&tag, fromResource.format.data(), sizeof(tag));
        EXPECT_EQ(tag, c.tag);
        EXPECT_EQ(fromResource.data.size(), c.dataBytes);
    }
}

TEST(WaveResource, NeitherFileNorResourceFails) {
    WaveFile wave;
    EXPECT_EQ(wave.Open(L"no such sound"), E_FAIL);
    EXPECT_EQ(wave.format, nullptr);
    EXPECT_EQ(wave.handle, nullptr);
    EXPECT_EQ(wave.resourceCopy, nullptr);
    // A resource of another type is not a sound.
    EXPECT_EQ(wave.Open(L"notes"), E_FAIL);
    EXPECT_EQ(wave.handle, nullptr);
}

TEST(WaveResource, BadResourceFailsLikeABadFile) {
    WaveFile wave;
    EXPECT_EQ(wave.Open(L"broken"), E_FAIL);
    EXPECT_EQ(wave.format, nullptr);
    EXPECT_EQ(wave.handle, nullptr);
    EXPECT_NE(wave.resourceCopy, nullptr);  // freed by Close
    wave.Close();
    EXPECT_EQ(wave.resourceCopy, nullptr);
}

}  // namespace
