#pragma once

#include <cstdint>
#include <filesystem>

#include "gui/controls/DialogB.h"
#include "gui/editors/club/ClubEditContext.h"
#include "gui/editors/club/ClubEditorPages.h"
#include "model/Club.h"

namespace kw {

class CDatabaseDocument;
class CMyTabCtrl;

// The club editor: tab pages on a working copy of one club. OK writes the copy back as one
// undoable edit, and only when it differs from the club; Cancel, Escape and the close box change
// nothing.
class CDlgClubParent : public CDialogB {
    Q_OBJECT

public:
    // `club` is a club of the document's world; the editor works on a copy of it. `renderer` may
    // be null.
    CDlgClubParent(CDatabaseDocument& document, const CClub& club,
                   const CInstallationData& installation, CRenderManager* renderer,
                   std::filesystem::path cityDirectory, const SClubEditorOptions& options,
                   QWidget* parent = nullptr);

    const CClub& WorkingCopy() const { return m_copy; }
    CMyTabCtrl& Tabs() const { return *m_tabs; }

    void accept() override;

private:
    void ShowCaption();

    CDatabaseDocument& m_document;
    CClub m_copy;
    SClubEditContext m_context;
    CMyTabCtrl* m_tabs = nullptr;
};

}  // namespace kw
