#pragma once

#include "gui/controls/DialogB.h"
#include "gui/editors/EditorPage.h"
#include "gui/editors/club/ClubEditContext.h"

namespace kw {

class CClub;

// One page of the club editor: its record is the editor's working copy of the club. A page writes
// back only the values whose controls the user changed, so that values a control cannot show (a
// year outside its range, a choice missing from its list) survive an OK without edits.
class CClubPage : public CDialogB, public IEditorPage {
    Q_OBJECT

public:
    CClubPage(SClubEditContext& context, QWidget* parent)
        : CDialogB(parent, ERole::Page), m_context(context) {}

    void Store() final { StoreInto(m_context.club); }
    bool Differs() const final;

protected:
    // Writes the controls the user changed since the load into `club`.
    virtual void StoreInto(CClub& club) const = 0;

    SClubEditContext& Context() { return m_context; }
    const SClubEditContext& Context() const { return m_context; }

private:
    SClubEditContext& m_context;
};

}  // namespace kw
