#pragma once

#include "gui/editors/CountryRecordList.h"

class QPushButton;

namespace kw {

// The stadium list of a country: number, name, city and total capacity of each stadium in the
// list's order (clubs and the cup final name a stadium by its position). "Ä&ndern", a double click
// or Enter opens the selected stadium in CDlgStadium. The list only edits: clubs refer to
// stadiums by position, so none is added or removed here. As a page of another dialog it has no
// close button.
class CDlgStadiumlist : public CCountryRecordList {
    Q_OBJECT

public:
    CDlgStadiumlist(CDatabaseDocument& document, int country, QWidget* parent = nullptr,
                    ERole role = ERole::Window);

    QPushButton& ChangeButton() const { return *m_change; }
    void Reload() override;

private:
    void Fill();
    void ChangeSelected();

    QPushButton* m_change;
};

}  // namespace kw
