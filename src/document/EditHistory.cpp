#include "document/EditHistory.h"

namespace kw {

CEditHistory::CEditHistory(std::size_t maxEdits, std::size_t maxMemory)
    : m_maxEdits(maxEdits == 0 ? 1 : maxEdits), m_maxMemory(maxMemory) {}

void CEditHistory::Push(std::unique_ptr<IEdit> edit) {
    while (m_edits.size() > m_done) {
        m_memory -= m_edits.back()->MemoryCost();
        m_edits.pop_back();
    }
    // The clean state lay among the undone edits: no position reaches it any more.
    if (m_clean && *m_clean > m_done) {
        m_clean.reset();
    }
    m_memory += edit->MemoryCost();
    m_edits.push_back(std::move(edit));
    ++m_done;
    // The newest edit always stays, however large it is.
    while (m_edits.size() > 1 && (m_edits.size() > m_maxEdits || m_memory > m_maxMemory)) {
        DropOldest();
    }
}

void CEditHistory::DropOldest() {
    m_memory -= m_edits.front()->MemoryCost();
    m_edits.erase(m_edits.begin());
    --m_done;
    if (m_clean) {
        if (*m_clean == 0) {
            m_clean.reset();
        } else {
            --*m_clean;
        }
    }
}

IEdit* CEditHistory::Undo() {
    if (!CanUndo()) {
        return nullptr;
    }
    return m_edits[--m_done].get();
}

IEdit* CEditHistory::Redo() {
    if (!CanRedo()) {
        return nullptr;
    }
    return m_edits[m_done++].get();
}

std::optional<std::string> CEditHistory::UndoDescription() const {
    if (!CanUndo()) {
        return std::nullopt;
    }
    return m_edits[m_done - 1]->Description();
}

std::optional<std::string> CEditHistory::RedoDescription() const {
    if (!CanRedo()) {
        return std::nullopt;
    }
    return m_edits[m_done]->Description();
}

void CEditHistory::Clear() {
    m_edits.clear();
    m_done = 0;
    m_clean = 0;
    m_memory = 0;
}

}  // namespace kw
