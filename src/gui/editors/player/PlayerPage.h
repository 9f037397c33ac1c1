#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "gui/controls/DialogB.h"
#include "gui/editors/EditorPage.h"
#include "gui/editors/player/PlayerEditContext.h"

namespace kw {

class CPlayer;

// One page of the person editor: its record is the live person of the document's world that the
// squad dialog (or another dialog showing persons) chose. The page stores when it is left, when
// another person is chosen and, where a control stores at once, on every change. Storing copies
// the person, writes the controls the user changed into the copy and, only when the copy differs,
// makes it one `CPersonValuesEdit` of the document; so browsing persons changes nothing.
class CPlayerPage : public CDialogB, public IEditorPage {
    Q_OBJECT

public:
    CPlayerPage(SPlayerEditContext& context, QWidget* parent);

    // Shows the person of the document's world with that id; 0 (or an id the world lacks) empties
    // the page and disables it.
    void SetPlayer(std::uint32_t personId);
    std::uint32_t PlayerId() const { return m_personId; }

    // Shows the person anew.
    void Load() final { SetPlayer(m_personId); }
    void Store() final;
    bool Differs() const final;

signals:
    // A stored change may show in lists (name, position, strength).
    void playerChanged(std::uint32_t personId);

protected:
    // Fills the controls from the person; null when there is none (controls emptied).
    virtual void LoadPage(const CPlayer* player) = 0;
    // Writes the controls the user changed since the last load into `copy`.
    virtual void StoreInto(CPlayer& copy) const = 0;
    // The person shown, or null.
    const CPlayer* Player() const;
    // "Wähle Verein" for one of the person's club references: the chooser starts in the country
    // of `current` (else of the person's club); the club chosen, nothing when cancelled.
    std::optional<std::uint32_t> ChooseClubReference(std::uint32_t current);
    SPlayerEditContext& Context() { return m_context; }
    const SPlayerEditContext& Context() const { return m_context; }

private:
    // A copy of the person with what the user changed; null when that changes nothing.
    std::unique_ptr<CPlayer> Edited() const;

    SPlayerEditContext& m_context;
    std::uint32_t m_personId = 0;
};

}  // namespace kw
