#pragma once

#include <cstdint>
#include <filesystem>

#include "controls/DialogB.h"
#include "editors/club/ClubEditContext.h"
#include "editors/club/ClubEditorPages.h"
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
    // `clubId` names a club of the document's world. `renderer` may be null.
    CDlgClubParent(CDatabaseDocument& document, std::uint32_t clubId,
                   const CInstallationData& installation, CRenderManager* renderer,
                   std::filesystem::path cityDirectory, const SClubEditorOptions& options,
                   QWidget* parent = nullptr);

    const CClub& WorkingCopy() const { return m_copy; }
    CMyTabCtrl& Tabs() const { return *m_tabs; }

    void accept() override;

private:
    // The club of the document, or a fresh one of that id when the document lacks it.
    static CClub CopyOf(CDatabaseDocument& document, std::uint32_t clubId);
    void ShowCaption();

    CDatabaseDocument& m_document;
    CClub m_copy;
    SClubEditContext m_context;
    CMyTabCtrl* m_tabs = nullptr;
};

}  // namespace kw
