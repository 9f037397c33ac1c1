#include "document/ScopeCheck.h"

#include <cstdio>
#include <cstdlib>

#include "platform/Cp1252.h"

namespace kw {

namespace {

// Set before any document exists and only read after, so documents on several threads may
// share it.
OutsideScopeTexts& Installed() {
    static OutsideScopeTexts texts;
    return texts;
}

}  // namespace

void InstallScopeCheck(OutsideScopeTexts texts) {
    Installed() = std::move(texts);
}

CScopeCheck::CScopeCheck(const CWorld& world, const SWorldScope& scope) : m_scope(scope) {
    if (Installed()) {
        m_before = Installed()(world, m_scope);
    }
}

void CScopeCheck::Verify(const CWorld& world, std::string_view description) const {
    if (!Installed()) {
        return;
    }
    const PartTexts after = Installed()(world, m_scope);
    if (after == m_before) {
        return;
    }
    // The same scope gives the same parts in the same order.
    std::string changed;
    for (std::size_t part = 0; part < after.size(); ++part) {
        if (after[part] != m_before[part]) {
            changed += (changed.empty() ? "" : ", ") + after[part].first;
        }
    }
    std::fprintf(stderr, "The edit \"%s\" changed %s outside its scope.\n",
                 Cp1252ToUtf8(description).c_str(), changed.c_str());
    std::abort();
}

}  // namespace kw
