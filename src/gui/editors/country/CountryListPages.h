#pragma once

#include <functional>

#include "gui/editors/country/CountryPage.h"

namespace kw {

class CCountryRecordList;
class CDatabaseDocument;
class CDlgReferees;
class CDlgStadiumlist;

// A country's list of records as a page of the country window. Each of its commands is its own
// edit of the document when it is made, so storing the page has nothing left to write; loading
// shows the records anew.
class CCountryListPage : public CCountryPage {
    Q_OBJECT

public:
    void Load() override;
    void Store() override {}
    bool Differs() const override { return false; }

protected:
    // `makeList` makes the list in page role as a child of the page it is given. The window
    // around the page takes its caption from the list.
    CCountryListPage(const std::function<CCountryRecordList*(QWidget* page)>& makeList,
                     QWidget* parent);

    CCountryRecordList& RecordList() const { return *m_list; }

private:
    CCountryRecordList* m_list;
};

// "Schiedsrichter": the referee list with "Neu", "Ändern" and "Löschen".
class CCountryRefereesPage : public CCountryListPage {
    Q_OBJECT

public:
    CCountryRefereesPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    CDlgReferees& Referees() const;
};

// The stadium list: "Ändern", a double click or Enter opens the stadium.
class CCountryStadiumsPage : public CCountryListPage {
    Q_OBJECT

public:
    CCountryStadiumsPage(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    CDlgStadiumlist& Stadiums() const;
};

}  // namespace kw
