#include "document/EditGroup.h"

#include <utility>

#include "document/DatabaseDocument.h"

namespace kw {

CEditGroup::CEditGroup(CDatabaseDocument& document, std::string description)
    : m_document(&document) {
    document.BeginGroup(std::move(description));
}

void CEditGroup::Close() {
    if (m_document != nullptr) {
        std::exchange(m_document, nullptr)->EndGroup();
    }
}

void CEditGroup::Discard() {
    if (m_document != nullptr) {
        std::exchange(m_document, nullptr)->DiscardGroup();
    }
}

}  // namespace kw
