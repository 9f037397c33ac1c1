#include "document/DatabaseDocument.h"

#include <algorithm>

#include "document/RecordEdits.h"
#include "document/ScopeCheck.h"
#include "model/World.h"

namespace kw {

CDatabaseDocument::CDatabaseDocument(std::unique_ptr<CWorld> world, CEditHistory history)
    : m_world(std::move(world)), m_history(std::move(history)) {}

CDatabaseDocument::~CDatabaseDocument() = default;

void CDatabaseDocument::Do(std::unique_ptr<IEdit> edit) {
    const bool wasClean = m_history.IsClean();
    edit->Apply(*m_world);
    const std::vector<SDocumentChange> changes = edit->Changes();
    Record(std::move(edit));
    Notify(changes, wasClean, m_groupDepth == 0);
}

bool CDatabaseDocument::Perform(std::string description, SWorldScope scope,
                                const std::function<bool(CWorld&)>& operation) {
    const bool wasClean = m_history.IsClean();
    const CScopeCheck check(*m_world, scope);
    CWorldPart before = CWorldPart::Capture(*m_world, std::move(scope));
    const bool changed = operation(*m_world);
    check.Verify(*m_world, description);
    if (!changed) {
        return false;
    }
    auto edit = std::make_unique<CWorldPartEdit>(std::move(description), std::move(before));
    const std::vector<SDocumentChange> changes = edit->Changes();
    Record(std::move(edit));
    Notify(changes, wasClean, m_groupDepth == 0);
    return true;
}

void CDatabaseDocument::Record(std::unique_ptr<IEdit> edit) {
    if (m_groupDepth > 0) {
        m_groupEdits.push_back(std::move(edit));
    } else {
        m_history.Push(std::move(edit));
    }
}

void CDatabaseDocument::BeginGroup(std::string description) {
    if (m_groupDepth++ == 0) {
        m_groupDescription = std::move(description);
        m_groupEdits.clear();
    }
    m_groupStarts.push_back(m_groupEdits.size());
}

void CDatabaseDocument::EndGroup() {
    if (m_groupDepth == 0) {
        return;
    }
    m_groupStarts.pop_back();
    if (--m_groupDepth > 0) {
        return;
    }
    // A dialog that was only looked at leaves no edit behind.
    if (m_groupEdits.empty()) {
        return;
    }
    const bool wasClean = m_history.IsClean();
    m_history.Push(
        std::make_unique<CCompoundEdit>(std::move(m_groupDescription), std::move(m_groupEdits)));
    m_groupEdits.clear();
    Notify({}, wasClean, true);
}

void CDatabaseDocument::DiscardGroup() {
    if (m_groupDepth == 0) {
        return;
    }
    const bool wasClean = m_history.IsClean();
    std::vector<SDocumentChange> changes;
    while (m_groupEdits.size() > m_groupStarts.back()) {
        const std::unique_ptr<IEdit> edit = std::move(m_groupEdits.back());
        m_groupEdits.pop_back();
        edit->Revert(*m_world);
        const std::vector<SDocumentChange> reverted = edit->Changes();
        changes.insert(changes.end(), reverted.begin(), reverted.end());
    }
    m_groupStarts.pop_back();
    --m_groupDepth;
    Notify(changes, wasClean, false);
}

bool CDatabaseDocument::Undo() {
    if (m_groupDepth > 0) {
        return false;
    }
    const bool wasClean = m_history.IsClean();
    IEdit* edit = m_history.Undo();
    if (edit == nullptr) {
        return false;
    }
    edit->Revert(*m_world);
    Notify(edit->Changes(), wasClean, true);
    return true;
}

bool CDatabaseDocument::Redo() {
    if (m_groupDepth > 0) {
        return false;
    }
    const bool wasClean = m_history.IsClean();
    IEdit* edit = m_history.Redo();
    if (edit == nullptr) {
        return false;
    }
    edit->Apply(*m_world);
    Notify(edit->Changes(), wasClean, true);
    return true;
}

void CDatabaseDocument::SetLanguage(int language) {
    m_language = std::clamp(language, 0, kLanguageCount - 1);
}

void CDatabaseDocument::MarkSaved() {
    const bool wasClean = m_history.IsClean();
    m_history.SetClean();
    Notify({}, wasClean, false);
}

void CDatabaseDocument::ConfirmDamagedCountries() {
    m_world->ConfirmDamagedCountries(m_world->DamagedCountries());
}

void CDatabaseDocument::ReplaceWorld(std::unique_ptr<CWorld> world) {
    m_world = std::move(world);
    WorldReloaded();
}

void CDatabaseDocument::WorldReloaded() {
    const bool wasClean = m_history.IsClean();
    m_history.Clear();
    m_groupEdits.clear();
    m_groupStarts.clear();
    m_groupDepth = 0;
    Notify({{SDocumentChange::EKind::kWorld, 0, 0}}, wasClean, true);
}

void CDatabaseDocument::AddObserver(IDocumentObserver& observer) {
    m_observers.push_back(&observer);
}

void CDatabaseDocument::RemoveObserver(IDocumentObserver& observer) {
    std::erase(m_observers, &observer);
}

void CDatabaseDocument::Notify(const std::vector<SDocumentChange>& changes, bool wasClean,
                               bool historyChanged) {
    // A copy: an observer may remove itself while it is told.
    const std::vector<IDocumentObserver*> observers = m_observers;
    for (IDocumentObserver* observer : observers) {
        if (!changes.empty()) {
            observer->DocumentChanged(changes);
        }
        if (wasClean != m_history.IsClean()) {
            observer->CleanChanged(m_history.IsClean());
        }
        if (historyChanged) {
            observer->HistoryChanged();
        }
    }
}

}  // namespace kw
