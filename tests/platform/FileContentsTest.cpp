#include <gtest/gtest.h>

#include <string>

#include "TempDir.h"
#include "platform/FileContents.h"

namespace kw {
namespace {

using test::TempDir;
using test::WriteFile;

// Contents longer than one read block, with zero bytes and every other byte value.
TEST(FileContents, WholeFilesArriveByteForByteAndMissingOnesAsNothing) {
    const TempDir dir;
    std::string content;
    for (int i = 0; i < 200000; ++i) {
        content += static_cast<char>(i * 31 + i / 256);
    }
    WriteFile(dir / "large.bin", content);
    WriteFile(dir / "empty.bin", "");

    const auto text = ReadFileText(dir / "large.bin");
    ASSERT_TRUE(text);
    EXPECT_TRUE(*text == content);
    const auto bytes = ReadFileBytes(dir / "large.bin");
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(std::string(bytes->begin(), bytes->end()) == content);

    EXPECT_EQ(ReadFileText(dir / "empty.bin"), std::string());
    EXPECT_FALSE(ReadFileText(dir / "missing.bin"));
    EXPECT_FALSE(ReadFileBytes(dir.Path()));  // a folder opens but cannot be read
}

}  // namespace
}  // namespace kw
