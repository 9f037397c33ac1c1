#pragma once

#include "editors/country/CountryPage.h"

namespace kw {

class CDatabaseDocument;
class CDlgReferees;

// "Schiedsrichter" of the country window: the referee list with "Neu", "Ändern" and "Löschen".
// Each of those commands is its own edit of the document when it is made, so storing the page
// has nothing left to write.
class CCountryRefereesPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryRefereesPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    void Load() override;
    void Store() override {}

    CDlgReferees& Referees() const { return *m_referees; }

private:
    CDlgReferees* m_referees;
};

}  // namespace kw
