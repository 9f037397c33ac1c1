#pragma once

#include "gui/editors/CountryRecordList.h"

class QPushButton;

namespace kw {

// The referees of a country with the columns "Name" and "Besonderheit", in the list's order.
// "&Neu" and "Ä&ndern" (also a double click or Enter) open CDlgRefereeChange; "&Löschen" removes
// the selected referee without a question. Each of them is one undoable edit of the country;
// a cancelled change records nothing. As a page of another dialog it has no close button.
class CDlgReferees : public CCountryRecordList {
    Q_OBJECT

public:
    CDlgReferees(CDatabaseDocument& document, int country, QWidget* parent = nullptr,
                 ERole role = ERole::Window);

    void Reload() override;

private:
    // Refills the list and selects `row` (the last one when beyond the list).
    void Fill(int row);
    void NewReferee();
    void ChangeSelected();
    void DeleteSelected();
    void EnableButtons();

    QPushButton* m_new;
    QPushButton* m_change;
    QPushButton* m_delete;
};

}  // namespace kw
