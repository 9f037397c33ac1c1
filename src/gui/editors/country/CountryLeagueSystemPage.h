#pragma once

#include "gui/editors/country/CountryPage.h"

namespace kw {

class CBaseTextFile;
class CDatabaseDocument;
class CLeagueSystemPage;

// Tab "Ligasystem": the league-system page in the country window. Its changes are applied as the
// user makes them ("Änderungen übernehmen" and the dialogs it opens), so leaving the tab stores
// nothing more; entering it shows the country anew.
class CCountryLeagueSystemPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryLeagueSystemPage(CDatabaseDocument& document, const CBaseTextFile& leagueSystems,
                             int country, QWidget* parent = nullptr);

    CLeagueSystemPage& Page() const { return *m_page; }

    void Load() override;
    void Store() override {}
    bool Differs() const override { return false; }

private:
    CLeagueSystemPage* m_page;
};

}  // namespace kw
