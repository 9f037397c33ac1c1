#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/Edit.h"

namespace kw {

// The edits of one database in order, with the position between the done and the undone ones and
// a clean mark: the position at which the database equals its files. Bounded by count and memory;
// the oldest edits drop first (a clean mark among them can no longer be reached).
class CEditHistory {
public:
    static constexpr std::size_t kDefaultMaxEdits = 1000;
    static constexpr std::size_t kDefaultMaxMemory = std::size_t{256} << 20;

    explicit CEditHistory(std::size_t maxEdits = kDefaultMaxEdits,
                          std::size_t maxMemory = kDefaultMaxMemory);

    // Records an applied edit after the done ones; the undone ones are dropped.
    void Push(std::unique_ptr<IEdit> edit);
    // The edit to revert or apply next, moved over; nothing at either end.
    IEdit* Undo();
    IEdit* Redo();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_edits.size(); }
    std::optional<std::string> UndoDescription() const;
    std::optional<std::string> RedoDescription() const;

    bool IsClean() const { return m_clean == m_done; }
    void SetClean() { m_clean = m_done; }
    // Forgets every edit; the state now is clean.
    void Clear();

    std::size_t Count() const { return m_edits.size(); }
    std::size_t MemoryCost() const { return m_memory; }

private:
    void DropOldest();

    std::size_t m_maxEdits;
    std::size_t m_maxMemory;
    std::vector<std::unique_ptr<IEdit>> m_edits;
    std::size_t m_done = 0;
    // The position of the clean state; none when it was dropped or overwritten.
    std::optional<std::size_t> m_clean = 0;
    std::size_t m_memory = 0;
};

}  // namespace kw
