#pragma once

#include "gui/editors/LiveEditDialog.h"

namespace kw {

class CBaseTextFile;
class CDatabaseDocument;
class CLeagueSystemPage;

// "Kickwerk 06 - Ligasystem": the league-system page of one country with OK. The page changes the
// live country: everything done while the dialog is open is one edit "Ligasystem".
class CDlgLeagueSystem : public CLiveEditDialog {
    Q_OBJECT

public:
    CDlgLeagueSystem(CDatabaseDocument& document, const CBaseTextFile& leagueSystems, int country,
                     QWidget* parent = nullptr);

    // Opens the dialog on the country (1..206) and returns once it is closed.
    static void Edit(CDatabaseDocument& document, const CBaseTextFile& leagueSystems, int country,
                     QWidget* parent);

    CLeagueSystemPage& Page() const { return *m_page; }

private:
    CLeagueSystemPage* m_page = nullptr;
};

}  // namespace kw
