// libFuzzer harness of the world archive's chunk reader: every chunk read, named payloads split
// and their names checked as an import does before it writes anything; then a second pass that
// skips some chunks unread, as the import's writing pass does.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "exports/archive/ArchiveChunks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kw::CArchiveReader reader;
    if (!reader.Open(kw::fuzz::WriteFuzzFile("archive.kwa", data, size))) {
        return 0;
    }
    while (const auto chunk = reader.ReadChunk()) {
        if (const auto named = kw::SplitNamedFile(chunk->data)) {
            kw::SafeRelativePath(named->name);
        }
    }
    reader.ReadToEnd();

    kw::CArchiveReader again;
    again.Open(kw::fuzz::WriteFuzzFile("archive.kwa", data, size));
    for (std::size_t index = 0;; ++index) {
        const bool skip = (data[index % size] & 1) != 0;
        if (skip ? !again.SkipChunk() : !again.ReadChunk()) {
            break;
        }
    }
    return 0;
}
