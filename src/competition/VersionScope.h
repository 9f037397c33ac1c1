#pragma once

#include <cstdint>

#include "model/RecordVersion.h"

namespace kw {

// Sets the loaded data version for a stretch of reading and puts the previous one back, so that
// the predefined structure files (kept in a layout of their own) leave the version of the
// surrounding load alone.
class CLoadedVersionScope {
public:
    explicit CLoadedVersionScope(std::uint32_t version) : m_saved(LoadedRecordVersion()) {
        SetLoadedRecordVersion(version);
    }
    ~CLoadedVersionScope() { SetLoadedRecordVersion(m_saved); }
    CLoadedVersionScope(const CLoadedVersionScope&) = delete;
    CLoadedVersionScope& operator=(const CLoadedVersionScope&) = delete;

private:
    std::uint32_t m_saved;
};

}  // namespace kw
