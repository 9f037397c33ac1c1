#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "TempDir.h"
#include "storage/KLFile.h"

namespace kw::test {

// What a writer puts into a KL file, as the bytes on disk.
inline std::string WriteRecord(const std::function<bool(CKLFile&)>& write) {
    TempDir dir;
    const auto path = dir / "record.sav";
    CKLFile file;
    EXPECT_TRUE(file.OpenForWrite(path));
    EXPECT_TRUE(write(file));
    EXPECT_TRUE(file.Close());
    return ReadFile(path);
}

// Lines joined with CR LF, each ended, as the writer ends them.
inline std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// The lines of a text without their line ends (LF or CR LF).
inline std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace kw::test
