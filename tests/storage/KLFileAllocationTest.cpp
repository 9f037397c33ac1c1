// Loading a database reads thousands of records; the reader must parse in place without any
// allocation per line. This program counts every allocation through the global operator new.

#include "storage/KLFile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>

#include "TempDir.h"

namespace {
std::atomic<std::size_t> g_allocations{0};

// Not inlined, so that the compiler does not pair the replaced new with free and warn.
[[gnu::noinline]] void Release(void* memory) noexcept {
    std::free(memory);
}
}  // namespace

// The nothrow forms end up in these; the aligned forms are not used by the reader.
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* memory) noexcept {
    Release(memory);
}
void operator delete[](void* memory) noexcept {
    Release(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    Release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    Release(memory);
}

namespace {

using kw::CKLFile;

std::string RecordFile(int records) {
    std::string data = "; generated\r\n";
    for (int r = 0; r < records; ++r) {
        data += "%INDEX%RECORD\r\n";
        data += std::to_string(r) + "\r\n";
        data += ";comment\r\n";
        data += "Spieler " + std::to_string(r) + "\r\n";
        data += std::to_string(r % 256) + "\r\n";
        data += "\"A\",\"B\",\"C\",\"D\",\"E\"\r\n";
        data += "unread\r\n";
        data += "%INDEXEND%RECORD\r\n";
    }
    return data;
}

struct ReadResult {
    std::size_t allocations = 0;
    int recordsMatching = 0;
};

// Opens with the given call, then reads every record; allocations are counted from before the
// open to after the close.
template <typename Open>
ReadResult ReadAll(int records, Open open) {
    ReadResult result;
    const std::size_t before = g_allocations.load();
    {
        CKLFile file;
        open(file);
        for (int r = 0; r < records; ++r) {
            std::int32_t number = 0;
            std::uint8_t small = 0;
            char text[32];
            char five[5][4];
            file.FindSection("RECORD");
            file.ReadNumber(number);
            file.ReadText(text, sizeof text);
            file.ReadNumber(small);
            file.ReadQuotedFive(five[0], 4);
            file.SkipToSectionEnd("RECORD");
            result.recordsMatching += number == r && small == r % 256 &&
                                      std::strncmp(text, "Spieler ", 8) == 0 && five[4][0] == 'E';
        }
        // A read past the last record fails without allocating either.
        std::int32_t none = 0;
        file.ReadNumber(none);
        file.Close();
    }
    result.allocations = g_allocations.load() - before;
    return result;
}

// Reading ten times the records must not take more allocations, whether from memory or a file.
TEST(KLFileAllocations, ReadingDoesNotAllocatePerLine) {
    constexpr int kRecords = 2000;
    kw::test::TempDir dir;
    for (const bool fromFile : {false, true}) {
        SCOPED_TRACE(fromFile ? "file" : "memory");
        ReadResult results[2];
        for (const int scale : {1, 10}) {
            const int records = scale * kRecords;
            const std::string data = RecordFile(records);
            const auto path = dir / ("records" + std::to_string(scale) + ".sav");
            kw::test::WriteFile(path, data);
            const ReadResult result = ReadAll(records, [&](CKLFile& file) {
                fromFile ? file.OpenForRead(path) : file.OpenForReadFromMemory(data);
            });
            EXPECT_EQ(result.recordsMatching, records);
            results[scale == 10] = result;
        }
        EXPECT_EQ(results[0].allocations, results[1].allocations);
        EXPECT_LE(results[1].allocations, 1u) << "the buffer is sized once per file";
    }
}

}  // namespace
