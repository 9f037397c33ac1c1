// libFuzzer harness of the BIG archive reader: the input is the archive file, plain or packed.
// Every input goes through a file: run it with TMPDIR on a memory file system.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "assets/OrvelBig.h"

namespace {

// One file per process, rewritten for every input and removed when the process ends.
struct SArchiveFile {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("bigfuzz-" + std::to_string(getpid()) + ".big");
    ~SArchiveFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

const std::filesystem::path& ArchivePath() {
    static const SArchiveFile file;
    return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& path = ArchivePath();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        return 0;
    }
    kw::COrvelBig big;
    big.SetQuiet(true);
    if (big.Open(path)) {
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < big.GetCount(); ++i) {
            big.ReadEntry(i, bytes, true);
            big.FindIndex(big.GetEntry(i).name);
        }
        big.ReadFile("Badges\\a.tga", bytes, false);
    }
    return 0;
}
