#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mmsystem.h"
#include "riff_builder.h"

namespace {

using riff::Chunk;
using riff::Le32;

std::wstring Wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

enum class Source { File, SmallBufferFile, Memory };

// Opens the same bytes from a file or from memory, as the reader would.
class MmioSources : public testing::TestWithParam<Source> {
protected:
    HMMIO Open(const std::string& bytes) {
        block_ = bytes;
        MMIOINFO info{};
        switch (GetParam()) {
            case Source::File:
                file_ = riff::WriteTemp("mmio.riff", bytes);
                return mmioOpenW(Wide(file_).c_str(), nullptr, MMIO_ALLOCBUF | MMIO_READ);
            case Source::SmallBufferFile:
                file_ = riff::WriteTemp("mmio-small.riff", bytes);
                info.cchBuffer = 7;
                return mmioOpenW(Wide(file_).c_str(), &info, MMIO_ALLOCBUF | MMIO_READ);
            case Source::Memory:
                info.fccIOProc = FOURCC_MEM;
                info.cchBuffer = static_cast<LONG>(block_.size());
                info.pchBuffer = block_.data();
                return mmioOpenW(nullptr, &info, MMIO_ALLOCBUF | MMIO_READ);
        }
        return nullptr;
    }

    std::string block_;
    std::string file_;
};

const std::string kCounting = [] {
    std::string s;
    for (int i = 0; i < 40; ++i) s += static_cast<char>('A' + i);
    return s;
}();

TEST_P(MmioSources, ReadsInPiecesAndStopsAtTheEnd) {
    HMMIO h = Open(kCounting);
    ASSERT_NE(h, nullptr);
    std::string got;
    char buffer[64];
    for (LONG piece : {3, 10, 1, 20, 64}) {
        LONG n = mmioRead(h, buffer, piece);
        ASSERT_GE(n, 0);
        got.append(buffer, static_cast<size_t>(n));
    }
    EXPECT_EQ(got, kCounting);
    EXPECT_EQ(mmioRead(h, buffer, 5), 0);
    EXPECT_EQ(mmioRead(h, buffer, -1), -1);
    EXPECT_EQ(mmioClose(h, 0), MMSYSERR_NOERROR);
}

TEST_P(MmioSources, SeeksWithinTheFileOnly) {
    HMMIO h = Open(kCounting);
    ASSERT_NE(h, nullptr);
    struct Step {
        LONG offset;
        int origin;
        LONG position;  // -1: refused, the position stays
    } steps[] = {
        {5, SEEK_SET, 5},    {3, SEEK_CUR, 8},  {-2, SEEK_END, 38}, {0, SEEK_END, 40},
        {41, SEEK_SET, -1},  {1, SEEK_END, -1}, {-1, SEEK_SET, -1}, {-41, SEEK_CUR, -1},
        {-30, SEEK_CUR, 10}, {0, 7, -1},        {0, SEEK_CUR, 10},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << step.offset << " from " << step.origin);
        EXPECT_EQ(mmioSeek(h, step.offset, step.origin), step.position);
    }
    char c = 0;
    ASSERT_EQ(mmioRead(h, &c, 1), 1);
    EXPECT_EQ(c, kCounting[10]);
    mmioClose(h, 0);
}

// RIFF "WAVE" { "fmt ", LIST "INFO" { "ISFT" (odd), "ICMT" }, "data" (odd), "tail" }
const std::string kTree =
    riff::Riff(Chunk("fmt ", std::string(16, 'f')) +
               Chunk("LIST", "INFO" + Chunk("ISFT", "abc") + Chunk("ICMT", "hi")) +
               Chunk("data", "12345") + Chunk("tail", ""));

FOURCC Id(const char* s) {
    return mmioFOURCC(s[0], s[1], s[2], s[3]);
}

TEST_P(MmioSources, WalksNestedChunks) {
    HMMIO h = Open(kTree);
    ASSERT_NE(h, nullptr);
    MMCKINFO riffChunk{};
    ASSERT_EQ(mmioDescend(h, &riffChunk, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(riffChunk.ckid, FOURCC_RIFF);
    EXPECT_EQ(riffChunk.fccType, Id("WAVE"));
    EXPECT_EQ(riffChunk.cksize, kTree.size() - 8);
    EXPECT_EQ(riffChunk.dwDataOffset, 8u);
    EXPECT_EQ(mmioSeek(h, 0, SEEK_CUR), 12);

    MMCKINFO list{};
    list.fccType = Id("INFO");
    ASSERT_EQ(mmioDescend(h, &list, &riffChunk, MMIO_FINDLIST), MMSYSERR_NOERROR);
    EXPECT_EQ(list.dwDataOffset, 12u + 24 + 8);
    EXPECT_EQ(mmioSeek(h, 0, SEEK_CUR), static_cast<LONG>(list.dwDataOffset + 4));

    MMCKINFO comment{};
    comment.ckid = Id("ICMT");
    ASSERT_EQ(mmioDescend(h, &comment, &list, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    char text[2];
    ASSERT_EQ(mmioRead(h, text, 2), 2);
    EXPECT_EQ(std::string(text, 2), "hi");
    ASSERT_EQ(mmioAscend(h, &comment, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(h, &list, 0), MMSYSERR_NOERROR);

    MMCKINFO data{};
    data.ckid = Id("data");
    ASSERT_EQ(mmioDescend(h, &data, &riffChunk, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(data.cksize, 5u);
    ASSERT_EQ(mmioAscend(h, &data, 0), MMSYSERR_NOERROR);  // past the pad byte
    MMCKINFO next{};
    ASSERT_EQ(mmioDescend(h, &next, &riffChunk, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(next.ckid, Id("tail"));

    // Searches run from the current position and stay at their level.
    MMCKINFO fmt{};
    fmt.ckid = Id("fmt ");
    EXPECT_EQ(mmioDescend(h, &fmt, &riffChunk, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
    ASSERT_EQ(mmioSeek(h, 12, SEEK_SET), 12);
    MMCKINFO nested{};
    nested.ckid = Id("ISFT");
    EXPECT_EQ(mmioDescend(h, &nested, &riffChunk, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);

    MMCKINFO form{};
    for (const char* type : {"WAVE", "AVI "}) {
        ASSERT_EQ(mmioSeek(h, 0, SEEK_SET), 0);
        form.fccType = Id(type);
        EXPECT_EQ(mmioDescend(h, &form, nullptr, MMIO_FINDRIFF),
                  type[0] == 'W' ? MMSYSERR_NOERROR : MMIOERR_CHUNKNOTFOUND)
            << type;
    }
    EXPECT_EQ(mmioDescend(h, &form, nullptr, MMIO_FINDRIFF | MMIO_FINDLIST), MMSYSERR_INVALFLAG);
    mmioClose(h, 0);
}

TEST_P(MmioSources, AscendsToTheEndOfALastOddChunkWithoutPad) {
    const std::string file = riff::ChunkDeclaring("odd ", 3, "xyz");
    HMMIO h = Open(file);
    ASSERT_NE(h, nullptr);
    MMCKINFO chunk{};
    ASSERT_EQ(mmioDescend(h, &chunk, nullptr, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(h, &chunk, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioSeek(h, 0, SEEK_CUR), static_cast<LONG>(file.size()));
    chunk.cksize = 100;  // a chunk reaching past the end cannot be left
    EXPECT_EQ(mmioAscend(h, &chunk, 0), MMIOERR_CANNOTSEEK);
    mmioClose(h, 0);
}

TEST_P(MmioSources, HandsOutItsBufferForDirectReading) {
    HMMIO h = Open(kCounting);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(mmioSeek(h, 2, SEEK_SET), 2);
    MMIOINFO io{};
    ASSERT_EQ(mmioGetInfo(h, &io, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(io.hmmio, h);
    std::string got;
    for (;;) {
        if (io.pchNext == io.pchEndRead) {
            ASSERT_EQ(mmioAdvance(h, &io, MMIO_READ), MMSYSERR_NOERROR);
            if (io.pchNext == io.pchEndRead) break;  // the end of the file
        }
        got += *io.pchNext++;
        if (got.size() == 5) {
            // Handing the position back lets mmioRead continue from there.
            ASSERT_EQ(mmioSetInfo(h, &io, 0), MMSYSERR_NOERROR);
            char c;
            ASSERT_EQ(mmioRead(h, &c, 1), 1);
            got += c;
            ASSERT_EQ(mmioGetInfo(h, &io, 0), MMSYSERR_NOERROR);
        }
    }
    EXPECT_EQ(got, kCounting.substr(2));

    // A read position outside the buffer is refused.
    MMIOINFO bad = io;
    bad.pchNext = io.pchEndRead + 1;
    EXPECT_EQ(mmioSetInfo(h, &bad, 0), MMSYSERR_INVALPARAM);
    EXPECT_EQ(mmioAdvance(h, &bad, MMIO_READ), MMSYSERR_INVALPARAM);
    mmioClose(h, 0);
}

INSTANTIATE_TEST_SUITE_P(All, MmioSources,
                         testing::Values(Source::File, Source::SmallBufferFile, Source::Memory),
                         [](const auto& info) {
                             switch (info.param) {
                                 case Source::File:
                                     return "File";
                                 case Source::SmallBufferFile:
                                     return "SmallBufferFile";
                                 case Source::Memory:
                                     return "Memory";
                             }
                             return "";
                         });

TEST(MmioOpen, ReportsWhyItFails) {
    std::string dir = testing::TempDir();
    char block[4] = {};
    struct Case {
        const char* label;
        std::wstring name;  // empty: null
        FOURCC proc;
        LONG size;
        char* memory;
        DWORD flags;
        UINT error;
    } cases[] = {
        {"missing", Wide(dir + "/no-such.wav"), 0, 0, nullptr, MMIO_READ, MMIOERR_FILENOTFOUND},
        {"folder", Wide(dir), 0, 0, nullptr, MMIO_READ, MMIOERR_CANNOTOPEN},
        {"no_name", L"", 0, 0, nullptr, MMIO_READ, MMIOERR_FILENOTFOUND},
        {"writing", Wide(dir + "/w.wav"), 0, 0, nullptr, MMIO_WRITE, MMSYSERR_INVALFLAG},
        {"unknown_proc", L"", mmioFOURCC('Z', 'I', 'P', ' '), 0, nullptr, 0, MMIOERR_CANNOTOPEN},
        {"memory_negative", L"", FOURCC_MEM, -1, block, 0, MMSYSERR_INVALPARAM},
        {"memory_null", L"", FOURCC_MEM, 4, nullptr, 0, MMSYSERR_INVALPARAM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        MMIOINFO info{};
        info.fccIOProc = c.proc;
        info.cchBuffer = c.size;
        info.pchBuffer = c.memory;
        info.wErrorRet = 12345;
        EXPECT_EQ(mmioOpenW(c.name.empty() ? nullptr : c.name.c_str(), &info, c.flags), nullptr);
        EXPECT_EQ(info.wErrorRet, c.error);
    }
}

TEST(MmioOpen, AcceptsWindowsPathsAndUnbufferedReading) {
    std::string path = riff::WriteTemp("back slash.riff", kCounting);
    std::wstring windows = Wide(path);
    for (wchar_t& c : windows) c = c == L'/' ? L'\\' : c;
    HMMIO h = mmioOpenW(windows.c_str(), nullptr, MMIO_READ);  // no buffer
    ASSERT_NE(h, nullptr);
    char buffer[64];
    EXPECT_EQ(mmioSeek(h, 30, SEEK_SET), 30);
    ASSERT_EQ(mmioRead(h, buffer, 64), 10);
    EXPECT_EQ(std::string(buffer, 10), kCounting.substr(30));
    MMIOINFO io{};
    EXPECT_EQ(mmioAdvance(h, &io, MMIO_READ), MMIOERR_UNBUFFERED);
    mmioClose(h, 0);
}

TEST(MmioOpen, ClosedHandlesAreRefused) {
    HMMIO h =
        mmioOpenW(Wide(riff::WriteTemp("closed.riff", kCounting)).c_str(), nullptr, MMIO_ALLOCBUF);
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(mmioClose(h, 0), MMSYSERR_NOERROR);
    char c;
    MMCKINFO chunk{};
    MMIOINFO io{};
    EXPECT_EQ(mmioClose(h, 0), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(mmioRead(h, &c, 1), -1);
    EXPECT_EQ(mmioSeek(h, 0, SEEK_SET), -1);
    EXPECT_EQ(mmioDescend(h, &chunk, nullptr, 0), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(mmioGetInfo(h, &io, 0), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(mmioClose(nullptr, 0), MMSYSERR_INVALHANDLE);
}

}  // namespace
