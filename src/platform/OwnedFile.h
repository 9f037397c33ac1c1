#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

namespace kw {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C stream that is closed when it goes out of scope.
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

inline FilePointer OpenFile(const std::filesystem::path& path, const char* mode) {
    return FilePointer(std::fopen(path.c_str(), mode));
}

}  // namespace kw
