#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string_view>

namespace kw {

// The file-system calls through which every atomic write and commit goes.
enum class EFileCall : std::uint8_t {
    kOpen,
    kWrite,
    kFlush,
    kSync,
    kClose,
    kRename,
    kFolderSync,
    kUnlink,
};

std::string_view FileCallName(EFileCall call);

// One call as a fault rule sees it; `number` counts the calls this object has seen, from 1.
struct SFileCall {
    std::uint64_t number;
    EFileCall kind;
    const std::filesystem::path& path;
};

// Test seam: decides for each file-system call of a write whether it fails, as a full disk, a
// lost device or a failing rename would. Tests create one and hand it to the writer or batch
// (SWriteOptions::faults); nothing else consults it. Calls may come from several threads.
class CFileFaults {
public:
    using Rule = std::function<bool(const SFileCall&)>;

    explicit CFileFaults(Rule rule) : m_rule(std::move(rule)) {}
    CFileFaults(const CFileFaults&) = delete;
    CFileFaults& operator=(const CFileFaults&) = delete;

    // Counts the call; true when it is to fail.
    bool Fails(EFileCall kind, const std::filesystem::path& path);

    std::uint64_t Calls() const;
    std::uint64_t Failures() const;
    // The first call that was made to fail, for messages of failing tests.
    std::optional<std::pair<EFileCall, std::filesystem::path>> FirstFailure() const;

private:
    mutable std::mutex m_mutex;
    Rule m_rule;
    std::uint64_t m_calls = 0;
    std::uint64_t m_failures = 0;
    std::optional<std::pair<EFileCall, std::filesystem::path>> m_firstFailure;
};

// Rules: only the n-th call (from 1); every write to `target`; every call of `kind` from the
// n-th call on (a disk that fills up).
CFileFaults::Rule FailCallNumber(std::uint64_t number);
CFileFaults::Rule FailWritesTo(std::filesystem::path target);
CFileFaults::Rule FailFromCallNumber(std::uint64_t number, EFileCall kind);

}  // namespace kw
