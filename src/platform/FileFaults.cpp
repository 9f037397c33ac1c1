#include "platform/FileFaults.h"

namespace kw {

std::string_view FileCallName(EFileCall call) {
    switch (call) {
        case EFileCall::kOpen:
            return "open";
        case EFileCall::kWrite:
            return "write";
        case EFileCall::kFlush:
            return "flush";
        case EFileCall::kSync:
            return "sync";
        case EFileCall::kClose:
            return "close";
        case EFileCall::kRename:
            return "rename";
        case EFileCall::kFolderSync:
            return "folder sync";
        case EFileCall::kUnlink:
            return "unlink";
    }
    return "?";
}

bool CFileFaults::Fails(EFileCall kind, const std::filesystem::path& path) {
    std::lock_guard lock(m_mutex);
    ++m_calls;
    if (!m_rule || !m_rule(SFileCall{m_calls, kind, path})) {
        return false;
    }
    if (m_failures++ == 0) {
        m_firstFailure.emplace(kind, path);
    }
    return true;
}

std::uint64_t CFileFaults::Calls() const {
    std::lock_guard lock(m_mutex);
    return m_calls;
}

std::uint64_t CFileFaults::Failures() const {
    std::lock_guard lock(m_mutex);
    return m_failures;
}

std::optional<std::pair<EFileCall, std::filesystem::path>> CFileFaults::FirstFailure() const {
    std::lock_guard lock(m_mutex);
    return m_firstFailure;
}

CFileFaults::Rule FailCallNumber(std::uint64_t number) {
    return [number](const SFileCall& call) { return call.number == number; };
}

CFileFaults::Rule FailWritesTo(std::filesystem::path target) {
    return [target = std::move(target)](const SFileCall& call) {
        return call.kind == EFileCall::kWrite && call.path == target;
    };
}

CFileFaults::Rule FailFromCallNumber(std::uint64_t number, EFileCall kind) {
    return [number, kind](const SFileCall& call) {
        return call.kind == kind && call.number >= number;
    };
}

}  // namespace kw
