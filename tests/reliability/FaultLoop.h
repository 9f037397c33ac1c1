#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/FileFaults.h"

namespace kw {
class CWorld;
}

namespace kw::test {

// Changes something in every file a save writes (each country's, the rules and the players
// without club), so that a database half old and half new differs from both.
void EditEveryFile(CWorld& world);

// Where the loops keep their databases: a memory file system when there is one. They replace a
// thousand files a thousand times, and on a disk file system every rename over a file starts
// that file's writeback.
std::filesystem::path FastTemporaryFolder();

// Every regular file below a folder, by path relative to it, with its bytes; nothing for a
// folder that does not exist.
using FolderState = std::map<std::string, std::string>;

FolderState ReadTree(const std::filesystem::path& folder);
// Makes the folder hold exactly `state` (files of other names are removed).
void RestoreTree(const std::filesystem::path& folder, const FolderState& state);
// Temporary files and commit records below a folder.
std::vector<std::string> Leftovers(const std::filesystem::path& folder);

// "old", "new" or, when it is neither, a short description of the difference.
std::string StateName(const FolderState& now, const FolderState& old, const FolderState& fresh);

// A database folder as the next open finds it: the open recovers an interrupted save, as every
// open does, and the world loaded is dumped as JSON. A folder whose bytes were opened before and
// that holds nothing to recover is not loaded again, since the same bytes load the same world:
// a loop that meets the same two states a thousand times loads and dumps each of them once.
class COpenedDatabases {
public:
    struct SOpened {
        FolderState files;
        const std::string& dump;
    };
    SOpened Open(const std::filesystem::path& install, const std::filesystem::path& database);

private:
    std::map<FolderState, std::string> m_dumps;
};

// Runs `operation` with only the n-th file-system call failing, for n = 1, 2, 3 ... until a run
// meets no fault, which must then succeed. After each faulted run, which must report failure,
// `check(context, failed)` looks at what it left; `failed` is the call that failed. Stops at the
// first run that fails a test. Returns the number of faulted runs.
template <typename Operation, typename Check>
std::uint64_t ForEachFailingCall(Operation&& operation, Check&& check) {
    for (std::uint64_t call = 1;; ++call) {
        CFileFaults faults(FailCallNumber(call));
        const bool succeeded = operation(faults);
        if (faults.Failures() == 0) {
            EXPECT_TRUE(succeeded) << "without a fault";
            return call - 1;
        }
        const auto [kind, path] = *faults.FirstFailure();
        const std::string context = "call " + std::to_string(call) + " (" +
                                    std::string(FileCallName(kind)) + " " + path.string() + ")";
        EXPECT_FALSE(succeeded) << context;
        check(context, SFileCall{call, kind, path});
        if (::testing::Test::HasFailure()) {
            return call;
        }
    }
}

}  // namespace kw::test
