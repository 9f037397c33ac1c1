#pragma once

#include <vector>

#include "editing/FiveYearRules.h"
#include "gui/controls/DialogB.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// "5-Jahres-Wertung": the ranking of the continent of the country it is opened for, one line per
// country. "Ä&ndern" and a double click open the change dialog for the selected country; after
// an OK the list is ranked anew and the country stays selected.
class CDlg5Year : public CDialogB {
    Q_OBJECT

public:
    CDlg5Year(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    // Runs the dialog for the country's continent (an invalid country counts as 14).
    static void Edit(CDatabaseDocument& document, int country, QWidget* parent);

    QTreeWidget& List() const { return *m_list; }
    // The selected line's country, 0 for none.
    int SelectedCountry() const;
    // "Ä&ndern" for the selected country.
    void ChangeSelected();

private:
    void Fill(int selectedCountry);

    CDatabaseDocument& m_document;
    int m_continent;
    QTreeWidget* m_list;
    QPushButton* m_change;
};

}  // namespace kw
