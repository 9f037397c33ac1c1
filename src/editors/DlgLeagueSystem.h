#pragma once

#include "controls/DialogB.h"

namespace kw {

class CBaseTextFile;
class CDatabaseDocument;
class CLeagueSystemPage;

// "Kickwerk 06 - Ligasystem": the league-system page of one country with OK. The page changes the
// live country, so the dialog opens one group of the document for as long as it is open:
// everything done meanwhile is one edit "Ligasystem". Escape and the close box take the OK path.
class CDlgLeagueSystem : public CDialogB {
    Q_OBJECT

public:
    CDlgLeagueSystem(CDatabaseDocument& document, const CBaseTextFile& leagueSystems, int country,
                     QWidget* parent = nullptr);
    ~CDlgLeagueSystem() override;

    // Opens the dialog on the country (1..206) and returns once it is closed.
    static void Edit(CDatabaseDocument& document, const CBaseTextFile& leagueSystems, int country,
                     QWidget* parent);

    CLeagueSystemPage& Page() const { return *m_page; }

    void reject() override;
    void done(int result) override;

private:
    CDatabaseDocument& m_document;
    bool m_groupOpen = false;
    CLeagueSystemPage* m_page = nullptr;
};

}  // namespace kw
