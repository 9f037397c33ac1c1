#include "FuzzFile.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace kw::fuzz {

namespace {

namespace fs = std::filesystem;

struct SFuzzDirectory {
    fs::path path;
    SFuzzDirectory() {
        std::error_code error;
        const fs::path base =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = base / ("kwfuzz-" + std::to_string(getpid()));
        fs::create_directories(path, error);
    }
    ~SFuzzDirectory() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

}  // namespace

const std::filesystem::path& FuzzDirectory() {
    static const SFuzzDirectory directory;
    return directory.path;
}

std::filesystem::path WriteFuzzFile(std::string_view name, const std::uint8_t* data,
                                    std::size_t size) {
    const fs::path path = FuzzDirectory() / name;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        // A harness that cannot write its input tests nothing: stop loudly.
        std::perror(path.c_str());
        std::abort();
    }
    if (size > 0) {
        std::fwrite(data, 1, size, file);
    }
    std::fclose(file);
    return path;
}

}  // namespace kw::fuzz
