#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentChange.h"
#include "document/EditHistory.h"
#include "model/WorldPart.h"
#include "storage/FixedText.h"

namespace kw {

class CWorld;

// Told of every change of a document; the Qt-free core calls it, the GUI adapts it to signals.
class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;
    virtual void DocumentChanged(const std::vector<SDocumentChange>& changes) = 0;
    // The document became modified (false) or equal to its files again (true).
    virtual void CleanChanged(bool clean) = 0;
    // What undo and redo offer changed: an edit was recorded, a group closed with edits, an edit
    // was undone or redone, or the history started afresh.
    virtual void HistoryChanged() = 0;
};

// One open database: it owns the world and its edit history, knows whether the world differs
// from its files, and tells observers what changed. Every change the editor or a tool makes goes
// through Do or Perform, so it can be undone and redone.
class CDatabaseDocument {
public:
    explicit CDatabaseDocument(std::unique_ptr<CWorld> world,
                               CEditHistory history = CEditHistory());
    ~CDatabaseDocument();
    CDatabaseDocument(const CDatabaseDocument&) = delete;
    CDatabaseDocument& operator=(const CDatabaseDocument&) = delete;

    const CWorld& World() const { return *m_world; }
    // For the operations that read or write the whole database as it is (load, save, import,
    // archive export, master build); never for changing records.
    CWorld& WorldForOperations() { return *m_world; }

    // The language (0 German ... 4 Italian) the editor shows this database's names in: chosen in
    // the main window, a way of looking at the database and no change of it, so neither an edit
    // nor a reason to save.
    int Language() const { return m_language; }
    // Held to the five languages.
    void SetLanguage(int language);

    // Applies the edit and records it.
    void Do(std::unique_ptr<IEdit> edit);
    // Runs an operation that may change what the scope names and records it as one edit. An
    // operation that returns false must have changed nothing; nothing is recorded then. Edit
    // descriptions are Windows-1252, like every text of the model.
    bool Perform(std::string description, SWorldScope scope,
                 const std::function<bool(CWorld&)>& operation);

    // Between these, everything done is recorded as one edit named `description` (dialogs that
    // change live records while they are open; `CEditGroup` pairs them). Groups may nest; the
    // outermost one counts.
    void BeginGroup(std::string description);
    void EndGroup();
    // Ends the innermost group instead by reverting what was done inside it, newest first; it
    // records nothing.
    void DiscardGroup();
    bool InGroup() const { return m_groupDepth > 0; }

    bool Undo();
    bool Redo();
    std::optional<std::string> UndoDescription() const { return m_history.UndoDescription(); }
    std::optional<std::string> RedoDescription() const { return m_history.RedoDescription(); }
    const CEditHistory& History() const { return m_history; }

    // Whether the world differs from the files it was last loaded from or saved to.
    bool IsModified() const { return !m_history.IsClean(); }
    // After a save that wrote every file: the state now is the files' state.
    void MarkSaved();

    // The user accepts that the damaged country files of the load are written from memory.
    void ConfirmDamagedCountries();

    // The database read anew (open, import, restore, a new database): a fresh history.
    void ReplaceWorld(std::unique_ptr<CWorld> world);
    // The world was loaded or read in place (at start-up, by an import into this world): a fresh
    // history, every view refreshed.
    void WorldReloaded();

    void AddObserver(IDocumentObserver& observer);
    void RemoveObserver(IDocumentObserver& observer);

private:
    void Record(std::unique_ptr<IEdit> edit);
    void Notify(const std::vector<SDocumentChange>& changes, bool wasClean, bool historyChanged);

    std::unique_ptr<CWorld> m_world;
    int m_language = kDefaultLanguage;
    CEditHistory m_history;
    int m_groupDepth = 0;
    std::string m_groupDescription;
    std::vector<std::unique_ptr<IEdit>> m_groupEdits;
    // For each open group, how many of the group edits came before it.
    std::vector<std::size_t> m_groupStarts;
    std::vector<IDocumentObserver*> m_observers;
};

}  // namespace kw
