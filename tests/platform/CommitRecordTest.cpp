#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CommitRecord.h"

namespace kw {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = "/data/install/database";

SCommitEntry Entry(const fs::path& target, const std::string& random, std::uint64_t size) {
    return {fs::path(target.string() + ".tmp-" + random), target, size};
}

std::vector<SCommitEntry> Entries() {
    return {Entry(kFolder / "Country1.sav", "aB3dE9", 1234),
            Entry(kFolder / "with blank%and\nline.sav", "000000", 0),
            Entry("/data/install/badges/b/Badge256/club.tga", "zZ9yY8", 77)};
}

void ExpectSameEntries(const std::vector<SCommitEntry>& read,
                       const std::vector<SCommitEntry>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].temporary, written[i].temporary) << i;
        EXPECT_EQ(read[i].target, written[i].target) << i;
        EXPECT_EQ(read[i].size, written[i].size) << i;
    }
}

// Whatever the names; the paths follow the database when it is moved.
TEST(CommitRecord, ReadsBackWhatWasWrittenWhateverTheNames) {
    const std::string text = FormatCommitRecord(kFolder, Entries());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
    const SParsedCommitRecord record = ParseCommitRecord(kFolder, text);
    EXPECT_TRUE(record.complete);
    ExpectSameEntries(record.entries, Entries());

    const fs::path moved = "/elsewhere/copy/database";
    const SParsedCommitRecord movedRecord = ParseCommitRecord(moved, text);
    ASSERT_TRUE(movedRecord.complete);
    ASSERT_EQ(movedRecord.entries.size(), 3u);
    EXPECT_EQ(movedRecord.entries[0].target, moved / "Country1.sav");
    EXPECT_EQ(movedRecord.entries[2].target,
              fs::path("/elsewhere/copy/badges/b/Badge256/club.tga"));
    EXPECT_EQ(movedRecord.entries[2].temporary.filename(), "club.tga.tmp-zZ9yY8");
}

// A record cut anywhere (the process died while writing it) is never taken for a whole one, and
// what it still lists is a part of what was written.
TEST(CommitRecord, EveryCutRecordIsIncomplete) {
    const std::vector<SCommitEntry> written = Entries();
    const std::string text = FormatCommitRecord(kFolder, written);
    for (std::size_t length = 0; length < text.size(); ++length) {
        const SParsedCommitRecord record = ParseCommitRecord(kFolder, text.substr(0, length));
        EXPECT_FALSE(record.complete) << length;
        ASSERT_LE(record.entries.size(), written.size());
        ExpectSameEntries(record.entries,
                          std::vector(written.begin(), written.begin() + record.entries.size()));
    }
    EXPECT_FALSE(ParseCommitRecord(kFolder, text + "x").complete);
}

TEST(CommitRecord, AnyChangedByteMakesItIncomplete) {
    const std::string text = FormatCommitRecord(kFolder, Entries());
    for (std::size_t position = 0; position < text.size(); ++position) {
        std::string changed = text;
        changed[position] = static_cast<char>(changed[position] ^ 1);
        EXPECT_FALSE(ParseCommitRecord(kFolder, changed).complete) << position;
    }
}

// Recovery renames and removes only what a record names as temporaries: a line that names any
// other file is dropped, even in a whole record.
TEST(CommitRecord, LinesThatNameNoTemporaryOfTheirTargetAreDropped) {
    std::vector<SCommitEntry> entries = Entries();
    entries.push_back({kFolder / "Country2.sav", kFolder / "Country3.sav", 5});
    entries.push_back({kFolder / "Country2.sav.tmp-abc", kFolder / "Country2.sav", 5});
    entries.push_back({kFolder / "Country4.sav.tmp-abcdef", kFolder / "Country2.sav", 5});
    const SParsedCommitRecord record =
        ParseCommitRecord(kFolder, FormatCommitRecord(kFolder, entries));
    EXPECT_TRUE(record.complete);
    ExpectSameEntries(record.entries, Entries());
}

}  // namespace
}  // namespace kw
