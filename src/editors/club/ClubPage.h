#pragma once

#include "controls/DialogB.h"
#include "editors/club/ClubEditContext.h"

namespace kw {

// One page of the club editor. The editor loads a page when it is shown and stores it when it is
// left and on OK. A page writes back only the values whose controls the user changed, so that
// values a control cannot show (a year outside its range, a choice missing from its list) survive
// an OK without edits.
class CClubPage : public CDialogB {
    Q_OBJECT

public:
    CClubPage(SClubEditContext& context, QWidget* parent)
        : CDialogB(parent, ERole::Page), m_context(context) {}

    // Fills the controls from the working copy.
    virtual void LoadPage() = 0;
    // Writes the changed controls into the working copy.
    virtual void StorePage() = 0;

protected:
    SClubEditContext& Context() { return m_context; }
    const SClubEditContext& Context() const { return m_context; }

private:
    SClubEditContext& m_context;
};

}  // namespace kw
