// libFuzzer harness of the world archive's chunk reader: every chunk read, named payloads split
// and their names checked as an import does before it writes anything.

#include <cstddef>
#include <cstdint>

#include "FuzzFile.h"
#include "model/ArchiveChunks.h"

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
    return 0;
}
