#pragma once

#include "editors/country/CountryPage.h"

namespace kw {

class CDatabaseDocument;
class CDlgStadiumlist;

// The country's stadium list as a page: "Ändern", a double click or Enter opens the stadium. A
// confirmed stadium is its own edit of the document, so storing the page has nothing left to
// write.
class CCountryStadiumsPage : public CCountryPage {
    Q_OBJECT

public:
    CCountryStadiumsPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    void Load() override;
    void Store() override {}

    CDlgStadiumlist& Stadiums() const { return *m_stadiums; }

private:
    CDlgStadiumlist* m_stadiums;
};

}  // namespace kw
