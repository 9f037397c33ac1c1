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

// Under AddressSanitizer a run costs ten times as much: the loops try every eighth call there and
// then every call of the last stretch, where a commit writes its record and replaces its files.
// The full build tries every call.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr std::uint64_t kFaultLoopStride = 8;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr std::uint64_t kFaultLoopStride = 8;
#else
inline constexpr std::uint64_t kFaultLoopStride = 1;
#endif
#else
inline constexpr std::uint64_t kFaultLoopStride = 1;
#endif

// Runs `operation` with only the n-th file-system call failing, for n = 1, 2, 3 ... (in steps of
// kFaultLoopStride) until a run meets no fault, which must then succeed. After each faulted run,
// which must report failure, `check(context, failed)` looks at what it left; `failed` is the call
// that failed. Stops at the first run that fails a test. Returns the number of file-system calls
// of the operation (or the failing call where a test failed).
template <typename Operation, typename Check>
std::uint64_t ForEachFailingCall(Operation&& operation, Check&& check) {
    // False when the run met no fault.
    const auto faultedRun = [&](std::uint64_t call) {
        CFileFaults faults(FailCallNumber(call));
        const bool succeeded = operation(faults);
        if (faults.Failures() == 0) {
            EXPECT_TRUE(succeeded) << "without a fault";
            return false;
        }
        const auto [kind, path] = *faults.FirstFailure();
        const std::string context = "call " + std::to_string(call) + " (" +
                                    std::string(FileCallName(kind)) + " " + path.string() + ")";
        EXPECT_FALSE(succeeded) << context;
        check(context, SFileCall{call, kind, path});
        return true;
    };
    std::uint64_t tried = 0;
    for (std::uint64_t call = 1;; call += kFaultLoopStride) {
        if (!faultedRun(call)) {
            // The operation ended somewhere in the last step; the first call of it that meets
            // no fault is its end, and that run has to succeed.
            for (std::uint64_t tail = tried + 1; tail < call; ++tail) {
                if (!faultedRun(tail)) {
                    return tail - 1;
                }
                if (::testing::Test::HasFailure()) {
                    return tail;
                }
            }
            return call - 1;
        }
        if (::testing::Test::HasFailure()) {
            return call;
        }
        tried = call;
    }
}

}  // namespace kw::test
